// Operation nodes: construction, argument slots and their editing, the
// operation change, and the node's part of the TIC form.
#include "OrvExprOper.h"

#include <cstring>
#include <istream>
#include <typeinfo>
#include <unordered_map>
#include <ostream>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvGenpTable.h"
#include "OrvLink.h"
#include "OrvListExpr.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvPosnWalkers.h"
#include "OrvSizedPool.h"

using namespace orv_slot_word;

// An operation node is the node header and the pointer to its slot block:
// the tree holds most nodes of a parse.
static_assert(sizeof(OrvExprOper) == sizeof(OrvExpr) + sizeof(void*),
              "an operation node adds one pointer to the node header");

namespace {

// Set while Args() reports a null child, so the report is not repeated from
// inside itself.
int nullArgGuard = 0;

}  // namespace

// ---------------------------------------------------------------------------
// The slot block and its words
// ---------------------------------------------------------------------------

OrvSlotBlock* OrvExprOper::NewBlock(std::uint32_t capacity) {
  const std::size_t bytes = OrvSlotBlock::Bytes(capacity);
  OrvSlotBlock* block = static_cast<OrvSlotBlock*>(OrvSizedPool::Get(bytes));
  block->count = 0;
  block->capacity = capacity;
  if (!OrvSizedPool::FromArena(bytes)) NoteHeapBlock(block, true);
  return block;
}

void OrvExprOper::FreeBlock(OrvSlotBlock* block) {
  if (block == nullptr) return;
  const std::size_t bytes = OrvSlotBlock::Bytes(block->capacity);
  if (!OrvSizedPool::FromArena(bytes)) NoteHeapBlock(block, false);
  OrvSizedPool::Put(block, bytes);
}

int OrvExprOper::Capacity() const {
  if (InlineSlot()) return 1;
  return slots_ != 0 ? static_cast<int>(Block()->capacity) : 0;
}

void OrvExprOper::FreeSlots() {
  const int n = NArgs();
  if (n > 0) {
    const std::uintptr_t* words = Words();
    for (int i = 0; i < n; ++i) DeleteWord(words[i]);  // clears each child's parent
  }
  if (!InlineSlot()) FreeBlock(Block());
  SetUpFlag(kUpInlineSlot, false);
  slots_ = 0;
  nArgs_ = 0;
}

void OrvExprOper::SetCount(int n) {
  if (!InlineSlot() && slots_ != 0) Block()->count = static_cast<std::uint32_t>(n);
  nArgs_ = static_cast<unsigned>(n) < kNArgsEscape ? static_cast<unsigned>(n) : kNArgsEscape;
}

OrvExpr* OrvExprOper::StoredChild(int i) const { return StoredChildOf(Words()[i]); }

OrvArgSlot* OrvExprOper::RecordAt(int i) const {
  std::uintptr_t* words = Words();
  std::uintptr_t w = words[i];
  if (w != 0 && Tag(w) == kRecordTag) return RecordOf(w);
  // A record cannot mark a fill serial equal to its "none", nor a NULL_NODE
  // that is not from source: that NULL_NODE is made now.
  if (Tag(w) == kEmptyTag && (w & kFillBit) != 0 &&
      (FillSerialOf(w) == OrvArgSlot::kNoFill || (w & kPlainNullBit) != 0)) {
    MakeFillNode(i);
    w = words[i];
    // A NULL_NODE that cannot stand in a word was put in a record already.
    if (w != 0 && Tag(w) == kRecordTag) return RecordOf(w);
  }
  OrvArgSlot* record = new OrvArgSlot;
  record->EnterNode();
  if (w != 0) {
    record->state = static_cast<uint16_t>(StateOf(w));
    record->order = static_cast<int16_t>(OrderOf(w));
    if (Tag(w) == kChildTag) record->child = ChildOf(w);
    if (Tag(w) == kEmptyTag && (w & kFillBit) != 0) record->fillSerial_ = FillSerialOf(w);
  }
  words[i] = reinterpret_cast<std::uintptr_t>(record);
  return record;
}

void OrvExprOper::MakeFillNode(int i) const {
  std::uintptr_t* words = Words();
  const std::uintptr_t w = words[i];
  OrvArgSlot* record = w != 0 && Tag(w) == kRecordTag ? RecordOf(w) : nullptr;
  std::uint32_t serial = 0;
  int fromSrc = 1;
  if (record != nullptr) {
    if (record->child != nullptr || record->fillSerial_ == OrvArgSlot::kNoFill) return;
    serial = record->fillSerial_;
  } else {
    if (Tag(w) != kEmptyTag || (w & kFillBit) == 0) return;
    serial = FillSerialOf(w);
    if ((w & kPlainNullBit) != 0) fromSrc = 0;
  }
  OrvExpr* node = new OrvNullNode(serial, fromSrc);
  node->SetParent(const_cast<OrvExprOper*>(this));
  if (record != nullptr) {
    record->child = node;
    record->fillSerial_ = OrvArgSlot::kNoFill;
  } else if (PtrFits(node)) {
    words[i] = ChildWord(node, MetaOf(w));
  } else {
    words[i] = MetaOf(w) | kEmptyTag;
    RecordAt(i)->child = node;
  }
}

void OrvExprOper::PutChild(int i, OrvExpr* child) {
  std::uintptr_t* words = Words();
  const std::uintptr_t w = words[i];
  if (w != 0 && Tag(w) == kRecordTag) {
    OrvArgSlot* record = RecordOf(w);
    record->child = child;
    record->fillSerial_ = OrvArgSlot::kNoFill;
    return;
  }
  const std::uintptr_t meta = w != 0 ? MetaOf(w) : 0;
  if (child == nullptr) {
    words[i] = kEmptyTag | meta;
  } else if (PtrFits(child)) {
    words[i] = ChildWord(child, meta);
  } else {
    words[i] = kEmptyTag | meta;
    RecordAt(i)->child = child;
  }
}

OrvExpr* OrvExprOper::TakeChild(int i) {
  std::uintptr_t* words = Words();
  const std::uintptr_t w = words[i];
  if (w != 0 && Tag(w) == kRecordTag) {
    OrvArgSlot* record = RecordOf(w);
    OrvExpr* child = record->child;
    record->child = nullptr;
    record->fillSerial_ = OrvArgSlot::kNoFill;
    return child;
  }
  OrvExpr* child = Tag(w) == kChildTag ? ChildOf(w) : nullptr;
  words[i] = kEmptyTag | (w != 0 ? MetaOf(w) : 0);
  return child;
}

