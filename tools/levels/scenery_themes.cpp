// The themes as a table, and the placing of their ingredients. The pieces behind each
// ingredient are looked up in the scenery catalogue, so a piece the tile artist adds to a
// family turns up in the levels without a change here.
#include "tools/levels/scenery_themes.h"

#include <algorithm>
#include <map>

#include "core/board.h"

namespace verlumo::levels {
namespace {

using scenery::Piece;

int RoadSides(const Piece& piece) {
  int sides = 0;
  for (Side side : kSides) sides += EdgeCode(piece.cells[0], side) != 0 ? 1 : 0;
  return sides;
}

std::string_view FamilyOf(const Piece& piece) {
  return scenery::FindSceneryTile(piece.cells[0])->family;
}

bool Belongs(const Piece& piece, Ingredient what) {
  const bool single = piece.cells.size() == 1 && !piece.chain;
  const std::string_view family = FamilyOf(piece);
  switch (what) {
    case Ingredient::Decor:
      return single && EdgeWordOf(piece.cells[0]) == 0;
    case Ingredient::House:
      return single && family == "houses";
    case Ingredient::RoadEnd:
      return single && family == "road" && RoadSides(piece) == 1;
    case Ingredient::FixedRoad:
      return single && family == "road" && RoadSides(piece) == 2;
    case Ingredient::FixedLane:
      return single && family == "lanes";
    case Ingredient::Lake:
      return family == "lake" && piece.cells.size() > 1 &&
             piece.name.find("bridge") == std::string_view::npos;
    case Ingredient::LakeBridge:
      return family == "lake" && piece.name.find("bridge") != std::string_view::npos;
    case Ingredient::Forest:
      return family == "forest" && piece.cells.size() > 1;
    case Ingredient::Manor:
      return family == "manor";
    case Ingredient::Factory:
      return family == "factory";
    case Ingredient::Church:
      return family == "church";
    case Ingredient::Farm:
      return family == "farm";
    case Ingredient::Pitch:
      return family == "park" && piece.cells.size() > 1;
    case Ingredient::River:
    case Ingredient::Railway:
      return false;  // laid as chains, not picked as pieces
  }
  return false;
}

const std::vector<const Piece*>& PiecesFor(Ingredient what) {
  static const std::map<Ingredient, std::vector<const Piece*>> pieces_by_ingredient = [] {
    std::map<Ingredient, std::vector<const Piece*>> found;
    for (int what = 0; what <= static_cast<int>(Ingredient::Railway); ++what) {
      std::vector<const Piece*>& pieces = found[static_cast<Ingredient>(what)];
      for (const Piece& piece : scenery::Pieces()) {
        if (Belongs(piece, static_cast<Ingredient>(what))) pieces.push_back(&piece);
      }
    }
    return found;
  }();
  return pieces_by_ingredient.at(what);
}

// Large pieces keep a cell of ground around them, so buildings, lakes and woods stand apart.
bool KeepsApart(Ingredient what) {
  switch (what) {
    case Ingredient::Lake:
    case Ingredient::LakeBridge:
    case Ingredient::Forest:
    case Ingredient::Manor:
    case Ingredient::Factory:
    case Ingredient::Church:
    case Ingredient::Farm:
    case Ingredient::Pitch:
      return true;
    default:
      return false;
  }
}

bool PlaceIngredient(Draft& draft, LevelRandom& random, Ingredient what) {
  switch (what) {
    case Ingredient::River:
      return LayChain(draft, random, {"river", random.Between(1, 2), false});
    case Ingredient::Railway:
      return LayChain(draft, random, {"rail", random.Between(1, 3), random.Chance(0.4)});
    default: {
      const std::vector<const Piece*>& pieces = PiecesFor(what);
      if (pieces.empty()) return false;
      const Piece& piece = *pieces[random.Below(static_cast<int>(pieces.size()))];
      return PlacePieceSomewhere(draft, random, piece, KeepsApart(what));
    }
  }
}

}  // namespace

const std::vector<Theme>& Themes() {
  using enum Ingredient;
  using enum RoadLook;
  // clang-format off
  static const std::vector<Theme> themes = {
      {"open country",         0.0,   Mixed,   {}},
      {"meadow",               0.006, Country, {{Decor, 1, 3}}},
      {"houses in the fields", 0.02,  Country, {{House, 2, 2}, {Decor, 0, 2}}},
      {"woodland",             0.03,  Country, {{Forest, 1, 1}, {Decor, 0, 2}, {House, 0, 1}}},
      {"lakeside",             0.03,  Mixed,   {{Lake, 1, 1}, {Decor, 0, 2}, {House, 0, 2}}},
      {"river valley",         0.05,  Mixed,   {{River, 1, 1}, {Decor, 0, 2}, {House, 0, 1}}},
      {"village",              0.06,  Country, {{Church, 1, 1}, {House, 1, 3}, {FixedLane, 0, 1},
                                                {Decor, 0, 2}}},
      {"farmland",             0.06,  Country, {{Farm, 1, 1}, {House, 0, 2}, {FixedLane, 0, 1},
                                                {Decor, 0, 2}}},
      {"lake crossing",        0.08,  Mixed,   {{LakeBridge, 1, 1}, {House, 0, 2}, {Decor, 0, 1}}},
      {"railway",              0.08,  Town,    {{Railway, 1, 1}, {RoadEnd, 0, 1}, {House, 0, 1},
                                                {Decor, 0, 1}}},
      {"lakes and woods",      0.1,   Country, {{Lake, 1, 1}, {Forest, 1, 1}, {House, 0, 2}}},
      {"manor park",           0.12,  Mixed,   {{Manor, 1, 1}, {Pitch, 0, 1}, {FixedRoad, 0, 2},
                                                {Decor, 0, 2}}},
      {"industrial estate",    0.15,  Town,    {{Factory, 1, 1}, {RoadEnd, 1, 2}, {FixedRoad, 0, 2},
                                                {Railway, 0, 1}}},
      {"town",                 0.15,  Town,    {{FixedRoad, 1, 3}, {RoadEnd, 0, 2}, {Pitch, 0, 1},
                                                {Manor, 0, 1}}},
      {"riverside village",    0.2,   Mixed,   {{River, 1, 1}, {Church, 0, 1}, {House, 1, 2}}},
      {"country junction",     0.25,  Mixed,   {{Railway, 1, 1}, {Farm, 0, 1}, {House, 1, 2}}},
  };
  // clang-format on
  return themes;
}

bool Furnish(Draft& draft, LevelRandom& random, const Theme& theme, int extra_anchors,
             int most_cells) {
  const auto place_within_budget = [&](Ingredient what) {
    Draft before = draft;
    if (PlaceIngredient(draft, random, what) && draft.FixedCount() <= most_cells) return true;
    draft = before;
    return false;
  };
  for (const ThemeStep& step : theme.steps) {
    const int count = random.Between(step.least, step.most);
    for (int placed = 0; placed < count; ++placed) {
      if (!place_within_budget(step.what) && placed < step.least) return false;
    }
  }
  constexpr Ingredient kExtras[] = {Ingredient::House, Ingredient::House, Ingredient::FixedRoad,
                                    Ingredient::FixedLane, Ingredient::RoadEnd};
  for (int extra = 0; extra < extra_anchors; ++extra) {
    place_within_budget(kExtras[random.Below(std::size(kExtras))]);
  }
  return true;
}

RoadStyle StyleFor(RoadLook look, double progress, LevelRandom& random) {
  const auto vary = [&](double value) { return value * (0.6 + 0.8 * random.Fraction()); };
  RoadStyle style;
  switch (look) {
    case RoadLook::Town:
      style.kind_weight = {0, 1, 0.002, 0.12};
      style.dead_end = vary(0.1);
      break;
    case RoadLook::Country:
      style.kind_weight = {0, 0.3, 0.002, 1};
      style.dead_end = vary(0.03);
      break;
    case RoadLook::Mixed:
      style.kind_weight = {0, 1, 0.002, 0.7};
      style.dead_end = vary(0.06);
      break;
  }
  style.straight = vary(1);
  style.bend = vary(1.3);
  style.junction = vary(0.25 + 0.5 * progress);
  style.crossing = vary(0.05 + 0.3 * progress);
  style.compactness = 0.5 + 1.5 * random.Fraction();
  return style;
}

}  // namespace verlumo::levels
