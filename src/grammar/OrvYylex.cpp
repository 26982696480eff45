// yylex: the token supply of the grammar, between the lexer and the parse
// engine.
#include "OrvYylex.h"

#include <cstdint>
#include <iostream>

#include "OrvConstNodes.h"
#include "OrvDials.h"
#include "OrvExpr.h"
#include "OrvLookaheadQueue.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvParserErrors.h"
#include "OrvParserImpl.h"
#include "OrvParserNames.h"
#include "OrvToken.h"
#include "OrvTreeUtil.h"

namespace {

struct TokenCombination {
  int first;
  int second;
  int combined;
};

constexpr TokenCombination TokenCombinationTable[] = {
#define ORV_TOKEN_COMBINATION(first, second, combined) {first, second, combined},
#include "OrvTokenCombinations.def"
    {0, 0, 0},
};

// The codes a NOT before them, and an ON before them, make one token with.
const int kNotPartners[] = {RW_END,       RW_END_OF_PAGE, RW_AT,      RW_ON,  RW_ESCAPE,
                            RW_EXCEPTION, RW_OVERFLOW,    RW_INVALID, RW_EOP, RW_SIZE};
const int kOnPartners[] = {RW_ASCENDING, RW_ESCAPE, RW_EXCEPTION, RW_OVERFLOW, RW_DESCENDING, RW_SIZE};

// Division and section headers and the like, which belong in Area A.
constexpr int kAreaAHeaders[] = {RW_FD,          RW_FILE_CONTROL,     RW_IDENTIFICATION, RW_I_O_CONTROL,
                             RW_INPUT_OUTPUT, RW_LINKAGE,         RW_LOCAL_STORAGE,  RW_SD,
                             RW_SPECIAL_NAMES, RW_WORKING_STORAGE, RW_ID,            RW_CD,
                             RW_RD,          RW_END_DECLARATIVES, RW_END_PROGRAM,    RW_COMMUNICATION,
                             RW_CONFIGURATION, RW_DECLARATIVES};

// Columns (counted from 0) of fixed-format Area A: 7 to 10.
const int kAreaAFirstColumn = 7;
const int kAreaBFirstColumn = 11;

// A value of the category that a word's element carries with no token
// code of its own: the grammar has no action for it.
const int kUserFigurativeConstantCode = ORV_TOKEN_LAST_NAMED + 1;

// The on/off switches of the switch word, one bit each, and where each
// lives; the decimal-point character takes bits 8 to 15.
struct SwitchField {
  OrvTokenSwitches bit;
  int& (*field)(OrvParserImpl& parser);
};
const SwitchField kSwitchFields[] = {
    {1u << 0, [](OrvParserImpl& p) -> int& { return p.lexer.switches.reservedWordLookup; }},
    {1u << 1, [](OrvParserImpl& p) -> int& { return p.lexer.switches.specialReservedWords; }},
    {1u << 2, [](OrvParserImpl& p) -> int& { return p.lexer.switches.functionNameMode; }},
    {1u << 3, [](OrvParserImpl& p) -> int& { return p.lexer.switches.debuggingLines; }},
    {1u << 4, [](OrvParserImpl& p) -> int& { return p.nameLookup; }},
    {1u << 5, [](OrvParserImpl& p) -> int& { return p.areaANames; }},
};
const int kDecimalPointShift = 8;

template <std::size_t N>
bool OneOf(int code, const int (&codes)[N]) {
  for (int c : codes)
    if (c == code) return true;
  return false;
}

// Per token code (0..kCodeCount-1): whether a row of the combination table
// has it first, and then the first such row; and whether it is an Area A
// header.  Every token asks both: the answers for every code are bits,
// which stay in the cache, and only a code with a combination reads its
// row number.
const int kCodeCount = ORV_TOKEN_LAST_NAMED + 1;
const int kCodeWords = (kCodeCount + 63) / 64;
struct CodeIndex {
  std::uint64_t combines[kCodeWords];
  std::uint64_t areaAHeader[kCodeWords];
  std::int16_t combinationRow[kCodeCount];
  constexpr CodeIndex() : combines(), areaAHeader(), combinationRow() {
    int end = 0;
    while (TokenCombinationTable[end].first != 0) ++end;
    for (int c = 0; c < kCodeCount; ++c) combinationRow[c] = static_cast<std::int16_t>(end);
    for (int row = end - 1; row >= 0; --row) {
      const int first = TokenCombinationTable[row].first;
      if (first > 0 && first < kCodeCount) {
        combinationRow[first] = static_cast<std::int16_t>(row);
        combines[first / 64] |= std::uint64_t(1) << (first % 64);
      }
    }
    for (int c : kAreaAHeaders)
      if (c > 0 && c < kCodeCount) areaAHeader[c / 64] |= std::uint64_t(1) << (c % 64);
  }
  static constexpr bool Has(const std::uint64_t* bits, int code) { return ((bits[code / 64] >> (code % 64)) & 1) != 0; }
};

// Made by the compiler: every token reads it, so it is no function-local
// static with a guard.
constexpr CodeIndex kCodeIndex;
static_assert(sizeof(TokenCombinationTable) / sizeof(TokenCombinationTable[0]) < 32768,
              "combination rows are numbered in 16 bits");

// The first row of the combination table whose first code is `code`; the
// end row (first code 0) when there is none.
int CombinationRow(int code) {
  if (code > 0 && code < kCodeCount) return kCodeIndex.combinationRow[code];
  int row = 0;
  while (TokenCombinationTable[row].first != 0 && TokenCombinationTable[row].first != code) ++row;
  return row;
}

// Whether a row of the combination table has `code` first.
bool MayCombine(int code) {
  if (code > 0 && code < kCodeCount) return CodeIndex::Has(kCodeIndex.combines, code);
  return TokenCombinationTable[CombinationRow(code)].first != 0;
}

bool IsAreaAHeader(int code) {
  if (code > 0 && code < kCodeCount) return CodeIndex::Has(kCodeIndex.areaAHeader, code);
  return OneOf(code, kAreaAHeaders);
}

bool FreeFormat(const OrvParserImpl* parser) {
  const int format = parser->lexerSettings.lineFormat;
  return format == ORV_LINE_FORMAT_FREE || format == ORV_LINE_FORMAT_FSC_FREE;
}

bool HasDialect(const OrvParserImpl* parser, int dialect) {
  return (parser->lexer.settings.dials & OrvDialFieldMask(dialect)) != 0;
}

OrvParseValue ValueOf(OrvExpr* node) { return reinterpret_cast<OrvParseValue>(node); }

// A group holding a period that yylex puts in: empty image, both ends at
// `at`.
OrvTokenGroup* PeriodGroup(const OrvTxtPosn& at) {
  return new OrvTokenGroup(new OrvToken(SEP_DOT, VString(), at, at));
}

// The token printer's form of a token.
VString Printed(const OrvToken& token) {
  FastOstrstream out;
  out << token;
  return VString(out);
}

void Report(int level, const OrvTxtPosn& at, const VString& text) {
  OrvParserImpl::ParserError(level, &at, &text);
}

// The code of a token whose next token may join it, or that next token
// pushed back.
int Combine(OrvParserImpl* parser, OrvToken* token, OrvTokenList& gathered) {
  const int code = token->code;
  if (!MayCombine(code)) return code;
  int row = CombinationRow(code);
  OrvTokenGroup* next = parser->lexer.GetToken();
  const int nextCode = next != nullptr && next->token != nullptr ? next->token->code : -1;
  for (; TokenCombinationTable[row].first == code; ++row) {
    if (TokenCombinationTable[row].second != nextCode) continue;
    token->end = next->token->end;
    gathered.Splice(next->attached);
    delete next;
    return TokenCombinationTable[row].combined;
  }
  parser->lexer.UnGetToken(next);
  return code;
}

// The code of the token after the current one, which stays in the input.
int PeekCode(OrvParserImpl* parser) {
  OrvTokenGroup* next = parser->lexer.GetToken();
  const int code = next != nullptr && next->token != nullptr ? next->token->code : -1;
  parser->lexer.UnGetToken(next);
  return code;
}

// Whether a statement token's node is left out of the token stream with
// irrev-inline on (an inlined COPY, the end of a member, a REPLACE).
bool DroppedWhenIrreversible(int code) {
  return code == SEP_INLINED_COPY || code == SEP_COPY_EOF || code == SEP_REPLACE;
}

// The value of a word that is a user-defined word.
int WordValue(OrvParserImpl* parser, int code, const VString& image) {
  if (!parser->nameLookup) {
    TokenValue = ValueOf(new OrvCharString(image));
    return TK_CHAR_STRING;
  }
  OrvSymTabElt* element = FindNameInProg(parser, image);
  TokenValue = ValueOf(element);
  switch (element != nullptr ? element->Category() : SYMCAT_UNKNOWN) {
    case SYMCAT_SYMBOLIC_CHAR:
      return UW_SYMBOLIC_CHAR;
    case SYMCAT_SYMBOLIC_CONSTANT:
      return UW_SYMBOLIC_CONSTANT;
    case SYMCAT_USER_FIGURATIVE_CONST:
      return kUserFigurativeConstantCode;
    case SYMCAT_CONSTANT_NAME:
      return UW_CONSTANT_NAME;
    default:
      return code;
  }
}

// The value of an integer literal: the conversion's own message when it
// refuses, and the value 0.
OrvExpr* IntegerValue(const OrvToken& token) {
  int64 value = 0;
  VString error;
  if (token.Image().ToInt64(value, error) != ORV_OK) {
    Report(MSG_ERR, token.begin, error);
    value = 0;
  }
  return new OrvIntNumConst(token.Image(), value);
}

// Step 1: the next group, the held-back one first; the tokens attached in
// front of it join the gathered ones.
OrvTokenGroup* ReadGroup(OrvParserImpl* parser, OrvTokenList& gathered, bool& heldBack) {
  OrvTokenGroup* group = parser->pendingGroup;
  heldBack = group != nullptr;
  parser->pendingGroup = nullptr;
  if (group == nullptr) group = parser->lexer.GetToken();
  // The lexer ends every input with SEP_EOF; a missing unit counts as that
  // end.
  if (group == nullptr) group = new OrvTokenGroup();
  if (group->token == nullptr) group->token = new OrvToken(SEP_EOF, VString(), OrvTxtPosn(), OrvTxtPosn());
  // Most groups come without attached tokens: no call for them.
  if (!group->attached.IsEmpty()) gathered.Splice(group->attached);
  return group;
}

// Whether old-style COPY skipping drops this token (the skipping ends at a
// period).
bool SkippedAfterOldCopy(OrvParserImpl* parser, int code) {
  if (!parser->copySkip) return false;
  if (code == SEP_DOT) {
    parser->copySkip = 0;
    return false;
  }
  return code != SEP_EOF && code != RW_ALTERNATE && code != RW_ASSIGN && code != RW_ROLLBACK &&
         (code < SEP_UNINLINED_COPY || code > SEP_REPLACE);
}

// Step 2: the code the grammar gets for a token of the lexer.
int Recode(OrvParserImpl* parser, OrvToken* token, OrvTokenList& gathered) {
  const int code = token->code;
  switch (code) {
    case SEP_EOF:
      return 0;
    case RW_ALTERNATE:
    case RW_ASSIGN:
    case RW_ROLLBACK:
      if (!HasDialect(parser, ORV_DIAL_WANG)) return code;
      return code == RW_ALTERNATE ? RW_ALTERNATE_WANG : code == RW_ASSIGN ? RW_ASSIGN_WANG : RW_ROLLBACK_WANG;
    case RW_NOT:
      return OneOf(PeekCode(parser), kNotPartners) ? CMB_NOT_ON_AT : code;
    case RW_ON:
      return OneOf(PeekCode(parser), kOnPartners) ? CMB_ON_BEF_KWD : code;
    case SEP_COPY_INC:
      return SEP_INLINED_COPY;
    case SEP_UNINLINED_COPY:
      // The COPY statement ends with a period of its own.
      if (parser->lastTokenCode != SEP_DOT && parser->lastTokenCode != SEP_UNINLINED_COPY)
        parser->pendingGroup = PeriodGroup(token->end);
      return code;
    case SEP_INLINED_COPY:
      if (parser->lexer.settings.oldCopy && parser->lastTokenCode != SEP_DOT) parser->copySkip = 1;
      return code;
    case SEP_COPY_EOF:
    case SEP_REPLACE:
      return code;
    default:
      return Combine(parser, token, gathered);
  }
}

// Step 3: headers in Area B are reported; words in Area A become Area A
// names while the grammar asks for them.
int CheckAreaA(OrvParserImpl* parser, const OrvToken& token, int code) {
  if (FreeFormat(parser)) return code;
  const int column = token.begin.Column();
  if (IsAreaAHeader(code) && column >= kAreaBFirstColumn) {
    OrvToken printed(token);
    printed.code = static_cast<std::int16_t>(code);
    Report(MSG_WARN, token.begin,
           OrvFormat("This token should appear in Area A, not in Area B: %s", Printed(printed).text));
  } else if ((code == TK_USER_DEFD_WORD || code == TK_INT_NUM_LIT) && parser->areaANames &&
             !HasDialect(parser, ORV_DIAL_MF) && !HasDialect(parser, ORV_DIAL_MS) &&
             column >= kAreaAFirstColumn && column < kAreaBFirstColumn) {
    return TK_AREA_A_NAME;
  }
  return code;
}

// Step 4: before a header that ends a program or starts one, and before the
// end of input, a period the source lacks: the group is held back and a
// period delivered in its place.
OrvTokenGroup* PutInPeriod(OrvParserImpl* parser, OrvTokenGroup* group) {
  const int code = group->token->code;
  if (code != RW_END_DECLARATIVES && code != RW_END_PROGRAM && code != RW_IDENTIFICATION && code != RW_ID &&
      code != 0) {
    return group;
  }
  if (parser->lastTokenCode == SEP_DOT || parser->lastTokenCode == 0) return group;
  parser->pendingGroup = group;
  return PeriodGroup(group->token->begin);
}

// Step 5: the semantic value of the token (TokenValue); false when a COPY
// token has no statement behind it and is not to be delivered.
bool TakeValue(OrvParserImpl* parser, OrvToken* token) {
  OrvLexer& lexer = parser->lexer;
  parser->curPosn = token->begin;
  TokenValue = 0;
  switch (token->code) {
    case TK_PIC_CHAR_STRING:
    case TK_CHAR_STRING:
    case TK_FUNC_NAME_NO_ARGS:
    case TK_FUNC_NAME_WITH_ARGS:
    case ST_IDENT:
      TokenValue = ValueOf(new OrvCharString(token->Image()));
      return true;
    case TK_NONNUM_LIT:
    case ST_STR_LITER:
      TokenValue = ValueOf(new OrvStrConst(token->Image()));
      return true;
    case TK_INT_NUM_LIT:
    case ST_EXACT_NUM_LIT:
      TokenValue = ValueOf(IntegerValue(*token));
      return true;
    case TK_REAL_NUM_LIT:
    case ST_APPROX_NUM_LIT:
      TokenValue = ValueOf(new OrvRealNumConst(token->Image()));
      return true;
    case TK_USER_DEFD_WORD:
    case TK_AREA_A_NAME:
      token->code = static_cast<std::int16_t>(WordValue(parser, token->code, token->Image()));
      return true;
    case SEP_UNINLINED_COPY:
    case SEP_INLINED_COPY: {
      OrvExpr* node = lexer.TakeCopyNode();
      if (node == nullptr) {
        Report(MSG_ERR, token->begin, VString("yylex: bad uninlined copy expr"));
        return false;
      }
      TokenValue = ValueOf(node);
      return true;
    }
    case SEP_COPY_EOF:
      TokenValue = ValueOf(lexer.TakeMemberEndNode());
      return true;
    case SEP_REPLACE:
      TokenValue = ValueOf(lexer.TakeReplaceNode());
      return true;
    default:
      return true;
  }
}

// Step 6: the position list of the token (TokenPosition), or where the
// gathered tokens go instead; the token is taken out of the group when the
// list holds it.  Returns the code delivered.
int PlaceTokens(OrvParserImpl* parser, OrvTokenGroup*& group, OrvTokenList& gathered) {
  const int code = group->token->code;
  OrvExpr* node = OrvGrammarValueNode(TokenValue);
  OrvTokenList* position = new OrvTokenList();
  TokenPosition = position;
  switch (code) {
    case 0:
      position->Splice(gathered);
      if (parser->eofTokens != nullptr) {
        // End of input delivered again: the list delivered first stays the
        // one, with what came since.
        parser->eofTokens->Splice(*position);
        delete position;
        TokenPosition = parser->eofTokens;
      }
      parser->eofTokens = TokenPosition;
      return code;
    case SEP_UNINLINED_COPY:
    case SEP_INLINED_COPY:
      node->HeadTokens()->Prepend(gathered);
      return code;
    case SEP_COPY_EOF:
      gathered.AppendGroup(group);
      group = nullptr;
      (node != nullptr ? node->Tokens() : *position).Prepend(gathered);
      return SEP_INLINED_COPY;
    case SEP_REPLACE:
      (node != nullptr ? *node->HeadTokens() : *position).Prepend(gathered);
      return SEP_INLINED_COPY;
    default: {
      if (!gathered.IsEmpty()) {
        gathered.RemoveSpaceSeps();
        position->Splice(gathered);
      }
      OrvToken* token = group->token;
      group->token = nullptr;
      position->Append(token);
      return code;
    }
  }
}

}  // namespace

