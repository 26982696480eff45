// The TIC text form of whole trees: the writer OrvExpr::PutTic(root, out),
// the node reader OrvExpr::GetTicOp, the node factory OrvExpr::NewFromTic,
// the tree reader OrvGetTicTree and the check OrvCheckTree.
#include "OrvTicTree.h"

#include <cstdint>
#include <istream>
#include <ostream>
#include <unordered_set>
#include <utility>
#include <vector>

#include "CountedNameTable.h"
#include "OrvConstNodes.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvPosnWalkers.h"
#include "OrvTicRead.h"
#include "OrvToken.h"
#include "OrvTreeWalk.h"
#include "OrvTxtPosn.h"
#include "VString.h"

namespace {

// The fewest bytes a node and an argument slot take in the text: "\no1:0:0:0:#"
// and "0:0:#0".  They bound how many of each the rest of an input can hold.
// Below SmallCount the bound is not applied: so few cost nothing, and a
// damaged short text then fails where its damage is.
const long long MinNodeBytes = 11;
const long long MinSlotBytes = 6;
const long long SmallCount = 4096;

// How many nodes or slots the rest of the input may declare.
long long InputBound(long long remaining, long long minBytes, long long fixedLimit) {
  if (remaining < 0) return fixedLimit;
  long long bound = remaining / minBytes;
  return bound > SmallCount ? bound : SmallCount;
}

// The state of one read: the node table (node number to node) and what the
// rest of the input may still declare.
struct TicReadState {
  bool checkNumbers = false;      // false for a node read outside a tree read
  std::uint32_t nodeCount = 0;
  std::vector<OrvExpr*> table;
  long long slotBudget = 0;       // argument slots the input can still hold
  int depth = 0;                  // nesting of the node being read
};

TicReadState* currentRead = nullptr;

// Bytes left in the stream when it can tell (file and string streams), else
// -1.  The read position is left where it was.
long long RemainingInput(std::istream& in) {
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr || !in.good()) return -1;
  std::streampos here = buf->pubseekoff(0, std::ios::cur, std::ios::in);
  if (here == std::streampos(-1)) return -1;
  std::streampos last = buf->pubseekoff(0, std::ios::end, std::ios::in);
  buf->pubseekpos(here, std::ios::in);
  if (last == std::streampos(-1) || last < here) return -1;
  return static_cast<long long>(last - here);
}

// Reads one node and its subtree into `node` (null on failure: what was
// built is deleted).
OrvResult ReadNode(std::istream& in, OrvExpr*& node, VString& error, TicReadState& state) {
  node = nullptr;
  int c1 = in.get();
  int c2 = in.get();
  if (c1 != '\n' || c2 != 'o') {
    error = "OrvExpr::GetTicOp: bad start for operation";
    return ORV_TIC_BAD_FORMAT;
  }
  int op = 0;
  int slotCount = 0;
  OrvResult result = GetTicIntNo(in, &op, false, ':', error);
  if (result != ORV_OK) return result;
  result = GetTicIntNo(in, &slotCount, false, ':', error);
  if (result != ORV_OK) return result;

  if (!OrvOperIsList(op)) {
    int arity = OrvOperArgNo(op);
    if (slotCount != arity) {
      error = OrvFormat("Bad number of args for oper: %d. Expected: %d", slotCount, arity);
      return ORV_TIC_BAD_ARITY;
    }
  }
  if (slotCount > state.slotBudget || slotCount > ORV_MAX_ARGS) {
    error = OrvFormat("Bad number of args for oper: %d. More than the input can hold", slotCount);
    return ORV_TIC_BAD_ARITY;
  }
  if (state.depth >= OrvTicMaxDepth) {
    error = OrvFormat("OrvExpr::GetTicOp: operations nested deeper than %d levels", OrvTicMaxDepth);
    return ORV_TIC_BAD_FORMAT;
  }
  state.slotBudget -= slotCount;

  OrvExpr* built = nullptr;
  result = OrvExpr::NewFromTic(op, slotCount, built, error);
  if (result != ORV_OK) return result;
  ++state.depth;
  result = built->GetTic(in, error);
  --state.depth;
  if (result != ORV_OK) {
    delete built;
    return result;
  }
  if (state.checkNumbers) {
    std::uint32_t serial = built->Serial();
    if (serial >= state.nodeCount) {
      error = OrvFormat("Node index %u out of range", static_cast<unsigned>(serial));
      delete built;
      return ORV_TIC_BAD_INDEX;
    }
    if (state.table[serial] != nullptr) {
      error = "Node with this index busy";
      delete built;
      return ORV_TIC_BAD_INDEX;
    }
    state.table[serial] = built;
  }
  node = built;
  return ORV_OK;
}

