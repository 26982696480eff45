// The text arrays of values: every array holds its text and closing NUL, a
// short array given back serves the next text of its size class, a long
// text's array whose text became short serves short texts, and the values
// built from streams own a copy of the text while the stream keeps its
// buffer.
#include "VStringText.h"

#include "PoolArenas.h"
#include "VString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(VStringText, EveryArrayHoldsTheTextAndItsNul) {
  // Lengths around each size step and the largest kept array.
  const int lengths[] = {0, 1, 14, 15, 16, 31, 32, 47, 48, 62, 63, 64, 65, 200};
  for (int n : lengths) {
    char* text = VStringText::New(n);
    ASSERT_NE(text, nullptr) << n;
    std::memset(text, 'x', static_cast<size_t>(n));
    text[n] = '\0';
    EXPECT_EQ(std::strlen(text), static_cast<size_t>(n));
    VStringText::Delete(text, n);
  }
}

TEST(VStringText, AShortArrayGivenBackServesTheNextTextOfItsSize) {
  if (kPoolsBypassed) GTEST_SKIP() << "the texts use the heap under AddressSanitizer";
  // 20 and 30 characters need one size (32 bytes); 40 needs the next.
  char* first = VStringText::New(20);
  VStringText::Delete(first, 20);
  char* again = VStringText::New(30);
  EXPECT_EQ(again, first);
  char* larger = VStringText::New(40);
  EXPECT_NE(larger, first);
  VStringText::Delete(again, 30);
  VStringText::Delete(larger, 40);
}

TEST(VStringText, ALongArrayWhoseTextBecameShortServesShortTexts) {
  if (kPoolsBypassed) GTEST_SKIP() << "the texts use the heap under AddressSanitizer";
  char* text = VStringText::New(100);
  VStringText::Delete(text, 5);
  char* reused = VStringText::New(15);
  EXPECT_EQ(reused, text);
  std::memset(reused, 'y', 15);
  reused[15] = '\0';
  EXPECT_EQ(std::strlen(reused), 15u);
  VStringText::Delete(reused, 15);
}

TEST(VStringText, AValueWhoseTextShrinksGivesItsArrayBackWhole) {
  // RemoveChars keeps the array of the longer text for the shorter one.
  VString v("A-B-C-D-E-F-G-H-I-J-K-L-M-N-O-P-Q-R-S-T-U-V-W-X-Y-Z-0-1-2-3-4-5-6-7-8-9");
  v.RemoveChars(VString("-"));
  EXPECT_STREQ(v.text, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
  EXPECT_EQ(v.length, 36);
  VString copy(v);
  EXPECT_STREQ(copy.text, v.text);
}

TEST(VStringText, AValueFromAStreamOwnsACopyAndTheStreamStaysUsable) {
  FastOstrstream os;
  os << "first";
  VString first(os);
  EXPECT_STREQ(first.text, "first");
  EXPECT_EQ(first.length, 5);
  // The value's array is its own: the stream keeps and releases its buffer.
  EXPECT_NE(static_cast<const char*>(first.text), os.str());
  os.freeze(false);
  os << "more";
  EXPECT_TRUE(os.good());
  EXPECT_STREQ(first.text, "first");
}

}  // namespace
