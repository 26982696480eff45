// OrvExprOper: the syntax-tree node that carries an operation code and an
// ordered array of argument slots, each holding the tokens in front of the
// argument and one child node.  Every node whose operation is not a leaf
// operation is an OrvExprOper (or derives from it).
//
// The slots of a node stand in one block (OrvSlotBlock), one word per slot.
// A word holds the child itself with the slot's from-source state and
// clause order, or an empty slot with its state, order and (after the fill
// of empty slots) the serial number of the NULL_NODE that reads there, or a
// record (OrvArgSlot) for a slot with tokens or one that was asked for as a
// record.  Records and the NULL_NODEs of the fill are made when something
// asks for them through the node interface (SlotAt, ChildAt, Args,
// ArgSlots, ...), so that every slot reads as it always did; a slot
// holding nothing costs its word alone.
#ifndef ORV_EXPR_OPER_H
#define ORV_EXPR_OPER_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "OrvExpr.h"

static_assert(sizeof(std::uintptr_t) == 8, "a slot word packs a pointer, a serial and 16 bits of slot state");

// The words of a slot block.
namespace orv_slot_word {
constexpr std::uintptr_t kTagMask = 3;
constexpr std::uintptr_t kRecordTag = 0;  // an OrvArgSlot*; 0 alone: no record at all
constexpr std::uintptr_t kChildTag = 1;   // the child in bits 3..47, no tokens
constexpr std::uintptr_t kEmptyTag = 2;   // no child, no tokens
constexpr std::uintptr_t kFillBit = 4;    // empty: a NULL_NODE of the fill reads here
// With kFillBit: the unmade NULL_NODE is not from source (state 0), one a
// pass of the analysis put there rather than the fill.
constexpr std::uintptr_t kPlainNullBit = 8;
constexpr int kSerialShift = 16;          // empty: the fill's serial in bits 16..47
constexpr int kStateShift = 48;           // the state (0 or 1) in bit 48
constexpr int kOrderShift = 49;           // the order + 1 (0..32767) in bits 49..63
constexpr std::uintptr_t kPtrMask = ((std::uintptr_t(1) << kStateShift) - 1) & ~std::uintptr_t(7);
constexpr int kMaxOrder = 32766;
// A new slot: empty, state 0, order -1.
constexpr std::uintptr_t kFresh = kEmptyTag;

inline std::uintptr_t Tag(std::uintptr_t w) { return w & kTagMask; }
// Whether the compact form holds a slot of that state and order.
inline bool MetaFits(int state, int order) {
  return (state == 0 || state == 1) && order >= -1 && order <= kMaxOrder;
}
inline std::uintptr_t Meta(int state, int order) {
  return (std::uintptr_t(state) << kStateShift) | (std::uintptr_t(order + 1) << kOrderShift);
}
inline std::uintptr_t MetaOf(std::uintptr_t w) { return w & ~((std::uintptr_t(1) << kStateShift) - 1); }
inline int StateOf(std::uintptr_t w) { return static_cast<int>((w >> kStateShift) & 1); }
inline int OrderOf(std::uintptr_t w) { return static_cast<int>(w >> kOrderShift) - 1; }
// Whether a node can stand in a word (aligned to 8, below 2^48).
inline bool PtrFits(const void* p) {
  const std::uintptr_t v = reinterpret_cast<std::uintptr_t>(p);
  return (v & 7) == 0 && (v & ~kPtrMask & ~std::uintptr_t(7)) == 0;
}
inline std::uintptr_t ChildWord(const OrvExpr* child, std::uintptr_t meta) {
  return reinterpret_cast<std::uintptr_t>(child) | kChildTag | meta;
}
inline OrvExpr* ChildOf(std::uintptr_t w) { return reinterpret_cast<OrvExpr*>(w & kPtrMask); }
inline std::uintptr_t FillWord(std::uint32_t serial, std::uintptr_t meta) {
  return kEmptyTag | kFillBit | (std::uintptr_t(serial) << kSerialShift) | meta;
}
inline std::uint32_t FillSerialOf(std::uintptr_t w) { return static_cast<std::uint32_t>(w >> kSerialShift); }
inline OrvArgSlot* RecordOf(std::uintptr_t w) { return reinterpret_cast<OrvArgSlot*>(w); }
}  // namespace orv_slot_word

