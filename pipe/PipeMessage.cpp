#include "PipeMessage.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Json/JsonNode.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

namespace Orv {

const wchar_t* const kPipeCommandMarker = L"[$-cmd-$]";
const wchar_t* const kProductPipeName = L"Skorvane";
const wchar_t* const kPipePathPrefix = L"\\\\.\\pipe\\";
const wchar_t* const kReplyPipePrefix = L"pipe..";
const wchar_t* const kPipeFieldSeparator = L"|";
const wchar_t* const kPipeCopyVerb = L"&copy here";

namespace {
std::wstring Marker() {
    return kPipeCommandMarker;
}
} // namespace

UtcTime CurrentUtcTime() {
    const auto now = std::chrono::system_clock::now();
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    // Days since the epoch to a civil date (proleptic Gregorian), so that no non-reentrant gmtime is needed.
    const long long totalSeconds = static_cast<long long>(seconds);
    long long days = totalSeconds / 86400;
    long long rest = totalSeconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    UtcTime time;
    time.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    time.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    time.year = static_cast<int>(yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0));
    time.hour = static_cast<int>(rest / 3600);
    time.minute = static_cast<int>(rest / 60 % 60);
    time.second = static_cast<int>(rest % 60);
    time.millisecond = static_cast<int>(milliseconds);
    return time;
}

std::wstring MakeReplyPipeName(const UtcTime& time) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%ls%04d-%02d-%02d_%02d-%02d-%02d_%03d", kReplyPipePrefix, time.year, time.month, time.day,
                  time.hour, time.minute, time.second, time.millisecond);
    return text;
}

std::wstring MakeReplyPipeName() {
    // The time says when; the random part makes the name unknowable in advance, so that no other program can make
    // the pipe first or wait for it to appear.
    std::random_device random;
    wchar_t suffix[16];
    std::swprintf(suffix, 16, L"_%08x", static_cast<unsigned>(random()));
    return MakeReplyPipeName(CurrentUtcTime()) + suffix;
}

std::wstring StatusQueryMessage(const std::wstring& replyPipeName) {
    return replyPipeName + kPipeFieldSeparator + Marker() + L"status";
}

std::wstring SetCommandMessage(const std::wstring& argument) {
    return Marker() + L"set" + kPipeFieldSeparator + argument;
}

std::wstring CopyRequestMessage(const std::wstring& replyPipeName, const std::wstring& targetFolder,
                                const std::vector<std::wstring>& sources) {
    std::wstring message = replyPipeName + kPipeFieldSeparator + kPipeCopyVerb + kPipeFieldSeparator + targetFolder;
    for (const std::wstring& source : sources)
        message += kPipeFieldSeparator + source;
    return message;
}

std::wstring AnswerMessage(const std::wstring& answer) {
    return Marker() + answer;
}

std::wstring EndOfAnswersMessage() {
    return Marker() + L"exit";
}

ReceivedMessage InterpretReceivedMessage(const std::wstring& message) {
    ReceivedMessage received;
    received.text = message;
    // Made before the reply split: a request with reply never stops the server.
    received.stopsServer = message == EndOfAnswersMessage();
    if (message.rfind(kReplyPipePrefix, 0) == 0) {
        received.wantsReply = true;
        const size_t separator = message.find(kPipeFieldSeparator);
        if (separator == std::wstring::npos) {
            received.replyPipeName = message;
        } else {
            received.replyPipeName = message.substr(0, separator);
            received.text = message.substr(separator + 1);
        }
    }
    return received;
}

PipeMessageHandler MakeStatusReplyHandler(int& result) {
    return [&result](std::wstring& message) -> IPipeExtraInfos* {
        if (message == EndOfAnswersMessage())
            return nullptr;
        std::wstring text = message;
        const std::wstring marker = Marker();
        for (size_t at = text.find(marker); at != std::wstring::npos; at = text.find(marker, at))
            text.erase(at, marker.size());
        JsonNode answer;
        answer.SetText(WStringToUtf8(text));
        result = answer.Member("DAD").ValueInt();
        return nullptr;
    };
}

PipeMessageHandler MakeCopyReplyHandler() {
    return [](std::wstring&) -> IPipeExtraInfos* { return nullptr; };
}

std::string MessageToWire(const std::wstring& message) {
    std::string bytes;
    bytes.reserve(message.size() * 2);
    for (const wchar_t c : message) {
        // Characters beyond the basic plane become surrogate pairs where wchar_t is UTF-32.
        const uint32_t value = static_cast<uint32_t>(c);
        const auto put = [&](uint32_t unit) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>((unit >> 8) & 0xFF);
        };
        if (value > 0xFFFF && value <= 0x10FFFF) {
            put(0xD800 + ((value - 0x10000) >> 10));
            put(0xDC00 + ((value - 0x10000) & 0x3FF));
        } else {
            put(value);
        }
    }
    return bytes;
}

size_t WireByteCount(const std::wstring& message) {
    size_t units = message.size();
    if constexpr (sizeof(wchar_t) == 4) // characters beyond the basic plane take two UTF-16 units
        for (const wchar_t c : message)
            units += (static_cast<uint32_t>(c) >> 16) != 0 ? 1 : 0;
    return units * 2;
}

std::wstring MessageFromWire(const std::string& bytes) {
    std::wstring message;
    message.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        uint32_t unit = static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8);
        if (sizeof(wchar_t) == 4 && unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const uint32_t low = static_cast<uint8_t>(bytes[i + 2]) | (static_cast<uint8_t>(bytes[i + 3]) << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        message += static_cast<wchar_t>(unit);
    }
    return message;
}

} // namespace Orv
