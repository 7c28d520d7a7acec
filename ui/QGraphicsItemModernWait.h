#pragma once

#include <QGraphicsRectItem>
#include <QObject>
#include <QParallelAnimationGroup>
#include <QPointer>

#include <memory>

class QGraphicsPixmapItemAnimated;
class QGraphicsProxyWidget;
class QGraphicsScene;
class QParallelAnimationGroup;

namespace Orv {
class QtStylesheetFollower;
}

// The wait indicator: two rings turning in opposite directions, one turn per second each, fading in as the
// animation starts, with an optional panel under them (the result of the work waited for).
class QGraphicsItemModernWait : public QObject, public QGraphicsRectItem {
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)
    Q_PROPERTY(qreal rotation READ rotation WRITE setRotation)

public:
    // owner: the widget whose style the panel follows; parent: the QObject parent given by the user.
    QGraphicsItemModernWait(QWidget* owner, QObject* parent);
    ~QGraphicsItemModernWait() override;

    // Builds the rings, the panel (when panel is given: it goes into the scene under the rings) and the animation.
    void initialize(QGraphicsScene* scene, QWidget* panel = nullptr);
    // Sizes and centres the rings and the panel in the item's rectangle; call it after every change of it.
    void updateLayout();

    // The never-ending animation: users add it to their own sequence and stop it (pause, then stop).
    QParallelAnimationGroup* animation() const { return animation_; }
    QGraphicsPixmapItemAnimated* topRing() const { return topRing_; }
    QGraphicsPixmapItemAnimated* bottomRing() const { return bottomRing_; }
    QWidget* panel() const { return panel_; }
    QGraphicsProxyWidget* panelProxy() const { return panelProxy_; }

private:
    QWidget* owner_;
    QGraphicsPixmapItemAnimated* topRing_ = nullptr;
    QGraphicsPixmapItemAnimated* bottomRing_ = nullptr;
    // Its users may take it into a group of their own, which then deletes it.
    QPointer<QParallelAnimationGroup> animation_;
    QPointer<QWidget> panel_;
    QGraphicsProxyWidget* panelProxy_ = nullptr;
    std::unique_ptr<Orv::QtStylesheetFollower> follower_;
};
