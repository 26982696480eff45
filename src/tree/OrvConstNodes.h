// The leaves of the syntax tree that carry text or a constant, and the two
// conversions between a literal's image and its value.
#ifndef ORV_CONST_NODES_H
#define ORV_CONST_NODES_H

#include <cstdint>

#include "OrvExpr.h"
#include "OrvTextStore.h"

// NULL_NODE: an empty argument.
class OrvNullNode : public OrvExpr {
 public:
  OrvNullNode();
  // A NULL_NODE with the given serial number and from-source state, the
  // node counter untouched: a NULL_NODE of the fill of empty slots, made
  // when it is asked for with the serial the fill gave it.
  OrvNullNode(uint32_t serial, int fromSrc);
  OrvNullNode(const OrvNullNode& other);
  OrvExpr* Clone() const override;
  ~OrvNullNode() override;
  int IsNullNode() const override;
  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;
};

// CHAR_STRING: a word or character string held as text.
class OrvCharString : public OrvExpr {
 public:
  explicit OrvCharString(const VString& image);
  OrvCharString(const OrvCharString& other);
  OrvExpr* Clone() const override;
  ~OrvCharString() override;
  int HasImage() const override;
  const VString* Image() const override;
  VString Value() const override;
  OrvResult SetImage(const VString& image, VString& message) override;
  using OrvExpr::SetValue;
  void SetValue(const VString& value) override;
  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

 private:
  OrvTextRef image_;
};

// TOKEN_STRING: text built by the parse driver.
class OrvTokenString : public OrvExpr {
 public:
  explicit OrvTokenString(const VString& text);
  OrvTokenString(const OrvTokenString& other);
  OrvExpr* Clone() const override;
  ~OrvTokenString() override;
  int HasImage() const override;
  const VString* Image() const override;
  VString Value() const override;
  OrvResult SetImage(const VString& text, VString& message) override;
  using OrvExpr::SetValue;
  void SetValue(const VString& text) override;
  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

 private:
  OrvTextRef text_;
};

// REAL_NUM_CONST: a non-integer number held as text.
class OrvRealNumConst : public OrvExpr {
 public:
  explicit OrvRealNumConst(const VString& image);
  OrvRealNumConst(const OrvRealNumConst& other);
  OrvExpr* Clone() const override;
  ~OrvRealNumConst() override;
  int HasImage() const override;
  const VString* Image() const override;
  VString Value() const override;
  OrvResult SetImage(const VString& image, VString& message) override;
  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

 private:
  OrvTextRef image_;
};

// INT_NUM_CONST: an integer with its source text.  The node keeps no text
// when its text is the decimal form of its value (as every constant of the
// data layout has): that text is made when it is asked for.  A value that
// does not fit in 32 bits is kept in a table beside the tree.
class OrvIntNumConst : public OrvExpr {
 public:
  OrvIntNumConst(const VString& image, int64_t value);
  // The same, taking over the text of a temporary image instead of copying
  // it (the layout makes such constants by the hundred thousand).
  OrvIntNumConst(VString&& image, int64_t value);
  OrvIntNumConst(const OrvIntNumConst& other);
  OrvExpr* Clone() const override;
  ~OrvIntNumConst() override;
  int HasImage() const override;
  const VString* Image() const override;
  VString Value() const override;
  int64_t IntValue() const override;
  // The value becomes the image read as an integer (decimal with an
  // optional sign, or H"hex"); a bad image keeps the old value and answers
  // the converter's result and message.
  OrvResult SetImage(const VString& image, VString& message) override;
  using OrvExpr::SetValue;
  void SetValue(int64_t value) override;
  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

 private:
  // kUpClassFlag: the text is the decimal form of the value (image_ is 0);
  // kUpClassFlag2: the value is kept in the table of wide values.
  static const uintptr_t kDecimalImage = kUpClassFlag;
  static const uintptr_t kWideValue = kUpClassFlag2;
  void SetText(const VString& image);
  void StoreValue(int64_t value);
  void DropWideValue();
  uint32_t image_;  // a handle of OrvTextStore, owned unless it is of the source store
  int32_t value32_;
};

// STR_CONST: an alphanumeric, bit or hexadecimal literal with its source
// image and the characters it stands for.
class OrvStrConst : public OrvExpr {
 public:
  // The value is derived from the image; a bad image leaves the message
  // (which begins with "$") as both image and value.
  explicit OrvStrConst(const VString& image);
  OrvStrConst(const OrvStrConst& other);
  OrvExpr* Clone() const override;
  ~OrvStrConst() override;
  int HasImage() const override;
  const VString* Image() const override;
  // The value written as a literal image.
  VString Value() const override;
  // The characters the literal stands for.
  const VString& StrValue() const { return value_.Get(); }
  // A bad image answers 33 with the message; the image is then the new
  // text and the value is empty.
  OrvResult SetImage(const VString& image, VString& message) override;
  using OrvExpr::SetValue;
  void SetValue(const VString& value) override;
  OrvResult PrettyPrintOper(int measure, int forceBreak) override;
  std::ostream& PutTic(std::ostream& out) const override;
  OrvResult GetTic(std::istream& in, VString& error) override;
  std::ostream& DebugDump(std::ostream& out) const override;

 private:
  OrvTextRef image_;
  OrvTextRef value_;
};

// The value of a literal image (delimiters removed, bit and hexadecimal
// forms decoded).  On failure: an empty value and the message.
VString OrvStrImageValue(const VString& image, VString& message);

// A literal image for a value: quoted when every character is printable
// (a lone apostrophe inside is doubled; a pair, as a value read from an image
// keeps it, stays as it is), else in hexadecimal form X'..'.
VString OrvStrValueImage(const VString& value);

#endif
