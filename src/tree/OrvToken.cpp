// Tokens, token lists, token groups and the token-code names.
#include "OrvToken.h"

#include <iostream>
#include <ostream>

#include "OrvTicRead.h"
#include "VStringList.h"

namespace {

const char* const kTokenNames[] = {
#define ORV_TOKEN(code, name) #name,
#include "OrvTokenCodes.def"
};
static_assert(sizeof(kTokenNames) / sizeof(kTokenNames[0]) ==
                  ORV_TOKEN_LAST_NAMED - ORV_TOKEN_FIRST_NAMED + 1,
              "one name per code 257..1733");

struct KindForm {
  int code;
  const char* text;
  int withImage;
};
const KindForm kKindForms[] = {
#define ORV_TOKEN_KIND(code, text, withImage) {code, text, withImage},
#include "OrvTokenKindForms.def"
};

struct FixedText {
  int code;
  const char* text;
};
const FixedText kFixedTexts[] = {
#define ORV_TOKEN_TEXT(code, text) {code, text},
#include "OrvTokenTexts.def"
};

const KindForm* FindKindForm(int code) {
  for (const KindForm& k : kKindForms)
    if (k.code == code) return &k;
  return nullptr;
}

const char* FindFixedText(int code) {
  for (const FixedText& t : kFixedTexts)
    if (t.code == code) return t.text;
  return nullptr;
}

// Codes whose source text is the image.
bool TextIsImage(int code) {
  return code == TK_AREA_A_NAME || (code >= PRESERVED_STRING && code <= TK_USER_DEFD_WORD) ||
         (code >= UW_SYMBOLIC_CHAR && code <= UW_CONSTANT_NAME) ||
         (code >= ST_EXACT_NUM_LIT && code <= ST_DELIM_IDENT);
}

const char* NoWord(int) { return nullptr; }

OrvTokenWordLookup gWordLookup = {NoWord, NoWord, NoWord};

const char* CobolWord(int code) {
  return gWordLookup.cobolWord ? gWordLookup.cobolWord(code) : nullptr;
}

VString DebugForm(const OrvToken& t) {
  FastOstrstream os;
  t.PrintCode(os);
  return VString(os);
}

}  // namespace

const char* OrvTokenCodeName(int code) {
  if (code == LEX_EOF) return "LEX_EOF";
  if (code >= ORV_TOKEN_FIRST_NAMED && code <= ORV_TOKEN_LAST_NAMED)
    return kTokenNames[code - ORV_TOKEN_FIRST_NAMED];
  return nullptr;
}

void OrvSetTokenWordLookup(const OrvTokenWordLookup& lookup) { gWordLookup = lookup; }

const OrvTokenWordLookup& OrvGetTokenWordLookup() { return gWordLookup; }

// ---------------------------------------------------------------- OrvToken

bool OrvToken::InArena() const { return OrvArenaHolds(this); }

OrvToken::OrvToken(int c, const VString& img, const OrvTxtPosnRange& range)
    : code(static_cast<std::int16_t>(c)), spare_(0), begin(range.beg), end(range.end), next_(nullptr) {
  if (img.length > 0) image_.Set(img, InArena());
}

OrvToken::OrvToken(int c, const VString& img, const OrvTxtPosn& b, const OrvTxtPosn& e)
    : code(static_cast<std::int16_t>(c)), spare_(0), begin(b), end(e), next_(nullptr) {
  if (img.length > 0) image_.Set(img, InArena());
}

OrvToken::OrvToken(const OrvToken& o) : code(o.code), spare_(0), begin(o.begin), end(o.end), next_(nullptr) {
  image_.SetFrom(o.image_, InArena());
}

OrvToken& OrvToken::operator=(const OrvToken& o) {
  code = o.code;
  if (this != &o) image_.SetFrom(o.image_, InArena());
  begin = o.begin;
  end = o.end;
  return *this;
}

OrvToken::~OrvToken() { code = 0; }

void OrvToken::SetImage(const VString& image) { image_.Set(image, InArena()); }

