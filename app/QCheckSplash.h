#pragma once

#include <QSplashScreen>
#include <QString>

// What the user sees while the first check pass runs, before the window appears: the product's name, "Checking…"
// and the step under way ("Signatures - 6 of 15"), painted again as each step starts.
class QCheckSplash : public QSplashScreen {
    Q_OBJECT

public:
    QCheckSplash();

    // Shows the step and paints at once: the pass holds the event loop until it is over.
    void ShowStep(int step, int steps, const char* name);
    const QString& StepText() const { return stepText_; }

protected:
    void drawContents(QPainter* painter) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString stepText_;
    bool painted_ = false;
};
