// Constant and literal leaves, and the conversions between a literal's image
// and its value.
#include "OrvConstNodes.h"

#include <cctype>
#include <charconv>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>
#include <unordered_map>

#include "OrvPoolArena.h"
#include "OrvPosnWalkers.h"
#include "OrvTicRead.h"

namespace {

// Makes out hold exactly the n bytes at `bytes` (a zero byte included);
// empty (null text) for none.  The bytes are copied into a value of the
// right size, as the constructors from C strings stop at a zero byte.
void SetBytes(VString& out, const char* bytes, size_t n) {
  VString value;
  if (n > 0) {
    value.text = VStringText::New(static_cast<int>(n));
    std::memcpy(value.text, bytes, n);
    value.text[n] = '\0';
    value.length = static_cast<int>(n);
  }
  out.TakeOver(value);
}

// The same for the bytes of a string.
void SetBytes(VString& out, const std::string& bytes) { SetBytes(out, bytes.data(), bytes.size()); }

bool IsQuote(char c) { return c == '\'' || c == '"'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The characters of a text up to the first repetition of its delimiter
// (the character at index 1), upper-cased; false when the text ends first.
bool CollectUpper(const VString& image, std::string& out) {
  char delim = image.text[1];
  for (int i = 2; i < image.length; ++i) {
    char c = image.text[i];
    if (c == delim) return true;
    out += OrvToUpper(c);
  }
  return false;
}

// Reads an image in the VString length form into a leaf's text.
OrvResult ReadImage(std::istream& in, OrvTextRef& image, bool inArena, VString& error) {
  VString text = image.Get();
  OrvResult r = text.GetTic(in, error);
  image.Set(text, inArena);
  return r;
}

}  // namespace

// ---------------------------------------------------------------------------
// Literal conversions
// ---------------------------------------------------------------------------

namespace {

// The value of a literal image into out; false with the message on failure
// (out is then empty).
bool StrImageValue(const VString& image, VString& message, VString& out) {
  std::string value;
  SetBytes(out, value);
  if (image.length == 0 || image.text == nullptr) {
    message = "$Bad string image: Bad string image format$";
    return false;
  }
  char first = image.text[0];
  if (IsQuote(first)) {
    // The value is the text between the delimiters as written: a doubled
    // delimiter stays doubled.
    int i = 1;
    for (;;) {
      if (i >= image.length) {
        message = "$Bad string image: Unterminated string image$";
        return false;
      }
      if (image.text[i] == first) {
        if (i + 1 < image.length && image.text[i + 1] == first) {
          i += 2;
          continue;
        }
        break;
      }
      ++i;
    }
    SetBytes(out, image.text + 1, static_cast<size_t>(i - 1));
    return true;
  }
  if (first == 'B' || first == 'b') {
    if (image.length < 2 || !IsQuote(image.text[1])) {
      message = "$Bad string image: [b|B] must be followed by ['|\"]$";
      return false;
    }
    if (!CollectUpper(image, value)) {
      message = "$Bad bit string image: Unterminated string image$";
      return false;
    }
    SetBytes(out, value);
    return true;
  }
  if (first == 'X' || first == 'x' || first == 'H' || first == 'h') {
    if (image.length < 2 || !IsQuote(image.text[1])) {
      message = "$Bad string image: [x|H|h|H] must be followed by ['|\"]$";
      return false;
    }
    std::string digits;
    if (!CollectUpper(image, digits)) {
      message = "$Bad hex string image: Unterminated string image$";
      return false;
    }
    for (std::size_t k = 0; k < digits.size(); k += 2) {
      int high = HexDigit(digits[k]);
      int low = k + 1 < digits.size() ? HexDigit(digits[k + 1]) : 0;
      if (high < 0 || low < 0) {
        message = "$Bad hex string image: not hexadecimal digits";
        return false;
      }
      value += static_cast<char>((high << 4) | low);  // a zero byte is kept
    }
    SetBytes(out, value);
    return true;
  }
  message = "$Bad string image: Bad string image format$";
  return false;
}

}  // namespace

VString OrvStrImageValue(const VString& image, VString& message) {
  VString value;
  StrImageValue(image, message, value);
  return value;
}

VString OrvStrValueImage(const VString& value) {
  bool printable = true;
  for (int i = 0; i < value.length; ++i) {
    if (!std::isprint(static_cast<unsigned char>(value.text[i]))) {
      printable = false;
      break;
    }
  }
  std::string image;
  if (printable) {
    // Inside the literal an apostrophe must be doubled.  A value read from
    // an image keeps its doubled apostrophes as written, so a pair is
    // already in literal form; a lone one is doubled here.
    image += '\'';
    for (int i = 0; i < value.length; ++i) {
      char c = value.text[i];
      image += c;
      if (c != '\'') continue;
      if (i + 1 < value.length && value.text[i + 1] == '\'') {
        image += '\'';
        ++i;
      } else {
        image += '\'';
      }
    }
    image += '\'';
  } else {
    static const char hex[] = "0123456789ABCDEF";
    image += "X'";
    for (int i = 0; i < value.length; ++i) {
      unsigned char b = static_cast<unsigned char>(value.text[i]);
      image += hex[b >> 4];
      image += hex[b & 15];
    }
    image += '\'';
  }
  return VString(image.c_str());
}

// ---------------------------------------------------------------------------
// OrvNullNode
// ---------------------------------------------------------------------------

OrvNullNode::OrvNullNode() : OrvExpr(NULL_NODE) {}
OrvNullNode::OrvNullNode(uint32_t serial, int fromSrc) : OrvExpr(NULL_NODE, serial) { SetFromSrc(fromSrc); }
OrvNullNode::OrvNullNode(const OrvNullNode& other) : OrvExpr(other) {}
OrvExpr* OrvNullNode::Clone() const { return new OrvNullNode(*this); }
OrvNullNode::~OrvNullNode() {}
int OrvNullNode::IsNullNode() const { return 1; }

std::ostream& OrvNullNode::PutTic(std::ostream& out) const { return OrvExpr::PutTic(out); }

OrvResult OrvNullNode::GetTic(std::istream& in, VString& error) {
  return OrvExpr::GetTic(in, error);
}

// ---------------------------------------------------------------------------
// OrvCharString
// ---------------------------------------------------------------------------

OrvCharString::OrvCharString(const VString& image) : OrvExpr(CHAR_STRING) { image_.SetShared(image, InArena()); }
OrvCharString::OrvCharString(const OrvCharString& other) : OrvExpr(other) {
  image_.SetFrom(other.image_, InArena());
}
OrvExpr* OrvCharString::Clone() const { return new OrvCharString(*this); }
OrvCharString::~OrvCharString() {}
int OrvCharString::HasImage() const { return 1; }
const VString* OrvCharString::Image() const { return &image_.Get(); }
VString OrvCharString::Value() const { return image_.Get(); }

OrvResult OrvCharString::SetImage(const VString& image, VString&) {
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, image);
  image_.Set(image, InArena());
  OrvCallTreeEditHook(ORV_EDIT_OPER, this, nullptr, 0, OrvEmptyVString);
  ResetFromSrcWalker(this);
  return ORV_OK;
}

