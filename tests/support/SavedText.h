#pragma once

#include "library_Orv/Files/File.h"

#include <QString>

#include <string>
#include <vector>

// The UTF-8 text of a file that the program wrote in text mode, its line ends read as "\n" (Windows writes
// "\r\n" there).
inline QString SavedText(const std::wstring& path) {
    const std::vector<uint8_t> bytes = Orv::ReadFileBytes(path);
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
#ifdef Q_OS_WIN
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return text;
}
