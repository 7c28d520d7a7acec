#include "PipeTransport_p.h"

#include "PipeMessage.h"

#include <thread>

namespace Orv {

Deadline Deadline::After(int64_t milliseconds) {
    Deadline deadline;
    deadline.never_ = false;
    deadline.at_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    return deadline;
}

Deadline Deadline::Never() {
    return Deadline();
}

bool Deadline::Expired() const {
    return !never_ && std::chrono::steady_clock::now() >= at_;
}

int64_t Deadline::RemainingMs() const {
    if (never_)
        return -1;
    const auto left = at_ - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero())
        return 0;
    // Rounded up, so that a wait of the remaining time does not end just before the deadline.
    return std::chrono::duration_cast<std::chrono::milliseconds>(left + std::chrono::milliseconds(1) -
                                                                 std::chrono::nanoseconds(1))
        .count();
}

Deadline Deadline::Min(const Deadline& other) const {
    if (never_)
        return other;
    if (other.never_)
        return *this;
    return at_ <= other.at_ ? *this : other;
}

void SleepMs(int64_t milliseconds) {
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

namespace {
constexpr int64_t kBusyPipeWaitMs = 300;
} // namespace

PipeClient::~PipeClient() {
    Close();
}

bool PipeClient::Connect(const std::wstring& name) {
    if (IsConnected())
        return true;
    pipePath_ = std::wstring(kPipePathPrefix) + name;
    using PipeTransport::OpenResult;
    OpenResult result = PipeTransport::OpenClient_sys(pipePath_, handle_);
    if (result == OpenResult::Busy && PipeTransport::WaitForPipe_sys(pipePath_, kBusyPipeWaitMs))
        result = PipeTransport::OpenClient_sys(pipePath_, handle_);
    if (result != OpenResult::Opened)
        handle_ = kNoHandle;
    return IsConnected();
}

bool PipeClient::Send(const std::wstring& text) {
    Write(AnswerMessage(text));
    return true;
}

size_t PipeClient::Write(const std::wstring& message, const Deadline& deadline) {
    if (!IsConnected())
        return 0;
    return PipeTransport::WriteAndFlush_sys(handle_, MessageToWire(message), deadline);
}

void PipeClient::Close() {
    if (!IsConnected())
        return;
    PipeTransport::CloseClient_sys(handle_);
    handle_ = kNoHandle;
}

} // namespace Orv
