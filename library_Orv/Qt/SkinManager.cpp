#include "SkinManager.h"

#include "library_Orv/Qt/Config/ConfigFile.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Path.h"

#include "library_Orv/UserInterface.h"

#include <QFileSystemWatcher>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>
#include <QtDebug>

namespace Orv {

namespace {
constexpr size_t kStylesheetCeiling = 1u << 20;

QString& PublishedSkinFolder() {
    static QString folder;
    return folder;
}

bool& ColoursYield() {
    static bool yield = false;
    return yield;
}

std::set<QtStylesheetSkinRegisteredWidget*>& MutableRegistry() {
    static std::set<QtStylesheetSkinRegisteredWidget*> registry;
    return registry;
}
} // namespace

SkinManager::SkinManager(const std::wstring& defaultName) : skinsFolder_(GetDataFolder() + L"skins/") {
    SetSkin(ReadSetting(L"Skin", L"current", defaultName));
    const std::wstring contrast = ReadSetting(L"Skin", L"highContrast", L"system");
    SetSkinColoursYieldToSystem(contrast == L"on" || (contrast != L"off" && SystemHighContrast()));
}

void SkinManager::SetSkin(const std::wstring& name) {
    name_ = name;
    skinsFolder_ = NormalizePath(skinsFolder_, true);
    WriteSetting(L"Skin", L"current", name);
    skinFolder_ = NormalizePath(PathJoin(skinsFolder_, name), true);
    PublishedSkinFolder() = QString::fromStdWString(skinFolder_);
}

SkinManager& GetSkinManager(const std::wstring& defaultName) {
    static SkinManager manager(defaultName);
    return manager;
}

QString CurrentSkinFolder() {
    return PublishedSkinFolder();
}

bool SkinColoursYieldToSystem() {
    return ColoursYield();
}

void SetSkinColoursYieldToSystem(bool yield) {
    ColoursYield() = yield;
}

QString StylesheetWithoutColours(const QString& sheet) {
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression colour(
        QStringLiteral("#[0-9A-Fa-f]{3,8}\\b|\\b(rgba?|hsva?|hsla?|qlineargradient|qradialgradient|qconicalgradient)"
                       "\\s*\\([^()]*(\\([^()]*\\)[^()]*)*\\)"));
    static const QRegularExpression colourProperty(
        QStringLiteral("^(color|background|background-color|alternate-background-color|selection-color|"
                       "selection-background-color|gridline-color|border(-top|-right|-bottom|-left)?-color|"
                       "qproperty-[a-z]*colou?r)$"));
    const QString text = QString(sheet).remove(comment);
    QString out;
    int from = 0;
    // Selectors are kept as they are; each block's declarations are looked at one by one.
    while (from < text.size()) {
        const int open = text.indexOf(QLatin1Char('{'), from);
        if (open < 0) {
            out += text.mid(from);
            break;
        }
        const int close = text.indexOf(QLatin1Char('}'), open);
        const int end = close < 0 ? text.size() : close;
        out += text.mid(from, open + 1 - from);
        QStringList kept;
        for (const QString& declaration : text.mid(open + 1, end - open - 1).split(QLatin1Char(';'))) {
            const int colon = declaration.indexOf(QLatin1Char(':'));
            if (colon >= 0 && colourProperty.match(declaration.left(colon).trimmed().toLower()).hasMatch())
                continue;
            kept << (colon < 0
                         ? declaration
                         : declaration.left(colon + 1) + QString(declaration.mid(colon + 1))
                                                             .replace(colour, QStringLiteral("palette(window-text)")));
        }
        out += kept.join(QLatin1Char(';'));
        if (close >= 0)
            out += QLatin1Char('}');
        from = end + 1;
    }
    return out;
}

QString QtUtilsFilesManager::ReadStylesheet(const QString& fileName) {
    const QString path = PublishedSkinFolder() + fileName;
    // Regular files only, opened without waiting: a FIFO named stylesheet.qss must not hang the window.
    const std::vector<uint8_t> bytes = ReadFileBytes(path.toStdWString(), kStylesheetCeiling);
    if (!bytes.empty()) {
        const QString sheet =
            QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
        return ColoursYield() ? StylesheetWithoutColours(sheet) : sheet;
    }
    qInfo().noquote() << "FAILED - QtUtilsFilesManager::ReadStylesheet: " + path;
    return QString();
}

QtStylesheetSkinRegisteredWidget::QtStylesheetSkinRegisteredWidget(QWidget* widget, const QString& fileName,
                                                                   bool skipApply)
    : widget_(widget), fileName_(fileName), skipApply_(skipApply) {
    MutableRegistry().insert(this);
}

QtStylesheetSkinRegisteredWidget::~QtStylesheetSkinRegisteredWidget() {
    if (monitor_) {
        qInfo().noquote() << "Monitor STOP: " + PublishedSkinFolder() + fileName_;
        delete monitor_;
    }
    MutableRegistry().erase(this);
}

void QtStylesheetSkinRegisteredWidget::Apply() {
    if (!skipApply_ && widget_)
        widget_->setStyleSheet(QtUtilsFilesManager::ReadStylesheet(fileName_));
    if (widget_) {
        widget_->style()->unpolish(widget_);
        widget_->style()->polish(widget_);
    }
}

const std::set<QtStylesheetSkinRegisteredWidget*>& QtStylesheetSkinRegisteredWidget::Registry() {
    return MutableRegistry();
}

} // namespace Orv
