// Tokens: one lexical unit of COBOL source with its code, its text and its
// source range.  Token lists keep the tokens in front of a child or behind a
// node so that the printer can reproduce spaces, comments and punctuation;
// the same types carry messages (a token whose code is its message level).
#ifndef LARK_TREE_ORVTOKEN_H
#define LARK_TREE_ORVTOKEN_H

#include <cstdint>
#include <iosfwd>

#include "OrvBlockPool.h"
#include "OrvMessage.h"
#include "OrvResult.h"
#include "OrvTextStore.h"
#include "OrvTxtPosn.h"
#include "VString.h"

class VStringList;

// The token-code space, shared by lexer, grammar, tree and printer: 0 is the
// end of input, 1..255 a one-character token (the character's code),
// 257..1733 the named codes below.  The message levels 968..972 (MSG_INFO ..
// MSG_TERMINAL, declared with the messages) are codes of the same space.
enum OrvTokenCode {
  LEX_EOF = 0,
#define ORV_TOKEN(code, name) name = code,
#define ORV_TOKEN_LEVEL(code, name)
#include "OrvTokenCodes.def"
};

const int ORV_TOKEN_FIRST_NAMED = 257;
const int ORV_TOKEN_LAST_NAMED = 1733;

// The name of a code: "LEX_EOF" for 0, the table's name for 257..1733, null
// for every other code.
const char* OrvTokenCodeName(int code);

// The words of the lexer's word tables, which this layer only looks up.  The
// component that owns the tables installs the look-ups at start-up; until
// then every look-up answers null.
struct OrvTokenWordLookup {
  // The word of the first row of the COBOL reserved-word table with that code.
  const char* (*cobolWord)(int code);
  // The SQL word of code 1161..1413 and the CICS word of code 1414..1733.
  const char* (*sqlWord)(int code);
  const char* (*cicsWord)(int code);
};
void OrvSetTokenWordLookup(const OrvTokenWordLookup& lookup);
const OrvTokenWordLookup& OrvGetTokenWordLookup();

class OrvTokenList;

class OrvToken {
public:
  std::int16_t code;

private:
  std::uint16_t spare_;  // free room of the token's 32 bytes
  OrvTextRef image_;     // the text as read; a message's text

public:
  OrvTxtPosn begin;  // first character
  OrvTxtPosn end;    // just after the last character (exclusive)

  OrvToken() : code(0), spare_(0), next_(nullptr) {}
  OrvToken(int code, const VString& image, const OrvTxtPosnRange& range);
  OrvToken(int code, const VString& image, const OrvTxtPosn& begin, const OrvTxtPosn& end);
  // A copy has the code, text and positions; it stands in no list.
  OrvToken(const OrvToken& o);
  OrvToken& operator=(const OrvToken& o);
  // Not virtual: no class derives from a token, and a parse holds about one
  // token per source word, so the table pointer would be a quarter of each.
  ~OrvToken();

  // The text as read; a message's text.  A token in an arena keeps it in
  // the source store (OrvTextStore), where a text the source repeats is
  // stored once; any other token owns its text.
  const VString& Image() const { return image_.Get(); }
  void SetImage(const VString& image);
  void SetImage(const char* text, int length);

  OrvTxtPosnRange Range() const { return OrvTxtPosnRange(begin, end); }

  // Tokens are made and freed by the million: their memory comes from a
  // block pool (a class derived with a different size goes to the heap).
  static void* operator new(std::size_t size) {
    return size == sizeof(OrvToken) ? OrvBlockPool<sizeof(OrvToken), ORV_TOKEN_ARENA>::Get() : ::operator new(size);
  }
  static void operator delete(void* memory, std::size_t size) {
    if (size == sizeof(OrvToken))
      OrvBlockPool<sizeof(OrvToken), ORV_TOKEN_ARENA>::Put(memory);
    else
      ::operator delete(memory);
  }

  // 1 for SEP_UNINLINED_COPY .. SEP_REPLACE, SEP_LEFT_PAR .. SEP_EOF and
  // TK_NONNUM_LIT; SEP_ERROR is not a separator.
  int IsSeparator() const;
  // 1 for SEP_SPACE, SEP_COMMA and SEP_SEMI.
  int IsSpaceSep() const;

  // The kind form ("user-word MOVE", "(", "keyword ACCEPT", ...).
  VString KindString() const;
  // The token's source text.
  VString Text() const;
  // The debug form: the code's name, the escaped image and the positions.
  void PrintCode(std::ostream& out) const;

