#include "CStringUtilsOrv.h"

#include "Error.h"

namespace Orv {

namespace {
// The report lines are part of the messages users see; keep them stable across edits of this file.
constexpr uint32_t kLineStringToWString = 29;
constexpr uint32_t kLineWStringToString = 52;
constexpr uint32_t kLineUtf8ToWString = 75;
constexpr uint32_t kLineWStringToUtf8 = 98;
constexpr const char* kSourceFile = "library_Orv/CStringUtilsOrv.cpp";

std::wstring ToWide(CodePage codePage, const std::string& text, uint32_t reportLine) {
    if (text.empty())
        return {};
    std::wstring result(NarrowToWideLength(codePage, text), L'\0');
    SetLastErrorCode(0);
    if (NarrowToWide(codePage, text, result.data(), result.size()) == 0)
        Error::Report("MultiByteToWideChar failed", false, kErrorLevelError, kSourceFile, reportLine);
    return result;
}

std::string ToNarrow(CodePage codePage, const std::wstring& text, uint32_t reportLine) {
    if (text.empty())
        return {};
    std::string result(WideToNarrowLength(codePage, text), '\0');
    SetLastErrorCode(0);
    if (WideToNarrow(codePage, text, result.data(), result.size()) == 0)
        Error::Report("WideCharToMultiByte failed", false, kErrorLevelError, kSourceFile, reportLine);
    return result;
}
} // namespace

std::wstring StringToWString(const std::string& text) {
    return ToWide(CodePage::Windows1252, text, kLineStringToWString);
}

std::string WStringToString(const std::wstring& text) {
    return ToNarrow(CodePage::Windows1252, text, kLineWStringToString);
}

std::wstring Utf8ToWString(const std::string& text) {
    return ToWide(CodePage::Utf8, text, kLineUtf8ToWString);
}

std::string WStringToUtf8(const std::wstring& text) {
    return ToNarrow(CodePage::Utf8, text, kLineWStringToUtf8);
}

} // namespace Orv
