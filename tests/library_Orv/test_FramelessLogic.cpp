// The frameless window's decisions: hit test, maximise margins, hover, title bar sizes, keeping on screen, the
// wait indicator's layout.
#include "library_Orv/Window/FramelessLogic.h"
#include "library_Orv/Window/NativeWindow.h"

#include <gtest/gtest.h>

using namespace Orv::Frameless;
using Out = HoverTracker::Output;
using In = HoverTracker::Input;

namespace {
// A 400 x 300 window at (100, 50), border 5, at 100 %.
HitTestInput At(int x, int y) {
    HitTestInput in;
    in.window = {100, 50, 500, 350};
    in.x = x;
    in.y = y;
    in.logicalX = 100;
    in.logicalY = 50;
    return in;
}
} // namespace

TEST(HitTest, EdgesAreHalfOpenAndCornersWin) {
    EXPECT_EQ(BorderZone(At(100, 200)), Left);
    EXPECT_EQ(BorderZone(At(104, 200)), Left);
    EXPECT_EQ(BorderZone(At(105, 200)), None);
    EXPECT_EQ(BorderZone(At(495, 200)), Right);
    EXPECT_EQ(BorderZone(At(499, 200)), Right);
    EXPECT_EQ(BorderZone(At(494, 200)), None);
    EXPECT_EQ(BorderZone(At(500, 200)), None); // right lies outside
    EXPECT_EQ(BorderZone(At(300, 50)), Top);
    EXPECT_EQ(BorderZone(At(300, 54)), Top);
    EXPECT_EQ(BorderZone(At(300, 55)), None);
    EXPECT_EQ(BorderZone(At(300, 345)), Bottom);
    EXPECT_EQ(BorderZone(At(300, 349)), Bottom);
    EXPECT_EQ(BorderZone(At(100, 50)), TopLeft);
    EXPECT_EQ(BorderZone(At(499, 50)), TopRight);
    EXPECT_EQ(BorderZone(At(104, 349)), BottomLeft);
    EXPECT_EQ(BorderZone(At(499, 349)), BottomRight);
    EXPECT_EQ(BorderZone(At(105, 349)), Bottom);
}

TEST(HitTest, FixedWidthOrNotResizable) {
    HitTestInput in = At(100, 200);
    in.widthFixed = true;
    EXPECT_EQ(BorderZone(in), None);
    in = At(100, 50);
    in.widthFixed = true;
    EXPECT_EQ(BorderZone(in), Top); // no corner, but the height still changes
    in = At(499, 349);
    in.widthFixed = true;
    EXPECT_EQ(BorderZone(in), Bottom);
    in = At(100, 50);
    in.resizable = false;
    EXPECT_EQ(BorderZone(in), None);
}

TEST(HitTest, CaptionChildOrNoTitleBar) {
    int askedX = -1;
    int askedY = -1;
    const auto bar = [&](TitleBarAnswer answer) {
        return [&, answer](int x, int y) {
            askedX = x;
            askedY = y;
            return answer;
        };
    };
    EXPECT_EQ(HitTest(At(300, 60), bar(TitleBarAnswer::Caption)), Caption);
    EXPECT_EQ(askedX, 300);
    EXPECT_EQ(askedY, 60);
    EXPECT_EQ(HitTest(At(300, 60), bar(TitleBarAnswer::Child)), None);
    EXPECT_EQ(HitTest(At(300, 60), bar(TitleBarAnswer::Outside)), None);
    EXPECT_EQ(HitTest(At(300, 60), nullptr), None);
    EXPECT_EQ(HitTest(At(100, 60), bar(TitleBarAnswer::Caption)), Left); // the border comes first
}

