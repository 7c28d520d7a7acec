#include "QGraphicsViewTransformWidgetToGraphicView.h"

#include <QGraphicsProxyWidget>
#include <QResizeEvent>

QGraphicsViewTransformWidgetToGraphicView::QGraphicsViewTransformWidgetToGraphicView(QWidget* widget, QWidget* parent)
    : QGraphicsView(parent), follower_(std::make_unique<Orv::QtStylesheetFollower>(parent)) {
    follower_->Register(widget);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHint(QPainter::Antialiasing);
    setScene(&scene_);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMinimumSize(10, 10);
    setStyleSheet(QStringLiteral("QGraphicsView{ border: 0px; }"));
    widget->setParent(nullptr);
    proxy_ = scene_.addWidget(widget);
    follower_->Apply();
    connect(
        &scene_, &QGraphicsScene::sceneRectChanged, this, [this](const QRectF& rect) { proxy_->setGeometry(rect); },
        Qt::DirectConnection);
}

QGraphicsViewTransformWidgetToGraphicView::~QGraphicsViewTransformWidgetToGraphicView() {
    // The scene goes with its items before the view that shows it.
    setScene(nullptr);
}

void QGraphicsViewTransformWidgetToGraphicView::resizeEvent(QResizeEvent* event) {
    scene_.setSceneRect(0, 0, width(), height());
    QGraphicsView::resizeEvent(event);
}
