#pragma once

#include "PipeTransport.h"

// The few operations behind PipeClient that differ per platform.
namespace Orv {
namespace PipeTransport {
enum class OpenResult { Opened, Busy, Failed };
OpenResult OpenClient_sys(const std::wstring& pipePath, intptr_t& handle);
bool WaitForPipe_sys(const std::wstring& pipePath, int64_t timeoutMs);
size_t WriteAndFlush_sys(intptr_t handle, const std::string& bytes, const Deadline& deadline);
void CloseClient_sys(intptr_t handle);
} // namespace PipeTransport

} // namespace Orv