// Re-attaches every link of a node to the node its stored number names.
int ReattachLinks(OrvExpr* node, void* context) {
  TicReadState* state = static_cast<TicReadState*>(context);
  for (int i = 0; i < node->NLinks(); ++i)
    node->Link(i)->SetLinkExprFromIndex(state->table.data(), state->nodeCount);
  for (int i = 0; i < node->NLinkLists(); ++i)
    for (OrvLinkElem* e = node->Links(i)->Head(); e != nullptr; e = e->next)
      e->link.SetLinkExprFromIndex(state->table.data(), state->nodeCount);
  return 1;
}

// The operation a link target must have, when the owner's class says so
// (0 when any target goes): a use links its definition, a name use or a
// definition its symbol-table element.
int SingleLinkTarget(int ownerOp) {
  switch (ownerOp) {
    case NAMED_OBJ_USE: return NAMED_OBJ_DEF;
    case NAME_USE:
    case NAMED_OBJ_DEF: return SYMBOL_TABLE_ELT;
    default: return 0;
  }
}

// Whether a link-list entry of an `ownerOp` node may point at a `targetOp`
// node: an element lists name uses and definitions, a definition its uses.
bool ListTargetFits(int ownerOp, int targetOp) {
  switch (ownerOp) {
    case SYMBOL_TABLE_ELT: return targetOp == NAME_USE || targetOp == NAMED_OBJ_DEF;
    case NAMED_OBJ_DEF: return targetOp == NAMED_OBJ_USE;
    default: return true;
  }
}

// Every (list owner, target) pair of the link-list entries of the tree read,
// so that the back-reference of a single link is found at once instead of by
// a scan of the target's lists (an element may list very many uses).
struct PairHash {
  size_t operator()(const std::pair<const OrvExpr*, const OrvExpr*>& p) const {
    const size_t a = std::hash<const void*>()(p.first), b = std::hash<const void*>()(p.second);
    return a ^ (b + 0x9e3779b97f4a7c15ULL + (a << 6) + (a >> 2));
  }
};
typedef std::unordered_set<std::pair<const OrvExpr*, const OrvExpr*>, PairHash> ListEntrySet;

int CollectListEntries(OrvExpr* node, void* context) {
  ListEntrySet* entries = static_cast<ListEntrySet*>(context);
  for (int i = 0; i < node->NLinkLists(); ++i)
    for (OrvLinkElem* e = node->Links(i)->Head(); e != nullptr; e = e->next)
      if (e->link.node != nullptr) entries->insert(std::make_pair(node, e->link.node));
  return 1;
}

bool LinksTo(OrvExpr* node, const OrvExpr* target) {
  for (int i = 0; i < node->NLinks(); ++i)
    if (node->Link(i)->node == target) return true;
  return false;
}

void ReportNullifiedLink(OrvExpr* owner, OrvExpr* target) {
  VString text = OrvFormat(
      "OrvGetTicTree: link at %s #%u to %s #%u does not point back. Link nullified.",
      OrvOperName(owner->Oper()), owner->Serial(), OrvOperName(target->Oper()),
      target->Serial());
  OrvTxtPosn none;
  OrvGlobalMessageSink(MSG_SEVERE, &none, &text);
}

// Every link read must be matched by its back-reference (a single link by an
// entry in the target's list, a list entry by the target's single link), as
// the node classes keep them in memory; otherwise destroying one end would
// leave the other pointing at freed memory.  Links of a text that was not
// written from a sound tree are nullified: first single links, then the
// list entries that no longer point back.
int NullifySingleLinks(OrvExpr* node, void* context) {
  const ListEntrySet* entries = static_cast<const ListEntrySet*>(context);
  for (int i = 0; i < node->NLinks(); ++i) {
    OrvLink* link = node->Link(i);
    OrvExpr* target = link->node;
    if (target == nullptr) continue;
    int wanted = SingleLinkTarget(node->Oper());
    if ((wanted != 0 && target->Oper() != wanted) ||
        entries->count(std::make_pair(target, node)) == 0) {
      ReportNullifiedLink(node, target);
      link->node = nullptr;
      link->index = ORV_NO_LINK_INDEX;
    }
  }
  return 1;
}

