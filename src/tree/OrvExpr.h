// OrvExpr: the abstract base of every syntax-tree node.
//
// Every node carries the same header (operation code, number of argument
// slots, from-source state, print value, parent, serial number, generated
// positions, trailing token list) and answers one interface of 36 virtual
// operations.  Operations that a class does not support are answered here
// with a "this function must not be called" report and a neutral result.
#ifndef ORV_EXPR_H
#define ORV_EXPR_H

#include <cstddef>
#include <cstdint>
#include <iosfwd>

#include "OrvOper.h"
#include "OrvResult.h"
#include "OrvToken.h"
#include "OrvTxtPosn.h"
#include "VString.h"

class OrvExpr;
class OrvArgSlot;
class OrvLink;
class OrvLinkList;

// ---------------------------------------------------------------------------
// Process-wide node settings
// ---------------------------------------------------------------------------

// Serial number source of new nodes: a constructor takes its value and adds 1.
extern uint32_t OrvNodeCounter;

// When non-zero, an argument that would be left empty gets a new NULL_NODE
// and Args() reports a null child.  Off for the whole run in this program.
extern int OrvFillNullSwitch;

// Events passed to the tree-edit hook.
enum OrvTreeEditEvent {
  ORV_EDIT_SET_ARG = 1,   // an argument was set
  ORV_EDIT_DETACH = 2,    // an argument was detached
  ORV_EDIT_INS_SLOT = 3,  // a slot was inserted
  ORV_EDIT_DEL_SLOT = 4,  // a slot was removed
  ORV_EDIT_IMAGE = 5,     // an image or value changed
  ORV_EDIT_OPER = 6       // the operation changed (or the node was reset)
};

// Called on every structural change of a node; null for the whole run unless
// a tool installs one.
typedef void (*OrvTreeEditHookFn)(int event, OrvExpr* node, OrvExpr* child,
                                  int index, const VString& text);
extern OrvTreeEditHookFn OrvTreeEditHook;

// Calls the tree-edit hook when one is installed (inline: every slot edit
// asks).
inline void OrvCallTreeEditHook(int event, OrvExpr* node, OrvExpr* child, int index,
                                const VString& text) {
  if (OrvTreeEditHook != nullptr) OrvTreeEditHook(event, node, child, index, text);
}

// The empty text that base operations answer by address.
extern const VString OrvEmptyVString;

// The value of a generated-position word (low 24 bits) that means "none".
const uint32_t ORV_GENP_NONE = 0xffffff;

// Largest number of argument slots a node may hold.
const int ORV_MAX_ARGS = 1 << 24;

// Releases the memory of a deleted node after it was filled with 0xAA; the
// default gives it back to the node pool (OrvSizedPool), where the next node
// of that size takes it.  Replaceable so that tests can look at a freed
// node: a replacement hands the memory on to the function it replaced.
typedef void (*OrvNodeReleaseFn)(void* memory, std::size_t size);
extern OrvNodeReleaseFn OrvNodeRelease;

// 1 while OrvNodeRelease is the default one.
int OrvNodeReleaseIsDefault();

// The nodes that exist now, wherever they live (pool, heap, stack).
extern long OrvLiveNodes;

// Of the nodes that exist: those without a parent (roots of trees, detached
// subtrees, nodes on the stack), and those whose memory came from the heap
// instead of an arena.  With one root, none from the heap, no slot record
// outside a node (OrvRecordsOutside) and no token or link element outside
// one, the root's tree holds everything out of the arenas, and deleting it
// gives the arenas back at once.
extern long OrvLiveRoots;
extern long OrvHeapNodes;

// The slot records that exist outside a node (made by a caller, taken out
// of a node by DelArgSlot).
extern long OrvRecordsOutside;

// Set while a whole tree is torn down that holds every node and link
// element there is (see OrvExprOper's deletion): every link partner of a
// node goes with it, so the name nodes drop their links without unbinding
// each other.
extern bool OrvWholeTreeTeardown;

// The print operation of the printing subsystem (slot 32).  The tree only
// reserves the slot and forwards to these functions, which the printer
// installs; without a printer a node prints nothing and answers 0.
typedef OrvResult (*OrvPrettyPrintFn)(OrvExpr* node, int measure,
                                      int forceBreak);
extern OrvPrettyPrintFn OrvPrettyPrintLeafFn;      // base class and leaves
extern OrvPrettyPrintFn OrvPrettyPrintOperFn;      // operation nodes
extern OrvPrettyPrintFn OrvPrettyPrintStrConstFn;  // string literals

// ---------------------------------------------------------------------------
// The node base class
// ---------------------------------------------------------------------------

