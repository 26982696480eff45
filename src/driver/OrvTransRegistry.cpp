// The registry of transformation classes, the table of live transformation
// objects and the framework's error handler.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>

#include "OrvTransform.h"

OrvTransLiveTable OrvTransLiveObjects;
OrvTransErrorHandlerFn OrvTransErrorHandler = OrvTransDefaultErrorHandler;

void OrvTransDefaultErrorHandler(const VString& message) {
  std::cout << "ERROR: ";
  if (message.text) std::cout << message;
  std::cout << "\n";
}

OrvTransRegistry& OrvTransClasses() {
  static OrvTransRegistry registry;
  return registry;
}

namespace {

const char* const kNothingRegistered = "OrvTransform::UnRegister: no transformations registered yet";

// The index of the class named `className`, or -1.
int FindClass(const OrvTransRegistry& registry, const VString& className) {
  for (int i = 0; i < registry.count; ++i)
    if (OrvTransSameName(registry.entries[i].className, className)) return i;
  return -1;
}

// Moves the entries from `to` on down to `from` and drops the freed tail.
void RemoveClasses(OrvTransRegistry& registry, int from, int to) {
  const int removed = to - from;
  for (int i = to; i < registry.count; ++i) registry.entries[i - removed] = registry.entries[i];
  for (int i = registry.count - removed; i < registry.count; ++i) registry.entries[i] = OrvTransClass();
  registry.count -= removed;
}

// Moves the recorded objects to the front of the table, in their order.
void CompactLiveTable(OrvTransLiveTable& table) {
  int kept = 0;
  for (int i = 0; i < table.fill; ++i)
    if (table.slots[i]) table.slots[kept++] = table.slots[i];
  for (int i = kept; i < table.fill; ++i) table.slots[i] = nullptr;
  table.fill = kept;
}

// Whether `object` is recorded in the table.
bool IsLive(const OrvTransLiveTable& table, const OrvTransform* object) {
  for (int i = 0; i < table.fill; ++i)
    if (table.slots[i] == object) return true;
  return false;
}

}  // namespace

OrvResult OrvTransform::Register(const OrvTransform* prototype, OrvTransFactory factory,
                                 VString& error) {
  OrvTransRegistry& registry = OrvTransClasses();
  if (registry.count >= OrvTransRegistry::Capacity) {
    error = VString("OrvTransform::Register: too many transformations registered");
    OrvTransErrorHandler(error);
    return ORV_TRANSFORM_REGISTRY_FULL;
  }
  const VString className = prototype->ClassName();
  if (FindClass(registry, className) >= 0) {
    error = OrvFormat("OrvTransform::Register: transformations '%s' is already registered",
                      className.text ? className.text : "");
    return ORV_TRANSFORM_DUPLICATE;
  }
  OrvTransClass& entry = registry.entries[registry.count++];
  entry.className = className;
  entry.description = prototype->ClassDescr();
  entry.factory = factory;
  return ORV_OK;
}

OrvResult OrvTransform::UnRegister(const OrvTransform* prototype, VString& error) {
  OrvTransRegistry& registry = OrvTransClasses();
  if (registry.count == 0) {
    error = VString(kNothingRegistered);
    return ORV_TRANSFORM_NOT_FOUND;
  }
  // A class that is not registered answers "not found" without a text.
  const int i = FindClass(registry, prototype->ClassName());
  if (i < 0) return ORV_TRANSFORM_NOT_FOUND;
  RemoveClasses(registry, i, i + 1);
  return ORV_OK;
}

OrvResult OrvTransform::UnRegister(int from, int to, VString& error) {
  OrvTransRegistry& registry = OrvTransClasses();
  if (registry.count == 0) {
    error = VString(kNothingRegistered);
    return ORV_TRANSFORM_NOT_FOUND;
  }
  if (to - from <= 0 || from < 0 || to > registry.count) {
    error = VString("OrvTransform::UnRegister: bad shift parameters");
    return ORV_TRANSFORM_NOT_FOUND;
  }
  RemoveClasses(registry, from, to);
  return ORV_OK;
}

OrvResult OrvTransform::NewByName(const VString& className, OrvTransform*& created,
                                  VString& error) {
  created = nullptr;
  OrvTransRegistry& registry = OrvTransClasses();
  const int i = FindClass(registry, className);
  if (i < 0 || registry.entries[i].factory == nullptr) {
    error = OrvFormat("OrvTransform::NewByName: transformation class '%s' not found",
                      className.text ? className.text : "");
    return ORV_TRANS_CLASS_NOT_FOUND;
  }
  created = registry.entries[i].factory();
  return ORV_OK;
}

void* OrvTransform::operator new(std::size_t size) {
  void* memory = ::operator new(size);
  OrvTransLiveTable& table = OrvTransLiveObjects;
  if (table.fill >= OrvTransLiveTable::Capacity) CompactLiveTable(table);
  if (table.fill >= OrvTransLiveTable::Capacity) {
    OrvTransErrorHandler(VString("OrvTransform: too many transformations allocated"));
    return memory;
  }
  table.slots[table.fill++] = static_cast<OrvTransform*>(memory);
  ++table.live;
  return memory;
}

void OrvTransform::operator delete(void* memory, std::size_t size) {
  if (memory == nullptr) return;
  OrvTransLiveTable& table = OrvTransLiveObjects;
  for (int i = 0; i < table.fill; ++i) {
    if (table.slots[i] == memory) {
      table.slots[i] = nullptr;
      --table.live;
      break;
    }
  }
  std::memset(memory, 0xAA, size);
  ::operator delete(memory);
}

void OrvTransform::DeleteAll() {
  OrvTransLiveTable& table = OrvTransLiveObjects;
  // Every recorded object is deleted below, so no owner may delete it
  // again: its owners give up the ownership first.  An owned object that
  // went unrecorded (a full table) stays with its owner.
  for (int i = 0; i < table.fill; ++i) {
    OrvTransform* object = table.slots[i];
    if (object == nullptr) continue;
    for (int k = 0; k < object->nrefs; ++k) {
      OrvTransRef& ref = object->refs[k];
      if (ref.owned && ref.transform && IsLive(table, ref.transform)) ref.owned = 0;
    }
  }
  for (int i = 0; i < table.fill; ++i)
    if (table.slots[i]) delete table.slots[i];
}