void OrvCharString::SetValue(const VString& value) {
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, value);
  image_.Set(value, InArena());
}

std::ostream& OrvCharString::PutTic(std::ostream& out) const {
  OrvExpr::PutTic(out);
  return image_.Get().PutTic(out);
}

OrvResult OrvCharString::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExpr::GetTic(in, error);
  if (r != ORV_OK) return r;
  return ReadImage(in, image_, InArena(), error);
}

// ---------------------------------------------------------------------------
// OrvTokenString
// ---------------------------------------------------------------------------

OrvTokenString::OrvTokenString(const VString& text) : OrvExpr(TOKEN_STRING) { text_.Set(text, InArena()); }
OrvTokenString::OrvTokenString(const OrvTokenString& other) : OrvExpr(other) {
  text_.SetFrom(other.text_, InArena());
}
OrvExpr* OrvTokenString::Clone() const { return new OrvTokenString(*this); }
OrvTokenString::~OrvTokenString() {}
int OrvTokenString::HasImage() const { return 1; }
const VString* OrvTokenString::Image() const { return &text_.Get(); }
VString OrvTokenString::Value() const { return text_.Get(); }

OrvResult OrvTokenString::SetImage(const VString& text, VString&) {
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, text);
  text_.Set(text, InArena());
  OrvCallTreeEditHook(ORV_EDIT_OPER, this, nullptr, 0, OrvEmptyVString);
  ResetFromSrcWalker(this);
  return ORV_OK;
}

