#include "ErrorRecorder.h"
#include "SavedText.h"
#include "TempFolder.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Qt/Xml/XmlFile.h"
#include "library_Orv/Qt/Xml/XmlReader.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include "FifoProbe.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Qt/SkinManager.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#endif

using namespace Orv;

class TestXmlFile : public QObject {
    Q_OBJECT

private slots:
    void openOrCreateWritesAnEmptyRoot() {
        TempFolder temp;
        for (const bool emptyFileFirst : {false, true}) {
            const std::wstring path = temp / (emptyFileFirst ? L"empty.xml" : L"missing.xml");
            if (emptyFileFirst)
                QVERIFY(WriteTextFile(path, ""));
            XmlFile file;
            QVERIFY(file.OpenOrCreate(path, L"Config"));
            QCOMPARE(QString::fromStdWString(file.Root()->TagName()), QStringLiteral("Config"));
            QVERIFY(file.Root()->GetChild(L"Skin")->IsNull());
            QCOMPARE(SavedText(path), QStringLiteral("<Config></Config>"));
        }
    }

    void openOrCreateRenamesAnotherRoot() {
        TempFolder temp;
        const std::wstring path = temp / L"settings.xml";
        WriteTextFile(path, "<?xml version=\"1.0\"?>\n<Settings version=\"2\">\n <Skin current=\"dark\"/>\n"
                            " <Settings/>\n</Settings>\n");
        XmlFile file;
        QVERIFY(file.OpenOrCreate(path, L"Config"));
        QCOMPARE(QString::fromStdWString(file.Root()->TagName()), QStringLiteral("Config"));
        QCOMPARE(QString::fromStdWString(file.Root()->GetChild(L"Skin")->GetAttribute(L"current")),
                 QStringLiteral("dark"));
        QCOMPARE(QString::fromStdWString(file.Root()->GetAttribute(L"version")), QStringLiteral("2"));
        // Only the root's own tags were renamed.
        QVERIFY(!file.Root()->GetChild(L"Settings")->IsNull());
    }

    // The root is renamed in the document: the same tag in a comment before it stays as it is.
    void openOrCreateRenamesTheRootNotACommentBeforeIt() {
        TempFolder temp;
        const std::wstring path = temp / L"old.xml";
        WriteTextFile(path, "<?xml version=\"1.0\"?>\n<!-- <Parameters> was the root of old versions -->\n"
                            "<Parameters><Skin current=\"dark\"/></Parameters>\n");
        XmlFile file;
        QVERIFY(file.OpenOrCreate(path, L"Config"));
        QCOMPARE(QString::fromStdWString(file.Root()->TagName()), QStringLiteral("Config"));
        XmlFile again;
        QVERIFY(again.Open(path));
        QCOMPARE(QString::fromStdWString(again.Root()->GetChild(L"Skin")->GetAttribute(L"current")),
                 QStringLiteral("dark"));
        QVERIFY(SavedText(path).contains(QStringLiteral("<!-- <Parameters> was the root of old versions -->")));
    }

