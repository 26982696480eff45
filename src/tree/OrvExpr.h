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
  int NArgs() const { return static_cast<int>(nArgs_); }
  OrvExpr* Parent() const { return parent_; }
  uint32_t Serial() const { return serial_; }
  void SetSerial(uint32_t serial) { serial_ = serial; }
  int FromSrc() const { return fromSrc_; }
  // Keeps the low 2 bits, read back as a signed number (-2..1).
  void SetFromSrc(int state) { fromSrc_ = ((state & 3) ^ 2) - 2; }
  int PrintValue() const { return printValue_; }
  // Keeps the low 10 bits, read back as a signed number (-512..511).
  void SetPrintValue(int value) { printValue_ = ((value & 0x3ff) ^ 0x200) - 0x200; }
  uint32_t GenpBeg() const { return genpBeg_; }
  uint32_t GenpEnd() const { return genpEnd_; }
  void SetGenp(uint32_t beg, uint32_t end) {
    genpBeg_ = beg;
    genpEnd_ = end;
  }
  OrvTokenList& Tokens() { return tokens_; }
  const OrvTokenList& Tokens() const { return tokens_; }

  // --- argument slots without the virtual call ---------------------------
  // For 0 <= i < NArgs() (the caller checks the index): what ArgSlots(i)
  // and Args(i) answer, read straight from the slot array that every node
  // class with arguments keeps (OrvExprOper's).  A null child with the
  // fill switch on goes through Args(i), which reports it.  For the walks
  // that visit every slot of a tree.
  OrvArgSlot* SlotAt(int i) const { return slots_[i]; }
  inline OrvExpr* ChildAt(int i) const;

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

 protected:
  explicit OrvExpr(OrvOper op);
  OrvExpr(const OrvExpr& other);
  OrvExpr& operator=(const OrvExpr&) = delete;

  // The report of an operation this class does not support.
  void StubMessage(const char* method) const;

  void SetOperCode(OrvOper op) { oper_ = static_cast<unsigned>(op); }
  void SetNArgs(int n) { nArgs_ = static_cast<uint32_t>(n); }
  void SetParent(OrvExpr* parent) { parent_ = parent; }

  // Operation nodes and their slots set the parent of the children they hold.
  friend class OrvExprOper;
  friend class OrvArgSlot;

 private:
  unsigned oper_ : 11;    // operation code, 1..1400 valid
  int fromSrc_ : 2;       // from-source state
  int printValue_ : 10;   // print value, the printer's
  // The rest of the word and the room before the token list hold what an
  // operation node (OrvExprOper) keeps beside its slots, so that such a
  // node takes 64 bytes: its column register, whether it has subdivision
  // widths, and the room of its slot array.
  unsigned xReg_ : 8;
  unsigned hasSd_ : 1;
  uint32_t nArgs_;        // number of argument slots
  OrvExpr* parent_;       // not owned
  uint32_t serial_;       // node number
  uint32_t genpBeg_;      // generated positions (printer's)
  uint32_t genpEnd_;
  int32_t slotCapacity_;  // entries of the slot array (OrvExprOper's)
  OrvTokenList tokens_;   // trailing tokens, owned
  // The argument slots of an operation node (OrvExprOper manages them);
  // null in a node without arguments.
  OrvArgSlot** slots_;
};

// The report of an unsupported operation as a free routine (node may be null).
void OrvStubMessage(const OrvExpr* node, const char* method);

// ---------------------------------------------------------------------------
// Argument slots
// ---------------------------------------------------------------------------

// One argument of an operation node: the tokens in front of the argument and
// the child.  The record owns both.
class OrvArgSlot {
 public:
  OrvTokenList tokens;  // first member: walks reach the list through it
  OrvExpr* child;       // owned; its parent is the node holding the slot
  uint16_t state;       // from-source state; bit 15 stops the reset walk
  int16_t order;        // clause source-order index, -1 = none

  OrvArgSlot() : child(nullptr), state(0), order(-1) {}
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
};

// A new array of n empty argument slots; the caller owns array and slots
// (release with delete[] after deleting each slot).
OrvArgSlot** OrvNewArgSlots(int n);

inline OrvExpr* OrvExpr::ChildAt(int i) const {
  OrvExpr* child = slots_[i]->child;
  return child != nullptr || !OrvFillNullSwitch ? child : Args(i);
}

#endif
