// The program's identity: the data folder's name, and the files of earlier versions moved into the local folder.
#include "SavedText.h"
#include "TempFolder.h"
#include "TestEnvironment.h"
#include "app/ProductInformations.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"

#include <QtTest>

using namespace Orv;

class TestProductInformations : public QObject {
    Q_OBJECT

private slots:
    void debugFileSwitchesTheDataFolderName() {
        TempFolder application;
        QCOMPARE(ProductInformations::DataFolderNameFor(application.Path()), std::wstring(L"SkorvaneDiagnostics"));
        WriteTextFile(application / L"DEBUG", "");
        QCOMPARE(ProductInformations::DataFolderNameFor(application.Path()), std::wstring(L"SkorvaneDiagnosticsDebug"));
    }

    void migrationRenamesEarlierFiles() {
        TempFolder folders;
        const ScopedTestEnvironment roamingHome("XDG_CONFIG_HOME", WStringToUtf8(folders / L"roaming"));
        // A maker of this run's own: on Windows the roaming folder is the user's real one, and is removed after.
        const std::wstring maker = L"SkvTestMaker" + std::to_wstring(QCoreApplication::applicationPid());
        const std::wstring local = folders / L"localdata/";
        CreateDirectories(local);
        WriteTextFile(local + L"Parameters.xml", "<Config><Skin current=\"old\"/></Config>");
        ProductInformations::MigrateEarlierLocations(maker, L"Product", local);
        QVERIFY(!FileExists(local + L"Parameters.xml"));
        QCOMPARE(SavedText(local + L"LocalConfig.xml"), QStringLiteral("<Config><Skin current=\"old\"/></Config>"));

        // With both present, both stay as they are.
        WriteTextFile(local + L"Parameters.xml", "older");
        ProductInformations::MigrateEarlierLocations(maker, L"Product", local);
        QCOMPARE(SavedText(local + L"Parameters.xml"), QStringLiteral("older"));
        QCOMPARE(SavedText(local + L"LocalConfig.xml"), QStringLiteral("<Config><Skin current=\"old\"/></Config>"));

        // Files of the earlier roaming folder are copied in, but never over the current ones.
        const std::wstring roaming = GetRoamingDataFolder(maker, L"Product", false);
        WriteTextFile(roaming + L"extra.txt", "roamed");
        WriteTextFile(roaming + L"LocalConfig.xml", "<Config><Skin current=\"from an old version\"/></Config>");
        ProductInformations::MigrateEarlierLocations(maker, L"Product", local);
        QCOMPARE(SavedText(local + L"extra.txt"), QStringLiteral("roamed"));
        QCOMPARE(SavedText(local + L"LocalConfig.xml"), QStringLiteral("<Config><Skin current=\"old\"/></Config>"));
        RemoveFolder(GetRoamingDataFolder(maker, L"", false));
    }
};

QTEST_MAIN(TestProductInformations)
#include "tst_ProductInformations.moc"
