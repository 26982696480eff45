// Source positions, their display and TIC forms, and the file-name table.
#include "OrvTxtPosn.h"
#include "TestStrings.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {


std::string Display(const OrvTxtPosn& p) {
  std::ostringstream os;
  os << p;
  return os.str();
}

std::string Tic(const OrvTxtPosn& p) {
  std::ostringstream os;
  p.PutTic(os);
  return os.str();
}

// Adds names until the table holds at least n entries; answers the index of
// the name given.
int EnsureFile(const char* name) { return OrvFileNameAdd(VString(name)); }

TEST(OrvFileNameTableTest, EntryZeroIsTheBadName) {
  ASSERT_GE(OrvFileNameTable().count, 1);
  EXPECT_EQ("-(bad)-", Str(OrvFileNameTable().entries[0].name));
  EXPECT_EQ("-(bad)-", Str(OrvFileNameOf(-1)));
  EXPECT_EQ("-(bad)-", Str(OrvFileNameOf(OrvFileNameTable().count)));
  EXPECT_EQ("-(bad)-", Str(OrvFileNameOf(70000)));
}

TEST(OrvFileNameTableTest, NamesKeepTheirIndex) {
  const int before = OrvFileNameTable().count;
  const int a = EnsureFile("table-a.cbl");
  const int count = OrvFileNameTable().entries[a].count;
  EXPECT_EQ(a, EnsureFile("table-a.cbl"));
  EXPECT_EQ(count + 1, OrvFileNameTable().entries[a].count);
  const int b = EnsureFile("table-b.cbl");
  EXPECT_EQ(OrvFileNameTable().count - 1, b);
  EXPECT_GE(OrvFileNameTable().count, before + 1);
  EXPECT_EQ("table-b.cbl", Str(OrvFileNameOf(b)));
}

TEST(OrvTxtPosnTest, DisplayForms) {
  const int prog = EnsureFile("PROG.cbl");
  const struct {
    OrvTxtPosn posn;
    std::string text;
  } cases[] = {
      {OrvTxtPosn(), "(null)"},
      {OrvTxtPosn(0, 0, prog), "(null)"},  // the file index alone is not set
      {OrvTxtPosn(0, 1, 0), "(infty)"},
      {OrvTxtPosn(0, 1, prog), "(infty)"},
      {OrvTxtPosn(0, 2, prog), "PROG.cbl:0:3"},
      {OrvTxtPosn(12, 7, prog), "PROG.cbl:12:8"},
      {OrvTxtPosn(12, 0, 0), "-(bad)-:12:1"},
      {OrvTxtPosn(12, 0, 60000), "-(bad)-:12:1"},
      {OrvTxtPosn(2048, 255, prog), "PROG.cbl:2048:256"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.text, Display(c.posn));
    EXPECT_EQ(c.text, Str(c.posn.ToString()));
  }
  EXPECT_EQ("(null)", Display(OrvNullPosn));
  EXPECT_EQ("(infty)", Display(OrvInftyPosn));
}

TEST(OrvTxtPosnTest, EmptyFileNamePrintsNothingBeforeTheLine) {
  const int empty = EnsureFile("");
  EXPECT_EQ(":4:2", Display(OrvTxtPosn(4, 1, empty)));
}

TEST(OrvTxtPosnTest, FieldsHoldLargeValuesWithoutWrapping) {
  OrvTxtPosn p(5000, 300, 40);
  EXPECT_EQ(5000, p.Line());
  EXPECT_EQ(300, p.Column());
  EXPECT_EQ(40, p.FileIx());
  EXPECT_TRUE(p.IsSet());
  // Line 2048 of a source is an ordinary, set position.
  EXPECT_TRUE(OrvTxtPosn(2048, 0, 0).IsSet());
  EXPECT_TRUE(OrvTxtPosn(0, 256, 0).IsSet());
  EXPECT_EQ(32, OrvTxtPosn(1, 0, 32).FileIx());
  // Beyond a field's range the value is clamped, never wrapped.
  OrvTxtPosn big(1, 70000, 1);
  EXPECT_EQ(65535, big.Column());
  OrvTxtPosn none(1, 0, -1);
  EXPECT_EQ(OrvTxtPosn::NoFileIx, none.FileIx());
  OrvTxtPosn negative(-3, -4, 1);
  EXPECT_EQ(0, negative.Line());
  EXPECT_EQ(0, negative.Column());
}