class OrvExpr {
 public:
  // --- the 36 virtual operations, in slot order -------------------------
  virtual OrvExpr* Clone() const = 0;                                   // 0
  virtual ~OrvExpr();                                                   // 1, 2
  virtual void UnlinkRefs();                                            // 3
  virtual void SetOper(OrvOper op, int reset = 0, int allowShrink = 0); // 4
  virtual int IsNullNode() const;                                       // 5
  virtual int HasImage() const;                                         // 6
  virtual const VString* Image() const;                                 // 7
  virtual VString Value() const;                                        // 8
  virtual int64_t IntValue() const;                                     // 9
  virtual OrvResult SetImage(const VString& image, VString& message);  // 10
  virtual void SetValue(const VString& value);                         // 11
  virtual void SetValue(int64_t value);                                // 12
  virtual OrvExpr* Args(int i) const;                                  // 13
  virtual OrvArgSlot* ArgSlots(int i) const;                           // 14
  virtual void SetArg(int i, OrvExpr* child, int order = -1,
                      int state = 0);                                  // 15
  virtual void SetArgNoDel(int i, OrvExpr* child);                     // 16
  virtual void SetArg(int i, OrvArgSlot* slot);                        // 17
  virtual void SetArgToList(int i, OrvOper listOp, OrvExpr* child);    // 18
  virtual void AddArg(OrvExpr* child);                                 // 19
  virtual void InsArg(OrvExpr* child, int position);                   // 20
  virtual void InsSibBefore(OrvExpr* sibling);                         // 21
  virtual void InsSibAfter(OrvExpr* sibling);                          // 22
  virtual OrvExpr* DelArg(int i, int removeSlot, int fillNull);        // 23
  virtual OrvArgSlot* DelArgSlot(int i, int removeSlot, int fillNull); // 24
  virtual int FindArg(const OrvExpr* child) const;                     // 25
  virtual int NLinks() const;                                          // 26
  virtual const char* LinkName(int i) const;                           // 27
  virtual OrvLink* Link(int i);                                        // 28
  virtual int NLinkLists() const;                                      // 29
  virtual const char* LinkListName(int i) const;                       // 30
  virtual OrvLinkList* Links(int i);                                   // 31
  virtual OrvResult PrettyPrintOper(int measure, int forceBreak);      // 32
  virtual std::ostream& PutTic(std::ostream& out) const;               // 33
  virtual OrvResult GetTic(std::istream& in, VString& error);          // 34
  virtual std::ostream& DebugDump(std::ostream& out) const;            // 35

  // --- header accessors (no virtual call) ------------------------------
  OrvOper Oper() const { return static_cast<OrvOper>(oper_); }
  // The header keeps counts below kNArgsEscape; a larger count is kept by
  // the node's slot storage (OrvExprOper).
  inline int NArgs() const;
  OrvExpr* Parent() const { return reinterpret_cast<OrvExpr*>(up_ & ~kUpFlagMask); }
  uint32_t Serial() const { return serial_; }
  void SetSerial(uint32_t serial) { serial_ = serial; }
  int FromSrc() const { return fromSrc_; }
  // Keeps the low 2 bits, read back as a signed number (-2..1).
  void SetFromSrc(int state) { fromSrc_ = ((state & 3) ^ 2) - 2; }
  int PrintValue() const { return printValue_; }
  // Keeps the low 10 bits, read back as a signed number (-512..511).
  void SetPrintValue(int value) { printValue_ = ((value & 0x3ff) ^ 0x200) - 0x200; }
  // The printer's generated positions; ORV_GENP_NONE for both until the
  // printer sets them.  They are kept beside the tree (OrvGenpTable), so
  // that a node of a tree that is not printed spends no bytes on them.
  uint32_t GenpBeg() const { return hasGenp_ ? GenpOf(0) : ORV_GENP_NONE; }
  uint32_t GenpEnd() const { return hasGenp_ ? GenpOf(1) : ORV_GENP_NONE; }
  void SetGenp(uint32_t beg, uint32_t end);
  OrvTokenList& Tokens() { return tokens_; }
  const OrvTokenList& Tokens() const { return tokens_; }

  // --- argument slots without the virtual call ---------------------------
  // For 0 <= i < NArgs() (the caller checks the index): what ArgSlots(i)
  // and Args(i) answer, read straight from the slot storage of an
  // operation node (OrvExprOper).  A slot record or a NULL_NODE that the
  // storage keeps in compact form is made when it is asked for here, so
  // that both read as they always did; a null child with the fill switch
  // on goes through Args(i), which reports it.  For the walks that visit
  // every slot of a tree.
  inline OrvArgSlot* SlotAt(int i) const;
  inline OrvExpr* ChildAt(int i) const;