int yylex(OrvParserImpl* parser) {
  OrvTokenList gathered;
  for (;;) {
    bool heldBack = false;
    OrvTokenGroup* group = ReadGroup(parser, gathered, heldBack);
    if (!heldBack) {
      OrvToken* token = group->token;
      if (SkippedAfterOldCopy(parser, token->code)) {
        delete group;
        continue;
      }
      int code = Recode(parser, token, gathered);
      code = CheckAreaA(parser, *token, code);
      token->code = static_cast<std::int16_t>(code);
      group = PutInPeriod(parser, group);
    }
    if (!TakeValue(parser, group->token)) {
      // No statement stands behind the COPY token: it is not delivered (nor
      // the period it would get), and what stood in front of it goes with
      // the next token.
      if (group->token->code == SEP_UNINLINED_COPY) {
        delete parser->pendingGroup;
        parser->pendingGroup = nullptr;
      }
      delete group;
      continue;
    }
    if (parser->irrevInline && DroppedWhenIrreversible(group->token->code)) {
      // Irreversibly inlined: the statement leaves only its comments.
      OrvExpr* node = OrvGrammarValueNode(TokenValue);
      if (node != nullptr) OrvGatherCommentsWalker(node, gathered);
      delete node;
      TokenValue = 0;
      delete group;
      continue;
    }
    const int code = PlaceTokens(parser, group, gathered);
    delete group;
    if (code != SEP_SPACE && code != CM_COMMENT && code != SEP_INLINED_COPY && code != SEP_COPY_EOF &&
        code != SEP_REPLACE) {
      parser->lastTokenCode = code;
    }
    if (parser->lexer.settings.traceFlags != 0) {
      std::cout << " yylex: " << TokenErrText(code, &TokenValue);
      if (parser->debugLevel != 0) {
        std::cout << " yyposn=";
        TokenPosition->Print(std::cout);
      }
      std::cout << std::endl;
    }
    return code;
  }
}

int CallYylex() {
  if (currentParser == nullptr) {
    TokenValue = 0;
    TokenPosition = nullptr;
    return 0;
  }
  return yylex(currentParser);
}

OrvTokenSwitches YylexSwitches() {
  OrvParserImpl* parser = currentParser;
  if (parser == nullptr) return 0;
  OrvTokenSwitches word = 0;
  for (const SwitchField& f : kSwitchFields)
    if (f.field(*parser)) word |= f.bit;
  word |= static_cast<OrvTokenSwitches>(static_cast<unsigned char>(parser->lexer.switches.decimalPoint))
          << kDecimalPointShift;
  return word;
}

void SetYylexSwitches(OrvTokenSwitches word) {
  OrvParserImpl* parser = currentParser;
  if (parser == nullptr) return;
  for (const SwitchField& f : kSwitchFields) f.field(*parser) = (word & f.bit) != 0;
  parser->lexer.switches.decimalPoint = static_cast<char>((word >> kDecimalPointShift) & 0xff);
}

const OrvTokenSource YylexTokenSource = {&CallYylex, &YylexSwitches, &SetYylexSwitches};
OrvTokenSource TokenSource = {&CallYylex, &YylexSwitches, &SetYylexSwitches};
