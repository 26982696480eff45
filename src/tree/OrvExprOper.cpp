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
#include "OrvLink.h"
#include "OrvListExpr.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvPosnWalkers.h"
#include "OrvSizedPool.h"

// An operation node keeps everything in the base class's 64 bytes (on a
// 64-bit system): the tree holds most nodes of a parse.
static_assert(sizeof(void*) != 8 || sizeof(OrvExprOper) == 64, "an operation node takes 64 bytes");

namespace {

// Set while Args() reports a null child, so the report is not repeated from
// inside itself.
int nullArgGuard = 0;

// The entries of a slot array asked for n: the sized pool rounds the
// array up to its grain, and the room it gives is used.
int SlotArrayCapacity(int n) {
  const int perGrain = static_cast<int>(OrvSizedPool::kGrain / sizeof(OrvArgSlot*));
  return (n + perGrain - 1) / perGrain * perGrain;
}

// Slot arrays come from the sized pools, like the nodes.
OrvArgSlot** NewSlotArray(int capacity) {
  return static_cast<OrvArgSlot**>(OrvSizedPool::Get(sizeof(OrvArgSlot*) * capacity));
}

void FreeSlotArray(OrvArgSlot** slots, int capacity) {
  if (slots != nullptr) OrvSizedPool::Put(slots, sizeof(OrvArgSlot*) * capacity);
}

}  // namespace

// ---------------------------------------------------------------------------
// Construction
// ---------------------------------------------------------------------------

void OrvExprOper::InitSlots(int n) {
  if (n > ORV_MAX_ARGS) {
    NodeMessage(MSG_SEVERE, "OrvExprOper::OrvExprOper",
                OrvFormat("too many args %d, at most %d", n, ORV_MAX_ARGS));
    n = ORV_MAX_ARGS;
  }
  if (n < 0) n = 0;
  slotCapacity_ = n > 0 ? SlotArrayCapacity(n) : 0;
  slots_ = n > 0 ? NewSlotArray(slotCapacity_) : nullptr;
  for (int i = 0; i < n; ++i) slots_[i] = new OrvArgSlot;
  SetNArgs(n);
}

void OrvExprOper::InitChildren(OrvExpr* const* children, int n) {
  if (!OrvOperIsList(Oper()) && OrvOperArgNo(Oper()) != n) {
    NodeMessage(MSG_SEVERE, "OrvExprOper::OrvExprOper",
                OrvFormat("bad arg_no, must be %d", OrvOperArgNo(Oper())));
  }
  InitSlots(n);
  for (int i = 0; i < NArgs(); ++i) SetArg(i, children ? children[i] : nullptr, -1, 0);
}

OrvExprOper::OrvExprOper(OrvOper op)
    : OrvExpr(op) {
  int n = OrvOperArgNo(op);
  InitSlots(n > 0 ? n : 0);
  // Setting an empty slot to null changes nothing unless a tree-edit hook
  // watches or the fill switch puts NULL_NODEs in.
  if (OrvTreeEditHook == nullptr && !OrvFillNullSwitch) return;
  for (int i = 0; i < NArgs(); ++i) SetArg(i, nullptr, -1, 0);
}

#define ORV_OPER_CHILDREN_CTOR(n, ...)                                        \
  do {                                                                        \
    OrvExpr* kids[n] = {__VA_ARGS__};                                         \
    InitChildren(kids, n);                                                    \
  } while (0)

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(1, a1);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(2, a1, a2);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(3, a1, a2, a3);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(4, a1, a2, a3, a4);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(5, a1, a2, a3, a4, a5);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(6, a1, a2, a3, a4, a5, a6);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6, OrvExpr* a7)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(7, a1, a2, a3, a4, a5, a6, a7);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6, OrvExpr* a7,
                         OrvExpr* a8)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(8, a1, a2, a3, a4, a5, a6, a7, a8);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6, OrvExpr* a7,
                         OrvExpr* a8, OrvExpr* a9)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(9, a1, a2, a3, a4, a5, a6, a7, a8, a9);
}

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3,
                         OrvExpr* a4, OrvExpr* a5, OrvExpr* a6, OrvExpr* a7,
                         OrvExpr* a8, OrvExpr* a9, OrvExpr* a10)
    : OrvExpr(op) {
  ORV_OPER_CHILDREN_CTOR(10, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10);
}

