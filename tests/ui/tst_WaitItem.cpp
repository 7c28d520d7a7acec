// The wait indicator: its layout, its never-ending animation, and a form shown as a scene item under it.
#include "ui/QGraphicsItemModernWait.h"
#include "ui/QGraphicsPixmapItemAnimated.h"
#include "ui/QGraphicsViewTransformWidgetToGraphicView.h"

#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QVBoxLayout>
#include <QtTest>

class TestWaitItem : public QObject {
    Q_OBJECT

private slots:
    void ringsAndPanelAreLaidOut() {
        QGraphicsScene scene;
        QWidget owner;
        QGraphicsItemModernWait wait(&owner, nullptr);
        auto* panel = new QLabel(QStringLiteral("Sent"));
        wait.initialize(&scene, panel);
        // Whatever the size: the two rings one over the other, centred across, turned half a turn from each other
        // about their own centre; the panel as wide as the item, right under the rings; all hidden until shown.
        for (const QSizeF size : {QSizeF(491, 305), QSizeF(40, 30), QSizeF(3000, 2000)}) {
            wait.setRect(QRectF(QPointF(0, 0), size));
            wait.updateLayout();
            const QRectF ring(wait.topRing()->pos(), wait.topRing()->boundingRect().size());
            QCOMPARE(wait.bottomRing()->pos(), ring.topLeft());
            QCOMPARE(ring.center().x(), size.width() / 2);
            QCOMPARE(wait.topRing()->transformOriginPoint(), QPointF(ring.width() / 2, ring.height() / 2));
            QCOMPARE(qAbs(wait.bottomRing()->rotation() - wait.topRing()->rotation()), 180.0);
            QVERIFY(ring.width() >= 100 && ring.width() <= 300); // never a dot, never a wall
            QCOMPARE(wait.panelProxy()->pos().y(), ring.bottom());
            QCOMPARE(panel->width(), qRound(size.width()));
        }
        QCOMPARE(wait.panelProxy()->opacity(), 0.0);
        QCOMPARE(wait.opacity(), 0.0);
    }

    void animationFadesInTurnsForeverAndStopsInPlace() {
        QGraphicsScene scene;
        QGraphicsItemModernWait wait(nullptr, nullptr);
        wait.initialize(&scene);
        wait.setRect(0, 0, 491, 305);
        wait.updateLayout();
        scene.addItem(&wait);
        QParallelAnimationGroup* group = wait.animation();
        QCOMPARE(group->animationCount(), 3);
        QCOMPARE(group->duration(), -1); // never ends by itself
        const auto* top = static_cast<QPropertyAnimation*>(group->animationAt(2));
        QCOMPARE(top->propertyName(), QByteArray("rotation"));
        QCOMPARE(top->duration(), 1000);
        group->start();
        QTRY_COMPARE(wait.opacity(), 1.0);
        QTest::qWait(120);
        group->pause();
        group->stop();
        const qreal topAngle = wait.topRing()->rotation();
        const qreal bottomAngle = wait.bottomRing()->rotation();
        QVERIFY(topAngle > 0 && topAngle < 360);
        QVERIFY(bottomAngle < 180 || bottomAngle > 180); // turned the other way from 540 down to 180
        QTest::qWait(50);
        QCOMPARE(wait.topRing()->rotation(), topAngle);
        QCOMPARE(wait.opacity(), 1.0);
        scene.removeItem(&wait);
    }

    // A form in a view, the spinner running over it: saved as PNG to be looked at.
    void formUnderTheSpinner() {
        QWidget host;
        host.setStyleSheet(QStringLiteral("QLabel { color: #2f6db5; }"));
        auto* form = new QWidget();
        auto* layout = new QVBoxLayout(form);
        layout->addWidget(new QLabel(QStringLiteral("Sending the report…")));
        auto* view = new QGraphicsViewTransformWidgetToGraphicView(form, &host);
        QCOMPARE(form->styleSheet(), host.styleSheet()); // the follower gave it the host's style
        QCOMPARE(view->follower().Count(), 1);
        host.resize(491, 305);
        view->resize(491, 305);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QCOMPARE(view->proxy()->geometry(), QRectF(0, 0, 491, 305));
        auto* wait = new QGraphicsItemModernWait(&host, nullptr);
        wait->initialize(&view->graphicsScene());
        wait->setRect(0, 0, 491, 305);
        wait->updateLayout();
        view->graphicsScene().addItem(wait);
        wait->animation()->start();
        QTest::qWait(400);
        QVERIFY(host.grab().save(QStringLiteral("wait-animation.png")));
        wait->animation()->stop();
        view->graphicsScene().removeItem(wait);
        delete wait;
    }
};

QTEST_MAIN(TestWaitItem)
#include "tst_WaitItem.moc"
