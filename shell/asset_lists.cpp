// Reading the asset records embedded in the program.
#include "shell/asset_lists.h"

#include <windows.h>

#include "shell/resource_ids.h"
#include "view/asset_record.h"
#include "view/wave_image.h"

namespace verlumo {
namespace {

// The file image held by the record resource id, or an error naming it.
std::vector<std::uint8_t> ReadRecord(int id, std::string& error) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(RT_ASSET_RECORD));
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) {
    error = "asset record " + std::to_string(id) + " is missing";
    return {};
  }
  ParsedAsset parsed = ParseAssetRecord(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found));
  if (!parsed.error.empty()) {
    error = "asset record " + std::to_string(id) + ": " + parsed.error;
    return {};
  }
  return std::move(parsed.record.data);
}

}  // namespace

AssetLists LoadAssetLists() {
  AssetLists lists;
  for (std::size_t i = 0; i < lists.bitmaps.size() && lists.error.empty(); ++i) {
    lists.bitmaps[i] = ReadRecord(IDR_BITMAP_LIST_FIRST + static_cast<int>(i), lists.error);
  }
  for (std::size_t i = 0; i < lists.sounds.size() && lists.error.empty(); ++i) {
    lists.sounds[i] = ReadRecord(IDR_SOUND_LIST_FIRST + static_cast<int>(i), lists.error);
    // A sound the player could not be trusted with is left empty, and so plays nothing.
    if (!IsPlayableWaveImage(lists.sounds[i])) lists.sounds[i].clear();
  }
  return lists;
}

}  // namespace verlumo
