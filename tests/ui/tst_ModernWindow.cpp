// The frameless window and its title bar: the frame built once, the bar's sizes, buttons and signals, what the hit
// test finds under the pointer, hover, the title timer, staying on screen. Under Wine the native glue gets real
// window messages.
#include "ui/QModernMainWindow.h"
#include "ui/QTitleBar.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
// The title timer's key test, driven by the test.
class KeyedWindow : public QModernMainWindow {
public:
    bool keysHeld = false;

protected:
    bool titleKeysHeld() const override { return keysHeld; }
};

QWidget* Content() {
    auto* content = new QWidget();
    content->setObjectName(QStringLiteral("content"));
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(new QLabel(QStringLiteral("Some content under the title bar"), content));
    content->setMinimumSize(360, 200);
    return content;
}

QStringList ShownButtons(QTitleBar* bar) {
    QStringList shown;
    for (int b = QTitleBar::ConfigButton; b <= QTitleBar::CloseButton; ++b)
        if (!bar->button(static_cast<QTitleBar::Button>(b))->isHidden())
            shown << bar->button(static_cast<QTitleBar::Button>(b))->type();
    return shown;
}
} // namespace

class TestModernWindow : public QObject {
    Q_OBJECT

private slots:
    void frameIsBuiltOnceUnderTheTitleBar() {
        QModernMainWindow window;
        window.setWindowTitle(QStringLiteral("Report"));
        window.setContentWidget(Content());
        QWidget* frame = window.mainFrame();
        QCOMPARE(window.centralWidget(), frame);
        QCOMPARE(frame->objectName(), QStringLiteral("MainFrame"));
        QTitleBar* bar = window.modernTitleBar();
        QCOMPARE(window.titleBar(), bar);
        QVERIFY(window.captionWidgets().contains(bar->titleWidget()));
        QCOMPARE(bar->titleWidget()->text(), QStringLiteral("Report"));
        auto* second = new QLabel(QStringLiteral("second"));
        window.setContentWidget(second);
        QCOMPARE(window.mainFrame(), frame);
        QCOMPARE(window.captionWidgets().count(bar->titleWidget()), 1);
        QCOMPARE(frame->layout()->count(), 3); // the bar, then both contents
        QCOMPARE(frame->layout()->itemAt(0)->widget(), bar);
        QCOMPARE(second->parentWidget(), frame);
        window.setWindowTitle(QStringLiteral("Renamed"));
        QCOMPARE(bar->titleWidget()->text(), QStringLiteral("Renamed"));
        delete bar;
        QVERIFY(!window.titleBar()); // cleared with the bar
    }

    void titleBarSizesAndButtons() {
        QTitleBar normal(nullptr, 4, 1.0);
        QCOMPARE(normal.height(), 29);
        QCOMPARE(ShownButtons(&normal), (QStringList{"minimize", "close"}));
        QTitleBar scaled(nullptr, 1 | 2 | 16, 1.5);
        QCOMPARE(scaled.height(), 44);
        QCOMPARE(scaled.button(QTitleBar::CloseButton)->size(), QSize(68, 44));
        QCOMPARE(scaled.iconWidget()->width(), 44);
        QCOMPARE(scaled.titleWidget()->fontPixels(), 18);
        QCOMPARE(ShownButtons(&scaled), (QStringList{"config", "pin", "minimize", "maximize", "close"}));
        scaled.setMaximized(1.5, true);
        QCOMPARE(scaled.height(), 33);
        QCOMPARE(ShownButtons(&scaled), (QStringList{"config", "pin", "minimize", "restore", "close"}));
        // The caption buttons in their order.
        QStringList types;
        for (int b = 0; b < 6; ++b)
            types << scaled.button(static_cast<QTitleBar::Button>(b))->property("type").toString();
        QCOMPARE(types, (QStringList{"config", "pin", "minimize", "restore", "maximize", "close"}));
    }