// A window on a second screen at 150 %: the screen starts at physical (1920, 0), logical (1280, 0); the window's
// top-left is physical (2220, 450), logical (1480, 300). A point 30 physical pixels below the top is 20 logical
// pixels into the title bar, not at y = 480 / 1.5 = 320 (what dividing the screen coordinate alone would give).
TEST(HitTest, SecondScreenAtOneAndAHalf) {
    HitTestInput in;
    in.window = {2220, 450, 2220 + 600, 450 + 450};
    in.pixelRatio = 1.5;
    in.logicalX = 1480;
    in.logicalY = 300;
    in.x = 2220 + 150;
    in.y = 450 + 30;
    int x = 0;
    int y = 0;
    LogicalPoint(in, x, y);
    EXPECT_EQ(x, 1580);
    EXPECT_EQ(y, 320);
    // The title bar spans logical y 300 to 343 in this window.
    const auto bar = [](int, int y) { return y >= 300 && y < 344 ? TitleBarAnswer::Caption : TitleBarAnswer::Outside; };
    EXPECT_EQ(HitTest(in, bar), Caption);
    in.y = 450 + 90; // 60 logical pixels down: under the bar
    EXPECT_EQ(HitTest(in, bar), None);
}

TEST(MaximiseMargins, AppliedWhileMaximisedAndRemovedOnRestore) {
    const Rect frame{-8, -31, 8, 8};
    EXPECT_EQ(MaximisedFrameMargins(frame, 1.0), (Margins{8, 8, 8, 8}));
    EXPECT_EQ(MaximisedFrameMargins(frame, 1.5), (Margins{5, 5, 5, 5}));           // 5.33 rounds down
    EXPECT_EQ(MaximisedFrameMargins({-9, -40, 9, 9}, 2.0), (Margins{5, 5, 5, 5})); // 4.5 rounds up

    MaximiseMargins margins;
    EXPECT_EQ(margins.Update(false, true, frame, 1.0), MaximiseMargins::Change::None);
    EXPECT_EQ(margins.Update(true, true, frame, 1.0), MaximiseMargins::Change::Apply);
    EXPECT_EQ(margins.ContentMargins(), (Margins{8, 8, 8, 8}));
    EXPECT_TRUE(margins.JustMaximised());
    EXPECT_EQ(margins.Update(false, true, frame, 1.0), MaximiseMargins::Change::Restore);
    EXPECT_EQ(margins.ContentMargins(), Margins{});
    EXPECT_EQ(margins.Update(false, true, frame, 1.0), MaximiseMargins::Change::None);
    // Without adjusting, maximising changes no margin but restoring still clears the state.
    EXPECT_EQ(margins.Update(true, false, frame, 1.0), MaximiseMargins::Change::None);
    EXPECT_EQ(margins.Update(false, false, frame, 1.0), MaximiseMargins::Change::Restore);
    // Full screen from maximised starts from the base margins.
    margins.Update(true, true, frame, 1.0);
    margins.Reset();
    EXPECT_EQ(margins.ContentMargins(), Margins{});
}

TEST(HoverTracker, MovingBetweenCaptionAndContentIsNoLeave) {
    HoverTracker hover;
    EXPECT_EQ(hover.Handle(In::ClientMove), (std::vector<Out>{Out::TrackLeave, Out::Enter}));
    EXPECT_TRUE(hover.ArmClient());
    EXPECT_FALSE(hover.ArmClient());
    EXPECT_EQ(hover.Handle(In::ClientMove), std::vector<Out>{});
    // Onto the caption: the hit test answers it, the caption is entered, then the client area is left.
    hover.HitTestStarted();
    EXPECT_EQ(hover.HitTestHandled(), std::vector<Out>{Out::TrackLeaveNonClient});
    EXPECT_TRUE(hover.ArmNonClient());
    EXPECT_EQ(hover.Handle(In::NonClientMove), std::vector<Out>{});
    EXPECT_EQ(hover.Handle(In::ClientLeave), std::vector<Out>{});
    EXPECT_TRUE(hover.Inside());
    // And back: the client's tracking is asked for again, nothing is entered or left.
    hover.HitTestStarted();
    EXPECT_EQ(hover.Handle(In::ClientMove), std::vector<Out>{Out::TrackLeave});
    EXPECT_EQ(hover.Handle(In::NonClientLeave), std::vector<Out>{});
    EXPECT_TRUE(hover.Inside());
}