void OrvTokenString::SetValue(const VString& text) {
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, text);
  text_.Set(text, InArena());
}

std::ostream& OrvTokenString::PutTic(std::ostream& out) const {
  OrvExpr::PutTic(out);
  return text_.Get().PutTic(out);
}

OrvResult OrvTokenString::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExpr::GetTic(in, error);
  if (r != ORV_OK) return r;
  return ReadImage(in, text_, InArena(), error);
}

// ---------------------------------------------------------------------------
// OrvRealNumConst
// ---------------------------------------------------------------------------

OrvRealNumConst::OrvRealNumConst(const VString& image) : OrvExpr(REAL_NUM_CONST) {
  image_.Set(image, InArena());
}
OrvRealNumConst::OrvRealNumConst(const OrvRealNumConst& other) : OrvExpr(other) {
  image_.SetFrom(other.image_, InArena());
}
OrvExpr* OrvRealNumConst::Clone() const { return new OrvRealNumConst(*this); }
OrvRealNumConst::~OrvRealNumConst() {}
int OrvRealNumConst::HasImage() const { return 1; }
const VString* OrvRealNumConst::Image() const { return &image_.Get(); }
VString OrvRealNumConst::Value() const { return image_.Get(); }

OrvResult OrvRealNumConst::SetImage(const VString& image, VString&) {
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, image);
  image_.Set(image, InArena());
  OrvCallTreeEditHook(ORV_EDIT_OPER, this, nullptr, 0, OrvEmptyVString);
  ResetFromSrcWalker(this);
  return ORV_OK;
}

std::ostream& OrvRealNumConst::PutTic(std::ostream& out) const {
  OrvExpr::PutTic(out);
  return image_.Get().PutTic(out);
}

OrvResult OrvRealNumConst::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExpr::GetTic(in, error);
  if (r != ORV_OK) return r;
  return ReadImage(in, image_, InArena(), error);
}

// ---------------------------------------------------------------------------
// OrvIntNumConst
// ---------------------------------------------------------------------------

namespace {

// The decimal text of a value ("%lld"), without the cost of a format.
int DecimalText(int64_t value, char (&buf)[24]) {
  std::to_chars_result end = std::to_chars(buf, buf + sizeof buf, value);
  return static_cast<int>(end.ptr - buf);
}

VString DecimalImage(int64_t value) {
  char buf[24];
  return VString(buf, DecimalText(value, buf));
}

// The values of the constants that do not fit in 32 bits, by node: those
// of nodes in an arena go when the tree's arena rewinds (none of them is
// left then), the others with their nodes.  Never destroyed: a node deleted
// at exit may still look.
struct WideValues {
  std::unordered_map<const void*, int64_t> inArena;
  std::unordered_map<const void*, int64_t> outside;
  bool registered = false;
};

WideValues& TheWideValues() {
  static WideValues* values = new WideValues();
  return *values;
}

void ForgetArenaWideValues() { TheWideValues().inArena.clear(); }

std::unordered_map<const void*, int64_t>& WideValuesOf(bool inArena) {
  WideValues& w = TheWideValues();
  if (inArena && !w.registered) {
    OrvPoolArena<ORV_TREE_ARENA>::RegisterFreeList(&ForgetArenaWideValues);
    w.registered = true;
  }
  return inArena ? w.inArena : w.outside;
}

}  // namespace

