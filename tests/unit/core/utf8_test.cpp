// The strict UTF-8 reading behind the core's file names on Windows.
#include "core/utf8.h"

#include <gtest/gtest.h>

namespace verlumo {
namespace {

TEST(Utf8, WellFormedTextBecomesItsUtf16CodeUnits) {
  EXPECT_EQ(Utf8ToUtf16(""), u"");
  EXPECT_EQ(Utf8ToUtf16("C:\\Spiele\\mine.vlm"), u"C:\\Spiele\\mine.vlm");
  EXPECT_EQ(Utf8ToUtf16("M\xC3\xBChle\xE2\x82\xAC"), u"M\u00FChle\u20AC");
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600") << "a surrogate pair";
  EXPECT_EQ(Utf8ToUtf16("\xF4\x8F\xBF\xBF\xEF\xBF\xBF"), u"\U0010FFFF\uFFFF") << "the largest values";
  EXPECT_EQ(Utf8ToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
  // The first and last value of each length, and those on either side of the surrogates.
  EXPECT_EQ(Utf8ToUtf16("\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xF0\x90\x80\x80"),
            u"\u007F\u0080\u07FF\u0800\uD7FF\uE000\U00010000");
}

TEST(Utf8, MalformedTextNamesNothing) {
  for (const char* text : {
           "\x80", "abc\xBF",           // continuation bytes without a lead
           "\x88\x90\x80\x80", "\xF8\x90\x80\x80",  // no lead, though three continuations follow
           "\xC3", "x\xE2\x82", "\xF0\x9F\x98",  // cut off
           "\xC3x", "\xE2\x28\xA1",     // a lead followed by something else
           "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",  // over-long forms
           "\xED\xA0\x80", "\xED\xBF\xBF",  // encoded surrogates
           "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF",  // beyond U+10FFFF
       }) {
    EXPECT_FALSE(Utf8ToUtf16(text).has_value()) << testing::PrintToString(std::string(text));
  }
}

}  // namespace
}  // namespace verlumo
