// The colours of the tile sheet and small helpers to paint with them. One palette keeps the
// roads, water and buildings of all 200 pictures in the same warm, sunny light.
#pragma once

#include <cairo.h>

#include <initializer_list>

namespace artgen::tiles {

struct Colour {
  double r;
  double g;
  double b;
};

constexpr Colour Rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

// Ground.
constexpr Colour kGrass = Rgb255(118, 176, 74);
constexpr Colour kGrassDark = Rgb255(88, 146, 58);
constexpr Colour kGrassLight = Rgb255(146, 196, 92);
constexpr Colour kSoil = Rgb255(150, 112, 72);
constexpr Colour kSand = Rgb255(226, 208, 150);

// Roads.
constexpr Colour kAsphalt = Rgb255(88, 92, 100);
constexpr Colour kKerb = Rgb255(200, 194, 178);
constexpr Colour kRoadLine = Rgb255(240, 240, 228);
constexpr Colour kCentreLine = Rgb255(250, 206, 64);
constexpr Colour kStone = Rgb255(218, 208, 186);
constexpr Colour kStoneJoint = Rgb255(176, 164, 142);
constexpr Colour kStoneEdge = Rgb255(120, 110, 96);
constexpr Colour kGravel = Rgb255(206, 184, 140);
constexpr Colour kGravelEdge = Rgb255(156, 130, 92);

// Water.
constexpr Colour kWaterDeep = Rgb255(56, 128, 196);
constexpr Colour kWaterShallow = Rgb255(104, 178, 222);
constexpr Colour kWaterFoam = Rgb255(200, 232, 246);

// Railway.
constexpr Colour kBallast = Rgb255(150, 142, 132);
constexpr Colour kSleeper = Rgb255(122, 88, 58);
constexpr Colour kRail = Rgb255(196, 200, 210);
constexpr Colour kRailShade = Rgb255(84, 86, 96);

// Plants.
constexpr Colour kLeaf = Rgb255(66, 136, 52);
constexpr Colour kLeafDark = Rgb255(40, 100, 40);
constexpr Colour kLeafLight = Rgb255(132, 190, 78);
constexpr Colour kPine = Rgb255(38, 104, 72);
constexpr Colour kPineLight = Rgb255(76, 146, 96);
constexpr Colour kWheat = Rgb255(232, 196, 92);
constexpr Colour kWood = Rgb255(150, 104, 62);
constexpr Colour kWoodDark = Rgb255(104, 70, 42);

// Buildings.
constexpr Colour kRoofRed = Rgb255(196, 88, 62);
constexpr Colour kRoofBrown = Rgb255(150, 96, 70);
constexpr Colour kRoofSlate = Rgb255(92, 108, 140);
constexpr Colour kRoofThatch = Rgb255(206, 170, 96);
constexpr Colour kRoofGreen = Rgb255(96, 140, 104);
constexpr Colour kRoofGrey = Rgb255(150, 152, 160);
constexpr Colour kWall = Rgb255(236, 224, 200);
constexpr Colour kPaving = Rgb255(196, 186, 170);
constexpr Colour kWhite = Rgb255(246, 246, 240);
constexpr Colour kShadow = Rgb255(0, 0, 0);

// Mixes towards another colour; t = 0 keeps `a`, t = 1 gives `b`.
Colour Mix(Colour a, Colour b, double t);
// Darker (amount < 0) or lighter (amount > 0), keeping the hue.
Colour Shade(Colour c, double amount);

void SetColour(cairo_t* cr, Colour c, double alpha = 1.0);

// Small objects are built up in layers from the back to the front (shadow, edge, face,
// detail), each a shape filled with one colour over the layers before it.
struct RectLayer {
  double x, y, w, h;
  Colour colour;
  double alpha = 1.0;
};
void FillRects(cairo_t* cr, std::initializer_list<RectLayer> layers);

// Concentric discs around one centre, the first one at the back.
struct DiscLayer {
  double radius;
  Colour colour;
  double alpha = 1.0;
};
void FillDiscs(cairo_t* cr, double x, double y, std::initializer_list<DiscLayer> layers);

}  // namespace artgen::tiles
