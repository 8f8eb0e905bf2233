// Writing asset records: flags, an optional identifier, and the file image cut into pieces of
// 32781 bytes, each compressed by itself.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace verlumo {

std::vector<std::uint8_t> WriteAssetRecord(const std::vector<std::uint8_t>& file_image,
                                           std::optional<std::int32_t> identifier);

}  // namespace verlumo
