#pragma once

#include "PipeMessage.h"

#include <functional>
#include <string>

namespace Orv {

enum class PipeRequestResult {
    NotSent,  // the pipe could not be opened, or the request not written whole
    Answered, // the product sent its end of answers
    TimedOut, // the reply pipe's server gave up first
    TooLong,  // what came on the reply pipe went past the ceiling of a reply, and was dropped
};

// One request with reply: opens the pipe, creates the reply pipe under a new name, writes the request that
// composeRequest makes for that name in one write, closes the pipe (which completes the request for the reader)
// and serves the reply pipe with the handler until the end of answers.
PipeRequestResult SendRequestWithReply(const std::wstring& pipeName,
                                       const std::function<std::wstring(const std::wstring&)>& composeRequest,
                                       const PipeMessageHandler& handler);

} // namespace Orv
