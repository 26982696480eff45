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

const TokenCombination TokenCombinationTable[] = {
#define ORV_TOKEN_COMBINATION(first, second, combined) {first, second, combined},
#include "OrvTokenCombinations.def"
    {0, 0, 0},
};

// The codes a NOT before them, and an ON before them, make one token with.
const int kNotPartners[] = {RW_END,       RW_END_OF_PAGE, RW_AT,      RW_ON,  RW_ESCAPE,
                            RW_EXCEPTION, RW_OVERFLOW,    RW_INVALID, RW_EOP, RW_SIZE};
const int kOnPartners[] = {RW_ASCENDING, RW_ESCAPE, RW_EXCEPTION, RW_OVERFLOW, RW_DESCENDING, RW_SIZE};

// Division and section headers and the like, which belong in Area A.
const int kAreaAHeaders[] = {RW_FD,          RW_FILE_CONTROL,     RW_IDENTIFICATION, RW_I_O_CONTROL,
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

// Bits of the switch word.
const OrvTokenSwitches kReservedWordLookup = 1u << 0;
const OrvTokenSwitches kSpecialReservedWords = 1u << 1;
const OrvTokenSwitches kFunctionNameMode = 1u << 2;
const OrvTokenSwitches kDebuggingLines = 1u << 3;
const OrvTokenSwitches kNameLookup = 1u << 4;
const OrvTokenSwitches kAreaANames = 1u << 5;
const int kDecimalPointShift = 8;

template <std::size_t N>
bool OneOf(int code, const int (&codes)[N]) {
  for (int c : codes)
    if (c == code) return true;
  return false;
}

bool FreeFormat(const OrvParserImpl* parser) {
  return parser->lineFormat == ORV_LINE_FORMAT_FREE || parser->lineFormat == ORV_LINE_FORMAT_FSC_FREE;
}

bool HasDialect(const OrvParserImpl* parser, int dialect) {
  return (parser->lexer.dials & OrvDialFieldMask(dialect)) != 0;
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
  int row = 0;
  while (TokenCombinationTable[row].first != 0 && TokenCombinationTable[row].first != code) ++row;
  if (TokenCombinationTable[row].first == 0) return code;
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

// The first pending COPY-statement node of the lexer, taken out of it.
OrvExpr* TakeCopyNode(OrvLexer& lexer) {
  for (OrvExpr** held : {&lexer.copyNode, &lexer.sqlIncludeNode, &lexer.libInclusionNode}) {
    if (*held != nullptr) {
      OrvExpr* node = *held;
      *held = nullptr;
      return node;
    }
  }
  return nullptr;
}

OrvExpr* Take(OrvExpr*& held) {
  OrvExpr* node = held;
  held = nullptr;
  return node;
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
  if (token.image.ToInt64(value, error) != ORV_OK) {
    Report(MSG_ERR, token.begin, error);
    value = 0;
  }
  return new OrvIntNumConst(token.image, value);
}

}  // namespace

int yylex(OrvParserImpl* parser) {
  OrvLexer& lexer = parser->lexer;
  OrvTokenList gathered;
  for (;;) {
    OrvTokenGroup* group;
    int code;
    if (parser->pendingGroup != nullptr) {
      group = parser->pendingGroup;
      parser->pendingGroup = nullptr;
      gathered.Splice(group->attached);
      code = group->token->code;
    } else {
      group = lexer.GetToken();
      // The lexer ends every input with SEP_EOF; a missing unit counts as
      // that end.
      if (group == nullptr) group = new OrvTokenGroup(new OrvToken(SEP_EOF, VString(), OrvTxtPosn(), OrvTxtPosn()));
      if (group->token == nullptr) group->token = new OrvToken(SEP_EOF, VString(), OrvTxtPosn(), OrvTxtPosn());
      gathered.Splice(group->attached);
      code = group->token->code;
      // Tokens after an old-style COPY up to its period are dropped.
      if (parser->copySkip) {
        if (code == SEP_DOT) {
          parser->copySkip = 0;
        } else if (code != SEP_EOF && code != RW_ALTERNATE && code != RW_ASSIGN && code != RW_ROLLBACK &&
                   (code < SEP_UNINLINED_COPY || code > SEP_REPLACE)) {
          delete group;
          continue;
        }
      }
      OrvToken* token = group->token;
      if (code == SEP_EOF) {
        code = 0;
      } else if ((code == RW_ALTERNATE || code == RW_ASSIGN || code == RW_ROLLBACK) &&
                 HasDialect(parser, ORV_DIAL_WANG)) {
        code = code == RW_ALTERNATE ? RW_ALTERNATE_WANG : code == RW_ASSIGN ? RW_ASSIGN_WANG : RW_ROLLBACK_WANG;
      } else if (code == RW_NOT && !parser->copySkip) {
        if (OneOf(PeekCode(parser), kNotPartners)) code = CMB_NOT_ON_AT;
      } else if (code == RW_ON && !parser->copySkip) {
        if (OneOf(PeekCode(parser), kOnPartners)) code = CMB_ON_BEF_KWD;
      } else if (code == SEP_COPY_INC) {
        code = SEP_INLINED_COPY;
      } else if (code == SEP_UNINLINED_COPY) {
        if (parser->lastTokenCode != SEP_DOT && parser->lastTokenCode != SEP_UNINLINED_COPY)
          parser->pendingGroup = PeriodGroup(token->end);
      } else if (code == SEP_INLINED_COPY) {
        if (lexer.oldCopy && parser->lastTokenCode != SEP_DOT) parser->copySkip = 1;
      } else if (code != SEP_COPY_EOF && code != SEP_REPLACE) {
        code = Combine(parser, token, gathered);
      }

      // Area A.
      if (!FreeFormat(parser)) {
        if (OneOf(code, kAreaAHeaders) && token->begin.Column() >= kAreaBFirstColumn) {
          OrvToken printed(*token);
          printed.code = static_cast<std::int16_t>(code);
          Report(MSG_WARN, token->begin,
                 OrvFormat("This token should appear in Area A, not in Area B: %s", Printed(printed).text));
        } else if ((code == TK_USER_DEFD_WORD || code == TK_INT_NUM_LIT) && parser->areaANames &&
                   !HasDialect(parser, ORV_DIAL_MF) && !HasDialect(parser, ORV_DIAL_MS) &&
                   token->begin.Column() >= kAreaAFirstColumn && token->begin.Column() < kAreaBFirstColumn) {
          code = TK_AREA_A_NAME;
        }
      }
      token->code = static_cast<std::int16_t>(code);

      // A missing period before a header and before the end.
      if ((code == RW_END_DECLARATIVES || code == RW_END_PROGRAM || code == RW_IDENTIFICATION ||
           code == RW_ID || code == 0) &&
          parser->lastTokenCode != SEP_DOT && parser->lastTokenCode != 0) {
        parser->pendingGroup = group;
        group = PeriodGroup(token->begin);
        code = SEP_DOT;
      }
    }

    // The semantic value.
    OrvToken* token = group->token;
    parser->curPosn = token->begin;
    TokenValue = 0;
    switch (code) {
      case TK_PIC_CHAR_STRING:
      case TK_CHAR_STRING:
      case TK_FUNC_NAME_NO_ARGS:
      case TK_FUNC_NAME_WITH_ARGS:
      case ST_IDENT:
        TokenValue = ValueOf(new OrvCharString(token->image));
        break;
      case TK_NONNUM_LIT:
      case ST_STR_LITER:
        TokenValue = ValueOf(new OrvStrConst(token->image));
        break;
      case TK_INT_NUM_LIT:
      case ST_EXACT_NUM_LIT:
        TokenValue = ValueOf(IntegerValue(*token));
        break;
      case TK_REAL_NUM_LIT:
      case ST_APPROX_NUM_LIT:
        TokenValue = ValueOf(new OrvRealNumConst(token->image));
        break;
      case TK_USER_DEFD_WORD:
      case TK_AREA_A_NAME:
        code = WordValue(parser, code, token->image);
        break;
      case SEP_UNINLINED_COPY:
      case SEP_INLINED_COPY: {
        OrvExpr* node = TakeCopyNode(lexer);
        if (node == nullptr) {
          // No statement stands behind the token: it is not delivered, and
          // what stood in front of it goes with the next token.
          Report(MSG_ERR, token->begin, VString("yylex: bad uninlined copy expr"));
          if (parser->pendingGroup != nullptr && code == SEP_UNINLINED_COPY) {
            delete parser->pendingGroup;
            parser->pendingGroup = nullptr;
          }
          delete group;
          continue;
        }
        TokenValue = ValueOf(node);
        break;
      }
      case SEP_COPY_EOF:
        TokenValue = ValueOf(Take(lexer.memberEndNode));
        break;
      case SEP_REPLACE:
        TokenValue = ValueOf(Take(lexer.replaceNode));
        break;
      default:
        break;
    }

    // The position.
    OrvExpr* node = OrvGrammarValueNode(TokenValue);
    if (parser->irrevInline && DroppedWhenIrreversible(code)) {
      // Irreversibly inlined: the statement leaves only its comments.
      if (node != nullptr) {
        OrvGatherCommentsWalker(node, gathered);
        delete node;
      }
      TokenValue = 0;
      delete group;
      continue;
    }
    OrvTokenList* position = new OrvTokenList();
    if (code == 0) {
      position->Splice(gathered);
      if (parser->eofTokens != nullptr) {
        // End of input delivered again: the list delivered first stays
        // the one, with what came since.
        parser->eofTokens->Splice(*position);
        delete position;
        position = parser->eofTokens;
      }
      parser->eofTokens = position;
    } else if (code == SEP_UNINLINED_COPY || code == SEP_INLINED_COPY) {
      OrvTokenList* head = node->NArgs() > 0 ? &node->ArgSlots(0)->tokens : &node->Tokens();
      head->Prepend(gathered);
    } else if (code == SEP_COPY_EOF) {
      gathered.AppendGroup(group);
      group = nullptr;
      if (node != nullptr) {
        node->Tokens().Prepend(gathered);
      } else {
        position->Splice(gathered);
      }
      code = SEP_INLINED_COPY;
    } else if (code == SEP_REPLACE) {
      if (node != nullptr) {
        node->HeadTokens()->Prepend(gathered);
      } else {
        position->Splice(gathered);
      }
      code = SEP_INLINED_COPY;
    } else {
      gathered.RemoveSpaceSeps();
      position->Splice(gathered);
      OrvToken* taken = group->token;
      group->token = nullptr;
      taken->code = static_cast<std::int16_t>(code);
      position->Append(taken);
    }
    TokenPosition = position;

    delete group;
    if (code != SEP_SPACE && code != CM_COMMENT && code != SEP_INLINED_COPY && code != SEP_COPY_EOF &&
        code != SEP_REPLACE) {
      parser->lastTokenCode = code;
    }
    if (lexer.traceFlags != 0) {
      std::cout << " yylex: " << TokenErrText(code, &TokenValue);
      if (parser->debugLevel != 0) {
        std::cout << " yyposn=";
        position->Print(std::cout);
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
  const OrvParserImpl* parser = currentParser;
  if (parser == nullptr) return 0;
  const OrvLexer& lexer = parser->lexer;
  OrvTokenSwitches word = 0;
  if (lexer.reservedWordLookup) word |= kReservedWordLookup;
  if (lexer.specialReservedWords) word |= kSpecialReservedWords;
  if (lexer.functionNameMode) word |= kFunctionNameMode;
  if (lexer.debuggingLines) word |= kDebuggingLines;
  if (parser->nameLookup) word |= kNameLookup;
  if (parser->areaANames) word |= kAreaANames;
  word |= static_cast<OrvTokenSwitches>(static_cast<unsigned char>(lexer.decimalPoint)) << kDecimalPointShift;
  return word;
}

void SetYylexSwitches(OrvTokenSwitches word) {
  OrvParserImpl* parser = currentParser;
  if (parser == nullptr) return;
  OrvLexer& lexer = parser->lexer;
  lexer.reservedWordLookup = (word & kReservedWordLookup) != 0;
  lexer.specialReservedWords = (word & kSpecialReservedWords) != 0;
  lexer.functionNameMode = (word & kFunctionNameMode) != 0;
  lexer.debuggingLines = (word & kDebuggingLines) != 0;
  parser->nameLookup = (word & kNameLookup) != 0;
  parser->areaANames = (word & kAreaANames) != 0;
  lexer.decimalPoint = static_cast<char>((word >> kDecimalPointShift) & 0xff);
}

const OrvTokenSource YylexTokenSource = {&CallYylex, &YylexSwitches, &SetYylexSwitches};
OrvTokenSource TokenSource = {&CallYylex, &YylexSwitches, &SetYylexSwitches};
