// The round trip of the printer tests: a source parsed, its tree printed as
// COBOL with the default settings, the text parsed again, and the two trees
// compared by shape (tests/grammar/TreeShape.h, symbol tables left out) and
// by the comments they hold, in walk order.  COPY and INCLUDE markers of the
// first tree are dropped before the comparison: with no copy directory the
// members' text stands in the printed text between comment lines.
#ifndef LARK_TESTS_PRINTER_ROUNDTRIP_H
#define LARK_TESTS_PRINTER_ROUNDTRIP_H

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvConstNodes.h"
#include "OrvSourceParser.h"
#include "OrvPrettyPrinter.h"
#include "OrvToken.h"
#include "TestStrings.h"
#include "TreeShape.h"

namespace round_trip {

// How a source is read: its dialects and COPY library folders.
struct ParseSettings {
  int dialect = 2;  // ANSI-85
  int secondDialect = 0;
  std::vector<std::string> copyDirs;  // empty: the parser's default "."
  std::vector<std::string> copySuffixes;  // empty: the parser's default ".cpy"
};

// One whole parse; the tree belongs to the object.
struct Parse {
  Parse(const std::string& path, const ParseSettings& settings) {
    parser.messageSink = &MessageRecorder::Sink;
    parser.primaryDialect = settings.dialect;
    parser.secondaryDialect = settings.secondDialect;
    SetList(parser.lexerSettings.copylibDirs, settings.copyDirs);
    SetList(parser.lexerSettings.copylibSuffixes, settings.copySuffixes);
    VString problem;
    parser.ResolveDialectOptions(problem);
    result = parser.Parse(VString(path.c_str()), &tree, &messages);
  }
  ~Parse() { delete tree; }
  Parse(const Parse&) = delete;
  Parse& operator=(const Parse&) = delete;

  // The syntax errors of the parse, one "line:column text" each.
  std::vector<std::string> SyntaxErrors() const {
    std::vector<std::string> out;
    for (const OrvTokenListNode* e = messages.Head(); e != nullptr; e = e->next) {
      const std::string text = Str(e->token->image);
      if (text.find("syntax error") != std::string::npos)
        out.push_back(std::to_string(e->token->begin.Line()) + ":" + std::to_string(e->token->begin.Column() + 1) +
                      " " + text);
    }
    return out;
  }

  // Replaces the entries of a settings list by `items` (none: the default
  // stays).
  static void SetList(VStringArray& list, const std::vector<std::string>& items) {
    if (items.empty()) return;
    list.count = 0;
    for (const std::string& item : items) list.items[list.count++] = VString(item.c_str());
  }

