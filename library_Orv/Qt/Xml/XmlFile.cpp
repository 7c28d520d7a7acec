#include "XmlFile.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"

#include <QFile>
#include <QSaveFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

namespace Orv {

namespace {
constexpr size_t kXmlFileCeiling = 4u << 20;

QString ToQt(const std::wstring& text) {
    return QString::fromStdWString(text);
}
std::wstring FromQt(const QString& text) {
    return text.toStdWString();
}

// The encoding named by the document's XML declaration, empty without one.
QString DeclaredEncoding(const QDomDocument& document) {
    const QDomNode first = document.firstChild();
    if (!first.isProcessingInstruction() || first.nodeName() != QLatin1String("xml"))
        return QString();
    static const QRegularExpression kEncoding(QStringLiteral("encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
    const QRegularExpressionMatch match = kEncoding.match(first.toProcessingInstruction().data());
    return match.hasMatch() ? match.captured(1) : QString();
}
} // namespace

XmlElementPtr XmlElement::GetChild(const std::wstring& name) const {
    if (IsNull())
        return std::make_shared<XmlElement>(QDomNode(), mode_);
    return std::make_shared<XmlElement>(node_.firstChildElement(ToQt(name)), mode_);
}

XmlElementPtr XmlElement::GetOrCreateChild(const std::wstring& name) {
    XmlElementPtr child = GetChild(name);
    if (!child->IsNull() || IsNull())
        return child;
    QDomElement created = node_.ownerDocument().createElement(ToQt(name));
    node_.appendChild(created);
    return std::make_shared<XmlElement>(created, mode_);
}

XmlElementPtr XmlElement::FindByPath(const std::wstring& path) const {
    QString text = ToQt(path);
    text.replace('\\', '/');
    QDomNode node = node_;
    for (const QString& name : text.split('/', Qt::SkipEmptyParts)) {
        if (node.isNull())
            break;
        node = node.firstChildElement(name);
    }
    return std::make_shared<XmlElement>(node.isElement() ? node : QDomNode(), mode_);
}

bool XmlElement::HasAttribute(const std::wstring& name) const {
    return !IsNull() && node_.toElement().hasAttribute(ToQt(name));
}

std::wstring XmlElement::GetAttribute(const std::wstring& name) const {
    if (IsNull())
        return {};
    return FromQt(node_.toElement().attribute(ToQt(name)));
}

bool XmlElement::SetAttribute(const std::wstring& name, const std::wstring& value) {
    if (IsNull())
        return false;
    // Mode 2 narrows to Windows-1252 and reads the bytes back as UTF-8, so non-ASCII text is not kept there.
    const std::string narrowName = mode_ == kModeWindows1252 ? WStringToString(name) : WStringToUtf8(name);
    const std::string narrowValue = mode_ == kModeWindows1252 ? WStringToString(value) : WStringToUtf8(value);
    node_.toElement().setAttribute(QString::fromUtf8(narrowName.data(), static_cast<int>(narrowName.size())),
                                   QString::fromUtf8(narrowValue.data(), static_cast<int>(narrowValue.size())));
    return true;
}

std::wstring XmlElement::TagName() const {
    return IsNull() ? std::wstring() : FromQt(node_.toElement().tagName());
}

void XmlElement::RemoveChildren() {
    if (IsNull())
        return;
    for (QDomElement child = node_.firstChildElement(); !child.isNull(); child = node_.firstChildElement())
        node_.removeChild(child);
}

XmlFile::XmlFile() {
    SetUpHandles();
}

XmlFile::~XmlFile() = default;

void XmlFile::SetUpHandles() {
    root_ = std::make_shared<XmlElement>(FirstElement());
    writerRoot_ = root_;
}

QDomElement XmlFile::FirstElement() const {
    // The XML declaration is a processing instruction, not an element, so the first element is the root.
    return document_.documentElement();
}

bool XmlFile::Load(const std::wstring& path) {
    document_ = QDomDocument();
    // Through the core's reader: it opens without waiting and reads regular files only (a FIFO in the file's place
    // must not hang the tool), up to a ceiling no settings file comes near.
    const std::vector<uint8_t> bytes = ReadFileBytes(path, kXmlFileCeiling);
    loaded_ = !bytes.empty() &&
              document_.setContent(
                  QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())), true);
    if (!loaded_)
        document_ = QDomDocument();
    SetUpHandles();
    return loaded_;
}

bool XmlFile::Open(const std::wstring& path) {
    if (!FileExists(path)) {
        loaded_ = false;
        return false;
    }
    return Load(path);
}

bool XmlFile::OpenOrCreate(const std::wstring& path, const std::wstring& rootName) {
    // Two rounds at most: the second one follows a rename of the root tags.
    for (int round = 0; round < 2; ++round) {
        if (!FileExists(path) || QFile(ToQt(path)).size() == 0) {
            const std::wstring text = L"<" + rootName + L"></" + rootName + L">";
            if (FileExists(path))
                DeleteOneFile(path);
            WriteWideTextFile(path, text);
            if (!FileExists(path))
                return false;
        }
        Load(path);
        QDomElement root = FirstElement();
        if (!loaded_ || root.tagName() == ToQt(rootName))
            return loaded_;
        // The root is renamed in the parsed document, so that a tag of that name elsewhere (in a comment before
        // the root, say) stays as it is.
        root.setTagName(ToQt(rootName));
        if (!Save(path))
            return false;
    }
    return loaded_ && FirstElement().tagName() == ToQt(rootName);
}

bool XmlFile::Save(const std::wstring& path) const {
    if (!document_.isDocument())
        return false;
    // Written in the encoding its declaration names (UTF-8 without one), into a new file that replaces the old one
    // only once every byte is written: a full disk or a crash leaves the file as it was. Text mode would cut a
    // UTF-16 text's line ends in half, so only an 8-bit text is written in it.
    const QString encoding = DeclaredEncoding(document_).toUpper();
    const bool wide = encoding.startsWith(QLatin1String("UTF-16")) || encoding.startsWith(QLatin1String("UTF-32"));
    QSaveFile file(ToQt(path));
    if (!file.open(wide ? QIODevice::WriteOnly : QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setGenerateByteOrderMark(wide);
    document_.save(stream, 1, QDomNode::EncodingFromDocument);
    stream.flush();
    return stream.status() == QTextStream::Ok && file.commit();
}

} // namespace Orv
