// The railway: straight track and bends that run from tile to tile, level crossings with roads
// and lanes, road bridges over the track and a station of two tiles. Sleepers lie every
// 8 pixels from 4 pixels after a tile's side, so the track goes on evenly across tiles.
#include <cmath>
#include <numbers>

#include "tools/artgen/tiles/details.h"
#include "tools/artgen/tiles/ground.h"
#include "tools/artgen/tiles/nature.h"
#include "tools/artgen/tiles/road_painter.h"
#include "tools/artgen/tiles/scene.h"
#include "tools/artgen/tiles/tile_canvas.h"

namespace artgen::tiles {
namespace {

using verlumo::Side;
constexpr double kPi = std::numbers::pi;
constexpr double kMid = 24;

struct Track {
  Side a;
  Side b;
};

bool Straight(const Track& t) { return static_cast<int>(t.a) % 2 == static_cast<int>(t.b) % 2; }

// Point and direction at `along` pixels from side a, shifted `offset` across the track.
void TrackPoint(const Track& t, double along, double offset, double& x, double& y, double& angle) {
  const Point pa = SideMidpoint(t.a);
  const Point pb = SideMidpoint(t.b);
  if (Straight(t)) {
    const double dx = (pb.x - pa.x) / 48;
    const double dy = (pb.y - pa.y) / 48;
    x = pa.x + dx * along - dy * offset;
    y = pa.y + dy * along + dx * offset;
    angle = std::atan2(dy, dx);
    return;
  }
  const Point corner{pa.x + pb.x - kMid, pa.y + pb.y - kMid};
  const double a0 = std::atan2(pa.y - corner.y, pa.x - corner.x);
  double turn = std::atan2(pb.y - corner.y, pb.x - corner.x) - a0;
  while (turn > kPi) turn -= 2 * kPi;
  while (turn <= -kPi) turn += 2 * kPi;
  const double sign = turn > 0 ? 1 : -1;
  const double a = a0 + sign * along / kMid;
  x = corner.x + std::cos(a) * (kMid + offset);
  y = corner.y + std::sin(a) * (kMid + offset);
  angle = a + sign * kPi / 2;
}

double TrackLength(const Track& t) { return Straight(t) ? 48 : kMid * kPi / 2; }

void TraceTrack(cairo_t* cr, const Track& t, double offset) {
  const double length = TrackLength(t);
  for (double along = 0; along <= length + 0.001; along += length / 24) {
    double x, y, angle;
    TrackPoint(t, std::min(along, length), offset, x, y, angle);
    if (along == 0) {
      cairo_move_to(cr, x, y);
    } else {
      cairo_line_to(cr, x, y);
    }
  }
}

void StrokeTrack(cairo_t* cr, const Track& t, double offset, double width, Colour c, double alpha = 1) {
  TraceTrack(cr, t, offset);
  cairo_set_line_width(cr, width);
  SetColour(cr, c, alpha);
  cairo_stroke(cr);
}

void PaintRails(cairo_t* cr, const Track& t) {
  for (double offset : {-5.0, 5.0}) {
    StrokeTrack(cr, t, offset, 2, kRailShade);
    StrokeTrack(cr, t, offset - 0.5, 1, kRail);
  }
}

void PaintTrack(cairo_t* cr, const Track& t) {
  StrokeTrack(cr, t, 0, 24, kShadow, 0.15);
  StrokeTrack(cr, t, 0, 20, kBallast);
  TraceTrack(cr, t, 0);
  cairo_set_line_width(cr, 20);
  SetGrainSource(cr, Grain::Gravel);
  cairo_stroke(cr);
  const double length = TrackLength(t);
  const int sleepers = Straight(t) ? 6 : 5;
  for (int i = 0; i < sleepers; ++i) {
    const double along = Straight(t) ? 4 + 8 * i : 4 + i * (length - 8) / (sleepers - 1);
    double x, y, angle;
    TrackPoint(t, along, 0, x, y, angle);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_rectangle(cr, -1, -8, 2, 16);
    SetColour(cr, kSleeper);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  PaintRails(cr, t);
}

// A red and white cross beside a level crossing.
void PaintCrossingSign(cairo_t* cr, double x, double y) {
  SetColour(cr, kShadow, 0.3);
  cairo_arc(cr, x + 1.5, y + 1.5, 2.5, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.4);
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, x - 3, y - 3 * s);
    cairo_line_to(cr, x + 3, y + 3 * s);
  }
  SetColour(cr, Rgb255(220, 50, 40));
  cairo_stroke(cr);
  cairo_arc(cr, x, y, 0.9, 0, 2 * kPi);
  SetColour(cr, kWhite);
  cairo_fill(cr);
}

Scene TrackTile(verlumo::TileCode code, Track track) {
  return SingleTile(code, [code, track](cairo_t* cr) {
    PaintTrack(cr, track);
    Footprint footprint([&](cairo_t* mask) {
      TraceTrack(mask, track, 0);
      cairo_set_line_width(mask, 26);
      cairo_stroke(mask);
    });
    StrewDetails(cr, footprint, code, 3, Details::Wild);
  });
}

// A road or lane crossing the track on the level: the rails run on over the road surface.
Scene LevelCrossing(verlumo::TileCode code, Track track) {
  return SingleTile(code, [code, track](cairo_t* cr) {
    PaintTrack(cr, track);
    const RoadKinds kinds = KindsOf(verlumo::EdgeWordOf(code));
    PaintRoads(cr, kinds);
    const double half = RoadHalfWidth(kinds[0] + kinds[1]) - 0.5;
    cairo_save(cr);
    if (static_cast<int>(track.a) % 2 == 0) {
      cairo_rectangle(cr, kMid - half, 0, 2 * half, 48);
    } else {
      cairo_rectangle(cr, 0, kMid - half, 48, 2 * half);
    }
    cairo_clip(cr);
    PaintRails(cr, track);
    cairo_restore(cr);
    const double d = half + 4.5;
    PaintCrossingSign(cr, kMid - d, kMid - 11);
    PaintCrossingSign(cr, kMid + d, kMid + 11);
  });
}

Scene RailBridge(verlumo::TileCode code, Track track) {
  return SingleTile(code, [code, track](cairo_t* cr) {
    PaintTrack(cr, track);
    PaintRoads(cr, KindsOf(verlumo::EdgeWordOf(code)));
  });
}

void PaintStation(cairo_t* cr) {
  const Track through{Side::Left, Side::Right};
  for (int cell = 0; cell < 2; ++cell) {
    cairo_save(cr);
    cairo_translate(cr, cell * kCell, 0);
    PaintTrack(cr, through);
    cairo_restore(cr);
  }
  // Platform below the track with lamps and benches.
  RoundedRect(cr, 8, 36, 80, 8, 1.5);
  FillShadow(cr, 1, 1, 0.3);
  RoundedRect(cr, 8, 36, 80, 8, 1.5);
  SetColour(cr, kPaving);
  cairo_fill(cr);
  cairo_rectangle(cr, 8, 36, 80, 1.2);
  SetColour(cr, kWhite);
  cairo_fill(cr);
  for (double x : {20.0, 48.0, 76.0}) {
    cairo_arc(cr, x, 41, 1.3, 0, 2 * kPi);
    SetColour(cr, Rgb255(60, 60, 70));
    cairo_fill(cr);
  }
  for (double x : {30.0, 60.0}) {
    cairo_rectangle(cr, x, 40, 6, 2);
    SetColour(cr, kWood);
    cairo_fill(cr);
  }
  // Station building along the track's other side, with its name board.
  RoundedRect(cr, 16, 2.5, 64, 10, 1);
  FillShadow(cr, 2, 1.5, 0.3);
  cairo_rectangle(cr, 16, 2.5, 64, 5);
  SetColour(cr, Shade(kRoofRed, 0.12));
  cairo_fill(cr);
  cairo_rectangle(cr, 16, 7.5, 64, 5);
  SetColour(cr, Shade(kRoofRed, -0.2));
  cairo_fill(cr);
  cairo_rectangle(cr, 16, 7, 64, 1);
  SetColour(cr, Shade(kRoofRed, 0.35));
  cairo_fill(cr);
  cairo_rectangle(cr, 44, 1, 8, 4);
  SetColour(cr, kRoofRed);
  cairo_fill(cr);
  cairo_arc(cr, 48, 3, 1.5, 0, 2 * kPi);
  SetColour(cr, kWhite);
  cairo_fill(cr);
}

}  // namespace

std::vector<Scene> RailScenes() {
  std::vector<Scene> scenes = {
      TrackTile(176, {Side::Left, Side::Right}),   TrackTile(177, {Side::Top, Side::Bottom}),
      TrackTile(178, {Side::Right, Side::Top}),    TrackTile(179, {Side::Top, Side::Left}),
      TrackTile(192, {Side::Left, Side::Bottom}),  TrackTile(193, {Side::Bottom, Side::Right}),
      LevelCrossing(190, {Side::Left, Side::Right}), LevelCrossing(191, {Side::Top, Side::Bottom}),
      LevelCrossing(194, {Side::Left, Side::Right}), LevelCrossing(195, {Side::Top, Side::Bottom}),
      RailBridge(96, {Side::Top, Side::Bottom}),   RailBridge(97, {Side::Left, Side::Right}),
  };
  Scene station;
  station.columns = 2;
  station.paint = PaintStation;
  station.cuts = {{196, 0, 0}, {197, 1, 0}};
  scenes.push_back(std::move(station));
  return scenes;
}

}  // namespace artgen::tiles
