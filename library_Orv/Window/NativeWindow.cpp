#include "NativeWindow.h"

namespace Orv::NativeWindow {

void PointFromLParam(intptr_t lParam, int& x, int& y) {
    x = static_cast<int16_t>(static_cast<uint16_t>(lParam & 0xFFFF));
    y = static_cast<int16_t>(static_cast<uint16_t>((lParam >> 16) & 0xFFFF));
}

} // namespace Orv::NativeWindow