int NullifyListEntries(OrvExpr* node, void*) {
  for (int i = 0; i < node->NLinkLists(); ++i) {
    OrvLinkList* list = node->Links(i);
    std::vector<OrvExpr*> bad;
    for (OrvLinkElem* e = list->Head(); e != nullptr; e = e->next) {
      OrvExpr* target = e->link.node;
      if (target == nullptr) continue;
      if (!ListTargetFits(node->Oper(), target->Oper()) || !LinksTo(target, node))
        bad.push_back(target);
    }
    if (bad.empty()) continue;
    for (OrvExpr* target : bad) ReportNullifiedLink(node, target);
    // Every entry to a refused target goes, in one pass over the list.
    std::unordered_set<const OrvExpr*> refused(bad.begin(), bad.end());
    list->RemoveIf(
        [](const OrvLink& link, void* set) {
          return static_cast<std::unordered_set<const OrvExpr*>*>(set)->count(link.node) != 0 ? 1 : 0;
        },
        &refused);
  }
  return 1;
}

}  // namespace

std::ostream& OrvExpr::PutTic(OrvExpr* root, std::ostream& out) {
  OrvNodeCounter = 0;
  WalkTheTree(root, nullptr, OrvNumberNodesWalker);
  std::uint32_t nodeCount = OrvNodeCounter;
  WalkTheTree(root, nullptr, OrvLinkIndexWalker);

  const CountedNameTable& files = OrvFileNameTable();
  out << files.count << '\n';
  for (int i = 0; i < files.count; ++i) files[i].name.PutTic(out);
  out << nodeCount << '\n';
  if (root != nullptr) root->PutTic(out);
  return out;
}

OrvResult OrvExpr::GetTicOp(std::istream& in, OrvExpr*& node, VString& error) {
  if (currentRead != nullptr) return ReadNode(in, node, error, *currentRead);
  // A node read on its own: no node table, and the slots it may declare are
  // bounded by the input alone.
  TicReadState state;
  long long remaining = RemainingInput(in);
  state.slotBudget = InputBound(remaining, MinSlotBytes, OrvTicMaxSlots);
  currentRead = &state;
  OrvResult result = ReadNode(in, node, error, state);
  currentRead = nullptr;
  return result;
}

OrvResult OrvExpr::NewFromTic(int op, int slotCount, OrvExpr*& node, VString& error) {
  node = nullptr;
  if (!OrvOperIsValid(op)) {
    error = OrvFormat("OrvExpr::NewFromTic: bad oper %d", op);
    return ORV_TIC_BAD_FORMAT;
  }
  if (slotCount < 0 || slotCount > ORV_MAX_ARGS) {
    error = OrvFormat("OrvExpr::NewFromTic: bad number of args %d", slotCount);
    return ORV_TIC_BAD_ARITY;
  }
  // Leaves have no slots; a named-object use has its one name slot.
  int fixedSlots = 0;
  switch (op) {
    case NULL_NODE: node = new OrvNullNode(); break;
    case SYMBOL_TABLE_ELT: node = new OrvSymTabElt(VString(), 0, OrvLinkList()); break;
    case STR_CONST: node = new OrvStrConst(VString("''")); break;
    case CHAR_STRING: node = new OrvCharString(VString()); break;
    case TOKEN_STRING: node = new OrvTokenString(VString()); break;
    case INT_NUM_CONST: node = new OrvIntNumConst(VString(), 0); break;
    case REAL_NUM_CONST: node = new OrvRealNumConst(VString()); break;
    case NAMED_OBJ_DEF: node = new OrvNamedObjDef(0, OrvLink(), OrvLinkList()); break;
    case NAME_USE: node = new OrvNameUse(OrvLink()); break;
    case NAMED_OBJ_USE:
      fixedSlots = 1;
      node = new OrvNamedObjUse(nullptr, 0, 0);
      break;
    default:
      fixedSlots = slotCount;
      node = new OrvExprOper(static_cast<OrvOper>(op), nullptr, slotCount);
      break;
  }
  if (slotCount != fixedSlots || node->NArgs() != fixedSlots) {
    error = OrvFormat("Bad number of args for oper: %d. Expected: %d", slotCount, fixedSlots);
    delete node;
    node = nullptr;
    return ORV_TIC_BAD_ARITY;
  }
  return ORV_OK;
}

