#pragma once

#include "QtStylesheetFollower.h"

#include <QGraphicsScene>
#include <QGraphicsView>

#include <memory>

class QGraphicsProxyWidget;

// Shows an ordinary widget as an item of its own scene, filling the view, so that it can be faded and covered by
// other items (the wait indicator).
class QGraphicsViewTransformWidgetToGraphicView : public QGraphicsView {
    Q_OBJECT

public:
    QGraphicsViewTransformWidgetToGraphicView(QWidget* widget, QWidget* parent);
    ~QGraphicsViewTransformWidgetToGraphicView() override;

    QGraphicsScene& graphicsScene() { return scene_; }
    QGraphicsProxyWidget* proxy() const { return proxy_; }
    Orv::QtStylesheetFollower& follower() { return *follower_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QGraphicsScene scene_;
    QGraphicsProxyWidget* proxy_ = nullptr;
    std::unique_ptr<Orv::QtStylesheetFollower> follower_;
};
