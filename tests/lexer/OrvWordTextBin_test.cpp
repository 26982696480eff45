// Tests of the bin of dropped word texts: texts are exact copies, a dropped
// array serves the next text of its length only, the bin keeps a bounded
// number of arrays, and the empty text stays null.
#include "OrvWordTextBin.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "TestStrings.h"

namespace {

TEST(OrvWordTextBinTest, SetTextCopiesExactlyTheCharacters) {
  OrvWordTextBin bin;
  VString text;
  const char word[] = "MOVE-IT XYZ";
  bin.SetText(text, word, 7);
  EXPECT_EQ(Str(text), "MOVE-IT");
  EXPECT_EQ(text.length, 7);
  EXPECT_EQ(text.text[7], '\0');
  EXPECT_NE(static_cast<const char*>(text.text), word);
}

TEST(OrvWordTextBinTest, EmptyTextIsNull) {
  OrvWordTextBin bin;
  VString text;
  bin.SetText(text, "ABC", 3);
  bin.SetText(text, "ABC", 0);
  EXPECT_EQ(text.text, nullptr);
  EXPECT_EQ(text.length, 0);
  bin.Drop(text);
  EXPECT_EQ(text.text, nullptr);
}

TEST(OrvWordTextBinTest, DroppedArrayServesTheNextTextOfItsLength) {
  OrvWordTextBin bin;
  VString first;
  bin.SetText(first, "PERFORM", 7);
  const char* array = first.text;
  bin.Drop(first);
  EXPECT_EQ(first.text, nullptr);
  EXPECT_EQ(first.length, 0);

  VString other;
  bin.SetText(other, "ADD", 3);
  EXPECT_NE(static_cast<const char*>(other.text), array);
  VString same;
  bin.SetText(same, "DISPLAY", 7);
  EXPECT_EQ(static_cast<const char*>(same.text), array);
  EXPECT_EQ(Str(same), "DISPLAY");
}

TEST(OrvWordTextBinTest, SetTextPutsTheOldArrayInTheBin) {
  OrvWordTextBin bin;
  VString text;
  bin.SetText(text, "ALPHA", 5);
  const char* old = text.text;
  bin.SetText(text, "BE", 2);
  EXPECT_EQ(Str(text), "BE");
  VString next;
  bin.SetText(next, "GAMMA", 5);
  EXPECT_EQ(static_cast<const char*>(next.text), old);
}

TEST(OrvWordTextBinTest, KeepsABoundedNumberOfArraysAndLongTextsNone) {
  OrvWordTextBin bin;
  // More arrays of one length than the bin keeps: the first ones dropped
  // stay, the rest are released (the sanitizer build's leak check sees any
  // array that is neither).
  std::vector<VString> texts(OrvWordTextBin::kPerLength + 3);
  for (VString& t : texts) bin.SetText(t, "WORD", 4);
  std::set<const char*> kept;
  for (int i = 0; i < OrvWordTextBin::kPerLength; ++i) kept.insert(texts[i].text);
  for (VString& t : texts) bin.Drop(t);

  // The kept arrays are still owned by the bin, so no new array can take
  // their place: exactly kPerLength of the new texts get one of them.
  for (VString& t : texts) bin.SetText(t, "TEXT", 4);
  int fromBin = 0;
  for (const VString& t : texts) {
    EXPECT_EQ(Str(t), "TEXT");
    if (kept.count(t.text) != 0) ++fromBin;
  }
  EXPECT_EQ(fromBin, OrvWordTextBin::kPerLength);

  // A text longer than the kept lengths is copied and released as usual.
  const std::string longWord(OrvWordTextBin::kMaxKeptLength + 1, 'L');
  VString longText;
  bin.SetText(longText, longWord.data(), static_cast<int>(longWord.size()));
  EXPECT_EQ(Str(longText), longWord);
  bin.Drop(longText);
  EXPECT_EQ(longText.text, nullptr);
}

}  // namespace
