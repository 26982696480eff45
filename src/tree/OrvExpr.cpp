// The node base class: settings, construction, the node error report, the
// base answers of the 36 operations, destruction and in-place editing.
#include "OrvExpr.h"

#include <cstring>
#include <istream>
#include <new>
#include <ostream>

#include "OrvExprOper.h"
#include "OrvGenpTable.h"
#include "OrvLink.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvPosnWalkers.h"
#include "OrvSizedPool.h"
#include "OrvTicRead.h"

// The node header: the class pointer, the header word, the serial number,
// the parent word and the token list (the generated positions stand in
// OrvGenpTable); a leaf adds its own fields only.
static_assert(sizeof(void*) != 8 || sizeof(OrvExpr) == 32, "the node header takes 32 bytes");

// ---------------------------------------------------------------------------
// Process-wide node settings
// ---------------------------------------------------------------------------

uint32_t OrvNodeCounter = 0;
int OrvFillNullSwitch = 0;
OrvTreeEditHookFn OrvTreeEditHook = nullptr;
const VString OrvEmptyVString;
OrvPrettyPrintFn OrvPrettyPrintLeafFn = nullptr;
OrvPrettyPrintFn OrvPrettyPrintOperFn = nullptr;
OrvPrettyPrintFn OrvPrettyPrintStrConstFn = nullptr;

namespace {

// Node memory comes from the sized pools: a parse makes and frees nodes by
// the million.
void DefaultNodeRelease(void* memory, std::size_t size) { OrvSizedPool::Put(memory, size); }

// Set while a stub report runs, so that a stub reached from inside the
// report sends the short message instead of a second full report.
int stubGuard = 0;

}  // namespace

OrvNodeReleaseFn OrvNodeRelease = DefaultNodeRelease;
long OrvLiveNodes = 0;
long OrvLiveRoots = 0;
long OrvHeapNodes = 0;
long OrvRecordsOutside = 0;
bool OrvWholeTreeTeardown = false;

int OrvNodeReleaseIsDefault() { return OrvNodeRelease == DefaultNodeRelease; }

// ---------------------------------------------------------------------------
// Construction and destruction
// ---------------------------------------------------------------------------

OrvExpr::OrvExpr(OrvOper op, uint32_t serial)
    : oper_(static_cast<unsigned>(op) & 0x7ff),
      fromSrc_(0),
      hasGenp_(0),
      printValue_(0),
      nArgs_(0),
      serial_(serial),
      up_(0),
      tokens_() {
  ++OrvLiveNodes;
  ++OrvLiveRoots;
  tokens_.SetNodeList(true);
}

// The slot count is the copy's own business (OrvExprOper makes its slots);
// the marks of the parent word belong to the node, not to its value.
OrvExpr::OrvExpr(const OrvExpr& other)
    : oper_(other.oper_),
      fromSrc_(other.fromSrc_),
      hasGenp_(0),
      printValue_(other.printValue_),
      nArgs_(0),
      serial_(other.serial_),
      up_(0),
      tokens_(other.tokens_) {
  ++OrvLiveNodes;
  ++OrvLiveRoots;
  tokens_.SetNodeList(true);
  if (other.hasGenp_) SetGenp(other.GenpBeg(), other.GenpEnd());
}

OrvExpr::~OrvExpr() {
  --OrvLiveNodes;
  // A node that still hangs in a slot is taken out of it, so that the
  // parent never keeps a pointer to freed memory.
  OrvExpr* parent = Parent();
  if (parent != nullptr) {
    NodeMessage(MSG_SEVERE, "OrvExpr::~OrvExpr",
                "deleting node that is being pointed to");
    SetParent(nullptr);
    const int i = parent->FindArg(this);
    if (i >= 0) {
      OrvArgSlot* slot = parent->ArgSlots(i);
      if (slot != nullptr && slot->child == this) slot->child = nullptr;
    }
  }
  if (!tokens_.IsEmpty()) tokens_.Clear();
  if (hasGenp_) OrvGenpTable::Erase(this);
  --OrvLiveRoots;
}

void OrvExpr::SetGenp(uint32_t beg, uint32_t end) {
  if (beg == ORV_GENP_NONE && end == ORV_GENP_NONE) {
    // Back to none: the entry goes.
    if (hasGenp_) OrvGenpTable::Erase(this);
    hasGenp_ = 0;
    return;
  }
  OrvGenpTable::Put(this, beg, end);
  hasGenp_ = 1;
}