void OrvExprOper::PutMeta(int i, int state, int order) {
  std::uintptr_t* words = Words();
  const std::uintptr_t w = words[i];
  if ((w == 0 || Tag(w) != kRecordTag) && MetaFits(state, order)) {
    words[i] = (w & ((std::uintptr_t(1) << kStateShift) - 1)) | Meta(state, order);
    if (w == 0) words[i] |= kEmptyTag;
    return;
  }
  OrvArgSlot* record = RecordAt(i);
  record->state = static_cast<uint16_t>(state);
  record->order = static_cast<int16_t>(order);
}

void OrvExprOper::DeleteWord(std::uintptr_t w) {
  if (w != 0 && Tag(w) == kRecordTag) {
    delete RecordOf(w);  // with its tokens and child
    return;
  }
  if (Tag(w) != kChildTag) return;
  OrvExpr* child = ChildOf(w);
  child->SetParent(nullptr);
  delete child;
}

void OrvExprOper::SetArgNullNode(int i) {
  if (BadIndex("OrvExprOper::SetArgNullNode", i)) return;
  std::uintptr_t* words = Words();
  const std::uintptr_t w = words[i] == 0 ? kFresh : words[i];
  // An edit hook sees the node attached, and a serial a word cannot keep
  // apart from "none" is made: both take the ordinary path.
  if (Tag(w) != kEmptyTag || (w & kFillBit) != 0 || OrvTreeEditHook != nullptr ||
      OrvNodeCounter == OrvArgSlot::kNoFill) {
    SetArg(i, new OrvNullNode, -1, 0);
    return;
  }
  words[i] = FillWord(OrvNodeCounter++, MetaOf(w)) | kPlainNullBit;
}

// Out of line: the loop over the slots of FillEmptySlots stays free of the
// call.
[[gnu::noinline]] void OrvExprOper::FillRecord(OrvArgSlot* record) {
  const std::uint32_t serial = OrvNodeCounter++;
  if (serial == OrvArgSlot::kNoFill) {
    // The record cannot keep this serial unmade.
    record->child = new OrvNullNode(serial, 1);
    record->child->SetParent(this);
  } else {
    record->fillSerial_ = serial;
  }
}

int OrvExprOper::FillEmptySlots() {
  int filled = 0;
  const int n = NArgs();
  if (n == 0) return 0;
  std::uintptr_t* words = Words();
  // The node counter is kept in a register over the compact slots and
  // written back before a record takes its serial.
  std::uint32_t counter = OrvNodeCounter;
  for (int i = 0; i < n; ++i) {
    const std::uintptr_t w = words[i];
    if (Tag(w) == kEmptyTag) {
      if ((w & kFillBit) != 0) continue;
      words[i] = FillWord(counter++, MetaOf(w));
      ++filled;
    } else if (w != 0 && Tag(w) == kRecordTag) {
      OrvArgSlot* record = RecordOf(w);
      if (record->child != nullptr || record->fillSerial_ != OrvArgSlot::kNoFill) continue;
      OrvNodeCounter = counter;
      FillRecord(record);
      counter = OrvNodeCounter;
      ++filled;
    }
  }
  OrvNodeCounter = counter;
  return filled;
}

int OrvExprOper::SetUnsetSlotStates(int state) {
  if (UpFlag(kUpUnsettled)) SettleChildren();
  const int n = NArgs();
  std::uintptr_t* words = n > 0 ? Words() : nullptr;
  int set = 0;
  for (int i = 0; i < n; ++i) {
    const std::uintptr_t w = words[i];
    if (w != 0 && Tag(w) == kRecordTag) {
      OrvArgSlot* record = RecordOf(w);
      if (record->state != 0) continue;
      record->state = static_cast<uint16_t>(state);
    } else if (StateOf(w) != 0) {
      continue;
    } else if (w != 0 && MetaFits(state, OrderOf(w))) {
      words[i] = (w & ((std::uintptr_t(1) << kStateShift) - 1)) | Meta(state, OrderOf(w));
    } else {
      PutMeta(i, state, PeekOrder(i));  // a word of nothing, or a state it cannot hold
    }
    ++set;
  }
  return set;
}

// ---------------------------------------------------------------------------
// The slot accessors of the base class for what the storage keeps compact
// ---------------------------------------------------------------------------

OrvArgSlot* OrvExpr::SlotAtSlow(int i) const {
  const OrvExprOper* self = static_cast<const OrvExprOper*>(this);
  if (PeekFill(i)) self->MakeFillNode(i);
  return self->RecordAt(i);
}

OrvExpr* OrvExpr::ChildAtSlow(int i) const {
  const OrvExprOper* self = static_cast<const OrvExprOper*>(this);
  if (PeekFill(i)) {
    self->MakeFillNode(i);
    return self->StoredChild(i);
  }
  return OrvFillNullSwitch ? Args(i) : nullptr;
}

void OrvExpr::SettleChildren() const {
  const_cast<OrvExprOper*>(static_cast<const OrvExprOper*>(this))->Settle();
}

void OrvExpr::SetSlotStateSlow(int i, int state) {
  static_cast<OrvExprOper*>(this)->PutMeta(i, state, PeekOrder(i));
}

// ---------------------------------------------------------------------------
// Construction
// ---------------------------------------------------------------------------

[[gnu::noinline]] void OrvExprOper::ReportTooManyArgs(int n) {
  NodeMessage(MSG_SEVERE, "OrvExprOper::OrvExprOper",
              OrvFormat("too many args %d, at most %d", n, ORV_MAX_ARGS));
}

void OrvExprOper::InitSlots(int n) {
  if (n > ORV_MAX_ARGS) {
    ReportTooManyArgs(n);
    n = ORV_MAX_ARGS;
  }
  if (n < 0) n = 0;
  if (n == 1) {
    // One slot: its word stands in place of the block pointer.
    SetUpFlag(kUpInlineSlot, true);
    slots_ = kFresh;
  } else if (n > 1) {
    OrvSlotBlock* block = NewBlock(static_cast<std::uint32_t>(n));
    slots_ = reinterpret_cast<std::uintptr_t>(block);
    std::uintptr_t* words = block->Words();
    for (int i = 0; i < n; ++i) words[i] = kFresh;
  }
  SetCount(n);
}

