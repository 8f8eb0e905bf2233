// The art generator's files, made once per test run and shared by the tests that inspect them.
#pragma once

#include <string>
#include <vector>

#include "tests/unit/art/bmp_reader.h"
#include "tools/artgen/asset_set.h"

namespace art_test {

const std::vector<artgen::Asset>& GeneratedAssets();

// The bytes of one generated file; fails the test (by throwing) when there is no such file.
const Bytes& FileNamed(const std::string& name);

// One generated BMP file, decoded.
DecodedBmp BmpNamed(const std::string& name);

}  // namespace art_test
