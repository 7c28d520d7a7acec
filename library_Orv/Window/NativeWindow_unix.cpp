#include "NativeWindow.h"

// No native frame to manage here: Qt moves, resizes and stacks the window through the window system.
namespace Orv::NativeWindow {

bool Available() {
    return false;
}
std::vector<Frameless::Rect> WorkAreas(int& primary) {
    primary = -1;
    return {};
}
bool Read(const void*, NativeMessage&) {
    return false;
}
Frameless::Rect WindowRect(intptr_t) {
    return {};
}
bool IsVisible(intptr_t) {
    return false;
}
bool IsZoomed(intptr_t) {
    return false;
}
void AddStyle(intptr_t, uint32_t) {}
void RemoveStyle(intptr_t, uint32_t) {}
bool ExtendFrame(intptr_t, int) {
    return false;
}
void RefreshFrame(intptr_t) {}
bool TrackMouseLeave(intptr_t, bool) {
    return false;
}
Frameless::Rect StandardFrame() {
    return {};
}
intptr_t DefaultWithoutCaptionPainting(const NativeMessage&) {
    return 0;
}
void SetTopMost(intptr_t, bool) {}
bool Move(intptr_t, const Frameless::Rect&) {
    return false;
}
void SetRedraw(intptr_t, bool) {}
bool WindowsOrAltKeyDown() {
    return false;
}

} // namespace Orv::NativeWindow
