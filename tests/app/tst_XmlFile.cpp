#include "ErrorRecorder.h"
#include "SavedText.h"
#include "TempFolder.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Xml/XmlFile.h"
#include "library_Orv/Xml/XmlReader.h"

#include <QtTest>

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
        QVERIFY(recorder.reports[0].header.find(L"library_Orv/Xml/XmlReader.cpp(180)") == 0);
    }
};

QTEST_GUILESS_MAIN(TestXmlFile)
#include "tst_XmlFile.moc"
