// The printer objects: defaults, copying and assignment, the template table's
// release, and the process-wide variables of the print that runs.
#include "OrvPrettyPrinter.h"

#include <new>

#include "OrvMessage.h"
#include "OrvOperCGentry.h"
#include "OrvToken.h"
#include "OrvTxtPosn.h"

OrvPrettyPrinterImpl* OrvCurrentPrinter = nullptr;
OrvTokenList* OrvPrintMessages = nullptr;
int OrvPrintBusy = 0;

namespace {

const int kDefaultTabs[] = {12, 24, 32, 42, 44, 54};

// A tab-stop list with room for `capacity` stops and none in use.
OrvIntList NewIntList(int capacity) {
  OrvIntList list;
  list.count = 0;
  list.capacity = capacity < 0 ? 0 : capacity;
  list.items = new int[list.capacity > 0 ? list.capacity : 1]();
  return list;
}

// A copy of `other` in an array of its own, of the same room.
OrvIntList CopyIntList(const OrvIntList& other) {
  OrvIntList list = NewIntList(other.capacity);
  int n = other.count < 0 ? 0 : (other.count > list.capacity ? list.capacity : other.count);
  for (int i = 0; i < n; ++i) list.items[i] = other.items[i];
  list.count = n;
  return list;
}

// Empties an option table: count 0 and an end record in first place.
void EmptyOptionTable(OrvCLFlagTable& table) {
  table.count = 0;
  table.records[0] = OrvCLFlag();
}

}  // namespace

OrvPrettyPrinter::OrvPrettyPrinter()
    : options(),
      primary_table(nullptr),
      update_genp(0),
      gen_src(0),
      gen_copy_dir(),
      gen_indent_step(2),
      gen_max_indent(40),
      gen_tabs(NewIntList(ORV_GEN_TABS_CAPACITY)),
      gen_line_format(ORV_GEN_LINE_FIXED),
      gen_observe_ab_rules(1),
      gen_print_comments(1),
      gen_enter_exit_copy_comments(1),
      gen_line_id_comments(1),
      gen_73to80_fmt(),
      gen_73to80_start(1),
      gen_73to80_step(1),
      gen_mark_conv(),
      trace_flags(0) {
  for (int stop : kDefaultTabs)
    if (gen_tabs.count < gen_tabs.capacity) gen_tabs.items[gen_tabs.count++] = stop;
}

OrvPrettyPrinter::OrvPrettyPrinter(const OrvPrettyPrinter& other) : OrvPrettyPrinter() {
  CopySettings(other);
}

OrvPrettyPrinter::~OrvPrettyPrinter() { delete[] gen_tabs.items; }

void OrvPrettyPrinter::CopySettings(const OrvPrettyPrinter& other) {
  if (this == &other) return;
  EmptyOptionTable(options);
  primary_table = other.primary_table;
  update_genp = other.update_genp;
  gen_src = other.gen_src;
  gen_copy_dir = other.gen_copy_dir;
  gen_indent_step = other.gen_indent_step;
  gen_max_indent = other.gen_max_indent;
  delete[] gen_tabs.items;
  gen_tabs = CopyIntList(other.gen_tabs);
  gen_line_format = other.gen_line_format;
  gen_observe_ab_rules = other.gen_observe_ab_rules;
  gen_print_comments = other.gen_print_comments;
  gen_enter_exit_copy_comments = other.gen_enter_exit_copy_comments;
  gen_line_id_comments = other.gen_line_id_comments;
  gen_73to80_fmt = other.gen_73to80_fmt;
  gen_73to80_start = other.gen_73to80_start;
  gen_73to80_step = other.gen_73to80_step;
  gen_mark_conv = other.gen_mark_conv;
  trace_flags = other.trace_flags;
}

OrvPrettyPrinterImpl::OrvPrettyPrinterImpl() : OrvPrettyPrinter(), gen_table(nullptr) {}

OrvPrettyPrinterImpl::OrvPrettyPrinterImpl(const OrvPrettyPrinterImpl& other)
    : OrvPrettyPrinter(other), gen_table(nullptr) {}

OrvPrettyPrinterImpl& OrvPrettyPrinterImpl::operator=(const OrvPrettyPrinterImpl& other) {
  if (this == &other) {
    // A self-assignment still drops the table, as any assignment does.
    EmptyOptionTable(options);
    ReleaseGenTable();
    return *this;
  }
  CopySettings(other);
  ReleaseGenTable();
  return *this;
}

OrvPrettyPrinterImpl::~OrvPrettyPrinterImpl() {
  ReleaseGenTable();
  // The last print's printer stays current after the print; a printer that
  // goes must not be left behind for the report routines to read.
  if (OrvCurrentPrinter == this) OrvCurrentPrinter = nullptr;
}

void OrvPrettyPrinterImpl::ReleaseGenTable() {
  if (gen_table == nullptr) return;
  for (int i = ORV_GEN_TABLE_SIZE - 1; i >= 0; --i) gen_table[i].~CGentry();
  ::operator delete(gen_table);
  gen_table = nullptr;
}

