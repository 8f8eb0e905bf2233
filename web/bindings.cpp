// The module's entry points for the page's script (web/page/): start a game, its first
// activation, a press on the board, a toolbar command, a level selector request, a timer tick, a
// full repaint, the pixels and the progress the page shows and keeps, and the description of
// everything around the board that the page lays itself out from. Each passes the page's
// event on to the game session. The calls that may ask the player a question are suspended while
// the page's dialog is open; the page starts them as async calls.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "view/board_geometry.h"
#include "core/file_io.h"
#include "core/level_file.h"
#include "core/paths.h"
#include "midend/description_json.h"
#include "view/bmp_image.h"
#include "web/embedded_files.h"
#include "web/memory_game.h"
#include "web/page_bridge.h"

extern "C" {
void vl_page_game_saved(const char* path);
void vl_page_close();
}

namespace verlumo {
namespace {

// The sheets the page decodes, by their index in the bitmap list; their files name a failure.
constexpr const char* kSheetFiles[] = {"tiles.webp", "frame.webp", "glyphs.webp"};
constexpr int kSheetCount = 3;
// No sheet is wider or higher: a bigger one is a mistake, and would take the page's memory.
constexpr int kMaxSheetSide = 4096;

struct Page {
  PageBridge bridge;
  // The sheets the page wrote, in the canvas's pixel order, until the game takes them.
  std::array<std::optional<MemorySurface>, kSheetCount> sheets;
  std::unique_ptr<MemoryGame> game;
  // The copies onto the board area and the level counter since the page last showed them, so
  // that it puts only the rectangle they covered on its canvas: a tick changes one cell.
  std::vector<CopyRecord> box_copies;
  std::vector<CopyRecord> counter_copies;
  // The rectangle of the board area that changed: left, top, width, height.
  std::array<int, 4> box_changed{};
  std::string progress;
  // The language the browser kept, for the description before the game has started.
  int stored_language = kLanguageUnset;
};

Page& ThePage() {
  static Page page;
  return page;
}

// A file the page put into the game folder, read whole: asked for its size first, since a read
// of a generous maximum would clear and grow that much memory for every record.
std::vector<std::uint8_t> ReadWhole(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return {};
  std::vector<std::uint8_t> bytes;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long size = std::ftell(file);
    if (size > 0 && std::fseek(file, 0, SEEK_SET) == 0) {
      bytes.resize(static_cast<std::size_t>(size));
      bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    }
  }
  std::fclose(file);
  return bytes;
}

// The rectangle the logged copies covered, clipped to the surface, or an empty one; the log is
// cleared.
std::array<int, 4> ChangedRectangle(const MemorySurface& surface, std::vector<CopyRecord>& copies) {
  if (copies.empty()) return {};
  int left = surface.width(), top = surface.height(), right = 0, bottom = 0;
  for (const CopyRecord& copy : copies) {
    left = std::min(left, std::max(copy.x, 0));
    top = std::min(top, std::max(copy.y, 0));
    right = std::max(right, std::min(copy.x + copy.width, surface.width()));
    bottom = std::max(bottom, std::min(copy.y + copy.height, surface.height()));
  }
  copies.clear();
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

const std::uint8_t* BytesOf(const MemorySurface& surface) {
  return reinterpret_cast<const std::uint8_t*>(surface.pixels().data());
}

GameSession& TheSession() { return ThePage().game->session(); }

// A game file written by the command that just ended goes to the page as a download.
void OfferSavedGame() {
  if (const std::optional<std::string> saved = ThePage().bridge.TakeSavedGame()) vl_page_game_saved(saved->c_str());
}

// The progress the browser kept is the game file in use: a name in the game folder, whatever
// folders the stored name may hold (none kept: noname.vlm), and at most 500 flags written there
// as the file's bytes. Flags that are not such hexadecimal bytes are left out, and the game
// starts as from a missing file.
std::string StoredGameFile(const char* stored_name, const char* stored_flags) {
  const std::string name = FileNameOf(stored_name);
  const std::string path = kGameFolder + (name.empty() || name == "." || name == ".." ? kDefaultGameFileName : name);
  if (stored_flags == nullptr) return path;
  const std::string hex = stored_flags;
  const bool valid = hex.size() % 2 == 0 && hex.size() <= 2 * kMaxLevels &&
                     hex.find_first_not_of("0123456789abcdef") == std::string::npos;
  if (!valid) return path;
  const auto nibble = [](char c) { return c >= 'a' ? c - 'a' + 10 : c - '0'; };
  std::vector<std::uint8_t> flags;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    flags.push_back(static_cast<std::uint8_t>(nibble(hex[i]) * 16 + nibble(hex[i + 1])));
  }
  ReplaceFileContents(path, flags);
  return path;
}

}  // namespace
}  // namespace verlumo

