// SourcePrint preparation: the printing order of argument slots and the gap
// tokens between a parent's text and each child's.
//
// The preparation visits every node of every parsed source, so it keeps its
// per-node arrays on two scratch stacks that live for the whole run instead
// of allocating them per node; each call uses the region above the caller's
// and gives it back on return.  Entries are addressed by index because the
// stacks may move while a child is prepared.
#include "OrvSourcePrintPrep.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "OrvExpr.h"
#include "OrvOper.h"
#include "OrvPosnWalkers.h"
#include "OrvSourceOrder.h"
#include "OrvToken.h"

OrvTxtPosn last_posn;
OrvExpr* err_expr = nullptr;
long SourcePrintScratchMoves = 0;

namespace {

// The source-order index of a slot that has none.
const int kNoOrder = -1;

// What the ordering needs of an operation code: its computed-slot flags
// and the length of its fixed part (OrvOperFixedOrder).
struct OperShape {
  const std::int32_t* computed = nullptr;
  int flagCount = 0;
  int fixed = -1;
  bool anyComputed = false;  // some slot is computed
};

OperShape LookUpShape(int op) {
  OperShape shape;
  shape.computed = OrvOperComputedArgs(op, &shape.flagCount);
  shape.fixed = OrvOperFixedOrder(op);
  for (int i = 0; i < shape.flagCount; ++i) shape.anyComputed = shape.anyComputed || shape.computed[i] != 0;
  return shape;
}

// One argument slot in printing order, as the preparation keeps it: the
// node that holds the slot and its index there (the slot is read as it is
// stored, no record is made for it), the slot's clause order as the
// ordering read it when it collected the slot (the ordering compares it
// many times; outside the ordering it is not read), the node whose template
// describes it and its index within that node.  A null owner marks an entry
// already taken by the ordering.
struct SlotRef {
  OrvExpr* owner;
  std::int32_t index;
  std::int32_t order;
  OrvExpr* root;
  std::int32_t argIx;
};

// The operation codes a node's header can hold.
const int kOperCodes = 1 << 11;

// The plainFixed entry of an operation with a computed slot (or a fixed
// part too long for the entry): its slots never print as they stand.
const std::int16_t kNeverPlain = -2;

struct Scratch {
  Scratch() {
    for (int op = 0; op < ORV_OPER_COUNT; ++op) shapes[op] = LookUpShape(op);
    for (int op = 0; op < kOperCodes; ++op) {
      isList[op] = OrvOperIsList(op) != 0;
      const OperShape shape = ShapeOf(op);
      const bool fits = shape.fixed <= INT16_MAX;
      plainFixed[op] = static_cast<std::int16_t>(shape.anyComputed || !fits ? kNeverPlain : shape.fixed);
    }
  }
  // The shape of `op`, from the table for a code of the catalogue.
  OperShape ShapeOf(int op) const { return op >= 0 && op < ORV_OPER_COUNT ? shapes[op] : LookUpShape(op); }
  std::vector<SlotRef> entries;
  // The child ranges of the nodes on the path from the root: those of one
  // node from its base up, the region in use ending at rangeTop.  The
  // vector only grows, so a node's region is written, never value-filled.
  std::vector<OrvTxtPosnRange> ranges;
  size_t rangeTop = 0;
  // The candidates of the ordered part as (index << 32 | list position),
  // used within one ordering only.
  std::vector<std::uint64_t> picks;
  // The entries without a clause order past the fixed part, while an
  // ordering that needs no sort collects the others (one node's).
  std::vector<SlotRef> later;
  // The gap tokens of the nodes on the path that have tail tokens, found
  // in the loop over their slots and made once the tail is seen to stay
  // where it is: those of one node from its base up.
  struct PendingGap {
    OrvExpr* owner;
    int index;
    OrvTxtPosn from;
    OrvTxtPosn to;
  };
  std::vector<PendingGap> gaps;
  // The call that every node of the tree is passed to, or null.
  void (*visit)(OrvExpr* node) = nullptr;
  std::vector<OrvExpr*> visitStack;  // VisitAll's pending nodes
  VString message;         // empty but within one ordering's warning
  // The COPY statements of the tree being prepared, met in its walk: the
  // order of positions of a member and of the text around its statement.
  OrvSourceOrder order;
  // Every operation's shape, looked up once for the whole run.
  OperShape shapes[ORV_OPER_COUNT];
  // Whether each code a node can carry (11 bits) is a list operation.
  bool isList[kOperCodes];
  // What the test of slots that print as they stand needs of each code, in
  // two bytes: kNeverPlain when some slot is computed, else the length of
  // the fixed part (-1: all of them).  The preparation reads it for every
  // node, and the full shape only for a node whose slots are ordered.
  std::int16_t plainFixed[kOperCodes];
};

Scratch& TheScratch() {
  static Scratch scratch;
  return scratch;
}

// The shape of `op`, from the table for a code of the catalogue.
OperShape ShapeOf(const Scratch& s, int op) { return s.ShapeOf(op); }

// Every entry goes onto the scratch stack through here, which counts the
// entries a growth copies.  The stack holds the entries of every node on
// the path from the root, so it grows geometrically (push_back) and never
// to an exact size: an exact reserve per node would copy the whole path
// again at each level of a deep tree.
// Inline: the ordering puts every slot of a node on the stack twice.
[[gnu::always_inline]] inline void PushEntry(std::vector<SlotRef>& stack, const SlotRef& e) {
  if (stack.size() == stack.capacity()) SourcePrintScratchMoves += static_cast<long>(stack.size());
  stack.push_back(e);
}

// A node with more slots than this leaves its scratch arrays to the heap
// once its tree is prepared: the memory then goes before the statistics and
// the rest of the analysis run, while the usual sizes are kept from tree to
// tree.
const size_t kKeptScratch = 4096;

// Hands the free pages of the heap back to the system.  The C library keeps
// a freed block that was once larger than its mapping threshold inside the
// heap, so the large scratch arrays would stay resident to the end of the
// run (the statistics and the report, where the whole run peaks) without it.
void ReturnFreePages() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

// Gives back `v` when it holds more than the kept size (`held`: its size or
// its capacity, whichever the array grows by); answers whether it did.
template <class T>
bool DropIfLarge(std::vector<T>& v, size_t held) {
  if (held <= kKeptScratch) return false;
  std::vector<T>().swap(v);
  return true;
}

// Gives back scratch arrays that a node of very many slots grew (their
// contents are dead once the preparation is done), and then the heap pages
// they held.
void ReleaseLargeScratch(Scratch& s) {
  // Each array is looked at, whatever the ones before gave back.
  int released = 0;
  released += DropIfLarge(s.entries, s.entries.capacity());
  released += DropIfLarge(s.ranges, s.ranges.size());
  released += DropIfLarge(s.picks, s.picks.capacity());
  released += DropIfLarge(s.later, s.later.capacity());
  released += DropIfLarge(s.gaps, s.gaps.capacity());
  released += DropIfLarge(s.visitStack, s.visitStack.capacity());
  if (released != 0) ReturnFreePages();
}

int OrderOf(const SlotRef& e) { return e.owner ? e.order : kNoOrder; }



// The sort key of a candidate of the ordered part: its clause index (not
// negative) above its list position.
const int kPickShift = 32;
const std::uint64_t kPickPositionMask = 0xffffffffu;
std::uint64_t PickKey(int order, int position) {
  return (static_cast<std::uint64_t>(order) << kPickShift) | static_cast<std::uint32_t>(position);
}

// Keeps the first problem only.
void Note(VString& message, const VString& text) {
  if (message.length == 0) message = text;
}

// Step 3: the slots of the node in slot order, computed slots left out and
// list children past the fixed part flattened, appended to `out`.  Answers
// whether any entry carries a clause order or has no slot.
// The slots are read from their stored words.
// Passes the entries of CollectSlots to `push` in list order, as
// push(owner, index, order, root, argIx); a push that answers false stops
// the pass, which then answers false.
template <class Push>
[[gnu::always_inline]] inline bool ForEachSlot(const Scratch& s, OrvExpr* node, const OperShape& shape, int fixed,
                                               Push push) {
  const int n = node->NArgs();
  const int flagCount = shape.flagCount;
  const std::int32_t* computed = shape.computed;
  const std::uintptr_t* words = node->PeekWords();
  for (int i = 0; i < n; ++i) {
    if (i < flagCount && computed[i] != 0) continue;
    const std::uintptr_t w = words[i];
    OrvExpr* child = orv_slot_word::StoredChildOf(w);
    if (i < fixed || child == nullptr || !s.isList[child->Oper()]) {
      if (!push(node, i, orv_slot_word::StoredOrderOf(w), node, i)) return false;
      continue;
    }
    const int m = child->NArgs();
    if (m == 0) continue;
    const std::uintptr_t* childWords = child->PeekWords();
    for (int j = 0; j < m; ++j) {
      const bool go = j == 0 ? push(child, 0, orv_slot_word::StoredOrderOf(childWords[0]), node, i)
                             : push(child, j, orv_slot_word::StoredOrderOf(childWords[j]), child, j);
      if (!go) return false;
    }
  }
  return true;
}

bool CollectSlots(const Scratch& s, OrvExpr* node, const OperShape& shape, int fixed, std::vector<SlotRef>& out) {
  bool ordered = false;
  ForEachSlot(s, node, shape, fixed, [&](OrvExpr* owner, int index, int order, OrvExpr* root, int argIx) {
    ordered = ordered || order != kNoOrder;
    PushEntry(out, SlotRef{owner, index, order, root, argIx});
    return true;
  });
  return ordered;
}

// The ordering below when it needs no sort, while the slots are collected:
// when the clause orders of the fixed part (the first `fixed` entries)
// count up from 0 in list order and those past it rise in list order from
// where the fixed part ended, the ordering takes the fixed part, then the
// entries with a clause order past it, then those without one, each in
// list order, and leaves none out: they go onto `out` in that order (the
// last ones through the scratch's `later`).  Answers false otherwise, with
// `out` to be cut back by the caller.  A node without clause orders passes.
bool CollectInOrder(Scratch& s, OrvExpr* node, const OperShape& shape, int fixed, std::vector<SlotRef>& out) {
  std::vector<SlotRef>& later = s.later;
  later.clear();
  int k = 0;
  int expected = 0;
  int lastOrder = kNoOrder;
  const bool rising = ForEachSlot(s, node, shape, fixed, [&](OrvExpr* owner, int index, int order, OrvExpr* root,
                                                             int argIx) {
    const SlotRef e{owner, index, order, root, argIx};
    if (k++ < fixed) {
      if (order != kNoOrder) {
        if (order != expected) return false;
        ++expected;
      }
      lastOrder = expected - 1;
      PushEntry(out, e);
    } else if (order == kNoOrder) {
      later.push_back(e);
    } else {
      if (order <= lastOrder) return false;
      lastOrder = order;
      PushEntry(out, e);
    }
    return true;
  });
  if (!rising) return false;
  for (const SlotRef& e : later) PushEntry(out, e);
  return true;
}

// Orders the node's slots onto the end of `arena`: on return the arena
// holds, from its old size on, the `count` entries in printing order.  The
// collected list L and the output both stand on the arena: L first, the
// output behind it; a taken entry of L has its slot set null.  L is
// addressed by index, since the arena may move while the output grows.
OrvResult OrderSlots(Scratch& s, OrvExpr* node, std::vector<SlotRef>& arena, int& count,
                     VString& message) {
  count = 0;
  if (node == nullptr || node->NArgs() == 0) return ORV_OK;
  OrvResult result = ORV_OK;
  int op = node->Oper();
  const OperShape shape = ShapeOf(s, op);
  int fixed = shape.fixed;
  if (fixed < 0) fixed = node->NArgs();

  const size_t base = arena.size();
  // Most nodes carry no clause order, or carry them in list order: their
  // order needs no sort.
  if (CollectInOrder(s, node, shape, fixed, arena)) {
    count = static_cast<int>(arena.size() - base);
    return ORV_OK;
  }
  arena.resize(base);
  const bool ordered = CollectSlots(s, node, shape, fixed, arena);
  const int n = static_cast<int>(arena.size() - base);
  auto list = [&](int k) -> SlotRef& { return arena[base + static_cast<size_t>(k)]; };
  // Most nodes carry no clause order at all: then every part below keeps
  // the list order, and the list is the answer as it stands.
  if (!ordered) {
    count = n;
    return ORV_OK;
  }
  auto take = [&](int k) {
    const SlotRef taken = list(k);
    PushEntry(arena, taken);
    list(k).owner = nullptr;
  };
  int expected = 0;

  // Fixed part: taken in list order; their indexes must count up from 0.
  for (int k = 0; k < n && k < fixed; ++k) {
    int order = OrderOf(list(k));
    if (order != kNoOrder) {
      if (order == expected) {
        ++expected;
      } else {
        result = ORV_SOURCE_PRINT_BAD_ORDER;
        Note(message, OrvFormat("SourcePrint: bad order of fixed clauses in %s: clause '%s' has "
                                "index %d instead of %d",
                                OrvOperName(op), OrvOperArgName(op, k).text, order, expected));
      }
    }
    take(k);
  }

  // Ordered part: for each index from `expected` up to the largest one left,
  // the first untaken entry that carries it.  Sorting the candidates by
  // (index, list position) gives the same picks without a scan per index;
  // both are small and not negative, so one key holds the pair and sorts
  // as it does.
  std::vector<std::uint64_t>& picks = s.picks;
  picks.clear();
  for (int k = 0; k < n; ++k)
    if (list(k).owner && OrderOf(list(k)) >= expected) picks.push_back(PickKey(OrderOf(list(k)), k));
  std::sort(picks.begin(), picks.end());
  int lastPicked = kNoOrder;
  for (const std::uint64_t key : picks) {
    const int order = static_cast<int>(key >> kPickShift);
    const int k = static_cast<int>(key & kPickPositionMask);
    if (order == lastPicked) continue;  // a second entry of one index stays out
    lastPicked = order;
    take(k);
  }

  // Unordered part, in list order.
  for (int k = 0; k < n; ++k)
    if (list(k).owner && OrderOf(list(k)) == kNoOrder) take(k);

  count = static_cast<int>(arena.size() - base) - n;
  if (count != n) {
    result = ORV_SOURCE_PRINT_BAD_ORDER;
    Note(message, OrvFormat("SourcePrint: all_arg_no (%d) != ord_arg_no (%d)", n, count));
  }
  arena.erase(arena.begin() + static_cast<std::ptrdiff_t>(base),
              arena.begin() + static_cast<std::ptrdiff_t>(base) + n);
  return result;
}

// The trace of the positions pass.
std::ostream& Trace() { return std::cout; }

bool GapEdge(const OrvTxtPosn& p) { return p.IsSet() && !p.IsInfinity(); }

// Slot k of the printing order: slot k of `plain` when the node's slots
// print as they stand (PlainSlots), else the entry's slot.
SlotRef PrintedSlot(const Scratch& s, OrvExpr* plain, size_t entryBase, int k) {
  return plain != nullptr ? SlotRef{plain, k, kNoOrder, plain, k} : s.entries[entryBase + k];
}

// Whether the node's slots print as they stand, so that the ordering would
// give them back in slot order: no computed slot, none with a clause order,
// and no list to flatten past the fixed part.
bool PlainSlots(const OrvExpr* node, const OperShape& shape) {
  if (shape.anyComputed) return false;
  const int n = node->NArgs();
  const int fixed = shape.fixed < 0 ? n : shape.fixed;
  for (int i = 0; i < n; ++i) {
    if (node->PeekOrder(i) != kNoOrder) return false;
    if (i < fixed) continue;
    const OrvExpr* child = node->PeekChild(i);
    if (child != nullptr && OrvOperIsList(child->Oper())) return false;
  }
  return true;
}

// Where the text of a slot in printing order begins: at the first
// positioned token of its list (null when it holds none), else at its
// child's range.
OrvTxtPosn SlotStart(const OrvTokenList* tokens, const OrvTxtPosnRange& child) {
  if (tokens != nullptr)
    for (const OrvToken* t : *tokens)
      if (t->begin.IsSet()) return t->begin;
  return child.beg;
}

// Puts the token into the list in front of the first positioned token that
// begins after it.
void InsertInOrder(const OrvSourceOrder& order, OrvTokenList& list, OrvToken* token) {
  OrvTokenList before;
  while (OrvToken* t = list.First()) {
    if (order.Before(token->begin, t->begin)) break;
    OrvToken* moved = list.PopFirst();
    before.Append(moved);
  }
  before.Append(token);
  list.Prepend(before);
}

// Tokens of the tail that stand in the source before the end of the text
// of the node's slots: keywords and separators that the parse could not
// hand to a child, because the child was built apart from its rule (the
// clauses of SPECIAL-NAMES, LINES after LINAGE IS, the operand after
// THRU).  Each goes to the slot of the first entry whose text begins
// after it, where a print from the source writes it, and the node's range
// begins with the first of them when it stands first, so that the gaps in
// front of the node and of its children end where their text begins.
// Positions are compared in reading order across files: a paragraph's
// keyword written before a COPY statement whose member holds the
// paragraph's clauses goes in front of the statement, not behind the
// member's text.
void MergeTailIntoSlots(Scratch& s, OrvExpr* plain, size_t entryBase, size_t rangeBase, int count,
                        OrvExpr* node, OrvTxtPosnRange& r) {
  const OrvSourceOrder& order = s.order;
  auto Before = [&order](const OrvTxtPosn& a, const OrvTxtPosn& b) { return order.Before(a, b); };
  OrvTokenList& tail = node->Tokens();
  // The tokens come in source order, so each goes to the entry of the one
  // before it or to a later one; an entry's start is taken before any
  // token goes there.  Only the slot that takes a token is made a record.
  int k = -1;
  OrvTxtPosn start;
  for (OrvToken* t = tail.First(); t != nullptr && Before(t->begin, r.end); t = tail.First()) {
    while (k < count && (k < 0 || !Before(t->begin, start))) {
      if (++k < count) {
        const SlotRef slot = PrintedSlot(s, plain, entryBase, k);
        start = SlotStart(slot.owner->PeekTokens(slot.index), s.ranges[rangeBase + k]);
      }
    }
    if (k == count) break;
    OrvToken* moved = tail.PopFirst();
    if (Before(moved->begin, r.beg)) r.beg = moved->begin;
    const SlotRef slot = PrintedSlot(s, plain, entryBase, k);
    InsertInOrder(order, slot.owner->SlotAt(slot.index)->tokens, moved);
  }
}

// Whether the gap token covers the token's text: both in one file, the
// token beginning and ending within the gap.
bool GapCovers(const OrvToken& gap, const OrvToken& token) {
  return gap.code == SEP_SPACE && GapEdge(gap.begin) && GapEdge(gap.end) && token.end.IsSet() &&
         gap.begin.FileIx() == token.begin.FileIx() && gap.end.FileIx() == token.end.FileIx() &&
         OrvTxtPosn::Compare(gap.begin, token.begin) <= 0 && OrvTxtPosn::Compare(token.end, gap.end) <= 0;
}

// Puts the token into the list in place of the gap that covers it, between
// the parts of the gap before and after it (an empty part is left out).
// Answers whether a gap of the list covered it; the list then owns it.
bool SplitGapAround(OrvTokenList& list, OrvToken*& token) {
  bool covered = false;
  for (const OrvToken* t = list.First(); t != nullptr && !covered; t = list.Next(t)) covered = GapCovers(*t, *token);
  if (!covered) return false;
  OrvTokenList rebuilt;
  while (OrvToken* t = list.PopFirst()) {
    if (token == nullptr || !GapCovers(*t, *token)) {
      rebuilt.Append(t);
      continue;
    }
    OrvToken* before = t->begin != token->begin ? new OrvToken(SEP_SPACE, VString(), t->begin, token->begin) : nullptr;
    OrvToken* after = token->end != t->end ? new OrvToken(SEP_SPACE, VString(), token->end, t->end) : nullptr;
    delete t;
    rebuilt.Append(before);
    rebuilt.Append(token);
    rebuilt.Append(after);
  }
  list.Splice(rebuilt);
  return true;
}

// The first slot of the subtree, in slot order, whose gap covers the token
// takes it (SplitGapAround).  Answers whether one did.  Only tokens found
// out of place come here, so the walk is rare; it is as deep as the tree.
bool PlaceInCoveringGap(OrvExpr* node, OrvToken*& token) {
  if (node == nullptr || node->Oper() == SYMBOL_TABLE_ELT_LIST) return false;
  const int n = node->NArgs();
  for (int i = 0; i < n; ++i) {
    OrvTokenList* tokens = node->PeekTokens(i);
    if ((tokens != nullptr && SplitGapAround(*tokens, token)) || PlaceInCoveringGap(node->PeekChild(i), token))
      return true;
  }
  return false;
}

// order.Before(a, b), with two positions of one file compared inline (by
// line, then column), as Before compares them: most slot tokens stand in
// the file of the child's text.
inline bool ReadBefore(const OrvSourceOrder& order, const OrvTxtPosn& a, const OrvTxtPosn& b) {
  if (a.FileIx() != b.FileIx()) return order.Before(a, b);
  if (!a.IsSet() || !b.IsSet()) return false;
  return a.Line() != b.Line() ? a.Line() < b.Line() : a.Column() < b.Column();
}

// Tokens of a slot that stand in the source inside the text of the slot's
// child, which the parse left in front of the whole child: the ALSO
// between the first two names of a split key, which the key's rule holds
// while the names' list is built apart; a comment line of an EXEC block,
// which the block's list of lines holds in front of all its lines when the
// block is one line of tokens.  The child's gap tokens, made without them,
// span their text, so that a print from the source would copy it twice and
// then go back.  Each such token takes the place of the part of the gap
// that covers it; one that no gap covers stays where it is.
// Answers whether the list was rebuilt (some such token was found).
// Whether the token stands inside the text of the range (HandInnerTokensToChild).
// Inline: the preparation asks it of every token in front of a child.
[[gnu::always_inline]] inline bool InnerToken(const OrvSourceOrder& order, const OrvToken* t,
                                              const OrvTxtPosnRange& range) {
  return t != nullptr && t->code != SEP_SPACE && ReadBefore(order, range.beg, t->begin) &&
         ReadBefore(order, t->begin, range.end);
}

// Whether some token of the list stands inside the text of the range: the
// test HandInnerTokensToChild starts with, which almost every list passes
// without finding one.  Inline in the preparation's loop.
[[gnu::always_inline]] inline bool AnyInnerToken(const OrvSourceOrder& order, const OrvTokenList& tokens,
                                                 const OrvTxtPosnRange& range) {
  for (const OrvToken* t = tokens.First(); t != nullptr; t = tokens.Next(t))
    if (InnerToken(order, t, range)) return true;
  return false;
}

bool HandInnerTokensToChild(const OrvSourceOrder& order, OrvTokenList& tokens, OrvExpr* child,
                            const OrvTxtPosnRange& range) {
  auto inner = [&](const OrvToken* t) { return InnerToken(order, t, range); };
  if (!AnyInnerToken(order, tokens, range)) return false;
  OrvTokenList kept;
  while (OrvToken* t = tokens.PopFirst())
    if (!inner(t) || !PlaceInCoveringGap(child, t)) kept.Append(t);
  tokens.Splice(kept);
  return true;
}

// Step 6: a SEP_SPACE token in front of each child whose text does not begin
// where the text before it ended.  Only a slot that takes a token is made
// a record.
void AddGapTokens(Scratch& s, OrvExpr* plain, size_t entryBase, size_t rangeBase, int count,
                  int debugLevel) {
  OrvTxtPosn last;
  for (int k = 0; k < count; ++k) {
    const SlotRef slot = PrintedSlot(s, plain, entryBase, k);
    const OrvTxtPosnRange range = s.ranges[rangeBase + k];
    // Most slots hold no token: their own range is empty.
    const OrvTokenList* tokens = slot.owner->PeekTokens(slot.index);
    OrvTxtPosnRange own = tokens != nullptr ? tokens->PosnRange() : OrvTxtPosnRange();
    if (debugLevel > 0) {
      Trace() << "$SetSlotPosnOper: toks#" << k << ": " << own << "\n";
      Trace() << "=SetSlotPosnOper: arg #" << k << ": " << range << "\n";
    }
    if (own.end.IsSet()) last = own.end;
    if (GapEdge(last) && GapEdge(range.beg) && OrvTxtPosn::Compare(last, range.beg) != 0) {
      OrvToken* gap = new OrvToken(SEP_SPACE, VString(), last, range.beg);
      if (debugLevel > 0) Trace() << "+SetSlotPosnOper: add space token " << gap->Range() << "\n";
      slot.owner->SlotAt(slot.index)->tokens.Append(gap);
    }
    if (range.end.IsSet()) last = range.end;
  }
}

}  // namespace