    void buttonsAndTitleSendTheBarsSignals() {
        QTitleBar bar(nullptr, 1 | 2, 1.0);
        bar.resize(500, 29);
        bar.show();
        QSignalSpy maximize(&bar, &QTitleBar::showMaximized);
        QSignalSpy normal(&bar, &QTitleBar::showNormal);
        QSignalSpy close(&bar, &QTitleBar::closeWindow);
        QSignalSpy topMost(&bar, &QTitleBar::showTopMost);
        QTest::mouseDClick(bar.titleWidget(), Qt::LeftButton);
        QCOMPARE(maximize.count(), 1);
        bar.setMaximized(1.0, true);
        QTest::mouseDClick(bar.titleWidget(), Qt::LeftButton);
        QCOMPARE(normal.count(), 1);
        QTest::mouseClick(bar.button(QTitleBar::CloseButton), Qt::LeftButton);
        QCOMPARE(close.count(), 1);
        // A release away from the button is no click.
        QTitleBarCaptionButton* closeButton = bar.button(QTitleBar::CloseButton);
        QTest::mousePress(closeButton, Qt::LeftButton);
        QVERIFY(closeButton->isPressed());
        QTest::mouseRelease(closeButton, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(close.count(), 1);
        QVERIFY(!closeButton->isPressed());
        // The pin toggles: each click reports the new stay-on-top state.
        QTest::mouseClick(bar.button(QTitleBar::PinButton), Qt::LeftButton);
        QTest::mouseClick(bar.button(QTitleBar::PinButton), Qt::LeftButton);
        QCOMPARE(topMost.count(), 2);
        QCOMPARE(topMost.at(0).at(0).toBool(), true);
        QCOMPARE(topMost.at(1).at(0).toBool(), false);
    }

    void captionButtonColoursAndPictures() {
        QTitleBarCaptionButton button(QStringLiteral("close"));
        button.resize(45, 29);
        button.setProperty("normalColor", QColor(Qt::white));
        button.setProperty("hoverColor", QColor(Qt::red));
        button.setProperty("pressedColor", QColor(Qt::darkRed));
        button.updateAllPixmap();
        const QImage active = button.currentPixmap().toImage();
        QCOMPARE(button.currentColor(), QColor(Qt::white));
        button.setActive(false);
        QVERIFY(button.currentPixmap().toImage() != active); // the inactive picture
        QEvent enter(QEvent::HoverEnter);
        QCoreApplication::sendEvent(&button, &enter);
        QCOMPARE(button.currentColor(), QColor(Qt::red));
        QVERIFY(button.currentPixmap().toImage() != active); // close has a picture of its own for hover
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.currentColor(), QColor(Qt::darkRed));
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(button.currentColor(), QColor(Qt::white));
    }

