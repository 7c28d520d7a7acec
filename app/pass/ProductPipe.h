#pragma once

#include "pipe/PipeRequest.h"

#include <functional>
#include <string>

// The exchanges with the running product over its command pipe, with the waits the product needs after each.
// pause takes those waits: a caller that must be able to stop passes a wait that ends early when asked.
namespace ProductPipe {

using Pause = std::function<void(unsigned long milliseconds)>;

// Asks whether the product handles Explorer drag and drop. status: 1 yes, 0 no, -1 no answer (not running, no
// pipe, an answer cut short by the time-out, or one that says nothing); request: how the exchange went (NotSent when
// the product's pipe did not take the request).
struct StatusAnswer {
    int status = -1;
    Orv::PipeRequestResult request = Orv::PipeRequestResult::NotSent;
    long long exchangeMs = 0; // the exchange alone, without the wait that follows it
};
StatusAnswer QueryDragAndDrop(const Pause& pause);
// Sends a set command; no answer is awaited.
void SendSetCommand(const std::wstring& value);
// Sends a set command and waits for the product to apply it.
void SendSetCommandAndWait(const std::wstring& value, const Pause& pause);

} // namespace ProductPipe