OrvIntNumConst::OrvIntNumConst(const VString& image, int64_t value)
    : OrvExpr(INT_NUM_CONST), image_(OrvTextStore::kEmpty), value32_(0) {
  StoreValue(value);
  SetText(image);
}

OrvIntNumConst::OrvIntNumConst(VString&& image, int64_t value)
    : OrvExpr(INT_NUM_CONST), image_(OrvTextStore::kEmpty), value32_(0) {
  StoreValue(value);
  SetText(image);
}

OrvIntNumConst::OrvIntNumConst(const OrvIntNumConst& other)
    : OrvExpr(other), image_(OrvTextStore::kEmpty), value32_(0) {
  StoreValue(other.IntValue());
  SetText(*other.Image());
}

OrvExpr* OrvIntNumConst::Clone() const { return new OrvIntNumConst(*this); }

OrvIntNumConst::~OrvIntNumConst() {
  if (image_ >= OrvTextStore::kOwnedBit) OrvTextStore::Release(image_);
  if (UpFlag(kWideValue)) DropWideValue();
}

// A node in an arena whose text is the decimal form of its value keeps no
// text; any other text goes to the source store, and a node elsewhere owns
// its text, whatever it is.
void OrvIntNumConst::SetText(const VString& image) {
  const uint32_t old = image_;
  const bool inArena = InArena();
  char buf[24];
  const int n = DecimalText(IntValue(), buf);
  if (inArena && image.length == n && std::memcmp(image.text, buf, static_cast<size_t>(n)) == 0) {
    image_ = OrvTextStore::kEmpty;
    SetUpFlag(kDecimalImage, true);
  } else {
    // A token's text (the parse's constants) is taken by its handle.
    const uint32_t shared = inArena ? OrvTextStore::HandleOf(image) : OrvTextStore::kEmpty;
    image_ = shared != OrvTextStore::kEmpty ? shared
             : inArena                      ? OrvTextStore::Intern(image.text, image.length)
                                            : OrvTextStore::Own(image.text, image.length);
    SetUpFlag(kDecimalImage, false);
  }
  if (old >= OrvTextStore::kOwnedBit) OrvTextStore::Release(old);
}

void OrvIntNumConst::StoreValue(int64_t value) {
  if (value >= INT32_MIN && value <= INT32_MAX) {
    if (UpFlag(kWideValue)) DropWideValue();
    value32_ = static_cast<int32_t>(value);
    return;
  }
  value32_ = 0;
  WideValuesOf(InArena())[this] = value;
  SetUpFlag(kWideValue, true);
}

void OrvIntNumConst::DropWideValue() {
  WideValuesOf(InArena()).erase(this);
  SetUpFlag(kWideValue, false);
}

int OrvIntNumConst::HasImage() const { return 1; }

const VString* OrvIntNumConst::Image() const {
  if (!UpFlag(kDecimalImage)) return &OrvTextStore::Text(image_);
  // The decimal text, made now in the source store, where it stays while
  // the node lives (the store empties only when no node is left).
  char buf[24];
  const int n = DecimalText(IntValue(), buf);
  return &OrvTextStore::Text(OrvTextStore::Intern(buf, n));
}

VString OrvIntNumConst::Value() const { return DecimalImage(IntValue()); }

int64_t OrvIntNumConst::IntValue() const {
  return UpFlag(kWideValue) ? WideValuesOf(InArena()).at(this) : value32_;
}

