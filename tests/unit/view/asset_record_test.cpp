// Decoding asset records and LZRW1/KH chunks, including records that are cut off or corrupt.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "view/asset_record.h"
#include "view/lzrw1kh.h"

namespace verlumo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Decompress(const Bytes& chunk, std::string* error = nullptr) {
  Bytes out;
  std::string message = DecompressChunk(chunk.data(), chunk.size(), out);
  if (error != nullptr) *error = message;
  return out;
}

// One item of a compressed chunk: a literal byte, or the bytes of a copy or run item.
struct Item {
  bool literal;
  Bytes bytes;
};
Item Literal(std::uint8_t byte) { return {true, {byte}}; }
Item Copy(int offset, int count) {
  return {false, {static_cast<std::uint8_t>(offset >> 4),
                  static_cast<std::uint8_t>((offset & 15) << 4 | (count - 3))}};
}
Item RunItem(int count, std::uint8_t value) {
  const int n = count - 16;
  return {false,
          {0, static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n & 0xFF), value}};
}
// Runs of 'r' that make exactly `length` bytes (at least 16).
std::vector<Item> RunsOf(int length) {
  std::vector<Item> items;
  for (; length > 4111 + 16; length -= 4111) items.push_back(RunItem(4111, 'r'));
  if (length > 4111) {
    items.push_back(RunItem(length - 16, 'r'));
    length = 16;
  }
  items.push_back(RunItem(length, 'r'));
  return items;
}
// A compressed chunk: each group of up to 16 items behind its control word, high byte first.
Bytes CompressedChunk(const std::vector<Item>& items) {
  Bytes chunk{kLzrwCompressed};
  for (std::size_t group = 0; group < items.size(); group += 16) {
    const std::size_t end = std::min(items.size(), group + 16);
    unsigned control = 0;
    for (std::size_t i = group; i < end; ++i)
      if (!items[i].literal) control |= 0x8000u >> (i - group);
    chunk.push_back(static_cast<std::uint8_t>(control >> 8));
    chunk.push_back(static_cast<std::uint8_t>(control & 0xFF));
    for (std::size_t i = group; i < end; ++i)
      chunk.insert(chunk.end(), items[i].bytes.begin(), items[i].bytes.end());
  }
  return chunk;
}

TEST(Lzrw1khChunk, StoredChunkYieldsItsBytesUpToAFullPiece) {
  Bytes chunk(kLzrwPieceSize + 1);
  chunk[0] = kLzrwStored;
  for (std::size_t i = 1; i < chunk.size(); ++i) chunk[i] = static_cast<std::uint8_t>(i * 7);
  const Bytes piece = Decompress(chunk);
  ASSERT_EQ(piece.size(), 32781u);
  EXPECT_TRUE(std::equal(piece.begin(), piece.end(), chunk.begin() + 1));

  chunk.push_back(0);  // one byte more than a piece can hold
  std::string error;
  EXPECT_TRUE(Decompress(chunk, &error).empty());
  EXPECT_FALSE(error.empty());
}

TEST(Lzrw1khChunk, ItemsDecodeAsLiteralCopyAndRun) {
  // Control 0100 0000 ...: a literal 'x', then a copy with offset 1 and (b1 mod 16) = 2, which
  // repeats the last byte 5 times, reading bytes it has just produced.
  EXPECT_EQ(Decompress({0x40, 0x40, 0x00, 'x', 0x00, 0x12}), Bytes(6, 'x'));

  // A copy with offset 3 of 4 bytes overlaps itself: "abc" -> "abcabca".
  EXPECT_EQ(Decompress({0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x31}),
            (Bytes{'a', 'b', 'c', 'a', 'b', 'c', 'a'}));

  EXPECT_EQ(Decompress({0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 0x41}), Bytes(16, 0x41));
  EXPECT_EQ(Decompress({0x40, 0x80, 0x00, 0x00, 0x0F, 0xFF, 0x41}), Bytes(4111, 0x41));
}

TEST(Lzrw1khChunk, CopiesReachAsFarBackAndAsLongAsTheirItemSays) {
  // 4095 different-looking literals, then one copy: every offset byte and every count must be
  // read whole, or the copy repeats other bytes or a different number of them.
  std::vector<Item> literals;
  Bytes text;
  for (int i = 0; i < 4095; ++i) {
    text.push_back(static_cast<std::uint8_t>(i * 7 + i / 256));
    literals.push_back(Literal(text.back()));
  }
  for (auto [offset, count] : {std::pair{1, 3}, {15, 18}, {16, 5}, {17, 4}, {300, 11},
                               {0x123, 16}, {4095, 18}, {4095, 3}}) {
    std::vector<Item> items = literals;
    items.push_back(Copy(offset, count));
    Bytes expected = text;
    for (int i = 0; i < count; ++i) {
      const std::uint8_t repeated = expected[expected.size() - offset];
      expected.push_back(repeated);
    }
    EXPECT_EQ(Decompress(CompressedChunk(items)), expected) << offset << " back, " << count;
  }
}

