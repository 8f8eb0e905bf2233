// The compressed form of an asset record.
#include "tools/assetpack/asset_record_writer.h"

#include <algorithm>

#include "tools/assetpack/lzrw1kh_compress.h"
#include "view/asset_record.h"
#include "view/lzrw1kh.h"

namespace verlumo {
namespace {

void AppendUint32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> WriteAssetRecord(const std::vector<std::uint8_t>& file_image,
                                           std::optional<std::int32_t> identifier) {
  std::vector<std::uint8_t> chunks;
  for (std::size_t start = 0; start < file_image.size(); start += kLzrwPieceSize) {
    const std::size_t end = std::min(file_image.size(), start + kLzrwPieceSize);
    const std::vector<std::uint8_t> piece(file_image.begin() + static_cast<std::ptrdiff_t>(start),
                                          file_image.begin() + static_cast<std::ptrdiff_t>(end));
    const std::vector<std::uint8_t> chunk = CompressChunk(piece);
    AppendUint32(chunks, static_cast<std::uint32_t>(chunk.size()));
    chunks.insert(chunks.end(), chunk.begin(), chunk.end());
  }

  std::uint8_t flags = asset_flags::kCompressed | asset_flags::kData;
  if (identifier) flags |= asset_flags::kIdentifier;
  std::vector<std::uint8_t> record{flags};
  if (identifier) AppendUint32(record, static_cast<std::uint32_t>(*identifier));
  AppendUint32(record, static_cast<std::uint32_t>(chunks.size()));
  record.insert(record.end(), chunks.begin(), chunks.end());
  return record;
}

}  // namespace verlumo
