// The statement readers of the copy-less layer: the statement-word reader
// (OrvLexer::GetStatementWord), the operands and phrases of COPY ...
// REPLACING and REPLACE (OrvLexer::ReadReplaceOperand,
// OrvLexer::ReadReplacePhrases), the REPLACE statement itself, and the way a
// statement in error is given up.
#include <memory>
#include <ostream>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvLexer.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvReplaceTable.h"
#include "OrvStatementParts.h"

namespace {

// The messages that differ between COPY ... REPLACING and REPLACE.
struct PhraseTexts {
  const char* tooMany;
  const char* emptyFrom;
  const char* noBy;
};
const PhraseTexts kCopyTexts = {"Too many REPLACING phrases. Ignored",
                                "The text after REPLACING keyword cannot be empty",
                                "We expect word BY after text-1 in COPY statement"};
const PhraseTexts kReplaceTexts = {"Too many REPLACE phrases. Ignored",
                                   "The text after REPLACE keyword cannot be empty",
                                   "We expect word BY after text-1 in REPLACE statement"};

bool IsSpaceSepCode(int code) { return code == SEP_SPACE || code == SEP_COMMA || code == SEP_SEMI; }


}  // namespace

void OrvLexer::GetStatementWord(OrvLexUnit& u) {
  OrvTokenChain kept;
  for (;;) {
    NextRpldTextWord(u);
    if (IsSpaceSepCode(u.code)) {
      if (u.code != SEP_SPACE && sepCatch_ != nullptr) {
        *sepCatch_ = std::move(u);  // a comma or semicolon caught before is dropped
        continue;
      }
      kept.Splice(u.attached);
      kept.Append(u.TakeToken());
      continue;
    }
    if (OrvIsWord(u, "COPY")) {
      Report(MSG_ERR, u.beg, VString("COPY statement embedded within a COPY statement. Ignored."));
      // The word is dropped; the comment lines in front of it stay.
      kept.Splice(u.attached);
      continue;
    }
    break;
  }
  u.attached.Prepend(kept);
}

OrvLexer::CopylessStep OrvLexer::StatementFailed(OrvLexUnit& u, const OrvTxtPosn& first,
                                                 const char* message) {
  if (u.code == SEP_EOF) {
    // The statement never ends: it is dropped, and the end of input is read
    // next, once, as the end of its level.
    Report(MSG_ERR, first, VString("End-of-file in COPY/REPLACE statement"));
    UnNextRpldTextWord(u);
  } else {
    Report(MSG_ERR, u.beg, VString(message));
    u.Clear();
  }
  return kReadNext;
}

void OrvLexer::AddOperandUnit(OrvLexUnit& u, OrvReplaceText& text, OrvExpr* list) {
  // The node keeps a copy of every unit as written; the text keeps at most
  // ORV_MAX_REPLACE_UNITS, a further unit taking the last place.
  OrvToken model(u.code, u.text, u.beg, u.end);
  OrvExpr* element = new OrvCharString(model.Text());
  OrvCopyUnitTo(u, element->Tokens());
  list->AddArg(element);
  if (text.count == ORV_MAX_REPLACE_UNITS) {
    Report(MSG_ERR, u.beg, VString("Too many tokens in COPY REPLACING pseudo-text."));
    text.units[--text.count].Clear();
  }
  text.units[text.count++] = std::move(u);
}

void OrvLexer::ReadReplaceOperand(OrvLexUnit& u, OrvReplaceText& text, OrvExpr*& operand) {
  OrvExpr* list = new OrvExprOper(COPY_TOKEN_LIST);
  if (u.code == SEP_EQEQ) {
    // Pseudo-text: every unit up to the closing "==".
    operand = new OrvExprOper(COPY_EQEQS);
    operand->SetArg(COPY_EQEQS__PSEUDO_TEXT, list);
    OrvMoveUnitTo(u, operand->ArgSlots(COPY_EQEQS__PSEUDO_TEXT)->tokens);
    for (;;) {
      GetStatementWord(u);
      if (u.code == SEP_EOF) return;
      if (u.code == SEP_EQEQ) break;
      AddOperandUnit(u, text, list);
    }
    OrvMoveUnitTo(u, operand->Tokens());
    GetStatementWord(u);
    return;
  }
  // A word, a literal or an identifier: the unit, its qualifiers, then a
  // parenthesised subscript or reference.
  operand = list;
  if (u.code == SEP_EOF) return;
  AddOperandUnit(u, text, list);
  GetStatementWord(u);
  while (OrvIsWord(u, "OF") || OrvIsWord(u, "IN")) {
    AddOperandUnit(u, text, list);
    GetStatementWord(u);
    if (u.code == SEP_EOF) return;
    AddOperandUnit(u, text, list);
    GetStatementWord(u);
  }
  if (u.code != SEP_LEFT_PAR) return;
  for (;;) {
    const bool closing = u.code == SEP_RIGHT_PAR;
    AddOperandUnit(u, text, list);
    GetStatementWord(u);
    if (closing || u.code == SEP_EOF) return;
  }
}

