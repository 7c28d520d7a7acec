#include "FramelessLogic.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Orv::Frameless {

namespace {
bool Within(int value, int from, int to) {
    return from <= value && value < to;
}
} // namespace

Zone BorderZone(const HitTestInput& in) {
    if (!in.resizable)
        return None;
    const Rect& w = in.window;
    const int b = in.border;
    const bool atLeft = Within(in.x, w.left, w.left + b);
    const bool atRight = Within(in.x, w.right - b, w.right);
    const bool atTop = Within(in.y, w.top, w.top + b);
    const bool atBottom = Within(in.y, w.bottom - b, w.bottom);
    Zone zone = None;
    if (!in.widthFixed) {
        if (atLeft)
            zone = Left;
        if (atRight)
            zone = Right;
    }
    if (!in.heightFixed) {
        if (atBottom)
            zone = Bottom;
        if (atTop)
            zone = Top;
    }
    if (!in.widthFixed && !in.heightFixed) {
        // A later corner replaces an earlier one, as an edge gives way to a corner.
        if (atBottom && atLeft)
            zone = BottomLeft;
        if (atBottom && atRight)
            zone = BottomRight;
        if (atTop && atLeft)
            zone = TopLeft;
        if (atTop && atRight)
            zone = TopRight;
    }
    return zone;
}

void LogicalPoint(const HitTestInput& in, int& x, int& y) {
    const double ratio = in.pixelRatio > 0 ? in.pixelRatio : 1.0;
    x = static_cast<int>((in.x - in.window.left) / ratio + in.logicalX);
    y = static_cast<int>((in.y - in.window.top) / ratio + in.logicalY);
}

Zone HitTest(const HitTestInput& in, const std::function<TitleBarAnswer(int x, int y)>& titleBar) {
    const Zone border = BorderZone(in);
    if (border != None)
        return border;
    if (!titleBar)
        return None;
    int x = 0;
    int y = 0;
    LogicalPoint(in, x, y);
    return titleBar(x, y) == TitleBarAnswer::Caption ? Caption : None;
}

int RoundHalfUp(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

Margins MaximisedFrameMargins(const Rect& standardFrame, double pixelRatio) {
    const double ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    const int left = RoundHalfUp(std::abs(standardFrame.left) / ratio);
    const int right = RoundHalfUp(std::abs(standardFrame.right) / ratio);
    const int bottom = RoundHalfUp(std::abs(standardFrame.bottom) / ratio);
    return {left, bottom, right, bottom};
}

MaximiseMargins::Change MaximiseMargins::Update(bool zoomed, bool adjust, const Rect& standardFrame,
                                                double pixelRatio) {
    if (zoomed) {
        Change change = Change::None;
        if (adjust) {
            frame_ = MaximisedFrameMargins(standardFrame, pixelRatio);
            change = Change::Apply;
        }
        justMaximised_ = true;
        return change;
    }
    if (!justMaximised_)
        return Change::None;
    justMaximised_ = false;
    frame_ = {};
    return Change::Restore;
}

std::vector<HoverTracker::Output> HoverTracker::Handle(Input input) {
    std::vector<Output> out;
    switch (input) {
    case Input::NonClientMove:
    case Input::ClientMove: {
        const bool nonClient = input == Input::NonClientMove;
        (nonClient ? inNonClient_ : inClient_) = true;
        overHandledArea_ = false;
        if (!(nonClient ? nonClientArmed_ : clientArmed_))
            out.push_back(nonClient ? Output::TrackLeaveNonClient : Output::TrackLeave);
        if (!inside_) {
            inside_ = true;
            out.push_back(Output::Enter);
        }
        break;
    }
    case Input::NonClientLeave:
        nonClientArmed_ = false;
        inNonClient_ = false;
        if (!inClient_ && inside_) {
            inside_ = false;
            // Over the caption or a border the pointer has not left: the client's tracking takes over.
            out.push_back(overHandledArea_ ? Output::TrackLeave : Output::Leave);
        }
        break;
    case Input::ClientLeave:
        clientArmed_ = false;
        inClient_ = false;
        if (!inNonClient_ && inside_) {
            inside_ = false;
            if (!overHandledArea_)
                out.push_back(Output::Leave);
            else if (!nonClientArmed_)
                out.push_back(Output::TrackLeave);
        }
        break;
    }
    return out;
}

std::vector<HoverTracker::Output> HoverTracker::HitTestHandled() {
    overHandledArea_ = true;
    if (!nonClientArmed_)
        return {Output::TrackLeaveNonClient};
    return {};
}

TitleBarSizes TitleBarSizesFor(double scale, bool maximised) {
    TitleBarSizes sizes;
    sizes.height = static_cast<int>(std::lround((maximised ? 22 : 29) * scale));
    sizes.iconWidth = sizes.height;
    sizes.buttonWidth = static_cast<int>(std::lround(45 * scale));
    sizes.buttonHeight = sizes.height;
    sizes.fontPixels = static_cast<int>(std::lround(12 * scale));
    return sizes;
}

bool ShiftOntoScreen(const Rect& window, const std::vector<Rect>& screens, int primary, Rect& moved, Rect& screen) {
    long long total = 0;
    long long largest = 0;
    int best = -1;
    for (size_t i = 0; i < screens.size(); ++i) {
        const Rect& s = screens[i];
        const int width = std::min(window.right, s.right) - std::max(window.left, s.left);
        const int height = std::min(window.bottom, s.bottom) - std::max(window.top, s.top);
        if (width <= 0 || height <= 0)
            continue;
        const long long area = static_cast<long long>(width) * height;
        total += area;
        if (area > largest) {
            largest = area;
            best = static_cast<int>(i);
        }
    }
    if (total >= window.Area())
        return false;
    if (best < 0)
        best = primary;
    if (best < 0 || best >= static_cast<int>(screens.size()))
        return false;
    screen = screens[static_cast<size_t>(best)];
    int dx = 0;
    int dy = 0;
    if (window.left < screen.left)
        dx = screen.left - window.left;
    else if (window.right > screen.right)
        dx = screen.right - window.right;
    if (window.top < screen.top)
        dy = screen.top - window.top;
    else if (window.bottom > screen.bottom)
        dy = screen.bottom - window.bottom;
    moved = {window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
    return true;
}

bool ClampToScreen(const Rect& window, const Rect& screen, Rect& clamped) {
    clamped = {std::max(window.left, screen.left), std::max(window.top, screen.top),
               std::min(window.right, screen.right), std::min(window.bottom, screen.bottom)};
    return !(clamped == window);
}

WaitLayout WaitLayoutFor(double width, double height) {
    WaitLayout layout;
    const int third = static_cast<int>(width / 3);
    const int size = std::min(static_cast<int>(height - third), static_cast<int>(width - third));
    layout.ringSize = std::clamp(size, 100, 300);
    layout.ringX = (width - layout.ringSize) / 2;
    layout.ringY = (height - layout.ringSize) / 2;
    layout.panelWidth = static_cast<int>(width);
    layout.panelHeight = static_cast<int>(height / 3);
    layout.panelY = layout.ringY + layout.ringSize;
    return layout;
}

} // namespace Orv::Frameless