void OrvExprOper::InitChildren(OrvExpr* const* children, int n) {
  if (!OrvOperIsList(Oper()) && OrvOperArgNo(Oper()) != n) {
    NodeMessage(MSG_SEVERE, "OrvExprOper::OrvExprOper",
                OrvFormat("bad arg_no, must be %d", OrvOperArgNo(Oper())));
  }
  InitSlots(n);
  if (children == nullptr) {
    for (int i = 0; i < NArgs(); ++i) SetArg(i, nullptr, -1, 0);
    return;
  }
  // The node is new: its slots are fresh and it hangs nowhere, so a child
  // that hangs nowhere either (and so is no node above this one) goes in
  // as it is, unless a hook is to see it or the fill switch is on.
  const bool plain = OrvTreeEditHook == nullptr && !OrvFillNullSwitch;
  for (int i = 0; i < NArgs(); ++i) {
    OrvExpr* child = children[i];
    if (plain) {
      if (child == nullptr) continue;
      if (child->Parent() == nullptr && child != this && PtrFits(child)) {
        Words()[i] = ChildWord(child, MetaOf(kFresh));
        child->SetParent(this);
        continue;
      }
    }
    SetArg(i, child, -1, 0);
  }
}

OrvExprOper::OrvExprOper(OrvOper op)
    : OrvExpr(op), slots_(0) {
  int n = OrvOperArgNo(op);
  InitSlots(n > 0 ? n : 0);
  // Setting an empty slot to null changes nothing unless a tree-edit hook
  // watches or the fill switch puts NULL_NODEs in.
  if (OrvTreeEditHook == nullptr && !OrvFillNullSwitch) return;
  for (int i = 0; i < NArgs(); ++i) SetArg(i, nullptr, -1, 0);
}

void OrvExprOper::TakeFreshChildren(OrvExpr* const* children, int n) {
  // A fresh slot of a node that hangs nowhere: AttachPlain's case, without
  // the walk above this node (there is none) and the virtual call.
  const bool plain = OrvTreeEditHook == nullptr && !OrvFillNullSwitch && Parent() == nullptr;
  const int slots = NArgs();
  for (int i = 0; i < n; ++i) {
    OrvExpr* child = children[i];
    if (child == nullptr) continue;
    if (plain && i < slots && child->Parent() == nullptr && child != this && PtrFits(child)) {
      std::uintptr_t* words = Words();
      if (words[i] == kFresh) {
        words[i] = ChildWord(child, MetaOf(kFresh));
        child->SetParent(this);
        continue;
      }
    }
    SetArg(i, child, -1, 0);
  }
}

#define ORV_OPER_CHILDREN_CTOR(n, ...)                                        \
  do {                                                                        \
    OrvExpr* kids[n] = {__VA_ARGS__};                                         \
    InitChildren(kids, n);                                                    \
  } while (0)

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1)
    : OrvExpr(op), slots_(0) {
  // The most frequent node of a parse: one slot (its word in place of the
  // block pointer) taking a child that hangs nowhere, as InitChildren puts
  // it there when no hook watches and the fill switch is off.
  if (a1 != nullptr && OrvTreeEditHook == nullptr && !OrvFillNullSwitch && a1->Parent() == nullptr &&
      a1 != this && PtrFits(a1) && (OrvOperIsList(op) || OrvOperArgNo(op) == 1)) {
    SetUpFlag(kUpInlineSlot, true);
    slots_ = ChildWord(a1, MetaOf(kFresh));
    SetCount(1);
    a1->SetParent(this);
    return;
  }
  ORV_OPER_CHILDREN_CTOR(1, a1);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2)
    : OrvExpr(op), slots_(0) {
  ORV_OPER_CHILDREN_CTOR(2, a1, a2);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3)
    : OrvExpr(op), slots_(0) {
  ORV_OPER_CHILDREN_CTOR(3, a1, a2, a3);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4)
    : OrvExpr(op), slots_(0) {
  ORV_OPER_CHILDREN_CTOR(4, a1, a2, a3, a4);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5)
    : OrvExpr(op), slots_(0) {
  ORV_OPER_CHILDREN_CTOR(5, a1, a2, a3, a4, a5);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6)
    : OrvExpr(op), slots_(0) {
  ORV_OPER_CHILDREN_CTOR(6, a1, a2, a3, a4, a5, a6);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6, OrvExpr* a7)
    : OrvExpr(op), slots_(0) {
  ORV_OPER_CHILDREN_CTOR(7, a1, a2, a3, a4, a5, a6, a7);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6, OrvExpr* a7,
                         OrvExpr* a8)
    : OrvExpr(op), slots_(0) {
  ORV_OPER_CHILDREN_CTOR(8, a1, a2, a3, a4, a5, a6, a7, a8);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6, OrvExpr* a7,
                         OrvExpr* a8, OrvExpr* a9)
    : OrvExpr(op), slots_(0) {
  ORV_OPER_CHILDREN_CTOR(9, a1, a2, a3, a4, a5, a6, a7, a8, a9);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6, OrvExpr* a7,
                         OrvExpr* a8, OrvExpr* a9, OrvExpr* a10)
    : OrvExpr(op), slots_(0) {
  ORV_OPER_CHILDREN_CTOR(10, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10);
}

#undef ORV_OPER_CHILDREN_CTOR

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* const* children, int n)
    : OrvExpr(op), slots_(0) {
  if (n < 0) n = 0;
  if (!OrvOperIsList(op) && OrvOperArgNo(op) != n) {
    NodeMessage(MSG_SEVERE, "OrvExprOper::OrvExprOper",
                OrvFormat("bad arg_no, must be %d", OrvOperArgNo(op)));
  }
  InitSlots(n);
  if (children != nullptr) {
    for (int i = 0; i < NArgs(); ++i) SetArgNoDel(i, children[i]);
  }
}

