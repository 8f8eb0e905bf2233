// What a tile's picture shows beyond its roads, as the art draws it, in both languages: the
// scenery of a fixed tile, the feature in the middle of a movable one.
#pragma once
#include "core/tile_catalogue.h"
namespace verlumo {
struct TileSubject {
  const char* english;  // lower case, no article: "pond", "petrol station"; for a movable tile a phrase "with a roundabout", or "" when its middle is plain road or plain grass
  const char* german;   // as a German writes it, nouns capitalised, no article: "Teich", "Tankstelle"; movable: "mit Kreisverkehr", or ""
};
// For every code 0..199; codes 200..255 (never on a board) give two empty texts.
TileSubject TileSubjectOf(TileCode code);
}