// The slot storage of an operation node with more than one slot (or one
// that grew): the slot count and room, then one word per slot (capacity of
// them).  A node of one slot keeps its word in place of the pointer to the
// block.
struct OrvSlotBlock {
  std::uint32_t count;
  std::uint32_t capacity;

  std::uintptr_t* Words() { return reinterpret_cast<std::uintptr_t*>(this + 1); }
  const std::uintptr_t* Words() const { return reinterpret_cast<const std::uintptr_t*>(this + 1); }
  static std::size_t Bytes(std::uint32_t capacity) { return sizeof(OrvSlotBlock) + sizeof(std::uintptr_t) * capacity; }
};
static_assert(sizeof(OrvSlotBlock) == 8, "the words of a slot block follow an 8-byte head");

class OrvExprOper : public OrvExpr {
 public:
  // A node with the operation's fixed number of empty slots (none for a
  // list operation or an operation without children).
  explicit OrvExprOper(OrvOper op);
  // A node holding the given children in slots 0, 1, ...; a positional
  // operation whose fixed count differs from the number of children is
  // reported ("bad arg_no, must be %d") and built all the same.
  OrvExprOper(OrvOper op, OrvExpr* a1);
  OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2);
  OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3);
  OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3, OrvExpr* a4);
  OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3, OrvExpr* a4,
              OrvExpr* a5);
  OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3, OrvExpr* a4,
              OrvExpr* a5, OrvExpr* a6);
  OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3, OrvExpr* a4,
              OrvExpr* a5, OrvExpr* a6, OrvExpr* a7);
  OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3, OrvExpr* a4,
              OrvExpr* a5, OrvExpr* a6, OrvExpr* a7, OrvExpr* a8);
  OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3, OrvExpr* a4,
              OrvExpr* a5, OrvExpr* a6, OrvExpr* a7, OrvExpr* a8, OrvExpr* a9);
  OrvExprOper(OrvOper op, OrvExpr* a1, OrvExpr* a2, OrvExpr* a3, OrvExpr* a4,
              OrvExpr* a5, OrvExpr* a6, OrvExpr* a7, OrvExpr* a8, OrvExpr* a9,
              OrvExpr* a10);
  // A node of n slots taking the children of the array (which may be null).
  OrvExprOper(OrvOper op, OrvExpr* const* children, int n);
  // A deep copy: same header and serial, copied slot tokens, cloned children.
  OrvExprOper(const OrvExprOper& other);

  // Puts the non-null children[i] into slots 0 .. n-1 of a node just made
  // with OrvExprOper(op), each as SetArg(i, child) does; a child that hangs
  // nowhere goes straight into its fresh slot when no hook watches and the
  // fill switch is off.
  void TakeFreshChildren(OrvExpr* const* children, int n);

  OrvExpr* Clone() const override;
  ~OrvExprOper() override;

  void SetOper(OrvOper op, int reset = 0, int allowShrink = 0) override;
  OrvExpr* Args(int i) const override;
  OrvArgSlot* ArgSlots(int i) const override;
  void SetArg(int i, OrvExpr* child, int order = -1, int state = 0) override;
  void SetArgNoDel(int i, OrvExpr* child) override;
  void SetArg(int i, OrvArgSlot* slot) override;
  void SetArgToList(int i, OrvOper listOp, OrvExpr* child) override;
  void AddArg(OrvExpr* child) override;
  void InsArg(OrvExpr* child, int position) override;
  void InsSibBefore(OrvExpr* sibling) override;
  void InsSibAfter(OrvExpr* sibling) override;
  OrvExpr* DelArg(int i, int removeSlot, int fillNull) override;
  OrvArgSlot* DelArgSlot(int i, int removeSlot, int fillNull) override;
  int FindArg(const OrvExpr* child) const override;
  OrvResult PrettyPrintOper(int measure, int forceBreak) override;
  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

  // The slot lines of the debug dump, one per argument, with the children.
  std::ostream& DumpSlots(std::ostream& out) const;

  // The printer's subdivision widths: the node takes over the array
  // (allocated with new[]), freeing the one it held.
  // They are kept in a table beside the tree: few nodes have them.
  int SdCount() const;
  const int16_t* Sd() const;
  void SetSd(int16_t* widths, int count);
  // The printer's column register, kept in the same table (0 for a node
  // without an entry).
  int XReg() const;
  void SetXReg(int x);

  // The fill of empty slots: every slot of the node that holds no child
  // (and no NULL_NODE of an earlier fill) gets a NULL_NODE marked as
  // source (from-source state 1), in slot order, each with the next serial
  // number of the node counter.  The NULL_NODEs are made when something
  // asks for them; until then they cost nothing beyond the slot's word.
  // Answers how many slots were filled.
  int FillEmptySlots();

  // Sets the from-source state of every slot whose state is 0 to `state`,
  // in one pass over the slot words, as SetSlotState would one slot at a
  // time.  Answers how many slots were set.
  int SetUnsetSlotStates(int state);
  // SetUnsetSlotStates(1) without the count, inline: a word that holds a
  // child or an empty slot takes state 1 with its order kept, whatever its
  // state was, and a record of state 0 takes 1; a word of nothing or an
  // unsettled node goes the long way (the mark of a parsed tree reaches
  // every node).
  inline void MarkSlotsFromSource();

  // Puts a NULL_NODE in slot i as SetArg(i, new OrvNullNode) does: not from
  // source, the next serial of the node counter, the slot's state and order
  // kept.  In a slot holding nothing the NULL_NODE stays unmade (as one of
  // the fill does) until something asks for it through the node interface.
  void SetArgNullNode(int i);

  // Registers a function that releases what nodes hold outside the arenas,
  // for a whole tree given back at once (every node there is goes, without
  // its destructor).
  static void OnWholeTreeDrop(void (*release)());

 protected:
  // Puts the children of a table back in order before they are read
  // (OrvSymTabList); the base class has nothing to do.
  virtual void Settle() {}
  // The slot words, for a class that reorders its slots (OrvSymTabList).
  std::uintptr_t* StoredWords() const { return Words(); }
  // The child a slot word holds (null for an empty slot).
  static OrvExpr* ChildOfWord(std::uintptr_t w) {
    if (orv_slot_word::Tag(w) == orv_slot_word::kChildTag) return orv_slot_word::ChildOf(w);
    return w != 0 && orv_slot_word::Tag(w) == orv_slot_word::kRecordTag ? orv_slot_word::RecordOf(w)->child : nullptr;
  }

 private:
  friend class OrvExpr;

  void InitSlots(int n);
  void InitChildren(OrvExpr* const* children, int n);
  // Checks a child before it is attached: a child that is this node or one
  // of its ancestors is refused (1); a child that hangs in another slot is
  // reported and taken out of it first.  0 when the child may be attached.
  // Inline for a child without a parent and without slots, which is
  // attached as it is.
  int PrepareAttach(const char* method, OrvExpr* child) {
    if (child == nullptr || (child->NArgs() == 0 && child->Parent() == nullptr)) return 0;
    return PrepareAttachSlow(method, child);
  }
  int PrepareAttachSlow(const char* method, OrvExpr* child);
  // The attach of SetArg without anything to report, delete, make or show
  // a hook: a child that hangs nowhere (or none) goes into slot i, which
  // holds no child and no NULL_NODE of the fill.  False, with nothing
  // changed, when the slot or the child is not of that kind.
  inline bool AttachPlain(int i, OrvExpr* child);
  // SetArg's attach of what AttachPlain leaves: true when the child was
  // refused (and reported).
  bool AttachChecked(int i, OrvExpr* child);
  // The fill of an empty slot record without a NULL_NODE of the fill: it
  // takes the next serial, kept unmade when the record can keep it apart
  // from its "none", else with a NULL_NODE made now.
  void FillRecord(OrvArgSlot* record);
  // The report of a slot count beyond ORV_MAX_ARGS.
  void ReportTooManyArgs(int n);
  // 1 (with a report) when the child is this node or one of its ancestors.
  int RefuseOwnAncestor(const char* method, const OrvExpr* child) const;
  // Takes a slot record out of the slot that still holds it (a slot of this
  // node, or the slot its child hangs in), leaving a fresh empty record
  // there.
  void ReleaseHeldRecord(const char* method, OrvArgSlot* record);
  // Stores a child (or, with the fill switch, a new NULL_NODE for a null
  // one) in slot i and sets its parent.
  void StoreChild(int i, OrvExpr* child);
  // 1 (with a report) when slot i does not exist.
  int BadIndex(const char* method, int i) const {
    if (static_cast<unsigned>(i) < static_cast<unsigned>(NArgs())) return 0;
    return ReportBadIndex(method, i);
  }
  int ReportBadIndex(const char* method, int i) const;
  void Grow(int count);
  void SetCount(int n);
  // Deletes every node below this one (the outermost deletion of a subtree
  // calls it), leaving the slots in place with null children.
  void DeleteNodesBelow();
  // Gives every node below this root back at once when the root's tree
  // holds everything out of the arenas: true when it did so.
  bool DropWholeTree();
  // Clears the table of widths and column registers but for `keep`'s entry.
  static void ClearSideTable(const OrvExprOper* keep);
  // Notes that a slot block too large for the pools was made (or freed).
  static void NoteHeapBlock(const OrvSlotBlock* block, bool made);
  // Pushes the node's children on the stack, the last first.
  static void PushChildren(const OrvExpr* node, std::vector<OrvExpr*>& stack);

  // --- the slot words ---
  // The parent-word mark of a node whose one slot word stands in place of
  // the block pointer (slots_), and of a node with an entry in the table of
  // the printer's widths and column register.
  static const std::uintptr_t kUpInlineSlot = kUpClassFlag2;
  static const std::uintptr_t kUpSideData = kUpClassFlag;
  bool InlineSlot() const { return UpFlag(kUpInlineSlot); }
  OrvSlotBlock* Block() const { return reinterpret_cast<OrvSlotBlock*>(slots_); }
  std::uintptr_t* Words() const { return InlineSlot() ? &slots_ : Block()->Words(); }
  // The room for slot words.
  int Capacity() const;
  // The child of slot i as stored, without making anything (null for an
  // empty slot and for an unmade NULL_NODE of the fill).
  OrvExpr* StoredChild(int i) const;
  // Slot i as a record, made from its word when it is compact; an unmade
  // NULL_NODE of the fill stays unmade in it.
  OrvArgSlot* RecordAt(int i) const;
  // Makes the NULL_NODE of the fill that slot i holds unmade, if any.
  void MakeFillNode(int i) const;
  // Sets the child of slot i (which must hold none), keeping its state,
  // order and tokens; an unmade NULL_NODE of the fill goes.
  void PutChild(int i, OrvExpr* child);
  // Takes the child out of slot i, leaving the slot empty with its state,
  // order and tokens; an unmade NULL_NODE of the fill goes as well.
  OrvExpr* TakeChild(int i);
  // Sets the state and order of slot i.
  void PutMeta(int i, int state, int order);
  // Deletes what slot word w holds: its record with tokens and child, or
  // its child.
  static void DeleteWord(std::uintptr_t w);
  // A slot block of the given room (its words not set).
  static OrvSlotBlock* NewBlock(std::uint32_t capacity);
  static void FreeBlock(OrvSlotBlock* block);
  // Deletes the slot words (with what they hold) and the block.
  void FreeSlots();
  // The node's entry in the table of widths and column registers goes.
  void DropSideData();

  // The slot block, or the one slot word of a node marked kUpInlineSlot;
  // 0 for a node without slots.
  mutable std::uintptr_t slots_;
};

