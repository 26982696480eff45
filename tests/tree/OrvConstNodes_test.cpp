// Constant and literal leaves: the conversions between a literal's image and
// its value, the leaf operations and setters, clones and TIC records.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "MessageRecorder.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "TestStrings.h"

namespace {

std::string Bytes(const VString& v) {
  return v.text ? std::string(v.text, static_cast<size_t>(v.length)) : std::string();
}

VString Make(const std::string& bytes) {
  VString v(std::string(bytes.size(), ' ').c_str());
  for (size_t i = 0; i < bytes.size(); ++i) v.text[i] = bytes[i];
  return v;
}

// --- image to value -----------------------------------------------------------

struct ImageCase {
  const char* image;
  std::string value;    // expected bytes on success
  const char* message;  // expected message, or null for success
};

const ImageCase kImageCases[] = {
    {"'ABC'", "ABC", nullptr},
    {"\"ABC\"", "ABC", nullptr},
    {"''", "", nullptr},
    {"'IT''S'", "IT''S", nullptr},  // the doubled delimiter stays as written
    {"\"SAY \"\"HI\"\"\"", "SAY \"\"HI\"\"", nullptr},
    {"'A\"B'", "A\"B", nullptr},
    {"'AB'CD", "AB", nullptr},
    {"'ABC", "", "$Bad string image: Unterminated string image$"},
    {"'IT''", "", "$Bad string image: Unterminated string image$"},
    {"B'0101'", "0101", nullptr},
    {"b\"10\"", "10", nullptr},
    {"B'1a2'", "1A2", nullptr},  // not tested for being binary digits
    {"B'01", "", "$Bad bit string image: Unterminated string image$"},
    {"B01", "", "$Bad string image: [b|B] must be followed by ['|\"]$"},
    {"B", "", "$Bad string image: [b|B] must be followed by ['|\"]$"},
    {"X'4142'", "AB", nullptr},
    {"x'4a'", "J", nullptr},
    {"H\"41\"", "A", nullptr},
    {"h'61'", "a", nullptr},
    {"X'415'", "AP", nullptr},  // a lone last digit is the high half
    {"X''", "", nullptr},
    {"X'00'", std::string(1, '\0'), nullptr},  // a zero byte is kept as such
    {"X'410042'", std::string("A\0B", 3), nullptr},
    {"X'FF'", "\xFF", nullptr},
    {"x'4g'", "", "$Bad hex string image: not hexadecimal digits"},
    {"X'41", "", "$Bad hex string image: Unterminated string image$"},
    {"X41", "", "$Bad string image: [x|H|h|H] must be followed by ['|\"]$"},
    {"Z'1'", "", "$Bad string image: Bad string image format$"},
    {"", "", "$Bad string image: Bad string image format$"},
};

class OrvStrImageValueTest : public ::testing::TestWithParam<ImageCase> {};

TEST_P(OrvStrImageValueTest, ConvertsOrReports) {
  const ImageCase& c = GetParam();
  VString message;
  VString value = OrvStrImageValue(VString(c.image), message);
  if (c.message == nullptr) {
    EXPECT_EQ(message.length, 0);
    EXPECT_EQ(Bytes(value), c.value);
  } else {
    EXPECT_STREQ(message.text, c.message);
    EXPECT_EQ(value.length, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Images, OrvStrImageValueTest, ::testing::ValuesIn(kImageCases));

TEST(OrvStrImageValue, LongLiteralsKeepTheirWholeValue) {
  std::string body(1000, 'Q');
  body[318] = 'x';
  body[999] = 'z';
  VString message;
  VString value = OrvStrImageValue(VString(("'" + body + "'").c_str()), message);
  EXPECT_EQ(message.length, 0);
  EXPECT_EQ(Bytes(value), body);
  std::string hex;
  for (int i = 0; i < 400; ++i) hex += "41";
  VString hv = OrvStrImageValue(VString(("X'" + hex + "'").c_str()), message);
  EXPECT_EQ(Bytes(hv), std::string(400, 'A'));
}

// --- value to image -----------------------------------------------------------

TEST(OrvStrValueImage, QuotedWhenPrintableElseHexadecimal) {
  struct Case {
    std::string value;
    const char* image;
  };
  const Case cases[] = {
      {"A B", "'A B'"},
      {"", "''"},
      {"IT'S", "'IT''S'"},   // a lone delimiter is doubled inside the literal
      {"IT''S", "'IT''S'"},  // a pair, as read from an image, stays
      {"'", "''''"},
      {"'''", "''''''"},
      {"A\tB", "X'410942'"},
      {std::string(1, '\0'), "X'00'"},
      {"\xFF", "X'FF'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.image);
    EXPECT_STREQ(OrvStrValueImage(Make(c.value)).text, c.image);
  }
}

TEST(OrvStrValueImage, QuotedImagesReadBackToThemselves) {
  for (const char* image : {"'IT''S'", "'A'", "''", "'AB''''CD'"}) {
    SCOPED_TRACE(image);
    VString message;
    EXPECT_STREQ(OrvStrValueImage(OrvStrImageValue(VString(image), message)).text, image);
  }
  // A value with a lone apostrophe gives a literal that stands for it.
  VString message;
  EXPECT_EQ(Bytes(OrvStrImageValue(OrvStrValueImage(VString("IT'S")), message)), "IT''S");
}

TEST(OrvStrValueImage, ImageReadsBackToTheValueForNonPrintableValues) {
  for (std::string v : {std::string("\x01\x02", 2), std::string("A\0B", 3), std::string("\n")}) {
    VString message;
    VString back = OrvStrImageValue(OrvStrValueImage(Make(v)), message);
    EXPECT_EQ(Bytes(back), v);
  }
}

// --- OrvStrConst --------------------------------------------------------------

TEST(OrvStrConst, BuiltFromAnImageHoldsItsValue) {
  OrvStrConst good(VString("X'00'"));
  EXPECT_EQ(good.Oper(), STR_CONST);
  EXPECT_STREQ(good.Image()->text, "X'00'");
  EXPECT_EQ(Bytes(good.StrValue()), std::string(1, '\0'));
  EXPECT_STREQ(good.Value().text, "X'00'");
  EXPECT_EQ(good.HasImage(), 1);
  OrvExpr* copy = good.Clone();
  EXPECT_EQ(Bytes(static_cast<OrvStrConst*>(copy)->StrValue()), std::string(1, '\0'));
  delete copy;

  // The bytes behind a zero byte survive clones and copies of the value.
  OrvStrConst inner(VString("X'410042'"));
  OrvExpr* innerCopy = inner.Clone();
  EXPECT_EQ(Bytes(static_cast<OrvStrConst*>(innerCopy)->StrValue()), std::string("A\0B", 3));
  delete innerCopy;
  VString held = inner.StrValue();
  EXPECT_EQ(Bytes(held), std::string("A\0B", 3));
}

TEST(OrvStrConst, BadImageBecomesTheMessage) {
  MessageRecorder rec;
  OrvStrConst bad(VString("Z'1'"));
  EXPECT_STREQ(bad.Image()->text, "$Bad string image: Bad string image format$");
  EXPECT_STREQ(bad.StrValue().text, "$Bad string image: Bad string image format$");
  EXPECT_EQ(rec.size(), 0u);
}

TEST(OrvStrConst, SetImageAndSetValue) {
  OrvStrConst s(VString("'A'"));
  s.SetFromSrc(1);
  VString message;
  EXPECT_EQ(s.SetImage(VString("'B'"), message), 0);
  EXPECT_EQ(Bytes(s.StrValue()), "B");
  EXPECT_EQ(s.FromSrc(), 0);  // reset after a change
  s.SetFromSrc(1);
  EXPECT_EQ(s.SetImage(VString("'open"), message), 33);
  EXPECT_STREQ(message.text, "$Bad string image: Unterminated string image$");
  EXPECT_STREQ(s.Image()->text, "'open");
  EXPECT_EQ(s.StrValue().length, 0);
  EXPECT_EQ(s.FromSrc(), 1);  // nothing more is done after a failure
  s.SetValue(Make(std::string("\x01", 1)));
  EXPECT_STREQ(s.Image()->text, "X'01'");
  EXPECT_EQ(Bytes(s.StrValue()), "\x01");
  EXPECT_EQ(s.FromSrc(), 1);  // the state stays
  s.SetValue(Make(std::string("A\0B", 3)));
  EXPECT_STREQ(s.Image()->text, "X'410042'");
  EXPECT_EQ(Bytes(s.StrValue()), std::string("A\0B", 3));
}

// --- the other leaves -----------------------------------------------------------

// A named image is copied and stays with its owner; a temporary one is
// taken over; both give the node the same image.
TEST(OrvIntNumConst, ImageFromANamedOrATemporaryText) {
  const VString named("0042");
  OrvIntNumConst copied(named, 42);
  EXPECT_EQ(Str(named), "0042");
  EXPECT_EQ(Str(*copied.Image()), "0042");
  EXPECT_NE(copied.Image()->text, named.text);
  VString temporary("0042");
  OrvIntNumConst taken(std::move(temporary), 42);
  EXPECT_EQ(Str(*taken.Image()), "0042");
  EXPECT_EQ(taken.IntValue(), 42);
  OrvIntNumConst none(VString(), 0);
  EXPECT_EQ(none.Image()->length, 0);
}

TEST(OrvIntNumConst, ValueImageAndSetters) {
  OrvIntNumConst n(VString("+05"), -5);
  EXPECT_STREQ(n.Value().text, "-5");  // from the value, whatever the image says
  EXPECT_EQ(n.IntValue(), -5);
  EXPECT_STREQ(n.Image()->text, "+05");
  n.SetFromSrc(1);
  n.SetValue(int64_t{1234567890123LL});
  EXPECT_STREQ(n.Image()->text, "1234567890123");
  EXPECT_EQ(n.FromSrc(), 1);
  VString message;
  EXPECT_EQ(n.SetImage(VString("H'0A1F'"), message), 0);
  EXPECT_EQ(n.IntValue(), 2591);
  EXPECT_EQ(n.FromSrc(), 0);
  EXPECT_EQ(n.SetImage(VString("12a"), message), 33);
  EXPECT_STREQ(message.text, "Expecting integer number here, not '12a'");
  EXPECT_EQ(n.IntValue(), 2591);  // the old value stays
  EXPECT_STREQ(n.Image()->text, "12a");
  OrvExpr* c = n.Clone();
  EXPECT_EQ(c->IntValue(), 2591);
  EXPECT_EQ(c->Serial(), n.Serial());
  delete c;
}

TEST(OrvLeaves, ImagesValuesAndSetters) {
  OrvCharString cs(VString("WORD"));
  OrvTokenString ts(VString("TEXT"));
  OrvRealNumConst rn(VString("1.5E3"));
  OrvNullNode nn;
  EXPECT_EQ(nn.IsNullNode(), 1);
  EXPECT_EQ(cs.IsNullNode(), 0);
  const OrvExpr* leaves[] = {&cs, &ts, &rn};
  const char* texts[] = {"WORD", "TEXT", "1.5E3"};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(texts[i]);
    EXPECT_EQ(leaves[i]->HasImage(), 1);
    EXPECT_STREQ(leaves[i]->Image()->text, texts[i]);
    EXPECT_STREQ(leaves[i]->Value().text, texts[i]);
    OrvExpr* c = leaves[i]->Clone();
    EXPECT_STREQ(c->Image()->text, texts[i]);
    EXPECT_EQ(c->Oper(), leaves[i]->Oper());
    delete c;
  }
  VString message;
  cs.SetFromSrc(1);
  EXPECT_EQ(cs.SetImage(VString("NEW"), message), 0);
  EXPECT_STREQ(cs.Image()->text, "NEW");
  EXPECT_EQ(cs.FromSrc(), 0);
  cs.SetFromSrc(1);
  cs.SetValue(VString("VAL"));
  EXPECT_STREQ(cs.Image()->text, "VAL");
  EXPECT_EQ(cs.FromSrc(), 1);
  ts.SetValue(VString("T2"));
  EXPECT_STREQ(ts.Image()->text, "T2");
  EXPECT_EQ(rn.SetImage(VString("2.5"), message), 0);
  EXPECT_STREQ(rn.Image()->text, "2.5");
  MessageRecorder rec;
  rn.SetValue(VString("x"));  // a real constant has no text value setter
  EXPECT_EQ(rec.size(), 1u);
}

struct HookLog {
  static inline std::vector<int> events;
  static inline std::vector<std::string> texts;
  static void Hook(int event, OrvExpr*, OrvExpr*, int, const VString& text) {
    events.push_back(event);
    texts.push_back(text.text ? text.text : "");
  }
};

TEST(OrvLeaves, SettersCallTheEditHook) {
  HookLog::events.clear();
  HookLog::texts.clear();
  OrvTreeEditHook = HookLog::Hook;
  OrvStrConst s(VString("'A'"));
  s.SetValue(VString("B"));
  OrvIntNumConst n(VString("1"), 1);
  n.SetValue(int64_t{7});
  OrvCharString c(VString("C"));
  VString message;
  c.SetImage(VString("D"), message);
  OrvTreeEditHook = nullptr;
  const std::vector<int> events = {5, 5, 5, 6, 6};
  EXPECT_EQ(HookLog::events, events);
  EXPECT_EQ(HookLog::texts[0], "'B'");  // the derived image
  EXPECT_EQ(HookLog::texts[1], "7");
  EXPECT_EQ(HookLog::texts[2], "D");
}

// --- TIC records of the leaves ------------------------------------------------------

TEST(OrvLeavesTic, RecordsReadBackExactly) {
  OrvStrConst str(VString("'A'"));
  str.SetValue(Make(std::string("X\0Y", 3)));
  OrvIntNumConst num(VString("-0012"), -12);
  OrvCharString cs(VString("A:B"));
  OrvTokenString ts(VString(""));
  OrvRealNumConst rn(VString("3.25"));
  OrvNullNode nn;
  OrvExpr* nodes[] = {&str, &num, &cs, &ts, &rn, &nn};
  for (OrvExpr* n : nodes) {
    SCOPED_TRACE(OrvOperName(n->Oper()));
    n->Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(4, 8, 0), VString("W"));
    std::ostringstream out;
    n->PutTic(out);
    std::string text = out.str();
    std::string prefix = "\no" + std::to_string(n->Oper()) + ":0:";
    ASSERT_EQ(text.compare(0, prefix.size(), prefix), 0);
    OrvExpr* back = n->Clone();  // a node of the same class to read into
    back->SetSerial(0);
    back->Tokens().Clear();
    std::istringstream in(text.substr(prefix.size()));
    VString err;
    ASSERT_EQ(back->GetTic(in, err), 0) << (err.text ? err.text : "");
    EXPECT_EQ(in.peek(), std::char_traits<char>::eof());
    std::ostringstream again;
    back->PutTic(again);
    EXPECT_EQ(again.str(), text);
    EXPECT_EQ(back->Serial(), n->Serial());
    EXPECT_EQ(Bytes(back->Value()), Bytes(n->Value()));
    delete back;
  }
}

// A literal's record carries its image only; the value read back is the one
// the image stands for.
TEST(OrvLeavesTic, LiteralRecordHoldsTheImageAndReadsBackItsValue) {
  struct Case {
    const char* image;
    std::string value;  // after reading back
  };
  const Case cases[] = {
      {"'IT''S'", "IT''S"},
      {"X'410042'", std::string("A\0B", 3)},
      {"B'01'", "01"},
      // A node built from a bad image holds the message as its image; read
      // back, that is no literal and the value is empty.
      {"Z'1'", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.image);
    OrvStrConst str{VString(c.image)};
    str.SetSerial(3);
    std::ostringstream out;
    str.PutTic(out);
    std::string image = Bytes(*str.Image());
    EXPECT_EQ(out.str(), "\no800:0:0:3:#" + std::to_string(image.size()) + ":" + image);
    OrvStrConst back{VString("'?'")};
    std::istringstream in(out.str().substr(std::string("\no800:0:").size()));
    VString err;
    ASSERT_EQ(back.GetTic(in, err), 0) << (err.text ? err.text : "");
    EXPECT_EQ(Bytes(*back.Image()), image);
    EXPECT_EQ(Bytes(back.StrValue()), c.value);
  }
}

TEST(OrvLeavesTic, IntegerRecordFormAndBadInput) {
  OrvIntNumConst num(VString("7"), -7);
  num.SetSerial(2);
  std::ostringstream out;
  num.PutTic(out);
  EXPECT_EQ(out.str(), "\no803:0:0:2:#1:7-7|");
  struct Case {
    const char* text;
    int result;
  };
  const Case cases[] = {{"0:2:#1:7-7;", 59}, {"0:2:#5:7", 57}, {"0:2:#1:7x|", 59}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    OrvIntNumConst back(VString("0"), 0);
    std::istringstream in(c.text);
    VString err;
    EXPECT_EQ(back.GetTic(in, err), c.result);
    EXPECT_GT(err.length, 0);
  }
}

}  // namespace