void OrvToken::SetImage(const char* text, int length) { image_.Set(text, length, InArena()); }

int OrvToken::IsSeparator() const { return OrvIsSeparatorCode(code); }

int OrvToken::IsSpaceSep() const { return code >= SEP_SPACE && code <= SEP_SEMI; }

int OrvTokenIsSpaceSep(OrvToken* token) { return token && token->IsSpaceSep(); }

std::ostream& operator<<(std::ostream& out, const OrvToken& t) {
  if (const KindForm* k = FindKindForm(t.code)) {
    out << k->text;
    if (k->withImage) out << t.Image();
    return out;
  }
  if (const char* word = CobolWord(t.code)) return out << "keyword " << word;
  t.PrintCode(out);
  return out;
}

VString OrvToken::KindString() const {
  FastOstrstream os;
  os << *this;
  return VString(os);
}

VString OrvToken::Text() const {
  if (const char* text = FindFixedText(code)) return VString(text);
  if (code == ST_RIGHT_ANGLE) return VString('\xac');
  if (TextIsImage(code)) return Image();
  if (const char* word = CobolWord(code)) return VString(word);
  if (code >= STK_ABSOLUTE && code <= STK_ZONE && gWordLookup.sqlWord) {
    if (const char* word = gWordLookup.sqlWord(code)) return VString(word);
  } else if (code >= CTK_ABCODE && code <= CTK_YYYYMMDD && gWordLookup.cicsWord) {
    if (const char* word = gWordLookup.cicsWord(code)) return VString(word);
  }
  return DebugForm(*this);
}

void OrvToken::PrintCode(std::ostream& out) const {
  const std::uint16_t u = static_cast<std::uint16_t>(code);
  if (const char* name = OrvTokenCodeName(code)) {
    out << name;
  } else if (u > 255) {
    // A short prints unsigned in hexadecimal and octal, signed in decimal.
    out << "Token #" << static_cast<short>(code);
  } else {
    const char one[2] = {static_cast<char>(u), '\0'};
    out << "TokenChar '" << OrvEscapeStr(one) << "'";
  }
  const VString& image = Image();
  if (image.length > 0) out << ' ' << OrvEscapeStr(image.text);
  if (begin.IsSet() || end.IsSet()) out << " posn=" << Range();
}

void OrvToken::PutTic(std::ostream& out) const {
  out << 'T' << code << ',';
  Image().PutTic(out);
  begin.PutTic(out);
  end.PutTic(out);
}

OrvResult OrvToken::GetTic(std::istream& in, VString& error) {
  if (in.get() != 'T') {
    error = VString("OrvToken::GetTic: 'T' is expected");
    return ORV_TIC_BAD_FORMAT;
  }
  int c = 0;
  OrvResult r = GetTicIntNo(in, &c, false, ',', error);
  if (r != 0) return r;
  if (c > 0x7fff) {
    error = OrvFormat("OrvToken::GetTic: token code %d is out of range 0..32767", c);
    return ORV_TIC_BAD_FORMAT;
  }
  code = static_cast<std::int16_t>(c);
  VString image = Image();
  r = image.GetTic(in, error);
  SetImage(image);
  if (r != 0) return r;
  r = begin.GetTic(in, error);
  if (r != 0) return r;
  return end.GetTic(in, error);
}

// ------------------------------------------------------------ OrvTokenList

OrvTokenList OrvEmptyTokenList;
long OrvTokensInNodes = 0;

OrvTokenList::OrvTokenList(const OrvTokenList& o) : bits_(0) { CopyFrom(o); }

OrvTokenList& OrvTokenList::operator=(const OrvTokenList& o) {
  std::cout << "=== &OrvTokenList::operator = (const OrvTokenList &tl)\n";
  if (this != &o) CopyFrom(o);
  return *this;
}

int OrvTokenList::Count() const {
  int n = 0;
  for (const OrvToken* t = First(); t != nullptr; t = Next(t)) ++n;
  return n;
}