// ---------------------------------------------------------------------------
// The inline slot accessors of the node base class
// ---------------------------------------------------------------------------

inline int OrvExpr::NArgs() const {
  const unsigned n = nArgs_;
  return n < kNArgsEscape ? static_cast<int>(n)
                          : static_cast<int>(static_cast<const OrvExprOper*>(this)->Block()->count);
}

inline OrvArgSlot* OrvExpr::SlotAt(int i) const {
  if ((up_ & kUpUnsettled) != 0) SettleChildren();
  const std::uintptr_t w = static_cast<const OrvExprOper*>(this)->Words()[i];
  if (orv_slot_word::Tag(w) == orv_slot_word::kRecordTag) {
    OrvArgSlot* record = orv_slot_word::RecordOf(w);
    if (record == nullptr || record->child != nullptr || record->fillSerial_ == OrvArgSlot::kNoFill)
      return record;
  }
  return SlotAtSlow(i);
}

inline OrvExpr* OrvExpr::ChildAt(int i) const {
  if ((up_ & kUpUnsettled) != 0) SettleChildren();
  const std::uintptr_t w = static_cast<const OrvExprOper*>(this)->Words()[i];
  if (orv_slot_word::Tag(w) == orv_slot_word::kChildTag) return orv_slot_word::ChildOf(w);
  if (w != 0 && orv_slot_word::Tag(w) == orv_slot_word::kRecordTag) {
    OrvExpr* child = orv_slot_word::RecordOf(w)->child;
    if (child != nullptr) return child;
  }
  return ChildAtSlow(i);
}