TEST(OrvTxtPosnTest, Compare) {
  const struct {
    OrvTxtPosn a, b;
    int result;
  } cases[] = {
      {OrvTxtPosn(3, 4, 1), OrvTxtPosn(3, 4, 1), 0},
      {OrvTxtPosn(2, 9, 1), OrvTxtPosn(3, 0, 1), -1},
      {OrvTxtPosn(3, 0, 1), OrvTxtPosn(2, 9, 1), 1},
      {OrvTxtPosn(3, 1, 1), OrvTxtPosn(3, 2, 1), -1},
      {OrvTxtPosn(3, 2, 1), OrvTxtPosn(3, 1, 1), 1},
      {OrvTxtPosn(1, 0, 1), OrvTxtPosn(9, 0, 2), -100},
      {OrvTxtPosn(9, 0, 2), OrvTxtPosn(1, 0, 1), -100},
      {OrvTxtPosn(5000, 0, 40), OrvTxtPosn(5000, 300, 40), -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Display(c.a) + " vs " + Display(c.b));
    EXPECT_EQ(c.result, OrvTxtPosn::Compare(c.a, c.b));
  }
}

TEST(OrvTxtPosnTest, RangeDisplay) {
  const int prog = EnsureFile("PROG.cbl");
  std::ostringstream os;
  os << OrvTxtPosnRange(OrvTxtPosn(12, 7, prog), OrvTxtPosn());
  EXPECT_EQ("[beg:PROG.cbl:12:8, end:(null)]", os.str());
}

TEST(OrvTxtPosnTest, TicFormByIndex) {
  EXPECT_EQ("[3,0,n2]", Tic(OrvTxtPosn(3, 0, 2)));
  EXPECT_EQ("[12,7,n1]", Tic(OrvTxtPosn(12, 7, 1)));
  EXPECT_EQ("[0,0,n0]", Tic(OrvTxtPosn()));
  EXPECT_EQ("[1,0,n-1]", Tic(OrvTxtPosn(1, 0, -1)));
}

TEST(OrvTxtPosnTest, TicFormByName) {
  const int prog = EnsureFile("PROG.cbl");
  OrvTicPosnWithFileNames = 1;
  const std::string text = Tic(OrvTxtPosn(12, 7, prog));
  const std::string bad = Tic(OrvTxtPosn(1, 1, 60000));
  OrvTicPosnWithFileNames = 0;
  EXPECT_EQ("[12,7,s8:PROG.cbl]", text);
  EXPECT_EQ("[1,1,s7:-(bad)-]", bad);
}

// A position far beyond the limits of a packed 32-bit word.
TEST(OrvTxtPosnTest, LargePositionRoundTrips) {
  for (int i = OrvFileNameTable().count; i < 41; ++i)
    EnsureFile(("filler-" + std::to_string(i) + ".cpy").c_str());
  ASSERT_GE(OrvFileNameTable().count, 41);
  const int fortieth = 40;
  const std::string name = Str(OrvFileNameOf(fortieth));
  OrvTxtPosn p(5000, 300, fortieth);
  EXPECT_EQ(name + ":5000:301", Display(p));
  const std::string tic = Tic(p);
  EXPECT_EQ("[5000,300,n40]", tic);
  std::istringstream in(tic);
  OrvTxtPosn back;
  VString err;
  ASSERT_EQ(0, back.GetTic(in, err)) << Str(err);
  EXPECT_EQ(p, back);
  EXPECT_EQ(name + ":5000:301", Display(back));

  OrvTicPosnWithFileNames = 1;
  const std::string named = Tic(p);
  OrvTicPosnWithFileNames = 0;
  std::istringstream in2(named);
  OrvTxtPosn back2;
  ASSERT_EQ(0, back2.GetTic(in2, err)) << Str(err);
  EXPECT_EQ(p, back2);
}

TEST(OrvTxtPosnTest, TicReadWithoutMap) {
  const struct {
    const char* text;
    int line, column, fileIx;
  } cases[] = {
      {"[3,0,n2]", 3, 0, 2},
      {"[3,0,n-1]", 3, 0, OrvTxtPosn::NoFileIx},
      {"[0,0,n0]", 0, 0, 0},
      {"[2147483647,65535,n65534]", 2147483647, 65535, 65534},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::istringstream in(c.text);
    OrvTxtPosn p;
    VString err;
    ASSERT_EQ(0, p.GetTic(in, err)) << Str(err);
    EXPECT_EQ(c.line, p.Line());
    EXPECT_EQ(c.column, p.Column());
    EXPECT_EQ(c.fileIx, p.FileIx());
  }
}