uint32_t OrvExpr::GenpOf(int which) const {
  uint32_t beg = ORV_GENP_NONE;
  uint32_t end = ORV_GENP_NONE;
  OrvGenpTable::Find(this, &beg, &end);
  return which == 0 ? beg : end;
}

void* OrvExpr::operator new(std::size_t size) {
  if (!OrvSizedPool::FromArena(size)) ++OrvHeapNodes;
  return OrvSizedPool::Get(size);
}

void OrvExpr::operator delete(void* memory, std::size_t size) {
  if (memory == nullptr) return;
  if (!OrvSizedPool::FromArena(size)) --OrvHeapNodes;
  std::memset(memory, 0xAA, size);
  if (OrvNodeRelease == DefaultNodeRelease) {
    OrvSizedPool::Put(memory, size);  // the default, without the indirect call
    return;
  }
  OrvNodeRelease(memory, size);
}

// ---------------------------------------------------------------------------
// Node error report and stubs
// ---------------------------------------------------------------------------

void OrvExpr::NodeMessage(int level, const char* method,
                          const VString& text) const {
  VString msg = OrvFormat("%s at expr node %s #%ld with %d args: %s",
                          method ? method : "", OrvOperName(Oper()),
                          static_cast<long>(serial_), NArgs(),
                          text.text ? text.text : "");
  OrvTxtPosn posn = OrvSrcPosnBegWalker(const_cast<OrvExpr*>(this));
  OrvGlobalMessageSink(level, &posn, &msg);
}

void OrvStubMessage(const OrvExpr* node, const char* method) {
  if (stubGuard) {
    VString msg("Recursive error calls -- cut them");
    OrvTxtPosn none;
    OrvGlobalMessageSink(MSG_SEVERE, &none, &msg);
    return;
  }
  stubGuard = 1;
  const char* text = "this function must not be called";
  if (node != nullptr) {
    node->NodeMessage(MSG_SEVERE, method, text);
  } else {
    VString msg = OrvFormat("%s at expr node %s #%ld with %d args: %s", method,
                            OrvOperName(0), 0L, 0, text);
    OrvTxtPosn none;
    OrvGlobalMessageSink(MSG_SEVERE, &none, &msg);
  }
  stubGuard = 0;
}

void OrvExpr::StubMessage(const char* method) const { OrvStubMessage(this, method); }

// ---------------------------------------------------------------------------
// Base answers of the virtual operations
// ---------------------------------------------------------------------------

void OrvExpr::UnlinkRefs() {}

void OrvExpr::SetOper(OrvOper, int, int) { StubMessage("SetOper(OrvOper)"); }

int OrvExpr::IsNullNode() const { return 0; }

int OrvExpr::HasImage() const { return 0; }

const VString* OrvExpr::Image() const {
  StubMessage("Image()");
  return &OrvEmptyVString;
}

VString OrvExpr::Value() const {
  StubMessage("Value()");
  return VString();
}

int64_t OrvExpr::IntValue() const {
  StubMessage("IntValue()");
  return -1;
}

OrvResult OrvExpr::SetImage(const VString&, VString&) {
  StubMessage("SetImage()");
  return ORV_BAD_NUMBER;
}

void OrvExpr::SetValue(const VString&) { StubMessage("SetValue()"); }

void OrvExpr::SetValue(int64_t) { StubMessage("SetValue()"); }

OrvExpr* OrvExpr::Args(int) const {
  StubMessage("Args()");
  return nullptr;
}

OrvArgSlot* OrvExpr::ArgSlots(int) const {
  StubMessage("ArgSlots()");
  return nullptr;
}

void OrvExpr::SetArg(int, OrvExpr*, int, int) { StubMessage("SetArg()"); }

void OrvExpr::SetArgNoDel(int, OrvExpr*) { StubMessage("SetArg()"); }

void OrvExpr::SetArg(int, OrvArgSlot*) { StubMessage("SetArg()"); }

void OrvExpr::SetArgToList(int, OrvOper, OrvExpr*) { StubMessage("SetArgToList()"); }

void OrvExpr::AddArg(OrvExpr*) { StubMessage("AddArg()"); }

void OrvExpr::InsArg(OrvExpr*, int) { StubMessage("InsArg()"); }

void OrvExpr::InsSibBefore(OrvExpr*) { StubMessage("InsSibBefore()"); }