  // --- argument slots as they are stored (no record or node made) --------
  // For 0 <= i < NArgs().  The read-only walks (statistics, data-item
  // table, deletion) and the passes over every slot read the slots through
  // these, so that the compact form stays compact.
  // The child of slot i; null for an empty slot and for a NULL_NODE that
  // the fill of empty slots left unmade (PeekFill).
  inline OrvExpr* PeekChild(int i) const;
  // True when slot i holds a NULL_NODE of the fill that is not made yet;
  // *serial (when given) receives the serial number it reads with.
  inline bool PeekFill(int i, uint32_t* serial = nullptr) const;
  // PeekChild, and for an empty slot PeekFill, in one read of the slot:
  // the child as stored, or null with *fill set to whether a NULL_NODE of
  // the fill that is not made yet stands there.
  inline OrvExpr* PeekChildOrFill(int i, bool* fill) const;
  // The tokens in front of argument i, or null when it has none.
  inline OrvTokenList* PeekTokens(int i) const;
  // The slot's from-source state and clause order.
  inline int PeekState(int i) const;
  inline int PeekOrder(int i) const;
  // The words of all the node's slots as stored (orv_slot_word in
  // OrvExprOper.h), for a pass that reads every slot of a node at once.
  // Only for a node with slots; the pointer stays good while no slot is
  // added or removed.
  inline const std::uintptr_t* PeekWords() const;
  // Sets the slot's from-source state (a record is made only when the
  // compact form cannot hold the value).  Inline for a slot kept compact,
  // which the marking of a parsed tree sets by the million.
  inline void SetSlotState(int i, int state);

  // --- node error report -----------------------------------------------
  // Sends "<method> at expr node <NAME> #<serial> with <n> args: <text>"
  // through the global message sink, at the begin position of the subtree.
  void NodeMessage(int level, const char* method, const VString& text) const;

  // --- destruction and in-place editing --------------------------------
  int FindMe(OrvExpr*& parent) const;
  OrvArgSlot* FindMySlot() const;
  OrvExpr* NextSib() const;
  OrvExpr* PrevSib() const;
  OrvExpr* DelThis();
  OrvExpr* ReplThis(OrvExpr* other);
  int SetSlotOrder(int order);
  // The token list that stands before the node's first child: slot 0's
  // when the node has slots (and slot 0 exists), else the node's own list.
  OrvTokenList* HeadTokens();
  void TakeArgs(OrvExpr* from);

  // Nodes are allocated and released by the class: the memory of a deleted
  // node is filled with 0xAA before it is released.
  static void* operator new(std::size_t size);
  static void operator delete(void* memory, std::size_t size);

  // --- TIC form of whole trees (defined with the tree writer and reader)
  static std::ostream& PutTic(OrvExpr* root, std::ostream& out);
  static OrvResult GetTicOp(std::istream& in, OrvExpr*& node, VString& error);
  static OrvResult NewFromTic(int op, int slotCount, OrvExpr*& node,
                              VString& error);

  // The slot count from which the header leaves the count to the slot
  // storage.
  static const unsigned kNArgsEscape = 255;

 protected:
  // Inline: every node of a parse is made through it.
  explicit OrvExpr(OrvOper op)
      : oper_(static_cast<unsigned>(op) & 0x7ff),
        fromSrc_(0),
        hasGenp_(0),
        printValue_(0),
        nArgs_(0),
        serial_(OrvNodeCounter++),
        up_(0),
        tokens_() {
    ++OrvLiveNodes;
    ++OrvLiveRoots;
    tokens_.SetNodeList(true);
  }
  // A node that takes the given serial number instead of the next one of
  // the node counter (a NULL_NODE of the fill, made when asked for).
  OrvExpr(OrvOper op, uint32_t serial);
  OrvExpr(const OrvExpr& other);
  OrvExpr& operator=(const OrvExpr&) = delete;

  // The report of an operation this class does not support.
  void StubMessage(const char* method) const;

  void SetOperCode(OrvOper op) { oper_ = static_cast<unsigned>(op); }
  // Sets the parent; a node that gains or loses its parent leaves or joins
  // the roots (OrvLiveRoots).
  void SetParent(OrvExpr* parent) {
    const long had = (up_ & ~kUpFlagMask) != 0 ? 1 : 0;
    up_ = reinterpret_cast<uintptr_t>(parent) | (up_ & kUpFlagMask);
    OrvLiveRoots += had - (parent != nullptr ? 1 : 0);
  }

