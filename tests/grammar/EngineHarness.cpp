// The harness's word source and its parse of a text: a parser object set
// up as a parse sets it up, the engine run over the harness grammar, and
// the tree, tokens, messages and counters read back before everything is
// freed.
#include "EngineHarness.h"

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <sstream>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvLookaheadQueue.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvParserErrors.h"
#include "OrvParserImpl.h"
#include "OrvToken.h"
#include "OrvTreeWalk.h"

namespace engine_harness {

namespace {

const struct {
  const char* word;
  int code;
} kKeywords[] = {
    {"READ", RW_READ},         {"WRITE", RW_WRITE},         {"PERFORM", RW_PERFORM},
    {"COMPUTE", RW_COMPUTE},   {"DISPLAY", RW_DISPLAY},     {"MOVE", RW_MOVE},
    {"TO", RW_TO},             {"FROM", RW_FROM},           {"AT-END", RW_AT},
    {"INVALID", RW_INVALID},   {"NOT-AT", CMB_NOT_ON_AT},   {"OF", RW_OF},
    {"FUNCTION", RW_FUNCTION}, {"END-READ", RW_END_READ},   {"(", SEP_LEFT_PAR},
    {")", SEP_RIGHT_PAR},      {".", SEP_DOT},              {"AND", RW_AND},
};

// The state of the word source.
struct {
  std::vector<std::string> words;
  std::size_t next = 0;
  bool functionNames = false;
  std::string switchLog;
} source;

bool AllDigits(const std::string& word) {
  if (word.empty()) return false;
  for (char c : word)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

int NextWord() {
  if (source.next >= source.words.size()) {
    TokenValue = 0;
    TokenPosition = new OrvTokenList();
    delete currentParser->eofTokens;
    currentParser->eofTokens = TokenPosition;
    return 0;
  }
  const int index = static_cast<int>(source.next++);
  source.switchLog += source.functionNames ? '1' : '0';
  const std::string& word = source.words[index];
  const int code = WordCode(word, source.functionNames);
  const VString image(word.c_str());
  if (code == TK_INT_NUM_LIT) {
    TokenValue = reinterpret_cast<OrvParseValue>(new OrvIntNumConst(image, std::atoll(word.c_str())));
  } else if (code == TK_USER_DEFD_WORD || code == TK_FUNC_NAME_NO_ARGS) {
    TokenValue = reinterpret_cast<OrvParseValue>(new OrvCharString(image));
  } else {
    TokenValue = 0;
  }
  TokenPosition = new OrvTokenList();
  OrvToken* token = new OrvToken(code, image, OrvTxtPosn(index + 1, 7, 0),
                                 OrvTxtPosn(index + 1, 7 + static_cast<long>(word.size()), 0));
  TokenPosition->Append(token);
  ++DeliveredTokens;
  return code;
}

OrvTokenSwitches Switches() { return source.functionNames ? 1 : 0; }
void SetSwitches(OrvTokenSwitches switches) { source.functionNames = (switches & 1) != 0; }

// The index of the word a position stands at (-1 for none).
int WordIndex(const OrvTxtPosn& posn) { return posn.Line() - 1; }

// The readable form of a tree.
void Dump(const OrvExpr* node, std::ostringstream& out) {
  if (node == nullptr) {
    out << "-";
    return;
  }
  const int op = node->Oper();
  if (op == NULL_NODE) {
    out << "~";
    return;
  }
  if (op == STMT__SYNTAX_ERROR) {
    out << "ERR[" << ErrorNodeText(const_cast<OrvExpr*>(node)) << "]";
    return;
  }
  if (node->NArgs() == 0 && node->HasImage()) {
    const VString* image = node->Image();
    out << (image != nullptr && image->text != nullptr ? image->text : "");
    return;
  }
  out << OrvOperName(op);
  if (node->NArgs() == 0) return;
  out << "(";
  for (int i = 0; i < node->NArgs(); ++i) {
    if (i > 0) out << ",";
    Dump(node->ArgSlots(i)->child, out);
  }
  out << ")";
}

struct TreeTokens {
  HarnessParse* parse;
};

int CollectTokens(OrvTokenList* list, OrvExpr*, OrvExpr*, void* context) {
  HarnessParse* parse = static_cast<TreeTokens*>(context)->parse;
  for (OrvTokenListNode* e = list->Head(); e != nullptr; e = e->next) {
    if (e->token == nullptr) continue;
    const VString& image = e->token->image;
    parse->tokens.push_back(image.text != nullptr ? image.text : "");
    parse->tokenWords.push_back(WordIndex(e->token->begin));
  }
  return ORV_WALK_CHILDREN;
}

int CollectErrorNodes(OrvExpr* node, OrvExpr*, void* context) {
  if (node->Oper() == STMT__SYNTAX_ERROR)
    static_cast<TreeTokens*>(context)->parse->errorNodes.push_back(ErrorNodeText(node));
  return ORV_WALK_CHILDREN;
}

}  // namespace

long DeliveredTokens = 0;

const OrvTokenSource WordSource = {&NextWord, &Switches, &SetSwitches};

int WordCode(const std::string& word, bool functionNames) {
  for (const auto& k : kKeywords)
    if (word == k.word) return k.code;
  if (word.size() > 1 && word[0] == '#') return std::atoi(word.c_str() + 1);
  if (AllDigits(word)) return TK_INT_NUM_LIT;
  return functionNames ? TK_FUNC_NAME_NO_ARGS : TK_USER_DEFD_WORD;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

std::string Nested(const std::string& head, int depth, const std::string& inner, const std::string& tail) {
  std::string text = head;
  for (int i = 0; i < depth; ++i) text += " (";
  text += " " + inner;
  for (int i = 0; i < depth; ++i) text += " )";
  return text + " " + tail;
}

void SetFunctionNames(bool on) { source.functionNames = on; }

void StartWords(const std::vector<std::string>& words) {
  source.words = words;
  source.next = 0;
  source.functionNames = false;
  source.switchLog.clear();
  DeliveredTokens = 0;
}

std::string ErrorNodeText(OrvExpr* errorNode) {
  std::string text;
  OrvExpr* list = errorNode->NArgs() > 0 ? errorNode->ArgSlots(STMT__SYNTAX_ERROR__SKIPPED_TOKENS)->child : nullptr;
  for (int i = 0; list != nullptr && i < list->NArgs(); ++i) {
    const OrvExpr* kept = list->ArgSlots(i)->child;
    const VString* image = kept != nullptr && kept->HasImage() ? kept->Image() : nullptr;
    if (!text.empty()) text += " ";
    text += image != nullptr && image->text != nullptr ? image->text : "?";
  }
  return text;
}

namespace {

// The parser object of a harness parse: it holds the parse state while
// ParseText runs the engine itself, so it parses no source of its own.
struct HarnessParser : OrvParserImpl {
  OrvParserResult Parse(const VString&, OrvExpr**, OrvTokenList*) override { return ORV_PARSE_FAILED; }
};

}  // namespace

HarnessParse ParseText(const std::string& text, const HarnessOptions& options) {
  HarnessParse parse;
  OrvTokenList messages;
  HarnessParser parser;
  parser.messageList = &messages;
  // Severe and terminal messages go to the process-wide sink, which a test
  // may record.
  parser.messageSink = nullptr;
  parser.root = new OrvExprOper(COBOL_FILE);
  currentParser = &parser;
  StartWords(Words(text));
  const OrvTokenSource savedSource = TokenSource;
  TokenSource = WordSource;
  FailureMemoEnabled = options.memo;
  ForceAbortAtStep = options.forceAbortAtStep;
  ParseResultValue = 0;
  ParseResultPosition = nullptr;

  const auto start = std::chrono::steady_clock::now();
  parse.result = OrvRunParse(options.grammar != nullptr ? *options.grammar : Grammar);
  parse.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  parse.counters = ParseCounters;
  parse.switches = source.switchLog;
  parse.queueRead = LookaheadQueue.readIndex;
  parse.queueEnd = LookaheadQueue.endIndex;
  TokenSource = savedSource;
  FailureMemoEnabled = true;
  ForceAbortAtStep = -1;
  ForgetCollectedWrite();
  if (ParseResultPosition != nullptr) parse.resultPositionTokens = ParseResultPosition->Count();
  // As the parse driver does: the start symbol's list is freed, and what
  // the parse state still owns is released before the tree is read.
  delete ParseResultPosition;
  ParseResultPosition = nullptr;
  ParseResultValue = 0;
  parser.ReleaseParseState();

  if (options.readBack) {
    OrvExpr* tree = parser.root->NArgs() > 0 ? parser.root->ArgSlots(COBOL_FILE__PROGRAM_LIST)->child : nullptr;
    std::ostringstream dump;
    Dump(tree, dump);
    parse.tree = dump.str();
    TreeTokens context{&parse};
    OrvWalkTree(parser.root, &context, "EngineHarnessTokens", &CollectErrorNodes, nullptr,
                &CollectTokens);
  }
  for (OrvTokenListNode* e = messages.Head(); e != nullptr; e = e->next) {
    const VString& t = e->token->image;
    parse.messages.push_back(std::to_string(e->token->code) + " " + (t.text != nullptr ? t.text : "") +
                             " @" + std::to_string(WordIndex(e->token->begin)));
  }
  delete parser.root;
  parser.root = nullptr;
  delete parser.eofTokens;
  parser.eofTokens = nullptr;
  currentParser = nullptr;
  return parse;
}

}  // namespace engine_harness
