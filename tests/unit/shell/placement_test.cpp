// Window placement arithmetic: dialogs over the main window, the stored main window position,
// and the explode effect's rectangles.
#include "shell/placement.h"

#include <gtest/gtest.h>

namespace verlumo {
namespace {

TEST(Placement, DialogsCentreOnTheMainWindowTruncatingTowardZeroWithoutClamping) {
  // Main window 100,50 of 528 x 438 with a client area 409 high; a dialog of 267 x 130.
  EXPECT_EQ(PlaceOverMainWindow({100, 50, 528, 438}, 409, 267, 130), (Position{230, 219}));
  // Odd differences truncate: (528 - 268) / 2 = 130; (409 + 131) / 2 = 270.
  EXPECT_EQ(PlaceOverMainWindow({100, 50, 528, 438}, 409, 268, 131), (Position{230, 218}));
  // A dialog wider than the main window at the left screen edge goes off screen: (100 - 161) / 2
  // truncates toward zero to -30.
  EXPECT_EQ(PlaceOverMainWindow({0, 0, 100, 100}, 80, 161, 40), (Position{-30, 40}));
}

TEST(Placement, AStoredPositionNeedsSevenItemsBeginningWith200AndNumericEdges) {
  EXPECT_EQ(ParseStoredPosition("200,0,1,3000,100,3528,538"), (Position{3000, 100}));
  EXPECT_EQ(ParseStoredPosition("200,0,1,-20,-7,0,0"), (Position{-20, -7}));
  EXPECT_EQ(ParseStoredPosition("200,x,y,5,6,z,w"), (Position{5, 6})) << "unused items are not read";
  for (const char* malformed : {"", "200,0,1,3000,100,3528", "201,0,1,3000,100,3528,538",
                                "200,0,1,3000,100,3528,538,9", "200,0,1,abc,100,1,1", "200,0,1,,100,1,1",
                                "200,0,1,99999999999,100,1,1", " 200,0,1,5,6,7,8",
                                "200,0,1,12abc,100,1,1"}) {
    EXPECT_FALSE(ParseStoredPosition(malformed).has_value()) << malformed;
  }
}

TEST(Placement, AStoredWindowIsMovedBackOntoTheDesktopRightAndBottomFirst) {
  const Rect desktop{0, 0, 1920, 1080};
  EXPECT_EQ(KeepOnDesktop({3000, 100}, 528, 438, desktop), (Rect{1392, 100, 1920, 538}));
  EXPECT_EQ(KeepOnDesktop({100, 900}, 528, 438, desktop), (Rect{100, 642, 628, 1080}));
  EXPECT_EQ(KeepOnDesktop({-50, -60}, 528, 438, desktop), (Rect{0, 0, 528, 438}));
  // Wider than the desktop: the left edge wins, being moved last.
  EXPECT_EQ(KeepOnDesktop({10, 10}, 2000, 438, desktop), (Rect{0, 10, 2000, 448}));
  EXPECT_EQ(CentreOnScreen(1024, 768, 528, 438), (Position{248, 165}));
}

TEST(Placement, EdgesFarBeyondAnyDesktopOrWrittenOddlyAreMalformed) {
  // The window would be placed by adding its size to these: they must centre it instead.
  for (const char* malformed : {"200,,,2147483647,0,,", "200,0,1,0,-2147483648,1,1", "200,0,1,1073741825,0,1,1",
                                "200,0,1, 100,5,1,1", "200,0,1,+50,5,1,1", "200,0,1,12abc,5,1,1"}) {
    EXPECT_FALSE(ParseStoredPosition(malformed).has_value()) << malformed;
  }
  EXPECT_EQ(ParseStoredPosition("200,0,1,1073741824,-1073741824,1,1"), (Position{1073741824, -1073741824}));
  // The farthest edge accepted is still kept on the desktop without overflowing.
  EXPECT_EQ(KeepOnDesktop({1073741824, -1073741824}, 528, 438, {0, 0, 1920, 1080}), (Rect{1392, 0, 1920, 438}));
  EXPECT_EQ(KeepOnDesktop({2147483647, 2147483647}, 528, 438, {0, 0, 1920, 1080}), (Rect{1392, 642, 1920, 1080}));
}

TEST(Placement, TheStoredValueIsSevenNumbersJoinedByCommas) {
  EXPECT_EQ(FormatStoredPosition(0, 1, {248, 165, 776, 603}), "200,0,1,248,165,776,603");
  EXPECT_EQ(ParseStoredPosition(FormatStoredPosition(2, 2, {-5, 7, 523, 445})), (Position{-5, 7}));
}

TEST(Placement, ExplodeRectanglesGrowFromThePointerToTheWindowRoundingHalvesToEven) {
  const Rect window{100, 200, 628, 638};
  EXPECT_EQ(ExplodeRectangle(40, 0, 0, window), window);
  // Step 1 from (0, 0): 100 / 40 = 2.5 rounds to 2, 200 / 40 = 5; 528 / 40 = 13.2, 438 / 40 = 10.95.
  EXPECT_EQ(ExplodeRectangle(1, 0, 0, window), (Rect{2, 5, 15, 16}));
  // Step 3: 7.5 rounds to 8 (even), 15; 39.6 -> 40, 32.85 -> 33.
  EXPECT_EQ(ExplodeRectangle(3, 0, 0, window), (Rect{8, 15, 48, 48}));
  // From a pointer right of and below the window the corners move left and up: -2.5 -> -2.
  EXPECT_EQ(ExplodeRectangle(1, 200, 300, {100, 200, 628, 638}), (Rect{198, 298, 211, 309}));
}

}  // namespace
}  // namespace verlumo
