// Road drawing in layers: first the soft verges, then the stone beds of raised roads, the kerbs,
// the lanes' gravel, the asphalt and last the markings. Painting each layer for all stretches
// of a tile before the next one lets crossings, tees and changes of kind merge cleanly.
#include "tools/artgen/tiles/road_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/artgen/tiles/ground.h"
#include "tools/artgen/tiles/nature.h"
#include "tools/artgen/tiles/tile_palette.h"

namespace artgen::tiles {
namespace {

using verlumo::Side;

constexpr double kMid = 24.0;  // the road's centre line, between pixels 23 and 24
constexpr double kPi = std::numbers::pi;
constexpr double kAsphaltWidth = 19;
constexpr double kKerbWidth = 22;
constexpr double kBedWidth = 30;
constexpr double kLaneWidth = 11;
constexpr double kLaneEdgeWidth = 14;
constexpr double kEdgeLineOffset = 7.5;
using verlumo::kSides;

bool Marked(int kind) { return kind == 1 || kind == 2; }

Side Opposite(Side side) { return static_cast<Side>((static_cast<int>(side) + 2) % 4); }
// The side that a positive offset across a road leaving `side` points to.
Side LeftHand(Side side) { return static_cast<Side>((static_cast<int>(side) + 1) % 4); }
Side RightHand(Side side) { return static_cast<Side>((static_cast<int>(side) + 3) % 4); }

// One stretch of road: a straight line or a quarter circle of radius 24 around a corner of
// the tile, measured by arc length s from its start, which lies on a side of the tile.
struct Stretch {
  int kind = 0;
  bool curve = false;
  Point start{};
  Point end{};        // straight only
  Point corner{};     // curve only
  double angle0 = 0;  // curve only
  double turn = 0;    // curve only: signed angle swept
  double length = 0;
  bool bed_ends_here = false;  // a raised bed stops at the end of this stretch
};

Stretch Line(int kind, Point start, Point end) {
  Stretch s;
  s.kind = kind;
  s.start = start;
  s.end = end;
  s.length = std::hypot(end.x - start.x, end.y - start.y);
  return s;
}

// A quarter circle from side a towards side b, or only its first half.
Stretch Arc(int kind, Side a, Side b, bool half) {
  const Point pa = SideMidpoint(a);
  const Point pb = SideMidpoint(b);
  Stretch s;
  s.kind = kind;
  s.curve = true;
  s.corner = {pa.x + pb.x - kMid, pa.y + pb.y - kMid};
  s.angle0 = std::atan2(pa.y - s.corner.y, pa.x - s.corner.x);
  double turn = std::atan2(pb.y - s.corner.y, pb.x - s.corner.x) - s.angle0;
  while (turn > kPi) turn -= 2 * kPi;
  while (turn <= -kPi) turn += 2 * kPi;
  s.turn = half ? turn / 2 : turn;
  s.start = pa;
  s.length = std::abs(s.turn) * kMid;
  return s;
}

struct Frame {
  Point at;
  Point tangent;  // unit, along the stretch
  Point normal;   // unit, across: the direction of positive offsets
};

Frame FrameAt(const Stretch& s, double along) {
  if (!s.curve) {
    const Point t{(s.end.x - s.start.x) / s.length, (s.end.y - s.start.y) / s.length};
    return {{s.start.x + t.x * along, s.start.y + t.y * along}, t, {-t.y, t.x}};
  }
  const double sign = s.turn > 0 ? 1 : -1;
  const double angle = s.angle0 + sign * along / kMid;
  const Point radial{std::cos(angle), std::sin(angle)};
  return {{s.corner.x + kMid * radial.x, s.corner.y + kMid * radial.y},
          {-sign * radial.y, sign * radial.x},
          radial};
}

// Traces the part [from, to] of the stretch, shifted across it by `offset`.
void Trace(cairo_t* cr, const Stretch& s, double offset, double from, double to) {
  if (!s.curve) {
    const Frame a = FrameAt(s, from);
    const Frame b = FrameAt(s, to);
    cairo_move_to(cr, a.at.x + a.normal.x * offset, a.at.y + a.normal.y * offset);
    cairo_line_to(cr, b.at.x + b.normal.x * offset, b.at.y + b.normal.y * offset);
    return;
  }
  const double sign = s.turn > 0 ? 1 : -1;
  const double a0 = s.angle0 + sign * from / kMid;
  const double a1 = s.angle0 + sign * to / kMid;
  cairo_new_sub_path(cr);
  if (sign > 0) {
    cairo_arc(cr, s.corner.x, s.corner.y, kMid + offset, a0, a1);
  } else {
    cairo_arc_negative(cr, s.corner.x, s.corner.y, kMid + offset, a0, a1);
  }
}

void StrokeStretch(cairo_t* cr, const Stretch& s, double width, Colour colour, double alpha = 1) {
  Trace(cr, s, 0, 0, s.length);
  cairo_set_line_width(cr, width);
  SetColour(cr, colour, alpha);
  cairo_stroke(cr);
}

void StrokeGrain(cairo_t* cr, const Stretch& s, double width, Grain grain) {
  Trace(cr, s, 0, 0, s.length);
  cairo_set_line_width(cr, width);
  SetGrainSource(cr, grain);
  cairo_stroke(cr);
}

// Where the stones of a raised bed's borders meet, placed alike from both ends of a stretch.
std::vector<double> JointPositions(const Stretch& s) {
  if (s.length > 47) return {5.5, 17.5, s.length - 17.5, s.length - 5.5};
  if (s.curve && s.length > 30) return {5.5, s.length / 2, s.length - 5.5};
  if (s.length > 22) return {5.5, 17.5};
  return {5.5, s.length - 4};
}

void PaintBed(cairo_t* cr, const Stretch& s) {
  StrokeStretch(cr, s, kBedWidth, kStoneEdge);
  StrokeStretch(cr, s, kBedWidth - 2, kStone);
  StrokeGrain(cr, s, kBedWidth - 2, Grain::Stone);
  StrokeStretch(cr, s, kKerbWidth, Shade(kStone, -0.28));
  if (s.length < 5) return;  // a lead-in carries no joint
  cairo_set_line_width(cr, 1);
  SetColour(cr, kStoneJoint);
  for (double along : JointPositions(s)) {
    const Frame f = FrameAt(s, along);
    for (double sign : {-1.0, 1.0}) {
      cairo_move_to(cr, f.at.x + f.normal.x * 11 * sign, f.at.y + f.normal.y * 11 * sign);
      cairo_line_to(cr, f.at.x + f.normal.x * 14 * sign, f.at.y + f.normal.y * 14 * sign);
    }
  }
  cairo_stroke(cr);
}

// Square stone pillars where a raised bed ends and the road goes on at ground level.
void PaintPillars(cairo_t* cr, const Stretch& s) {
  const Frame f = FrameAt(s, s.length);
  for (double sign : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_translate(cr, f.at.x + f.normal.x * 12 * sign, f.at.y + f.normal.y * 12 * sign);
    cairo_rotate(cr, std::atan2(f.tangent.y, f.tangent.x));
    FillRects(cr, {{-2.5, -2.5, 7, 7, kShadow, 0.25},
                   {-3.5, -3.5, 7, 7, kStoneEdge},
                   {-2.5, -2.5, 5, 5, Shade(kStone, 0.25)}});
    cairo_restore(cr);
  }
}

void PaintLane(cairo_t* cr, const Stretch& s) {
  StrokeStretch(cr, s, kLaneWidth, kGravel);
  StrokeGrain(cr, s, kLaneWidth, Grain::Gravel);
  for (double offset : {-3.5, 3.5}) {
    Trace(cr, s, offset, 0, s.length);
    cairo_set_line_width(cr, 1);
    SetColour(cr, kGravelEdge, 0.25);
    cairo_stroke(cr);
  }
}

void PaintAsphalt(cairo_t* cr, const Stretch& s) {
  StrokeStretch(cr, s, kAsphaltWidth, kAsphalt);
  StrokeGrain(cr, s, kAsphaltWidth, Grain::Asphalt);
}

void EdgeLine(cairo_t* cr, const Stretch& s, double offset, double from, double to) {
  if (to <= from) return;
  Trace(cr, s, offset, from, to);
  cairo_set_line_width(cr, 1);
  SetColour(cr, kRoadLine, 0.9);
  cairo_stroke(cr);
}

void Dash(cairo_t* cr, const Stretch& s, double from, double to) {
  Trace(cr, s, 0, from, to);
  cairo_set_line_width(cr, 2);
  SetColour(cr, kCentreLine);
  cairo_stroke(cr);
}

// Dashes of a road that runs through the tile: on a straight 8 on, 8 off with the first one 4
// pixels from the edge, so that the pattern goes on from tile to tile; on a bend three dashes
// spread evenly with the same gap at both ends.
void CentreDashes(cairo_t* cr, const Stretch& s) {
  if (!s.curve) {
    for (double from = 4; from < s.length; from += 16) Dash(cr, s, from, from + 8);
    return;
  }
  const double end_gap = 3.5;
  const double dash = 6.5;
  const double gap = (s.length - 3 * dash - 2 * end_gap) / 2;
  for (int i = 0; i < 3; ++i) {
    const double from = end_gap + i * (dash + gap);
    Dash(cr, s, from, from + dash);
  }
}

void FullMarkings(cairo_t* cr, const Stretch& s) {
  EdgeLine(cr, s, kEdgeLineOffset, 0, s.length);
  EdgeLine(cr, s, -kEdgeLineOffset, 0, s.length);
  CentreDashes(cr, s);
}

// A turning loop at the end of a road, with a little green island in it.
void PaintIsland(cairo_t* cr, double radius, Colour rim, int seed) {
  cairo_arc(cr, kMid, kMid, radius + 1, 0, 2 * kPi);
  SetColour(cr, rim);
  cairo_fill(cr);
  cairo_arc(cr, kMid, kMid, radius, 0, 2 * kPi);
  SetGrassSource(cr);
  cairo_fill(cr);
  if (radius > 6) {
    PaintFlowers(cr, kMid - 3, kMid + 2.5, seed);
    PaintFlowers(cr, kMid + 3, kMid - 2.5, seed + 1);
    PaintTree(cr, kMid, kMid - 0.5, 4.2, TreeKind::Round);
  } else {
    PaintBush(cr, kMid, kMid, radius - 1, seed);
  }
}

void PaintParkedCar(cairo_t* cr, double u, double v, Colour body) {
  cairo_save(cr);
  cairo_translate(cr, u, v);
  FillRects(cr, {{-4, -2.5, 10, 7, kShadow, 0.3},
                 {-5, -3.5, 10, 7, body},
                 {-2, -2.5, 4, 5, Shade(body, 0.3)}});
  SetColour(cr, Rgb255(60, 70, 90));
  cairo_rectangle(cr, 2, -2.5, 1.5, 5);
  cairo_rectangle(cr, -3.5, -2.5, 1.2, 5);
  cairo_fill(cr);
  cairo_restore(cr);
}

void CarParkShape(cairo_t* cr, double grow) {
  const double x0 = 13 - grow, y0 = -18 - grow, w = 30 + 2 * grow, h = 36 + 2 * grow, r = 5 + grow;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x0 + w - r, y0 + r, r, -kPi / 2, 0);
  cairo_arc(cr, x0 + w - r, y0 + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x0 + r, y0 + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x0 + r, y0 + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

struct Layout {
  std::vector<Stretch> stretches;
  std::vector<Side> arms;
  std::vector<Side> dead_end;  // the one side of a dead end
  bool junction = false;       // three or four roads meet in the middle
  bool through = false;        // one stretch (or two of marked kinds) from side to side
  // Short straight lead-ins where a bend meets its sides: they give the border pixels exactly
  // the cross-section of a straight road, which an arc only comes close to.
  std::vector<Stretch> lead_ins;
};

constexpr double kLeadIn = 2;

Layout MakeLayout(const RoadKinds& kinds) {
  Layout layout;
  for (Side side : kSides) {
    if (kinds[static_cast<int>(side)] > 0) layout.arms.push_back(side);
  }
  const auto kind = [&](Side side) { return kinds[static_cast<int>(side)]; };
  const auto arm = [&](Side side) { return Line(kind(side), SideMidpoint(side), {kMid, kMid}); };
  const std::size_t count = layout.arms.size();
  if (count == 1) {
    layout.dead_end = layout.arms;
    layout.stretches.push_back(arm(layout.arms[0]));
  } else if (count == 2) {
    const Side a = layout.arms[0];
    const Side b = layout.arms[1];
    const bool opposite = Opposite(a) == b;
    if (kind(a) == kind(b)) {
      layout.stretches.push_back(opposite ? Line(kind(a), SideMidpoint(a), SideMidpoint(b))
                                          : Arc(kind(a), a, b, false));
    } else {
      Stretch first = opposite ? arm(a) : Arc(kind(a), a, b, true);
      Stretch second = opposite ? arm(b) : Arc(kind(b), b, a, true);
      first.bed_ends_here = first.kind == 2;
      second.bed_ends_here = second.kind == 2;
      layout.stretches.push_back(first);
      layout.stretches.push_back(second);
    }
    layout.through = Marked(kind(a)) && Marked(kind(b));
    if (!opposite) {
      for (Side side : {a, b}) {
        const Point p = SideMidpoint(side);
        const Point d = SideDirection(side);
        layout.lead_ins.push_back(Line(kind(side), p, {p.x - d.x * kLeadIn, p.y - d.y * kLeadIn}));
      }
    }
  } else if (count > 2) {
    layout.junction = true;
    for (Side side : layout.arms) layout.stretches.push_back(arm(side));
  }
  return layout;
}

// The middle of a tile and the mouths of lanes are laid in the two steps of every road: the
// edge under every road first (step 0), then the surface with the grain (step 1). Fills and
// clears the current path.
void FillMiddle(cairo_t* cr, int step, Colour edge, Colour surface, Grain grain) {
  SetColour(cr, step == 0 ? edge : surface);
  cairo_fill_preserve(cr);
  if (step == 1) {
    SetGrainSource(cr, grain);
    cairo_fill_preserve(cr);
  }
  cairo_new_path(cr);
}

// Where lanes meet a road in a junction, the crossing is paved: as wide as the widest road or
// lane through it each way, with a kerb where no road leaves it, and each lane widens in a
// rounded mouth into a road beside it.
constexpr double kMouthRadius = 5;

struct Crossing {
  bool paved = false;
  double half_x = 0;  // half the paved width, left to right
  double half_y = 0;  // half the paved height, top to bottom
};

double PavedHalfWidth(int kind) { return kind == 3 ? kLaneEdgeWidth / 2 : kAsphaltWidth / 2; }

bool Vertical(Side side) { return side == Side::Top || side == Side::Bottom; }

Crossing CrossingOf(const Layout& layout, const RoadKinds& kinds, const RoadStyle& style) {
  Crossing crossing;
  if (!layout.junction || style.junction != Junction::Plain) return crossing;
  bool road = false, lane = false;
  for (Side side : layout.arms) {
    road |= Marked(kinds[static_cast<int>(side)]);
    lane |= kinds[static_cast<int>(side)] == 3;
  }
  if (!road || !lane) return crossing;
  crossing.paved = true;
  for (Side side : layout.arms) {
    double& half = Vertical(side) ? crossing.half_x : crossing.half_y;
    half = std::max(half, PavedHalfWidth(kinds[static_cast<int>(side)]));
  }
  return crossing;
}

// The kerb along each side of the paved crossing that no road leaves, as a path; a lane
// leaving it covers its own stretch of the kerb again.
void TraceCrossingKerbs(cairo_t* cr, const Crossing& crossing, const RoadKinds& kinds) {
  constexpr double kStrip = (kKerbWidth - kAsphaltWidth) / 2;
  const double x0 = kMid - crossing.half_x, x1 = kMid + crossing.half_x;
  const double y0 = kMid - crossing.half_y, y1 = kMid + crossing.half_y;
  for (Side side : kSides) {
    if (Marked(kinds[static_cast<int>(side)])) continue;
    switch (side) {
      case Side::Right: cairo_rectangle(cr, x1, y0 - kStrip, kStrip, y1 - y0 + 2 * kStrip); break;
      case Side::Top: cairo_rectangle(cr, x0 - kStrip, y0 - kStrip, x1 - x0 + 2 * kStrip, kStrip); break;
      case Side::Left: cairo_rectangle(cr, x0 - kStrip, y0 - kStrip, kStrip, y1 - y0 + 2 * kStrip); break;
      case Side::Bottom: cairo_rectangle(cr, x0 - kStrip, y1, x1 - x0 + 2 * kStrip, kStrip); break;
    }
  }
}

// One rounded corner of a lane's mouth, in the lane's own frame (FaceSide): the lane runs along
// +x, `sign` picks its edge, and the road beside it starts at x = edge_x. The corner lies
// between the lane's border line |y| = border and the road, outside a circle of the given radius
// around the centre of the mouth's curve; with the radius one edge wider for the gravel, the
// lane's edge follows the curve.
void TraceMouthCorner(cairo_t* cr, double edge_x, double sign, double border, double radius) {
  const double cx = edge_x - kMouthRadius;
  const double cy = sign * (kLaneEdgeWidth / 2 + kMouthRadius);
  const double reach = std::sqrt(radius * radius - kMouthRadius * kMouthRadius);
  const double start = std::atan2(-sign * reach, kMouthRadius);
  cairo_move_to(cr, cx, sign * border);
  cairo_line_to(cr, edge_x, sign * border);
  cairo_line_to(cr, edge_x, cy - sign * reach);
  if (sign > 0) {
    cairo_arc_negative(cr, cx, cy, radius, start, -kPi / 2);
  } else {
    cairo_arc(cr, cx, cy, radius, start, kPi / 2);
  }
  cairo_close_path(cr);
}

// The lanes of a paved crossing widen, edge and gravel, into every road beside them.
void PaintLaneMouths(cairo_t* cr, const Crossing& crossing, const Layout& layout, const RoadKinds& kinds) {
  if (!crossing.paved) return;
  for (Side side : layout.arms) {
    if (kinds[static_cast<int>(side)] != 3) continue;
    for (double sign : {-1.0, 1.0}) {
      const int beside = kinds[static_cast<int>(sign > 0 ? LeftHand(side) : RightHand(side))];
      if (!Marked(beside)) continue;
      const double edge_x = kMid - PavedHalfWidth(beside);
      constexpr double kEdge = (kLaneEdgeWidth - kLaneWidth) / 2;
      cairo_save(cr);
      FaceSide(cr, side);
      TraceMouthCorner(cr, edge_x, sign, kLaneEdgeWidth / 2, kMouthRadius);
      FillMiddle(cr, 0, kGravelEdge, kGravel, Grain::Gravel);
      TraceMouthCorner(cr, edge_x, sign, kLaneWidth / 2, kMouthRadius + kEdge);
      FillMiddle(cr, 1, kGravelEdge, kGravel, Grain::Gravel);
      cairo_restore(cr);
    }
  }
}

void PaintVerges(cairo_t* cr, const std::vector<Stretch>& stretches, const Layout& layout,
                 const RoadStyle& style) {
  for (int kind : {1, 2}) {
    bool any = false;
    cairo_push_group(cr);
    SetColour(cr, kShadow);
    for (const Stretch& s : stretches) {
      if (s.kind != kind) continue;
      Trace(cr, s, 0, 0, s.length);
      cairo_set_line_width(cr, 2 * VergeHalfWidth(kind));
      cairo_stroke(cr);
      any = true;
    }
    if (kind == 1 && !layout.dead_end.empty() && style.dead_end == RoadEnd::TurningLoop) {
      cairo_arc(cr, kMid, kMid, 15.5, 0, 2 * kPi);
      cairo_fill(cr);
    }
    cairo_pop_group_to_source(cr);
    if (any) cairo_paint_with_alpha(cr, kind == 1 ? 0.12 : 0.22);
  }
}

// The edge lines and dashes of one road that runs into a junction or a dead end.
void ArmMarkings(cairo_t* cr, const Stretch& s, Side side, const Layout& layout,
                 const RoadKinds& kinds, const RoadStyle& style) {
  const auto has = [&](Side other) { return kinds[static_cast<int>(other)] > 0; };
  double centre_stop = kMid;
  if (!layout.dead_end.empty()) {
    centre_stop = style.dead_end == RoadEnd::TurningLoop ? kMid - 13 : 13;
  }
  if (layout.junction && style.junction == Junction::Roundabout) centre_stop = kMid - 17;
  if (layout.junction && style.junction == Junction::Zebra) centre_stop = 13.5;
  for (double sign : {-1.0, 1.0}) {
    const Side towards = sign > 0 ? LeftHand(side) : RightHand(side);
    double stop = centre_stop;
    if (layout.junction && has(towards)) {
      const int other = kinds[static_cast<int>(towards)];
      const double mouth = other == 3 && CrossingOf(layout, kinds, style).paved ? kMouthRadius : 0;
      stop = std::min(stop, kMid - RoadHalfWidth(other) - mouth - 0.5);
    }
    EdgeLine(cr, s, sign * kEdgeLineOffset, 0, stop);
  }
  if (style.junction == Junction::Roundabout && layout.junction) return;
  if (style.junction == Junction::Zebra && layout.junction) {
    cairo_save(cr);
    FaceSide(cr, side);
    SetColour(cr, kRoadLine);
    for (double v = -9; v < 9; v += 4) cairo_rectangle(cr, 5, v, 6, 2);
    cairo_fill(cr);
    cairo_restore(cr);
    return;
  }
  Dash(cr, s, 4, layout.dead_end.empty() ? 12 : 10);
}

void PaintMarkings(cairo_t* cr, const Layout& layout, const RoadKinds& kinds, const RoadStyle& style) {
  if (layout.through) {
    if (layout.stretches.size() == 1) {
      FullMarkings(cr, layout.stretches[0]);
    } else if (!layout.stretches[0].curve) {
      FullMarkings(cr, Line(1, layout.stretches[0].start, layout.stretches[1].start));
    } else {
      FullMarkings(cr, Arc(1, layout.arms[0], layout.arms[1], false));
    }
    return;
  }
  if (layout.stretches.size() == 1 && layout.dead_end.empty()) return;  // a lane, unmarked
  for (std::size_t i = 0; i < layout.stretches.size(); ++i) {
    const Stretch& s = layout.stretches[i];
    if (Marked(s.kind)) ArmMarkings(cr, s, layout.arms[i], layout, kinds, style);
  }
}

void PaintMiddle(cairo_t* cr, const Layout& layout, const RoadKinds& kinds, const RoadStyle& style, int step) {
  if (!layout.dead_end.empty() && layout.stretches[0].kind != 1) {
    // A lane ends in a little round yard at the middle of the tile.
    cairo_arc(cr, kMid, kMid, step == 0 ? kLaneEdgeWidth / 2 : kLaneWidth / 2, 0, 2 * kPi);
    FillMiddle(cr, step, kGravelEdge, kGravel, Grain::Gravel);
    return;
  }
  if (!layout.dead_end.empty()) {
    if (style.dead_end == RoadEnd::TurningLoop) {
      cairo_arc(cr, kMid, kMid, step == 0 ? 14.5 : 13, 0, 2 * kPi);
      FillMiddle(cr, step, kKerb, kAsphalt, Grain::Asphalt);
    } else {
      cairo_save(cr);
      FaceSide(cr, layout.dead_end[0]);
      CarParkShape(cr, step == 0 ? 1.5 : 0);
      FillMiddle(cr, step, kKerb, kAsphalt, Grain::Asphalt);
      cairo_restore(cr);
    }
    return;
  }
  if (!layout.junction) return;
  if (const Crossing crossing = CrossingOf(layout, kinds, style); crossing.paved) {
    if (step == 0) {
      TraceCrossingKerbs(cr, crossing, kinds);
    } else {
      cairo_rectangle(cr, kMid - crossing.half_x, kMid - crossing.half_y, 2 * crossing.half_x, 2 * crossing.half_y);
    }
    FillMiddle(cr, step, kKerb, kAsphalt, Grain::Asphalt);
  } else if (style.junction == Junction::Roundabout) {
    cairo_arc(cr, kMid, kMid, step == 0 ? 18.5 : 17, 0, 2 * kPi);
    FillMiddle(cr, step, kKerb, kAsphalt, Grain::Asphalt);
  } else if (style.junction == Junction::TreeIsland) {
    cairo_arc(cr, kMid, kMid, step == 0 ? 13.5 : 12, 0, 2 * kPi);
    FillMiddle(cr, step, kGravelEdge, kGravel, Grain::Gravel);
  }
}

void PaintMiddleDetails(cairo_t* cr, const Layout& layout, const RoadStyle& style) {
  if (!layout.dead_end.empty() && layout.stretches[0].kind != 1) return;
  if (!layout.dead_end.empty()) {
    if (style.dead_end == RoadEnd::TurningLoop) {
      PaintIsland(cr, 5, kKerb, 3);
      return;
    }
    cairo_save(cr);
    FaceSide(cr, layout.dead_end[0]);
    SetColour(cr, kRoadLine, 0.85);
    cairo_set_line_width(cr, 1);
    for (double v : {-8.5, 0.5, 9.5}) {
      cairo_move_to(cr, 31, v);
      cairo_line_to(cr, 43, v);
    }
    cairo_stroke(cr);
    if (style.parked_cars) {
      PaintParkedCar(cr, 37.5, -4, Rgb255(200, 60, 50));
      PaintParkedCar(cr, 37.5, 14, Rgb255(60, 110, 200));
    }
    cairo_restore(cr);
    return;
  }
  if (!layout.junction) return;
  if (style.junction == Junction::Roundabout) {
    cairo_arc(cr, kMid, kMid, 12.5, 0, 2 * kPi);
    cairo_set_line_width(cr, 1);
    const double dash[] = {3, 3};
    cairo_set_dash(cr, dash, 2, 0);
    SetColour(cr, kRoadLine, 0.8);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    PaintIsland(cr, 8, kKerb, 5);
  } else if (style.junction == Junction::TreeIsland) {
    PaintIsland(cr, 6.5, kGravelEdge, 7);
  }
}

void PaintLayout(cairo_t* cr, const Layout& layout, const RoadKinds& kinds, const RoadStyle& style) {
  const std::vector<Stretch>& all = layout.stretches;
  PaintVerges(cr, all, layout, style);
  for (const Stretch& s : all) {
    if (s.kind == 2) PaintBed(cr, s);
  }
  for (const Stretch& s : all) {
    if (s.kind == 1) StrokeStretch(cr, s, kKerbWidth, kKerb);
    if (s.kind == 3) StrokeStretch(cr, s, kLaneEdgeWidth, kGravelEdge);
  }
  PaintMiddle(cr, layout, kinds, style, 0);
  for (const Stretch& s : all) {
    if (s.kind == 3) PaintLane(cr, s);
  }
  PaintLaneMouths(cr, CrossingOf(layout, kinds, style), layout, kinds);
  for (const Stretch& s : all) {
    if (Marked(s.kind)) PaintAsphalt(cr, s);
  }

  PaintMiddle(cr, layout, kinds, style, 1);
  for (const Stretch& s : layout.stretches) {
    if (s.bed_ends_here) PaintPillars(cr, s);
  }
  PaintMarkings(cr, layout, kinds, style);
  PaintMiddleDetails(cr, layout, style);
}

// The strips along the sides where a bend's lead-ins lie, as a path.
void TraceLeadInStrips(cairo_t* cr, const Layout& layout) {
  for (const Stretch& s : layout.lead_ins) {
    const double x0 = std::min(s.start.x, s.end.x), x1 = std::max(s.start.x, s.end.x);
    const double y0 = std::min(s.start.y, s.end.y), y1 = std::max(s.start.y, s.end.y);
    if (x1 - x0 > y1 - y0) {
      cairo_rectangle(cr, x0, 0, x1 - x0, 48);
    } else {
      cairo_rectangle(cr, 0, y0, 48, y1 - y0);
    }
  }
}

// A bend: the arc everywhere but in the strips along its two sides, and there the exact
// cross-section of a straight road, so that its border pixels equal those of every straight
// road of its kind.
void PaintBend(cairo_t* cr, const Layout& layout, const RoadKinds& kinds, const RoadStyle& style) {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, 48, 48);
  TraceLeadInStrips(cr, layout);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr);
  PaintLayout(cr, layout, kinds, style);
  cairo_restore(cr);

