#pragma once

#include "pipe/PipeServerLoop.h"

#include "library_Orv/Processes.h"

#include <atomic>
#include <string>

// A pipe name that no other test, nor another test program running at the same time, uses.
inline std::wstring UniqueName(const wchar_t* what) {
    static std::atomic<int> counter{0};
    return L"t" + std::to_wstring(Orv::CurrentProcessId()) + L"-" + std::to_wstring(++counter) + L"-" + what;
}

// Connects once the server is there (within about five seconds).
inline bool ConnectWithRetry(Orv::PipeClient& client, const std::wstring& name) {
    Orv::PipeReplyOptions patient;
    patient.connectAttempts = 500;
    patient.connectIntervalMs = 10;
    return Orv::ConnectWithRetries(client, name, patient, Orv::Deadline::After(10000));
}
