// Reading the asset records embedded in the program.
#include "shell/asset_lists.h"

#include <windows.h>

#include <optional>

#include "shell/platform/program_path.h"
#include "shell/resource_ids.h"
#include "view/asset_record.h"
#include "view/wave_image.h"

namespace verlumo {
namespace {

// Where bytes of the loaded program image lie in the program file: at the same distance from
// the start of their section's bytes in the file as from the section's start in memory.
std::optional<LONGLONG> FileOffsetInProgram(HMODULE module, const void* bytes, DWORD size) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const auto address = static_cast<DWORD>(static_cast<const BYTE*>(bytes) - base);
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(headers);
  for (WORD i = 0; i < headers->FileHeader.NumberOfSections; ++i, ++section) {
    const DWORD into = address - section->VirtualAddress;
    if (address >= section->VirtualAddress && into <= section->SizeOfRawData &&
        size <= section->SizeOfRawData - into) {
      return LONGLONG{section->PointerToRawData} + into;
    }
  }
  return std::nullopt;
}

// The program file, open for reading the records; closed with the object.
class ProgramFileReader {
 public:
  ProgramFileReader()
      : file_(CreateFileW(ProgramFile().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {}
  ~ProgramFileReader() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  }
  ProgramFileReader(const ProgramFileReader&) = delete;
  ProgramFileReader& operator=(const ProgramFileReader&) = delete;

  // size bytes from offset, or nothing when the file cannot give them all.
  std::optional<std::vector<std::uint8_t>> Read(LONGLONG offset, DWORD size) const {
    if (file_ == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER position{};
    position.QuadPart = offset;
    std::vector<std::uint8_t> bytes(size);
    DWORD read = 0;
    if (!SetFilePointerEx(file_, position, nullptr, FILE_BEGIN) ||
        !ReadFile(file_, bytes.data(), size, &read, nullptr) || read != size) {
      return std::nullopt;
    }
    return bytes;
  }

 private:
  HANDLE file_;
};

// The file image held by the record resource id, or an error naming it. The record's bytes are
// read from the program file into memory that is given back once they are decoded: touching
// them where the program is mapped would keep the section's pages, nearly a megabyte, resident
// for the rest of the run. Only when the file cannot be read are the mapped bytes used.
std::vector<std::uint8_t> ReadRecord(const ProgramFileReader& program, int id, std::string& error) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(RT_ASSET_RECORD));
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) {
    error = "asset record " + std::to_string(id) + " is missing";
    return {};
  }
  const DWORD size = SizeofResource(module, found);
  const std::optional<LONGLONG> offset = FileOffsetInProgram(module, bytes, size);
  const std::optional<std::vector<std::uint8_t>> copy = offset ? program.Read(*offset, size) : std::nullopt;
  ParsedAsset parsed = ParseAssetRecord(copy ? copy->data() : static_cast<const std::uint8_t*>(bytes), size);
  if (!parsed.error.empty()) {
    error = "asset record " + std::to_string(id) + ": " + parsed.error;
    return {};
  }
  return std::move(parsed.record.data);
}

}  // namespace

AssetLists LoadAssetLists() {
  const ProgramFileReader program;
  AssetLists lists;
  for (std::size_t i = 0; i < lists.bitmaps.size() && lists.error.empty(); ++i) {
    lists.bitmaps[i] = ReadRecord(program, IDR_BITMAP_LIST_FIRST + static_cast<int>(i), lists.error);
  }
  for (std::size_t i = 0; i < lists.sounds.size() && lists.error.empty(); ++i) {
    lists.sounds[i] = ReadRecord(program, IDR_SOUND_LIST_FIRST + static_cast<int>(i), lists.error);
    // A sound the player could not be trusted with is left empty, and so plays nothing.
    if (!IsPlayableWaveImage(lists.sounds[i])) lists.sounds[i].clear();
  }
  return lists;
}

}  // namespace verlumo