  // The low bits of the parent word, free since nodes are aligned to 8:
  // marks that the class of a node may set for itself.
  static const uintptr_t kUpFlagMask = 7;
  static const uintptr_t kUpUnsettled = 1;  // children to be put in order before a read
  static const uintptr_t kUpClassFlag = 2;   // a mark for the node's class
  static const uintptr_t kUpClassFlag2 = 4;  // another one
  bool UpFlag(uintptr_t flag) const { return (up_ & flag) != 0; }
  // Whether the node lives in an arena: its texts then go to the source
  // store (OrvTextStore); a node anywhere else owns its texts.
  bool InArena() const { return OrvArenaHolds(this); }
  void SetUpFlag(uintptr_t flag, bool on) { up_ = on ? (up_ | flag) : (up_ & ~flag); }

  // Operation nodes and their slots set the parent of the children they hold.
  friend class OrvExprOper;
  friend class OrvArgSlot;

 private:
  // The paths of SlotAt and ChildAt for what the storage keeps compact
  // (OrvExprOper defines them).
  OrvArgSlot* SlotAtSlow(int i) const;
  OrvExpr* ChildAtSlow(int i) const;
  // SetSlotState of a slot kept as a record, or of a state the compact
  // form cannot hold, or of a node to be settled first.
  void SetSlotStateSlow(int i, int state);
  void SettleChildren() const;
  // The generated position `which` (0 begin, 1 end) of a node marked
  // hasGenp_.
  uint32_t GenpOf(int which) const;

  // The header word.  The slot count stands in its last byte, which a read
  // of NArgs() loads alone; the operation code in the low bits.
  unsigned oper_ : 11;      // operation code, 1..1400 valid
  int fromSrc_ : 2;         // from-source state
  unsigned hasGenp_ : 1;    // generated positions in OrvGenpTable
  int printValue_ : 10;     // print value, the printer's
  unsigned nArgs_ : 8;      // number of argument slots, kNArgsEscape and up
                            // kept by the slot storage
  uint32_t serial_;         // node number
  uintptr_t up_;            // parent (not owned) and the marks of kUpFlagMask
  OrvTokenList tokens_;     // trailing tokens, owned
};

// The report of an unsupported operation as a free routine (node may be null).
void OrvStubMessage(const OrvExpr* node, const char* method);

// ---------------------------------------------------------------------------
// Argument slots
// ---------------------------------------------------------------------------

// One argument of an operation node: the tokens in front of the argument and
// the child.  The record owns both.  An operation node keeps most of its
// slots in compact form and makes a record when a slot has tokens or when
// the record is asked for (SlotAt, ArgSlots).
class OrvArgSlot {
 public:
  OrvTokenList tokens;  // first member: walks reach the list through it
  OrvExpr* child;       // owned; its parent is the node holding the slot
  uint16_t state;       // from-source state; bit 15 stops the reset walk
  int16_t order;        // clause source-order index, -1 = none

  // A new record stands outside any node until a node takes it.
  OrvArgSlot() : child(nullptr), state(0), order(-1), fillSerial_(kNoFill) { ++OrvRecordsOutside; }
  ~OrvArgSlot();

  // Slots are made with their nodes, by the million: from a block pool.
  static void* operator new(std::size_t) { return OrvBlockPool<sizeof(OrvArgSlot)>::Get(); }
  static void operator delete(void* memory) { OrvBlockPool<sizeof(OrvArgSlot)>::Put(memory); }
  OrvArgSlot(const OrvArgSlot&) = delete;
  OrvArgSlot& operator=(const OrvArgSlot&) = delete;

  // The slot's part of the TIC record: state, order and tokens (not the
  // child); GetTic reads it back.
  std::ostream& PutTic(std::ostream& out) const;
  OrvResult GetTic(std::istream& in, VString& error);

 private:
  friend class OrvExpr;
  friend class OrvExprOper;
  // A record goes into a node (its tokens count as a node's) or out of one.
  void EnterNode() {
    tokens.SetNodeList(true);
    --OrvRecordsOutside;
  }
  void LeaveNode() {
    tokens.SetNodeList(false);
    ++OrvRecordsOutside;
  }
  // With a null child: the serial of the NULL_NODE that the fill of empty
  // slots put here and that is not made yet; kNoFill when there is none.
  static const uint32_t kNoFill = 0xffffffffu;
  uint32_t fillSerial_;
};

// A new array of n empty argument slots; the caller owns array and slots
// (release with delete[] after deleting each slot).
OrvArgSlot** OrvNewArgSlots(int n);

// The operation node, whose slot storage the inline slot accessors read.
#include "OrvExprOper.h"

#endif
