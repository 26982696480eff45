// SPECIAL-NAMES in the grammar's actions.
#include "OrvGramSpecialNames.h"

#include <string>

#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvMessage.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"
#include "OrvPosnWalkers.h"
#include "OrvTreeUtil.h"

namespace {

// The nodes of SWITCH-0 to SWITCH-8, by number.
const OrvOper kNumberedSwitches[] = {SW_SWITCH_0, SW_SWITCH_1, SW_SWITCH_2, SW_SWITCH_3, SW_SWITCH_4,
                                     SW_SWITCH_5, SW_SWITCH_6, SW_SWITCH_7, SW_SWITCH_8};
const int kHighestSwitch = 8;
static_assert(sizeof(kNumberedSwitches) / sizeof(kNumberedSwitches[0]) == kHighestSwitch + 1,
              "one node per switch number");

// The length of the text form of a one-character literal: quote, character,
// quote.
const int kOneCharacterLiteral = 3;

void ReportError(const OrvTxtPosn& at, const VString& text) {
  if (currentParser != nullptr) currentParser->ReportMessage(MSG_ERR, at, text);
}

}  // namespace

OrvExpr* OrvGramStartSpecialNames() {
  return OrvSpecialNamesCollector.Start(OrvGramNode(PARA_SPECIAL_NAMES, OrvGramNullNode()));
}

OrvExpr* OrvGramStartSwitch(OrvExpr** switchName, OrvExpr** isPhrase) {
  OrvExpr* node = OrvGramNode(SNX_FUNC_SWITCH, *switchName, *isPhrase);
  *switchName = nullptr;
  *isPhrase = nullptr;
  return OrvSubClauseCollector.Start(node);
}

OrvExpr* OrvGramNumberedSwitch(OrvExpr** number, const OrvTokenList* tokens) {
  OrvExpr* integer = *number;
  const std::int64_t value = integer != nullptr ? integer->IntValue() : 0;
  int n = 0;
  if (value >= 0 && value <= kHighestSwitch) {
    n = static_cast<int>(value);
  } else {
    const OrvToken* first = tokens != nullptr ? tokens->FirstSignificant() : nullptr;
    ReportError(first != nullptr ? first->begin : OrvSrcPosnBegWalker(integer),
                VString(("Bad switch number: " + std::to_string(value)).c_str()));
  }
  OrvExpr* node = OrvGramNode(kNumberedSwitches[n]);
  if (integer != nullptr) node->Tokens().Splice(integer->Tokens());
  OrvReleaseValue(*number);
  return node;
}

OrvExpr* OrvGramDeviceClauseNode(OrvExpr** device, OrvExpr** target) {
  OrvExpr* deviceNode = *device;
  OrvExpr* targetNode = *target;
  const bool crt = targetNode != nullptr && targetNode->Oper() == IOF_CRT;
  if (crt && deviceNode != nullptr && deviceNode->Oper() == IOF_CONSOLE) {
    OrvExpr* clause = OrvGramNode(SNX_CONSOLE_IS_CRT);
    OrvGatherTokensWalker(deviceNode, clause->Tokens());
    OrvGatherTokensWalker(targetNode, clause->Tokens());
    OrvReleaseValue(*device);
    OrvReleaseValue(*target);
    return clause;
  }
  if (crt) ReportError(OrvSrcPosnBegWalker(targetNode), VString("CRT can only appear in CONSOLE IS CRT"));
  return OrvGramNode(SNX_FUNC_SWITCH, deviceNode, targetNode);
}

void OrvGramDeviceClause(OrvExpr* clause) {
  if (clause->Oper() == SNX_CONSOLE_IS_CRT)
    OrvSpecialNamesCollector.SetClause(PARA_SPECIAL_NAMES__CONSOLE_IS_CRT, clause);
  else
    OrvSpecialNamesCollector.AddListItem(PARA_SPECIAL_NAMES__SWITCHES_AND_DEVICES, SNX_FUNC_SWITCH_LIST, clause);
}

OrvExpr* OrvGramCheckCurrencySign(OrvExpr* clause) {
  OrvExpr* literal = clause->Args(SNX_CURRENCY_SIGN__CURRENCY_LITERAL);
  const VString text = literal != nullptr && literal->Oper() == STR_CONST ? literal->Value() : VString();
  if (text.length == kOneCharacterLiteral) {
    if (currentParser != nullptr) currentParser->currencySign = static_cast<unsigned char>(text.text[1]);
  } else {
    ReportError(OrvSrcPosnBegWalker(clause), VString("Currency Sign literal must have length of one"));
  }
  return clause;
}

void OrvGramNumericSignTrailingSeparate() {
  if (currentParser != nullptr) currentParser->numSignTrailSep = 1;
}