void OrvExpr::InsSibAfter(OrvExpr*) { StubMessage("InsSibAfter()"); }

OrvExpr* OrvExpr::DelArg(int, int, int) {
  StubMessage("DelArg()");
  return nullptr;
}

OrvArgSlot* OrvExpr::DelArgSlot(int, int, int) {
  StubMessage("DelArg()");
  return nullptr;
}

int OrvExpr::FindArg(const OrvExpr*) const {
  StubMessage("FindArg()");
  return -1;
}

int OrvExpr::NLinks() const { return 0; }

const char* OrvExpr::LinkName(int) const { return nullptr; }

OrvLink* OrvExpr::Link(int) {
  StubMessage("Link()");
  OrvNullLink = OrvLink();  // the shared answer always reads {null, -1}
  return &OrvNullLink;
}

int OrvExpr::NLinkLists() const { return 0; }

const char* OrvExpr::LinkListName(int) const { return nullptr; }

OrvLinkList* OrvExpr::Links(int) {
  StubMessage("Links()");
  OrvEmptyLinkList.Clear();  // the shared answer always reads empty
  return &OrvEmptyLinkList;
}

OrvResult OrvExpr::PrettyPrintOper(int measure, int forceBreak) {
  if (OrvPrettyPrintLeafFn == nullptr) return ORV_OK;
  return OrvPrettyPrintLeafFn(this, measure, forceBreak);
}

// ---------------------------------------------------------------------------
// Common part of the TIC record
// ---------------------------------------------------------------------------

std::ostream& OrvExpr::PutTic(std::ostream& out) const {
  out << "\no" << static_cast<unsigned>(oper_) << ':' << NArgs() << ':'
      << static_cast<int>(fromSrc_) << ':' << serial_ << ':';
  tokens_.PutTic(out);
  return out;
}

OrvResult OrvExpr::GetTic(std::istream& in, VString& error) {
  // The state is written as a signed number (-2..1): negative values are
  // read back as they were written.
  int state = 0;
  OrvResult r = GetTicIntNo(in, &state, true, ':', error);
  if (r != ORV_OK) return r;
  if (state < -2) {
    error = OrvFormat("OrvExpr::GetTic: bad from-source state %d", state);
    return ORV_TIC_BAD_NUMBER;
  }
  SetFromSrc(state);
  int64 serial = 0;
  r = GetTicInt64No(in, &serial, false, ':', error);
  if (r != ORV_OK) return r;
  serial_ = static_cast<uint32_t>(serial);
  return tokens_.GetTic(in, error);
}

// ---------------------------------------------------------------------------
// Argument slots
// ---------------------------------------------------------------------------

OrvArgSlot::~OrvArgSlot() {
  if (!tokens.IsNodeList()) --OrvRecordsOutside;
  if (child != nullptr) {
    OrvExpr* c = child;
    child = nullptr;
    c->SetParent(nullptr);
    delete c;
  }
}

std::ostream& OrvArgSlot::PutTic(std::ostream& out) const {
  out << static_cast<int16_t>(state) << ':' << order << ':';
  tokens.PutTic(out);
  return out;
}

OrvResult OrvArgSlot::GetTic(std::istream& in, VString& error) {
  // The state is written as a signed 16-bit number (bit 15 makes it
  // negative), so negatives are accepted on reading.
  int value = 0;
  OrvResult r = GetTicIntNo(in, &value, true, ':', error);
  if (r != ORV_OK) return r;
  if (value < -32768 || value > 65535) {
    error = OrvFormat("OrvArgSlot::GetTic: slot state %d out of range", value);
    return ORV_TIC_BAD_NUMBER;
  }
  state = static_cast<uint16_t>(value);
  r = GetTicIntNo(in, &value, true, ':', error);
  if (r != ORV_OK) return r;
  if (value < -32768 || value > 32767) {
    error = OrvFormat("OrvArgSlot::GetTic: slot order %d out of range", value);
    return ORV_TIC_BAD_NUMBER;
  }
  order = static_cast<int16_t>(value);
  return tokens.GetTic(in, error);
}

OrvArgSlot** OrvNewArgSlots(int n) {
  if (n < 0) n = 0;
  OrvArgSlot** slots = new OrvArgSlot*[n > 0 ? n : 1];
  for (int i = 0; i < n; ++i) slots[i] = new OrvArgSlot;
  return slots;
}

// ---------------------------------------------------------------------------
// Destruction helpers and in-place editing through the parent
// ---------------------------------------------------------------------------

