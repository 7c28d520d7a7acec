#pragma once

#include "library_Orv/BaseClass.h"

#include <QString>

#include <set>
#include <string>

class QFileSystemWatcher;
class QWidget;

namespace Orv {

// Chooses the current skin (a folder under the data folder's "skins/") once, and remembers it in the local
// configuration.
class SkinManager : public BaseClassNonCopyable {
public:
    explicit SkinManager(const std::wstring& defaultName);
    void SetSkin(const std::wstring& name);

    const std::wstring& Name() const { return name_; }
    const std::wstring& SkinFolder() const { return skinFolder_; }
    const std::wstring& SkinsFolder() const { return skinsFolder_; }

private:
    std::wstring name_;
    std::wstring skinFolder_;
    std::wstring skinsFolder_;
};

// The one skin manager, created with defaultName on the first call; later calls ignore their argument.
SkinManager& GetSkinManager(const std::wstring& defaultName = L"light");
// The current skin folder as published by the skin manager (empty before one exists).
QString CurrentSkinFolder();

// Whether the skins' colours give way to the system's palette, for a user of a high-contrast theme: the setting
// <Skin highContrast="on|off|system"/> decides ("system", the default: as the system's theme says).
bool SkinColoursYieldToSystem();
void SetSkinColoursYieldToSystem(bool yield);
// A style sheet without its colours: colour properties are dropped, colours inside other values (a border's) become
// the palette's text colour. Layout (sizes, margins, fonts) stays.
QString StylesheetWithoutColours(const QString& sheet);

class QtUtilsFilesManager {
public:
    // The text of a file of the current skin folder, without its colours when they yield to the system's; empty
    // (and one info-log line) when it cannot be read.
    static QString ReadStylesheet(const QString& fileName);
};

// Binds a widget to a style-sheet file of the current skin. Every live record is in a process-wide registry.
class QtStylesheetSkinRegisteredWidget {
public:
    QtStylesheetSkinRegisteredWidget(QWidget* widget, const QString& fileName, bool skipApply = false);
    virtual ~QtStylesheetSkinRegisteredWidget();
    QtStylesheetSkinRegisteredWidget(const QtStylesheetSkinRegisteredWidget&) = delete;
    QtStylesheetSkinRegisteredWidget& operator=(const QtStylesheetSkinRegisteredWidget&) = delete;

    // Sets the widget's style sheet from the file and re-polishes it so that the sheet takes effect at once.
    virtual void Apply();
    const QString& FileName() const { return fileName_; }

    static const std::set<QtStylesheetSkinRegisteredWidget*>& Registry();

private:
    QWidget* widget_;
    QString fileName_;
    bool skipApply_;
    QFileSystemWatcher* monitor_ = nullptr;
};

} // namespace Orv
