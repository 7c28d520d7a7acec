#pragma once

#include "library_Orv/BaseClass.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The text messages exchanged with the product over its named pipes: UTF-16LE on the wire, one flushed write per
// message, commands and answers starting with the command marker, requests with reply starting with the name of
// the requester's reply pipe.
namespace Orv {

extern const wchar_t* const kPipeCommandMarker;  // "[$-cmd-$]"
extern const wchar_t* const kProductPipeName;    // "Skorvane"
extern const wchar_t* const kPipePathPrefix;     // "\\.\pipe\"
extern const wchar_t* const kReplyPipePrefix;    // "pipe.."
extern const wchar_t* const kPipeFieldSeparator; // "|"
extern const wchar_t* const kPipeCopyVerb;       // "&copy here"

// What a handler returns when it wants to answer: one string per answer message. The server only reads it.
class IPipeExtraInfos : public BaseClassVirtualNonCopyable {
public:
    virtual const std::vector<std::wstring>& Answers() const = 0;
};

// A handler's answers as a plain list.
class PipeAnswerList : public IPipeExtraInfos {
public:
    explicit PipeAnswerList(std::vector<std::wstring> answers = {}) : answers_(std::move(answers)) {}
    const std::vector<std::wstring>& Answers() const override { return answers_; }
    void Set(std::vector<std::wstring> answers) { answers_ = std::move(answers); }

private:
    std::vector<std::wstring> answers_;
};

// Carries a handler's answer (possibly null) in signals.
struct IPipeExtraInfosContainer {
    IPipeExtraInfos* extraInfos = nullptr;
};

// Called for every message a server has read; the text may be modified.
using PipeMessageHandler = std::function<IPipeExtraInfos*(std::wstring& message)>;

struct UtcTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};
UtcTime CurrentUtcTime();
// "pipe.." + YYYY-MM-DD_HH-MI-SS_MS3 of the time (the current UTC time by default).
// The time's name followed by "_" and 8 random hexadecimal digits.
std::wstring MakeReplyPipeName();
std::wstring MakeReplyPipeName(const UtcTime& time);

// The messages this tool sends.
std::wstring StatusQueryMessage(const std::wstring& replyPipeName);
std::wstring SetCommandMessage(const std::wstring& argument);
std::wstring CopyRequestMessage(const std::wstring& replyPipeName, const std::wstring& targetFolder,
                                const std::vector<std::wstring>& sources);
std::wstring AnswerMessage(const std::wstring& answer);
std::wstring EndOfAnswersMessage();

// How a receiver sees one complete message: whether it stops the server (the bare end of answers only), and for
// a request with reply the reply pipe's name, with the message shortened to what follows the first "|".
struct ReceivedMessage {
    bool stopsServer = false;
    bool wantsReply = false;
    std::wstring replyPipeName;
    std::wstring text;
};
ReceivedMessage InterpretReceivedMessage(const std::wstring& message);

// The handler bound to a status query: stores the answer's "DAD" member (0 for anything but an object holding it)
// into result; the end of answers leaves it alone. Never answers.
PipeMessageHandler MakeStatusReplyHandler(int& result);
// The handler bound to a copy request: takes no action on any answer.
PipeMessageHandler MakeCopyReplyHandler();

// UTF-16LE bytes of a message, and back (an odd last byte is dropped).
std::string MessageToWire(const std::wstring& message);
// The bytes a complete write of the message puts on the wire (two per UTF-16 code unit).
size_t WireByteCount(const std::wstring& message);
std::wstring MessageFromWire(const std::string& bytes);

} // namespace Orv
