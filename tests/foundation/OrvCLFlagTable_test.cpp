// Option groups and the registry: selection by mask, order, terminators and
// the 120-record limit.
#include "OrvCLFlag.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

OrvCLFlag Switch(const char* name, int* value, int mask) {
  return OrvCLFlag{'b', name, value, nullptr, nullptr, nullptr, 0, "switch", mask};
}

OrvCLFlag Heading(const char* title, int mask) {
  return OrvCLFlag{'-', "", nullptr, nullptr, nullptr, nullptr, 0, title, mask};
}

const OrvCLFlag kEnd = {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0};

// A kind-0-ended array of `n` switches named "o0", "o1", ... with the mask.
struct SwitchArray {
  std::vector<std::string> names;
  std::vector<OrvCLFlag> records;
  int value = 0;
  SwitchArray(int n, int mask, const char* prefix = "o") {
    for (int i = 0; i < n; ++i) names.push_back(prefix + std::to_string(i));
    for (int i = 0; i < n; ++i) records.push_back(Switch(names[i].c_str(), &value, mask));
    records.push_back(kEnd);
  }
};

std::vector<std::string> Names(const OrvCLFlagTable& table) {
  std::vector<std::string> out;
  for (int i = 0; i < table.count; ++i)
    out.push_back(std::string(1, table.records[i].kind) + ":" +
                  (table.records[i].name ? table.records[i].name : "(null)"));
  return out;
}

bool IsTerminator(const OrvCLFlag& r) {
  return r.kind == 0 && r.name == nullptr && r.value == nullptr && r.words == nullptr &&
         r.strings == nullptr && r.count == nullptr && r.capacity == 0 &&
         r.description == nullptr && r.mask == 0;
}

TEST(OrvCLFlagTableTest, StartsEmpty) {
  OrvCLFlagTable table;
  EXPECT_EQ(0, table.count);
  for (const OrvCLFlag& r : table.records) EXPECT_TRUE(IsTerminator(r));
}

// A count set from outside is read within the table's room, so parsing and
// appending never go past the records.
TEST(OrvCLFlagTableTest, RecordsInUseStaysWithinTheTable) {
  const struct {
    int count;
    int inUse;
  } cases[] = {{0, 0}, {7, 7}, {120, 120}, {121, 120}, {100000, 120}, {-1, 0}, {-100000, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    OrvCLFlagTable table;
    table.count = c.count;
    EXPECT_EQ(c.inUse, table.RecordsInUse());
  }

  int v = 0;
  OrvCLFlagTable table;
  VString error;
  const OrvCLFlag one[] = {Switch("a", &v, 1), kEnd};
  table.count = -5;
  ASSERT_EQ(0, OrvAddCommandLineFlags(table, one, error, 1));
  EXPECT_EQ((std::vector<std::string>{"b:a"}), Names(table));
  table.count = 500;
  EXPECT_EQ(23, OrvAddCommandLineFlags(table, one, error, 1));
  EXPECT_EQ(120, table.count);
}

TEST(OrvCLFlagTableTest, WordCountEndsAtTheEmptyWord) {
  VString three[] = {VString("a"), VString("b"), VString("c"), VString()};
  VString none[] = {VString()};
  VString stopsEarly[] = {VString("a"), VString(""), VString("c"), VString()};
  EXPECT_EQ(3, OrvCLFlagWordCount(three));
  EXPECT_EQ(0, OrvCLFlagWordCount(none));
  EXPECT_EQ(1, OrvCLFlagWordCount(stopsEarly));
  EXPECT_EQ(0, OrvCLFlagWordCount(nullptr));
}

// Which records a group takes for a mask.
struct MaskCase {
  int mask;
  std::vector<std::string> names;
};

TEST(BuildOptionGroupTest, TakesRecordsSharingABitWithTheMaskInOrder) {
  int v = 0;
  const OrvCLFlag array[] = {Heading("Group", 7), Switch("one", &v, 1), Switch("two", &v, 2),
                             Switch("three", &v, 3), Switch("eight", &v, 8), kEnd};
  const MaskCase cases[] = {
      {1, {"-:", "b:one", "b:three"}},
      {2, {"-:", "b:two", "b:three"}},
      {8, {"b:eight"}},
      {0xff, {"-:", "b:one", "b:two", "b:three", "b:eight"}},
      {16, {}},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.mask);
    OrvCLFlagTable table;
    VString error;
    EXPECT_EQ(0, BuildOptionGroup(table, array, c.mask, error));
    EXPECT_EQ(c.names, Names(table));
    EXPECT_TRUE(IsTerminator(table.records[table.count]));
    EXPECT_EQ(nullptr, error.text);
  }
}

