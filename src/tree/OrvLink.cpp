// Links and link lists, their TIC form, and the node-link walks of the TIC
// writer, reader and tree check.
#include "OrvLink.h"

#include <istream>
#include <ostream>

#include "OrvExpr.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvPosnWalkers.h"
#include "OrvTicRead.h"
#include "OrvToken.h"

OrvLink OrvNullLink;
OrvLinkList OrvEmptyLinkList;
long OrvLiveLinkElems = 0;
long OrvLinkElemsInNodes = 0;

// ---------------------------------------------------------------------------
// OrvLink
// ---------------------------------------------------------------------------

void OrvLink::Print(std::ostream& out) const {
  out << "Link(#";
  if (index != ORV_NO_LINK_INDEX) out << index << ',';
  out << static_cast<const void*>(node) << ')';
}

OrvExpr* OrvLink::SetLinkExprFromIndex(OrvExpr* const* table, uint32_t size) {
  if (index == ORV_NO_LINK_INDEX) {
    node = nullptr;
    return nullptr;
  }
  uint32_t ix = static_cast<uint32_t>(index);
  if (ix < size && table != nullptr) {
    node = table[ix];
    if (node == nullptr) {
      VString msg("SetLinkExprFromIndex: NULL epxression in link forwarder.");
      OrvGlobalMessageSink(MSG_SEVERE, nullptr, &msg);
    }
    return node;
  }
  VString msg = OrvFormat(
      "SetLinkExprFromIndex: OrvLink index %ld out of range 0..%ld. Link nullified.",
      static_cast<long>(ix), static_cast<long>(size));
  OrvGlobalMessageSink(MSG_SEVERE, nullptr, &msg);
  node = nullptr;
  return nullptr;
}

// ---------------------------------------------------------------------------
// OrvLinkList
// ---------------------------------------------------------------------------

OrvLinkList::OrvLinkList(const OrvLinkList& other)
    : head_(nullptr), tail_(nullptr), count_(0), nodeList_(false) {
  for (OrvLinkElem* e = other.head_; e != nullptr; e = e->next) Append(e->link);
}

OrvLinkList& OrvLinkList::operator=(const OrvLinkList& other) {
  if (this == &other) return *this;
  Clear();
  for (OrvLinkElem* e = other.head_; e != nullptr; e = e->next) Append(e->link);
  return *this;
}

void OrvLinkList::SetNodeList(bool on) {
  if (on == nodeList_) return;
  OrvLinkElemsInNodes += on ? count_ : -count_;
  nodeList_ = on;
}

void OrvLinkList::Clear() {
  if (nodeList_) OrvLinkElemsInNodes -= count_;
  if (head_ != nullptr && OrvPoolArena<ORV_TREE_ARENA>::Dropping()) {
    OrvPoolArena<ORV_TREE_ARENA>::Drop(count_);
    OrvLiveLinkElems -= count_;
    head_ = tail_ = nullptr;
    count_ = 0;
    return;
  }
  while (head_ != nullptr) {
    OrvLinkElem* next = head_->next;
    delete head_;
    head_ = next;
  }
  tail_ = nullptr;
  count_ = 0;
}

void OrvLinkList::Append(const OrvLink& link) {
  OrvLinkElem* elem = new OrvLinkElem{link, nullptr};
  if (tail_ != nullptr) {
    tail_->next = elem;
  } else {
    head_ = elem;
  }
  tail_ = elem;
  ++count_;
  if (nodeList_) ++OrvLinkElemsInNodes;
}

void OrvLinkList::Remove(const OrvExpr* node) {
  OrvLinkElem** at = &head_;
  tail_ = nullptr;
  while (*at != nullptr) {
    if ((*at)->link.node == node) {
      OrvLinkElem* gone = *at;
      *at = gone->next;
      delete gone;
      --count_;
      if (nodeList_) --OrvLinkElemsInNodes;
    } else {
      tail_ = *at;
      at = &(*at)->next;
    }
  }
}

void OrvLinkList::RemoveIf(int (*pred)(const OrvLink& link, void* context), void* context) {
  OrvLinkElem** at = &head_;
  tail_ = nullptr;
  while (*at != nullptr) {
    if (pred((*at)->link, context)) {
      OrvLinkElem* gone = *at;
      *at = gone->next;
      delete gone;
      --count_;
      if (nodeList_) --OrvLinkElemsInNodes;
    } else {
      tail_ = *at;
      at = &(*at)->next;
    }
  }
}

OrvLink& OrvLinkList::Nth(int i) {
  if (i >= 0) {
    for (OrvLinkElem* e = head_; e != nullptr; e = e->next, --i) {
      if (i == 0) return e->link;
    }
  }
  OrvNullLink = OrvLink();  // the shared answer always reads {null, -1}
  return OrvNullLink;
}

void OrvLinkList::Print(std::ostream& out) const {
  out << '[';
  for (OrvLinkElem* e = head_; e != nullptr; e = e->next) {
    if (e != head_) out << ',';
    e->link.Print(out);
  }
  out << ']';
}