TEST(OrvTxtPosnTest, TicReadErrors) {
  const struct {
    const char* text;
    int result;
    const char* error;  // null: only the result is checked
  } cases[] = {
      {"3,0,n2]", 60, "OrvTxtPosn::GetTic: '[' is expected"},
      {"[3,0,x]", 60, "OrvTxtPosn::GetTic: bad char that qualifies file_name"},
      {"[3,0,s3:abcX", 60, "OrvTxtPosn::GetTic: ']' expected after file_name"},
      {"[3;0,n2]", 59, nullptr},
      {"[-3,0,n2]", 59, nullptr},
      {"[3,-1,n2]", 59, nullptr},
      {"[3,0,n2", 59, nullptr},
      {"[3,65536,n2]", 60, "OrvTxtPosn::GetTic: column 65536 is out of range 0..65535"},
      {"[3,0,n-2]", 60, "OrvTxtPosn::GetTic: file_ix -2 is out of range -1..65534"},
      {"[3,0,n65535]", 60, "OrvTxtPosn::GetTic: file_ix 65535 is out of range -1..65534"},
      {"[99999999999,0,n0]", 59, nullptr},
      {"", 60, "OrvTxtPosn::GetTic: '[' is expected"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::istringstream in(c.text);
    OrvTxtPosn p;
    VString err;
    EXPECT_EQ(c.result, p.GetTic(in, err));
    if (c.error) EXPECT_EQ(c.error, Str(err));
    else EXPECT_GT(err.length, 0);
  }
}

TEST(OrvTxtPosnTest, TicReadThroughFileIndexMap) {
  const int map[3] = {7, 5, 9};
  OrvSetTicFileIndexMap(map, 3);
  const struct {
    const char* text;
    int result;
    int fileIx;
    const char* error;
  } cases[] = {
      {"[3,0,n0]", 0, 7, nullptr},
      {"[3,0,n2]", 0, 9, nullptr},
      {"[3,0,n-1]", 0, OrvTxtPosn::NoFileIx, nullptr},
      {"[3,0,n3]", 60, -1, "OrvTxtPosn::GetTic: file_ix 3 is out of range -1..3"},
      {"[3,0,n-4]", 60, -1, "OrvTxtPosn::GetTic: file_ix -4 is out of range -1..3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::istringstream in(c.text);
    OrvTxtPosn p;
    VString err;
    EXPECT_EQ(c.result, p.GetTic(in, err));
    if (c.result == 0) EXPECT_EQ(c.fileIx, p.FileIx());
    else EXPECT_EQ(c.error, Str(err));
  }
  OrvClearTicFileIndexMap();
  std::istringstream in("[3,0,n3]");
  OrvTxtPosn p;
  VString err;
  EXPECT_EQ(0, p.GetTic(in, err));
  EXPECT_EQ(3, p.FileIx());
}

TEST(OrvTxtPosnTest, NameFormAddsOrFindsTheFile) {
  const int before = OrvFileNameTable().count;
  std::istringstream in("[1,2,s14:fresh-name.cpy]");
  OrvTxtPosn p;
  VString err;
  ASSERT_EQ(0, p.GetTic(in, err)) << Str(err);
  EXPECT_EQ(before, p.FileIx());
  EXPECT_EQ(before + 1, OrvFileNameTable().count);
  EXPECT_EQ(1, OrvFileNameTable().entries[p.FileIx()].count);

  std::istringstream again("[4,5,s14:fresh-name.cpy]");
  OrvTxtPosn q;
  ASSERT_EQ(0, q.GetTic(again, err)) << Str(err);
  EXPECT_EQ(p.FileIx(), q.FileIx());
  EXPECT_EQ(before + 1, OrvFileNameTable().count);
  EXPECT_EQ(2, OrvFileNameTable().entries[q.FileIx()].count);
}

TEST(OrvTxtPosnRangeTest, TicRoundTripAndFirstError) {
  OrvTxtPosnRange r(OrvTxtPosn(12, 7, 1), OrvTxtPosn(12, 10, 1));
  std::ostringstream os;
  r.PutTic(os);
  EXPECT_EQ("[12,7,n1][12,10,n1]", os.str());
  std::istringstream in(os.str());
  OrvTxtPosnRange back;
  VString err;
  ASSERT_EQ(0, back.GetTic(in, err));
  EXPECT_EQ(r.beg, back.beg);
  EXPECT_EQ(r.end, back.end);

  // A bad begin stops before the end is read.
  std::istringstream bad("[1,0,x][2,0,n0]");
  OrvTxtPosnRange b2;
  EXPECT_EQ(60, b2.GetTic(bad, err));
  EXPECT_EQ(']', bad.peek());
  std::istringstream badEnd("[1,0,n0]2,0,n0]");
  EXPECT_EQ(60, b2.GetTic(badEnd, err));
  EXPECT_EQ(1, b2.beg.Line());
}

}  // namespace
