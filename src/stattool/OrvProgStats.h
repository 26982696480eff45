// OrvProgStats: the statistics of one parsed program, gathered in one pass
// over its syntax tree (node counts, depth and leaves, counts of sections,
// paragraphs, sentences and statements, counters of optional language
// features, and sorted counted lists of names), and their report.
#ifndef LARK_STATTOOL_ORVPROGSTATS_H
#define LARK_STATTOOL_ORVPROGSTATS_H

#include <cstdint>
#include <iosfwd>
#include <vector>

#include "CountedNameTable.h"
#include "VString.h"

class OrvExpr;

// What a list shows for a name that the tree does not give: a missing or
// empty argument, or one without a text.
extern const char* const OrvStatBadName;      // "-[bad]-"
// The CALL list's entry for a program named at run time.
extern const char* const OrvStatDynamicName;  // "-[dynamic]-"

class OrvProgStats {
public:
  OrvProgStats();
  OrvProgStats(const OrvProgStats&) = delete;
  OrvProgStats& operator=(const OrvProgStats&) = delete;

  // Clears every counter, then gathers the tree below `root`.
  void Init(OrvExpr* root);
  // Gathers the subtree below `node`, whose depth is `depth`.  Every node is
  // visited once, in pre-order, whatever the depth of the tree: the pass
  // keeps its own stack.  A null node is not counted.
  void Gather(OrvExpr* node, int depth);
  // Writes the report.
  std::ostream& Print(std::ostream& out) const;

  int TotTreeNodes;
  int MaxTreeHeight;     // the root has depth 0
  std::int64_t LeafDepthSum;
  int TotLeaves;         // nodes without argument slots
  int Sections;
  int Paragraphs;
  int Sentences;
  int Statements;        // every node whose operation is a statement
  int Replacing;
  CountedNameTable CopyInlined;    // "COPYbook++": inlined COPY members
  CountedNameTable CopyUninlined;  // "COPYbook??": COPY members left as statements
  int FileIO;
  int SortMerge;
  int ReportWriter;
  int CommSection;
  int SQL;
  int CICS;
  int AcceptDisplANSI;
  int AdisScreen;
  int AdisDynamic;
  CountedNameTable ProgramIds;
  CountedNameTable Entries;
  CountedNameTable Calls;
  CountedNameTable Execs;
  CountedNameTable SqlKinds;
  CountedNameTable CicsKinds;

private:
  void Clear();
  // Counts one node by its operation code (at most one rule applies).
  void Classify(OrvExpr* node);
  // Counts a NULL_NODE of the fill that is not made, at `depth`: a node and
  // a leaf, neither a statement nor classified (NULL_NODE is neither).
  void CountFillLeaf(int depth);
  // Counts a node met at `depth` (statement flag and whether it is
  // classified from the table `kinds` of every operation code, class,
  // node, height, leaf); answers its slot count.
  int CountNode(OrvExpr* node, int depth, const unsigned char* kinds);
};

// The name of the program a CALL statement calls: the value of a literal,
// the value of a level-78 constant that holds a literal, else "-[dynamic]-".
VString OrvStatCalledName(OrvExpr* call);

#endif
