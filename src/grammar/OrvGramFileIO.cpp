// Input-output statements in the grammar's actions.
#include "OrvGramFileIO.h"

#include "OrvClauseCollector.h"
#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvMessage.h"
#include "OrvParserImpl.h"
#include "OrvTreeUtil.h"

namespace {

// Slots of STMT_READ and STMT_WRITE that the conditional phrases share.
const int kReadPhraseSlot = 7;
const int kReadNotPhraseSlot = 8;
const int kReadEndSlot = 9;
const int kWritePhraseSlot = 4;
const int kWriteNotPhraseSlot = 5;
const int kWriteEndSlot = 6;

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
void DropPhrase(OrvExpr* statement, OrvParseValue* entry) {
  OrvExpr* phrase = OrvGramNodeOf(*entry);
  if (phrase != nullptr && phrase->Parent() == nullptr) {
    if (currentParser != nullptr && LiesWithin(currentParser->errNode, phrase)) currentParser->errNode = nullptr;
    OrvGatherTokensWalker(phrase, statement->Tokens());
    OrvCollectorsForgetWithin(phrase, statement->Tokens());
  }
  OrvReleaseValue(*entry);
}

void Keep(OrvExpr* statement, int slot, OrvParseValue* entry) {
  OrvExpr* phrase = OrvGramNodeOf(*entry);
  if (phrase != nullptr) statement->SetArg(slot, phrase, -1, 0);
}

}  // namespace

void OrvGramKeepOnePhrase(OrvExpr* statement, int slot, OrvParseValue* first, OrvParseValue* second,
                          const char* bothMessage) {
  const bool firstPresent = !OrvGramAbsent(OrvGramNodeOf(*first));
  const bool secondPresent = !OrvGramAbsent(OrvGramNodeOf(*second));
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

OrvExpr* OrvGramFinishRead(OrvExpr* read, OrvParseValue* atEnd, OrvParseValue* invalidKey,
                           OrvParseValue* notAtEnd, OrvParseValue* notInvalidKey, OrvExpr* end) {
  OrvGramKeepOnePhrase(read, kReadPhraseSlot, atEnd, invalidKey, kReadBothPhrases);
  OrvGramKeepOnePhrase(read, kReadNotPhraseSlot, notAtEnd, notInvalidKey, kReadBothPhrases);
  if (end != nullptr) read->SetArg(kReadEndSlot, end, -1, 0);
  return read;
}

OrvExpr* OrvGramFinishWrite(OrvExpr* write, OrvParseValue* endOfPage, OrvParseValue* invalidKey,
                            OrvParseValue* notEndOfPage, OrvParseValue* notInvalidKey, OrvExpr* end) {
  OrvGramKeepOnePhrase(write, kWritePhraseSlot, endOfPage, invalidKey, kWriteBothPhrases);
  OrvGramKeepOnePhrase(write, kWriteNotPhraseSlot, notEndOfPage, notInvalidKey, kWriteBothPhrases);
  if (end != nullptr) write->SetArg(kWriteEndSlot, end, -1, 0);
  return write;
}

OrvExpr* OrvGramStartKey(int op, OrvExpr* keyWord, OrvExpr* components) {
  return OrvGramNode(op, keyWord, OrvGramNode(REC_KEY_USE, components));
}
