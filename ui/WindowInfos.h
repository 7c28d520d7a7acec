#pragma once

#include "library_Orv/Window/FramelessLogic.h"

#include <cstdint>

class QWidget;

namespace Orv::Win {

// Geometry services for one top-level window.
class WindowInfos {
public:
    explicit WindowInfos(QWidget* window) : window_(window) {}
    // Moves the window back onto the screen it overlaps most (the primary one when none) when part of it lies off
    // every screen, then pulls edges still outside that screen onto it (the window may shrink).
    void KeepOnScreen();

private:
    void MoveNative(intptr_t handle, const Frameless::Rect& from, const Frameless::Rect& to);

    QWidget* window_;
};

} // namespace Orv::Win