TEST(Lzrw1khChunk, ANewControlWordIsReadAfterSixteenItems) {
  Bytes chunk{0x40, 0x00, 0x00};
  for (int i = 0; i < 16; ++i) chunk.push_back(static_cast<std::uint8_t>('a' + i));
  chunk.insert(chunk.end(), {0x80, 0x00, 0x00, 0x00, 0x00, 'z'});  // second group: one run
  Bytes expected;
  for (int i = 0; i < 16; ++i) expected.push_back(static_cast<std::uint8_t>('a' + i));
  expected.insert(expected.end(), 16, 'z');
  EXPECT_EQ(Decompress(chunk), expected);
}

TEST(Lzrw1khChunk, AChunkMayEndRightAfterAControlWord) {
  std::string error = "not run";
  EXPECT_TRUE(Decompress({0x40, 0x00, 0x00}, &error).empty());
  EXPECT_EQ(error, "");
  std::vector<Item> sixteen;
  for (int i = 0; i < 16; ++i) sixteen.push_back(Literal(static_cast<std::uint8_t>('a' + i)));
  Bytes chunk = CompressedChunk(sixteen);
  chunk.insert(chunk.end(), {0x00, 0x00});  // a second control word with no items behind it
  EXPECT_EQ(Decompress(chunk, &error).size(), 16u);
  EXPECT_EQ(error, "");
}

TEST(Lzrw1khChunk, APieceHoldsExactly32781BytesWhateverItemsFillIt) {
  struct Case {
    int runs;               // bytes of runs first
    std::vector<Item> end;  // then these items
    bool fits;
  };
  for (const Case& c : {Case{32780, {Literal('x')}, true},
                        Case{32780, {Literal('x'), Literal('y')}, false},
                        Case{32778, {Copy(1, 3)}, true},
                        Case{32778, {Copy(1, 4)}, false},
                        Case{32765, {RunItem(16, 'z')}, true},
                        Case{32765, {RunItem(17, 'z')}, false}}) {
    std::vector<Item> items = RunsOf(c.runs);
    items.insert(items.end(), c.end.begin(), c.end.end());
    const Bytes chunk = CompressedChunk(items);
    Bytes out{9};
    const std::string error = DecompressChunk(chunk.data(), chunk.size(), out);
    EXPECT_EQ(error.empty(), c.fits) << c.runs << " bytes of runs and " << c.end.size() << " more";
    EXPECT_EQ(out.size(), c.fits ? 1u + kLzrwPieceSize : 1u) << "a refused chunk adds nothing";
  }
  // 32782 literals, with no run or copy at all.
  Bytes out;
  const Bytes literals = CompressedChunk(std::vector<Item>(kLzrwPieceSize + 1, Literal('l')));
  EXPECT_FALSE(DecompressChunk(literals.data(), literals.size(), out).empty());
  EXPECT_TRUE(out.empty());
}

TEST(Lzrw1khChunk, MalformedChunksAreRefusedWithoutTouchingTheOutput) {
  const std::vector<Bytes> malformed = {
      {},                                    // no method byte
      {0x22, 1, 2, 3},                       // unknown method
      {0x40, 0x00},                          // control word cut off
      {0x40, 0x80, 0x00, 0x00},              // copy item cut off
      {0x40, 0x80, 0x00, 0x00, 0x00, 0x00},  // run item cut off
      {0x40, 0x80, 0x00, 0x00, 0x12},        // copy before the start of the piece
      {0x40, 0x20, 0x00, 'a', 0x00, 0x2F},   // copy reaching 2 back after 1 byte
  };
  for (const Bytes& chunk : malformed) {
    Bytes out{9, 9};
    EXPECT_FALSE(DecompressChunk(chunk.data(), chunk.size(), out).empty())
        << "chunk of " << chunk.size() << " bytes";
    EXPECT_EQ(out, (Bytes{9, 9}));
  }

  // Eight runs of 4111 bytes make more than one piece.
  Bytes too_long{0x40, 0xFF, 0x00};
  for (int i = 0; i < 8; ++i) too_long.insert(too_long.end(), {0x00, 0x0F, 0xFF, 0x41});
  std::string error;
  Decompress(too_long, &error);
  EXPECT_FALSE(error.empty());
}