namespace orv_slot_word {
// The child a stored word holds, in place or in its record; null for none.
inline OrvExpr* StoredChildOf(std::uintptr_t w) {
  if (Tag(w) == kChildTag) return ChildOf(w);
  return w != 0 && Tag(w) == kRecordTag ? RecordOf(w)->child : nullptr;
}
// The order a stored word keeps, in place or in its record; -1 for none.
inline int StoredOrderOf(std::uintptr_t w) {
  if (Tag(w) != kRecordTag) return OrderOf(w);
  return w != 0 ? RecordOf(w)->order : -1;
}
}  // namespace orv_slot_word

inline OrvExpr* OrvExpr::PeekChild(int i) const {
  if ((up_ & kUpUnsettled) != 0) SettleChildren();
  return orv_slot_word::StoredChildOf(static_cast<const OrvExprOper*>(this)->Words()[i]);
}

inline bool OrvExpr::PeekFill(int i, uint32_t* serial) const {
  if ((up_ & kUpUnsettled) != 0) SettleChildren();
  const std::uintptr_t w = static_cast<const OrvExprOper*>(this)->Words()[i];
  if (orv_slot_word::Tag(w) == orv_slot_word::kEmptyTag) {
    if ((w & orv_slot_word::kFillBit) == 0) return false;
    if (serial != nullptr) *serial = orv_slot_word::FillSerialOf(w);
    return true;
  }
  if (w == 0 || orv_slot_word::Tag(w) != orv_slot_word::kRecordTag) return false;
  const OrvArgSlot* record = orv_slot_word::RecordOf(w);
  if (record->child != nullptr || record->fillSerial_ == OrvArgSlot::kNoFill) return false;
  if (serial != nullptr) *serial = record->fillSerial_;
  return true;
}