using verlumo::ThePage;

extern "C" {

// Room for a sheet the browser decoded (0 tiles, 1 frame, 2 glyphs): the page writes its
// width x height RGBA bytes there before the start. Null for another sheet or an unlikely size.
EMSCRIPTEN_KEEPALIVE std::uint8_t* vl_sheet(int index, int width, int height) {
  using namespace verlumo;
  if (index < 0 || index >= kSheetCount || width <= 0 || height <= 0 || width > kMaxSheetSide ||
      height > kMaxSheetSide) {
    return nullptr;
  }
  return reinterpret_cast<std::uint8_t*>(ThePage().sheets[index].emplace(width, height).data());
}

// The page has written the three sheets and made the game folder, and passes what the browser
// kept: language, level, sound switch, the game file's name and its flags in
// hexadecimal (empty name: none kept; null flags: none kept). Returns an empty text, or why the
// game cannot start.
EMSCRIPTEN_KEEPALIVE const char* vl_start(std::uint32_t seed, int language, int stored_level, int sound_on,
                                           const char* stored_name, const char* stored_flags) {
  using namespace verlumo;
  static std::string error;
  Page& page = ThePage();
  page.stored_language = language;
  DecodedAssets assets;
  assets.order = PixelOrder::kCanvas;
  for (int i = 0; i < kSheetCount; ++i) {
    if (!page.sheets[i]) {
      error = std::string(kSheetFiles[i]) + ": not there";
      return error.c_str();
    }
    assets.sheets.push_back(std::move(*page.sheets[i]));
    page.sheets[i].reset();
  }
  // The level file the module holds, read by the game from its folder as any other.
  if (const EmbeddedFile* levels = FindEmbeddedFile(kLevelFileName)) {
    ReplaceFileContents(kGameFolder + std::string(kLevelFileName),
                        std::vector<std::uint8_t>(levels->bytes, levels->bytes + levels->size));
  }
  error.clear();
  page.game = std::make_unique<MemoryGame>(std::move(assets), page.bridge, page.bridge);
  page.bridge.Attach(page.game->session());
  page.game->box.AttachLog(&page.box_copies);
  page.game->levelbox.AttachLog(&page.counter_copies);
  StoredSettings settings{language, stored_level, std::nullopt, sound_on != 0};
  settings.game_file = StoredGameFile(stored_name, stored_flags);
  GameSession& session = page.game->session();
  session.ReadProgressAndLevels(kGameFolder, seed, settings);
  session.StartFirstLevel();
  return error.c_str();
}

// The page has put the sound records into the game folder, after the game started: the board
// plays no sound before the player's first press, and the page holds presses until this call.
// Returns an empty text, or why the sounds cannot be read; the game then goes on without them.
EMSCRIPTEN_KEEPALIVE const char* vl_set_sounds() {
  using namespace verlumo;
  static std::string error;
  error.clear();
  const std::string folder = kGameFolder;
  SoundImages sounds = DecodeSoundRecords({ReadWhole(folder + "sound0.rec"), ReadWhole(folder + "sound1.rec")}, error);
  TheSession().SetSounds(std::move(sounds));
  return error.c_str();
}

// A picture the module holds, by its file name, as RGBA bytes: its width, its height and the
// bytes' address; null when the module holds no such picture.
EMSCRIPTEN_KEEPALIVE const std::int32_t* vl_picture(const char* file_name) {
  using namespace verlumo;
  static std::vector<std::uint8_t> rgba;
  static std::array<std::int32_t, 3> picture;
  const EmbeddedFile* file = FindEmbeddedFile(file_name);
  if (file == nullptr) return nullptr;
  const DecodedBmp bmp = DecodeBmp(std::vector<std::uint8_t>(file->bytes, file->bytes + file->size));
  if (!bmp.error.empty()) return nullptr;
  rgba = OpaqueRgbaBytes(bmp.pixels);
  picture = {bmp.width, bmp.height, static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(rgba.data()))};
  return picture.data();
}

