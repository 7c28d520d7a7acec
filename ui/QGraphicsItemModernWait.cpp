#include "QGraphicsItemModernWait.h"

#include "QGraphicsPixmapItemAnimated.h"
#include "QtStylesheetFollower.h"
#include "ToolkitResources.h"

#include "library_Orv/Window/FramelessLogic.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QIcon>
#include <QParallelAnimationGroup>
#include <QPen>
#include <QPropertyAnimation>

namespace {
constexpr int kFadeInMs = 200;
constexpr int kTurnMs = 1000;

// The ring pictures, loaded once per process and rendered at the size needed.
const QIcon& RingIcon(bool top) {
    Orv::Ui::InitToolkitResources();
    static const QIcon topRing(QStringLiteral("://Resources/wait_ring_top.svg"));
    static const QIcon bottomRing(QStringLiteral("://Resources/wait_ring_bottom.svg"));
    return top ? topRing : bottomRing;
}

QGraphicsPixmapItemAnimated* MakeRing(QGraphicsItem* parent, qreal z) {
    auto* ring = new QGraphicsPixmapItemAnimated(parent);
    ring->setTransformationMode(Qt::SmoothTransformation);
    ring->setAcceptedMouseButtons(Qt::NoButton);
    ring->setZValue(z);
    return ring;
}

QPropertyAnimation* Animate(QObject* target, const char* property, qreal from, qreal to, int ms, int loops) {
    auto* animation = new QPropertyAnimation(target, property);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setDuration(ms);
    animation->setLoopCount(loops);
    return animation;
}
} // namespace

QGraphicsItemModernWait::QGraphicsItemModernWait(QWidget* owner, QObject* parent)
    : QObject(parent), QGraphicsRectItem(nullptr), owner_(owner) {
    setPen(Qt::NoPen);
    setOpacity(0);
}

QGraphicsItemModernWait::~QGraphicsItemModernWait() {
    follower_.reset();
    delete animation_;
    delete topRing_;
    delete bottomRing_;
}

void QGraphicsItemModernWait::initialize(QGraphicsScene* scene, QWidget* panel) {
    animation_ = new QParallelAnimationGroup();
    topRing_ = MakeRing(this, 2.0);
    bottomRing_ = MakeRing(this, 2.1);
    bottomRing_->setRotation(180);
    if (panel && scene) {
        panel_ = panel;
        panel->setAttribute(Qt::WA_NoSystemBackground);
        panel->setAttribute(Qt::WA_TranslucentBackground);
        panelProxy_ = scene->addWidget(panel);
        panelProxy_->setParent(this);
        panelProxy_->setParentItem(this);
        panelProxy_->setOpacity(0);
        panelProxy_->setZValue(2.2);
        follower_ = std::make_unique<Orv::QtStylesheetFollower>(owner_);
        follower_->Register(panel);
        follower_->Apply();
    }
    animation_->addAnimation(Animate(this, "opacity", 0, 1, kFadeInMs, 1));
    const qreal bottom = bottomRing_->rotation();
    animation_->addAnimation(Animate(bottomRing_, "rotation", bottom + 360, bottom, kTurnMs, -1));
    const qreal top = topRing_->rotation();
    animation_->addAnimation(Animate(topRing_, "rotation", top, top + 360, kTurnMs, -1));
}

void QGraphicsItemModernWait::updateLayout() {
    if (!topRing_)
        return;
    const QRectF area = rect();
    const Orv::Frameless::WaitLayout layout = Orv::Frameless::WaitLayoutFor(area.width(), area.height());
    const QSize size(layout.ringSize, layout.ringSize);
    const QPointF place(layout.ringX, layout.ringY);
    topRing_->setPixmap(RingIcon(true).pixmap(size));
    bottomRing_->setPixmap(RingIcon(false).pixmap(size));
    for (QGraphicsPixmapItemAnimated* ring : {topRing_, bottomRing_}) {
        ring->setPos(place);
        ring->setTransformOriginPoint(layout.ringSize / 2.0, layout.ringSize / 2.0);
    }
    if (panel_ && panelProxy_) {
        panel_->setFixedSize(layout.panelWidth, layout.panelHeight);
        panelProxy_->setPos(0, topRing_->y() + layout.ringSize);
    }
}