TEST(BuildOptionGroupTest, CopiesEveryField) {
  int v = 0, count = 0;
  VString words[2] = {VString("w"), VString()};
  VString strings[2];
  const OrvCLFlag array[] = {{'l', "sel", &v, words, strings, &count, 2, "desc", 5}, kEnd};
  OrvCLFlagTable table;
  VString error;
  ASSERT_EQ(0, BuildOptionGroup(table, array, 4, error));
  ASSERT_EQ(1, table.count);
  const OrvCLFlag& r = table.records[0];
  EXPECT_EQ('l', r.kind);
  EXPECT_STREQ("sel", r.name);
  EXPECT_EQ(&v, r.value);
  EXPECT_EQ(words, r.words);
  EXPECT_EQ(strings, r.strings);
  EXPECT_EQ(&count, r.count);
  EXPECT_EQ(2, r.capacity);
  EXPECT_STREQ("desc", r.description);
  EXPECT_EQ(5, r.mask);
}

TEST(BuildOptionGroupTest, RebuildingWritesTheTerminatorAfterTheNewLastRecord) {
  SwitchArray big(5, 1), small(2, 1, "s");
  OrvCLFlagTable table;
  VString error;
  ASSERT_EQ(0, BuildOptionGroup(table, big.records.data(), 1, error));
  ASSERT_EQ(0, BuildOptionGroup(table, small.records.data(), 1, error));
  EXPECT_EQ((std::vector<std::string>{"b:s0", "b:s1"}), Names(table));
  EXPECT_TRUE(IsTerminator(table.records[2]));
}

TEST(BuildOptionGroupTest, NullArrayGivesAnEmptyGroup) {
  OrvCLFlagTable table;
  VString error;
  EXPECT_EQ(0, BuildOptionGroup(table, nullptr, 1, error));
  EXPECT_EQ(0, table.count);
}

TEST(BuildOptionGroupTest, HoldsAtMost120Records) {
  {
    SwitchArray full(120, 1);
    OrvCLFlagTable table;
    VString error;
    EXPECT_EQ(0, BuildOptionGroup(table, full.records.data(), 1, error));
    EXPECT_EQ(120, table.count);
    EXPECT_EQ(nullptr, error.text);
  }
  {
    // Records that do not match the mask do not count.
    SwitchArray full(120, 1);
    full.records.insert(full.records.begin() + 7, Switch("other", &full.value, 2));
    OrvCLFlagTable table;
    VString error;
    EXPECT_EQ(0, BuildOptionGroup(table, full.records.data(), 1, error));
    EXPECT_EQ(120, table.count);
  }
  {
    SwitchArray over(121, 1);
    OrvCLFlagTable table;
    VString error;
    EXPECT_EQ(23, BuildOptionGroup(table, over.records.data(), 1, error));
    EXPECT_STREQ("BuildOptionGroup: too many options", error.text);
    EXPECT_EQ(120, table.count);
    EXPECT_STREQ("o119", table.records[119].name);
    EXPECT_TRUE(IsTerminator(table.records[120]));
  }
}

TEST(OrvAddCommandLineFlagsTest, AppendsGroupsInOrderWithTheirMask) {
  int v = 0;
  const OrvCLFlag settings[] = {Heading("Settings", 7), Switch("help", &v, 11), kEnd};
  const OrvCLFlag tool[] = {Heading("Tool", 7), Switch("long", &v, 7), Switch("hidden", &v, 8),
                            kEnd};
  OrvCLFlagTable group;
  VString error;
  const OrvCLFlag parser[] = {Heading("Parser", 7), Switch("sql", &v, 15), kEnd};
  ASSERT_EQ(0, BuildOptionGroup(group, parser, 0xff, error));

  OrvCLFlagTable registry;
  EXPECT_EQ(0, OrvAddCommandLineFlags(registry, settings, error, 1));
  EXPECT_EQ(0, OrvAddCommandLineFlags(registry, tool, error, 1));
  EXPECT_EQ(0, OrvAddCommandLineFlags(registry, group, error, 1));
  EXPECT_EQ(0, OrvAddCommandLineFlags(registry, nullptr, error, 1));
  EXPECT_EQ((std::vector<std::string>{"-:", "b:help", "-:", "b:long", "-:", "b:sql"}),
            Names(registry));
  EXPECT_TRUE(IsTerminator(registry.records[registry.count]));
  EXPECT_EQ(nullptr, error.text);
}

