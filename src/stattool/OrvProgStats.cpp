// Gathering the statistics of a program: one pre-order pass over the tree
// with an explicit stack, and the classification of each node.
#include "OrvProgStats.h"

#include <vector>

#include "OrvConstNodes.h"
#include "OrvExpr.h"
#include "OrvExprStr.h"
#include "OrvLink.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

const char* const OrvStatBadName = "-[bad]-";
const char* const OrvStatDynamicName = "-[dynamic]-";

namespace {

// Room of each name list when a record is made.
const int kNameListRoom = 100;

#define ORV_STAT_FEATURE(Code, Operation, Counter) \
  static_assert(Operation == Code, #Operation " keeps its catalogue number");
#include "OrvStatFeatures.def"
static_assert(PARA_PROGRAM_ID == 13 && STMT_ENTRY == 566 && SECTION_PROC == 435 &&
                  PARA_PROC == 437 && SENTENCE == 439 && COPY_REPLACING == 447 &&
                  STMT_REPLACE == 453 && STMT_INLINED_COPY_BEG == 445 &&
                  STMT_UNINLINED_COPY == 444 && STMT_CALL == 500 && STMT_EXEC_IN_DCL == 582 &&
                  STMT_EXEC == 583 && STMT_EXEC_SQL_IN_DCL == 943 && STMT_EXEC_SQL == 947 &&
                  STMT_EXEC_CICS == 1187,
              "the classified operations keep their catalogue numbers");

// Argument i of a node, or null when the node has no such slot (asking an
// operation node for a slot it lacks would be reported as a fault).
OrvExpr* ArgOf(OrvExpr* node, int i) {
  if (node == nullptr || i < 0 || i >= node->NArgs()) return nullptr;
  return node->Args(i);
}

// A slot is present when it holds a node that is not NULL_NODE.
bool Present(const OrvExpr* node) { return node != nullptr && node->Oper() != NULL_NODE; }

// The image of argument i; "-[bad]-" when the argument is missing, a
// NULL_NODE or without an image.
VString ImageOfArg(OrvExpr* node, int i) {
  OrvExpr* arg = ArgOf(node, i);
  if (!Present(arg) || !arg->HasImage() || arg->Image() == nullptr) return VString(OrvStatBadName);
  return *arg->Image();
}

// The NAME of argument i's operation; "-[bad]-" when it is missing or a
// NULL_NODE.
VString OperNameOfArg(OrvExpr* node, int i) {
  OrvExpr* arg = ArgOf(node, i);
  if (!Present(arg)) return VString(OrvStatBadName);
  return VString(OrvOperName(arg->Oper()));
}

// The characters a literal stands for.
VString LiteralValue(OrvExpr* literal) {
  if (const OrvStrConst* s = dynamic_cast<const OrvStrConst*>(literal)) return s->StrValue();
  return literal->Value();
}

// The literal of a level-78 constant: the definition's parent is a
// DECL_CONST_ENTRY whose "Constant Value" is an EX_CONST_VALUE over a
// STR_CONST.  Null for anything else.
OrvExpr* ConstantLiteral(OrvExpr* def) {
  if (def == nullptr || def->Oper() != NAMED_OBJ_DEF) return nullptr;
  OrvExpr* entry = def->Parent();
  if (entry == nullptr || entry->Oper() != DECL_CONST_ENTRY) return nullptr;
  OrvExpr* value = ArgOf(entry, DECL_CONST_ENTRY__CONSTANT_VALUE);
  if (value == nullptr || value->Oper() != EX_CONST_VALUE) return nullptr;
  OrvExpr* literal = ArgOf(value, EX_CONST_VALUE__VALUE);
  return literal != nullptr && literal->Oper() == STR_CONST ? literal : nullptr;
}

void Add(CountedNameTable& list, const VString& name) { list.Add(name, 1, 1); }

}  // namespace

VString OrvStatCalledName(OrvExpr* call) {
  OrvExpr* target = ArgOf(call, STMT_CALL__CALLED_PROGRAM);
  if (target != nullptr && target->Oper() == STR_CONST) return LiteralValue(target);
  if (target != nullptr && target->Oper() == NAMED_OBJ_USE && target->NLinks() > 0) {
    OrvLink* link = target->Link(0);
    if (OrvExpr* literal = ConstantLiteral(link ? link->node : nullptr)) return LiteralValue(literal);
  }
  return VString(OrvStatDynamicName);
}

OrvProgStats::OrvProgStats()
    : CopyInlined(kNameListRoom),
      CopyUninlined(kNameListRoom),
      ProgramIds(kNameListRoom),
      Entries(kNameListRoom),
      Calls(kNameListRoom),
      Execs(kNameListRoom),
      SqlKinds(kNameListRoom),
      CicsKinds(kNameListRoom) {
  Clear();
}

void OrvProgStats::Clear() {
  TotTreeNodes = MaxTreeHeight = TotLeaves = 0;
  LeafDepthSum = 0;
  Sections = Paragraphs = Sentences = Statements = Replacing = 0;
  FileIO = SortMerge = ReportWriter = CommSection = SQL = CICS = 0;
  AcceptDisplANSI = AdisScreen = AdisDynamic = 0;
}

void OrvProgStats::Init(OrvExpr* root) {
  Clear();
  Gather(root, 0);
}

// Inline: Gather runs it at every node of the tree, and most nodes take the
// default branch.
// The EXEC forms found in declarations keep their parts where the others do.
static_assert(STMT_EXEC_IN_DCL__EXEC_KIND == STMT_EXEC__EXEC_KIND &&
                  STMT_EXEC_SQL_IN_DCL__SQL_DECLARATION == STMT_EXEC_SQL__SQL_STATEMENT,
              "an EXEC in declarations keeps its kind where a statement does");
[[gnu::always_inline]] inline void OrvProgStats::Classify(OrvExpr* node) {
  switch (node->Oper()) {
    case PARA_PROGRAM_ID: Add(ProgramIds, ImageOfArg(node, PPID_NAME)); break;
    case STMT_ENTRY: Add(Entries, ImageOfArg(node, STMT_ENTRY__ENTRY_NAME)); break;
    case SECTION_PROC: ++Sections; break;
    case PARA_PROC: ++Paragraphs; break;
    case SENTENCE: ++Sentences; break;
    case COPY_REPLACING:
    case STMT_REPLACE: ++Replacing; break;
    case STMT_INLINED_COPY_BEG: {
      OrvExpr* file = ArgOf(node, STMT_INLINED_COPY_BEG__REAL_FILE_NAME);
      bool named = file != nullptr && file->Oper() == CHAR_STRING && file->Image() != nullptr;
      Add(CopyInlined, named ? *file->Image() : VString(OrvStatBadName));
      break;
    }
    case STMT_UNINLINED_COPY: Add(CopyUninlined, OrvExprStr(ArgOf(node, STMT_UNINLINED_COPY__COPY_MEMBER))); break;
    case STMT_CALL: Add(Calls, OrvStatCalledName(node)); break;
    case STMT_EXEC_IN_DCL:
    case STMT_EXEC: Add(Execs, ImageOfArg(node, STMT_EXEC__EXEC_KIND)); break;
    case STMT_EXEC_SQL_IN_DCL:
    case STMT_EXEC_SQL:
      ++SQL;
      Add(SqlKinds, OperNameOfArg(node, STMT_EXEC_SQL__SQL_STATEMENT));
      break;
    case STMT_EXEC_CICS:
      ++CICS;
      Add(CicsKinds, OperNameOfArg(node, STMT_EXEC_CICS__CICS_STATEMENT));
      break;
#define ORV_STAT_FEATURE(Code, Operation, Counter) \
  case Operation:                                  \
    ++Counter;                                     \
    break;
#include "OrvStatFeatures.def"
    default: break;
  }
}

namespace {

// The operation codes a node's header can hold (11 bits).
const int kOperCodes = 1 << 11;

// What the walk needs to know of each operation code, looked up once for
// the whole run: whether it is a statement (OrvOperIsStmt), and whether
// Classify counts it.  Most nodes are neither, and cost one table read.
const unsigned char kIsStatement = 1;
const unsigned char kClassified = 2;

const unsigned char* CodeKinds() {
  static const std::vector<unsigned char> kinds = [] {
    std::vector<unsigned char> table(kOperCodes);
    for (int op = 0; op < kOperCodes; ++op) table[op] = OrvOperIsStmt(op) != 0 ? kIsStatement : 0;
    const int classified[] = {PARA_PROGRAM_ID, STMT_ENTRY, SECTION_PROC, PARA_PROC, SENTENCE,
                              COPY_REPLACING, STMT_REPLACE, STMT_INLINED_COPY_BEG,
                              STMT_UNINLINED_COPY, STMT_CALL, STMT_EXEC_IN_DCL, STMT_EXEC,
                              STMT_EXEC_SQL_IN_DCL, STMT_EXEC_SQL, STMT_EXEC_CICS,
#define ORV_STAT_FEATURE(Code, Operation, Counter) Operation,
#include "OrvStatFeatures.def"
    };
    for (const int op : classified) table[op] |= kClassified;
    return table;
  }();
  return kinds.data();
}

}  // namespace

// Counts one node met in the walk: its statement flag, its class, its depth.
// Answers its slot count (a node of none is counted as a leaf).  Inline:
// Gather runs it at every node of the tree.
[[gnu::always_inline]] inline int OrvProgStats::CountNode(OrvExpr* node, int depth, const unsigned char* kinds) {
  const unsigned char kind = kinds[node->Oper()];
  if (kind != 0) {
    if ((kind & kIsStatement) != 0) ++Statements;
    if ((kind & kClassified) != 0) Classify(node);
  }
  ++TotTreeNodes;
  if (depth > MaxTreeHeight) MaxTreeHeight = depth;
  const int n = node->NArgs();
  if (n == 0) {
    LeafDepthSum += depth;
    ++TotLeaves;
  }
  return n;
}

void OrvProgStats::Gather(OrvExpr* node, int depth) {
  // The walk keeps one frame per node on the path from `node` (its slot
  // words as stored and the next one to read), not every pending child: a
  // record of many items then costs no stack beyond the tree's height.
  // Nodes are met in the same order as a walk in slot order.
  struct Frame {
    const OrvExpr* node;
    const std::uintptr_t* words;
    int next;
    int count;
  };
  if (node == nullptr) return;  // an empty slot is neither node nor leaf
  const unsigned char* kinds = CodeKinds();
  std::vector<Frame> path;
  const int n = CountNode(node, depth, kinds);
  if (n > 0) path.push_back({node, node->PeekWords(), 0, n});
  while (!path.empty()) {
    Frame& top = path.back();
    if (top.next == top.count) {
      path.pop_back();
      continue;
    }
    const int i = top.next++;
    // The depth of the path's nodes counts up from `depth`.
    const int childDepth = depth + static_cast<int>(path.size());
    const std::uintptr_t w = top.words[i];
    using namespace orv_slot_word;
    OrvExpr* child;
    if (Tag(w) == kChildTag) {
      child = ChildOf(w);
    } else if (Tag(w) == kEmptyTag) {
      // A NULL_NODE of the fill that is not made is counted where it
      // stands, as the node it reads as: no statement, nothing to
      // classify, a leaf.
      if ((w & kFillBit) != 0) CountFillLeaf(childDepth);
      continue;
    } else {
      child = w != 0 ? RecordOf(w)->child : nullptr;
      if (child == nullptr) {
        if (w != 0 && top.node->PeekFill(i)) CountFillLeaf(childDepth);
        continue;
      }
    }
    const int m = CountNode(child, childDepth, kinds);
    if (m > 0) path.push_back({child, child->PeekWords(), 0, m});  // `top` is not used past this point
  }
}

void OrvProgStats::CountFillLeaf(int depth) {
  ++TotTreeNodes;
  if (depth > MaxTreeHeight) MaxTreeHeight = depth;
  LeafDepthSum += depth;
  ++TotLeaves;
}