int OrvExpr::FindMe(OrvExpr*& parent) const {
  parent = Parent();
  if (parent == nullptr) return -1;
  int i = parent->FindArg(this);
  if (i >= 0) return i;
  NodeMessage(MSG_SEVERE, "OrvExpr::FindMe",
              "expr tree corrupted: cannot find me among children of my parent");
  return -2;
}

OrvArgSlot* OrvExpr::FindMySlot() const {
  OrvExpr* parent = Parent();
  if (parent == nullptr) return nullptr;
  int i = parent->FindArg(this);
  if (i < 0) {
    NodeMessage(MSG_SEVERE, "OrvExpr::FindMySlot",
                "expr tree corrupted: cannot find me among children of my parent");
    return nullptr;
  }
  return parent->ArgSlots(i);
}

OrvExpr* OrvExpr::NextSib() const {
  OrvExpr* parent = nullptr;
  int i = FindMe(parent);
  if (i < 0) {
    NodeMessage(MSG_SEVERE, "OrvExpr::NextSib", "no parent");
    return nullptr;
  }
  if (i + 1 < parent->NArgs()) return parent->Args(i + 1);
  NodeMessage(MSG_SEVERE, "OrvExpr::NextSib", "no next sibling");
  return nullptr;
}

OrvExpr* OrvExpr::PrevSib() const {
  OrvExpr* parent = nullptr;
  int i = FindMe(parent);
  if (i < 0) {
    NodeMessage(MSG_SEVERE, "OrvExpr::NextSib", "no parent");
    return nullptr;
  }
  if (i > 0) return parent->Args(i - 1);
  NodeMessage(MSG_SEVERE, "OrvExpr::NextSib", "no previous sibling");
  return nullptr;
}

OrvExpr* OrvExpr::DelThis() {
  OrvExpr* parent = nullptr;
  int i = FindMe(parent);
  if (i < 0) {
    NodeMessage(MSG_SEVERE, "OrvExpr::DelThis", "no parent");
    return nullptr;
  }
  return parent->DelArg(i, -1, 1);
}

OrvExpr* OrvExpr::ReplThis(OrvExpr* other) {
  OrvExpr* parent = nullptr;
  int i = FindMe(parent);
  if (i < 0) {
    NodeMessage(MSG_SEVERE, "OrvExpr::ReplThis", "no parent");
    return nullptr;
  }
  if (other == nullptr) return parent->DelArg(i, -1, 1);
  OrvExpr* old = parent->DelArg(i, 0, 0);
  parent->SetArg(i, other, -1, 0);
  return old;
}

int OrvExpr::SetSlotOrder(int order) {
  OrvExpr* parent = nullptr;
  int i = FindMe(parent);
  if (i < 0) return i;
  OrvArgSlot* slot = parent->ArgSlots(i);
  if (slot != nullptr) slot->order = static_cast<int16_t>(order);
  return i;
}

OrvTokenList* OrvExpr::HeadTokens() {
  if (NArgs() > 0) {
    OrvArgSlot* slot = ArgSlots(0);
    if (slot != nullptr) return &slot->tokens;
  }
  return &tokens_;
}

void OrvExpr::TakeArgs(OrvExpr* from) {
  if (from == nullptr || from == this || from->NArgs() == 0) return;
  if (dynamic_cast<OrvExprOper*>(this) == nullptr) {
    StubMessage("AddArg()");
    return;
  }
  // Taking the children of an ancestor would hang a node below itself.
  for (const OrvExpr* up = Parent(); up != nullptr; up = up->Parent()) {
    if (up == from) {
      NodeMessage(MSG_SEVERE, "OrvExpr::TakeArgs",
                  "cannot take the arguments of an enclosing node");
      return;
    }
  }
  // Every child moves: when the source is a list its slot goes away and the
  // next child comes down to the same index; otherwise the index advances.
  int i = 0;
  while (i < from->NArgs()) {
    OrvTokenList moved;
    OrvArgSlot* slot = from->ArgSlots(i);
    if (slot != nullptr) moved.Splice(slot->tokens);
    int before = from->NArgs();
    OrvExpr* child = from->DelArg(i, -1, 1);
    AddArg(child);
    if (NArgs() > 0) {
      OrvArgSlot* last = ArgSlots(NArgs() - 1);
      if (last != nullptr) last->tokens.Splice(moved);
    }
    if (from->NArgs() == before) ++i;
  }
}