inline OrvExpr* OrvExpr::PeekChildOrFill(int i, bool* fill) const {
  if ((up_ & kUpUnsettled) != 0) SettleChildren();
  const std::uintptr_t w = static_cast<const OrvExprOper*>(this)->Words()[i];
  *fill = false;
  if (orv_slot_word::Tag(w) == orv_slot_word::kChildTag) return orv_slot_word::ChildOf(w);
  if (orv_slot_word::Tag(w) == orv_slot_word::kEmptyTag) {
    *fill = (w & orv_slot_word::kFillBit) != 0;
    return nullptr;
  }
  if (w == 0 || orv_slot_word::Tag(w) != orv_slot_word::kRecordTag) return nullptr;
  const OrvArgSlot* record = orv_slot_word::RecordOf(w);
  if (record->child != nullptr) return record->child;
  *fill = record->fillSerial_ != OrvArgSlot::kNoFill;
  return nullptr;
}

inline OrvTokenList* OrvExpr::PeekTokens(int i) const {
  if ((up_ & kUpUnsettled) != 0) SettleChildren();
  const std::uintptr_t w = static_cast<const OrvExprOper*>(this)->Words()[i];
  if (w == 0 || orv_slot_word::Tag(w) != orv_slot_word::kRecordTag) return nullptr;
  OrvArgSlot* record = orv_slot_word::RecordOf(w);
  return record->tokens.IsEmpty() ? nullptr : &record->tokens;
}

inline int OrvExpr::PeekState(int i) const {
  if ((up_ & kUpUnsettled) != 0) SettleChildren();
  const std::uintptr_t w = static_cast<const OrvExprOper*>(this)->Words()[i];
  if (orv_slot_word::Tag(w) != orv_slot_word::kRecordTag) return orv_slot_word::StateOf(w);
  return w != 0 ? orv_slot_word::RecordOf(w)->state : 0;
}

