#include "QCheckSplash.h"
#include "library_Orv/EnvironmentNames.h"

#include <QDateTime>
#include <QPainter>
#include <QPixmap>

#include <cstdio>

namespace {
constexpr int kWidth = 420;
constexpr int kHeight = 150;

QPixmap Background() {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(QColor(0xF4, 0xF6, 0xFA));
    QPainter painter(&pixmap);
    painter.setPen(QColor(0xC8, 0xD0, 0xDC));
    painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
    painter.fillRect(0, 0, 6, kHeight, QColor(0x2F, 0x6D, 0xB5));
    return pixmap;
}
} // namespace

QCheckSplash::QCheckSplash() : QSplashScreen(Background()) {
    setObjectName(QStringLiteral("checkSplash"));
}

void QCheckSplash::ShowStep(int step, int steps, const char* name) {
    stepText_ = tr("%1 - %2 of %3").arg(QString::fromUtf8(name)).arg(step).arg(steps);
    repaint();
}

void QCheckSplash::drawContents(QPainter* painter) {
    painter->setRenderHint(QPainter::TextAntialiasing);
    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    painter->setFont(title);
    painter->setPen(QColor(0x2F, 0x6D, 0xB5));
    painter->drawText(QRect(28, 20, kWidth - 48, 40), Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("Skorvane Diagnostics"));
    painter->setFont(font());
    painter->setPen(QColor(0x33, 0x33, 0x33));
    painter->drawText(QRect(28, 66, kWidth - 48, 24), Qt::AlignLeft | Qt::AlignVCenter,
                      QString::fromUtf8("Checking\u2026"));
    painter->setPen(QColor(0x66, 0x66, 0x66));
    painter->drawText(QRect(28, 96, kWidth - 48, 24), Qt::AlignLeft | Qt::AlignVCenter, stepText_);
}

// SKV_SPLASH_TIMING set: the time of the first paint goes to the error stream (milliseconds since the epoch), for
// bench/bench-splash.sh.
void QCheckSplash::paintEvent(QPaintEvent* event) {
    QSplashScreen::paintEvent(event);
    if (!painted_ && qEnvironmentVariableIsSet(Orv::kEnvSplashTiming))
        std::fprintf(stderr, "Splash painted at %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    painted_ = true;
}
