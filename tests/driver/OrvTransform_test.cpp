// Tests of the transformation classes: the class registry, the live-object
// table, copying and deleting objects with owned references, the reference
// lists, the defaults of the virtual operations and the one-line print.
#include "OrvTransform.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "OrvMessage.h"
#include "OrvToken.h"
#include "TestStrings.h"
#include "TransformTestSupport.h"

namespace {

// A transformation of a class named at construction, applying nowhere.
class Plain : public OrvTransform {
public:
  explicit Plain(const char* instance = "", const char* className = "Plain")
      : className_(className) {
    name = VString(instance);
  }
  OrvTransform* Clone() const override { return new Plain(*this); }
  VString ClassName() const override { return VString(className_.c_str()); }
  VString ClassDescr() const override { return VString(("class " + className_).c_str()); }
  OrvResult ApplyOnce(OrvExpr*, int, OrvTokenList*, OrvExpr**) override {
    return ORV_TRANS_NOT_APPLIED;
  }
  static OrvTransform* Make() { return new Plain("made"); }

private:
  std::string className_;
};

// The base class's answers, for the defaults.
class Bare : public OrvTransform {
public:
  OrvTransform* Clone() const override { return new Bare(*this); }
  OrvResult ApplyOnce(OrvExpr*, int, OrvTokenList*, OrvExpr**) override { return ORV_OK; }
  OrvResult TransformNode(OrvParser*, OrvPrettyPrinter*, OrvTokenList* messages) override {
    messages->AddToken(MSG_INFO, OrvTxtPosn(), VString("TransformNode"));
    return 42;
  }
};

class Transforms : public ::testing::Test {
protected:
  void SetUp() override {
    // Every test starts from an empty registry.
    VString error;
    OrvTransform::UnRegister(0, OrvTransClasses().count, error);
  }
  // The class names of the registry, in order.
  static std::string Classes() {
    std::vector<std::string> names;
    for (int i = 0; i < OrvTransClasses().count; ++i)
      names.push_back(Str(OrvTransClasses().entries[i].className));
    return Joined(names);
  }
  TransformStateGuard guard_;
  HandlerCapture handler_;
};

// ---------------------------------------------------------------------------
// The registry
// ---------------------------------------------------------------------------

TEST_F(Transforms, RegistersEachClassOnceAndMakesItsObjectsByName) {
  Plain a("", "A");
  Plain b("", "B");
  VString error;
  EXPECT_EQ(OrvTransform::Register(&a, Plain::Make, error), ORV_OK);
  EXPECT_EQ(OrvTransform::Register(&b, Plain::Make, error), ORV_OK);
  EXPECT_EQ(OrvTransform::Register(&a, Plain::Make, error), ORV_TRANSFORM_DUPLICATE);
  EXPECT_EQ(Str(error), "OrvTransform::Register: transformations 'A' is already registered");
  EXPECT_EQ(Classes(), "A B");
  EXPECT_EQ(Str(OrvTransClasses().entries[1].description), "class B");
  EXPECT_TRUE(HandlerCapture::texts().empty());

  OrvTransform* made = nullptr;
  EXPECT_EQ(OrvTransform::NewByName(VString("B"), made, error), ORV_OK);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(Str(made->name), "made");
  delete made;
  made = &a;
  EXPECT_EQ(OrvTransform::NewByName(VString("C"), made, error), ORV_TRANS_CLASS_NOT_FOUND);
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(Str(error), "OrvTransform::NewByName: transformation class 'C' not found");
}

TEST_F(Transforms, TheRegistryHolds1024ClassesAndRefusesTheNext) {
  VString error;
  for (int i = 0; i < OrvTransRegistry::Capacity; ++i) {
    Plain p("", ("C" + std::to_string(i)).c_str());
    ASSERT_EQ(OrvTransform::Register(&p, Plain::Make, error), ORV_OK);
  }
  Plain extra("", "Extra");
  EXPECT_EQ(OrvTransform::Register(&extra, Plain::Make, error), ORV_TRANSFORM_REGISTRY_FULL);
  EXPECT_EQ(Str(error), "OrvTransform::Register: too many transformations registered");
  EXPECT_EQ(Joined(HandlerCapture::texts()), Str(error));
  EXPECT_EQ(OrvTransClasses().count, OrvTransRegistry::Capacity);
}

TEST_F(Transforms, UnRegisterRemovesClassesInOrderAndRefusesBadRequests) {
  VString error;
  Plain a("", "A");
  EXPECT_EQ(OrvTransform::UnRegister(&a, error), ORV_TRANSFORM_NOT_FOUND);
  EXPECT_EQ(Str(error), "OrvTransform::UnRegister: no transformations registered yet");
  error = VString();
  EXPECT_EQ(OrvTransform::UnRegister(0, 1, error), ORV_TRANSFORM_NOT_FOUND);
  EXPECT_EQ(Str(error), "OrvTransform::UnRegister: no transformations registered yet");

  for (const char* name : {"A", "B", "C", "D", "E"}) {
    Plain p("", name);
    OrvTransform::Register(&p, Plain::Make, error);
  }
  struct Case {
    int from;
    int to;
  };
  for (const Case& c : {Case{2, 2}, Case{3, 1}, Case{-1, 2}, Case{4, 6}}) {
    error = VString();
    EXPECT_EQ(OrvTransform::UnRegister(c.from, c.to, error), ORV_TRANSFORM_NOT_FOUND);
    EXPECT_EQ(Str(error), "OrvTransform::UnRegister: bad shift parameters");
  }
  EXPECT_EQ(Classes(), "A B C D E");
  EXPECT_EQ(OrvTransform::UnRegister(1, 3, error), ORV_OK);
  EXPECT_EQ(Classes(), "A D E");
  Plain d("", "D");
  EXPECT_EQ(OrvTransform::UnRegister(&d, error), ORV_OK);
  EXPECT_EQ(Classes(), "A E");
  // A class that is not registered: "not found", the text left as it was.
  error = VString("before");
  EXPECT_EQ(OrvTransform::UnRegister(&d, error), ORV_TRANSFORM_NOT_FOUND);
  EXPECT_EQ(Str(error), "before");
  EXPECT_EQ(OrvTransform::UnRegister(0, 2, error), ORV_OK);
  EXPECT_EQ(Classes(), "");
}

// ---------------------------------------------------------------------------
// The live-object table
// ---------------------------------------------------------------------------

// Whether `object` is recorded in the live table.
bool Recorded(const OrvTransform* object) {
  const OrvTransLiveTable& table = OrvTransLiveObjects;
  for (int i = 0; i < table.fill; ++i)
    if (table.slots[i] == object) return true;
  return false;
}

TEST_F(Transforms, TheLiveTableRecordsCompactsAndOverflows) {
  OrvTransLiveTable& table = OrvTransLiveObjects;
  const int live = table.live;
  Plain* first = new Plain;
  EXPECT_TRUE(Recorded(first));
  EXPECT_EQ(table.live, live + 1);
  const int slot = table.fill - 1;
  delete first;
  EXPECT_EQ(table.slots[slot], nullptr);
  EXPECT_EQ(table.live, live);

  // Use up every slot, free one, and allocate again: the table is compacted
  // before the new object goes in.
  std::vector<Plain*> made;
  while (table.fill < OrvTransLiveTable::Capacity) made.push_back(new Plain);
  delete made.front();
  made.erase(made.begin());
  Plain* next = new Plain;
  made.push_back(next);
  EXPECT_EQ(table.fill, table.live);
  EXPECT_EQ(table.slots[table.fill - 1], next);
  for (int i = 0; i < table.fill; ++i) EXPECT_NE(table.slots[i], nullptr);

  // A full table of live objects: the next one goes unrecorded.
  while (table.live < OrvTransLiveTable::Capacity) made.push_back(new Plain);
  Plain* unrecorded = new Plain("unrecorded");
  EXPECT_FALSE(Recorded(unrecorded));
  EXPECT_EQ(Joined(HandlerCapture::texts()), "OrvTransform: too many transformations allocated");
  EXPECT_EQ(Str(unrecorded->name), "unrecorded");
  delete unrecorded;
  EXPECT_EQ(table.live, OrvTransLiveTable::Capacity);
  for (Plain* p : made) delete p;
  EXPECT_EQ(table.live, live);
}

TEST_F(Transforms, DeleteAllDeletesEveryObjectOnceOwnedOnesToo) {
  // Each owned object is recorded before its owner, and the other way round.
  OrvTransform::DeleteAll();
  Plain* ownedFirst = new Plain("owned-first");
  Plain* owner = new Plain("owner");
  Plain* ownedLast = new Plain("owned-last");
  owner->AddRef(ownedFirst, 1);
  owner->AddRef(ownedLast, 1);
  Plain* chain = new Plain("chain");
  ownedLast->AddRef(chain, 1);
  EXPECT_EQ(OrvTransLiveObjects.live, 4);
  OrvTransform::DeleteAll();
  EXPECT_EQ(OrvTransLiveObjects.live, 0);
  for (int i = 0; i < OrvTransLiveObjects.fill; ++i) EXPECT_EQ(OrvTransLiveObjects.slots[i], nullptr);
}

// ---------------------------------------------------------------------------
// Copies and references
// ---------------------------------------------------------------------------

TEST_F(Transforms, ACopyClonesOnlyTheOwnedReferences) {
  Plain* owner = new Plain("owner");
  owner->inst_descr = VString("descr");
  owner->dir_name = VString("dir");
  owner->cutOff = IsNestedProgram;
  owner->options.count = 1;
  Plain* owned = new Plain("owned");
  Plain* shared = new Plain("shared");
  owner->AddRef(owned, 1);
  owner->AddRef(shared, 0);
  const int live = OrvTransLiveObjects.live;

  OrvTransform* copy = owner->Clone();
  EXPECT_EQ(OrvTransLiveObjects.live, live + 2);  // the copy and one clone
  EXPECT_EQ(Str(copy->name), "owner");
  EXPECT_EQ(Str(copy->inst_descr), "descr");
  EXPECT_EQ(Str(copy->dir_name), "dir");
  EXPECT_EQ(copy->cutOff, IsNestedProgram);
  EXPECT_EQ(copy->options.count, 0);
  ASSERT_EQ(copy->nrefs, 2);
  EXPECT_NE(copy->refs[0].transform, owned);
  EXPECT_EQ(Str(copy->refs[0].transform->name), "owned");
  EXPECT_EQ(copy->refs[0].owned, 1);
  EXPECT_EQ(copy->refs[0].active, 1);
  EXPECT_EQ(copy->refs[1].transform, shared);
  EXPECT_EQ(copy->refs[1].owned, 0);

  delete copy;  // the clone goes with it, the shared one stays
  EXPECT_EQ(OrvTransLiveObjects.live, live);
  EXPECT_TRUE(Recorded(shared));
  delete owner;  // and the owned one with its owner
  EXPECT_TRUE(Recorded(shared));
  EXPECT_FALSE(Recorded(owned));
  delete shared;
}

TEST_F(Transforms, ReferencesAreInsertedMovedAndRemoved) {
  Plain host("host");
  auto Names = [&host] {
    std::vector<std::string> names;
    for (int i = 0; i < host.nrefs; ++i) names.push_back(Str(host.refs[i].name));
    return Joined(names);
  };
  OrvTransform* none = nullptr;
  EXPECT_EQ(host.InsRef(OrvTransRef(VString("a"), none), -1), 0);
  EXPECT_EQ(host.InsRef(OrvTransRef(VString("c"), none), 5), 1);
  EXPECT_EQ(host.InsRef(OrvTransRef(VString("b"), none), 1), 1);
  EXPECT_EQ(host.AddRef(OrvTransRef(VString("d"), none)), 3);
  EXPECT_EQ(Names(), "a b c d");
  EXPECT_EQ(host.refs[1].active, 1);
  EXPECT_EQ(host.refs[1].owned, 0);

  host.DelRef(1);
  EXPECT_EQ(Names(), "a c d");
  host.DelRef(-1);
  EXPECT_EQ(Names(), "a c");
  host.DelRef(7);
  EXPECT_EQ(Names(), "a");
  host.DelRef(0);
  host.DelRef(0);  // an empty list stays empty
  EXPECT_EQ(host.nrefs, 0);

  // Removing an owned reference deletes its target; an unowned one stays.
  Plain* owned = new Plain("owned");
  Plain* shared = new Plain("shared");
  EXPECT_EQ(host.AddRef(owned, 1), 0);
  EXPECT_EQ(host.AddRef(shared, 0), 1);
  EXPECT_EQ(owned->is_owned, 1);
  EXPECT_EQ(shared->is_owned, 0);
  EXPECT_EQ(host.refs[0].active, 1);
  host.DelRef(0);
  EXPECT_FALSE(Recorded(owned));
  host.DelRef(0);
  EXPECT_TRUE(Recorded(shared));
  delete shared;
}

TEST_F(Transforms, The129thReferenceIsRefused) {
  Plain host("host");
  OrvTransform* none = nullptr;
  for (int i = 0; i < OrvTransform::MaxRefs; ++i)
    ASSERT_EQ(host.AddRef(OrvTransRef(OrvFormat("r%d", i), none)), i);
  EXPECT_EQ(host.InsRef(OrvTransRef(VString("extra"), none), 0), -1);
  EXPECT_EQ(host.nrefs, OrvTransform::MaxRefs);
  EXPECT_EQ(Str(host.refs[0].name), "r0");
  EXPECT_EQ(Joined(HandlerCapture::texts()),
            "SEVERE ERROR: OrvTransform::InsRef: too many references");
}

TEST_F(Transforms, ReferenceConstructorsSetNameOwnershipAndActivity) {
  Plain target("target");
  OrvTransRef byPointer(&target, 1);
  EXPECT_EQ(Str(byPointer.name), "target");
  EXPECT_EQ(byPointer.transform, &target);
  EXPECT_EQ(byPointer.owned, 1);
  EXPECT_EQ(byPointer.active, 0);
  OrvTransRef empty(nullptr, 0);
  EXPECT_EQ(Str(empty.name), "");

  OrvTransform* taken = new Plain("taken");
  OrvTransRef byName(VString("alias"), taken);
  EXPECT_EQ(taken, nullptr);
  EXPECT_EQ(Str(byName.name), "alias");
  EXPECT_EQ(byName.owned, 1);
  EXPECT_EQ(byName.active, 1);
  byName.Release();
  EXPECT_EQ(byName.transform, nullptr);
  OrvTransform* none = nullptr;
  OrvTransRef unowned(VString("x"), none);
  EXPECT_EQ(unowned.owned, 0);
  EXPECT_EQ(unowned.active, 1);
}

// ---------------------------------------------------------------------------
// Defaults and the print
// ---------------------------------------------------------------------------

TEST_F(Transforms, TheBaseClassAnswersItsDefaults) {
  Bare bare;
  const char* abstractText = "OrvTransform: this abstract class must NOT be allocated";
  EXPECT_EQ(Str(bare.ClassName()), abstractText);
  EXPECT_EQ(Str(bare.ClassDescr()), abstractText);
  EXPECT_EQ(bare.Slot3(), 0);
  EXPECT_EQ(bare.Slot4(), 1);
  EXPECT_EQ(bare.Slot5(), 1);
  EXPECT_EQ(bare.AddOptions(), ORV_OK);
  EXPECT_EQ(bare.options.count, 0);
  EXPECT_EQ(bare.walkFn, OrvTransWalker);
  OrvTokenList messages;
  EXPECT_EQ(bare.PreProcess(VString("f"), nullptr, nullptr, &messages), ORV_OK);
  EXPECT_TRUE(messages.IsEmpty());
  EXPECT_EQ(bare.Transform(VString("f"), nullptr, nullptr, &messages), 42);
  EXPECT_EQ(messages.Count(), 1);
  EXPECT_EQ(bare.Prepare(&messages), ORV_OK);
}

TEST_F(Transforms, TheDefaultHandlerPrintsAnUncountedErrorLine) {
  const unsigned errors = OrvErrorCount;
  testing::internal::CaptureStdout();
  OrvTransDefaultErrorHandler(VString("SEVERE ERROR: OrvTransform::InsRef: too many references"));
  OrvTransDefaultErrorHandler(VString());
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "ERROR: SEVERE ERROR: OrvTransform::InsRef: too many references\nERROR: \n");
  EXPECT_EQ(OrvErrorCount, errors);
}

TEST_F(Transforms, PrintWritesOneLine) {
  Plain p("inst");
  p.is_owned = 1;
  p.dir_name = VString("lib");
  p.inst_descr = VString("does things");
  std::ostringstream out;
  p.Print(out);
  EXPECT_EQ(out.str(),
            "Transformation inst class=Plain is_owned=1 dir_name=lib inst_descr='does things'\n");
  Plain empty;
  std::ostringstream out2;
  empty.Print(out2);
  EXPECT_EQ(out2.str(), "Transformation  class=Plain is_owned=0 dir_name= inst_descr=''\n");
}

}  // namespace
