// The printer objects a tool holds: OrvPrettyPrinter, which carries every
// printing setting and builds the printer's option group, and its one
// implementation OrvPrettyPrinterImpl, which adds the per-code table of
// print templates.  Beside them stand the three process-wide variables
// through which the printing code finds the print that runs.
#ifndef LARK_PRINTER_ORVPRETTYPRINTER_H
#define LARK_PRINTER_ORVPRETTYPRINTER_H

#include <iosfwd>

#include "OrvCLFlag.h"
#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
class OrvTokenList;
struct CGentry;

// A counted array of ints with a fixed room: the tab stops.
struct OrvIntList {
  int count;
  int capacity;
  int* items;  // `capacity` ints, owned
};

// Output line formats, the indexes of the "gen-line-format" words.
enum OrvGenLineFormat {
  ORV_GEN_LINE_NA = 0,
  ORV_GEN_LINE_FIXED = 1,
  ORV_GEN_LINE_FREE = 2,
  ORV_GEN_LINE_FSC_FREE = 3,
  ORV_GEN_LINE_VAR = 4
};

// The words of "gen-line-format": "na", "fixed", "free", "fsc-free", "var"
// and an empty value that ends them.
extern VString OrvGenLineFormatWords[6];

// Room of the tab-stop list and its default stops.
const int ORV_GEN_TABS_CAPACITY = 16;

// Bits of `trace_flags`.
enum OrvPrinterTraceBit {
  ORV_PTRACE_PRINT = 0x01,        // interpreter, node printers, output chain, SourcePrint
  ORV_PTRACE_DUMP_BEFORE = 0x02,  // tree dump before printing
  ORV_PTRACE_DUMP_MEASURED = 0x04,  // tree dump after the measure pass
  ORV_PTRACE_SOURCE_COPY = 0x08,  // copying of source text
  ORV_PTRACE_TEMPLATES = 0x10,    // template-row lookup and excerpts
  ORV_PTRACE_SOURCE_READER = 0x20  // the source reader's trace
};

// The printing settings and the printer's option group.  The fields are
// public: the option machinery writes them through the records of the
// group, and the printing code reads them at each print.
class OrvPrettyPrinter {
public:
  // Every setting at its default; the option table is empty.
  OrvPrettyPrinter();
  // Copies every setting (the tab stops into an array of their own); the
  // option table of the copy is empty, `primary_table` is shared.
  OrvPrettyPrinter(const OrvPrettyPrinter& other);
  virtual ~OrvPrettyPrinter();

  // Writes the tree as COBOL to the named file; messages of the print go to
  // `messages`.
  virtual OrvResult PrintFile(const VString& fileName, OrvExpr* tree,
                              OrvTokenList* messages) = 0;
  // Writes the tree as COBOL into `out`.
  virtual OrvResult PrintString(VString& out, OrvExpr* tree, OrvTokenList* messages) = 0;

  // Fills the option table with the printer's records whose mask shares a
  // bit with `mask`, in their fixed order, and returns it.  The records
  // point into this object.
  OrvCLFlagTable& BuildOptions(int mask);

  // The option group that BuildOptions fills.
  OrvCLFlagTable options;
  // Caller's templates that override the default ones (not owned); the
  // array ends at the first row whose template is null.
  CGentry* primary_table;
  // When non-zero, printing records the generated positions of each node.
  int update_genp;