std::ostream& OrvLinkList::PutTic(std::ostream& out) const {
  for (OrvLinkElem* e = head_; e != nullptr; e = e->next) {
    out << '=' << static_cast<uint32_t>(e->link.index) << ':';
  }
  return out << '&';
}

OrvResult OrvLinkList::GetTic(std::istream& in, VString& error) {
  while (in.peek() == '=') {
    in.get();
    int64 value = 0;
    OrvResult r = GetTicInt64No(in, &value, true, ':', error);
    if (r != ORV_OK) return r;
    // Indexes are taken modulo 2^32: 4294967295 and -1 both mean "none".
    if (value > 0xFFFFFFFFLL || value < -0xFFFFFFFFLL) {
      error = OrvFormat("OrvLinkList::GetTic: link index %lld out of range",
                        static_cast<long long>(value));
      return ORV_TIC_BAD_NUMBER;
    }
    Append(OrvLink(nullptr, static_cast<int32_t>(static_cast<uint32_t>(value))));
  }
  if (in.get() != '&') {
    error = "OrvLinkList::GetTic: bad list finisher";
    return ORV_TIC_BAD_FORMAT;
  }
  return ORV_OK;
}

// ---------------------------------------------------------------------------
// Node links
// ---------------------------------------------------------------------------

int OrvNumberNodesWalker(OrvExpr* node, void*) {
  node->SetSerial(OrvNodeCounter++);
  return 1;
}

int OrvLinkIndexWalker(OrvExpr* node, void*) {
  if (node->NLinks() > 0) {
    OrvLink* link = node->Link(0);
    link->index = link->node != nullptr ? static_cast<int32_t>(link->node->Serial())
                                        : ORV_NO_LINK_INDEX;
  }
  if (node->NLinkLists() > 0) {
    for (OrvLinkElem* e = node->Links(0)->Head(); e != nullptr; e = e->next) {
      if (e->link.node != nullptr) e->link.index = static_cast<int32_t>(e->link.node->Serial());
    }
  }
  return 1;
}

namespace {

void AddLinkMessage(OrvTokenList* messages, OrvExpr* owner, const VString& text) {
  if (messages == nullptr) return;
  messages->AddToken(MSG_ERR, OrvSrcPosnBegWalker(owner), text);
}

// Drops every link of `target` back to `owner`: its single link when it
// points at the owner, and the owner's entries in its link list.  The check
// calls it when it cuts a link to a node outside the tree, so that neither
// node keeps a pointer to the other, whichever of them is destroyed first.
void DropBackReferences(OrvExpr* target, const OrvExpr* owner) {
  for (int i = 0; i < target->NLinks(); ++i) {
    OrvLink* link = target->Link(i);
    if (link->node == owner) *link = OrvLink();
  }
  for (int i = 0; i < target->NLinkLists(); ++i) target->Links(i)->Remove(owner);
}

// Checks one link of the owner; returns 37 when it pointed outside the tree.
OrvResult CheckLink(OrvExpr* owner, OrvLink& link, bool pointBack,
                    OrvIsTreeNodeFn isTreeNode, void* context,
                    OrvTokenList* messages) {
  if (link.node == nullptr) return ORV_OK;
  OrvResult result = ORV_OK;
  bool lost = false;
  if (!isTreeNode(link.node, context)) {
    // The target lives outside the tree: the link is cut at both ends.
    AddLinkMessage(messages, owner,
                   OrvFormat("Link at %s points to non-tree node %s. Link nullified.",
                             OrvOperName(owner->Oper()), OrvOperName(link.node->Oper())));
    DropBackReferences(link.node, owner);
    link = OrvLink();
    result = ORV_TIC_NODE_TWICE;
    lost = true;
  }
  if (!pointBack) return result;
  if (!lost) {
    OrvExpr* target = link.node;
    if (target->NLinks() > 0 && target->Link(0)->node != owner) {
      AddLinkMessage(messages, owner,
                     OrvFormat("One of the links at %s points to %s:%s but it does NOT point back.",
                               OrvOperName(owner->Oper()),
                               OrvSrcPosnBegWalker(target).ToString().text,
                               OrvOperName(target->Oper())));
    }
  } else {
    AddLinkMessage(messages, owner,
                   OrvFormat("One of the links at %s is ENULL.", OrvOperName(owner->Oper())));
  }
  return result;
}

}  // namespace

OrvResult OrvCheckNodeLinks(OrvExpr* owner, OrvIsTreeNodeFn isTreeNode, void* context,
                            OrvTokenList* messages) {
  OrvResult result = ORV_OK;
  if (owner == nullptr || isTreeNode == nullptr) return result;
  if (owner->NLinks() > 0) {
    OrvResult r = CheckLink(owner, *owner->Link(0), false, isTreeNode, context, messages);
    if (r != ORV_OK) result = r;
  }
  if (owner->NLinkLists() > 0) {
    for (OrvLinkElem* e = owner->Links(0)->Head(); e != nullptr; e = e->next) {
      OrvResult r = CheckLink(owner, e->link, true, isTreeNode, context, messages);
      if (r != ORV_OK) result = r;
    }
  }
  return result;
}