void OrvTokenList::MoveNodeCount(bool on) {
  const long n = Count();
  if (on) {
    bits_ |= kNodeMark;
    OrvTokensInNodes += n;
  } else {
    OrvTokensInNodes -= n;
    bits_ &= ~kNodeMark;
  }
}

void OrvTokenList::Clear() {
  if (IsEmpty()) return;
  OrvToken* last = LastToken();
  OrvToken* t = last->next_;
  last->next_ = nullptr;
  SetLastToken(nullptr);
  long n = 0;
  while (t != nullptr) {
    OrvToken* next = t->next_;
    delete t;
    t = next;
    ++n;
  }
  CountIn(-n);
}

void OrvTokenList::CopyFrom(const OrvTokenList& o) {
  if (this == &o) return;
  Clear();
  for (const OrvToken* t = o.First(); t != nullptr; t = o.Next(t)) {
    OrvToken* copy = new OrvToken(*t);
    Append(copy);
  }
}

void OrvTokenList::PushFrontToken(OrvToken* token) {
  if (token == nullptr) return;
  OrvToken* last = LastToken();
  if (last == nullptr) {
    token->next_ = token;
    SetLastToken(token);
  } else {
    token->next_ = last->next_;
    last->next_ = token;
  }
  CountIn(1);
}

void OrvTokenList::AddToken(int code, const OrvTxtPosn& posn, const VString& text) {
  OrvToken* t = new OrvToken(code, text, posn, posn);
  Append(t);
}

namespace {

// The tokens that move from one list to another, when only one of them is
// a node's: they move in or out of OrvTokensInNodes.
long MovedCount(const OrvTokenList& from, const OrvTokenList& to) {
  return from.IsNodeList() == to.IsNodeList() ? 0 : from.Count();
}

}  // namespace

void OrvTokenList::SpliceNonEmpty(OrvTokenList& other) {
  const long moved = MovedCount(other, *this);
  other.CountIn(-moved);
  CountIn(moved);
  OrvToken* otherLast = other.LastToken();
  OrvToken* last = LastToken();
  if (last != nullptr) {
    OrvToken* first = last->next_;
    last->next_ = otherLast->next_;
    otherLast->next_ = first;
  }
  SetLastToken(otherLast);
  other.SetLastToken(nullptr);
}

void OrvTokenList::Prepend(OrvTokenList& other) {
  if (&other == this || other.IsEmpty()) return;
  const long moved = MovedCount(other, *this);
  other.CountIn(-moved);
  CountIn(moved);
  OrvToken* otherLast = other.LastToken();
  OrvToken* last = LastToken();
  if (last == nullptr) {
    SetLastToken(otherLast);
  } else {
    OrvToken* first = last->next_;
    last->next_ = otherLast->next_;
    otherLast->next_ = first;
  }
  other.SetLastToken(nullptr);
}

void OrvTokenList::AppendGroup(OrvTokenGroup* group) {
  if (group == nullptr) return;
  Splice(group->attached);
  if (group->token) Append(group->token);
  delete group;
}

void OrvTokenList::AppendGroupDropToken(OrvTokenGroup* group) {
  if (group == nullptr) return;
  Splice(group->attached);
  delete group;  // deletes the group's token with it
}

void OrvTokenList::PushFront(OrvTokenGroup* group) {
  if (group == nullptr) return;
  PushFrontToken(group->token);
  group->token = nullptr;
}

OrvToken* OrvTokenList::PopFirst() {
  if (IsEmpty()) return nullptr;
  OrvToken* last = LastToken();
  OrvToken* first = last->next_;
  if (first == last)
    SetLastToken(nullptr);
  else
    last->next_ = first->next_;
  first->next_ = nullptr;
  CountIn(-1);
  return first;
}

OrvToken* OrvTokenList::PopLast() {
  if (IsEmpty()) return nullptr;
  OrvToken* last = LastToken();
  if (last->next_ == last) {
    SetLastToken(nullptr);
  } else {
    OrvToken* before = last->next_;
    while (before->next_ != last) before = before->next_;
    before->next_ = last->next_;
    SetLastToken(before);
  }
  last->next_ = nullptr;
  CountIn(-1);
  return last;
}