// The first activation: the splash, then the language question while none was chosen.
EMSCRIPTEN_KEEPALIVE void vl_activate() { verlumo::TheSession().Activate(); }

EMSCRIPTEN_KEEPALIVE void vl_press(int x, int y) { verlumo::TheSession().PressBoard(x, y); }

// A key on the board, by the number the description gives it (boardKeys).
EMSCRIPTEN_KEEPALIVE void vl_board_key(int key) {
  if (key < 0 || key > static_cast<int>(verlumo::BoardKey::kLooseEnds)) return;
  verlumo::TheSession().PressBoardKey(static_cast<verlumo::BoardKey>(key));
}

// A toolbar command; then the game file it saved goes out as a download, and a close it asked
// for is carried out: the end-game question, the save offered, and the page ends the game.
EMSCRIPTEN_KEEPALIVE void vl_command(int command) {
  using namespace verlumo;
  if (command < 0 || command >= kCommandCount) return;
  GameSession& session = TheSession();
  session.Run(static_cast<Command>(command));
  OfferSavedGame();
  if (ThePage().bridge.TakeCloseRequest() && session.AskToClose()) {
    session.Close();
    OfferSavedGame();
    vl_page_close();
  }
}

EMSCRIPTEN_KEEPALIVE void vl_move_level_selector(int request, int shown, int tracked) {
  verlumo::TheSession().MoveLevelSelector(static_cast<verlumo::SelectorRequest>(request), shown, tracked);
}

// The language chosen in the info dialog, while that dialog is open.
EMSCRIPTEN_KEEPALIVE void vl_set_language(int language) { verlumo::TheSession().language().Set(language); }

EMSCRIPTEN_KEEPALIVE int vl_language() { return verlumo::TheSession().state().language.value(); }

// The page's description of everything around the board (midend/description_json.h), in the
// game's language; before the game has started, in the language the browser kept.
EMSCRIPTEN_KEEPALIVE const char* vl_description() {
  static std::string description;
  verlumo::Page& page = ThePage();
  description = verlumo::FrontEndDescriptionJson(page.game ? verlumo::TheSession().state().language.value()
                                                           : page.stored_language);
  return description.c_str();
}

EMSCRIPTEN_KEEPALIVE void vl_tick() { verlumo::TheSession().Tick(); }

EMSCRIPTEN_KEEPALIVE void vl_paint() { verlumo::TheSession().PaintBoardArea(); }

// Bit 0: the board area changed since the last call, in the rectangle at vl_box_changed; bit 1:
// the level counter did. Their RGBA bytes, the surfaces themselves, are at vl_box_rgba and
// vl_counter_rgba.
EMSCRIPTEN_KEEPALIVE int vl_present() {
  verlumo::Page& page = ThePage();
  page.box_changed = verlumo::ChangedRectangle(page.game->box, page.box_copies);
  const bool counter_changed = verlumo::ChangedRectangle(page.game->levelbox, page.counter_copies)[2] > 0;
  return (page.box_changed[2] > 0 ? 1 : 0) | (counter_changed ? 2 : 0);
}

EMSCRIPTEN_KEEPALIVE const int* vl_box_changed() { return ThePage().box_changed.data(); }

EMSCRIPTEN_KEEPALIVE const std::uint8_t* vl_box_rgba() { return verlumo::BytesOf(ThePage().game->box); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* vl_counter_rgba() { return verlumo::BytesOf(ThePage().game->levelbox); }

// What the page keeps in the browser's storage: language, level, game file, the 500 flags as
// hexadecimal bytes and the sound switch, one line each.
EMSCRIPTEN_KEEPALIVE const char* vl_progress() {
  static constexpr char kHex[] = "0123456789abcdef";
  verlumo::Page& page = ThePage();
  verlumo::GameSession& session = verlumo::TheSession();
  const verlumo::StoredSettings settings = session.settings();
  std::string progress = std::to_string(settings.language) + "\n" + std::to_string(settings.level) + "\n" +
                         settings.game_file.value_or("") + "\n";
  for (const std::uint8_t flag : session.state().solved_flags) {
    progress += kHex[flag >> 4];
    progress += kHex[flag & 15];
  }
  progress += settings.sound ? "\n1" : "\n0";
  page.progress = std::move(progress);
  return page.progress.c_str();
}

}  // extern "C"
