// OrvExprOper: the syntax-tree node that carries an operation code and an
// ordered array of argument slots, each holding the tokens in front of the
// argument and one child node.  Every node whose operation is not a leaf
// operation is an OrvExprOper (or derives from it).
#ifndef ORV_EXPR_OPER_H
#define ORV_EXPR_OPER_H

#include <vector>

#include "OrvExpr.h"

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
  // The printer's column register.
  int XReg() const { return xReg_; }
  void SetXReg(int x) { xReg_ = static_cast<uint8_t>(x); }

 private:
  void InitSlots(int n);
  void InitChildren(OrvExpr* const* children, int n);
  // Checks a child before it is attached: a child that is this node or one
  // of its ancestors is refused (1); a child that hangs in another slot is
  // reported and taken out of it first.  0 when the child may be attached.
  int PrepareAttach(const char* method, OrvExpr* child);
  // 1 (with a report) when the child is this node or one of its ancestors.
  int RefuseOwnAncestor(const char* method, const OrvExpr* child) const;
  // Takes a slot record out of the slot that still holds it (a slot of this
  // node, or the slot its child hangs in), leaving a fresh empty record
  // there.
  void ReleaseHeldRecord(const char* method, OrvArgSlot* record);
  // Stores a child (or, with the fill switch, a new NULL_NODE for a null
  // one) in slot i and sets its parent.
  void StoreChild(int i, OrvExpr* child);
  int BadIndex(const char* method, int i) const;
  void Grow(int count);
  // Deletes every node below this one (the outermost deletion of a subtree
  // calls it), leaving the slots in place with null children.
  void DeleteNodesBelow();
  // The pool blocks a node holds besides itself: slot records and array.
  static long SlotBlocks(const OrvExpr* node);
  // 1 for a plain operation node or NULL_NODE without tokens or widths.
  static int HoldsOnlyBlocks(const OrvExpr* node);
  // Pushes the node's children on the stack, the last first.
  static void PushChildren(const OrvExpr* node, std::vector<OrvExpr*>& stack);

  // The slot array (one record per argument, owned) is the base class's
  // slots_, so that walks reach it without a virtual call; its room is the
  // base class's slotCapacity_, the column register and the mark of the
  // subdivision widths are in the base class's header word.
};

#endif
