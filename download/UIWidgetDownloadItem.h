#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class UIWidgetDownloadItem;
}

// One download as a row: its label and a progress bar that goes once the download is complete.
class UIWidgetDownloadItem : public QWidget {
    Q_OBJECT

public:
    explicit UIWidgetDownloadItem(QWidget* parent = nullptr);
    ~UIWidgetDownloadItem() override;

public slots:
    void SetProgress(float percentage, double curtime);

private:
    Ui::UIWidgetDownloadItem* Form() const { return form_.get(); }
    std::unique_ptr<Ui::UIWidgetDownloadItem> form_;
};
