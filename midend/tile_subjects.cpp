// The subjects of the tile pictures as a literal table, one line a code, read off the art
// generator (tools/artgen/tiles/): what each scene paints into the cell of that code. Movable
// codes not listed are plain road pieces or plain grass. A cell cut from a larger scene names
// its place in it, with the sides as the player sees them.
#include "midend/tile_subjects.h"

#include <array>

namespace verlumo {
namespace {

struct Entry {
  int code;
  const char* english;
  const char* german;
};

constexpr Entry kEntries[] = {
    {3, "with zebra crossings", "mit Zebrastreifen"},
    {15, "with an overpass", "mit Überführung"},
    {16, "with an overpass", "mit Überführung"},
    {38, "with a turning loop", "mit Wendeschleife"},
    {39, "with a turning loop", "mit Wendeschleife"},
    {40, "with a turning loop", "mit Wendeschleife"},
    {41, "with a turning loop", "mit Wendeschleife"},
    {46, "with an overpass", "mit Überführung"},
    {47, "with an overpass", "mit Überführung"},
    {48, "with a tree island", "mit Bauminsel"},
    {49, "with a signpost", "mit Wegweiser"},
    {58, "with a roundabout", "mit Kreisverkehr"},
    {59, "with a parking area", "mit Parkplatz"},
    {60, "with a parking area", "mit Parkplatz"},
    {61, "with a parking area", "mit Parkplatz"},
    {62, "with a parking area", "mit Parkplatz"},
    {91, "copse of leafy trees", "Laubwäldchen"},
    {92, "copse of pine trees", "Kiefernwäldchen"},
    {93, "birch grove", "Birkenhain"},
    {94, "avenue of trees", "Allee"},
    {95, "street lamps", "Straßenlaternen"},
    {96, "bridge over the railway", "Brücke über die Bahn"},
    {97, "bridge over the railway", "Brücke über die Bahn"},
    {98, "wheat field of the farm", "Weizenfeld des Bauernhofs"},
    {99, "cabbage field of the farm", "Kohlfeld des Bauernhofs"},
    {100, "petrol station", "Tankstelle"},
    {101, "wheat field with hedges", "Weizenfeld mit Hecken"},
    {102, "vegetable garden", "Gemüsegarten"},
    {103, "cottage with a red roof", "Häuschen mit rotem Dach"},
    {104, "farmyard", "Hofplatz"},
    {105, "orchard", "Obstgarten"},
    {106, "flower meadow with beehives", "Blumenwiese mit Bienenstöcken"},
    {107, "lake bridge, left end", "Seebrücke, linkes Ende"},
    {108, "lake bridge, middle", "Seebrücke, Mitte"},
    {109, "lake bridge, right end", "Seebrücke, rechtes Ende"},
    {110, "top edge of the forest", "oberer Waldrand"},
    {111, "bottom edge of the forest", "unterer Waldrand"},
    {112, "bus depot", "Busdepot"},
    {113, "cottage with a brown roof", "Häuschen mit braunem Dach"},
    {114, "factory halls", "Fabrikhallen"},
    {115, "factory chimney", "Fabrikschornstein"},
    {116, "middle of the forest", "Waldinneres"},
    {117, "church nave and graveyard", "Kirchenschiff mit Friedhof"},
    {118, "left edge of the forest", "linker Waldrand"},
    {119, "right edge of the forest", "rechter Waldrand"},
    {120, "manor house, left wing", "Herrenhaus, linker Flügel"},
    {121, "manor house, right wing", "Herrenhaus, rechter Flügel"},
    {122, "manor garden, left half", "Herrenhausgarten, linke Hälfte"},
    {123, "manor garden, right half", "Herrenhausgarten, rechte Hälfte"},
    {124, "factory yard with a lorry", "Fabrikhof mit Lastwagen"},
    {125, "factory parking area", "Fabrikparkplatz"},
    {126, "smithy", "Schmiede"},
    {127, "lake bridge, top end", "Seebrücke, oberes Ende"},
    {128, "lake bridge, middle", "Seebrücke, Mitte"},
    {129, "lake bridge, bottom end", "Seebrücke, unteres Ende"},
    {130, "river from top to bottom", "Fluss von oben nach unten"},
    {131, "river from left to right", "Fluss von links nach rechts"},
    {132, "river bend, top to right", "Flussbiegung von oben nach rechts"},
    {133, "river bend, top to left", "Flussbiegung von oben nach links"},
    {134, "river bend, bottom to left", "Flussbiegung von unten nach links"},
    {135, "river bend, right to bottom", "Flussbiegung von rechts nach unten"},
    {136, "top-left corner of the forest", "Waldecke oben links"},
    {137, "top-right corner of the forest", "Waldecke oben rechts"},
    {138, "bottom-left corner of the forest", "Waldecke unten links"},
    {139, "bottom-right corner of the forest", "Waldecke unten rechts"},
    {140, "windmill", "Windmühle"},
    {141, "thatched cottage", "Reetdachhaus"},
    {142, "church tower", "Kirchturm"},
    {143, "barn with haystacks", "Scheune mit Heuhaufen"},
    {144, "hedges on both sides", "Hecken zu beiden Seiten"},
    {145, "fruit trees on both sides", "Obstbäume zu beiden Seiten"},
    {146, "greenhouse", "Gewächshaus"},
    {147, "farmhouse", "Bauernhaus"},
    {148, "house with a blue roof", "Haus mit blauem Dach"},
    {149, "stable with a paddock", "Pferdestall mit Koppel"},
    {150, "top-left corner of the lake", "See-Ecke oben links"},
    {151, "top-right corner of the lake", "See-Ecke oben rechts"},
    {152, "bottom-left corner of the lake", "See-Ecke unten links"},
    {153, "bottom-right corner of the lake", "See-Ecke unten rechts"},
    {154, "top shore of the lake", "oberes Seeufer"},
    {155, "bottom shore of the lake", "unteres Seeufer"},
    {156, "left shore of the lake", "linkes Seeufer"},
    {157, "right shore of the lake", "rechtes Seeufer"},
    {158, "middle of the lake", "Mitte des Sees"},
    {159, "duck pond", "Ententeich"},
    {160, "sawmill", "Sägewerk"},
    {161, "campsite", "Zeltplatz"},
    {162, "village green with a fountain", "Dorfplatz mit Brunnen"},
    {163, "cottage with a green roof", "Häuschen mit grünem Dach"},
    {164, "wooden footbridge over the river", "Holzsteg über den Fluss"},
    {165, "chapel", "Kapelle"},
    {166, "football pitch, left half", "Fußballplatz, linke Hälfte"},
    {167, "football pitch, right half", "Fußballplatz, rechte Hälfte"},
    {168, "bridge over the river", "Brücke über den Fluss"},
    {169, "bridge over the river", "Brücke über den Fluss"},
    {170, "wheat and cabbage fields", "Weizen- und Kohlfeld"},
    {171, "vines and a ploughed field", "Weinreben und Acker"},
    {172, "fence and a tree", "Zaun und Baum"},
    {173, "fence and a tree", "Zaun und Baum"},
    {174, "fence and a tree", "Zaun und Baum"},
    {175, "fence and a tree", "Zaun und Baum"},
    {176, "railway from left to right", "Bahngleis von links nach rechts"},
    {177, "railway from top to bottom", "Bahngleis von oben nach unten"},
    {178, "railway bend, top to right", "Gleisbogen von oben nach rechts"},
    {179, "railway bend, top to left", "Gleisbogen von oben nach links"},
    {180, "water tower", "Wasserturm"},
    {181, "wooden footbridge over the river", "Holzsteg über den Fluss"},
    {182, "paddock of the farm", "Koppel des Bauernhofs"},
    {183, "barn of the farm", "Scheune des Bauernhofs"},
    {184, "inn with a beer garden", "Gasthaus mit Biergarten"},
    {185, "villa with a swimming pool", "Villa mit Pool"},
    {186, "bus stop", "Bushaltestelle"},
    {187, "small pond", "kleiner Teich"},
    {188, "two trees", "zwei Bäume"},
    {189, "bench under a tree", "Bank unter einem Baum"},
    {190, "railway level crossing", "Bahnübergang"},
    {191, "railway level crossing", "Bahnübergang"},
    {192, "railway bend, bottom to left", "Gleisbogen von unten nach links"},
    {193, "railway bend, right to bottom", "Gleisbogen von rechts nach unten"},
    {194, "railway level crossing", "Bahnübergang"},
    {195, "railway level crossing", "Bahnübergang"},
    {196, "railway station, left half", "Bahnhof, linke Hälfte"},
    {197, "railway station, right half", "Bahnhof, rechte Hälfte"},
    {198, "sheep pasture", "Schafweide"},
    {199, "rocks and bushes", "Felsen und Büsche"},
};

// One subject for every value of a tile code; a line out of order or beyond the catalogue
// stops the build.
consteval std::array<TileSubject, 256> BuildSubjects() {
  std::array<TileSubject, 256> subjects{};
  subjects.fill({"", ""});
  int previous = -1;
  for (const Entry& entry : kEntries) {
    if (entry.code <= previous || entry.code >= kCataloguedCodes) throw "codes ascend within the catalogue";
    subjects[entry.code] = {entry.english, entry.german};
    previous = entry.code;
  }
  return subjects;
}

constexpr std::array<TileSubject, 256> kSubjects = BuildSubjects();

}  // namespace

TileSubject TileSubjectOf(TileCode code) { return kSubjects[code]; }

}  // namespace verlumo
