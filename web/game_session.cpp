// Decoding the asset records into surfaces and sounds, and starting a game in memory.
#include "web/game_session.h"

#include "view/asset_record.h"
#include "view/bmp_image.h"
#include "view/wave_image.h"

namespace verlumo {
namespace {

std::vector<std::uint8_t> RecordData(const std::vector<std::uint8_t>& record, const char* name, std::string& error) {
  ParsedAsset parsed = ParseAssetRecord(record.data(), record.size());
  if (!parsed.error.empty() && error.empty()) error = std::string(name) + ": " + parsed.error;
  return std::move(parsed.record.data);
}

}  // namespace

DecodedAssets DecodeAssetRecords(const std::array<std::vector<std::uint8_t>, 3>& bitmap_records,
                                 const std::array<std::vector<std::uint8_t>, 2>& sound_records) {
  static constexpr const char* kBitmapNames[] = {"bitmap0.rec", "bitmap1.rec", "bitmap2.rec"};
  static constexpr const char* kSoundNames[] = {"sound0.rec", "sound1.rec"};
  DecodedAssets assets;
  for (std::size_t i = 0; i < bitmap_records.size() && assets.error.empty(); ++i) {
    DecodedBmp bmp = DecodeBmp(RecordData(bitmap_records[i], kBitmapNames[i], assets.error));
    if (!assets.error.empty()) break;
    if (!bmp.error.empty()) {
      assets.error = std::string(kBitmapNames[i]) + ": " + bmp.error;
      break;
    }
    assets.sheets.emplace_back(bmp.width, bmp.height, std::move(bmp.pixels));
  }
  for (std::size_t i = 0; i < sound_records.size() && assets.error.empty(); ++i) {
    assets.sounds[i] = RecordData(sound_records[i], kSoundNames[i], assets.error);
    // A sound the player could not be trusted with is left empty, and so plays nothing.
    if (!IsPlayableWaveImage(assets.sounds[i])) assets.sounds[i].clear();
  }
  return assets;
}

GameSession::GameSession(DecodedAssets assets, PageRoles roles)
    : sheets_(std::move(assets.sheets)),
      roles_(std::move(roles)),
      view_(state, BitmapList{sheets_[0], sheets_[1], sheets_[2]}, box, levelbox, cell_buffer, roles_.host),
      sounds_(roles_.wave_output, std::move(assets.sounds), roles_.sound_on),
      game_(state, GameDisplay{view_, sounds_, roles_.controls}, roles_.questions, random_),
      files_(state, view_, roles_.questions),
      commands_(game_, files_, roles_.front_end) {}

void GameSession::Start(const std::string& program_directory, std::uint32_t seed, int language, int stored_level,
                        const std::string& game_file) {
  state.program_directory = program_directory;
  random_.Seed(seed);
  state.language.Set(language);
  commands_.ReadProgressAndLevels(game_file, stored_level);
  commands_.StartFirstLevel();
  roles_.controls.ApplyLanguage();
  state.language.AddListener([this] { roles_.controls.ApplyLanguage(); });
  view_.set_animation_frame(0);
}

}  // namespace verlumo
