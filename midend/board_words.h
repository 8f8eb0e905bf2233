// The board in words, for a player who hears the screen instead of seeing it: what a tile shows,
// what lies in a cell and which of its roads join their neighbours, what a swap did, a level's
// start, and how many road ends are still loose. English words are lower case where they may
// stand inside a sentence; German ones are written as German is. All texts are UTF-8.
#pragma once

#include <string>

#include "core/game_state.h"
#include "view/board_geometry.h"

namespace verlumo {

// The board as a screen reader names it, with its keys.
std::string BoardName(int language);

// What a tile shows: "grass"; "bend, two-lane road top and right"; "crossing with a roundabout,
// two-lane road top, right, bottom and left"; for scenery what it is, then its roads: "pond",
// "petrol station, straight, two-lane road right and left".
std::string TileWords(TileCode code, int language);

// A cell of the board in play: where it is, what it shows, whether it is fixed, whether it carries
// the car, and which of its roads join their neighbours and which end loose: "Column 3, row 2:
// bend, two-lane road top and right, carries the car; joined top, loose right".
std::string CellWords(const GameState& state, Cell cell);

// Road ends that meet no road of their own kind: at a neighbour's side without one, at a road of
// another kind, or at the board's edge. A solved board has none.
int LooseRoadEnds(const Board& board);
std::string LooseEndsWords(int loose_ends, int language);

// After a swap: where the car went, and what now lies where it was.
std::string SwapWords(const GameState& state, Cell car_was);
// A level that started: its number and solved state, and where the car is.
std::string LevelStartWords(const GameState& state);
// The level once its last swap has solved it.
std::string LevelSolvedWords(const GameState& state);
// Why a press of the cell does nothing: it is fixed, or it carries the car. Empty when a press
// would swap it.
std::string RefusedPressWords(const GameState& state, Cell cell);

}  // namespace verlumo
