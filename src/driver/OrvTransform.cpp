// The transformation object: construction, copying and destruction, the
// defaults of its virtual operations, its references and its one-line print.
#include "OrvTransform.h"

#include <ostream>

#include "OrvMessage.h"
#include "OrvToken.h"
#include "OrvTranStorage.h"
#include "OrvTransEngine.h"
#include "OrvTxtPosn.h"

namespace {

// What the base class answers for ClassName and ClassDescr.
const char* const kAbstractText = "OrvTransform: this abstract class must NOT be allocated";

// Answer of OrvTransRef::Get and Resolve for a storage that has the name
// neither loaded nor on file: a plain "not found", not worth a report.
bool IsPlainNotFound(OrvResult r) { return r == ORV_TRANSFORM_NOT_FOUND; }

}  // namespace

// ---------------------------------------------------------------------------
// References
// ---------------------------------------------------------------------------

OrvTransRef::OrvTransRef(OrvTransform* target, int ownedFlag)
    : name(target ? target->name : VString()), transform(target), owned(ownedFlag), active(0) {}

OrvTransRef::OrvTransRef(const VString& refName, OrvTransform*& pointer)
    : name(refName), transform(pointer), owned(pointer != nullptr), active(1) {
  pointer = nullptr;
}

OrvTransform* OrvTransRef::Get() {
  if (owned && transform) return transform;
  transform = nullptr;
  VString error;
  OrvResult r = OrvTheTranStorage.Get(name, transform, error);
  if (r != ORV_OK && transform == nullptr && !IsPlainNotFound(r)) OrvTransErrorHandler(error);
  return transform;
}

OrvResult OrvTransRef::Resolve(OrvTokenList* messages) {
  if (owned && transform) return ORV_OK;
  transform = nullptr;
  VString error;
  OrvResult r = OrvTheTranStorage.Get(name, transform, error);
  if (r == ORV_OK) return ORV_OK;
  if (messages) messages->AddToken(MSG_ERR, OrvNullPosn, error);
  return r;
}

void OrvTransRef::Release() {
  if (owned && transform) delete transform;
  if (owned) transform = nullptr;
}

// ---------------------------------------------------------------------------
// Construction and destruction
// ---------------------------------------------------------------------------

OrvTransform::OrvTransform()
    : cutOff(nullptr), walkFn(OrvTransWalker), nrefs(0), is_owned(0) {}

OrvTransform::OrvTransform(const OrvTransform& other)
    : name(other.name),
      inst_descr(other.inst_descr),
      dir_name(other.dir_name),
      options(),
      cutOff(other.cutOff),
      walkFn(other.walkFn),
      nrefs(other.nrefs),
      is_owned(other.is_owned) {
  for (int i = 0; i < nrefs; ++i) {
    const OrvTransRef& from = other.refs[i];
    if (from.owned) {
      OrvTransform* clone = from.transform ? from.transform->Clone() : nullptr;
      refs[i] = OrvTransRef(clone, 1);
      refs[i].active = 1;
    } else {
      refs[i] = from;
    }
  }
}

OrvTransform::~OrvTransform() {
  for (int i = 0; i < nrefs; ++i) {
    if (refs[i].owned && refs[i].transform) {
      OrvTransform* target = refs[i].transform;
      refs[i].transform = nullptr;
      delete target;
    }
  }
}

// ---------------------------------------------------------------------------
// Defaults of the virtual operations
// ---------------------------------------------------------------------------

int OrvTransform::Slot3() const { return 0; }
int OrvTransform::Slot4() const { return 1; }
int OrvTransform::Slot5() const { return 1; }
VString OrvTransform::ClassName() const { return VString(kAbstractText); }
VString OrvTransform::ClassDescr() const { return VString(kAbstractText); }
OrvResult OrvTransform::AddOptions() { return ORV_OK; }

OrvResult OrvTransform::TransformNode(OrvParser*, OrvPrettyPrinter*, OrvTokenList*) {
  return ORV_OK;
}

OrvResult OrvTransform::Transform(const VString&, OrvParser* parser, OrvPrettyPrinter* printer,
                                  OrvTokenList* messages) {
  return TransformNode(parser, printer, messages);
}

OrvResult OrvTransform::PreProcess(const VString&, OrvParser*, OrvPrettyPrinter*, OrvTokenList*) {
  return ORV_OK;
}

OrvResult OrvTransform::Prepare(OrvTokenList* messages) {
  OrvResult r = ResolveRefs(messages);
  if (r != ORV_OK) return r;
  for (int i = 0; i < nrefs; ++i) {
    if (!refs[i].active) continue;
    OrvTransform* target = refs[i].Get();
    // Resolved just above; a target that is gone all the same (its loading
    // reported) has nothing to prepare.
    if (target == nullptr) continue;
    r = target->Prepare(messages);
    if (r != ORV_OK) return r;
  }
  return ORV_OK;
}

void OrvTransform::Print(std::ostream& out) const {
  out << "Transformation " << name << " class=" << ClassName() << " is_owned=" << is_owned
      << " dir_name=" << dir_name << " inst_descr='" << inst_descr << "'\n";
}

// ---------------------------------------------------------------------------
// Reference lists
// ---------------------------------------------------------------------------

int OrvTransform::InsRef(const OrvTransRef& ref, int position) {
  if (nrefs >= MaxRefs) {
    OrvTransErrorHandler(VString("SEVERE ERROR: OrvTransform::InsRef: too many references"));
    return -1;
  }
  if (position < 0 || position > nrefs) position = nrefs;
  for (int i = nrefs; i > position; --i) refs[i] = refs[i - 1];
  refs[position] = ref;
  ++nrefs;
  return position;
}

int OrvTransform::AddRef(const OrvTransRef& ref) { return InsRef(ref, -1); }

int OrvTransform::AddRef(OrvTransform* target, int ownedFlag) {
  OrvTransRef ref(target, ownedFlag);
  if (target) target->is_owned = ownedFlag;
  ref.active = 1;
  return InsRef(ref, -1);
}

void OrvTransform::DelRef(int position) {
  if (nrefs == 0) return;
  if (position < 0 || position >= nrefs) position = nrefs - 1;
  OrvTransRef removed = refs[position];
  for (int i = position; i + 1 < nrefs; ++i) refs[i] = refs[i + 1];
  --nrefs;
  refs[nrefs] = OrvTransRef();
  // The list held the only owner of an owned target.
  removed.Release();
}

OrvTransform* OrvTransform::RefByName(const VString& refName) {
  for (int i = 0; i < nrefs; ++i)
    if (OrvTransSameName(refs[i].name, refName))
      return refs[i].Get();
  return nullptr;
}

OrvResult OrvTransform::ResolveRefs(OrvTokenList* messages) {
  for (int i = 0; i < nrefs; ++i) {
    if (!refs[i].active) continue;
    OrvResult r = refs[i].Resolve(messages);
    if (r != ORV_OK) return r;
  }
  return ORV_OK;
}
