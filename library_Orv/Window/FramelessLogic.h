#pragma once

// The decisions of a window that draws its own frame and title bar, as plain functions over plain values: the
// native glue feeds them from window messages (Windows) or from Qt's events (elsewhere), and they are tested alone.
#include <functional>
#include <utility>
#include <vector>

namespace Orv::Frameless {

// A rectangle as Win32 gives it: right and bottom lie just outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    long long Area() const { return static_cast<long long>(Width()) * Height(); }
    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Margins& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    Margins operator+(const Margins& other) const {
        return {left + other.left, top + other.top, right + other.right, bottom + other.bottom};
    }
};

// The answers of a hit test, with the values of WM_NCHITTEST. None: not ours, the window's content.
enum Zone : int {
    None = 0,
    Caption = 2,
    Left = 10,
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17
};

// What the title bar says about a point: not on it, on an ordinary child (a button), or on the caption.
enum class TitleBarAnswer { Outside, Child, Caption };

struct HitTestInput {
    Rect window; // physical pixels
    int x = 0;   // the pointer, physical screen pixels
    int y = 0;
    int border = 5; // the resize zone's width inside the window edge
    bool resizable = true;
    bool widthFixed = false; // minimum width equals maximum width
    bool heightFixed = false;
    double pixelRatio = 1.0;
    int logicalX = 0; // the window's position in Qt's logical coordinates
    int logicalY = 0;
};

// The border zone under the pointer: edges, then corners, which win over edges; None when the pointer is on none.
Zone BorderZone(const HitTestInput& in);
// The pointer in Qt's logical screen coordinates: its offset inside the window scaled down, from the window's
// logical position (on any screen, at any scale).
void LogicalPoint(const HitTestInput& in, int& x, int& y);
// The whole hit test: a border zone, else the caption when the title bar says so. titleBar is empty when the window
// has no title bar; it is asked with the logical point.
Zone HitTest(const HitTestInput& in, const std::function<TitleBarAnswer(int x, int y)>& titleBar);

// Round half up of a positive value, as the frame sizes are scaled.
int RoundHalfUp(double value);
// The extra margins of a maximised window: the standard frame (AdjustWindowRectEx of an empty rectangle) in
// logical pixels, the bottom size standing for the top as well, since no caption is drawn.
Margins MaximisedFrameMargins(const Rect& standardFrame, double pixelRatio);

// What WM_GETMINMAXINFO does to the content margins over the window's life.
class MaximiseMargins {
public:
    enum class Change { None, Apply, Restore };
    // zoomed: the window is maximised now. On Apply, ContentMargins() is base + frame; on Restore, base.
    Change Update(bool zoomed, bool adjust, const Rect& standardFrame, double pixelRatio);
    // Full screen from maximised starts from the base margins.
    void Reset() { frame_ = {}; }
    const Margins& Frame() const { return frame_; }
    Margins ContentMargins() const { return base_ + frame_; }
    bool JustMaximised() const { return justMaximised_; }

private:
    Margins base_;
    Margins frame_;
    bool justMaximised_ = false;
};

// The pointer entering and leaving a window whose caption the system counts as non-client: moves between the
// caption and the content give no leave and enter pair, leaving the window gives one leave.
class HoverTracker {
public:
    enum class Input { NonClientMove, ClientMove, NonClientLeave, ClientLeave };
    enum class Output { TrackLeave, TrackLeaveNonClient, Enter, Leave };

    std::vector<Output> Handle(Input input);
    // The hit test's part: it clears the flag first, sets it when it answered a border or the caption.
    void HitTestStarted() { overHandledArea_ = false; }
    std::vector<Output> HitTestHandled();
    // The tracking requests; true when leave tracking must be requested now (it was not armed).
    bool ArmClient() { return !std::exchange(clientArmed_, true); }
    bool ArmNonClient() { return !std::exchange(nonClientArmed_, true); }
    bool Inside() const { return inside_; }

private:
    bool inNonClient_ = false;
    bool inClient_ = false;
    bool overHandledArea_ = false;
    bool clientArmed_ = false;
    bool nonClientArmed_ = false;
    bool inside_ = false;
};

// The title bar's sizes at a scale: bar height, icon width, caption button size, title font pixels.
struct TitleBarSizes {
    int height = 0;
    int iconWidth = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int fontPixels = 0;
};
TitleBarSizes TitleBarSizesFor(double scale, bool maximised);

// Keeping a window on the screens. ShiftOntoScreen: when part of the window lies off every screen, moves it onto
// the screen it overlaps most (primary when none) and names that screen; false when nothing needs doing.
// ClampToScreen: pulls every edge still outside that screen onto it; false when none was.
bool ShiftOntoScreen(const Rect& window, const std::vector<Rect>& screens, int primary, Rect& moved, Rect& screen);
bool ClampToScreen(const Rect& window, const Rect& screen, Rect& clamped);

// The wait indicator's rings and panel in an item of w x h.
struct WaitLayout {
    int ringSize = 0;
    double ringX = 0;
    double ringY = 0;
    int panelWidth = 0;
    int panelHeight = 0;
    double panelY = 0;
};
WaitLayout WaitLayoutFor(double width, double height);

} // namespace Orv::Frameless