void UpdateErrorExpr(const OrvTokenList& tokens) { UpdateErrorExpr(tokens, SourcePrintTraceLevel()); }

void UpdateErrorExpr(const OrvTokenList& tokens, int debugLevel) {
  for (const OrvToken* token : tokens) {
    if (err_expr && token->begin.IsSet()) {
      OrvToken* first = err_expr->Tokens().First();
      if (first) first->end = token->begin;
      err_expr = nullptr;
      if (debugLevel > 0) Trace() << "+UpdateErrorExpr: err_expr.posn.end to " << token->begin << "\n";
    }
    if (token->end.IsSet()) {
      last_posn = token->end;
      if (debugLevel > 1) Trace() << "+UpdateErrorExpr: set last_posn to " << last_posn << "\n";
    }
  }
}

OrvResult SourcePrint(OrvExpr* node, OrvSlotOrderEntry*& entries, int& count, VString& message) {
  entries = nullptr;
  std::vector<OrvSlotOrderEntry> arena;
  const OrvResult result = OrvSourcePrintOrder(node, arena, count, message);
  if (count > 0) {
    entries = new OrvSlotOrderEntry[static_cast<size_t>(count)];
    std::copy(arena.begin(), arena.end(), entries);
  }
  return result;
}

OrvResult OrvSourcePrintOrder(OrvExpr* node, std::vector<OrvSlotOrderEntry>& arena, int& count, VString& message) {
  count = 0;
  if (node == nullptr || node->NArgs() == 0) return ORV_OK;
  Scratch& s = TheScratch();
  if (PlainSlots(node, ShapeOf(s, node->Oper()))) {
    // Slots that print as they stand need no ordering: the ordering would
    // give them back in slot order.
    count = node->NArgs();
    for (int i = 0; i < count; ++i) arena.push_back(OrvSlotOrderEntry{node->SlotAt(i), node, i});
    return ORV_OK;
  }
  // The ordering runs on the scratch stack above whatever stands there; the
  // entries it leaves are handed over as slots and the stack shrinks back.
  const size_t base = s.entries.size();
  const OrvResult result = OrderSlots(s, node, s.entries, count, message);
  for (int k = 0; k < count; ++k) {
    const SlotRef& ref = s.entries[base + static_cast<size_t>(k)];
    arena.push_back(OrvSlotOrderEntry{ref.owner->SlotAt(ref.index), ref.root, ref.argIx});
  }
  s.entries.resize(base);
  return result;
}