// The copy keeps the compact form of each slot: a record where the original
// has one (with a copy of its tokens), a NULL_NODE of the fill unmade where
// it is unmade there (the clone of that node would read the same).
OrvExprOper::OrvExprOper(const OrvExprOper& other) : OrvExpr(other), slots_(0) {
  if (other.UpFlag(kUpUnsettled)) other.SettleChildren();
  const int n = other.NArgs();
  InitSlots(n);
  if (other.SdCount() > 0 && other.Sd() != nullptr) {
    int16_t* widths = new int16_t[other.SdCount()];
    std::memcpy(widths, other.Sd(), sizeof(int16_t) * other.SdCount());
    SetSd(widths, other.SdCount());
  }
  if (n == 0) return;
  std::uintptr_t* words = Words();
  for (int i = 0; i < n; ++i) {
    const std::uintptr_t from = other.Words()[i];
    if (from != 0 && Tag(from) == kRecordTag) {
      const OrvArgSlot* source = RecordOf(from);
      OrvArgSlot* slot = new OrvArgSlot;
      slot->EnterNode();
      slot->tokens.CopyFrom(source->tokens);
      slot->state = source->state;
      slot->order = source->order;
      slot->fillSerial_ = source->fillSerial_;
      if (source->child != nullptr) {
        slot->child = source->child->Clone();
        slot->child->SetParent(this);
      }
      words[i] = reinterpret_cast<std::uintptr_t>(slot);
    } else if (Tag(from) == kChildTag) {
      OrvExpr* child = ChildOf(from)->Clone();
      child->SetParent(this);
      words[i] = kEmptyTag | MetaOf(from);
      PutChild(i, child);
    } else if (from != 0) {
      words[i] = from;
    }
  }
}

OrvExpr* OrvExprOper::Clone() const { return new OrvExprOper(*this); }

namespace {

// Depth of the subtree deletions under way: only the outermost one prepares.
int gSubtreeDeletions = 0;

// The lists a subtree deletion keeps, kept from one deletion to the next
// (only the outermost deletion uses them), unless they grew past kKeptRoom.
struct TeardownLists {
  std::vector<OrvExpr*> bindings;
  std::vector<OrvExpr*> stack;
};
const std::size_t kKeptRoom = std::size_t(1) << 16;

TeardownLists& KeptLists() {
  static TeardownLists* lists = new TeardownLists();  // never destroyed: trees may go at exit
  return *lists;
}

// Empties the lists for the next deletion, giving back room beyond kKeptRoom.
void ResetLists(TeardownLists& lists) {
  for (std::vector<OrvExpr*>* v : {&lists.bindings, &lists.stack}) {
    if (v->capacity() > kKeptRoom) std::vector<OrvExpr*>().swap(*v);
    v->clear();
  }
}

}  // namespace

// Deletes every node below this one, leaving its own slots empty, when the
// tree cannot be given back at once (DropWholeTree).  A first walk gathers
// the name bindings, and they are dissolved from the side of the
// symbol-table elements and then of the definitions, each in one pass over
// its list of referrers (else every use destroyed before its element or
// definition would search that node's whole list for itself, and a name
// with very many uses would make the deletion quadratic; the bindings end as
// the destructors would leave them).  A second walk deletes the nodes in
// the order of the recursive deletion, each cut from its children first, so
// that no deletion recurses however deep the tree.  Both walks keep a stack
// of the nodes to come and load them into the cache as they are pushed.
// The NULL_NODEs of the fill that were never made are nothing to delete.
void OrvExprOper::DeleteNodesBelow() {
  TeardownLists& lists = KeptLists();
  std::vector<OrvExpr*>& bindings = lists.bindings;
  std::vector<OrvExpr*>& stack = lists.stack;
  PushChildren(this, stack);
  while (!stack.empty()) {
    OrvExpr* n = stack.back();
    stack.pop_back();
    if (n->Oper() == SYMBOL_TABLE_ELT || n->Oper() == NAMED_OBJ_DEF) bindings.push_back(n);
    if (n->NArgs() > 0) PushChildren(n, stack);
  }
  for (OrvExpr* n : bindings)
    if (n->Oper() == SYMBOL_TABLE_ELT) n->UnlinkRefs();
  for (OrvExpr* n : bindings)
    if (n->Oper() == NAMED_OBJ_DEF) n->UnlinkRefs();
  PushChildren(this, stack);
  for (int i = 0, args = NArgs(); i < args; ++i) TakeChild(i);
  while (!stack.empty()) {
    OrvExpr* n = stack.back();
    stack.pop_back();
    const bool withSlots = n->NArgs() > 0;
    if (withSlots) PushChildren(n, stack);
    n->SetParent(nullptr);
    if (withSlots) {
      OrvExprOper* op = static_cast<OrvExprOper*>(n);
      for (int i = 0, args = n->NArgs(); i < args; ++i) op->TakeChild(i);
    }
    delete n;
  }
  ResetLists(lists);
}

namespace {

// The slot blocks too large for the pools, which come from the heap, and
// the functions that release what nodes hold outside the arenas: a whole
// tree given back at once frees them without visiting its nodes.  Never
// destroyed: trees may go at exit.
struct OutsideArenas {
  std::unordered_map<const OrvSlotBlock*, bool> heapBlocks;
  std::vector<void (*)()> releases;
};

OutsideArenas& TheOutside() {
  static OutsideArenas* outside = new OutsideArenas();
  return *outside;
}

}  // namespace

void OrvExprOper::OnWholeTreeDrop(void (*release)()) { TheOutside().releases.push_back(release); }

void OrvExprOper::NoteHeapBlock(const OrvSlotBlock* block, bool made) {
  if (made)
    TheOutside().heapBlocks.emplace(block, true);
  else
    TheOutside().heapBlocks.erase(block);
}

