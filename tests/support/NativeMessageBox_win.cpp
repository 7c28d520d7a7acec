#include "NativeMessageBox.h"

#include <windows.h>

NativeMessageBoxAnswerer::NativeMessageBoxAnswerer(const std::string& caption, int timeoutMs)
    : watcher_(&NativeMessageBoxAnswerer::Watch, this, caption, timeoutMs) {}

NativeMessageBoxAnswerer::~NativeMessageBoxAnswerer() {
    Answered();
}

bool NativeMessageBoxAnswerer::Answered() {
    if (watcher_.joinable())
        watcher_.join();
    return answered_;
}

void NativeMessageBoxAnswerer::Watch(const std::string& caption, int timeoutMs) {
    constexpr int kMessageControlId = 0xFFFF; // the static text of a message box
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        if (HWND box = FindWindowA("#32770", caption.c_str())) {
            char text[1024] = {};
            GetDlgItemTextA(box, kMessageControlId, text, sizeof text);
            message_ = text;
            answered_ = PostMessageA(box, WM_COMMAND, IDOK, 0) != FALSE;
            return;
        }
        Sleep(20);
    }
}