bool OrvLexer::ReadReplacePhrases(OrvLexUnit& u, OrvExpr* list, OrvReplaceTable& table, bool copy,
                                  const OrvTxtPosn& first) {
  const PhraseTexts& texts = copy ? kCopyTexts : kReplaceTexts;
  for (;;) {
    if (u.code == SEP_EOF) {
      StatementFailed(u, first, "");
      return false;
    }
    int p = table.count;
    if (p == ORV_MAX_REPLACE_PHRASES) {
      Report(MSG_ERR, u.beg, VString(texts.tooMany));
      p = ORV_MAX_REPLACE_PHRASES - 1;
    }
    OrvReplacePhrase& phrase = table.phrases[p];
    phrase.from.Clear();
    phrase.to.Clear();
    OrvExpr* by = new OrvExprOper(COPY_REPLACING_BY);
    list->AddArg(by);

    // In COPY the comma or semicolon met while the FROM text is read is
    // caught: alone between "==" it is the FROM text.
    const OrvTxtPosn fromBeg = u.beg;
    OrvLexUnit caught;
    if (copy) sepCatch_ = &caught;
    OrvExpr* operand = nullptr;
    ReadReplaceOperand(u, phrase.from, operand);
    sepCatch_ = nullptr;
    by->SetArg(COPY_REPLACING_BY__REPLACED_TEXT, operand);
    if (u.code == SEP_EOF) {
      StatementFailed(u, first, "");
      return false;
    }
    if (phrase.from.count == 0) {
      if (caught.code != SEP_COMMA && caught.code != SEP_SEMI) {
        Report(MSG_ERR, fromBeg, VString(texts.emptyFrom));
        u.Clear();
        return false;
      }
      OrvExpr* tokens = operand->Oper() == COPY_EQEQS ? operand->Args(COPY_EQEQS__PSEUDO_TEXT) : operand;
      AddOperandUnit(caught, phrase.from, tokens);
    }
    if (copy && phrase.from.count == 1 && phrase.from.units[0].code == TK_CHAR_STRING) {
      OrvLexUnit& only = phrase.from.units[0];
      if (OrvIsWord(only, ",") || OrvIsWord(only, ";")) {
        only.code = only.text.text[0] == ',' ? SEP_COMMA : SEP_SEMI;
        only.ClearText();
      }
    }

    if (!OrvIsWord(u, "BY")) {
      StatementFailed(u, first, texts.noBy);
      return false;
    }
    OrvMoveUnitTo(u, by->ArgSlots(COPY_REPLACING_BY__REPLACING_TEXT)->tokens);
    GetStatementWord(u);
    if (u.code == SEP_EOF) {
      StatementFailed(u, first, "");
      return false;
    }
    ReadReplaceOperand(u, phrase.to, operand);
    by->SetArg(COPY_REPLACING_BY__REPLACING_TEXT, operand);
    if (u.code == SEP_EOF) {
      StatementFailed(u, first, "");
      return false;
    }
    TracePhrase(p, phrase.from, phrase.to);
    if (p == table.count) ++table.count;
    if (u.code == SEP_DOT) return true;
  }
}

void OrvLexer::TracePhrase(int number, const OrvReplaceText& from, const OrvReplaceText& to) const {
  if ((settings.traceFlags & ORV_LEX_TRACE_REPLACE) == 0) return;
  *OrvLexerTraceOut << "##Repl phrase # " << number << std::endl << "####FR:" << std::endl;
  for (int i = 0; i < from.count; ++i) WriteTraceLine("", from.units[i]);
  *OrvLexerTraceOut << "####TO:" << std::endl;
  for (int i = 0; i < to.count; ++i) WriteTraceLine("", to.units[i]);
  *OrvLexerTraceOut << "##" << std::endl;
}

// ------------------------------------------------------ REPLACE statement

OrvLexer::CopylessStep OrvLexer::ReplaceStatement(OrvLexUnit& u) {
  const OrvTxtPosn first = u.beg;
  OrvLexUnit replaceWord = std::move(u);
  GetStatementWord(u);
  std::unique_ptr<OrvExpr> node;
  if (OrvIsWord(u, "OFF")) {
    node.reset(new OrvExprOper(STMT_REPLACE_OFF));
    OrvMoveUnitTo(replaceWord, node->Tokens());
    OrvMoveUnitTo(u, node->Tokens());
    GetStatementWord(u);
    if (u.code != SEP_DOT)
      return StatementFailed(u, first,
                             "REPLACE OFF statement should be ended with separator period. Ignored.");
    OrvMoveUnitTo(u, node->Tokens());
    if (settings.traceFlags & ORV_LEX_TRACE_REPLACE) *OrvLexerTraceOut << "##REPLACE OFF." << std::endl;
    replaceOn_ = false;
    ClearReplacePhrases();
  } else {
    node.reset(new OrvExprOper(STMT_REPLACE));
    OrvMoveUnitTo(replaceWord, node->ArgSlots(STMT_REPLACE__REPLACING_PHRASES)->tokens);
    OrvExpr* list = new OrvExprOper(COPY_REPLACING_LIST);
    node->SetArg(STMT_REPLACE__REPLACING_PHRASES, list);
    // A REPLACE statement replaces the whole table of the one before; one
    // that fails leaves that table in force.
    std::unique_ptr<OrvReplaceTable> table(new OrvReplaceTable());
    if (!ReadReplacePhrases(u, list, *table, false, first)) return kReadNext;
    OrvMoveUnitTo(u, node->Tokens());
    table->SetKeeps();
    delete replaceTable_;
    replaceTable_ = table.release();
    replaceOn_ = true;
  }
  SetActiveTable();
  OrvExpr* statement = node.release();
  OrvFinishStatementNode(statement);
  delete replaceNode;
  replaceNode = statement;
  lastStatement_ = kReplaceStatement;
  // The token stands at the last word position the token layer recorded.
  u.Clear();
  u.code = SEP_REPLACE;
  u.beg = brokenBeg_;
  u.end = brokenEnd_;
  return kHandOn;
}