// A tree is given back at once when its root is the only node without a
// parent (so every node there is belongs to it), no node came from the
// heap, and no slot record, link element or token lives outside a node:
// then every block out of the tree's arena and of the tokens' arena is the
// tree's.  What its nodes hold outside the arenas (widths and column
// registers, the indexes of symbol tables, large slot blocks) is released
// by its registry, the arenas count their blocks back and rewind
// (OrvPoolArena::BeginDrop), and no node below the root is visited.  The
// root's own node and slot block stay out until its own destructor and
// release give them back.
bool OrvExprOper::DropWholeTree() {
#ifdef ORV_BLOCK_POOL_BYPASS
  // The pools hand out heap blocks and the arenas hold nothing: rewinding
  // them would give nothing back, so the tree goes node by node.
  return false;
#endif
  if (Parent() != nullptr || !OrvNodeReleaseIsDefault() || OrvLiveRoots != 1 || OrvHeapNodes != 0 ||
      OrvRecordsOutside != 0 || OrvLiveLinkElems != OrvLinkElemsInNodes ||
      OrvPoolArena<ORV_TOKEN_ARENA>::BlocksOut() != OrvTokensInNodes)
    return false;
  OrvWholeTreeTeardown = true;
  // The root keeps its own blocks; everything it holds goes.
  const bool rootInArena = InArena();
  const bool blockInPool = !InlineSlot() && slots_ != 0 &&
                           OrvSizedPool::FromArena(OrvSlotBlock::Bytes(Block()->capacity));
  const long rootBlocks = (rootInArena ? 1 : 0) + (blockInPool ? 1 : 0);
  OutsideArenas& outside = TheOutside();
  for (void (*release)() : outside.releases) release();
  const OrvSlotBlock* rootBlock = InlineSlot() ? nullptr : Block();
  for (const auto& heap : outside.heapBlocks)
    if (heap.first != rootBlock) ::operator delete(const_cast<OrvSlotBlock*>(heap.first));
  outside.heapBlocks.clear();
  if (rootBlock != nullptr && !blockInPool && slots_ != 0) outside.heapBlocks.emplace(rootBlock, true);
  const bool rootSide = UpFlag(kUpSideData);
  ClearSideTable(rootSide ? this : nullptr);
  // The generated positions of the nodes below go with them; the root's
  // stay until its own destructor.
  const uint32_t rootBeg = GenpBeg();
  const uint32_t rootEnd = GenpEnd();
  OrvGenpTable::Clear();
  if (hasGenp_) OrvGenpTable::Put(this, rootBeg, rootEnd);
  // The root forgets what it held.
  SetCount(0);
  tokens_.Abandon();
  OrvLiveNodes = 1;
  OrvLiveRoots = 1;
  OrvLiveLinkElems -= OrvLinkElemsInNodes;
  OrvLinkElemsInNodes = 0;
  OrvTokensInNodes = 0;
  OrvPoolArena<ORV_TREE_ARENA>::BeginDrop();
  OrvPoolArena<ORV_TREE_ARENA>::Drop(OrvPoolArena<ORV_TREE_ARENA>::BlocksOut() - rootBlocks);
  OrvPoolArena<ORV_TREE_ARENA>::EndDrop();
  OrvPoolArena<ORV_TOKEN_ARENA>::BeginDrop();
  OrvPoolArena<ORV_TOKEN_ARENA>::Drop(OrvPoolArena<ORV_TOKEN_ARENA>::BlocksOut());
  OrvPoolArena<ORV_TOKEN_ARENA>::EndDrop();
  OrvWholeTreeTeardown = false;
  return true;
}

// Pushes the children of a node on the stack, the last first, loading
// them into the cache on the way.
void OrvExprOper::PushChildren(const OrvExpr* n, std::vector<OrvExpr*>& stack) {
  const int count = n->NArgs();
  if (count == 0) return;
  const std::uintptr_t* words = static_cast<const OrvExprOper*>(n)->Words();
  for (int i = count - 1; i >= 0; --i) {
    const std::uintptr_t w = words[i];
    OrvExpr* child = nullptr;
    if (Tag(w) == kChildTag)
      child = ChildOf(w);
    else if (w != 0 && Tag(w) == kRecordTag)
      child = RecordOf(w)->child;
    if (child == nullptr) continue;
    __builtin_prefetch(child);
    stack.push_back(child);
  }
}

OrvExprOper::~OrvExprOper() {
  ++gSubtreeDeletions;
  if (gSubtreeDeletions == 1 && NArgs() > 0 && !DropWholeTree()) DeleteNodesBelow();
  if (UpFlag(kUpSideData)) DropSideData();
  FreeSlots();
  --gSubtreeDeletions;
}

namespace {

// The printer's subdivision widths and column register of the nodes that
// have them (marked kUpSideData), by node.  Never destroyed: a node deleted
// at exit may still look.
struct SideRecord {
  int16_t* widths;
  uint16_t count;
  uint8_t xReg;
};
std::unordered_map<const OrvExprOper*, SideRecord>& SideTable() {
  static auto* table = new std::unordered_map<const OrvExprOper*, SideRecord>();
  return *table;
}

}  // namespace

void OrvExprOper::DropSideData() {
  auto found = SideTable().find(this);
  if (found != SideTable().end()) {
    delete[] found->second.widths;
    SideTable().erase(found);
  }
  SetUpFlag(kUpSideData, false);
}

void OrvExprOper::ClearSideTable(const OrvExprOper* keep) {
  auto& table = SideTable();
  for (auto it = table.begin(); it != table.end();) {
    if (it->first == keep) {
      ++it;
      continue;
    }
    delete[] it->second.widths;
    it = table.erase(it);
  }
}

int OrvExprOper::SdCount() const {
  return UpFlag(kUpSideData) && SideTable().at(this).widths != nullptr ? SideTable().at(this).count : 0;
}

const int16_t* OrvExprOper::Sd() const { return UpFlag(kUpSideData) ? SideTable().at(this).widths : nullptr; }

void OrvExprOper::SetSd(int16_t* widths, int count) {
  const int x = XReg();
  if (UpFlag(kUpSideData)) {
    SideRecord& side = SideTable().at(this);
    delete[] side.widths;
    side.widths = nullptr;
    side.count = 0;
  }
  if (widths != nullptr || x != 0) {
    SideTable()[this] = SideRecord{widths, static_cast<uint16_t>(widths != nullptr && count > 0 ? count : 0),
                                   static_cast<uint8_t>(x)};
    SetUpFlag(kUpSideData, true);
  } else if (UpFlag(kUpSideData)) {
    DropSideData();
  }
}

int OrvExprOper::XReg() const { return UpFlag(kUpSideData) ? SideTable().at(this).xReg : 0; }

void OrvExprOper::SetXReg(int x) {
  const std::uint8_t value = static_cast<std::uint8_t>(x);
  if (!UpFlag(kUpSideData)) {
    if (value == 0) return;
    SideTable()[this] = SideRecord{nullptr, 0, value};
    SetUpFlag(kUpSideData, true);
    return;
  }
  SideRecord& side = SideTable().at(this);
  side.xReg = value;
  if (value == 0 && side.widths == nullptr) DropSideData();
}