OrvToken* OrvTokenList::FirstSignificant() const {
  for (OrvToken* t = First(); t != nullptr; t = Next(t))
    if (!t->IsSpaceSep() && t->code != CM_COMMENT) return t;
  return nullptr;
}

void OrvTokenList::RemoveIf(int (*pred)(OrvToken*)) {
  if (IsEmpty()) return;
  // Unlink the ring into a chain, filter it, and close the ring again.
  OrvToken* last = LastToken();
  OrvToken* t = last->next_;
  last->next_ = nullptr;
  OrvToken* first = nullptr;
  OrvToken* kept = nullptr;
  long removed = 0;
  while (t != nullptr) {
    OrvToken* next = t->next_;
    if (pred(t)) {
      delete t;
      ++removed;
    } else {
      if (kept == nullptr)
        first = t;
      else
        kept->next_ = t;
      kept = t;
    }
    t = next;
  }
  SetLastToken(kept);
  if (kept != nullptr) kept->next_ = first;
  CountIn(-removed);
}

void OrvTokenList::RemoveSpaceSeps() { RemoveIf(OrvTokenIsSpaceSep); }

OrvTxtPosnRange OrvTokenList::PosnRange() const {
  OrvTxtPosnRange range;
  ExtendPosnRange(range);
  return range;
}

void OrvTokenList::ExtendPosnRange(OrvTxtPosnRange& range) const {
  for (const OrvToken* t = First(); t != nullptr; t = Next(t)) {
    if (t->begin.IsSet() && !range.beg.IsSet()) range.beg = t->begin;
    if (t->end.IsSet()) range.end = t->end;
  }
}

int OrvTokenList::HasUnpositioned() const {
  for (const OrvToken* t = First(); t != nullptr; t = Next(t)) {
    if (t->code == CM_COMMENT) continue;
    if (!t->begin.IsSet() || !t->end.IsSet()) return 1;
  }
  return 0;
}

void OrvTokenList::MoveImagesTo(VStringList& list) {
  for (const OrvToken* t = First(); t != nullptr; t = Next(t)) list.Append(t->Image());
  Clear();
}

void OrvTokenList::Print(std::ostream& out) const {
  out << '{';
  for (const OrvToken* t = First(); t != nullptr; t = Next(t)) {
    if (t != First()) out << ", ";
    t->PrintCode(out);
  }
  out << '}';
}

std::ostream& operator<<(std::ostream& out, const OrvTokenList& list) {
  out << '{';
  for (const OrvToken* t = list.First(); t != nullptr; t = list.Next(t)) {
    if (t != list.First()) out << ", ";
    out << *t;
  }
  return out << '}';
}

void OrvTokenList::PutTic(std::ostream& out) const {
  for (const OrvToken* t = First(); t != nullptr; t = Next(t)) {
    out << '-';
    t->PutTic(out);
  }
  out << '#';
}

OrvResult OrvTokenList::GetTic(std::istream& in, VString& error) {
  int c = in.get();
  while (c == '-') {
    OrvToken* t = new OrvToken();
    OrvResult r = t->GetTic(in, error);
    if (r != 0) {
      delete t;
      return r;
    }
    Append(t);
    c = in.get();
  }
  if (c != '#') {
    error = VString("OrvTokenList::GetTic: '#' is expected");
    return ORV_TIC_BAD_FORMAT;
  }
  return 0;
}

// ----------------------------------------------------------- OrvTokenGroup

OrvTokenGroup::~OrvTokenGroup() { delete token; }

void OrvTokenGroup::Print(std::ostream& out) const {
  if (token) token->PrintCode(out);
  else out << "-(NULL)-";
  out << ", ";
  attached.Print(out);
}

void OrvTokenGroup::PrintKind(std::ostream& out) const {
  if (token) out << *token;
  else out << "-(NULL)-";
  out << ", " << attached;
}
