// Links between nodes of one tree besides parent and child: a name use to its
// symbol-table element, a use to its definition, and lists of such links in
// the other direction.  A link never owns its target.
#ifndef ORV_LINK_H
#define ORV_LINK_H

#include <cstdint>
#include <iosfwd>

#include "OrvBlockPool.h"
#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
class OrvTokenList;

// The index of a link without a node number.
const int32_t ORV_NO_LINK_INDEX = -1;

class OrvLink {
 public:
  OrvExpr* node;  // target, not owned; null for none
  int32_t index;  // target's node number while a tree is written or read

  OrvLink() : node(nullptr), index(ORV_NO_LINK_INDEX) {}
  OrvLink(OrvExpr* target, int32_t ix) : node(target), index(ix) {}

  // "Link(#" [index ","] address ")".
  void Print(std::ostream& out) const;

  // Points the link at the node numbered by its index in the reader's node
  // table (size entries); reports and nullifies a bad index.  Returns the
  // new target.
  OrvExpr* SetLinkExprFromIndex(OrvExpr* const* table, uint32_t size);
};

// The link elements that exist, and those in the link lists of nodes (a
// symbol-table element's References, a definition's Uses), over the process:
// when they are equal, no element of the tree's arena belongs to anything
// but nodes, so that a whole tree can give them back at once.
extern long OrvLiveLinkElems;
extern long OrvLinkElemsInNodes;

// One element of a link list.
struct OrvLinkElem {
  OrvLink link;
  OrvLinkElem* next;

  // From a block pool: every resolved name adds one to a list.
  static void* operator new(std::size_t) {
    ++OrvLiveLinkElems;
    return OrvBlockPool<sizeof(OrvLinkElem)>::Get();
  }
  static void operator delete(void* memory) {
    --OrvLiveLinkElems;
    OrvBlockPool<sizeof(OrvLinkElem)>::Put(memory);
  }
};

// A singly linked list of links held by its head, with its last element
// kept so that appending takes constant time; owns its elements, never the
// targets.
class OrvLinkList {
 public:
  OrvLinkList() : head_(nullptr), tail_(nullptr), count_(0), nodeList_(false) {}
  OrvLinkList(const OrvLinkList& other);
  OrvLinkList& operator=(const OrvLinkList& other);
  ~OrvLinkList() { Clear(); }

  // Deletes every element; while the tree's arena drops (a whole tree torn
  // down), the elements are only counted as given back.
  void Clear();
  void Append(const OrvLink& link);
  // Removes every link whose target is the node.
  void Remove(const OrvExpr* node);
  // Removes, in one pass, every link for which pred answers non-zero.
  void RemoveIf(int (*pred)(const OrvLink& link, void* context), void* context);
  // Link i counted from 0; the null link {null, -1} when out of range.
  OrvLink& Nth(int i);
  int Count() const { return count_; }
  bool IsEmpty() const { return head_ == nullptr; }
  OrvLinkElem* Head() const { return head_; }

  // Whether the list is a node's: its elements count in
  // OrvLinkElemsInNodes.  Marking or unmarking moves them in or out.
  bool IsNodeList() const { return nodeList_; }
  void SetNodeList(bool on);
  // Forgets the elements without deleting them: for a whole tree given
  // back at once, whose elements went with the tree's arena.
  void Abandon() {
    head_ = tail_ = nullptr;
    count_ = 0;
  }

  // "[" links in Print form separated by "," "]".
  void Print(std::ostream& out) const;
  // "=" index ":" per link, then "&".
  std::ostream& PutTic(std::ostream& out) const;
  // Appends the links read ({null, index}); 0, or the result of the failure.
  OrvResult GetTic(std::istream& in, VString& error);

 private:
  OrvLinkElem* head_;
  OrvLinkElem* tail_;  // the last element; null when the list is empty
  int32_t count_;      // elements in the list
  bool nodeList_;      // a node's list (IsNodeList)
};

// The answers of the base class's Link() and Links(): {null, -1} and a list
// without entries.
extern OrvLink OrvNullLink;
extern OrvLinkList OrvEmptyLinkList;

// ---------------------------------------------------------------------------
// Node links in the TIC form and the tree check
// ---------------------------------------------------------------------------

// WalkTheTree callback: gives each node the node counter as serial and
// counts up (the caller sets OrvNodeCounter to 0 first).  Answers 1.
int OrvNumberNodesWalker(OrvExpr* node, void* context);

// WalkTheTree callback: stores in each link of the node the serial of its
// target (-1 for a single link without target; list entries without target
// keep their number).  Answers 1.
int OrvLinkIndexWalker(OrvExpr* node, void* context);

// Answers whether a node belongs to the tree being checked.
typedef int (*OrvIsTreeNodeFn)(const OrvExpr* node, void* context);

// Checks the links of one node against the set of tree nodes: a link to a
// node outside the tree is reported into the message list and nullified, and
// that node's links back to the owner are dropped too; a list entry whose
// target does not point back is reported.  Returns 37 when a link pointed
// outside the tree, else 0.
OrvResult OrvCheckNodeLinks(OrvExpr* owner, OrvIsTreeNodeFn isTreeNode,
                            void* context, OrvTokenList* messages);

#endif