// ---------------------------------------------------------------------------
// Helpers
// ---------------------------------------------------------------------------

int OrvExprOper::ReportBadIndex(const char* method, int i) const {
  NodeMessage(MSG_SEVERE, method, OrvFormat("arg #%d is not available.", i));
  return 1;
}

int OrvExprOper::RefuseOwnAncestor(const char* method, const OrvExpr* child) const {
  if (child == nullptr) return 0;
  // A node without arguments holds no other node, so it is no ancestor of
  // this one (a NULL_NODE, a literal, a name): no climb to the root.
  if (child != this && child->NArgs() == 0) return 0;
  // A node hung below itself would own itself: refuse it.
  for (const OrvExpr* up = this; up != nullptr; up = up->Parent()) {
    if (up == child) {
      NodeMessage(MSG_SEVERE, method,
                  OrvFormat("attaching node %s that is this node or one of its "
                            "ancestors.",
                            OrvOperName(child->Oper())));
      return 1;
    }
  }
  return 0;
}

void OrvExprOper::ReleaseHeldRecord(const char* method, OrvArgSlot* record) {
  // The record is found through the slots of this node, or through the
  // parent of its child; an empty record held by another node leaves no
  // trace to find it by, and finding it would cost a walk of the tree.
  OrvExpr* child = record->child;
  OrvExprOper* holder = nullptr;
  int k = -1;
  const std::uintptr_t wanted = reinterpret_cast<std::uintptr_t>(record);
  for (int j = 0; j < NArgs() && holder == nullptr; ++j) {
    if (Words()[j] == wanted) {
      holder = this;
      k = j;
    }
  }
  if (holder == nullptr && child != nullptr) {
    OrvExprOper* parent = dynamic_cast<OrvExprOper*>(child->Parent());
    int j = parent != nullptr ? parent->FindArg(child) : -1;
    if (j >= 0 && parent->Words()[j] == wanted) {
      holder = parent;
      k = j;
    }
  }
  if (holder == nullptr) return;
  holder->Words()[k] = kFresh;
  record->LeaveNode();
  if (child != nullptr) {
    NodeMessage(MSG_SEVERE, method,
                OrvFormat("attaching node %s that has non-null parent.",
                          OrvOperName(child->Oper())));
    child->SetParent(nullptr);
  }
}

int OrvExprOper::PrepareAttachSlow(const char* method, OrvExpr* child) {
  if (RefuseOwnAncestor(method, child)) return 1;
  OrvExpr* oldParent = child->Parent();
  if (oldParent != nullptr) {
    NodeMessage(MSG_SEVERE, method,
                OrvFormat("attaching node %s that has non-null parent.",
                          OrvOperName(child->Oper())));
    // A node is owned by one slot only: take it out of the old one, which
    // stays in place, empty.
    int j = oldParent->FindArg(child);
    if (j >= 0) {
      OrvArgSlot* slot = oldParent->ArgSlots(j);
      if (slot != nullptr) slot->child = nullptr;
    }
    child->SetParent(nullptr);
  }
  return 0;
}

void OrvExprOper::StoreChild(int i, OrvExpr* child) {
  if (child == nullptr && OrvFillNullSwitch) child = new OrvNullNode;
  PutChild(i, child);
  if (child != nullptr) child->SetParent(this);
}

void OrvExprOper::Grow(int count) {
  const int capacity = Capacity();
  if (count <= capacity) return;
  int cap = capacity > 0 ? capacity : 4;
  while (cap < count) cap = cap > ORV_MAX_ARGS / 2 ? ORV_MAX_ARGS : cap * 2;
  OrvSlotBlock* grown = NewBlock(static_cast<std::uint32_t>(cap));
  const int n = NArgs();
  grown->count = static_cast<std::uint32_t>(n);
  if (n > 0) std::memcpy(grown->Words(), Words(), sizeof(std::uintptr_t) * n);
  if (!InlineSlot() && slots_ != 0) FreeBlock(Block());
  SetUpFlag(kUpInlineSlot, false);
  slots_ = reinterpret_cast<std::uintptr_t>(grown);
}

// ---------------------------------------------------------------------------
// Operation change
// ---------------------------------------------------------------------------

void OrvExprOper::SetOper(OrvOper op, int reset, int allowShrink) {
  if (OrvOperIsList(op) != OrvOperIsList(Oper())) {
    NodeMessage(MSG_SEVERE, "OrvExprOper::SetOper",
                OrvFormat("setting to %s: changing the List/Positional kind of oper",
                          OrvOperName(op)));
  }
  int fixed = OrvOperArgNo(op);
  if (!OrvOperIsList(op) && fixed != NArgs()) {
    if (!allowShrink || fixed < 0) {
      NodeMessage(MSG_SEVERE, "OrvExprOper::SetOper",
                  OrvFormat("setting oper to %s: new arg_no %d is not equal to old arg_no",
                            OrvOperName(op), fixed));
    } else if (fixed < NArgs()) {
      for (int i = fixed; i < NArgs(); ++i) {
        // A NULL_NODE of the fill reads as one, made or not.
        OrvExpr* child = StoredChild(i);
        if (child != nullptr && !child->IsNullNode()) {
          NodeMessage(MSG_SEVERE, "OrvExprOper::SetOper",
                      OrvFormat("shrinking oper to %s: arg #%d is not NULL",
                                OrvOperName(op), i));
        }
        // The slot goes with its child and tokens.
        DeleteWord(Words()[i]);
        Words()[i] = kFresh;
      }
      // A report walks the node and makes records for the slots it reads,
      // the emptied ones before it too: they go as well.
      const int old = NArgs();
      for (int i = fixed; i < old; ++i) {
        DeleteWord(Words()[i]);
        Words()[i] = kFresh;
      }
      SetCount(fixed);
    } else {
      NodeMessage(MSG_SEVERE, "OrvExprOper::SetOper", "Growing nodes not allowed");
    }
  }
  SetOperCode(op);
  if (reset) {
    OrvCallTreeEditHook(ORV_EDIT_OPER, this, nullptr, 0, OrvEmptyVString);
    ResetFromSrcWalker(this);
  }
}

// ---------------------------------------------------------------------------
// Argument access
// ---------------------------------------------------------------------------

