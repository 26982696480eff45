// Tests of the source file reader: characters and the positions after them,
// placing the reader forward, backward and in another file, and its failures.
#include "OrvSrcFile.h"

#include <gtest/gtest.h>

#include <string>

#include "MessageRecorder.h"
#include "ScratchDir.h"
#include "TestStrings.h"

namespace {

OrvTxtPosn At(int line, int column, int file) { return OrvTxtPosn(line, column, file); }

TEST(OrvSrcFileTest, CharactersAndPositionsAfterEach) {
  ScratchDir dir;
  const std::string path = dir.Write("f", "AB\n\tC\r\nD");
  const int file = OrvFileNameAdd(VString(path.c_str()));
  OrvSrcFile src;
  VString message;
  ASSERT_EQ(ORV_OK, src.SetPosn(At(1, 0, file), message));
  struct {
    int c;
    int line;
    int column;
  } expected[] = {{'A', 1, 1}, {'B', 1, 2}, {'\n', 2, 0}, {'\t', 2, 8},
                  {'C', 2, 9}, {'\n', 3, 0}, {'D', 3, 1}, {-1, 3, 1}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.c);
    EXPECT_EQ(e.c, src.Getc());
    EXPECT_EQ(At(e.line, e.column, file), src.posn);
  }
  // Behind the current position: the reader rewinds and reads forward.
  ASSERT_EQ(ORV_OK, src.SetPosn(At(1, 1, file), message));
  EXPECT_EQ('B', src.Getc());
  // Ahead of it: read forward only.
  ASSERT_EQ(ORV_OK, src.SetPosn(At(2, 8, file), message));
  EXPECT_EQ('C', src.Getc());
  // Beyond the end of the file.
  EXPECT_EQ(ORV_SRC_POSN_FAILED, src.SetPosn(At(9, 0, file), message));
  EXPECT_EQ("EOF encountered while reading source file: " + path + ":3:2", Str(message));
  EXPECT_EQ(At(3, 1, file), src.posn);
}

TEST(OrvSrcFileTest, TargetInAnotherFileSwitchesFiles) {
  ScratchDir dir;
  const int one = OrvFileNameAdd(VString(dir.Write("one", "111\n").c_str()));
  const int two = OrvFileNameAdd(VString(dir.Write("two", "xy\nzw\n").c_str()));
  OrvSrcFile src;
  VString message;
  ASSERT_EQ(ORV_OK, src.SetPosn(At(1, 2, one), message));
  EXPECT_EQ('1', src.Getc());
  ASSERT_EQ(ORV_OK, src.SetPosn(At(2, 1, two), message));
  EXPECT_EQ('w', src.Getc());
  ASSERT_EQ(ORV_OK, src.SetPosn(At(1, 0, one), message));
  EXPECT_EQ('1', src.Getc());
}

TEST(OrvSrcFileTest, UnopenableFileIsReported) {
  ScratchDir dir;
  const std::string missing = dir.Path("missing.cbl");
  const int file = OrvFileNameAdd(VString(missing.c_str()));
  OrvSrcFile src;
  VString message;
  EXPECT_EQ(ORV_SRC_POSN_FAILED, src.SetPosn(At(1, 0, file), message));
  EXPECT_EQ("SrcPrintText: cannot open file '" + missing + "'", Str(message));
  EXPECT_FALSE(src.is_open());
}

TEST(OrvSrcFileTest, ReadLineKeepsEightyCharacters) {
  ScratchDir dir;
  const std::string line(100, 'Q');
  const int file = OrvFileNameAdd(VString(dir.Write("long", "x\n" + line + "\r\nz\n").c_str()));
  OrvSrcFile src;
  OrvTxtPosn where = At(2, 40, file);
  VString text;
  VString message;
  ASSERT_EQ(ORV_OK, src.ReadLine(&where, text, message));
  EXPECT_EQ(0, where.Column());
  EXPECT_EQ(std::string(80, 'Q'), Str(text));
}

TEST(OrvSrcFileTest, CopyingIsATerminalError) {
  MessageRecorder rec;
  OrvSrcFile src;
  const OrvSrcFile& constSrc = src;
  OrvSrcFile first(constSrc);
  OrvSrcFile second(src);
  ASSERT_EQ(2u, rec.size());
  for (size_t i = 0; i < rec.size(); ++i) {
    EXPECT_EQ(MSG_TERMINAL, rec.level(i));
    EXPECT_EQ("OrvSrcFile(const OrvSrcFile &) must not be called", rec.text(i));
  }
  EXPECT_FALSE(first.is_open());
}

}  // namespace