  int gen_src;                       // "gen-src": SourcePrint (1) or PrettyPrint (0)
  VString gen_copy_dir;              // "gen-copy-dir"
  int gen_indent_step;               // "gen-indent-step"
  int gen_max_indent;                // "gen-max-indent"
  OrvIntList gen_tabs;               // "gen-tabs"
  int gen_line_format;               // "gen-line-format": OrvGenLineFormat
  int gen_observe_ab_rules;          // "gen-observe-ab-rules"
  int gen_print_comments;            // "gen-print-comments"
  int gen_enter_exit_copy_comments;  // "gen-enter-exit-copy-comments"
  int gen_line_id_comments;          // "gen-line-id-comments"
  VString gen_73to80_fmt;            // "gen-73to80-fmt"
  int gen_73to80_start;              // "gen-73to80-start"
  int gen_73to80_step;               // "gen-73to80-step"
  VString gen_mark_conv;             // "gen-mark-conv"
  // OrvPrinterTraceBit bits; no option sets them.
  int trace_flags;

protected:
  // Copies every setting of `other` but the option table, freeing the own
  // tab array first.
  void CopySettings(const OrvPrettyPrinter& other);

private:
  OrvPrettyPrinter& operator=(const OrvPrettyPrinter&) = delete;
};

// The printer with its table of print templates.
class OrvPrettyPrinterImpl : public OrvPrettyPrinter {
public:
  OrvPrettyPrinterImpl();
  // As the base's copy; the copy has no template table.
  OrvPrettyPrinterImpl(const OrvPrettyPrinterImpl& other);
  // Empties the option table, copies every setting and drops the template
  // table, so that the next print builds it anew.
  OrvPrettyPrinterImpl& operator=(const OrvPrettyPrinterImpl& other);
  // Frees the template table; clears OrvCurrentPrinter when it names this
  // printer.
  ~OrvPrettyPrinterImpl() override;

  // Writes the tree as COBOL into the named file (truncated, text mode).
  // 10 when the file is a source file of the run ("Output file '%s' is a
  // source file; it is not overwritten"), cannot be opened ("Cannot open
  // file '%s' for output") or cannot be written ("Cannot write file
  // '%s'"), each MSG_ERR without position in `messages`; 41 when another
  // print runs; else the result of PrintTree.
  OrvResult PrintFile(const VString& fileName, OrvExpr* tree, OrvTokenList* messages) override;
  // Runs PrintTree into a string stream and hands `out` the text written,
  // whatever the result; answers PrintTree's result.
  OrvResult PrintString(VString& out, OrvExpr* tree, OrvTokenList* messages) override;

  // The whole-tree print onto `out`: the margins of the line format, the
  // template table when missing, a measure pass and a print pass over the
  // tree, COPY members into their files under "gen-copy-dir".  0; 41 when
  // another print runs ("PrettyPrint is already in use" in `messages`,
  // nothing else touched); 43 for an indentation step below 1 or a bad
  // "gen-73to80-fmt" (nothing written); 49 for a bad template table; or the
  // first failure of a pass (the output holds what was written before).
  // Messages of the print go to `messages`.
  OrvResult PrintTree(std::ostream& out, OrvExpr* tree, OrvTokenList* messages);

  // Prints again a subtree that an earlier print with `update_genp` set has
  // printed, starting at the column and level recorded for it, and moves
  // the generated positions of the rest of the tree by the change in
  // length.  41 when another print runs, else 0: every failure is reported
  // only in `messages`.
  OrvResult PrintFragment(std::ostream& out, OrvExpr* subtree, OrvTokenList* messages);

  // ORV_GEN_TABLE_SIZE heads indexed by operation code, each the first row
  // of that code's chain; null until a print builds it.  The array is
  // allocated with ::operator new and its heads constructed in place, so
  // that it is released head by head (see ReleaseGenTable).
  CGentry* gen_table;

  // Destroys the heads from the last to the first (each taking its chain
  // with it), frees the array and sets `gen_table` null.
  void ReleaseGenTable();
};

// Heads of the template table: operation codes 0 .. 1400.
const int ORV_GEN_TABLE_SIZE = 1401;

// The printer whose print runs (left set afterwards), the message list of
// that print, and 1 while a whole-tree or fragment print runs.
extern OrvPrettyPrinterImpl* OrvCurrentPrinter;
extern OrvTokenList* OrvPrintMessages;
extern int OrvPrintBusy;

#endif