OrvExpr* OrvExprOper::Args(int i) const {
  if (BadIndex("OrvExprOper::Args", i)) return nullptr;
  // A slot that holds its child answers it: nothing to make or report.
  const std::uintptr_t w = Words()[i];
  if (OrvExpr* child = StoredChildOf(w)) return child;
  // An empty slot without a NULL_NODE of the fill answers null, reported
  // only with the fill switch on.
  if (Tag(w) == kEmptyTag && (w & kFillBit) == 0 && !OrvFillNullSwitch) return nullptr;
  MakeFillNode(i);
  OrvExpr* child = StoredChild(i);
  if (child == nullptr && OrvFillNullSwitch && !nullArgGuard) {
    nullArgGuard = 1;
    NodeMessage(MSG_SEVERE, "OrvExprOper::Args", OrvFormat("arg #%d is NULL.", i));
    nullArgGuard = 0;
  }
  return child;
}

OrvArgSlot* OrvExprOper::ArgSlots(int i) const {
  if (BadIndex("OrvExprOper::ArgSlots", i)) return nullptr;
  MakeFillNode(i);
  return RecordAt(i);
}

// The first slot whose child is the given node; for a null node that is the
// first empty slot (a NULL_NODE of the fill, made or not, is a child).
int OrvExprOper::FindArg(const OrvExpr* child) const {
  const int n = NArgs();
  if (n == 0) return -1;
  const std::uintptr_t* words = Words();
  for (int i = 0; i < n; ++i) {
    const std::uintptr_t w = words[i];
    if (child != nullptr) {
      if ((Tag(w) == kChildTag && ChildOf(w) == child) ||
          (w != 0 && Tag(w) == kRecordTag && RecordOf(w)->child == child))
        return i;
    } else if (StoredChild(i) == nullptr && !PeekFill(i)) {
      return i;
    }
  }
  return -1;
}

// ---------------------------------------------------------------------------
// Setting arguments
// ---------------------------------------------------------------------------

void OrvExprOper::SetArg(int i, OrvExpr* child, int order, int state) {
  if (BadIndex("OrvExprOper::SetArg", i)) return;
  if (!AttachPlain(i, child) && AttachChecked(i, child)) return;
  if (order >= 0 || state != 0)
    PutMeta(i, state != 0 ? state : PeekState(i), order >= 0 ? order : PeekOrder(i));
}

[[gnu::noinline]] bool OrvExprOper::AttachChecked(int i, OrvExpr* child) {
  if (Words()[i] == 0) Words()[i] = kFresh;
  OrvExpr* current = StoredChild(i);
  if (child == nullptr || child != current) {
    if (PrepareAttach("OrvExprOper::SetArg", child)) return true;
    const bool fill = PeekFill(i);
    // Detaching from an empty slot does nothing a hook would not see; an
    // unmade NULL_NODE of the fill simply goes, unless a hook is to see it.
    if (current != nullptr || OrvTreeEditHook != nullptr) {
      if (fill) MakeFillNode(i);
      OrvExpr* old = DelArg(i, 0, 0);
      delete old;
    } else if (fill) {
      TakeChild(i);
    }
    OrvCallTreeEditHook(ORV_EDIT_SET_ARG, this, child, i, OrvEmptyVString);
    StoreChild(i, child);
  }
  return false;
}

void OrvExprOper::SetArgNoDel(int i, OrvExpr* child) {
  if (BadIndex("OrvExprOper::SetArgNoDel", i)) return;
  if (Words()[i] == 0) Words()[i] = kFresh;
  OrvExpr* current = StoredChild(i);
  if (child != nullptr && child == current) return;
  if (PrepareAttach("OrvExprOper::SetArgNoDel", child)) return;
  // The old child stays with the caller, detached from this node; an unmade
  // NULL_NODE of the fill, which no caller can hold, goes.
  OrvExpr* old = TakeChild(i);
  if (old != nullptr) old->SetParent(nullptr);
  OrvCallTreeEditHook(ORV_EDIT_SET_ARG, this, child, i, OrvEmptyVString);
  StoreChild(i, child);
}

void OrvExprOper::SetArg(int i, OrvArgSlot* record) {
  if (BadIndex("OrvExprOper::SetArg", i)) return;
  if (record == nullptr || reinterpret_cast<std::uintptr_t>(record) == Words()[i]) return;
  if (RefuseOwnAncestor("OrvExprOper::SetArg", record->child)) return;
  // A record is owned by one slot only.
  ReleaseHeldRecord("OrvExprOper::SetArg", record);
  if (PrepareAttach("OrvExprOper::SetArg", record->child)) return;
  if (record->child == nullptr && OrvFillNullSwitch) record->child = new OrvNullNode;
  MakeFillNode(i);
  OrvExpr* old = DelArg(i, 0, 0);
  delete old;
  DeleteWord(Words()[i]);
  OrvCallTreeEditHook(ORV_EDIT_SET_ARG, this, record->child, i, OrvEmptyVString);
  record->fillSerial_ = OrvArgSlot::kNoFill;
  if (!record->tokens.IsNodeList()) record->EnterNode();
  Words()[i] = reinterpret_cast<std::uintptr_t>(record);
  if (record->child != nullptr) record->child->SetParent(this);
}

void OrvExprOper::SetArgToList(int i, OrvOper listOp, OrvExpr* child) {
  if (BadIndex("OrvExprOper::SetArgToList", i)) return;
  OrvExpr* old = DelArg(i, 0, 1);
  OrvExpr* list = OrvListExpr(listOp, old, child);
  SetArg(i, list, -1, 0);
}

void OrvExprOper::AddArg(OrvExpr* child) { InsArg(child, NArgs()); }

