// SPECIAL-NAMES in the grammar's actions.
#include "OrvGramSpecialNames.h"

#include <cctype>
#include <cstring>
#include <string>

#include "OrvConstNodes.h"
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

// The devices by their names, as the device words of SPECIAL-NAMES give
// them where the dialect reserves them.
struct DeviceWord {
  const char* text;
  OrvOper node;
};
const DeviceWord kDeviceWords[] = {
    {"TAB", IOF_TAB},          {"PRINTER", IOF_PRINTER},
    {"FORMFEED", IOF_FORMFEED}, {"CRT", IOF_CRT},
    {"CRT-UNDER", IOF_CRT_UNDER}, {"CONSOLE", IOF_CONSOLE},
    {"COMMAND-LINE", IOF_COMMAND_LINE}, {"ARGUMENT-NUMBER", IOF_ARG_NUMBER},
    {"ARGUMENT-VALUE", IOF_ARG_VALUE}, {"ENVIRONMENT-NAME", IOF_ENV_NAME},
    {"ENVIRONMENT-VALUE", IOF_ENV_VALUE}, {"SYSIN", IOF_SYSIN},
    {"SYSIPT", IOF_SYSIN},     {"SYSOUT", IOF_SYSOUT},
    {"SYSLIST", IOF_SYSOUT},   {"SYSLST", IOF_SYSOUT},
    {"SYSPCH", IOF_SYSPUNCH},  {"SYSPUNCH", IOF_SYSPUNCH},
    {"C01", IOF_C01},          {"C02", IOF_C02},
    {"C03", IOF_C03},          {"C04", IOF_C04},
    {"C05", IOF_C05},          {"C06", IOF_C06},
    {"C07", IOF_C07},          {"C08", IOF_C08},
    {"C09", IOF_C09},          {"C10", IOF_C010},
    {"C11", IOF_C011},         {"C12", IOF_C012},
    {"CSP", IOF_CSP},          {"S01", IOF_S01},
    {"S02", IOF_S02},          {"S03", IOF_S03},
    {"S04", IOF_S04},          {"S05", IOF_S05},
};
// The device keywords of the grammar's device_name rule, one row each.
static_assert(sizeof(kDeviceWords) / sizeof(kDeviceWords[0]) == 36, "one row per device keyword");

// Whether `image` spells `text`, in any case.
bool SpellsWord(const VString& image, const char* text) {
  const size_t n = std::strlen(text);
  if (image.text == nullptr || static_cast<size_t>(image.length) != n) return false;
  for (size_t i = 0; i < n; ++i) {
    if (std::toupper(static_cast<unsigned char>(image.text[i])) != text[i]) return false;
  }
  return true;
}

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

OrvExpr* OrvGramDeviceWord(OrvExpr* word) {
  const VString image = word != nullptr && word->HasImage() ? *word->Image() : VString();
  for (const DeviceWord& d : kDeviceWords) {
    if (SpellsWord(image, d.text)) return OrvGramNode(d.node);
  }
  return new OrvCharString(image);
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
