#include "Startup.h"

#include "Language.h"
#include "library_Orv/EnvironmentNames.h"

#include "ApplicationNames.h"
#include "MainWindow.h"
#include "QCheckSplash.h"
#include "SingleInstance.h"
#include "UIDialogProxyCredentials.h"
#include "pipe/PipeTransport.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Session.h"
#include "library_Orv/Qt/Config/ConfigFile.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Firewall.h"
#include "library_Orv/Qt/QtMessageBoxPresenter.h"
#include "library_Orv/Qt/SkinManager.h"
#include "network/HttpsExchange.h"
#include "network/HttpsTrust.h"
#include "network/NetworkProxy.h"
#include "network/SiteAddress.h"

#include <QApplication>
#include <QPointer>
#include <QtDebug>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
// Where SKV_SCREENSHOT_AND_QUIT names a PNG file, the window is saved there once shown and closed as "Quit" closes
// it: the way to look at the window on a machine without a display. The picture waits for the first refresh of the
// running row and for the output of a product the pass launched. Exit code 1 when the picture was not saved.
void ScheduleScreenshotAndQuit(QWidget& window) {
    const QString path = qEnvironmentVariable(Orv::kEnvScreenshotAndQuit);
    if (path.isEmpty())
        return;
    QTimer::singleShot(1500, &window, [&window, path]() {
        const bool saved = window.grab().save(path, "PNG");
        window.close();
        if (!saved)
            QCoreApplication::exit(1);
    });
}
} // namespace

int RunApplication(int argc, char** argv) {
    // In the services' session nobody would see the window: the console runner is the tool there.
    if (Orv::InServicesSession(Orv::CurrentSessionFacts())) {
        std::fputs("SkorvaneDiagnostics: no user is signed in to this session (session 0), so no window would be "
                   "seen here: run SkorvaneDiagnosticsCli, the console runner, instead\n",
                   stderr);
        return 3;
    }
    const std::wstring executablePath = Orv::OwnExecutablePath();
    const std::wstring applicationName = Orv::Utf8ToWString(kApplicationName);
    Orv::RegisterWithSystemFirewall(executablePath, applicationName, Orv::PrintToStandardOutput);

    Orv::SetProcessDpiAware();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    // The screen's own scale, not a rounded one: at 150 % Qt 5 would otherwise draw everything at 200 %, and the
    // window would not fit a laptop's screen.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QCoreApplication::setOrganizationName(kOrganisationName);
    QCoreApplication::setOrganizationDomain(kOrganisationDomain);
    QCoreApplication::setApplicationName(kApplicationName);

    QApplication application(argc, argv);
    // The local configuration is saved while Qt is still whole however the program ends (its text codecs are gone by
    // static destruction), a second start's early end included: reading the language loads it.
    qAddPostRoutine(Orv::ReleaseConfigFiles);
    InstallTranslations(ConfiguredLanguage());
    // One window per user session: a second start brings the first one's window to the front and ends.
    SingleInstance instance(QString::fromLatin1(kApplicationName));
    if (instance.AskRunningToShow()) {
        std::fputs("SkorvaneDiagnostics runs already: its window was brought to the front\n", stderr);
        return 0;
    }
    Orv::InstallQtMessageBoxPresenter();
    Orv::TrustConfiguredRoots(); // test roots of a sandbox, for the report upload and the download
    if (const QString problem = Orv::SiteAddressProblem(); !problem.isEmpty())
        qInfo().noquote() << problem; // said once here; the two buttons that use the site say it again
    if (const QString problem = Orv::ProxySettingProblem(); !problem.isEmpty())
        qInfo().noquote() << problem;
    Orv::HttpsExchange::SetProxyCredentialsAsker(UIDialogProxyCredentials::Ask);
    Orv::GetSkinManager(L"light");

    // The first pass runs before the window appears: the splash shows that something is under way, and which step.
    // A second start during the pass is answered once it is over, with the window.
    QPointer<QWidget> front;
    instance.Listen([&front]() {
        std::fputs("A second start asked for the window: brought to the front\n", stderr);
        if (front) {
            front->showNormal();
            front->raise();
            front->activateWindow();
        }
    });
    QCheckSplash splash;
    front = &splash;
    splash.show();
    splash.ShowStep(0, MainWindow::kCheckSteps, qUtf8Printable(QCheckSplash::tr("Starting")));
    auto window =
        std::make_unique<MainWindow>(MainWindow::FirstPass::Run, [&splash](int step, int steps, const char* name) {
            splash.ShowStep(step, steps, name);
        });
    // A start while this one closes (which may take seconds) is not sent to a window on its way out: it runs.
    QObject::connect(window.get(), &MainWindow::sClosing, &instance, &SingleInstance::StopListening);
    window->show();
    front = window.get();
    splash.finish(window.get());
    if (!Orv::SetWindowTopMost(static_cast<uintptr_t>(window->winId()))) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        window->show(); // changing the flags hides the window
    }
    ScheduleScreenshotAndQuit(*window);

    const int exitCode = application.exec();
    if (window->PassAbandoned()) {
        // A pass is still inside a call the system bounds, using the window's objects: the program ends without
        // destroying them (the product was already left as "Quit" leaves it), and without what the pass made.
        window->Pass().RemoveLeftovers();
        Orv::RemoveOwnPipeFiles();
        Orv::ReleaseConfigFiles();
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    window.reset();
    // The local configuration is saved while Qt is still whole: its text codecs are gone by static destruction.
    Orv::ReleaseConfigFiles();
    return exitCode;
}