  cairo_save(cr);
  TraceLeadInStrips(cr, layout);
  cairo_clip(cr);
  Layout straight;
  for (const Stretch& lead_in : layout.lead_ins) {
    const Point d{(lead_in.end.x - lead_in.start.x) / lead_in.length, (lead_in.end.y - lead_in.start.y) / lead_in.length};
    straight.stretches.push_back(Line(lead_in.kind, lead_in.start, {lead_in.start.x + d.x * 12, lead_in.start.y + d.y * 12}));
  }
  PaintVerges(cr, straight.stretches, straight, style);
  for (const Stretch& s : straight.stretches) {
    if (s.kind == 2) PaintBed(cr, s);
    if (s.kind == 1) StrokeStretch(cr, s, kKerbWidth, kKerb);
    if (s.kind == 3) StrokeStretch(cr, s, kLaneEdgeWidth, kGravelEdge);
    if (s.kind == 3) PaintLane(cr, s);
    if (Marked(s.kind)) {
      PaintAsphalt(cr, s);
      EdgeLine(cr, s, kEdgeLineOffset, 0, s.length);
      EdgeLine(cr, s, -kEdgeLineOffset, 0, s.length);
    }
  }
  cairo_restore(cr);
}

void PaintAnyLayout(cairo_t* cr, const Layout& layout, const RoadKinds& kinds, const RoadStyle& style) {
  if (layout.lead_ins.empty()) {
    PaintLayout(cr, layout, kinds, style);
  } else {
    PaintBend(cr, layout, kinds, style);
  }
}

}  // namespace

