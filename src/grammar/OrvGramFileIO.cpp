// Input-output statements in the grammar's actions.
#include "OrvGramFileIO.h"

#include "OrvClauseCollector.h"
#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvMessage.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvTreeUtil.h"

namespace {

// The slots of a READ or WRITE that its phrases fill: the one its positive
// phrases share, the one of their NOT twins and the terminator's.
struct PhraseSlots {
  int positive;
  int negative;
  int end;
};
const PhraseSlots kReadSlots = {STMT_READ__AT_END_INVALID_KEY, STMT_READ__NOT_AT_END_INVALID_KEY, STMT_READ__END_READ};
const PhraseSlots kWriteSlots = {STMT_WRITE__AT_END_OF_PAGE_INVALID_KEY, STMT_WRITE__NOT_AT_END_OF_PAGE_INVALID_KEY,
                                 STMT_WRITE__END_WRITE};

// The messages as the system words them; "AT AND" is its own spelling.
const char kReadBothPhrases[] = "Both AT AND and INVALID KEY used";
const char kWriteBothPhrases[] = "Both AT END-OF-PAGE and INVALID KEY used";

// True when `node` is `root` or lies below it (climbs from the node).
bool LiesWithin(const OrvExpr* node, const OrvExpr* root) {
  for (const OrvExpr* up = node; up != nullptr; up = up->Parent())
    if (up == root) return true;
  return false;
}

// Takes a phrase that the statement does not keep out of the parse (see
// OrvGramKeepOnePhrase).
void DropPhrase(OrvExpr* statement, OrvExpr** entry) {
  OrvExpr* phrase = *entry;
  if (phrase != nullptr && phrase->Parent() == nullptr) {
    if (currentParser != nullptr && LiesWithin(currentParser->errNode, phrase)) currentParser->errNode = nullptr;
    OrvGatherTokensWalker(phrase, statement->Tokens());
    OrvCollectorsForgetWithin(phrase, statement->Tokens());
  }
  OrvReleaseValue(*entry);
}

// Puts the phrase that a value-stack entry holds into the slot; the entry
// keeps naming it, so that the position step finds its slot.
void Keep(OrvExpr* statement, int slot, OrvExpr** entry) {
  OrvExpr* phrase = *entry;
  if (phrase != nullptr) statement->SetArg(slot, phrase, -1, 0);
}

}  // namespace

void OrvGramKeepOnePhrase(OrvExpr* statement, int slot, OrvExpr** first, OrvExpr** second,
                          const char* bothMessage) {
  const bool firstPresent = !OrvGramAbsent(*first);
  const bool secondPresent = !OrvGramAbsent(*second);
  if (firstPresent && secondPresent && currentParser != nullptr) {
    const VString text(bothMessage);
    currentParser->ReportMessage(MSG_ERR, nullptr, &text);
  }
  if (secondPresent && !firstPresent) {
    Keep(statement, slot, second);
    DropPhrase(statement, first);
  } else {
    Keep(statement, slot, first);
    DropPhrase(statement, second);
  }
}

namespace {

// The end of READ or WRITE: the phrase pair into the positive slot, the
// NOT pair into the negative one, the terminator into its own.
OrvExpr* FinishWithPhrasePairs(OrvExpr* statement, const PhraseSlots& slots, OrvExpr** positive,
                               OrvExpr** invalidKey, OrvExpr** notPositive,
                               OrvExpr** notInvalidKey, OrvExpr* end, const char* bothMessage) {
  OrvGramKeepOnePhrase(statement, slots.positive, positive, invalidKey, bothMessage);
  OrvGramKeepOnePhrase(statement, slots.negative, notPositive, notInvalidKey, bothMessage);
  if (end != nullptr) statement->SetArg(slots.end, end, -1, 0);
  return statement;
}

}  // namespace

OrvExpr* OrvGramFinishRead(OrvExpr* read, OrvExpr** atEnd, OrvExpr** invalidKey,
                           OrvExpr** notAtEnd, OrvExpr** notInvalidKey, OrvExpr* end) {
  return FinishWithPhrasePairs(read, kReadSlots, atEnd, invalidKey, notAtEnd, notInvalidKey, end,
                               kReadBothPhrases);
}

OrvExpr* OrvGramFinishWrite(OrvExpr* write, OrvExpr** endOfPage, OrvExpr** invalidKey,
                            OrvExpr** notEndOfPage, OrvExpr** notInvalidKey, OrvExpr* end) {
  return FinishWithPhrasePairs(write, kWriteSlots, endOfPage, invalidKey, notEndOfPage, notInvalidKey, end,
                               kWriteBothPhrases);
}

OrvExpr* OrvGramStartKey(int op, OrvExpr* keyWord, OrvExpr* keyUse) {
  return OrvGramNode(op, keyWord, keyUse);
}
