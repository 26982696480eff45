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

OrvToken::OrvToken(int c, const VString& img, const OrvTxtPosnRange& range)
    : code(static_cast<std::int16_t>(c)), image(img), begin(range.beg), end(range.end) {}

OrvToken::OrvToken(int c, const VString& img, const OrvTxtPosn& b, const OrvTxtPosn& e)
    : code(static_cast<std::int16_t>(c)), image(img), begin(b), end(e) {}

OrvToken::OrvToken(const OrvToken& o) : code(o.code), image(o.image), begin(o.begin), end(o.end) {}

OrvToken& OrvToken::operator=(const OrvToken& o) {
  code = o.code;
  image = o.image;
  begin = o.begin;
  end = o.end;
  return *this;
}

OrvToken::~OrvToken() { code = 0; }

int OrvToken::IsSeparator() const { return OrvIsSeparatorCode(code); }

int OrvToken::IsSpaceSep() const { return code >= SEP_SPACE && code <= SEP_SEMI; }

int OrvTokenIsSpaceSep(OrvToken* token) { return token && token->IsSpaceSep(); }

std::ostream& operator<<(std::ostream& out, const OrvToken& t) {
  if (const KindForm* k = FindKindForm(t.code)) {
    out << k->text;
    if (k->withImage) out << t.image;
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
  if (TextIsImage(code)) return image;
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
  if (image.length > 0) out << ' ' << OrvEscapeStr(image.text);
  if (begin.IsSet() || end.IsSet()) out << " posn=" << Range();
}

void OrvToken::PutTic(std::ostream& out) const {
  out << 'T' << code << ',';
  image.PutTic(out);
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
  r = image.GetTic(in, error);
  if (r != 0) return r;
  r = begin.GetTic(in, error);
  if (r != 0) return r;
  return end.GetTic(in, error);
}

// ------------------------------------------------------------ OrvTokenList

OrvTokenList OrvEmptyTokenList;

OrvTokenList::OrvTokenList(const OrvTokenList& o) : head_(nullptr), tail_(nullptr) { CopyFrom(o); }

OrvTokenList& OrvTokenList::operator=(const OrvTokenList& o) {
  std::cout << "=== &OrvTokenList::operator = (const OrvTokenList &tl)\n";
  if (this != &o) CopyFrom(o);
  return *this;
}

int OrvTokenList::Count() const {
  int n = 0;
  for (const OrvTokenListNode* p = head_; p; p = p->next) ++n;
  return n;
}

void OrvTokenList::Clear() {
  while (head_) {
    OrvTokenListNode* p = head_;
    head_ = p->next;
    delete p->token;
    delete p;
  }
  tail_ = nullptr;
}

void OrvTokenList::CopyFrom(const OrvTokenList& o) {
  if (this == &o) return;
  Clear();
  for (const OrvTokenListNode* p = o.head_; p; p = p->next) {
    OrvToken* copy = p->token ? new OrvToken(*p->token) : nullptr;
    Append(copy);
  }
}

void OrvTokenList::Append(OrvToken*& token) {
  OrvTokenListNode* node = new OrvTokenListNode{token, nullptr};
  *TailLink() = node;
  tail_ = node;
  token = nullptr;
}

void OrvTokenList::AddToken(int code, const OrvTxtPosn& posn, const VString& text) {
  OrvToken* t = new OrvToken(code, text, posn, posn);
  Append(t);
}

void OrvTokenList::Splice(OrvTokenList& other) {
  if (&other == this || other.head_ == nullptr) return;
  *TailLink() = other.head_;
  tail_ = other.tail_;
  other.head_ = other.tail_ = nullptr;
}

void OrvTokenList::Prepend(OrvTokenList& other) {
  if (&other == this || other.head_ == nullptr) return;
  OrvTokenListNode* last = nullptr;
  OrvTokenListNode* first = other.ReleaseNodes(&last);
  PrependNodes(first, last);
}

OrvTokenListNode* OrvTokenList::ReleaseNodes(OrvTokenListNode** last) {
  OrvTokenListNode* first = head_;
  if (last) *last = tail_;
  head_ = tail_ = nullptr;
  return first;
}

void OrvTokenList::PrependNodes(OrvTokenListNode* first, OrvTokenListNode* last) {
  if (first == nullptr) return;
  last->next = head_;
  if (head_ == nullptr) tail_ = last;
  head_ = first;
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
  OrvTokenListNode* node = new OrvTokenListNode{group->token, nullptr};
  PrependNodes(node, node);
  group->token = nullptr;
}

OrvToken* OrvTokenList::PopFirst() {
  if (head_ == nullptr) return nullptr;
  OrvTokenListNode* p = head_;
  head_ = p->next;
  if (head_ == nullptr) tail_ = nullptr;
  OrvToken* t = p->token;
  delete p;
  return t;
}

OrvToken* OrvTokenList::PopLast() {
  if (head_ == nullptr) return nullptr;
  OrvTokenListNode* before = nullptr;
  for (OrvTokenListNode* p = head_; p != tail_; p = p->next) before = p;
  OrvTokenListNode* p = tail_;
  if (before) before->next = nullptr;
  else head_ = nullptr;
  tail_ = before;
  OrvToken* t = p->token;
  delete p;
  return t;
}

OrvToken* OrvTokenList::Last() const { return tail_ ? tail_->token : nullptr; }

OrvToken* OrvTokenList::FirstSignificant() const {
  for (const OrvTokenListNode* p = head_; p; p = p->next)
    if (p->token && !p->token->IsSpaceSep() && p->token->code != CM_COMMENT) return p->token;
  return nullptr;
}

void OrvTokenList::RemoveIf(int (*pred)(OrvToken*)) {
  OrvTokenListNode** link = &head_;
  tail_ = nullptr;
  while (*link) {
    OrvTokenListNode* p = *link;
    if (pred(p->token)) {
      *link = p->next;
      delete p->token;
      delete p;
    } else {
      tail_ = p;
      link = &p->next;
    }
  }
}

void OrvTokenList::RemoveSpaceSeps() { RemoveIf(OrvTokenIsSpaceSep); }

OrvTxtPosnRange OrvTokenList::PosnRange() const {
  OrvTxtPosnRange range;
  ExtendPosnRange(range);
  return range;
}

void OrvTokenList::ExtendPosnRange(OrvTxtPosnRange& range) const {
  for (const OrvTokenListNode* p = head_; p; p = p->next) {
    if (p->token == nullptr) continue;
    if (p->token->begin.IsSet() && !range.beg.IsSet()) range.beg = p->token->begin;
    if (p->token->end.IsSet()) range.end = p->token->end;
  }
}

int OrvTokenList::HasUnpositioned() const {
  for (const OrvTokenListNode* p = head_; p; p = p->next) {
    if (p->token == nullptr || p->token->code == CM_COMMENT) continue;
    if (!p->token->begin.IsSet() || !p->token->end.IsSet()) return 1;
  }
  return 0;
}

void OrvTokenList::MoveImagesTo(VStringList& list) {
  for (const OrvTokenListNode* p = head_; p; p = p->next)
    list.Append(p->token ? p->token->image : VString());
  Clear();
}

void OrvTokenList::Print(std::ostream& out) const {
  out << '{';
  for (const OrvTokenListNode* p = head_; p; p = p->next) {
    if (p != head_) out << ", ";
    if (p->token) p->token->PrintCode(out);
    else out << "-(NULL)-";
  }
  out << '}';
}

std::ostream& operator<<(std::ostream& out, const OrvTokenList& list) {
  out << '{';
  for (const OrvTokenListNode* p = list.Head(); p; p = p->next) {
    if (p != list.Head()) out << ", ";
    if (p->token) out << *p->token;
    else out << "-(NULL)-";
  }
  return out << '}';
}

void OrvTokenList::PutTic(std::ostream& out) const {
  for (const OrvTokenListNode* p = head_; p; p = p->next) {
    if (p->token == nullptr) continue;
    out << '-';
    p->token->PutTic(out);
  }
  out << '#';
}

OrvResult OrvTokenList::GetTic(std::istream& in, VString& error) {
  OrvTokenListNode** tail = TailLink();
  int c = in.get();
  while (c == '-') {
    OrvToken* t = new OrvToken();
    OrvResult r = t->GetTic(in, error);
    if (r != 0) {
      delete t;
      return r;
    }
    *tail = new OrvTokenListNode{t, nullptr};
    tail = &(*tail)->next;
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
