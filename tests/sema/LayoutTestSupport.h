// Test support for the data layout: running the layout over a tree built
// from data-description text, and reading its results back as short texts
// that a table of cases can compare.
#ifndef LARK_TESTS_SEMA_LAYOUTTESTSUPPORT_H
#define LARK_TESTS_SEMA_LAYOUTTESTSUPPORT_H

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "DataDivisionBuilder.h"
#include "MessageRecorder.h"
#include "OrvDataEntrySlots.h"
#include "OrvExprStr.h"
#include "OrvLengthsAndOffsets.h"
#include "OrvMemOffsets.h"
#include "OrvParser.h"
#include "OrvToken.h"
#include "TestStrings.h"

namespace layouttest {

// The memory model of the storage mode with the default sizes.
inline OrvLayoutOptions Mode(int storageMode) {
  return OrvLayoutOptions{storageMode, 0, 4, 4, 4, 1};
}
inline OrvLayoutOptions ByteMode() { return Mode(ORV_STOR_MODE_BYTE); }

// A tree of the text, laid out with all three switches on; the messages
// of the layout are kept.  Deletes the tree at the end, and fails the test
// when anything was reported through the global message sink meanwhile
// (the layout reports only into its message list).
class LaidOut {
 public:
  LaidOut(const std::string& text, const OrvLayoutOptions& options = ByteMode())
      : root_(BuildDataDivision(text)) {
    OrvCalcLengthsAndOffsets(root_, &messages_, 1, 1, 1, options);
  }
  ~LaidOut() {
    delete root_;
    EXPECT_EQ(0u, recorder_.size()) << recorder_.Dump();
  }
  LaidOut(const LaidOut&) = delete;
  LaidOut& operator=(const LaidOut&) = delete;

  OrvExpr* root() const { return root_; }
  OrvTokenList& messages() { return messages_; }

  // The first entry (data, constant or condition) of that name, in tree
  // order; null when there is none.
  OrvExpr* Entry(const std::string& name) const { return Find(root_, name); }

  // "offset/length" of the named entry, each a number or UNDEF ("-" when
  // the slot is missing; "?" when there is no such entry).
  std::string At(const std::string& name) const {
    OrvExpr* entry = Entry(name);
    if (entry == nullptr) return "?";
    return Number(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL) + "/" + Number(entry, DECL_DD_ENTRY__LENGTH);
  }
  // Several of them, joined by blanks: "A 0/4 B 4/2".
  std::string Placement(std::initializer_list<const char*> names) const {
    std::string out;
    for (const char* name : names) {
      if (!out.empty()) out += ' ';
      out += std::string(name) + ' ' + At(name);
    }
    return out;
  }
  // The global offset of the named entry.
  std::string Global(const std::string& name) const {
    OrvExpr* entry = Entry(name);
    return entry != nullptr ? Number(entry, DECL_DD_ENTRY__OFFSET_GLOBAL) : "?";
  }
  // The value a level-78 entry received, as the table prints it; "none"
  // when it has none.
  std::string Constant(const std::string& name) const {
    OrvExpr* value = OrvSlot(Entry(name), DECL_CONST_ENTRY__ACTUAL_CONSTANT_VALUE);
    return value != nullptr ? Str(OrvExprStr(value)) : "none";
  }
  // Every message as "line: text", one a line.
  std::string Messages() const {
    std::string out;
    for (OrvTokenListNode* n = messages_.Head(); n != nullptr; n = n->next) {
      out += std::to_string(n->token->begin.Line()) + ": " + Str(n->token->image) + "\n";
    }
    return out;
  }
  // The data-item table.
  std::string Table() const {
    std::ostringstream out;
    OrvPrintMemOffsets(out, root_);
    return out.str();
  }

  static std::string Number(const OrvExpr* node, int slot) {
    int64_t value = 0;
    if (!OrvLayoutSlotValue(node, slot, &value)) return "-";
    return value == ORV_LAYOUT_UNDEF ? "UNDEF" : std::to_string(value);
  }

 private:
  static std::string NameOf(OrvExpr* entry) {
    OrvExpr* name = OrvSlot(entry, DECL_DD_ENTRY__DATA_ITEM_DEFINED);
    return name != nullptr && name->HasImage() ? Str(*name->Image()) : std::string();
  }
  static OrvExpr* Find(OrvExpr* node, const std::string& name) {
    if (node == nullptr) return nullptr;
    int op = node->Oper();
    if ((op == DECL_DD_ENTRY || op == DECL_CONST_ENTRY || op == DECL_COND_ENTRY) &&
        NameOf(node) == name)
      return node;
    for (int i = 0; i < node->NArgs(); ++i) {
      if (OrvExpr* found = Find(node->Args(i), name)) return found;
    }
    return nullptr;
  }

  MessageRecorder recorder_;
  OrvExpr* root_;
  OrvTokenList messages_;
};

// The placement of the names that `expected` lists ("A 0/4 B 4/2"), in
// that order, as the tree has them.
inline std::string PlacementLike(const LaidOut& tree, const std::string& expected) {
  std::istringstream in(expected);
  std::string name;
  std::string value;
  std::string actual;
  while (in >> name >> value) {
    if (!actual.empty()) actual += ' ';
    actual += name + ' ' + tree.At(name);
  }
  return actual;
}

}  // namespace layouttest

#endif