OrvTxtPosnRange SetSlotPosnOper(OrvExpr* node) { return SetSlotPosnOper(node, SourcePrintTraceLevel()); }

namespace {

// SetSlotPosnOper on the scratch stacks `s`, which the whole recursion
// shares.
OrvTxtPosnRange PrepareNode(Scratch& s, OrvExpr* node, int debugLevel) {
  OrvTxtPosnRange r;
  if (node == nullptr || node->Oper() == SYMBOL_TABLE_ELT_LIST) return r;
  if (node->NArgs() == 0) {
    // A leaf: only its own tokens, no slot to order and no gap to fill.
    if (debugLevel > 0) Trace() << "\n@SetSlotPosnOper: " << OrvOperName(node->Oper()) << "\n";
    if (!node->Tokens().IsEmpty()) {
      node->Tokens().ExtendPosnRange(r);
      UpdateErrorExpr(node->Tokens(), debugLevel);
    }
    if (debugLevel > 0) Trace() << "*SetSlotPosnOper: rc " << r << "\n";
    return r;
  }
  const size_t entryBase = s.entries.size();
  int count = 0;
  // Most nodes print their slots as they stand: they are read from the
  // node itself, without entries.
  OrvExpr* plain = PlainSlots(node, ShapeOf(s, node->Oper())) ? node : nullptr;
  if (plain != nullptr) {
    count = node->NArgs();
  } else if (OrderSlots(s, node, s.entries, count, s.message) == ORV_SOURCE_PRINT_BAD_ORDER) {
    // The ordering writes a message only when it answers "bad order"; the
    // scratch's message is emptied again after the warning.
    SourcePrintWarning(s.message, OrvSrcPosnBegWalker(node));
    s.message = VString();
  }
  const size_t rangeBase = s.rangeTop;
  s.rangeTop = rangeBase + static_cast<size_t>(count);
  if (s.ranges.size() < s.rangeTop) s.ranges.resize(std::max(s.rangeTop, 2 * s.ranges.size()));

  // The ranges of the slots' tokens and children, in printing order.  The
  // recursion is as deep as the tree, which the parse stack bounds.
  for (int k = 0; k < count; ++k) {
    const SlotRef slot = PrintedSlot(s, plain, entryBase, k);
    OrvTxtPosnRange child;
    OrvTokenList* tokens = slot.owner->PeekTokens(slot.index);
    OrvExpr* sub = slot.owner->PeekChild(slot.index);
    {
      // An empty list changes neither the range nor the error node.
      const bool held = tokens != nullptr && !tokens->IsEmpty();
      if (held) UpdateErrorExpr(*tokens, debugLevel);
      if (sub != nullptr) child = PrepareNode(s, sub, debugLevel);
      if (held) {
        if (child.beg.IsSet()) HandInnerTokensToChild(s.order, *tokens, sub, child);
        tokens->ExtendPosnRange(r);
      }
      if (child.beg.IsSet() && !r.beg.IsSet()) r.beg = child.beg;
      if (child.end.IsSet()) r.end = child.end;
    }
    s.ranges[rangeBase + k] = child;
  }
  if (debugLevel > 0) Trace() << "\n@SetSlotPosnOper: " << OrvOperName(node->Oper()) << "\n";

  if (!node->Tokens().IsEmpty()) {
    if (count > 0) MergeTailIntoSlots(s, plain, entryBase, rangeBase, count, node, r);
    node->Tokens().ExtendPosnRange(r);
    UpdateErrorExpr(node->Tokens(), debugLevel);
  }

  AddGapTokens(s, plain, entryBase, rangeBase, count, debugLevel);
  // A COPY statement ends with its own text: the member's text that follows
  // in the walk orders behind it.
  s.order.NoteMarker(node, r.end);
  s.entries.resize(entryBase);
  s.rangeTop = rangeBase;
  if (debugLevel > 0) Trace() << "*SetSlotPosnOper: rc " << r << "\n";
  return r;
}

// The quiet preparation: PrepareNode without the trace and without a
// pending error node, which a parse always runs.  UpdateErrorExpr then only
// sets last_posn to the last set end of each list it is given; here that is
// the end of the list's range.  The slots are read from their stored words.
// A child without slots is prepared in its parent's loop.  A node without
// tail tokens adds its gap tokens in the loop over its slots, as each
// slot's range is known: no later step of the node then looks at a slot
// already passed (only the merge of tail tokens would), so the gaps come
// out as AddGapTokens makes them.  A node with tail tokens finds its gaps
// in the same loop and makes them after the loop when none of its tail
// tokens goes into a slot (the usual case: the tail stands behind the
// text of the slots); otherwise the merge and AddGapTokens run as in
// PrepareNode.

// Passes every node of the subtree to the scratch's visit call.
void VisitAll(Scratch& s, OrvExpr* root) {
  std::vector<OrvExpr*>& stack = s.visitStack;
  const size_t base = stack.size();
  stack.push_back(root);
  while (stack.size() > base) {
    OrvExpr* node = stack.back();
    stack.pop_back();
    s.visit(node);
    const int n = node->NArgs();
    if (n == 0) continue;
    const std::uintptr_t* words = node->PeekWords();
    for (int i = n - 1; i >= 0; --i)
      if (OrvExpr* child = orv_slot_word::StoredChildOf(words[i])) stack.push_back(child);
  }
}

// The nodes below a node whose slots do not print as they stand that the
// preparation does not reach through its printing order: the children of
// computed slots, and the list children flattened into the order (their
// slots' children are reached).  When the order left entries out, every
// child's subtree.
void VisitUnordered(Scratch& s, OrvExpr* node, const OperShape& shape, int fixed, bool leftOut) {
  const int n = node->NArgs();
  const std::uintptr_t* words = node->PeekWords();
  for (int i = 0; i < n; ++i) {
    OrvExpr* child = orv_slot_word::StoredChildOf(words[i]);
    if (child == nullptr) continue;
    if (leftOut || (i < shape.flagCount && shape.computed[i] != 0))
      VisitAll(s, child);
    else if (i >= fixed && s.isList[child->Oper()])
      s.visit(child);
  }
}

// PlainSlots over the node's stored words, given the operation's
// plainFixed entry.
bool PlainWords(const Scratch& s, const std::uintptr_t* words, int n, int plainFixed) {
  if (plainFixed == kNeverPlain) return false;
  const int fixed = plainFixed < 0 ? n : plainFixed;
  for (int i = 0; i < n; ++i) {
    const std::uintptr_t w = words[i];
    if (orv_slot_word::StoredOrderOf(w) != kNoOrder) return false;
    if (i < fixed) continue;
    const OrvExpr* child = orv_slot_word::StoredChildOf(w);
    if (child != nullptr && s.isList[child->Oper()]) return false;
  }
  return true;
}

// Widens `r` by a range met after everything it covers so far.
void Extend(OrvTxtPosnRange& r, const OrvTxtPosnRange& by) {
  if (by.beg.IsSet() && !r.beg.IsSet()) r.beg = by.beg;
  if (by.end.IsSet()) r.end = by.end;
}

// The range of a list the preparation reads, which UpdateErrorExpr would
// have read: its set end becomes last_posn.
// The range is read here, as OrvTokenList::PosnRange reads it: the first
// set begin and the last set end.
// Inline: the preparation reads about one list per node.
[[gnu::always_inline]] inline OrvTxtPosnRange ReadList(const OrvTokenList& tokens) {
  OrvTxtPosnRange range;
  for (const OrvToken* t = tokens.First(); t != nullptr; t = tokens.Next(t)) {
    if (t->begin.IsSet() && !range.beg.IsSet()) range.beg = t->begin;
    if (t->end.IsSet()) range.end = t->end;
  }
  if (range.end.IsSet()) last_posn = range.end;
  return range;
}

// The printing order of a node whose slots do not print as they stand,
// onto the scratch's entries; answers their count.  Passes the nodes the
// order leaves out to the visit call, and warns of a bad order.  Apart
// from PrepareQuiet, which runs it for few nodes.
[[gnu::noinline]] int OrderQuiet(Scratch& s, OrvExpr* node, int op, int n) {
  int count = 0;
  const OperShape shape = ShapeOf(s, op);
  const OrvResult ordered = OrderSlots(s, node, s.entries, count, s.message);
  if (s.visit != nullptr)
    VisitUnordered(s, node, shape, shape.fixed < 0 ? n : shape.fixed, ordered == ORV_SOURCE_PRINT_BAD_ORDER);
  if (ordered == ORV_SOURCE_PRINT_BAD_ORDER) {
    SourcePrintWarning(s.message, OrvSrcPosnBegWalker(node));
    s.message = VString();
  }
  return count;
}

// The end of PrepareQuiet for a node with tail tokens, once the loop over
// its `count` slots has kept their ranges from `rangeBase` and their gaps
// from `gapBase` on: the tail's tokens that stand before the end of the
// slots' text go into the slots and the gaps are found again, or else the
// gaps found are made; the tail then widens `r`.  Gives back the node's
// ranges and gaps.  `plain` as PrintedSlot takes it.
[[gnu::noinline]] void FinishTail(Scratch& s, OrvExpr* node, OrvExpr* plain, size_t entryBase, size_t rangeBase,
                                  size_t gapBase, int count, OrvTxtPosnRange& r) {
  // MergeTailIntoSlots moves tokens only from a first one that stands
  // before the end of the slots' text.
  const bool merges = count > 0 && ReadBefore(s.order, node->Tokens().First()->begin, r.end);
  if (merges) MergeTailIntoSlots(s, plain, entryBase, rangeBase, count, node, r);
  Extend(r, ReadList(node->Tokens()));
  if (merges) {
    AddGapTokens(s, plain, entryBase, rangeBase, count, 0);
  } else {
    for (size_t g = gapBase; g < s.gaps.size(); ++g) {
      const Scratch::PendingGap& pending = s.gaps[g];
      OrvToken* gap = new OrvToken(SEP_SPACE, VString(), pending.from, pending.to);
      pending.owner->SlotAt(pending.index)->tokens.Append(gap);
    }
  }
  s.gaps.resize(gapBase);
  s.rangeTop = rangeBase;
}

// PrepareNode for a node with slots that is not the symbol table.
OrvTxtPosnRange PrepareQuiet(Scratch& s, OrvExpr* node) {
  OrvTxtPosnRange r;
  const int op = node->Oper();
  const int n = node->NArgs();
  const std::uintptr_t* words = node->PeekWords();
  const size_t entryBase = s.entries.size();
  int count = 0;
  if (s.visit != nullptr) s.visit(node);
  const bool plain = PlainWords(s, words, n, s.plainFixed[op]);
  if (plain) {
    count = n;
  } else {
    count = OrderQuiet(s, node, op, n);
  }
  // Tail tokens are merged into the slots once every slot's range is
  // known, before the gaps: the ranges are then kept for both steps.
  const bool tail = !node->Tokens().IsEmpty();
  const size_t rangeBase = s.rangeTop;
  if (tail) {
    s.rangeTop = rangeBase + static_cast<size_t>(count);
    if (s.ranges.size() < s.rangeTop) s.ranges.resize(std::max(s.rangeTop, 2 * s.ranges.size()));
  }
  OrvTxtPosn last;  // the gaps' "where the text before ended"
  const size_t gapBase = s.gaps.size();
  for (int k = 0; k < count; ++k) {
    OrvExpr* owner = node;
    int index = k;
    std::uintptr_t w;
    if (plain) {
      w = words[k];
    } else {
      const SlotRef& e = s.entries[entryBase + static_cast<size_t>(k)];
      owner = e.owner;
      index = e.index;
      w = owner->PeekWords()[index];
    }
    // The slot's child and tokens as WordChild and WordTokens read them,
    // the tag tested once.  A slot without child and tokens (an empty word,
    // or no record at all) has an empty range and no gap.
    OrvTokenList* tokens = nullptr;
    OrvExpr* sub;
    if (orv_slot_word::Tag(w) == orv_slot_word::kChildTag) {
      sub = orv_slot_word::ChildOf(w);
    } else if (orv_slot_word::Tag(w) == orv_slot_word::kEmptyTag || w == 0) {
      if (tail) s.ranges[rangeBase + static_cast<size_t>(k)] = OrvTxtPosnRange();
      continue;
    } else {
      OrvArgSlot* record = orv_slot_word::RecordOf(w);
      sub = record->child;
      if (!record->tokens.IsEmpty()) tokens = &record->tokens;
    }
    OrvTxtPosnRange own;
    if (tokens != nullptr) own = ReadList(*tokens);
    OrvTxtPosnRange child;
    if (sub != nullptr && sub->Oper() != SYMBOL_TABLE_ELT_LIST) {
      if (sub->NArgs() > 0) {
        child = PrepareQuiet(s, sub);
      } else {
        if (s.visit != nullptr) s.visit(sub);
        if (!sub->Tokens().IsEmpty()) child = ReadList(sub->Tokens());
      }
    } else if (sub != nullptr && s.visit != nullptr) {
      VisitAll(s, sub);
    }
    if (tokens != nullptr) {
      if (child.beg.IsSet() && AnyInnerToken(s.order, *tokens, child) &&
          HandInnerTokensToChild(s.order, *tokens, sub, child))
        own = tokens->PosnRange();
      Extend(r, own);
    }
    Extend(r, child);
    if (tail) s.ranges[rangeBase + static_cast<size_t>(k)] = child;
    if (own.end.IsSet()) last = own.end;
    // Compare answers 0 exactly for equal positions: the inline test.
    if (GapEdge(last) && GapEdge(child.beg) && last != child.beg) {
      if (tail) {
        s.gaps.push_back(Scratch::PendingGap{owner, index, last, child.beg});
      } else {
        OrvToken* gap = new OrvToken(SEP_SPACE, VString(), last, child.beg);
        owner->SlotAt(index)->tokens.Append(gap);
      }
    }
    if (child.end.IsSet()) last = child.end;
  }
  if (tail) FinishTail(s, node, plain ? node : nullptr, entryBase, rangeBase, gapBase, count, r);
  if (op == STMT_INLINED_COPY_BEG || op == STMT_INLINED_INCLUDE_BEG) s.order.NoteMarker(node, r.end);
  s.entries.resize(entryBase);
  return r;
}

}  // namespace