    void hitTestFindsCaptionButtonsAndBorders() {
        QModernMainWindow window;
        window.setContentWidget(Content());
        window.resize(420, 260);
        window.move(40, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTitleBar* bar = window.modernTitleBar();
        using Orv::Frameless::TitleBarAnswer;
        const QPoint onTitle = bar->titleWidget()->mapToGlobal(QPoint(10, 10));
        const QPoint onClose = bar->button(QTitleBar::CloseButton)->mapToGlobal(QPoint(5, 5));
        const QPoint onIcon = bar->iconWidget()->mapToGlobal(QPoint(3, 3));
        const QPoint inContent = window.mapToGlobal(QPoint(200, 150));
        QCOMPARE(window.titleBarAnswer(onTitle), TitleBarAnswer::Caption);
        QCOMPARE(window.titleBarAnswer(onClose), TitleBarAnswer::Child);
        QCOMPARE(window.titleBarAnswer(onIcon), TitleBarAnswer::Child); // a child that is no caption widget
        QCOMPARE(window.titleBarAnswer(inContent), TitleBarAnswer::Outside);
#ifdef Q_OS_WIN
        // The native glue with real messages: the answers of the window procedure.
        const HWND hwnd = reinterpret_cast<HWND>(window.winId());
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        const auto hit = [&](int x, int y) { return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
        QCOMPARE(hit(rect.left, (rect.top + rect.bottom) / 2), LRESULT(HTLEFT));
        QCOMPARE(hit(rect.right - 1, rect.bottom - 1), LRESULT(HTBOTTOMRIGHT));
        QCOMPARE(hit(rect.left + 2, rect.top + 2), LRESULT(HTTOPLEFT));
        const qreal ratio = window.windowHandle()->devicePixelRatio();
        const QPoint titleInWindow = bar->titleWidget()->mapTo(&window, QPoint(10, 10)) * ratio;
        QCOMPARE(hit(rect.left + titleInWindow.x(), rect.top + titleInWindow.y()), LRESULT(HTCAPTION));
        const QPoint closeInWindow = bar->button(QTitleBar::CloseButton)->mapTo(&window, QPoint(5, 5)) * ratio;
        QCOMPARE(hit(rect.left + closeInWindow.x(), rect.top + closeInWindow.y()), LRESULT(HTCLIENT));
        QCOMPARE(hit(rect.left + 200, rect.top + 150), LRESULT(HTCLIENT));
        NCCALCSIZE_PARAMS sizes{};
        sizes.rgrc[0] = rect;
        QCOMPARE(SendMessageW(hwnd, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&sizes.rgrc[0])), LRESULT(0));
        QCOMPARE(SendMessageW(hwnd, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&sizes)), LRESULT(0x300));
        // Maximised, the standard frame becomes the content margins; restored, they go.
        window.showMaximized();
        QTRY_VERIFY(IsZoomed(hwnd));
        MINMAXINFO info{};
        SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
        const int side = qRound(-frame.left / ratio);
        QCOMPARE(window.contentsMargins().left(), side);
        QVERIFY(side > 0);
        QCOMPARE(window.contentsMargins().top(), qRound(frame.bottom / ratio));
        window.showNormal();
        QTRY_VERIFY(!IsZoomed(hwnd));
        SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        QCOMPARE(window.contentsMargins(), QMargins());
        // The pointer entering and leaving the content: one enter, one leave.
        QSignalSpy enter(&window, &CFramelessWindow::sEnterEventWindowArea);
        QSignalSpy leave(&window, &CFramelessWindow::sLeaveEventWindowArea);
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(201, 150));
        SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(leave.count(), 1);
#endif
    }

    // Without native messages, Qt's enter and leave of the whole window: moving inside gives nothing more.
    void hoverSignalsFromEnterAndLeave() {
#ifndef Q_OS_WIN
        QModernMainWindow window;
        window.setContentWidget(Content());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy enter(&window, &CFramelessWindow::sEnterEventWindowArea);
        QSignalSpy leave(&window, &CFramelessWindow::sLeaveEventWindowArea);
        QEvent in(QEvent::Enter);
        QEvent out(QEvent::Leave);
        QCoreApplication::sendEvent(&window, &in);
        QCoreApplication::sendEvent(&window, &in);
        QCoreApplication::sendEvent(&window, &out);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(leave.count(), 1);
#endif
    }

    // The window's state reaches the title bar: maximised, activation, stay on top.
    void stateReachesTheTitleBar() {
        QModernMainWindow window;
        window.setTitleBarOptions(1 | 2);
        window.setContentWidget(Content());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTitleBar* bar = window.modernTitleBar();
        QSignalSpy maximized(&window, &QModernMainWindow::sMaximizeChanged);
        window.showMaximized();
        QTRY_VERIFY(maximized.count() >= 1);
        QCOMPARE(maximized.last().at(0).toBool(), true);
        QCOMPARE(bar->property("maximized").toBool(), true);
        QCOMPARE(bar->height(), qRound(22 * window.scaleFactor()));
        QVERIFY(!bar->button(QTitleBar::RestoreButton)->isHidden());
        window.showNormal();
        QTRY_COMPARE(maximized.last().at(0).toBool(), false);
        QVERIFY(bar->button(QTitleBar::RestoreButton)->isHidden());

        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&window, &deactivate);
        QCOMPARE(bar->property("desactivated").toBool(), true);
        QVERIFY(!bar->isActive());
        QVERIFY(!bar->button(QTitleBar::CloseButton)->isActive());
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        QCOMPARE(bar->property("desactivated").toBool(), false);
        QVERIFY(bar->isActive());

        QSignalSpy topMost(&window, &QModernMainWindow::sTopMost);
        QTest::mouseClick(bar->button(QTitleBar::PinButton), Qt::LeftButton);
        QCOMPARE(topMost.count(), 1);
        QVERIFY(bar->button(QTitleBar::PinButton)->isPressed());
        QVERIFY(window.isVisible());
