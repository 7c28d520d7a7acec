#include "ErrorRecorder.h"
#include "SavedText.h"
#include "TempFolder.h"
#include "TestEnvironment.h"
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
};

QTEST_MAIN(TestConfig)
#include "tst_ConfigFile.moc"
