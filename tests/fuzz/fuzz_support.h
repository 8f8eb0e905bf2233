// What the fuzz targets share: stopping with a message when an invariant the game relies on is
// broken (libFuzzer keeps the input that did it), and a scratch folder for the targets that go
// through real files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace verlumo::fuzz {

// Reports a broken invariant and ends the run as a crash, so the input is kept as a reproducer.
inline void Require(bool holds, const char* invariant) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", invariant);
  std::abort();
}

// A folder of this process's own, made on first use, with a trailing separator.
std::string ScratchFolder();

// Replaces the file's contents with the bytes.
void WriteWholeFile(const std::string& path, const std::uint8_t* data, std::size_t size);

}  // namespace verlumo::fuzz