inline void OrvExpr::SetSlotState(int i, int state) {
  if ((up_ & kUpUnsettled) == 0 && (state == 0 || state == 1)) {
    std::uintptr_t* words = static_cast<const OrvExprOper*>(this)->Words();
    const std::uintptr_t w = words[i];
    // A compact word keeps its order and whatever else it holds: only the
    // state bit changes.
    if (orv_slot_word::Tag(w) != orv_slot_word::kRecordTag) {
      words[i] = (w & ~(std::uintptr_t(1) << orv_slot_word::kStateShift)) |
                 (std::uintptr_t(state) << orv_slot_word::kStateShift);
      return;
    }
    // A record keeps any state.
    if (w != 0) {
      orv_slot_word::RecordOf(w)->state = static_cast<uint16_t>(state);
      return;
    }
  }
  SetSlotStateSlow(i, state);
}

inline bool OrvExprOper::AttachPlain(int i, OrvExpr* child) {
  using namespace orv_slot_word;
  if (OrvTreeEditHook != nullptr || OrvFillNullSwitch) return false;
  std::uintptr_t* words = Words();
  const std::uintptr_t w = words[i];
  OrvArgSlot* record = nullptr;
  if (Tag(w) == kEmptyTag) {
    if ((w & kFillBit) != 0) return false;
  } else if (w != 0 && Tag(w) == kRecordTag) {
    record = RecordOf(w);
    if (record->child != nullptr || record->fillSerial_ != OrvArgSlot::kNoFill) return false;
  } else {
    return false;
  }
  if (child == nullptr) return true;  // the slot stays as it is
  if (child->Parent() != nullptr) return false;
  // A node hung below itself is refused with a report: the slow path.
  if (child->NArgs() != 0) {
    for (const OrvExpr* up = this; up != nullptr; up = up->Parent())
      if (up == child) return false;
  }
  if (record != nullptr) {
    record->child = child;
  } else {
    if (!PtrFits(child)) return false;
    words[i] = ChildWord(child, MetaOf(w));
  }
  child->SetParent(this);
  return true;
}

inline void OrvExprOper::MarkSlotsFromSource() {
  using namespace orv_slot_word;
  if (!UpFlag(kUpUnsettled)) {
    const int n = NArgs();
    std::uintptr_t* words = Words();
    int i = 0;
    for (; i < n; ++i) {
      const std::uintptr_t w = words[i];
      if (Tag(w) != kRecordTag) {
        words[i] = w | (std::uintptr_t(1) << kStateShift);
      } else if (w != 0) {
        OrvArgSlot* record = RecordOf(w);
        if (record->state == 0) record->state = 1;
      } else {
        break;
      }
    }
    if (i == n) return;
  }
  SetUnsetSlotStates(1);
}

inline const std::uintptr_t* OrvExpr::PeekWords() const {
  if ((up_ & kUpUnsettled) != 0) SettleChildren();
  return static_cast<const OrvExprOper*>(this)->Words();
}

inline int OrvExpr::PeekOrder(int i) const {
  if ((up_ & kUpUnsettled) != 0) SettleChildren();
  return orv_slot_word::StoredOrderOf(static_cast<const OrvExprOper*>(this)->Words()[i]);
}

// The child of slot i of `node` as ChildAt answers it, from the slot's
// stored word `w` (PeekWords).  A word that holds its child is read inline;
// ChildAt is called only for an empty slot that something may stand in: a
// NULL_NODE of the fill still unmade (made now, as ChildAt makes it) or,
// with the fill switch on, one that Args reports.  An empty slot of neither
// kind reads as null without the call.  Inline: the walks run it at every
// slot.
[[gnu::always_inline]] inline OrvExpr* OrvWalkedChildOfWord(const OrvExpr* node, int i,
                                                            std::uintptr_t w) {
  using namespace orv_slot_word;
  if (Tag(w) == kChildTag) return ChildOf(w);
  if (w != 0 && Tag(w) == kRecordTag && RecordOf(w)->child != nullptr) return RecordOf(w)->child;
  if (!OrvFillNullSwitch && Tag(w) == kEmptyTag && (w & kFillBit) == 0) return nullptr;
  return OrvFillNullSwitch || node->PeekFill(i) ? node->ChildAt(i) : nullptr;
}

#endif
