#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class UIPanelFailedOrSucceed;
}

// The outcome of an upload: a failure text with "Retry" and "Save report…", or a success text.
class UIPanelFailedOrSucceed : public QWidget {
    Q_OBJECT

public:
    explicit UIPanelFailedOrSucceed(QWidget* parent = nullptr);
    ~UIPanelFailedOrSucceed() override;
    // One of the two texts, the other half hidden.
    void ShowFailed(const QString& text);
    void ShowSucceeded(const QString& text);

signals:
    void sRetry();
    void sSaveReport();

private slots:
    void on_pushButtonRetry_clicked();
    void on_pushButtonSaveReport_clicked();

private:
    Ui::UIPanelFailedOrSucceed* Form() const { return form_.get(); }
    std::unique_ptr<Ui::UIPanelFailedOrSucceed> form_;
};
