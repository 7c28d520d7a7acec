// Prints how long the window's thread went without turning its event loop during one check pass ("Check" as a
// user presses it, the window shown), and the pass's length; with --grab FILE, a picture of the window one second
// into the pass. Run by bench/bench-gui-stall.sh in a sandbox.
#include "app/MainWindow.h"

#include "StallMeter.h"

#include "library_Orv/Error.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {
void PrintReport(const std::string& text, const std::string& caption, unsigned) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}
} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Orv::Error::SetMessageBoxPresenter(PrintReport);
    MainWindow window(MainWindow::FirstPass::Skip);
    window.show();
    application.processEvents();
    // --grab FILE: the window as it looks one second into the pass.
    const QStringList arguments = QCoreApplication::arguments();
    if (const int at = arguments.indexOf(QStringLiteral("--grab")); at > 0 && at + 1 < arguments.size())
        QTimer::singleShot(1000, &window, [&window, file = arguments[at + 1]]() { window.grab().save(file); });
    const StallMeter meter;
    QElapsedTimer pass;
    pass.start();
    window.RunChecks(false);
    std::printf("pass %lld ms, longest stall of the window %lld ms (%d ticks of %d ms)\n",
                static_cast<long long>(pass.elapsed()), static_cast<long long>(meter.LongestStallMs()), meter.Ticks(),
                StallMeter::kTickMs);
    return 0;
}
