#pragma once

#include <QDomDocument>
#include <QDomNode>

#include <memory>
#include <string>

namespace Orv {

class XmlElement;
using XmlElementPtr = std::shared_ptr<XmlElement>;

// A handle to one element of an XmlFile (null when the element was not found). Attribute values are written as
// UTF-8, or as Windows-1252 in mode 2.
class XmlElement {
public:
    static constexpr int kModeWindows1252 = 2;

    explicit XmlElement(const QDomNode& node = QDomNode(), int mode = 0) : node_(node), mode_(mode) {}

    bool IsNull() const { return node_.isNull() || !node_.isElement(); }
    XmlElementPtr GetChild(const std::wstring& name) const;
    XmlElementPtr GetOrCreateChild(const std::wstring& name);
    // "\" and "/" both separate the names; the first child of each name is taken in turn.
    XmlElementPtr FindByPath(const std::wstring& path) const;
    bool HasAttribute(const std::wstring& name) const;
    std::wstring GetAttribute(const std::wstring& name) const;
    bool SetAttribute(const std::wstring& name, const std::wstring& value);
    std::wstring TagName() const;
    void RemoveChildren();

    const QDomNode& Node() const { return node_; }

private:
    QDomNode node_;
    int mode_;
};

// One XML document in memory, loaded from and saved to a file.
class XmlFile {
public:
    XmlFile();
    virtual ~XmlFile();

    bool Open(const std::wstring& path);
    // Creates the file with an empty root element when it is missing or empty; a file whose root has another name
    // has its root tags renamed in place.
    bool OpenOrCreate(const std::wstring& path, const std::wstring& rootName);
    // Writes the document with one space of indentation per level.
    bool Save(const std::wstring& path) const;

    bool IsLoaded() const { return loaded_; }
    XmlElementPtr Root() const { return root_; }
    const QDomDocument& Document() const { return document_; }

private:
    bool Load(const std::wstring& path);
    void SetUpHandles();
    QDomElement FirstElement() const;

    bool loaded_ = false;
    QDomDocument document_;
    XmlElementPtr root_;
    XmlElementPtr writerRoot_;
};

} // namespace Orv