OrvResult OrvIntNumConst::SetImage(const VString& image, VString& message) {
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, image);
  SetFromSrc(0);
  int64 value = IntValue();
  OrvResult r = image.ToInt64(value, message);
  if (r == ORV_OK) StoreValue(value);
  SetText(image);
  return r;
}

void OrvIntNumConst::SetValue(int64_t value) {
  VString image = DecimalImage(value);
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, image);
  StoreValue(value);
  SetText(image);
}

std::ostream& OrvIntNumConst::PutTic(std::ostream& out) const {
  OrvExpr::PutTic(out);
  Image()->PutTic(out);
  return out << static_cast<long long>(IntValue()) << '|';
}

OrvResult OrvIntNumConst::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExpr::GetTic(in, error);
  if (r != ORV_OK) return r;
  VString image = *Image();
  r = image.GetTic(in, error);
  SetText(image);
  if (r != ORV_OK) return r;
  int64 value = 0;
  r = GetTicInt64No(in, &value, true, '|', error);
  if (r != ORV_OK) return r;
  // The text read stays the text, whatever the value.
  const VString text = *Image();
  StoreValue(value);
  SetText(text);
  return ORV_OK;
}

// ---------------------------------------------------------------------------
// OrvStrConst
// ---------------------------------------------------------------------------

OrvStrConst::OrvStrConst(const VString& image) : OrvExpr(STR_CONST) {
  VString message;
  VString value;
  const bool inArena = InArena();
  if (!StrImageValue(image, message, value)) {
    image_.Set(message, inArena);
    value_.Set(message, inArena);
  } else {
    image_.SetShared(image, inArena);
    value_.Set(value, inArena);
  }
}

OrvStrConst::OrvStrConst(const OrvStrConst& other) : OrvExpr(other) {
  image_.SetFrom(other.image_, InArena());
  value_.SetFrom(other.value_, InArena());
}
OrvExpr* OrvStrConst::Clone() const { return new OrvStrConst(*this); }
OrvStrConst::~OrvStrConst() {}
int OrvStrConst::HasImage() const { return 1; }
const VString* OrvStrConst::Image() const { return &image_.Get(); }
VString OrvStrConst::Value() const { return OrvStrValueImage(value_.Get()); }

OrvResult OrvStrConst::SetImage(const VString& image, VString& message) {
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, image);
  const bool inArena = InArena();
  image_.Set(image, inArena);
  VString err;
  VString value;
  const bool good = StrImageValue(image, err, value);
  value_.Set(value, inArena);
  if (!good) {
    message = err;
    return ORV_BAD_NUMBER;
  }
  OrvCallTreeEditHook(ORV_EDIT_OPER, this, nullptr, 0, OrvEmptyVString);
  ResetFromSrcWalker(this);
  return ORV_OK;
}

void OrvStrConst::SetValue(const VString& value) {
  VString image = OrvStrValueImage(value);
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, image);
  const bool inArena = InArena();
  value_.Set(value, inArena);
  image_.Set(image, inArena);
}

OrvResult OrvStrConst::PrettyPrintOper(int measure, int forceBreak) {
  if (OrvPrettyPrintStrConstFn == nullptr) return ORV_OK;
  return OrvPrettyPrintStrConstFn(this, measure, forceBreak);
}

// Only the image is written.  Reading derives the value from it again, so
// that a literal read back stands for the characters it stood for (an image
// that is not a literal gives an empty value).
std::ostream& OrvStrConst::PutTic(std::ostream& out) const {
  OrvExpr::PutTic(out);
  return image_.Get().PutTic(out);
}

OrvResult OrvStrConst::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExpr::GetTic(in, error);
  if (r != ORV_OK) return r;
  const bool inArena = InArena();
  r = ReadImage(in, image_, inArena, error);
  if (r != ORV_OK) return r;
  VString ignored;
  VString value;
  StrImageValue(image_.Get(), ignored, value);
  value_.Set(value, inArena);
  return ORV_OK;
}