TEST(HoverTracker, LeavingTheWindowGivesOneLeave) {
    HoverTracker hover;
    hover.Handle(In::ClientMove);
    hover.ArmClient();
    hover.HitTestStarted();
    EXPECT_EQ(hover.Handle(In::ClientLeave), std::vector<Out>{Out::Leave});
    EXPECT_EQ(hover.Handle(In::ClientLeave), std::vector<Out>{});

    HoverTracker caption;
    caption.Handle(In::NonClientMove);
    caption.ArmNonClient();
    caption.HitTestStarted();
    EXPECT_EQ(caption.Handle(In::NonClientLeave), std::vector<Out>{Out::Leave});
    // Leaving the caption while the hit test still answered it: the client's tracking takes over.
    HoverTracker handled;
    handled.Handle(In::NonClientMove);
    handled.ArmNonClient();
    handled.HitTestHandled();
    EXPECT_EQ(handled.Handle(In::NonClientLeave), std::vector<Out>{Out::TrackLeave});
}

TEST(TitleBarSizes, FromTheScale) {
    const TitleBarSizes normal = TitleBarSizesFor(1.0, false);
    EXPECT_EQ(normal.height, 29);
    EXPECT_EQ(normal.buttonWidth, 45);
    EXPECT_EQ(normal.fontPixels, 12);
    const TitleBarSizes scaled = TitleBarSizesFor(1.5, false);
    EXPECT_EQ(scaled.height, 44); // 43.5 rounds away from zero
    EXPECT_EQ(scaled.iconWidth, 44);
    EXPECT_EQ(scaled.buttonWidth, 68);
    EXPECT_EQ(scaled.buttonHeight, 44);
    EXPECT_EQ(scaled.fontPixels, 18);
    EXPECT_EQ(TitleBarSizesFor(1.5, true).height, 33);
}

TEST(KeepOnScreen, ShiftThenClamp) {
    const std::vector<Rect> one{{0, 0, 1920, 1080}};
    Rect moved;
    Rect screen;
    // Half beyond the right edge: shifted left until the right edges meet.
    ASSERT_TRUE(ShiftOntoScreen({1620, 100, 2220, 500}, one, 0, moved, screen));
    EXPECT_EQ(moved, (Rect{1320, 100, 1920, 500}));
    EXPECT_FALSE(ShiftOntoScreen(moved, one, 0, moved, screen));
    // Taller than the screen: moved to its top, then its bottom clamped.
    ASSERT_TRUE(ShiftOntoScreen({100, -50, 700, 1250}, one, 0, moved, screen));
    EXPECT_EQ(moved, (Rect{100, 0, 700, 1300}));
    Rect clamped;
    ASSERT_TRUE(ClampToScreen(moved, screen, clamped));
    EXPECT_EQ(clamped, (Rect{100, 0, 700, 1080}));
    EXPECT_FALSE(ClampToScreen(clamped, screen, clamped));
    // Off every screen: onto the primary one. Across two screens side by side, fully shown: left alone.
    const std::vector<Rect> two{{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}};
    ASSERT_TRUE(ShiftOntoScreen({5000, 100, 5400, 400}, two, 1, moved, screen));
    EXPECT_EQ(screen, two[1]);
    EXPECT_EQ(moved, (Rect{3440, 100, 3840, 400}));
    EXPECT_FALSE(ShiftOntoScreen({1800, 100, 2100, 400}, two, 0, moved, screen));
}

TEST(WaitLayout, RingsAndPanel) {
    const WaitLayout layout = WaitLayoutFor(491, 305);
    EXPECT_EQ(layout.ringSize, 142);
    EXPECT_DOUBLE_EQ(layout.ringX, 174.5);
    EXPECT_DOUBLE_EQ(layout.ringY, 81.5);
    EXPECT_EQ(layout.panelWidth, 491);
    EXPECT_EQ(layout.panelHeight, 101);
    EXPECT_DOUBLE_EQ(layout.panelY, 81.5 + 142);
    EXPECT_EQ(WaitLayoutFor(30, 20).ringSize, 100);
    EXPECT_EQ(WaitLayoutFor(4000, 3000).ringSize, 300);
}

TEST(NativeWindow, PointsAreSigned16Bit) {
    int x = 0;
    int y = 0;
    Orv::NativeWindow::PointFromLParam(0x0032FFF6, x, y); // (-10, 50), as on a screen left of the primary
    EXPECT_EQ(x, -10);
    EXPECT_EQ(y, 50);
}
