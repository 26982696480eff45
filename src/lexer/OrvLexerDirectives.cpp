// Directive lines of the Micro Focus and Microsoft dialects ("$IF", "$ELSE",
// "$END", "$SET", "$DISPLAY") with the conditional-compilation stack, the
// reading and evaluation of "$IF" conditions, and OrvLexer::SetConstant,
// which declares a named constant as a level-78 entry of the tree.
#include <cstring>
#include <ostream>

#include "OrvConstNodes.h"
#include "OrvDataItemBuild.h"
#include "OrvExpr.h"
#include "OrvInputLevel.h"
#include "OrvLexer.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

namespace {

bool IsQuote(char c) { return c == '\'' || c == '"'; }

bool IsNameChar(char c) {
  c = OrvToUpper(c);
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

// The value node of a level-78 constant bound to `elt`, or null when the
// name is not such a constant.  Every step of the chain may be missing.
OrvExpr* ConstantValueNode(OrvSymTabElt* elt) {
  if (elt == nullptr) return nullptr;
  OrvExpr* def = nullptr;
  for (OrvLinkElem* e = elt->References().Head(); e != nullptr; e = e->next) {
    if (e->link.node != nullptr && e->link.node->Oper() == NAMED_OBJ_DEF) {
      def = e->link.node;
      break;
    }
  }
  if (def == nullptr) return nullptr;
  OrvExpr* entry = def->Parent();
  if (entry == nullptr || entry->Oper() != DECL_CONST_ENTRY || entry->NArgs() <= DECL_CONST_ENTRY__CONSTANT_VALUE)
    return nullptr;
  OrvExpr* holder = entry->Args(DECL_CONST_ENTRY__CONSTANT_VALUE);
  if (holder == nullptr || holder->NArgs() <= EX_CONST_VALUE__VALUE) return nullptr;
  return holder->Args(EX_CONST_VALUE__VALUE);
}

}  // namespace

int OrvLexer::DirectiveLine(OrvInputLevel& lev, int wordStart, int wordEnd, const VString& word) {
  char* text = lev.line;
  const int indIx = settings.lineFormat == ORV_LINE_FORMAT_FREE ? 0 : 6;
  if (wordStart != indIx) {
    // The word moves to the indicator column so that the comment text of
    // the line begins with it.
    std::memmove(text + indIx, text + wordStart, static_cast<size_t>(wordEnd - wordStart));
    for (int i = indIx + (wordEnd - wordStart); i < wordEnd; ++i) text[i] = ' ';
  }
  int scan = wordEnd;
  const bool isIf = word == "$IF";
  const bool isElse = word == "$ELSE";
  const bool isEnd = word == "$END";

  if (!IfStackActive()) {
    // A "$IF" inside a skipped branch opens a level that stays skipped in
    // both its branches, so that its own "$ELSE" and "$END" pair with it
    // and not with the enclosing "$IF".
    if (isIf) {
      if (ifDepth_ < ORV_MAX_IF_DEPTH)
        ifStates_[ifDepth_++] = ORV_IF_SKIPPED;
      else
        Report(MSG_SEVERE, LinePosn(), VString("Embedded $IF: nesting too deep"));
      return CM_COMMENT;
    }
    if (!isElse && !isEnd) return CM_COMMENT;
  }

  if (isIf) {
    OrvIfAnswer answer = EvalIfCondition(scan);
    if (answer == ORV_IF_GAVE_UP) return CM_COMMENT;
    if (ifDepth_ >= ORV_MAX_IF_DEPTH) {
      Report(MSG_SEVERE, LinePosn(), VString("Embedded $IF: nesting too deep"));
      return CM_COMMENT;
    }
    if (answer == ORV_IF_NOT_EVALUATED) {
      Report(MSG_ERR, LinePosn(),
             VString("Condition could not be evaluated. Condition assumed False."));
      answer = ORV_IF_ANSWER_FALSE;
    }
    ifStates_[ifDepth_++] = answer == ORV_IF_ANSWER_TRUE ? ORV_IF_TRUE : ORV_IF_FALSE;
  } else if (isElse) {
    if (ifDepth_ == 0) {
      Report(MSG_ERR, LinePosn(), VString("No corresponding $IF for this $ELSE. Ignored."));
    } else {
      unsigned char& state = ifStates_[ifDepth_ - 1];
      if (state == ORV_IF_TRUE)
        state = ORV_IF_ELSE_OF_TRUE;
      else if (state == ORV_IF_FALSE)
        state = ORV_IF_ELSE_OF_FALSE;
      else if (state != ORV_IF_SKIPPED)
        Report(MSG_ERR, LinePosn(), VString("$IF at this level already has $ELSE. Ignored."));
    }
  } else if (isEnd) {
    if (ifDepth_ > 0)
      --ifDepth_;
    else
      Report(MSG_ERR, LinePosn(), VString("No corresponding $IF for this $END. Ignored."));
  } else if (word == "$SET") {
    SetConstantsLine(scan);
  } else if (word == "$DISPLAY") {
    Report(MSG_INFO, LinePosn(), OrvFormat("$DISPLAY:%s", text + wordEnd));
  }
  return CM_COMMENT;
}

void OrvLexer::SetConstantsLine(int& scan) {
  VString word;
  if (GetDirectiveWord(word, scan) != 0) return;
  if (!(word == "CONSTANT") || constContextHook == nullptr) return;
  OrvExpr* context = constContextHook();
  if (context == nullptr) return;
  const char* text = LineText();
  while (text[scan] != '\0') {
    if (GetDirectiveWord(word, scan) != 0) break;
    SetConstant(word, context);
  }
}

int OrvLexer::GetDirectiveWord(VString& word, int& scan) {
  const char* text = LineText();
  const int len = LineLength();
  if (scan > len) scan = len;
  while (text[scan] == ' ') ++scan;
  const int start = scan;
  while (text[scan] != '\0' && text[scan] != ' ') ++scan;
  word = VString(text + start, scan - start);
  if (word.length == 0) {
    Report(MSG_ERR, LinePosn(), VString("Non-space token expected here"));
    return ORV_DIRECTIVE_FAILED;
  }
  if (!IsQuote(word.text[0])) word = word.ToUpper();
  return 0;
}

int OrvLexer::GetIfOperand(OrvIfOperand& op, int& scan) {
  op = OrvIfOperand();
  VString word;
  int r = GetDirectiveWord(word, scan);
  if (r != 0) return r;
  op.name = word;

  if (word.AllCharsIn("0123456789")) {
    int64 value = 0;
    VString error;
    if (word.ToInt64(value, error) != ORV_OK) {
      // Too many digits for 64 bits: the comparison cannot be made.
      Report(MSG_ERR, LinePosn(), OrvFormat("$IF number too large: %s", word.text));
      op.tooLarge = 1;
    }
    op.intValue = value;
    op.defined = 1;
    op.numeric = 1;
    op.value = word;
    return 0;
  }

  if (IsQuote(word.text[0])) {
    VString error;
    VString value = OrvStrImageValue(word, error);
    if (error.length != 0) {
      Report(MSG_ERR, LinePosn(), error);
      return ORV_DIRECTIVE_FAILED;
    }
    op.value = value;
    op.defined = 1;
    return 0;
  }

  if (constLookupHook == nullptr) {
    op.value = word;
    return 0;
  }
  const bool trace = (settings.traceFlags & ORV_LEX_TRACE_CONSTANTS) != 0;
  if (trace) *OrvLexerTraceOut << "$PPvar$: get name=" << word;
  OrvExpr* value = ConstantValueNode(constLookupHook(word));
  if (value != nullptr && value->Oper() == INT_NUM_CONST) {
    const VString* image = value->Image();
    op.value = image != nullptr ? *image : VString();
    op.defined = 1;
    op.numeric = 1;
    op.intValue = value->IntValue();
    if (trace) *OrvLexerTraceOut << " int_value=" << static_cast<long long>(op.intValue);
  } else if (value != nullptr && value->Oper() == STR_CONST) {
    op.value = static_cast<OrvStrConst*>(value)->StrValue();
    op.defined = 1;
    if (trace) *OrvLexerTraceOut << " str_value=" << op.value;
  } else {
    op.value = VString();
    if (trace) *OrvLexerTraceOut << " value=UNDEFINED";
  }
  if (trace) *OrvLexerTraceOut << std::endl;
  return 0;
}

OrvIfAnswer OrvLexer::EvalIfCondition(int& scan) {
  enum Compare { kEqual, kLess, kGreater };
  OrvIfOperand a;
  OrvIfOperand b;
  if (GetIfOperand(a, scan) != 0) return ORV_IF_GAVE_UP;
  VString op;
  if (GetDirectiveWord(op, scan) != 0) return ORV_IF_GAVE_UP;
  bool negated = false;
  if (op == "NOT") {
    negated = true;
    if (GetDirectiveWord(op, scan) != 0) return ORV_IF_GAVE_UP;
  }
  Compare compare;
  if (op == "=") {
    compare = kEqual;
  } else if (op == "<") {
    compare = kLess;
  } else if (op == ">") {
    compare = kGreater;
  } else if (op == "DEFINED") {
    return (a.defined != 0) != negated ? ORV_IF_ANSWER_TRUE : ORV_IF_ANSWER_FALSE;
  } else {
    Report(MSG_ERR, LinePosn(), VString("Bad operation in $IF"));
    return ORV_IF_GAVE_UP;
  }
  if (GetIfOperand(b, scan) != 0) return ORV_IF_GAVE_UP;
  for (OrvIfOperand* operand : {&a, &b}) {
    if (operand->defined) continue;
    Report(MSG_WARN, LinePosn(),
           OrvFormat("Undefined constant '%s' in $IF condition. Assumed to be null-string.",
                     operand->name.text));
    operand->value = VString();
  }
  if (a.tooLarge || b.tooLarge) return ORV_IF_NOT_EVALUATED;
  bool result;
  if (compare == kEqual) {
    result = a.value.length == b.value.length &&
             (a.value.length == 0 ||
              std::memcmp(a.value.text, b.value.text, static_cast<size_t>(a.value.length)) == 0);
  } else {
    if (!a.numeric || !b.numeric) {
      Report(MSG_ERR, LinePosn(), VString("Bad argument types in $IF."));
      return ORV_IF_NOT_EVALUATED;
    }
    result = compare == kLess ? a.intValue < b.intValue : a.intValue > b.intValue;
  }
  return result != negated ? ORV_IF_ANSWER_TRUE : ORV_IF_ANSWER_FALSE;
}

int OrvLexer::SetConstant(const VString& entry, OrvExpr* context) {
  const char* s = entry.text != nullptr ? entry.text : "";
  const int len = entry.length;
  int i = 0;
  while (i < len && IsNameChar(s[i])) ++i;
  VString name = VString(s, i).ToUpper();
  const bool trace = (settings.traceFlags & ORV_LEX_TRACE_CONSTANTS) != 0;
  const OrvTxtPosn where = LinePosn();

  // A constant needs a name: "(5)" or "'abc'" alone declares nothing.
  OrvExpr* value = nullptr;
  if (i > 0 && i < len && IsQuote(s[i])) {
    VString image(s + i, len - i);
    VString error;
    OrvStrImageValue(image, error);
    // A malformed literal would otherwise become a constant whose value is
    // the converter's error text.
    if (error.length == 0) {
      value = new OrvStrConst(image);
      if (trace)
        *OrvLexerTraceOut << "$PPvar$ SET string: name=" << name << " value=" << image << std::endl;
    }
  } else if (i > 0 && i < len && s[i] == '(' && len > 2 && s[len - 1] == ')') {
    VString digits(s + i + 1, len - i - 2);
    int64 number = 0;
    VString error;
    if (digits.length == 0 || digits.ToInt64(number, error) != ORV_OK) {
      Report(MSG_ERR, where, OrvFormat("Bad numeric constant set: %s", s));
      return ORV_DIRECTIVE_FAILED;
    }
    value = new OrvIntNumConst(OrvFormat("%lld", static_cast<long long>(number)), number);
    if (trace)
      *OrvLexerTraceOut << "$PPvar$ SET number: name=" << name
                        << " value=" << static_cast<long long>(number) << std::endl;
  }
  if (value == nullptr) {
    Report(MSG_ERR, where, OrvFormat("Bad constant set: %s", s));
    return ORV_DIRECTIVE_FAILED;
  }
  if (context == nullptr) {
    delete value;
    Report(MSG_SEVERE, where, VString("OrvLexer::SetConstant: no node to declare the constant in"));
    return ORV_DIRECTIVE_FAILED;
  }
  OrvExpr* decl = OrvDeclConstEntry(nullptr, name, value, context);
  context->SetArgToList(COBOL_FILE__EXTERNAL_DEFINITIONS, DECL_DD_LIST, decl);
  return 0;
}
