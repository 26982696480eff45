// The replacement layer of the lexer: the space-collapsed raw words
// (OrvLexer::GetSpaceCollapsedRawTextWord with its push-back stack) that the
// REPLACE matching reads, the matching itself (OrvLexer::GetRpldTextWord)
// with its output queue (OrvLexer::UngetRpldTextWord puts units in front),
// the choice of the phrases in force, and the parking of the units read
// ahead in a level while a member opened above it is read.
#include <cstring>
#include <ostream>

#include "OrvExpr.h"
#include "OrvInputLevel.h"
#include "OrvLexer.h"
#include "OrvReplaceTable.h"

namespace {

// Units match by their token alone: the same code and the same text.
bool SameToken(const OrvLexUnit& a, const OrvLexUnit& b) {
  return a.code == b.code && a.text.length == b.text.length &&
         (a.text.length == 0 || std::memcmp(a.text.text, b.text.text, static_cast<size_t>(a.text.length)) == 0);
}


}  // namespace

// --------------------------------------------------- space-collapsed words

void OrvLexer::NextSpaceCollapsedRawTextWord(OrvLexUnit& u) {
  if (collapsedCount_ > 0) {
    u = std::move(collapsed_[--collapsedCount_]);
  } else {
    OrvTokenChain folded;
    for (;;) {
      NextRawTextWord(u);
      const bool collapsible = u.code == SEP_SPACE || (u.code == SEP_COMMA && !keepComma_) ||
                               (u.code == SEP_SEMI && !keepSemicolon_);
      if (!collapsible) break;
      folded.Splice(u.attached);
      folded.Append(u.TakeToken());
    }
    u.attached.Prepend(folded);
  }
  TraceUnit(ORV_LEX_TRACE_WORDS, "GetSpaceCollapsedRawTextWord: ", u);
}

void OrvLexer::UnNextSpaceCollapsedRawTextWord(OrvLexUnit& u) {
  TraceUnit(ORV_LEX_TRACE_WORDS, "UnGetSpaceCollapsedRawTextWord: ", u);
  if (collapsedCount_ >= ORV_COLLAPSED_DEPTH) {
    Report(MSG_TERMINAL, u.beg,
           VString("OrvLexer::UnGetSpaceCollapsedRawTextWord: cannot unget a token, buffer overflow"));
    u.Clear();
    return;
  }
  collapsed_[collapsedCount_++] = std::move(u);
}

OrvTokenGroup* OrvLexer::GetSpaceCollapsedRawTextWord() {
  return GroupOf(&OrvLexer::NextSpaceCollapsedRawTextWord);
}

void OrvLexer::UnGetSpaceCollapsedRawTextWord(OrvTokenGroup* group) {
  UnGroup(&OrvLexer::UnNextSpaceCollapsedRawTextWord, group);
}

// ------------------------------------------------------------ replacement

void OrvLexer::NextRpldTextWord(OrvLexUnit& u) {
  for (;;) {
    if (!rpldOut_.IsEmpty()) {
      rpldOut_.PopFront(u);
      break;
    }
    if (activeTable_ == nullptr) {
      if (collapsedCount_ == 0) {
        NextRawTextWord(u);
        break;
      }
      // Units read ahead while phrases were in force: they go up as the raw
      // layer gave them.
      OrvLexUnit held = std::move(collapsed_[--collapsedCount_]);
      FlattenInto(held);
      continue;
    }
    // A match may hand out nothing (an empty TO text): the layer reads on.
    MatchReplacement();
  }
  if (!rpldPending_.IsEmpty()) u.attached.Prepend(rpldPending_);
  TraceUnit(ORV_LEX_TRACE_WORDS, "GetRpldTextWord: ", u);
}

void OrvLexer::UnNextRpldTextWord(OrvLexUnit& u) {
  TraceUnit(ORV_LEX_TRACE_WORDS, "UngetRpldTextWord: ", u);
  rpldOut_.PushFront(u);
}

OrvTokenGroup* OrvLexer::GetRpldTextWord() { return GroupOf(&OrvLexer::NextRpldTextWord); }

void OrvLexer::UngetRpldTextWord(OrvTokenGroup* group) {
  UnGroup(&OrvLexer::UnNextRpldTextWord, group);
}

void OrvLexer::MatchReplacement() {
  const OrvReplaceTable& table = *activeTable_;
  bool matching[ORV_MAX_REPLACE_PHRASES];
  for (int p = 0; p < table.count; ++p) matching[p] = true;
  int matched = -1;
  int k = 0;
  for (;;) {
    NextSpaceCollapsedRawTextWord(candidates_[k]);
    bool goingOn = false;
    for (int p = 0; p < table.count && matched < 0; ++p) {
      if (!matching[p]) continue;
      const OrvReplaceText& from = table.phrases[p].from;
      if (!SameToken(candidates_[k], from.units[k])) {
        matching[p] = false;
      } else if (k + 1 == from.count) {
        // The first phrase to complete wins, even over an earlier phrase
        // still matching a longer FROM text.
        matched = p;
      } else {
        goingOn = true;
      }
    }
    if (matched >= 0 || !goingOn) break;
    ++k;
  }
  if (matched < 0) {
    // The candidates after the first are read again, in source order.
    for (int i = k; i >= 1; --i) UnNextSpaceCollapsedRawTextWord(candidates_[i]);
    FlattenInto(candidates_[0]);
    return;
  }
  const OrvReplacePhrase& phrase = table.phrases[matched];
  if (settings.traceFlags & ORV_LEX_TRACE_REPLACE) {
    *OrvLexerTraceOut << "**Match_FR:" << std::endl;
    for (int i = 0; i < phrase.from.count; ++i) WriteTraceLine("", phrase.from.units[i]);
    *OrvLexerTraceOut << "**Match_TO:" << std::endl;
    for (int i = 0; i < phrase.to.count; ++i) WriteTraceLine("", phrase.to.units[i]);
    *OrvLexerTraceOut << "**" << std::endl;
  }
  ReplaceCandidates(phrase.to, k);
}

