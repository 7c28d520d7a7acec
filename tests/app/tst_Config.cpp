#include "ErrorRecorder.h"
#include "SavedText.h"
#include "TempFolder.h"
#include "TestEnvironment.h"
#include "app/ProductInformations.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Qt/Config/ConfigFile.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/IProductInformations.h"
#include "library_Orv/Qt/SkinManager.h"

#include <QLabel>
#include <QtTest>

using namespace Orv;

namespace {
// A product whose local folder is a temporary one.
class TestProduct : public IProductInformations {
public:
    explicit TestProduct(const std::wstring& folder)
        : folder_(folder), path_(folder + L"LocalConfig.xml"), name_(L"LocalConfig.xml"), other_(L"Test") {}
    const std::wstring& GetExecutableName() const override { return other_; }
    const std::wstring& GetMakerName() const override { return other_; }
    const std::wstring& GetProductName() const override { return other_; }
    const std::wstring& GetDataFolderName() const override { return other_; }
    const std::wstring& GetProductLocalFolder() const override { return folder_; }
    const std::wstring& GetLocalConfigFilePath() const override { return path_; }
    const std::wstring& GetLocalConfigFileName() const override { return name_; }
    RunningInstance& GetRunningInstance() override { return instance_; }
    const std::wstring& GetProductWebAddress() const override { return other_; }
    bool KeepRunningAfterUpdate() const override { return true; }

private:
    std::wstring folder_, path_, name_, other_;
    RunningInstance instance_;
};

} // namespace

class TestConfig : public QObject {
    Q_OBJECT

private:
    TempFolder temp;
    std::unique_ptr<TestProduct> product;
    std::wstring localPath;
    std::wstring globalPath;

private slots:
    void initTestCase() {
        product = std::make_unique<TestProduct>(temp / L"local/");
        CreateDirectories(temp / L"local");
        SetProductInformations(product.get());
        localPath = GetLocalConfigPath();
        QCOMPARE(localPath, temp / L"local/LocalConfig.xml");
        globalPath = GetDataFolder() + L"GlobalConfig.xml";
        DeleteOneFile(globalPath);
    }

    void cleanup() {
        ReleaseConfigFiles();
        DeleteOneFile(localPath);
        DeleteOneFile(globalPath);
    }

    void cleanupTestCase() {
        SetProductInformations(nullptr);
        RemoveFolder(GetDataFolder());
    }

    void noConfigurationAtAll() {
        ErrorRecorder recorder(false);
        SkinManager manager(L"light");
        QCOMPARE(manager.Name(), std::wstring(L"light"));
        QCOMPARE(manager.SkinFolder(), NormalizePath(GetDataFolder() + L"skins/light", true));
        QCOMPARE(CurrentSkinFolder(), QString::fromStdWString(manager.SkinFolder()));
        // One box for the missing global file.
        QCOMPARE(ErrorRecorder::Boxes().size(), size_t(1));
        QCOMPARE(QString::fromStdString(ErrorRecorder::Boxes()[0].text),
                 "Can't open" + QString::fromStdWString(globalPath));
        ReleaseConfigFiles(); // what program exit does
        QCOMPARE(SavedText(localPath), QStringLiteral("<Config>\n <Skin current=\"light\"/>\n</Config>\n"));
    }

    void localFileChoosesTheSkin() {
        ErrorRecorder recorder(false);
        WriteTextFile(localPath, "<Config><Skin current=\"dark\"/></Config>");
        WriteTextFile(globalPath, "<Config><Skin current=\"green\"/></Config>");
        SkinManager manager(L"light");
        QCOMPARE(manager.Name(), std::wstring(L"dark"));
        QCOMPARE(manager.SkinFolder(), NormalizePath(GetDataFolder() + L"skins/dark", true));
        QVERIFY(ErrorRecorder::Boxes().empty());
    }

    void globalFileWhenTheLocalOneIsSilent() {
        ErrorRecorder recorder(false);
        WriteTextFile(globalPath, "<Config><Skin current=\"green\"/></Config>");
        QCOMPARE(ReadSetting(L"Skin", L"current", L"light"), std::wstring(L"green"));
        QCOMPARE(ReadSetting(L"Skin", L"absent", L"fallback"), std::wstring(L"fallback"));
    }

    void localRootRenamedFromSettings() {
        ErrorRecorder recorder(false);
        WriteTextFile(localPath, "<Settings><Skin current=\"blue\"/></Settings>");
        QCOMPARE(ReadSetting(L"Skin", L"current", L"light"), std::wstring(L"blue"));
        WriteSetting(L"Other", L"key", L"value");
        ReleaseConfigFiles();
        const QString saved = SavedText(localPath);
        QVERIFY2(saved.startsWith("<Config>"), qPrintable(saved));
        QVERIFY(saved.contains("<Other key=\"value\"/>"));
    }

    void skinRegistrationAppliesAndLeavesTheRegistry() {
        ErrorRecorder recorder(false);
        WriteTextFile(GetDataFolder() + L"skins/light/test.qss", "QLabel { color: #123456; }");
        SkinManager manager(L"light");
        const size_t before = QtStylesheetSkinRegisteredWidget::Registry().size();
        {
            QLabel label;
            QtStylesheetSkinRegisteredWidget registration(&label, "test.qss");
            QCOMPARE(QtStylesheetSkinRegisteredWidget::Registry().size(), before + 1);
            registration.Apply();
            QCOMPARE(label.styleSheet(), QStringLiteral("QLabel { color: #123456; }"));
            QtStylesheetSkinRegisteredWidget missing(&label, "missing.qss");
            missing.Apply();
            QVERIFY(label.styleSheet().isEmpty());
        }
        QCOMPARE(QtStylesheetSkinRegisteredWidget::Registry().size(), before);
    }

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

QTEST_MAIN(TestConfig)
#include "tst_Config.moc"
