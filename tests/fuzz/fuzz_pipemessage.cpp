// Feeds arbitrary bytes to the receiving side of the pipe messages: the UTF-16LE decoding, the receiver's exit test
// and reply split, and the status reply handler. Stops when the wire form does not survive a round trip or the
// split breaks its rules.
#include "pipe/PipeMessage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring message = Orv::MessageFromWire(bytes);
    const std::string even = bytes.substr(0, size & ~size_t(1));
    if (Orv::MessageToWire(message) != even || Orv::WireByteCount(message) != even.size())
        std::abort();

    const Orv::ReceivedMessage received = Orv::InterpretReceivedMessage(message);
    if (received.stopsServer && (received.wantsReply || message != Orv::EndOfAnswersMessage()))
        std::abort();
    if (received.wantsReply) {
        const std::wstring& name = received.replyPipeName;
        if (name.rfind(Orv::kReplyPipePrefix, 0) != 0 || name.find(L'|') != std::wstring::npos)
            std::abort();
        const bool split = name.size() < message.size();
        if (split ? name + L"|" + received.text != message : received.text != message)
            std::abort();
    } else if (received.text != message) {
        std::abort();
    }

    int result = -1;
    std::wstring text = received.text;
    Orv::MakeStatusReplyHandler(result)(text);
    if (message == Orv::EndOfAnswersMessage() && result != -1)
        std::abort();
    return 0;
}