#ifdef Q_OS_WIN
        const HWND hwnd = reinterpret_cast<HWND>(window.winId());
        QTRY_VERIFY(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
        window.setTopMostEvent(false);
        QTRY_VERIFY(!(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST));
#else
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        window.setTopMostEvent(false);
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
#endif
        QVERIFY(!bar->button(QTitleBar::PinButton)->isPressed());
    }

    // Without native frames the window system moves and resizes: a press finds the same zones in Qt's coordinates.
    void borderZonesInQtCoordinates() {
#ifndef Q_OS_WIN
        QModernMainWindow window;
        window.setContentWidget(Content());
        window.setGeometry(100, 80, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect frame = window.frameGeometry();
        using namespace Orv::Frameless;
        QCOMPARE(BorderZone(window.hitTestInput(frame.left(), frame.center().y())), Left);
        QCOMPARE(BorderZone(window.hitTestInput(frame.right(), frame.bottom())), BottomRight);
        QCOMPARE(BorderZone(window.hitTestInput(frame.center().x(), frame.top() + 4)), Top);
        QCOMPARE(BorderZone(window.hitTestInput(frame.center().x(), frame.top() + 5)), None);
        window.setFixedWidth(400);
        QCOMPARE(BorderZone(window.hitTestInput(frame.left(), frame.center().y())), None);
#endif
    }

    void titleTimerWaitsForTheKeys() {
        KeyedWindow window;
        window.setContentWidget(Content());
        window.setWindowTitle(QStringLiteral("before"));
        window.setStoredTitle(QStringLiteral("after"));
        window.keysHeld = true;
        window.titleTimer()->start(0);
        QTest::qWait(20);
        QCOMPARE(window.windowTitle(), QStringLiteral("before"));
        window.keysHeld = false;
        window.titleTimer()->start(0);
        QTRY_COMPARE(window.windowTitle(), QStringLiteral("after"));
    }

    void shownHalfOffTheScreenComesBack() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QModernMainWindow window;
        window.setContentWidget(Content());
        window.resize(400, 300);
        window.move(screen.right() - 200, screen.top() + 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.frameGeometry().right(), screen.right());
        QCOMPARE(window.width(), 400);
    }

    void pictures() {
        // The window as a user sees it, with the skin's light title bar (looked at as PNG).
        QModernMainWindow window;
        QFile skin(QStringLiteral(SKV_SOURCE_DIR "/data/skins/light/stylesheet.qss"));
        QVERIFY(skin.open(QIODevice::ReadOnly));
        window.setStyleSheet(QString::fromUtf8(skin.readAll()));
        window.setTitleBarOptions(1 | 2);
        window.setWindowTitle(QStringLiteral("Skorvane - Send a report"));
        window.setWindowIcon(QIcon(QStringLiteral("://Resources/caption_pin.svg")));
        window.setContentWidget(Content());
        window.resize(480, 260);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTitleBarCaptionButton* close = window.modernTitleBar()->button(QTitleBar::CloseButton);
        QEvent enter(QEvent::HoverEnter);
        QCoreApplication::sendEvent(close, &enter);
        QVERIFY(
            window.grab().save(QStringLiteral("modern-window-%1.png").arg(qRound(window.devicePixelRatioF() * 100))));
        window.modernTitleBar()->setActive(false);
        QVERIFY(window.grab().save(QStringLiteral("modern-window-inactive.png")));
    }
};

QTEST_MAIN(TestModernWindow)
#include "tst_ModernWindow.moc"
