#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

// Measures how long the thread's event loop goes without turning: a short timer records how late each of its
// ticks comes. The longest lateness is the longest time the window could not repaint nor answer a click.
class StallMeter {
public:
    static constexpr int kTickMs = 10;

    StallMeter() {
        tick_.setInterval(kTickMs);
        QObject::connect(&tick_, &QTimer::timeout, [this]() {
            const qint64 now = clock_.elapsed();
            longestMs_ = std::max(longestMs_, now - lastMs_ - kTickMs);
            lastMs_ = now;
            ++ticks_;
        });
        clock_.start();
        tick_.start();
    }

    qint64 LongestStallMs() const { return longestMs_; }
    int Ticks() const { return ticks_; }

private:
    QElapsedTimer clock_;
    QTimer tick_;
    qint64 lastMs_ = 0;
    qint64 longestMs_ = 0;
    int ticks_ = 0;
};
