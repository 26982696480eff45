// Parser messages: the one entry of every parse diagnostic, the grammar's
// syntax-error report and the printable form of a look-ahead token.
#include <iostream>

#include "OrvExpr.h"
#include "OrvMessageSink.h"
#include "OrvParserErrors.h"
#include "OrvParserImpl.h"
#include "OrvToken.h"

void OrvParserImpl::ParserError(int level, const OrvTxtPosn* position, const VString* text) {
  if (currentParser != nullptr) {
    currentParser->ReportMessage(level, position, text);
  } else if (OrvGlobalMessageSink != nullptr) {
    static const VString kNoText;
    OrvGlobalMessageSink(level, position, text != nullptr ? text : &kNoText);
  }
}

void OrvParserImpl::ReportMessage(int level, const OrvTxtPosn* position, const VString* text) {
  static const VString kNoText;
  const VString& message = text != nullptr ? *text : kNoText;
  // Only the line and the column decide: a position that names a file but
  // neither line nor column is taken as no position at all.
  OrvTxtPosn posn = position != nullptr ? *position : OrvTxtPosn();
  if (posn.Line() == 0 && posn.Column() == 0) posn = curPosn;

  OrvMessageSink sink = messageSink != nullptr ? messageSink : OrvGlobalMessageSink;
  if (messageList == nullptr) {
    // A sink that returns from the terminal message leaves nowhere to keep
    // the message: it is dropped.
    VString complaint("OrvParserImpl::ParserError: no list of error messages specified");
    if (sink != nullptr) sink(MSG_TERMINAL, &posn, &complaint);
    return;
  }
  if (level == MSG_WARN || level == MSG_ERR) {
    OrvToken* token = new OrvToken(level, message, posn, OrvTxtPosn());
    messageList->Append(token);
  } else if (sink != nullptr) {
    sink(level, &posn, &message);
  }
  if (lexer.settings.traceFlags != 0) {
    std::cout << posn << ": ERROR: lev=" << level - MSG_INFO << ": " << message << std::endl;
  }
}

void OrvParserImpl::ReportMessage(int level, const OrvTxtPosn& position, const VString& text) {
  ReportMessage(level, &position, &text);
}

namespace {

// The begin of the first token of the list that is not a blank, comma,
// semicolon or comment; unset when there is none.
OrvTxtPosn FirstTextBegin(OrvTokenList* const* position) {
  const OrvTokenList* list = position != nullptr ? *position : nullptr;
  for (const OrvTokenListNode* e = list != nullptr ? list->Head() : nullptr; e != nullptr;
       e = e->next) {
    const OrvToken* token = e->token;
    if (token == nullptr) continue;
    if (token->code == SEP_SPACE || token->code == SEP_COMMA || token->code == SEP_SEMI ||
        token->code == CM_COMMENT) {
      continue;
    }
    return token->begin;
  }
  return OrvTxtPosn();
}

}  // namespace

void ReportSyntaxError(const char* text, int code, const OrvGrammarValue* value,
                       OrvTokenList* const* position) {
  const OrvTxtPosn at = FirstTextBegin(position);
  VString tokenText = TokenErrText(code, value);
  VString message = OrvFormat("%s. at token: %s", text != nullptr ? text : "",
                              tokenText.text != nullptr ? tokenText.text : "");
  OrvParserImpl::ParserError(MSG_ERR, &at, &message);
}

void ReportNestingTooDeep(int limit, OrvTokenList* const* position) {
  const OrvTxtPosn at = FirstTextBegin(position);
  const VString message = OrvFormat("Nesting too deep: more than %d levels", limit);
  OrvParserImpl::ParserError(MSG_SEVERE, &at, &message);
}

VString TokenErrText(int code, const OrvGrammarValue* value) {
  OrvExpr* node = value != nullptr ? OrvGrammarValueNode(*value) : nullptr;
  OrvToken token(code, VString(), OrvTxtPosnRange());
  if (node != nullptr && node->HasImage()) token.image = *node->Image();
  FastOstrstream out;
  out << token;
  if (node != nullptr && !node->HasImage()) {
    out << "  TokenExpr:\n";
    node->DebugDump(out);
  }
  return VString(out);
}
