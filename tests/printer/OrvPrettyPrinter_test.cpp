// Tests of the printer objects: defaults, copies and assignment, the option
// group for each mask, and option words written through it.
#include "OrvPrettyPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "OrvMessage.h"
#include "OrvOperCGentry.h"
#include "OrvToken.h"
#include "TestStrings.h"
#include "VStringList.h"

namespace {

std::vector<int> Tabs(const OrvIntList& list) {
  return std::vector<int>(list.items, list.items + list.count);
}

// A template table as a print builds it: heads constructed in place in an
// array from ::operator new, one chained row behind head 7.
CGentry* NewGenTable() {
  void* memory = ::operator new(sizeof(CGentry) * ORV_GEN_TABLE_SIZE);
  CGentry* table = static_cast<CGentry*>(memory);
  for (int i = 0; i < ORV_GEN_TABLE_SIZE; ++i) new (&table[i]) CGentry(i, nullptr, "");
  table[7].next = new CGentry(7, nullptr, "row");
  return table;
}

TEST(OrvPrettyPrinterTest, NewPrinterHoldsTheDefaults) {
  OrvPrettyPrinterImpl p;
  EXPECT_EQ(Tabs(p.gen_tabs), (std::vector<int>{12, 24, 32, 42, 44, 54}));
  EXPECT_EQ(p.gen_tabs.capacity, 16);
  EXPECT_EQ(p.gen_indent_step, 2);
  EXPECT_EQ(p.gen_max_indent, 40);
  EXPECT_EQ(p.gen_line_format, ORV_GEN_LINE_FIXED);
  EXPECT_EQ(p.gen_observe_ab_rules, 1);
  EXPECT_EQ(p.gen_print_comments, 1);
  EXPECT_EQ(p.gen_enter_exit_copy_comments, 1);
  EXPECT_EQ(p.gen_line_id_comments, 1);
  EXPECT_EQ(p.gen_src, 0);
  EXPECT_EQ(p.gen_73to80_start, 1);
  EXPECT_EQ(p.gen_73to80_step, 1);
  EXPECT_EQ(p.gen_copy_dir.length + p.gen_73to80_fmt.length + p.gen_mark_conv.length, 0);
  EXPECT_EQ(p.update_genp + p.trace_flags, 0);
  EXPECT_EQ(p.primary_table, nullptr);
  EXPECT_EQ(p.gen_table, nullptr);
  EXPECT_EQ(p.options.count, 0);
}

// Every setting changed from its default, options built, a table made.
void Customise(OrvPrettyPrinterImpl& p, CGentry* primary) {
  p.BuildOptions(255);
  p.primary_table = primary;
  p.update_genp = 1;
  p.gen_src = 1;
  p.gen_copy_dir = VString("copies");
  p.gen_indent_step = 4;
  p.gen_max_indent = 30;
  p.gen_tabs.count = 2;
  p.gen_tabs.items[0] = 8;
  p.gen_tabs.items[1] = 16;
  p.gen_line_format = ORV_GEN_LINE_VAR;
  p.gen_observe_ab_rules = 0;
  p.gen_print_comments = 0;
  p.gen_enter_exit_copy_comments = 0;
  p.gen_line_id_comments = 0;
  p.gen_73to80_fmt = VString("X%04d");
  p.gen_73to80_start = 10;
  p.gen_73to80_step = 5;
  p.gen_mark_conv = VString("CHG");
  p.trace_flags = ORV_PTRACE_TEMPLATES;
  p.gen_table = NewGenTable();
}

void ExpectSameSettings(const OrvPrettyPrinterImpl& copy, const OrvPrettyPrinterImpl& source) {
  EXPECT_EQ(copy.options.count, 0);
  EXPECT_EQ(copy.options.records[0].kind, 0);
  EXPECT_EQ(copy.gen_table, nullptr);
  EXPECT_EQ(copy.primary_table, source.primary_table);
  EXPECT_EQ(copy.update_genp, 1);
  EXPECT_EQ(copy.gen_src, 1);
  EXPECT_EQ(Str(copy.gen_copy_dir), "copies");
  EXPECT_EQ(copy.gen_indent_step, 4);
  EXPECT_EQ(copy.gen_max_indent, 30);
  EXPECT_EQ(Tabs(copy.gen_tabs), (std::vector<int>{8, 16}));
  EXPECT_EQ(copy.gen_tabs.capacity, 16);
  EXPECT_NE(copy.gen_tabs.items, source.gen_tabs.items);
  EXPECT_EQ(copy.gen_line_format, ORV_GEN_LINE_VAR);
  EXPECT_EQ(copy.gen_observe_ab_rules + copy.gen_print_comments +
                copy.gen_enter_exit_copy_comments + copy.gen_line_id_comments,
            0);
  EXPECT_EQ(Str(copy.gen_73to80_fmt), "X%04d");
  EXPECT_EQ(copy.gen_73to80_start, 10);
  EXPECT_EQ(copy.gen_73to80_step, 5);
  EXPECT_EQ(Str(copy.gen_mark_conv), "CHG");
  EXPECT_EQ(copy.trace_flags, ORV_PTRACE_TEMPLATES);
}

TEST(OrvPrettyPrinterTest, CopyAndAssignmentTakeSettingsButNoOptionsOrTable) {
  CGentry primary(0, nullptr, nullptr);
  OrvPrettyPrinterImpl source;
  Customise(source, &primary);

  OrvPrettyPrinterImpl copy(source);
  ExpectSameSettings(copy, source);

  OrvPrettyPrinterImpl target;
  target.BuildOptions(255);
  target.gen_table = NewGenTable();
  target = source;
  ExpectSameSettings(target, source);

  // The copies own their tab stops: changing the source leaves them alone.
  source.gen_tabs.items[0] = 99;
  EXPECT_EQ(copy.gen_tabs.items[0], 8);
  EXPECT_EQ(target.gen_tabs.items[0], 8);
  EXPECT_NE(source.gen_table, nullptr);  // freed with the source
}

// The option names of the group built for a mask ("" for a heading).
std::vector<std::string> OptionNames(OrvPrettyPrinterImpl& p, int mask) {
  OrvCLFlagTable& table = p.BuildOptions(mask);
  std::vector<std::string> names;
  for (int i = 0; i < table.count; ++i)
    names.push_back(table.records[i].kind == '-' ? std::string("*") + table.records[i].description
                                                 : std::string(table.records[i].name));
  EXPECT_EQ(table.records[table.count].kind, 0);
  return names;
}

TEST(OrvPrettyPrinterTest, OptionGroupFollowsTheMask) {
  const std::vector<std::string> all = {"*PrettyPrint Basics",
                                        "gen-src",
                                        "gen-copy-dir",
                                        "*PrettyPrint Indentation",
                                        "gen-indent-step",
                                        "gen-max-indent",
                                        "gen-tabs",
                                        "gen-line-format",
                                        "gen-observe-ab-rules",
                                        "*Output Comments",
                                        "gen-print-comments",
                                        "gen-enter-exit-copy-comments",
                                        "*Line Identification",
                                        "gen-line-id-comments",
                                        "gen-73to80-fmt",
                                        "gen-73to80-start",
                                        "gen-73to80-step",
                                        "gen-mark-conv"};
  auto without = [&](std::vector<std::string> names) {
    std::vector<std::string> out;
    for (const std::string& n : all)
      if (std::find(names.begin(), names.end(), n) == names.end()) out.push_back(n);
    return out;
  };
  struct Case {
    int mask;
    std::vector<std::string> names;
  } cases[] = {
      {255, all},
      {2, without({"gen-src", "gen-copy-dir"})},
      {8, without({"*Output Comments", "*Line Identification"})},
      {16, {}},
  };
  OrvPrettyPrinterImpl p;
  for (const Case& c : cases) EXPECT_EQ(OptionNames(p, c.mask), c.names) << c.mask;
}

// Option words written through the printer's group.
struct WordCase {
  const char* word;
  const char* error;  // expected error text, or null
};

TEST(OrvPrettyPrinterTest, OptionWordsSetTheSettings) {
  OrvPrettyPrinterImpl p;
  OrvCLFlagTable registry;
  VString error;
  ASSERT_EQ(OrvAddCommandLineFlags(registry, p.BuildOptions(255), error, 1), ORV_OK);
  const char* words[] = {"-gen-line-format=fsc-free", "-gen-src", "-gen-copy-dir=cp",
                         "-gen-tabs=3,9,27",          "-gen-indent-step=3",
                         "-no-gen-print-comments",    "-gen-mark-conv=MK"};
  VStringList files, errors;
  EXPECT_EQ(SetCLFlag(registry, 0, 7, words, files, errors), ORV_OK);
  EXPECT_EQ(p.gen_line_format, ORV_GEN_LINE_FSC_FREE);
  EXPECT_EQ(p.gen_src, 1);
  EXPECT_EQ(Str(p.gen_copy_dir), "cp");
  EXPECT_EQ(Tabs(p.gen_tabs), (std::vector<int>{3, 9, 27}));
  EXPECT_EQ(p.gen_indent_step, 3);
  EXPECT_EQ(p.gen_print_comments, 0);
  EXPECT_EQ(Str(p.gen_mark_conv), "MK");

  const char* var[] = {"-gen-line-format=var"};
  EXPECT_EQ(SetCLFlag(registry, 0, 1, var, files, errors), ORV_OK);
  EXPECT_EQ(p.gen_line_format, ORV_GEN_LINE_VAR);

  // Seventeen tab stops do not fit; the list keeps its stops.
  const char* tooMany[] = {"-gen-tabs=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17"};
  EXPECT_EQ(SetCLFlag(registry, 0, 1, tooMany, files, errors), ORV_BAD_OPTIONS);
  ASSERT_NE(errors.head, nullptr);
  EXPECT_EQ(Str(errors.head->value),
            std::string("Too many elements in numeric array option: '") + tooMany[0] + "'");
  EXPECT_EQ(Tabs(p.gen_tabs), (std::vector<int>{3, 9, 27}));
}

}  // namespace