  MessageRecorder recorder;
  OrvSourceParser parser;
  OrvTokenList messages;
  OrvExpr* tree = nullptr;
  OrvParserResult result = ORV_PARSE_OK;
};

// Empties every slot that holds a symbol table.
inline void DropSymbolTables(OrvExpr* node) {
  if (node == nullptr) return;
  for (int i = 0; i < node->NArgs(); ++i) {
    OrvExpr* child = node->Args(i);
    if (child != nullptr && child->Oper() == SYMBOL_TABLE_ELT_LIST)
      node->SetArg(i, static_cast<OrvExpr*>(nullptr));
    else
      DropSymbolTables(child);
  }
}

inline bool IsMarker(int op) {
  return op == STMT_INLINED_COPY_BEG || op == STMT_INLINED_COPY_END || op == STMT_INLINED_INCLUDE_BEG ||
         op == STMT_INLINED_INCLUDE_END;
}

// A statement list of NOTE statements only.
inline bool OnlyNotes(const OrvExpr* list) {
  for (int i = 0; i < list->NArgs(); ++i)
    if (list->Args(i) == nullptr || list->Args(i)->Oper() != STMT_NOTE) return false;
  return true;
}

inline bool Absent(const OrvExpr* node) { return node == nullptr || node->IsNullNode(); }

// A section or paragraph without a name and without content: what a COPY
// marker before the first paragraph leaves once it is dropped.
inline bool EmptyUnnamedProcedure(const OrvExpr* node) {
  if (node == nullptr) return false;
  if (node->Oper() == PARA_PROC) return Absent(node->Args(0)) && Absent(node->Args(1));
  if (node->Oper() == SECTION_PROC) return Absent(node->Args(0)) && Absent(node->Args(2));
  return false;
}

// Whether a child is dropped from a list: a COPY marker, a NOTE statement,
// an empty unnamed procedure.
inline bool Dropped(const OrvExpr* child) {
  return IsMarker(child->Oper()) || child->Oper() == STMT_NOTE || EmptyUnnamedProcedure(child);
}

// Drops what the comparison leaves out: symbol tables (their slots read as
// empty), COPY markers (dropped from lists, read as NULL_NODE in positional
// slots; a list they leave empty reads as NULL_NODE, an EX_LIST they leave
// with one item as that item), NOTE statements, which print as comment
// lines only, and the empty statement an ENTER statement leaves (a
// sentence left without statements reads as an empty sentence).  The
// children are normalised first; the node that takes the place of `node`
// is returned.
inline OrvExpr* Normalise(OrvExpr* node) {
  if (node == nullptr) return nullptr;
  const bool list = OrvOperIsList(node->Oper()) != 0;
  for (int i = 0; i < node->NArgs(); ++i) {
    OrvExpr* child = node->Args(i);
    if (child == nullptr) continue;
    if (child->Oper() == SYMBOL_TABLE_ELT_LIST) {
      node->SetArg(i, static_cast<OrvExpr*>(nullptr));
    } else if (!list && IsMarker(child->Oper())) {
      node->SetArg(i, new OrvNullNode());
    } else {
      OrvExpr* normal = Normalise(child);
      if (normal != child) node->SetArg(i, normal);
    }
  }
  bool dropped = false;
  for (int i = 0; list && i < node->NArgs(); ++i) {
    if (node->Args(i) != nullptr && Dropped(node->Args(i))) {
      delete node->DelArg(i, 1, 0);
      --i;
      dropped = true;
    }
  }
  OrvExpr* replacement = nullptr;
  if (node->Oper() == SENTENCE && node->NArgs() == 1 && Absent(node->Args(0))) {
    replacement = new OrvExprOper(SENTENCE_EMPTY);
  } else if (dropped && node->NArgs() == 0) {
    replacement = new OrvNullNode();
  } else if (dropped && node->Oper() == EX_LIST && node->NArgs() == 1) {
    replacement = node->DelArg(0, 1, 0);
  }
  if (replacement == nullptr) return node;
  if (node->Parent() == nullptr) delete node;
  return replacement;
}

// The texts of the comments of a subtree in walk order (each slot's tokens,
// then its child; the node's own tokens last), the first byte's high bit
// cleared, the enter and exit lines of COPY members left out.  Of a marker
// only the comments that the printer writes are kept: those in front of a
// begin marker and those in an end marker's own tokens.
inline void CollectComments(const OrvExpr* node, std::vector<std::string>& out);

inline void CollectTokens(const OrvTokenList& tokens, std::vector<std::string>& out) {
  for (const OrvTokenListNode* e = tokens.Head(); e != nullptr; e = e->next) {
    const OrvToken* token = e->token;
    if (token == nullptr || (token->code != CM_COMMENT && token->code != CM_PERSISTENT)) continue;
    std::string text = Str(token->image);
    if (!text.empty()) text[0] = static_cast<char>(text[0] & 0x7f);
    if (text.find("* === Enter copylib ") == 0 || text.find("* === Exit copylib ") == 0) continue;
    out.push_back(text);
  }
}

inline void CollectComments(const OrvExpr* node, std::vector<std::string>& out) {
  if (node == nullptr || node->Oper() == SYMBOL_TABLE_ELT_LIST) return;
  const int op = node->Oper();
  if (IsMarker(op)) {
    const bool begin = op == STMT_INLINED_COPY_BEG || op == STMT_INLINED_INCLUDE_BEG;
    if (begin && node->NArgs() > 0 && node->ArgSlots(0) != nullptr) CollectTokens(node->ArgSlots(0)->tokens, out);
    if (!begin) CollectTokens(node->Tokens(), out);
    return;
  }
  for (int i = 0; i < node->NArgs(); ++i) {
    const OrvArgSlot* slot = node->ArgSlots(i);
    if (slot != nullptr) CollectTokens(slot->tokens, out);
    CollectComments(node->Args(i), out);
  }
  CollectTokens(node->Tokens(), out);
}

inline std::vector<std::string> Comments(const OrvExpr* tree) {
  std::vector<std::string> out;
  CollectComments(tree, out);
  return out;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The first place where two texts of lines differ, for failure messages.
inline std::string FirstDifference(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  const std::size_t from = i > 60 ? i - 60 : 0;
  return "at " + std::to_string(i) + ":\n<<< " + a.substr(from, 160) + "\n>>> " + b.substr(from, 160);
}

// What one round trip found.
struct Outcome {
  bool parsed = false;           // the source parsed without syntax error
  int printResult = -1;          // PrintFile's result
  std::vector<std::string> printMessages;
  std::vector<std::string> reparseErrors;  // syntax errors of the printed text
  std::string firstShape, secondShape;
  std::vector<std::string> firstComments, secondComments;
  std::string printed;           // the printed text
};

// Parses `source`, prints it into `outPath`, parses that with the same
// dialects and no copy library, and compares.
inline Outcome Run(const std::string& source, const std::string& outPath, const ParseSettings& settings,
                   OrvPrettyPrinterImpl& printer) {
  Outcome outcome;
  Parse first(source, settings);
  outcome.parsed = first.tree != nullptr && first.SyntaxErrors().empty();
  if (!outcome.parsed) return outcome;
  OrvTokenList messages;
  outcome.printResult = printer.PrintFile(VString(outPath.c_str()), first.tree, &messages);
  for (const OrvTokenListNode* e = messages.Head(); e != nullptr; e = e->next)
    outcome.printMessages.push_back(Str(e->token->image));
  outcome.printed = ReadFile(outPath);
  outcome.firstComments = Comments(first.tree);
  first.tree = Normalise(first.tree);
  outcome.firstShape = tree_shape::Shape(first.tree);

  ParseSettings again = settings;
  again.copyDirs = {"/nonexistent-copy-library"};
  Parse second(outPath, again);
  outcome.reparseErrors = second.SyntaxErrors();
  if (second.tree == nullptr) return outcome;
  outcome.secondComments = Comments(second.tree);
  second.tree = Normalise(second.tree);
  outcome.secondShape = tree_shape::Shape(second.tree);
  return outcome;
}

}  // namespace round_trip

#endif