RoadKinds KindsOf(verlumo::EdgeWord word) {
  RoadKinds kinds{};
  for (int side = 0; side < 4; ++side) kinds[side] = static_cast<int>((word >> (8 * side)) & 0xff);
  return kinds;
}

double RoadHalfWidth(int kind) {
  if (kind == 1) return kKerbWidth / 2;
  if (kind == 2) return kBedWidth / 2;
  if (kind == 3) return kLaneEdgeWidth / 2;
  return 0;
}

double VergeHalfWidth(int kind) {
  if (kind == 1) return 12;
  if (kind == 2) return 18;
  return RoadHalfWidth(kind);
}

Point SideMidpoint(Side side) {
  switch (side) {
    case Side::Right: return {48, kMid};
    case Side::Top: return {kMid, 0};
    case Side::Left: return {0, kMid};
    case Side::Bottom: return {kMid, 48};
  }
  return {kMid, kMid};
}

Point SideDirection(Side side) {
  const Point p = SideMidpoint(side);
  return {(p.x - kMid) / kMid, (p.y - kMid) / kMid};
}

void FaceSide(cairo_t* cr, Side side) {
  const Point p = SideMidpoint(side);
  cairo_translate(cr, p.x, p.y);
  cairo_rotate(cr, (static_cast<int>(side) - 2) * -kPi / 2);
}

void PaintRoads(cairo_t* cr, const RoadKinds& kinds, const RoadStyle& style) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  const bool crossing = kinds[0] > 0 && kinds[0] == kinds[2] && kinds[1] > 0 && kinds[1] == kinds[3];
  if (style.overpass && crossing && kinds[0] != kinds[1]) {
    // The lower road first, whole, then the raised one across it.
    RoadKinds lower = kinds;
    RoadKinds upper = kinds;
    const int lower_axis = kinds[0] == 2 ? 1 : 0;
    upper[lower_axis] = upper[lower_axis + 2] = 0;
    lower[1 - lower_axis] = lower[3 - lower_axis] = 0;
    PaintLayout(cr, MakeLayout(lower), lower, style);
    PaintLayout(cr, MakeLayout(upper), upper, style);
  } else {
    PaintAnyLayout(cr, MakeLayout(kinds), kinds, style);
  }
  cairo_restore(cr);
}

}  // namespace artgen::tiles