    // A file declared UTF-16 is written back in UTF-16, and can be read again.
    void utf16FileIsSavedInUtf16() {
        TempFolder temp;
        const std::wstring path = temp / L"wide.xml";
        const QString text =
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<Config><Skin current=\"l\u00e9ger\"/>"
                           "</Config>\n");
        QByteArray bytes("\xFF\xFE", 2);
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        QVERIFY(WriteBinaryFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end())));
        XmlFile file;
        QVERIFY(file.Open(path));
        QVERIFY(file.Root()->GetOrCreateChild(L"Other")->SetAttribute(L"x", L"1"));
        QVERIFY(file.Save(path));
        const std::vector<uint8_t> saved = ReadFileBytes(path);
        QVERIFY(saved.size() > 4 && ((saved[0] == 0xFF && saved[1] == 0xFE) || (saved[0] == 0xFE && saved[1] == 0xFF)));
        XmlFile again;
        QVERIFY(again.Open(path));
        QCOMPARE(QString::fromStdWString(again.Root()->GetChild(L"Skin")->GetAttribute(L"current")),
                 QStringLiteral("l\u00e9ger"));
        QCOMPARE(QString::fromStdWString(again.Root()->GetChild(L"Other")->GetAttribute(L"x")), QStringLiteral("1"));
    }

    // A save that cannot be written whole (here: the process may not make files that large, as on a full disk)
    // says so and leaves the file as it was.
    void aFailedSaveKeepsTheFile() {
#ifdef Q_OS_UNIX
        TempFolder temp;
        const std::wstring path = temp / L"keep.xml";
        XmlFile file;
        QVERIFY(file.OpenOrCreate(path, L"Config"));
        QVERIFY(file.Root()->GetOrCreateChild(L"Skin")->SetAttribute(L"current", L"light"));
        QVERIFY(file.Save(path));
        const QString before = SavedText(path);
        QVERIFY(file.Root()->GetOrCreateChild(L"Big")->SetAttribute(L"data", std::wstring(200000, L'x')));
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit small = previous;
        small.rlim_cur = 64 * 1024;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const bool saved = file.Save(path);
        setrlimit(RLIMIT_FSIZE, &previous);
        signal(SIGXFSZ, previousHandler);
        QVERIFY(!saved);
        QCOMPARE(SavedText(path), before);
#else
        QSKIP("the file size limit that stands for a full disk is a POSIX one");
#endif
    }

    void malformedFileGivesFalseAndAnEmptyDocument() {
        TempFolder temp;
        WriteTextFile(temp / L"bad.xml", "<Config><Skin></Config>");
        XmlFile file;
        QVERIFY(!file.Open(temp / L"bad.xml"));
        QVERIFY(file.Root()->IsNull());
        QVERIFY(file.Document().documentElement().isNull());
        QVERIFY(!file.Open(temp / L"missing.xml"));
    }

    void findByPathTakesBothSeparators() {
        TempFolder temp;
        WriteTextFile(temp / L"c.xml", "<Root><Config><Skin current=\"light\"/></Config></Root>");
        XmlFile file;
        QVERIFY(file.Open(temp / L"c.xml"));
        const XmlElementPtr back = file.Root()->FindByPath(L"Config\\Skin");
        const XmlElementPtr forward = file.Root()->FindByPath(L"Config/Skin");
        QVERIFY(!back->IsNull());
        QVERIFY(back->Node() == forward->Node());
        QVERIFY(file.Root()->FindByPath(L"Config/Nothing/Skin")->IsNull());
    }

    void saveIndentsOneSpacePerLevel() {
        TempFolder temp;
        XmlFile file;
        QVERIFY(file.OpenOrCreate(temp / L"s.xml", L"Config"));
        XmlElementPtr skin = file.Root()->GetOrCreateChild(L"Skin");
        QVERIFY(skin->SetAttribute(L"current", L"l\u00e9ger"));
        skin->GetOrCreateChild(L"Inner");
        QVERIFY(file.Save(temp / L"s.xml"));
        QCOMPARE(SavedText(temp / L"s.xml"),
                 QString::fromUtf8("<Config>\n <Skin current=\"l\xC3\xA9ger\">\n  <Inner/>\n </Skin>\n</Config>\n"));
    }

    void windows1252ModeLosesNonAscii() {
        XmlFile file;
        QDomDocument document;
        QDomElement root = document.createElement("Config");
        document.appendChild(root);
        XmlElement element(root, XmlElement::kModeWindows1252);
        element.SetAttribute(L"a", L"caf\u00e9");
        QVERIFY(QString::fromStdWString(element.GetAttribute(L"a")) != QString::fromUtf8("caf\xC3\xA9"));
        QVERIFY(QString::fromStdWString(element.GetAttribute(L"a")).startsWith("caf"));
    }

    void readerReportsANullHandle() {
        ErrorRecorder recorder;
        QCOMPARE(XmlReader::Get(std::make_shared<XmlElement>(), L"current"), std::wstring());
        QCOMPARE(XmlReader::Get(nullptr, L""), std::wstring());
        QCOMPARE(recorder.reports.size(), size_t(2));
        QCOMPARE(recorder.reports[0].message, std::wstring(L"Handle: Try to Get 'current' from ''"));
        QCOMPARE(recorder.reports[1].message, std::wstring(L"Handle: Try to open this xml path ''"));
        QVERIFY(recorder.reports[0].header.find(L"library_Orv/Qt/Xml/XmlReader.cpp(180)") == 0);
    }

#ifdef Q_OS_UNIX
    // A FIFO in place of GlobalConfig.xml or of a skin's stylesheet.qss: the window reads them before it appears,
    // and must not wait for a writer that never comes. A settings file past any sensible size is no settings file.
    void hostileSettingsFilesAreNotWaitedFor() {
        TempFolder temp;
        const std::wstring fifo = temp / L"GlobalConfig.xml";
        QVERIFY(ReadsFifoPromptly(WStringToUtf8(fifo), [&] { QVERIFY(!XmlFile().Open(fifo)); }));
        QVERIFY(ReadsFifoPromptly(WStringToUtf8(fifo), [&] {
            // The skin folder is empty without a skin manager: the name alone is the path.
            QVERIFY(QtUtilsFilesManager::ReadStylesheet(QString::fromStdWString(fifo)).isEmpty());
        }));
        const std::wstring huge = temp / L"huge.xml";
        QVERIFY(WriteTextFile(huge, "<Config>"));
        std::filesystem::resize_file(WStringToUtf8(huge), 5ull << 30); // sparse
        QVERIFY(!XmlFile().Open(huge));
    }
#endif
};

QTEST_GUILESS_MAIN(TestXmlFile)
#include "tst_XmlFile.moc"