OrvResult OrvGetTicTree(std::istream& in, OrvExpr*& root, VString& error) {
  root = nullptr;
  int fileCount = 0;
  OrvResult result = GetTicIntNo(in, &fileCount, false, '\n', error);
  if (result != ORV_OK) return result;
  if (fileCount > OrvTicMaxFiles) {
    error = OrvFormat("OrvGetTicTree: %d file names, at most %d are allowed", fileCount,
                      OrvTicMaxFiles);
    return ORV_TIC_BAD_NUMBER;
  }
  // File indexes written in the text map to the indexes of the same names in
  // this run's table.
  std::vector<int> fileMap;
  for (int i = 0; i < fileCount; ++i) {
    VString name;
    result = name.GetTic(in, error);
    if (result != ORV_OK) return result;
    const int fileIx = OrvFileNameAdd(name);
    if (fileIx == OrvTxtPosn::NoFileIx) {
      error = OrvFormat("OrvGetTicTree: no room for another file name (the table holds %d)",
                        OrvFileNameTableLimit);
      return ORV_TIC_BAD_INDEX;
    }
    fileMap.push_back(fileIx);
  }

  int nodeCount = 0;
  result = GetTicIntNo(in, &nodeCount, false, '\n', error);
  if (result != ORV_OK) return result;
  TicReadState state;
  long long remaining = RemainingInput(in);
  long long nodeLimit = InputBound(remaining, MinNodeBytes, OrvTicMaxNodes);
  if (nodeCount > nodeLimit) {
    error = OrvFormat("Node index %d out of range: more nodes than the input can hold",
                      nodeCount);
    return ORV_TIC_BAD_INDEX;
  }
  // A tree without nodes is written as its node count 0 alone.
  if (nodeCount == 0 && in.peek() == std::char_traits<char>::eof()) return ORV_OK;

  state.checkNumbers = true;
  state.nodeCount = static_cast<std::uint32_t>(nodeCount);
  state.table.assign(state.nodeCount, nullptr);
  state.slotBudget = InputBound(remaining, MinSlotBytes, OrvTicMaxSlots);

  TicReadState* outer = currentRead;
  currentRead = &state;
  OrvSetTicFileIndexMap(fileMap.data(), fileCount);
  OrvExpr* tree = nullptr;
  result = ReadNode(in, tree, error, state);
  OrvClearTicFileIndexMap();
  currentRead = outer;
  // On failure the partly built tree is already deleted and the table holds
  // nothing that may be used.
  if (result != ORV_OK) return result;

  WalkTheTree(tree, &state, ReattachLinks);
  ListEntrySet listEntries;
  WalkTheTree(tree, &listEntries, CollectListEntries);
  WalkTheTree(tree, &listEntries, NullifySingleLinks);
  WalkTheTree(tree, nullptr, NullifyListEntries);
  root = tree;
  return ORV_OK;
}

namespace {

// The nodes met by the check's walk, in walk order.
struct TreeCheckState {
  std::unordered_set<const OrvExpr*> seen;
  std::vector<OrvExpr*> order;
  OrvTokenList* messages;
  OrvResult result = ORV_OK;
};

// Numbers the nodes as the writer does and notes each node; a node met a
// second time is reported and its subtree is not walked again.
int CheckVisit(OrvExpr* node, void* context) {
  TreeCheckState* state = static_cast<TreeCheckState*>(context);
  if (!state->seen.insert(node).second) {
    state->messages->AddToken(
        MSG_ERR, OrvSrcPosnBegWalker(node),
        OrvFormat("%s appears in the tree more than one time", OrvOperName(node->Oper())));
    state->result = ORV_TIC_NODE_TWICE;
    return 2;
  }
  node->SetSerial(OrvNodeCounter++);
  state->order.push_back(node);
  return 1;
}

int IsCheckedTreeNode(const OrvExpr* node, void* context) {
  return static_cast<TreeCheckState*>(context)->seen.count(node) != 0 ? 1 : 0;
}

}  // namespace

OrvResult OrvCheckTree(OrvExpr* root, OrvTokenList* messages) {
  OrvTokenList scratch;
  TreeCheckState state;
  state.messages = messages != nullptr ? messages : &scratch;
  OrvNodeCounter = 0;
  WalkTheTree(root, &state, CheckVisit);
  for (OrvExpr* node : state.order) {
    if (OrvCheckNodeLinks(node, IsCheckedTreeNode, &state, state.messages) != ORV_OK)
      state.result = ORV_TIC_NODE_TWICE;
  }
  return state.result;
}
