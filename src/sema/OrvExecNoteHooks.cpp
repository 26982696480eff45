// The text that the lexer hands to the parser instead of the grammar: the
// token groups of an EXEC block of a subsystem that the grammar does not
// parse, which become lines of preserved text under an STMT_EXEC node, and
// the text of a NOTE statement, which becomes comment lines.
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvListExpr.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvToken.h"

namespace {

// Tokens whose image is their text and whose source text is not a word:
// comment and blank lines keep their code and image in an EXEC block.
bool KeepsItsForm(const OrvToken* token) {
  return token->code >= CM_BLANK_LINE && token->code <= CM_LIBR_INC;
}

// Turns one token of an EXEC block into preserved text.
void Preserve(OrvToken* token) {
  if (token == nullptr || KeepsItsForm(token)) return;
  if (token->code == SEP_SPACE) {
    token->code = PRESERVED_SPACE;
    return;
  }
  token->image = token->Text();
  token->code = PRESERVED_STRING;
}

// The text of an EXEC item (a TOKEN_STRING).
bool ItemTextIs(const OrvExpr* item, const char* text) {
  const VString* image = item->Image();
  return image != nullptr && *image == text;
}

bool IsLineBreak(const OrvExpr* item) { return ItemTextIs(item, "\n"); }

bool IsBlankOrLineBreak(const OrvExpr* item) {
  return ItemTextIs(item, " ") || IsLineBreak(item);
}

// Moves every CM_COMMENT token of a line's items, in order, to `dest`.
void MoveLineComments(OrvExpr* line, OrvTokenList& dest) {
  for (int i = 0; i < line->NArgs(); ++i) {
    OrvExpr* item = line->Args(i);
    if (item == nullptr) continue;
    OrvTokenList kept;
    while (!item->Tokens().IsEmpty()) {
      OrvToken* token = item->Tokens().PopFirst();
      if (token == nullptr) continue;
      if (token->code == CM_COMMENT) {
        dest.Append(token);
      } else {
        kept.Append(token);
      }
    }
    item->Tokens().Splice(kept);
  }
}

// Appends the NOTE comment line being built, if any, to the finished ones.
void EndNoteLine(OrvParserImpl* parser) {
  if (parser->noteLine != nullptr) parser->noteTokens.Append(parser->noteLine);
}

}  // namespace

void OrvParserImpl::AddExecToken(OrvTokenGroup* group) {
  OrvParserImpl* parser = currentParser;
  if (parser == nullptr || group == nullptr || group->token == nullptr) {
    delete group;
    return;
  }
  VString text = group->token->Text();
  Preserve(group->token);
  for (OrvTokenListNode* e = group->attached.Head(); e != nullptr; e = e->next) Preserve(e->token);
  OrvExpr* item = new OrvTokenString(text);
  item->Tokens().AppendGroup(group);
  parser->execTokens = OrvListExpr(EX_EXEC_TOKEN_LIST, parser->execTokens, item);
}

OrvExpr* OrvParserImpl::MakeExecLines(std::uint16_t code) {
  OrvExpr* items = execTokens;
  execTokens = nullptr;
  int count = items != nullptr ? items->NArgs() : 0;
  int next = 0;
  // The subsystem word: the first item that is neither a blank nor a line
  // break; those in front of it are dropped.
  OrvExpr* subsystem = nullptr;
  while (next < count && subsystem == nullptr) {
    OrvExpr* item = items->DelArg(next++, 0, 0);
    if (item != nullptr && !IsBlankOrLineBreak(item)) {
      subsystem = item;
    } else {
      delete item;
    }
  }
  // A block without a word: the subsystem slot holds a null node.
  if (subsystem == nullptr) subsystem = new OrvNullNode;

  OrvExpr* lines = new OrvExprOper(EX_EXEC_LINE_LIST);
  OrvExpr* line = nullptr;
  bool sawLineBreak = false;
  bool firstLineIsReal = false;
  for (; next < count; ++next) {
    OrvExpr* item = items->DelArg(next, 0, 0);
    if (item == nullptr) continue;
    if (!IsLineBreak(item)) {
      if (line == nullptr) line = new OrvExprOper(EX_EXEC_TOKEN_LIST);
      line->AddArg(item);
      continue;
    }
    // A line break ends the line; an empty line adds nothing.
    if (!sawLineBreak) firstLineIsReal = line != nullptr;
    sawLineBreak = true;
    if (line != nullptr) lines->AddArg(line);
    line = nullptr;
    delete item;
  }
  if (line != nullptr) lines->AddArg(line);
  delete items;

  // Comment lines written among the lines go in front of their line; those
  // on the line of the subsystem word stay with their items.
  for (int i = firstLineIsReal ? 1 : 0; i < lines->NArgs(); ++i) {
    MoveLineComments(lines->Args(i), lines->ArgSlots(i)->tokens);
  }
  OrvExpr* statement = new OrvExprOper(static_cast<OrvOper>(code));
  statement->SetArg(STMT_EXEC__EXEC_KIND, subsystem, -1, 0);
  statement->SetArg(STMT_EXEC__EXEC_LINES, lines, -1, 0);
  return statement;
}

void OrvParserImpl::AddNoteToken(OrvTokenGroup* group) {
  OrvParserImpl* parser = currentParser;
  if (parser == nullptr) return;
  if (group == nullptr || group->token == nullptr) {
    EndNoteLine(parser);
    return;
  }
  const OrvToken* token = group->token;
  VString text = token->Text();
  if (text == "\n") {
    EndNoteLine(parser);
    return;
  }
  if (parser->noteLine == nullptr) {
    parser->noteLine = new OrvToken(CM_PERSISTENT, VString(), token->begin, token->begin);
    parser->noteLine->image += VString("* ");
  }
  parser->noteLine->image += text;
  parser->noteLine->end = token->end;
}

void OrvParserImpl::FinishNote(OrvExpr* statement) {
  EndNoteLine(this);
  if (statement == nullptr) return;
  statement->Tokens().RemoveIf([](OrvToken* token) -> int { return IsNoteToken(token) ? 1 : 0; });
  statement->Tokens().Splice(noteTokens);
}

bool IsNoteToken(OrvToken* token) {
  return token != nullptr && (token->code == RW_NOTE || token->code == TK_END_NOTE);
}
