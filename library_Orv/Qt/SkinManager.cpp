#include "SkinManager.h"

#include "library_Orv/Qt/Config/ConfigFile.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Path.h"

#include <QFileSystemWatcher>
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

std::set<QtStylesheetSkinRegisteredWidget*>& MutableRegistry() {
    static std::set<QtStylesheetSkinRegisteredWidget*> registry;
    return registry;
}
} // namespace

SkinManager::SkinManager(const std::wstring& defaultName) : skinsFolder_(GetDataFolder() + L"skins/") {
    SetSkin(ReadSetting(L"Skin", L"current", defaultName));
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

QString QtUtilsFilesManager::ReadStylesheet(const QString& fileName) {
    const QString path = PublishedSkinFolder() + fileName;
    // Regular files only, opened without waiting: a FIFO named stylesheet.qss must not hang the window.
    const std::vector<uint8_t> bytes = ReadFileBytes(path.toStdWString(), kStylesheetCeiling);
    if (!bytes.empty())
        return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
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