TEST(OrvAddCommandLineFlagsTest, AddsOneRecordWhateverItsMask) {
  int v = 0;
  OrvCLFlagTable registry;
  VString error;
  EXPECT_EQ(0, OrvAddCommandLineFlags(registry, Switch("x", &v, 0), error));
  EXPECT_EQ(0, OrvAddCommandLineFlags(registry, Switch("y", &v, 4), error));
  EXPECT_EQ((std::vector<std::string>{"b:x", "b:y"}), Names(registry));
  EXPECT_TRUE(IsTerminator(registry.records[2]));
}

// The registry refuses the 121st record whichever way it comes; the records
// added before it stay.
TEST(OrvAddCommandLineFlagsTest, RefusesThe121stRecord) {
  enum Way { ARRAY, GROUP, RECORD };
  for (Way way : {ARRAY, GROUP, RECORD}) {
    SCOPED_TRACE(way);
    SwitchArray first(100, 1), second(21, 1, "s");
    OrvCLFlagTable registry;
    VString error;
    ASSERT_EQ(0, OrvAddCommandLineFlags(registry, first.records.data(), error, 1));
    OrvResult r = 0;
    if (way == ARRAY) {
      r = OrvAddCommandLineFlags(registry, second.records.data(), error, 1);
    } else if (way == GROUP) {
      OrvCLFlagTable group;
      ASSERT_EQ(0, BuildOptionGroup(group, second.records.data(), 1, error));
      r = OrvAddCommandLineFlags(registry, group, error, 1);
    } else {
      for (int i = 0; i < 21 && r == 0; ++i)
        r = OrvAddCommandLineFlags(registry, second.records[i], error);
    }
    EXPECT_EQ(23, r);
    EXPECT_STREQ("OrvAddCommandLineFlags: too many options", error.text);
    EXPECT_EQ(120, registry.count);
    EXPECT_STREQ("s19", registry.records[119].name);
    EXPECT_TRUE(IsTerminator(registry.records[120]));
  }
}

TEST(OrvAddCommandLineFlagsTest, ExactlyFillingTheRegistryIsAccepted) {
  SwitchArray first(100, 1), second(20, 1, "s");
  OrvCLFlagTable registry;
  VString error;
  EXPECT_EQ(0, OrvAddCommandLineFlags(registry, first.records.data(), error, 1));
  EXPECT_EQ(0, OrvAddCommandLineFlags(registry, second.records.data(), error, 1));
  EXPECT_EQ(120, registry.count);
  // A further group whose records do not match the mask adds nothing and
  // is not refused.
  SwitchArray other(5, 2, "t");
  EXPECT_EQ(0, OrvAddCommandLineFlags(registry, other.records.data(), error, 1));
  EXPECT_EQ(nullptr, error.text);
}

TEST(OrvAddCommandLineFlagsTest, RegisteredOptionsCanBeSet) {
  int a = 0, b = 0;
  const OrvCLFlag one[] = {Switch("a", &a, 1), kEnd};
  const OrvCLFlag two[] = {Switch("b", &b, 1), kEnd};
  OrvCLFlagTable registry;
  VString error;
  ASSERT_EQ(0, OrvAddCommandLineFlags(registry, one, error, 1));
  ASSERT_EQ(0, OrvAddCommandLineFlags(registry, two, error, 1));
  const char* argv[] = {"-a", "-b"};
  VStringList files, errors;
  EXPECT_EQ(0, SetCLFlag(registry, 0, 2, argv, files, errors));
  EXPECT_EQ(1, a);
  EXPECT_EQ(1, b);
}

}  // namespace
