// Decoding the asset records into surfaces and sounds, and a game drawing into memory.
#include "web/memory_game.h"

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

DecodedAssets DecodeSheetRecords(const std::array<std::vector<std::uint8_t>, 3>& bitmap_records) {
  static constexpr const char* kBitmapNames[] = {"bitmap0.rec", "bitmap1.rec", "bitmap2.rec"};
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
  return assets;
}

std::uint32_t BlackIn(PixelOrder order) { return order == PixelOrder::kCanvas ? 0xFF000000u : 0u; }

}  // namespace

SoundImages DecodeSoundRecords(const std::array<std::vector<std::uint8_t>, 2>& sound_records, std::string& error) {
  static constexpr const char* kSoundNames[] = {"sound0.rec", "sound1.rec"};
  SoundImages sounds;
  for (std::size_t i = 0; i < sound_records.size() && error.empty(); ++i) {
    sounds[i] = RecordData(sound_records[i], kSoundNames[i], error);
    // A sound the player could not be trusted with is left empty, and so plays nothing.
    if (!IsPlayableWaveImage(sounds[i])) sounds[i].clear();
  }
  if (!error.empty()) sounds = {};
  return sounds;
}

DecodedAssets DecodeAssetRecords(const std::array<std::vector<std::uint8_t>, 3>& bitmap_records,
                                 const std::array<std::vector<std::uint8_t>, 2>& sound_records) {
  DecodedAssets assets = DecodeSheetRecords(bitmap_records);
  if (assets.error.empty()) assets.sounds = DecodeSoundRecords(sound_records, assets.error);
  return assets;
}

MemoryGame::MemoryGame(DecodedAssets assets, WaveOutput& wave_output, FrontEnd& front_end)
    : box(kBoardAreaWidth, kBoardAreaHeight, BlackIn(assets.order)),
      levelbox(kLevelCounterWidth, kLevelCounterHeight, BlackIn(assets.order)),
      cell_buffer(kCellBufferSize, kCellBufferSize, BlackIn(assets.order)),
      sheets_(std::move(assets.sheets)),
      session_(SessionSurfaces{BitmapList{sheets_[0], sheets_[1], sheets_[2]}, box, levelbox, cell_buffer},
               wave_output, std::move(assets.sounds), front_end) {}

}  // namespace verlumo