TEST(AssetRecord, ReadsEveryOptionalFieldAndThePixelFormat) {
  const Bytes plain{0x0E | 0x60, 3, 'a', 'b', 'c', 0xFE, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 'B', 'M'};
  const ParsedAsset parsed = ParseAssetRecord(plain.data(), plain.size());
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.record.description, "abc");
  EXPECT_EQ(parsed.record.identifier, -2);
  EXPECT_EQ(parsed.record.pixel_format, 2);  // 0x20 and 0x40 set: the lowest bit decides
  EXPECT_EQ(parsed.record.data, (Bytes{'B', 'M'}));

  for (const Bytes& no_data : {Bytes{0x00}, Bytes{0x01}}) {  // the compressed flag alone brings none
    const ParsedAsset empty = ParseAssetRecord(no_data.data(), no_data.size());
    EXPECT_EQ(empty.error, "");
    EXPECT_TRUE(empty.record.data.empty());
    EXPECT_EQ(empty.record.identifier, 0) << "a record without one has identifier 0";
  }

  for (auto [flags, format] :
       {std::pair{0x10, 1}, {0x20, 2}, {0x40, 3}, {0x80, 4}, {0xF0, 1}, {0x00, 0}, {0x01, 0}}) {
    const Bytes bare{static_cast<std::uint8_t>(flags)};
    const ParsedAsset flags_only = ParseAssetRecord(bare.data(), bare.size());
    EXPECT_EQ(flags_only.error, "") << flags;
    EXPECT_EQ(flags_only.record.pixel_format, format) << flags;
  }
}

TEST(AssetRecord, CompressedDataIsTheConcatenationOfItsChunks) {
  // Two chunks: a stored "ab" and a run of 16 'c'. T = (4 + 3) + (4 + 7) = 18.
  const Bytes record{0x09, 18, 0, 0, 0, 3, 0, 0, 0, 0x80, 'a', 'b',
                     7, 0, 0, 0, 0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 'c'};
  const ParsedAsset parsed = ParseAssetRecord(record.data(), record.size());
  ASSERT_EQ(parsed.error, "");
  Bytes expected(18, 'c');
  expected[0] = 'a';
  expected[1] = 'b';
  EXPECT_EQ(parsed.record.data, expected);
}

TEST(AssetRecord, ARecordMayEndWithItsDescription) {
  const Bytes record{0x02, 3, 'a', 'b', 'c'};
  const ParsedAsset parsed = ParseAssetRecord(record.data(), record.size());
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.record.description, "abc");
}

TEST(AssetRecord, TruncatedOrCorruptRecordsGiveAnErrorAndNoData) {
  const Bytes good{0x09, 18, 0, 0, 0, 3, 0, 0, 0, 0x80, 'a', 'b',
                   7, 0, 0, 0, 0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 'c'};
  const Bytes plain{0x0E, 1, 'd', 0x07, 0, 0, 0, 3, 0, 0, 0, 'B', 'M', '!'};
  for (const Bytes& record : {good, plain}) {
    ASSERT_EQ(ParseAssetRecord(record.data(), record.size()).error, "");
    for (std::size_t length = 0; length < record.size(); ++length) {
      const ParsedAsset cut = ParseAssetRecord(record.data(), length);
      EXPECT_FALSE(cut.error.empty()) << "cut at " << length;
      EXPECT_TRUE(cut.record.data.empty());
    }
  }
  Bytes lying_total = good;
  lying_total[1] = 200;  // claims more chunk bytes than the record holds
  EXPECT_FALSE(ParseAssetRecord(lying_total.data(), lying_total.size()).error.empty());
  Bytes total_one_too_many = good;
  total_one_too_many.push_back(0);  // a byte the total counts, too short for a chunk length
  total_one_too_many[1] = 19;
  EXPECT_NE(ParseAssetRecord(total_one_too_many.data(), total_one_too_many.size()).error, "");
  Bytes corrupt_second_chunk = good;
  corrupt_second_chunk[16] = 0x22;  // neither stored nor compressed
  const ParsedAsset corrupt =
      ParseAssetRecord(corrupt_second_chunk.data(), corrupt_second_chunk.size());
  EXPECT_FALSE(corrupt.error.empty());
  EXPECT_TRUE(corrupt.record.data.empty()) << "never the first chunk's bytes alone";
  Bytes huge_chunk = good;
  huge_chunk[8] = 0x7F;  // first chunk length near 2^31
  EXPECT_FALSE(ParseAssetRecord(huge_chunk.data(), huge_chunk.size()).error.empty());
  const Bytes plain_too_long{0x08, 10, 0, 0, 0, 'x'};
  EXPECT_FALSE(ParseAssetRecord(plain_too_long.data(), plain_too_long.size()).error.empty());
  const Bytes description_cut{0x02, 5, 'a'};
  EXPECT_FALSE(ParseAssetRecord(description_cut.data(), description_cut.size()).error.empty());

  // Where a field ends exactly at the record's end, the next one is missing, never read from
  // bytes already taken.
  for (auto [record, error] : {std::pair{Bytes{0x06, 4, 'a', 'b', 'c', 'd'}, "identifier cut off"},
                               {Bytes{0x09, 4, 0, 0, 0, 0, 0, 0, 0}, "empty chunk"}}) {
    EXPECT_EQ(ParseAssetRecord(record.data(), record.size()).error, error);
  }
}

}  // namespace
}  // namespace verlumo