void OrvExprOper::InsArg(OrvExpr* child, int position) {
  int count = NArgs();
  // Appending to a block with room a child that hangs nowhere and is no
  // node above this one, with no hook to see it: its word goes in at once,
  // as the steps below would put it.
  if (position == count && OrvTreeEditHook == nullptr && child != nullptr && child->Parent() == nullptr &&
      child != this && PtrFits(child) && !InlineSlot() && slots_ != 0 &&
      count < static_cast<int>(Block()->capacity) && count < ORV_MAX_ARGS) {
    bool above = false;
    if (child->NArgs() != 0) {
      for (const OrvExpr* up = Parent(); up != nullptr && !above; up = up->Parent()) above = up == child;
    }
    if (!above) {
      Words()[count] = ChildWord(child, MetaOf(kFresh));
      SetCount(count + 1);
      child->SetParent(this);
      return;
    }
  }
  if (position < 0 || position > count) {
    NodeMessage(MSG_SEVERE, "OrvExprOper::InsArg",
                OrvFormat("arg #%d is not available.", position));
    return;
  }
  if (count >= ORV_MAX_ARGS) {
    NodeMessage(MSG_SEVERE, "OrvExprOper::InsArg",
                OrvFormat("too many args, at most %d", ORV_MAX_ARGS));
    return;
  }
  if (PrepareAttach("OrvExprOper::SetArgNoDel", child)) return;
  Grow(count + 1);
  std::uintptr_t* words = Words();
  if (position < count)
    std::memmove(words + position + 1, words + position, sizeof(std::uintptr_t) * (count - position));
  words[position] = kFresh;
  SetCount(count + 1);
  OrvCallTreeEditHook(ORV_EDIT_INS_SLOT, this, child, position, OrvEmptyVString);
  OrvCallTreeEditHook(ORV_EDIT_SET_ARG, this, child, position, OrvEmptyVString);
  StoreChild(position, child);
}

void OrvExprOper::InsSibBefore(OrvExpr* sibling) {
  OrvExpr* parent = nullptr;
  int i = FindMe(parent);
  if (i < 0) {
    NodeMessage(MSG_SEVERE, "OrvExprOper::InsSibBefore", "no parent");
    return;
  }
  parent->InsArg(sibling, i);
}

void OrvExprOper::InsSibAfter(OrvExpr* sibling) {
  OrvExpr* parent = nullptr;
  int i = FindMe(parent);
  if (i < 0) {
    NodeMessage(MSG_SEVERE, "OrvExprOper::InsSibAfter", "no parent");
    return;
  }
  parent->InsArg(sibling, i + 1);
}

// ---------------------------------------------------------------------------
// Detaching arguments
// ---------------------------------------------------------------------------

OrvExpr* OrvExprOper::DelArg(int i, int removeSlot, int fillNull) {
  if (BadIndex("OrvExprOper::DelArg", i)) return nullptr;
  if (removeSlot < 0) removeSlot = OrvOperIsList(Oper());
  if (Words()[i] == 0) Words()[i] = kFresh;
  // The caller takes the child: a NULL_NODE of the fill is made for it.
  MakeFillNode(i);
  OrvCallTreeEditHook(ORV_EDIT_DETACH, this, StoredChild(i), i, OrvEmptyVString);
  OrvExpr* child = TakeChild(i);
  if (child != nullptr) child->SetParent(nullptr);
  if (removeSlot) {
    OrvCallTreeEditHook(ORV_EDIT_DEL_SLOT, this, nullptr, i, OrvEmptyVString);
    DeleteWord(Words()[i]);  // the record and its tokens
    int count = NArgs();
    std::uintptr_t* words = Words();
    std::memmove(words + i, words + i + 1, sizeof(std::uintptr_t) * (count - i - 1));
    words[count - 1] = 0;
    SetCount(count - 1);
  } else if (fillNull && OrvFillNullSwitch) {
    StoreChild(i, nullptr);
  }
  return child;
}

OrvArgSlot* OrvExprOper::DelArgSlot(int i, int removeSlot, int fillNull) {
  if (BadIndex("OrvExprOper::DelArgSlot", i)) return nullptr;
  if (removeSlot < 0) removeSlot = OrvOperIsList(Oper());
  // The caller takes the whole record, with the child that reads there.
  MakeFillNode(i);
  OrvArgSlot* slot = RecordAt(i);
  slot->LeaveNode();
  if (slot->child != nullptr) slot->child->SetParent(nullptr);
  std::uintptr_t* words = Words();
  if (removeSlot) {
    int count = NArgs();
    std::memmove(words + i, words + i + 1, sizeof(std::uintptr_t) * (count - i - 1));
    words[count - 1] = 0;
    SetCount(count - 1);
  } else {
    // Every index keeps a slot: a fresh, empty one takes the place.
    words[i] = kFresh;
    if (fillNull && OrvFillNullSwitch) StoreChild(i, nullptr);
  }
  return slot;
}

// ---------------------------------------------------------------------------
// Printing and the TIC form
// ---------------------------------------------------------------------------

OrvResult OrvExprOper::PrettyPrintOper(int measure, int forceBreak) {
  if (OrvPrettyPrintOperFn == nullptr) return ORV_OK;
  return OrvPrettyPrintOperFn(this, measure, forceBreak);
}

std::ostream& OrvExprOper::PutTic(std::ostream& out) const {
  int fixed = OrvOperArgNo(Oper());
  if (!OrvOperIsList(Oper()) && fixed != NArgs()) {
    VString msg = OrvFormat("OrvExprOper: oper %s: BAD number of children %d, must be %d",
                            OrvOperName(Oper()), NArgs(), fixed);
    OrvTxtPosn posn = OrvSrcPosnBegWalker(const_cast<OrvExprOper*>(this));
    OrvGlobalMessageSink(MSG_SEVERE, &posn, &msg);
  }
  OrvExpr::PutTic(out);
  for (int i = 0; i < NArgs(); ++i) {
    const OrvArgSlot* slot = SlotAt(i);
    slot->PutTic(out);
    if (slot->child != nullptr) {
      out << '1';
      slot->child->PutTic(out);
    } else {
      out << '0';
    }
  }
  return out;
}

OrvResult OrvExprOper::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExpr::GetTic(in, error);
  if (r != ORV_OK) return r;
  for (int i = 0; i < NArgs(); ++i) {
    r = SlotAt(i)->GetTic(in, error);
    if (r != ORV_OK) return r;
    int c = in.get();
    if (c == '0') continue;
    if (c != '1') {
      error = OrvFormat("OrvExprOper::GetTic: bad arg code '%c'", c < 0 ? '?' : c);
      return ORV_TIC_BAD_FORMAT;
    }
    OrvExpr* child = nullptr;
    r = OrvExpr::GetTicOp(in, child, error);
    if (r != ORV_OK) {
      delete child;
      return r;
    }
    SetArg(i, child, -1, 0);
  }
  return ORV_OK;
}
