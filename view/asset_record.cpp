// Reading asset records, checked against the record's length at every step.
#include "view/asset_record.h"

#include "view/lzrw1kh.h"

namespace verlumo {
namespace {

// A cursor over the record that refuses to read past its end.
class RecordReader {
 public:
  RecordReader(const std::uint8_t* bytes, std::size_t length) : bytes_(bytes), length_(length) {}

  std::size_t remaining() const { return length_ - position_; }
  const std::uint8_t* here() const { return bytes_ + position_; }

  bool Byte(std::uint8_t& value) {
    if (remaining() < 1) return false;
    value = bytes_[position_++];
    return true;
  }
  bool Uint32(std::uint32_t& value) {
    if (remaining() < 4) return false;
    value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | bytes_[position_ + static_cast<std::size_t>(i)];
    position_ += 4;
    return true;
  }
  bool Skip(std::size_t count) {
    if (remaining() < count) return false;
    position_ += count;
    return true;
  }

 private:
  const std::uint8_t* bytes_;
  std::size_t length_;
  std::size_t position_ = 0;
};

int PixelFormatCode(std::uint8_t flags) {
  for (int code = 1; code <= 4; ++code) {
    if (flags & (0x10 << (code - 1))) return code;  // the lowest set bit decides
  }
  return 0;
}

std::string ReadCompressedData(RecordReader& reader, std::vector<std::uint8_t>& data) {
  std::uint32_t total = 0;
  if (!reader.Uint32(total)) return "compressed data length cut off";
  std::size_t unread = total;
  while (unread > 0) {
    std::uint32_t chunk_length = 0;
    if (unread < 4 || !reader.Uint32(chunk_length)) return "chunk length cut off";
    unread -= 4;
    if (chunk_length > unread || chunk_length > reader.remaining()) return "chunk longer than the record";
    std::string error = DecompressChunk(reader.here(), chunk_length, data);
    if (!error.empty()) return error;
    reader.Skip(chunk_length);
    unread -= chunk_length;
  }
  return {};
}

}  // namespace

ParsedAsset ParseAssetRecord(const std::uint8_t* bytes, std::size_t length) {
  ParsedAsset parsed;
  AssetRecord& record = parsed.record;
  RecordReader reader(bytes, length);

  if (!reader.Byte(record.flags)) return {{}, "empty asset record"};
  record.pixel_format = PixelFormatCode(record.flags);

  if (record.flags & asset_flags::kDescription) {
    std::uint8_t description_length = 0;
    if (!reader.Byte(description_length) || reader.remaining() < description_length) {
      return {{}, "description cut off"};
    }
    record.description.assign(reinterpret_cast<const char*>(reader.here()), description_length);
    reader.Skip(description_length);
  }
  if (record.flags & asset_flags::kIdentifier) {
    std::uint32_t identifier = 0;
    if (!reader.Uint32(identifier)) return {{}, "identifier cut off"};
    record.identifier = static_cast<std::int32_t>(identifier);
  }
  if (record.flags & asset_flags::kData) {
    if (record.flags & asset_flags::kCompressed) {
      std::string error = ReadCompressedData(reader, record.data);
      if (!error.empty()) return {{}, error};
    } else {
      std::uint32_t data_length = 0;
      if (!reader.Uint32(data_length)) return {{}, "data length cut off"};
      if (data_length > reader.remaining()) return {{}, "data longer than the record"};
      record.data.assign(reader.here(), reader.here() + data_length);
    }
  }
  return parsed;
}

}  // namespace verlumo
