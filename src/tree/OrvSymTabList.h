// OrvSymTabList: the symbol table as the parser makes it - a
// SYMBOL_TABLE_ELT_LIST node whose children stay sorted by name, with a
// hashed index of its element names beside them, so that looking a word up
// costs the same however many names the program has.
//
// A new name that the table lacks may be added in order without a
// position (InsertInOrder): it is appended, and the children that came
// after the sorted ones are sorted and merged in before anything reads the
// children (the node is marked to be settled, and every read of a slot, by
// ChildAt, SlotAt, the Peek accessors or a virtual operation, settles it
// first).  So n names cost O(n log n) in any order, where inserting each at
// its place would shift the slots after it.
#ifndef LARK_TREE_ORVSYMTABLIST_H
#define LARK_TREE_ORVSYMTABLIST_H

#include <cstdint>
#include <typeinfo>
#include <vector>

#include "OrvExprOper.h"
#include "OrvNameNodes.h"
#include "VString.h"

class OrvSymTabList final : public OrvExprOper {
 public:
  OrvSymTabList();
  // `node` as an OrvSymTabList, or null when it is another kind of node
  // (or null).  Cheaper than a dynamic_cast: the class has no subclass, so
  // its exact type decides.
  static OrvSymTabList* Of(OrvExpr* node) {
    return node != nullptr && typeid(*node) == typeid(OrvSymTabList)
               ? static_cast<OrvSymTabList*>(node)
               : nullptr;
  }
  // The copy has the same children and builds its own index when asked.
  OrvSymTabList(const OrvSymTabList& other);
  ~OrvSymTabList() override;
  OrvExpr* Clone() const override;

  // Looks the name up in the index (built first when it is not up to
  // date): true with the element of that name in `elt`, or null when no
  // child has that name.  False when the index cannot answer (a child that
  // is no element, or two children of one name): the caller then searches
  // the sorted children.
  bool Lookup(const VString& name, OrvSymTabElt*& elt);

  // Adds an element whose name the table lacks (a Lookup said so) at its
  // sorted place, without a position: true when it did.  False, with the
  // element still the caller's, when the table cannot keep its order this
  // way (its index cannot answer, or its children were found out of
  // order): the caller then inserts at a position it looks up.
  bool InsertInOrder(OrvSymTabElt* elt);

  // Drops the index of `table` when it is an OrvSymTabList (a child has
  // been renamed or changed in a way the table does not see); the next
  // look-up builds it anew.
  static void Changed(OrvExpr* table);
  // How many times an index has been built from the children (for the
  // benchmarks: it should stay near one per table).
  static long Builds() { return builds_; }

  // An insertion goes into the index as well; every other change of the
  // children drops it.  Each operation reads the children in order.
  OrvExpr* Args(int i) const override;
  int FindArg(const OrvExpr* child) const override;
  void InsArg(OrvExpr* child, int position) override;
  void SetOper(OrvOper op, int reset = 0, int allowShrink = 0) override;
  OrvArgSlot* ArgSlots(int i) const override;
  void SetArg(int i, OrvExpr* child, int order = -1, int state = 0) override;
  void SetArgNoDel(int i, OrvExpr* child) override;
  void SetArg(int i, OrvArgSlot* slot) override;
  void SetArgToList(int i, OrvOper listOp, OrvExpr* child) override;
  OrvExpr* DelArg(int i, int removeSlot, int fillNull) override;
  OrvArgSlot* DelArgSlot(int i, int removeSlot, int fillNull) override;
  OrvResult GetTic(std::istream& in, VString& error) override;

 protected:
  // Sorts the children appended by InsertInOrder and merges them in.
  void Settle() override;

 private:
  // kStale: to be built at the next look-up; kReady: it names every child;
  // kUnusable: the children cannot be indexed until they change.
  enum IndexState : uint8_t { kStale, kReady, kUnusable };
  // An index entry: the element's address in the low 48 bits and the high
  // 16 bits of its name's hash above them (compared before the name is
  // read); 0 is a free entry.
  typedef uint64_t Entry;

  void Build();
  // Adds an element; a name already there makes the index unusable.
  void Add(OrvSymTabElt* elt);
  void Grow();
  // Whether the children before `sorted_` plus the ones appended stand in
  // order once settled: set by Build, kept by the insertions.
  bool InOrderBefore(int i) const;

  mutable IndexState state_;
  bool ordered_;  // the children, once settled, stand in strictly increasing order
  int count_;
  int sorted_;    // the first children in order; those after it were appended
  std::vector<Entry> entries_;  // open addressing, a power of two long
  static long builds_;
};

#endif