#undef ORV_OPER_CHILDREN_CTOR

OrvExprOper::OrvExprOper(OrvOper op, OrvExpr* const* children, int n)
    : OrvExpr(op) {
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

OrvExprOper::OrvExprOper(const OrvExprOper& other) : OrvExpr(other) {
  if (other.SdCount() > 0 && other.Sd() != nullptr) {
    int16_t* widths = new int16_t[other.SdCount()];
    std::memcpy(widths, other.Sd(), sizeof(int16_t) * other.SdCount());
    SetSd(widths, other.SdCount());
  }
  int n = other.NArgs();
  slotCapacity_ = n > 0 ? SlotArrayCapacity(n) : 0;
  slots_ = n > 0 ? NewSlotArray(slotCapacity_) : nullptr;
  for (int i = 0; i < n; ++i) {
    OrvArgSlot* from = other.slots_[i];
    OrvArgSlot* slot = new OrvArgSlot;
    if (from != nullptr) {
      slot->tokens.CopyFrom(from->tokens);
      slot->state = from->state;
      slot->order = from->order;
      if (from->child != nullptr) {
        slot->child = from->child->Clone();
        slot->child->SetParent(this);
      }
    }
    slots_[i] = slot;
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

// The pool blocks of a node besides the node itself: its slot records and
// its slot array (unless the array was too large for the pools).
long OrvExprOper::SlotBlocks(const OrvExpr* node) {
  long blocks = 0;
  for (int i = 0, args = node->NArgs(); i < args; ++i)
    if (node->slots_[i] != nullptr) ++blocks;
  if (node->slots_ != nullptr &&
      sizeof(OrvArgSlot*) * static_cast<std::size_t>(node->slotCapacity_) <= OrvSizedPool::kMaxSize)
    ++blocks;
  return blocks;
}

// 1 when the node is a plain operation node or a NULL_NODE that holds no
// token and no subdivision widths: its deletion only gives back its
// blocks.
int OrvExprOper::HoldsOnlyBlocks(const OrvExpr* node) {
  if (!node->tokens_.IsEmpty()) return 0;
  // The type objects are compared by address: type_info's own comparison
  // may compare the type names as strings, a cost on every node of a
  // teardown.  Within this program each type has one type object; were a
  // type ever to have two, the answer would only be 0 and the node deleted
  // the ordinary way.
  const std::type_info* type = &typeid(*node);
  if (type == &typeid(OrvNullNode)) return 1;
  if (type != &typeid(OrvExprOper) || node->hasSd_) return 0;
  for (int i = 0, args = node->NArgs(); i < args; ++i) {
    const OrvArgSlot* slot = node->slots_[i];
    if (slot != nullptr && !slot->tokens.IsEmpty()) return 0;
  }
  return 1;
}

// Deletes every node below this one, leaving its own slots empty.  A first
// walk counts the nodes and their pool blocks and gathers the name
// bindings.  When the tree holds every node there is and its blocks are
// all the blocks out of the tree's arena (no link list lives elsewhere), no
// link leaves it: the nodes are deleted without unbinding one another, and
// the arena only counts the blocks they give back and rewinds
// (OrvPoolArena::BeginDrop); a node that holds nothing but blocks is not
// even visited by its destructor.  Otherwise the name bindings in the
// subtree are dissolved from the side of the symbol-table elements and then
// of the definitions, each in one pass over its list of referrers (else
// every use destroyed before its element or definition would search that
// node's whole list for itself, and a name with very many uses would make
// the deletion quadratic; the bindings end as the destructors would leave
// them).  A second walk deletes the nodes in the order of the recursive
// deletion, each cut from its children first, so that no deletion recurses
// however deep the tree.  Both walks keep a stack of the nodes to come and
// load them into the cache as they are pushed.
void OrvExprOper::DeleteNodesBelow() {
  TeardownLists& lists = KeptLists();
  std::vector<OrvExpr*>& bindings = lists.bindings;
  std::vector<OrvExpr*>& stack = lists.stack;
  long blocks = 1 + SlotBlocks(this);
  long count = 0;
  for (int i = NArgs() - 1; i >= 0; --i) {
    OrvExpr* child = slots_[i]->child;
    if (child != nullptr) stack.push_back(child);
  }
  while (!stack.empty()) {
    OrvExpr* n = stack.back();
    stack.pop_back();
    ++count;
    if (n->Oper() == SYMBOL_TABLE_ELT || n->Oper() == NAMED_OBJ_DEF) {
      bindings.push_back(n);
      if (n->NLinkLists() > 0) blocks += n->Links(0)->Count();
    }
    PushChildren(n, stack);
    blocks += 1 + SlotBlocks(n);
  }
  const bool whole = OrvNodeReleaseIsDefault() && OrvLiveNodes == count + 1 &&
                     OrvPoolArena<ORV_TREE_ARENA>::BlocksOut() == blocks;
  if (!whole) {
    for (OrvExpr* n : bindings)
      if (n->Oper() == SYMBOL_TABLE_ELT) n->UnlinkRefs();
    for (OrvExpr* n : bindings)
      if (n->Oper() == NAMED_OBJ_DEF) n->UnlinkRefs();
  } else {
    OrvWholeTreeTeardown = true;
    OrvPoolArena<ORV_TREE_ARENA>::BeginDrop();
  }
  for (int i = NArgs() - 1; i >= 0; --i) {
    OrvExpr* child = slots_[i]->child;
    slots_[i]->child = nullptr;
    if (child != nullptr) stack.push_back(child);
  }
  while (!stack.empty()) {
    OrvExpr* n = stack.back();
    stack.pop_back();
    PushChildren(n, stack);
    // A node that only gives back blocks is left as it is: its memory is
    // not used again before the arena rewinds.
    if (whole && HoldsOnlyBlocks(n)) {
      OrvPoolArena<ORV_TREE_ARENA>::Drop(1 + SlotBlocks(n));
      --OrvLiveNodes;
      continue;
    }
    n->parent_ = nullptr;
    for (int i = 0, args = n->NArgs(); i < args; ++i) {
      OrvArgSlot* slot = n->slots_[i];
      if (slot != nullptr) slot->child = nullptr;
    }
    delete n;
  }
  if (whole) {
    OrvPoolArena<ORV_TREE_ARENA>::EndDrop();
    OrvWholeTreeTeardown = false;
  }
  ResetLists(lists);
}

// Pushes the children of a node on the stack, the last first, loading
// them and the node's slot records into the cache on the way.
void OrvExprOper::PushChildren(const OrvExpr* n, std::vector<OrvExpr*>& stack) {
  const int args = n->NArgs();
  for (int i = 0; i < args; ++i) __builtin_prefetch(n->slots_[i]);
  for (int i = args - 1; i >= 0; --i) {
    OrvArgSlot* slot = n->slots_[i];
    if (slot == nullptr || slot->child == nullptr) continue;
    __builtin_prefetch(slot->child);
    stack.push_back(slot->child);
  }
}

OrvExprOper::~OrvExprOper() {
  ++gSubtreeDeletions;
  if (gSubtreeDeletions == 1 && NArgs() > 0) DeleteNodesBelow();
  if (hasSd_) SetSd(nullptr, 0);
  int n = NArgs();
  for (int i = 0; i < n; ++i) delete slots_[i];  // clears each child's parent
  FreeSlotArray(slots_, slotCapacity_);
  slots_ = nullptr;
  slotCapacity_ = 0;
  SetNArgs(0);
  --gSubtreeDeletions;
}

namespace {

// The subdivision widths of the nodes that have them (hasSd_ set), by node.
// Never destroyed: a node deleted at exit may still look.
struct SdRecord {
  int16_t* widths;
  uint16_t count;
};
std::unordered_map<const OrvExprOper*, SdRecord>& SdTable() {
  static auto* table = new std::unordered_map<const OrvExprOper*, SdRecord>();
  return *table;
}

}  // namespace

int OrvExprOper::SdCount() const { return hasSd_ ? SdTable().at(this).count : 0; }

const int16_t* OrvExprOper::Sd() const { return hasSd_ ? SdTable().at(this).widths : nullptr; }

void OrvExprOper::SetSd(int16_t* widths, int count) {
  if (hasSd_) {
    auto found = SdTable().find(this);
    delete[] found->second.widths;
    SdTable().erase(found);
    hasSd_ = 0;
  }
  if (widths == nullptr) return;
  SdTable()[this] = SdRecord{widths, static_cast<uint16_t>(count > 0 ? count : 0)};
  hasSd_ = 1;
}

// ---------------------------------------------------------------------------
// Helpers
// ---------------------------------------------------------------------------

int OrvExprOper::BadIndex(const char* method, int i) const {
  if (i >= 0 && i < NArgs()) return 0;
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
  for (int j = 0; j < NArgs() && holder == nullptr; ++j) {
    if (slots_[j] == record) {
      holder = this;
      k = j;
    }
  }
  if (holder == nullptr && child != nullptr) {
    OrvExprOper* parent = dynamic_cast<OrvExprOper*>(child->Parent());
    int j = parent != nullptr ? parent->FindArg(child) : -1;
    if (j >= 0 && parent->slots_[j] == record) {
      holder = parent;
      k = j;
    }
  }
  if (holder == nullptr) return;
  holder->slots_[k] = new OrvArgSlot;
  if (child != nullptr) {
    NodeMessage(MSG_SEVERE, method,
                OrvFormat("attaching node %s that has non-null parent.",
                          OrvOperName(child->Oper())));
    child->SetParent(nullptr);
  }
}

int OrvExprOper::PrepareAttach(const char* method, OrvExpr* child) {
  if (child == nullptr) return 0;
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
  slots_[i]->child = child;
  if (child != nullptr) child->SetParent(this);
}

void OrvExprOper::Grow(int count) {
  if (count <= slotCapacity_) return;
  int cap = slotCapacity_ > 0 ? slotCapacity_ : 4;
  while (cap < count) cap = cap > ORV_MAX_ARGS / 2 ? ORV_MAX_ARGS : cap * 2;
  cap = SlotArrayCapacity(cap);
  OrvArgSlot** grown = NewSlotArray(cap);
  for (int i = 0; i < NArgs(); ++i) grown[i] = slots_[i];
  FreeSlotArray(slots_, slotCapacity_);
  slots_ = grown;
  slotCapacity_ = cap;
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
        OrvExpr* child = slots_[i]->child;
        if (child != nullptr && !child->IsNullNode()) {
          NodeMessage(MSG_SEVERE, "OrvExprOper::SetOper",
                      OrvFormat("shrinking oper to %s: arg #%d is not NULL",
                                OrvOperName(op), i));
        }
        OrvArgSlot* slot = DelArgSlot(i, 0, 0);
        delete slot;  // with its child and tokens
      }
      for (int i = fixed; i < NArgs(); ++i) {
        delete slots_[i];  // the empty records left in place
        slots_[i] = nullptr;
      }
      SetNArgs(fixed);
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
  OrvExpr* child = slots_[i]->child;
  if (child == nullptr && OrvFillNullSwitch && !nullArgGuard) {
    nullArgGuard = 1;
    NodeMessage(MSG_SEVERE, "OrvExprOper::Args", OrvFormat("arg #%d is NULL.", i));
    nullArgGuard = 0;
  }
  return child;
}

OrvArgSlot* OrvExprOper::ArgSlots(int i) const {
  if (BadIndex("OrvExprOper::ArgSlots", i)) return nullptr;
  return slots_[i];
}

// The first slot whose child is the given node; for a null node that is the
// first empty slot.
int OrvExprOper::FindArg(const OrvExpr* child) const {
  for (int i = 0; i < NArgs(); ++i) {
    if (slots_[i]->child == child) return i;
  }
  return -1;
}

// ---------------------------------------------------------------------------
// Setting arguments
// ---------------------------------------------------------------------------

void OrvExprOper::SetArg(int i, OrvExpr* child, int order, int state) {
  if (BadIndex("OrvExprOper::SetArg", i)) return;
  OrvArgSlot* slot = slots_[i];
  if (child == nullptr || child != slot->child) {
    if (PrepareAttach("OrvExprOper::SetArg", child)) return;
    // Detaching from an empty slot does nothing a hook would not see.
    if (slot->child != nullptr || OrvTreeEditHook != nullptr) {
      OrvExpr* old = DelArg(i, 0, 0);
      delete old;
    }
    OrvCallTreeEditHook(ORV_EDIT_SET_ARG, this, child, i, OrvEmptyVString);
    StoreChild(i, child);
  }
  if (order >= 0) slot->order = static_cast<int16_t>(order);
  if (state != 0) slot->state = static_cast<uint16_t>(state);
}

void OrvExprOper::SetArgNoDel(int i, OrvExpr* child) {
  if (BadIndex("OrvExprOper::SetArgNoDel", i)) return;
  OrvArgSlot* slot = slots_[i];
  if (child != nullptr && child == slot->child) return;
  if (PrepareAttach("OrvExprOper::SetArgNoDel", child)) return;
  // The old child stays with the caller, detached from this node.
  if (slot->child != nullptr) {
    slot->child->SetParent(nullptr);
    slot->child = nullptr;
  }
  OrvCallTreeEditHook(ORV_EDIT_SET_ARG, this, child, i, OrvEmptyVString);
  StoreChild(i, child);
}

void OrvExprOper::SetArg(int i, OrvArgSlot* record) {
  if (BadIndex("OrvExprOper::SetArg", i)) return;
  if (record == nullptr || record == slots_[i]) return;
  if (RefuseOwnAncestor("OrvExprOper::SetArg", record->child)) return;
  // A record is owned by one slot only.
  ReleaseHeldRecord("OrvExprOper::SetArg", record);
  if (PrepareAttach("OrvExprOper::SetArg", record->child)) return;
  if (record->child == nullptr && OrvFillNullSwitch) record->child = new OrvNullNode;
  OrvExpr* old = DelArg(i, 0, 0);
  delete old;
  delete slots_[i];
  OrvCallTreeEditHook(ORV_EDIT_SET_ARG, this, record->child, i, OrvEmptyVString);
  slots_[i] = record;
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
  for (int j = count; j > position; --j) slots_[j] = slots_[j - 1];
  slots_[position] = new OrvArgSlot;
  SetNArgs(count + 1);
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
  OrvArgSlot* slot = slots_[i];
  OrvExpr* child = slot->child;
  OrvCallTreeEditHook(ORV_EDIT_DETACH, this, child, i, OrvEmptyVString);
  slot->child = nullptr;
  if (child != nullptr) child->SetParent(nullptr);
  if (removeSlot) {
    OrvCallTreeEditHook(ORV_EDIT_DEL_SLOT, this, nullptr, i, OrvEmptyVString);
    delete slot;
    int count = NArgs();
    for (int j = i; j + 1 < count; ++j) slots_[j] = slots_[j + 1];
    slots_[count - 1] = nullptr;
    SetNArgs(count - 1);
  } else if (fillNull && OrvFillNullSwitch) {
    StoreChild(i, nullptr);
  }
  return child;
}

OrvArgSlot* OrvExprOper::DelArgSlot(int i, int removeSlot, int fillNull) {
  if (BadIndex("OrvExprOper::DelArgSlot", i)) return nullptr;
  if (removeSlot < 0) removeSlot = OrvOperIsList(Oper());
  OrvArgSlot* slot = slots_[i];
  if (slot->child != nullptr) slot->child->SetParent(nullptr);
  if (removeSlot) {
    int count = NArgs();
    for (int j = i; j + 1 < count; ++j) slots_[j] = slots_[j + 1];
    slots_[count - 1] = nullptr;
    SetNArgs(count - 1);
  } else {
    // Every index keeps a record: a fresh, empty one takes the place.
    slots_[i] = new OrvArgSlot;
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
    slots_[i]->PutTic(out);
    if (slots_[i]->child != nullptr) {
      out << '1';
      slots_[i]->child->PutTic(out);
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
    r = slots_[i]->GetTic(in, error);
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