namespace {

// SetSlotPosnOper, passing every node of the tree to `visit` when it is
// not null (see PrepareSourcePrint).
OrvTxtPosnRange PrepareTree(OrvExpr* node, int debugLevel, void (*visit)(OrvExpr* node)) {
  Scratch& s = TheScratch();
  // The statements of an earlier tree say nothing of this one.
  s.order.Clear();
  s.visit = visit;
  OrvTxtPosnRange r;
  if (debugLevel > 0 || err_expr != nullptr) {
    if (node != nullptr && visit != nullptr) VisitAll(s, node);
    s.visit = nullptr;
    r = PrepareNode(s, node, debugLevel);
  } else if (node != nullptr && node->Oper() == SYMBOL_TABLE_ELT_LIST) {
    if (visit != nullptr) VisitAll(s, node);
  } else if (node != nullptr) {
    if (node->NArgs() > 0) {
      r = PrepareQuiet(s, node);
    } else {
      if (visit != nullptr) visit(node);
      if (!node->Tokens().IsEmpty()) r = ReadList(node->Tokens());
    }
  }
  s.visit = nullptr;
  ReleaseLargeScratch(s);
  return r;
}

}  // namespace

OrvTxtPosnRange SetSlotPosnOper(OrvExpr* node, int debugLevel) { return PrepareTree(node, debugLevel, nullptr); }

void PrepareSourcePrint(OrvExpr* root) {
  err_expr = nullptr;
  last_posn = OrvTxtPosn();
  SetSlotPosnOper(root);
}

void PrepareSourcePrint(OrvExpr* root, void (*visit)(OrvExpr* node)) {
  err_expr = nullptr;
  last_posn = OrvTxtPosn();
  PrepareTree(root, SourcePrintTraceLevel(), visit);
}
