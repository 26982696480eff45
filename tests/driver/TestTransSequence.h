// The transformation object of the xformtool test program: a sequence of
// stored transformations, named by its option "xforms" and looked up in the
// directories of its option "xform-dirs".  The default Prepare loads them
// through references; ApplyAll runs each of them over the whole tree, in
// order.
#ifndef LARK_TESTS_DRIVER_TESTTRANSSEQUENCE_H
#define LARK_TESTS_DRIVER_TESTTRANSSEQUENCE_H

#include "OrvTranStorage.h"
#include "OrvTransform.h"

class TestTransSequence : public OrvTransform {
public:
  TestTransSequence() : xformDirs(".") {}

  OrvTransform* Clone() const override { return new TestTransSequence(*this); }
  VString ClassName() const override { return VString("TestTransSequence"); }
  VString ClassDescr() const override { return VString("Applies stored transformations in turn"); }

  OrvResult AddOptions() override {
    const OrvCLFlag records[] = {
        {'-', "", nullptr, nullptr, nullptr, nullptr, 0, "Transformation Sequence", 7},
        {'s', "xforms", nullptr, nullptr, &xforms, nullptr, 0,
         "Names of the transformations to apply, separated by commas", 1},
        {'s', "xform-dirs", nullptr, nullptr, &xformDirs, nullptr, 0,
         "Directories of the transformation files, separated by commas", 1},
        {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0},
    };
    VString error;
    return BuildOptionGroup(options, records, 0xff, error);
  }

  // The first call turns the options into the storage's directories and
  // one reference per name.
  OrvResult TransformNode(OrvParser*, OrvPrettyPrinter*, OrvTokenList*) override {
    if (refsMade) return ORV_OK;
    refsMade = true;
    OrvTheTranStorage.dirs.Clear();
    ForEachItem(xformDirs, [](const VString& dir) { OrvTheTranStorage.dirs.Append(dir); });
    ForEachItem(xforms, [this](const VString& refName) {
      OrvTransform* none = nullptr;
      AddRef(OrvTransRef(refName, none));
    });
    return ORV_OK;
  }

  // The sequence itself applies nowhere.
  OrvResult ApplyOnce(OrvExpr*, int, OrvTokenList*, OrvExpr**) override {
    return ORV_TRANS_NOT_APPLIED;
  }

  OrvResult ApplyAll(OrvExpr* node, int mode, OrvTokenList* messages, OrvExpr** after) override {
    if (after) *after = node;
    for (int i = 0; i < nrefs; ++i) {
      if (!refs[i].active) continue;
      OrvTransform* t = refs[i].Get();
      if (t == nullptr) continue;
      OrvResult r = t->ApplyAll(node, mode, messages, nullptr);
      if (r != ORV_OK) return r;
    }
    return ORV_OK;
  }

  VString xforms;     // "xforms"
  VString xformDirs;  // "xform-dirs"
  bool refsMade = false;

private:
  // Calls `use` with every non-empty item of a comma-separated list.
  template <class Use>
  static void ForEachItem(const VString& list, Use use) {
    int start = 0;
    for (int i = 0; i <= list.length; ++i) {
      if (i < list.length && list.text[i] != ',') continue;
      if (i > start) use(list.Substr(start, i - start));
      start = i + 1;
    }
  }
};

#endif