void OrvLexer::ReplaceCandidates(const OrvReplaceText& to, int last) {
  // The spaces and comment lines in front of the first matched word stay.
  FlattenAttached(candidates_[0].attached);
  for (int i = 0; i < to.count; ++i) {
    const OrvLexUnit& model = to.units[i];
    OrvLexUnit copy;
    copy.code = model.code;
    copy.text = model.text;
    // The replacement stands where the matched text stood: its first unit
    // begins where the first matched word begins, its last ends where the
    // last one ends; the units between have no position.
    if (i == 0) copy.beg = candidates_[0].beg;
    if (i == to.count - 1) copy.end = candidates_[last].end;
    for (OrvTokenListNode* p = model.attached.Head(); p != nullptr; p = p->next)
      copy.attached.Append(new OrvToken(p->token->code, p->token->image, OrvTxtPosn(), OrvTxtPosn()));
    FlattenInto(copy);
  }
  // The matched words go, with the separators and comment lines between
  // them.
  for (int i = 0; i <= last; ++i) candidates_[i].Clear();
}

void OrvLexer::FlattenInto(OrvLexUnit& u) {
  FlattenAttached(u.attached);
  u.attached.Prepend(rpldPending_);
  rpldOut_.PushBack(u);
}

void OrvLexer::FlattenAttached(OrvTokenChain& attached) {
  // Each folded separator becomes a unit again; comment lines ride on the
  // unit that follows them.
  while (OrvToken* token = attached.PopFirst()) {
    if (token->code == CM_COMMENT) {
      rpldPending_.Append(token);
      continue;
    }
    OrvLexUnit sep;
    sep.code = token->code;
    sep.text.TakeOver(token->image);
    sep.beg = token->begin;
    sep.end = token->end;
    delete token;
    sep.attached.Splice(rpldPending_);
    rpldOut_.PushBack(sep);
  }
}

// ----------------------------------------------------- phrases in force

void OrvLexer::SetActiveTable() {
  const OrvReplaceTable* table = nullptr;
  if (cur_ != nullptr && cur_->phrases != nullptr)
    table = cur_->phrases;
  else if (replaceOn_)
    table = replaceTable_;
  if (table != nullptr && table->count == 0) table = nullptr;
  activeTable_ = table;
  keepComma_ = table != nullptr && table->keepComma;
  keepSemicolon_ = table != nullptr && table->keepSemicolon;
}

void OrvLexer::ClearReplacePhrases() {
  if (replaceTable_ != nullptr) replaceTable_->Clear();
}

// ------------------------------------------- units read ahead in a level

void OrvLexer::StashPushBacks(OrvLevelStash& stash) {
  if (sepSlotFull_) {
    stash.sepSlot = std::move(sepSlot_);
    stash.sepSlotFull = true;
    sepSlotFull_ = false;
  }
  for (int i = 0; i < collapsedCount_; ++i) stash.collapsed[i] = std::move(collapsed_[i]);
  stash.collapsedCount = collapsedCount_;
  collapsedCount_ = 0;
  stash.rpldOut.Swap(rpldOut_);
  stash.rpldPending.Splice(rpldPending_);
}

void OrvLexer::UnstashPushBacks(OrvLevelStash& stash) {
  // A member's units end with its end of input: nothing of it is left to
  // read after it closes.
  ClearPushBacks();
  if (stash.sepSlotFull) {
    sepSlot_ = std::move(stash.sepSlot);
    sepSlotFull_ = true;
    stash.sepSlotFull = false;
  }
  for (int i = 0; i < stash.collapsedCount; ++i) collapsed_[i] = std::move(stash.collapsed[i]);
  collapsedCount_ = stash.collapsedCount;
  stash.collapsedCount = 0;
  rpldOut_.Swap(stash.rpldOut);
  rpldPending_.Splice(stash.rpldPending);
  if (stash.libInclusionNode != nullptr) {
    delete libInclusionNode;
    libInclusionNode = stash.libInclusionNode;
    stash.libInclusionNode = nullptr;
  }
}

void OrvLexer::ClearPushBacks() {
  sepSlot_.Clear();
  sepSlotFull_ = false;
  for (int i = 0; i < collapsedCount_; ++i) collapsed_[i].Clear();
  collapsedCount_ = 0;
  rpldOut_.Clear();
  rpldPending_.Clear();
}
