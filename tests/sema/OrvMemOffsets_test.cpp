// The data-item table: its rows, detail lines and headings.
#include "OrvMemOffsets.h"

#include <gtest/gtest.h>

#include <string>

#include "LayoutTestSupport.h"

namespace {

using layouttest::LaidOut;

// Rows in the table are joined with "$\n" in the expected texts below so
// that trailing blanks show.
std::string Visible(const std::string& table) {
  std::string out;
  for (char c : table) {
    if (c == '\n') out += '$';
    out += c;
  }
  return out;
}

TEST(OrvMemOffsetsTest, WorkedExample) {
  LaidOut tree(
      "01 REC. 05 A PIC X(4). 05 B REDEFINES A PIC X(10). 05 D PIC S9(5) COMP-3.\n"
      "05 T OCCURS 3 TIMES. 10 T1 PIC X(2). 10 T2 PIC 9(4) COMP. 05 F PIC 9 VALUE 1.\n"
      "88 F-ON VALUE 1. 05 FILLER PIC X(3). 66 AB RENAMES A THRU D.\n"
      "77 CNT PIC S9(7) COMP-5. 78 K VALUE NEXT.\n");
  const char* expected =
      "$\n"
      "WORKING-STORAGE SECTION:$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n"
      "Lv|Data-Name                      |PIC       |CT|USAGE  |S|Offset|Length|OfsGlb$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n"
      "01|REC                            |          | G|DISPLAY| |     0|    29|     0$\n"
      "05|. A                            |X(4)      |AN|DISPLAY| |     0|     4|     0$\n"
      "05|. B                            |X(10)     |AN|DISPLAY| |     0|    10|     0$\n"
      "  |  REDEFINES A$\n"
      "05|. D                            |S9(5)     | N|COMP-3 | |    10|     3|    10$\n"
      "05|. T                            |          | G|DISPLAY| |    13|    12|    13$\n"
      "  |  OCCURS 3 TIMES (loc-len=4)$\n"
      "10|. . T1                         |X(2)      |AN|DISPLAY| |    13|     2|    13$\n"
      "10|. . T2                         |9(4)      | N|COMP   | |    15|     2|    15$\n"
      "05|. F                            |9         | N|DISPLAY| |    25|     1|    25$\n"
      "88|. . F-ON                       | 1$\n"
      "05|. FILLER                       |X(3)      |AN|DISPLAY| |    26|     3|    26$\n"
      "66|. AB                           |          |  |DISPLAY| |     0|    13|     0$\n"
      "  |  RENAMES A THROUGH D$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n"
      "77|CNT                            |S9(7)     | N|COMP-5 | |     0|     4|    32$\n"
      "78|K                              | 36$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n";
  EXPECT_EQ(expected, Visible(tree.Table()));
  EXPECT_EQ("", tree.Messages());
}

}  // namespace
