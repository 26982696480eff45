// Name-binding nodes: a symbol-table element carrying a name, the definition
// of a name, one written occurrence of a name, and a whole (possibly
// qualified) reference to a declared object.  Besides the parent-child tree
// they point at each other with links, and every forward link has its
// back-reference in the other direction, so that destroying either end never
// leaves a dangling link.
#ifndef LARK_TREE_ORVNAMENODES_H
#define LARK_TREE_ORVNAMENODES_H

#include <cstdint>

#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvTextStore.h"

// SYMBOL_TABLE_ELT: one entry of a symbol table.  Its References list holds
// {node, -1} for every definition and name use bound to its name.
class OrvSymTabElt : public OrvExpr {
 public:
  OrvSymTabElt(const VString& image, int category, const OrvLinkList& refs);
  // The copy has no References.
  OrvSymTabElt(const OrvSymTabElt& other);
  OrvExpr* Clone() const override;
  ~OrvSymTabElt() override;

  // Unbinds every definition and name use in References.
  void UnlinkRefs() override;
  int HasImage() const override { return 1; }
  const VString* Image() const override { return &image_.Get(); }
  // The name without the virtual call, for the table's binary search.
  const VString& Name() const { return image_.Get(); }
  VString Value() const override { return image_.Get(); }
  // Renames the element; every bound use and definition shows the new name.
  OrvResult SetImage(const VString& image, VString& message) override;
  int NLinkLists() const override { return 1; }
  const char* LinkListName(int i) const override;
  OrvLinkList* Links(int i) override { (void)i; return &refs_; }

  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

  int Category() const { return category_; }
  void SetCategory(int category) { category_ = static_cast<unsigned char>(category); }
  const OrvLinkList& References() const { return refs_; }
  // The element's spare word; name resolution marks with it a name whose
  // "not defined" error has been given.
  uint32_t ExtraWord() const { return extra_; }
  void SetExtraWord(uint32_t extra) { extra_ = extra; }

  // Gives the element a name that no other element of its table has: the
  // name itself when free, else name-1, name-2, ... cut so that the result
  // never exceeds 30 characters.  `name` receives the chosen name.
  void MakeUniqueName(VString& name);

 private:
  OrvTextRef image_;
  uint32_t extra_;
  OrvLinkList refs_;
  unsigned char category_;
};

// NAME_USE: one written occurrence of a name, linked to its element.
class OrvNameUse : public OrvExpr {
 public:
  // Registers {this, -1} in the element's References when the link is set.
  explicit OrvNameUse(const OrvLink& link);
  // The copy is bound to the same element.
  OrvNameUse(const OrvNameUse& other);
  OrvExpr* Clone() const override;
  ~OrvNameUse() override;

  void UnlinkRefs() override;
  int HasImage() const override { return 1; }
  // The element's name; empty when unbound.
  const VString* Image() const override;
  VString Value() const override;
  // Re-binds the use to another name of the program's symbol table.
  OrvResult SetImage(const VString& image, VString& message) override;
  int NLinks() const override { return 1; }
  const char* LinkName(int i) const override;
  OrvLink* Link(int i) override { (void)i; return &elt_; }

  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

 private:
  OrvLink elt_;
};

// NAMED_OBJ_DEF: the place where a name is declared.  Its Uses list holds
// the named-object uses resolved to it.
class OrvNamedObjDef : public OrvExpr {
 public:
  // Registers {this, -1} in the element's References when the link is set.
  OrvNamedObjDef(int category, const OrvLink& link, const OrvLinkList& uses);
  // The copy is bound to the same element and has no Uses.
  OrvNamedObjDef(const OrvNamedObjDef& other);
  OrvExpr* Clone() const override;
  ~OrvNamedObjDef() override;

  void UnlinkRefs() override;
  int HasImage() const override { return 1; }
  const VString* Image() const override;
  VString Value() const override;
  OrvResult SetImage(const VString& image, VString& message) override;
  int NLinks() const override { return 1; }
  const char* LinkName(int i) const override;
  OrvLink* Link(int i) override { (void)i; return &elt_; }
  int NLinkLists() const override { return 1; }
  const char* LinkListName(int i) const override;
  OrvLinkList* Links(int i) override { (void)i; return &uses_; }

  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

  int Category() const { return category_; }
  void SetCategory(int category) { category_ = static_cast<unsigned char>(category); }

 private:
  unsigned char category_;
  OrvLink elt_;
  OrvLinkList uses_;
};

// NAMED_OBJ_USE: a reference to a declared object; its one argument is the
// name expression (an OF_IN_LIST), and once resolved its Definition link
// names the definition, which lists the use in its Uses.
class OrvNamedObjUse : public OrvExprOper {
 public:
  // A use over `names` (may be null), unresolved.  The factories of the
  // symbol tables build uses with it.
  OrvNamedObjUse(OrvExpr* names, int category, uint32_t extra);
  // The copy (arguments cloned) is resolved to the same definition.
  OrvNamedObjUse(const OrvNamedObjUse& other);
  OrvExpr* Clone() const override;
  ~OrvNamedObjUse() override;

  void UnlinkRefs() override;
  int NLinks() const override { return 1; }
  const char* LinkName(int i) const override;
  OrvLink* Link(int i) override { (void)i; return &def_; }

  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

  int Category() const { return category_; }
  void SetCategory(int category) { category_ = static_cast<unsigned char>(category); }
  uint32_t ExtraWord() const { return extra_; }
  void SetExtraWord(uint32_t extra) { extra_ = extra; }

  // Resolves the use to `def` (a NAMED_OBJ_DEF): the Definition link
  // becomes {def, -1} and {this, index} is appended to the definition's
  // Uses (the resolvers pass the use's serial number).  A use already
  // resolved is unbound from its old definition first; null unbinds.
  void BindDefinition(OrvExpr* def, int32_t index);

 private:
  OrvLink def_;
  uint32_t extra_;
  unsigned char category_;  // after the word, in the room the link leaves
};

#endif