  // TIC form: "T", the code, ",", the image in length form, begin, end.  The
  // reader expects the "T" next (the list writer puts "-" before it).
  void PutTic(std::ostream& out) const;
  OrvResult GetTic(std::istream& in, VString& error);

private:
  friend class OrvTokenList;
  // Whether the token lives in an arena (its text then goes to the store).
  bool InArena() const;
  // The next token of the list the token stands in (the last one's is the
  // first: the list is a ring held by its last token).
  OrvToken* next_;
};

static_assert(sizeof(OrvToken) == 32, "a token with its list link takes 32 bytes");

// The kind form of a token.
std::ostream& operator<<(std::ostream& out, const OrvToken& token);

// OrvToken::IsSeparator of a bare code, for callers that hold no token.
inline int OrvIsSeparatorCode(int code) {
  return (code >= SEP_UNINLINED_COPY && code <= SEP_REPLACE) ||
         (code >= SEP_LEFT_PAR && code <= SEP_EOF) || code == TK_NONNUM_LIT;
}

// The space-separator test as a free predicate, for OrvTokenList::RemoveIf.
int OrvTokenIsSpaceSep(OrvToken* token);

class OrvTokenGroup;

// An owning list of tokens, linked through the tokens themselves.  It is
// held by its last token, whose link names the first, so that appending,
// prepending, splicing and reading either end cost the same however long
// the list has grown, and the list takes one pointer.  A null token is not
// kept: appending one adds nothing.  Walk it with
//   for (OrvToken* t : list) ...   or   for (t = First(); t; t = Next(t)) ...
// The tokens that stand in the token lists of nodes and of their slot
// records (lists marked as a node's), over the process: with the blocks out
// of the tokens' arena it tells whether every token there belongs to the
// nodes, so that a whole tree can give them back at once.
extern long OrvTokensInNodes;

class OrvTokenList {
public:
  constexpr OrvTokenList() : bits_(0) {}
  OrvTokenList(const OrvTokenList& o);  // deep copy

  // A list made with new (the position of every token and reduction) comes
  // from a block pool, like the tokens.
  using Pool = OrvBlockPool<sizeof(void*), ORV_TOKEN_ARENA, alignof(void*)>;
  static void* operator new(std::size_t) { return Pool::Get(); }
  static void operator delete(void* memory) { Pool::Put(memory); }
  OrvTokenList& operator=(const OrvTokenList& o);
  // Inline: most lists of a tree are empty when they go.
  ~OrvTokenList() {
    if (!IsEmpty()) Clear();
  }

  bool IsEmpty() const { return (bits_ & ~kNodeMark) == 0; }
  int Count() const;
  // The first token (null when empty), and the token after `t` in the list
  // (null after the last).
  OrvToken* First() const { return IsEmpty() ? nullptr : LastToken()->next_; }
  OrvToken* Next(const OrvToken* t) const { return t == LastToken() ? nullptr : t->next_; }

  // Whether the list is a node's (its trailing tokens, or a slot record's
  // while the record stands in a node): its tokens count in
  // OrvTokensInNodes.  Marking or unmarking a list moves its tokens in or
  // out of the count.
  bool IsNodeList() const { return (bits_ & kNodeMark) != 0; }
  // Inline: most lists are marked or unmarked while still empty (every new
  // node marks its own list), which moves no token in or out of the count.
  void SetNodeList(bool on) {
    if (on == IsNodeList()) return;
    if (IsEmpty()) {
      bits_ ^= kNodeMark;
      return;
    }
    MoveNodeCount(on);
  }
  // Forgets the tokens without deleting them: for a whole tree given back
  // at once, whose tokens went with the tokens' arena.
  void Abandon() { bits_ &= kNodeMark; }

  // Deletes every token.
  void Clear();
  // Clears this list, then appends deep copies of the other's tokens.
  void CopyFrom(const OrvTokenList& o);

  // Appends the token; the list takes it over and the pointer becomes null.
  // Inline: the lexer and the position step append tokens by the million.
  void Append(OrvToken*& token) {
    if (token == nullptr) return;
    OrvToken* last = LastToken();
    if (last == nullptr) {
      token->next_ = token;
    } else {
      token->next_ = last->next_;
      last->next_ = token;
    }
    SetLastToken(token);
    CountIn(1);
    token = nullptr;
  }
  // Appends a new token with a copy of the text, begin and end both posn.
  void AddToken(int code, const OrvTxtPosn& posn, const VString& text);
  // Moves all of other's tokens to the end (Splice) or the front (Prepend).
  // Splice is inline for the test of an empty list, which most calls pass.
  void Splice(OrvTokenList& other) {
    if (&other != this && !other.IsEmpty()) SpliceNonEmpty(other);
  }
  void Prepend(OrvTokenList& other);
  // Puts the token in front; the list takes it over.
  void PushFrontToken(OrvToken* token);

  // Moves the group's attached tokens, then its token, to the end and frees
  // the group.
  void AppendGroup(OrvTokenGroup* group);
  // Moves the attached tokens to the end, deletes the group's token and
  // frees the group.
  void AppendGroupDropToken(OrvTokenGroup* group);
  // Puts the group's token at the front; the group keeps its attached tokens
  // and its token pointer becomes null.
  void PushFront(OrvTokenGroup* group);

  // Unlink the first or last token and give it to the caller (null when
  // empty).  PopLast walks the list to the token before the last.
  OrvToken* PopFirst();
  OrvToken* PopLast();
  OrvToken* Last() const { return LastToken(); }
  // The first token that is not a space separator or a comment, or null.
  OrvToken* FirstSignificant() const;

  // Deletes every token for which pred answers non-zero.
  void RemoveIf(int (*pred)(OrvToken*));
  void RemoveSpaceSeps();

  // From the first set begin to the last set end of the tokens.
  OrvTxtPosnRange PosnRange() const;
  void ExtendPosnRange(OrvTxtPosnRange& range) const;
  // 1 when a token other than a comment lacks a set begin or end.
  int HasUnpositioned() const;

  // Appends a copy of every image to the list, then clears this list.
  void MoveImagesTo(VStringList& list);

  // "{" debug forms separated by ", " "}".
  void Print(std::ostream& out) const;

  // Each token "-T..." then "#".  GetTic appends to the tokens already held.
  void PutTic(std::ostream& out) const;
  OrvResult GetTic(std::istream& in, VString& error);

  // The walk of the list in a range-for: each token in order.  The token
  // a step stands on may be taken out of the list (the next one was read
  // before), none other.
  class Iterator {
  public:
    Iterator(const OrvTokenList* list, OrvToken* at) : list_(list), at_(at), next_(at ? list->Next(at) : nullptr) {}
    OrvToken* operator*() const { return at_; }
    Iterator& operator++() {
      at_ = next_;
      next_ = at_ ? list_->Next(at_) : nullptr;
      return *this;
    }
    bool operator!=(const Iterator& o) const { return at_ != o.at_; }

  private:
    const OrvTokenList* list_;
    OrvToken* at_;
    OrvToken* next_;
  };
  Iterator begin() const { return Iterator(this, First()); }
  Iterator end() const { return Iterator(this, nullptr); }

private:
  static const std::uintptr_t kNodeMark = 1;
  OrvToken* LastToken() const { return reinterpret_cast<OrvToken*>(bits_ & ~kNodeMark); }
  void SetLastToken(OrvToken* t) { bits_ = reinterpret_cast<std::uintptr_t>(t) | (bits_ & kNodeMark); }
  // SetNodeList of a list that holds tokens: they move in or out of the
  // count with the mark.
  void MoveNodeCount(bool on);
  // Splice of a non-empty other list.
  void SpliceNonEmpty(OrvTokenList& other);
  // Moves n tokens in (n > 0) or out of the count of a node's list.
  void CountIn(long n) {
    if (IsNodeList()) OrvTokensInNodes += n;
  }
  // The last token, whose link names the first (null when empty), and the
  // mark of a node's list in the low bit.
  std::uintptr_t bits_;
};

static_assert(sizeof(OrvTokenList) == sizeof(void*) && alignof(OrvTokenList) == alignof(void*),
              "a token list is one pointer and fits the blocks of its pool");

// "{" kind forms separated by ", " "}".
std::ostream& operator<<(std::ostream& out, const OrvTokenList& list);

// The lexer's unit: a token and the tokens that stand in front of it.  The
// group owns both.
class OrvTokenGroup {
public:
  OrvToken* token;
  OrvTokenList attached;

  // From a block pool, like the tokens.
  static void* operator new(std::size_t) { return OrvBlockPool<sizeof(OrvTokenGroup), ORV_TOKEN_ARENA>::Get(); }
  static void operator delete(void* memory) { OrvBlockPool<sizeof(OrvTokenGroup), ORV_TOKEN_ARENA>::Put(memory); }

  OrvTokenGroup() : token(nullptr) {}
  explicit OrvTokenGroup(OrvToken* t) : token(t) {}
  OrvTokenGroup(const OrvTokenGroup&) = delete;
  OrvTokenGroup& operator=(const OrvTokenGroup&) = delete;
  ~OrvTokenGroup();

  // The token's debug form, ", ", the attached list's Print.
  void Print(std::ostream& out) const;
  // The token's kind form, ", ", "{" the attached kind forms "}".
  void PrintKind(std::ostream& out) const;
};

// A process-wide empty list.
extern OrvTokenList OrvEmptyTokenList;

#endif
