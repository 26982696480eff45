// EXEC blocks of other subsystems and NOTE text: the token groups the lexer
// hands to the parser become lines of preserved text under an STMT_EXEC
// node, and comment lines of a NOTE statement.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NoSourceParser.h"
#include "OrvOperSlots.h"
#include "SemaTestSupport.h"

namespace {

struct Tok {
  int code;
  const char* image;
};

// A token group: its main token at (line, column), the attached tokens in
// front of it.
OrvTokenGroup* Group(int code, const char* image, int line, int column,
                     std::initializer_list<Tok> attached = {}) {
  int width = static_cast<int>(std::string(image).size());
  OrvTokenGroup* group = new OrvTokenGroup(
      new OrvToken(code, VString(image), OrvTxtPosn(line, column, 1),
                   OrvTxtPosn(line, column + width, 1)));
  for (const Tok& t : attached) {
    OrvToken* token = new OrvToken(t.code, VString(t.image), OrvTxtPosn(line, column, 1),
                                   OrvTxtPosn(line, column, 1));
    group->attached.Append(token);
  }
  return group;
}

// The group of a text as the lexer hands it in an EXEC block: a line feed,
// a blank, or a word.
OrvTokenGroup* ExecGroup(const char* text, int line, int column) {
  std::string t(text);
  if (t == "\n") return Group(TK_CHAR_STRING, "\n", line, column);
  if (t == " ") return Group(SEP_SPACE, " ", line, column);
  return Group(TK_USER_DEFD_WORD, text, line, column);
}

// An STMT_EXEC node as text: the subsystem word (or NULL), then each line
// in parentheses with its items' texts joined by "|".
std::string Render(const OrvExpr* exec) {
  const OrvExpr* subsystem = exec->Args(STMT_EXEC__EXEC_KIND);
  std::string out = subsystem->Oper() == NULL_NODE ? "NULL" : Str(*subsystem->Image());
  const OrvExpr* lines = exec->Args(STMT_EXEC__EXEC_LINES);
  EXPECT_EQ(lines->Oper(), EX_EXEC_LINE_LIST);
  for (int i = 0; i < lines->NArgs(); ++i) {
    const OrvExpr* line = lines->Args(i);
    EXPECT_EQ(line->Oper(), EX_EXEC_TOKEN_LIST);
    out += " (";
    for (int j = 0; j < line->NArgs(); ++j) {
      if (j > 0) out += "|";
      out += Str(*line->Args(j)->Image());
    }
    out += ")";
  }
  return out;
}

std::string Images(const OrvTokenList& list) {
  std::string out;
  for (OrvTokenListNode* e = list.Head(); e != nullptr; e = e->next) {
    out += "[" + Str(e->token->image) + "]";
  }
  return out;
}

using HookTest = sematest::ParserTest;

TEST_F(HookTest, AnExecBlockBecomesItsSubsystemWordAndItsLines) {
  const struct {
    const char* name;
    std::vector<const char*> texts;
    const char* exec;
  } cases[] = {
      {"blank lines in front, an empty line inside",
       {"\n", " ", "\n", "SUB", "a", "b", "\n", "\n", "c", "\n"},
       "SUB (a|b) (c)"},
      {"words after the subsystem word on its line", {"SUB", "x", "\n", " ", "y"}, "SUB (x) ( |y)"},
      {"the subsystem word alone", {"DLI"}, "DLI"},
      // Mend: a block without a word reads nothing past its items.
      {"no group at all", {}, "NULL"},
      {"only blanks and line feeds", {" ", "\n", " ", "\n"}, "NULL"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int column = 12;
    for (const char* text : c.texts) {
      OrvParserImpl::AddExecToken(ExecGroup(text, 5, column));
      column += 2;
    }
    OrvExpr* exec = parser.MakeExecLines(STMT_EXEC);
    owned.push_back(exec);
    EXPECT_EQ(exec->Oper(), STMT_EXEC);
    EXPECT_EQ(Render(exec), c.exec);
    EXPECT_EQ(parser.execTokens, nullptr);
  }
}

TEST_F(HookTest, EachGroupBecomesATokenStringOfPreservedText) {
  OrvParserImpl::AddExecToken(Group(TK_USER_DEFD_WORD, "SUB", 6, 12));
  OrvParserImpl::AddExecToken(Group(SEP_COMMA, ",", 6, 20,
                                    {{SEP_SPACE, " "}, {CM_COMMENT, "      * remark"}}));
  ASSERT_NE(parser.execTokens, nullptr);
  ASSERT_EQ(parser.execTokens->Oper(), EX_EXEC_TOKEN_LIST);
  ASSERT_EQ(parser.execTokens->NArgs(), 2);
  OrvExpr* item = parser.execTokens->Args(1);
  EXPECT_EQ(item->Oper(), TOKEN_STRING);
  EXPECT_EQ(Str(*item->Image()), ",");
  // Attached tokens first, then the main token.
  std::vector<std::pair<int, std::string>> tokens;
  for (OrvTokenListNode* e = item->Tokens().Head(); e != nullptr; e = e->next) {
    tokens.push_back({e->token->code, Str(e->token->image)});
  }
  EXPECT_EQ(tokens, (std::vector<std::pair<int, std::string>>{
                        {PRESERVED_SPACE, " "},
                        // Mend: a comment keeps its code and its own text.
                        {CM_COMMENT, "      * remark"},
                        {PRESERVED_STRING, ","},
                    }));
  owned.push_back(parser.MakeExecLines(STMT_EXEC));

  // Without a running parse the group is only freed.
  currentParser = nullptr;
  OrvParserImpl::AddExecToken(Group(TK_USER_DEFD_WORD, "LOST", 7, 12));
  currentParser = &parser;
  EXPECT_EQ(parser.execTokens, nullptr);
}

TEST_F(HookTest, CommentLinesGoInFrontOfTheirLineExceptOnARealFirstLine) {
  for (bool realFirstLine : {true, false}) {
    SCOPED_TRACE(realFirstLine ? "words follow the subsystem word" : "the word ends its line");
    OrvParserImpl::AddExecToken(Group(TK_USER_DEFD_WORD, "SUB", 8, 12));
    if (realFirstLine) {
      OrvParserImpl::AddExecToken(Group(TK_USER_DEFD_WORD, "a", 8, 16, {{CM_COMMENT, "*c1"}}));
    }
    OrvParserImpl::AddExecToken(Group(TK_CHAR_STRING, "\n", 8, 20));
    OrvParserImpl::AddExecToken(
        Group(TK_USER_DEFD_WORD, "b", 9, 12, {{CM_COMMENT, "*c2"}, {SEP_SPACE, " "}}));
    OrvParserImpl::AddExecToken(Group(TK_USER_DEFD_WORD, "c", 9, 16, {{CM_COMMENT, "*c3"}}));
    OrvExpr* exec = parser.MakeExecLines(STMT_EXEC);
    owned.push_back(exec);
    OrvExpr* lines = exec->Args(STMT_EXEC__EXEC_LINES);
    int last = lines->NArgs() - 1;
    ASSERT_EQ(last, realFirstLine ? 1 : 0);
    // The comments of the last line moved to the slot that holds it.
    EXPECT_EQ(Images(lines->ArgSlots(last)->tokens), "[*c2][*c3]");
    EXPECT_EQ(Images(lines->Args(last)->Args(0)->Tokens()), "[ ][b]");
    if (realFirstLine) {
      EXPECT_TRUE(lines->ArgSlots(0)->tokens.IsEmpty());
      EXPECT_EQ(Images(lines->Args(0)->Args(0)->Tokens()), "[*c1][a]");
    }
  }
}

TEST_F(HookTest, ANoteBecomesOneCommentLinePerSourceLine) {
  // NOTE THIS IS / A NOTE / OVER THREE LINES, each line ended by a line
  // feed group.
  const struct {
    int code;
    const char* text;
    int line;
    int column;
  } groups[] = {
      {RW_NOTE, "NOTE", 2, 11},          {SEP_SPACE, " ", 2, 15},
      {TK_USER_DEFD_WORD, "THIS", 2, 16}, {TK_CHAR_STRING, "\n", 2, 20},
      {TK_USER_DEFD_WORD, "A", 3, 11},    {SEP_SPACE, " ", 3, 12},
      {TK_USER_DEFD_WORD, "TEXT", 3, 13}, {TK_CHAR_STRING, "\n", 3, 17},
      {TK_CHAR_STRING, "\n", 4, 0},  // a line feed without a line adds nothing
      {TK_USER_DEFD_WORD, "END", 5, 11},
  };
  for (const auto& g : groups) {
    OrvTokenGroup* group = Group(g.code, g.text, g.line, g.column, {{CM_COMMENT, "*ignored"}});
    OrvParserImpl::AddNoteToken(group);
    delete group;  // the lexer frees the groups
  }
  // The statement: its NOTE and end-of-NOTE tokens give way to the lines.
  OrvExpr* statement = new OrvExprOper(STMT_NOTE);
  owned.push_back(statement);
  statement->Tokens().AddToken(RW_NOTE, OrvTxtPosn(2, 11, 1), VString("NOTE"));
  statement->Tokens().AddToken(TK_END_NOTE, OrvTxtPosn(5, 14, 1), VString(""));
  statement->Tokens().AddToken(SEP_DOT, OrvTxtPosn(5, 14, 1), VString("."));
  parser.FinishNote(statement);
  EXPECT_EQ(parser.noteLine, nullptr);
  EXPECT_TRUE(parser.noteTokens.IsEmpty());

  std::vector<std::string> lines;
  for (OrvTokenListNode* e = statement->Tokens().Head(); e != nullptr; e = e->next) {
    const OrvToken* t = e->token;
    lines.push_back(std::to_string(t->code) + " " + Str(t->image) + " " + t->begin.ToString().text +
                    "-" + t->end.ToString().text);
  }
  const std::string persistent = std::to_string(CM_PERSISTENT);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       std::to_string(SEP_DOT) + " . " + OrvTxtPosn(5, 14, 1).ToString().text +
                           "-" + OrvTxtPosn(5, 14, 1).ToString().text,
                       persistent + " * NOTE THIS " + OrvTxtPosn(2, 11, 1).ToString().text + "-" +
                           OrvTxtPosn(2, 20, 1).ToString().text,
                       persistent + " * A TEXT " + OrvTxtPosn(3, 11, 1).ToString().text + "-" +
                           OrvTxtPosn(3, 17, 1).ToString().text,
                       persistent + " * END " + OrvTxtPosn(5, 11, 1).ToString().text + "-" +
                           OrvTxtPosn(5, 14, 1).ToString().text,
                   }));
}

TEST(OrvParseSettings, RestoreParseSettingsUndoesWhatTheGrammarSetForOneSource) {
  for (int resolved : {0, 1}) {
    SCOPED_TRACE(resolved);
    NoSourceParser parser;
    parser.numSignTrailSep = resolved;
    parser.ResetParseState();
    parser.numSignTrailSep = 1;  // NUMERIC SIGN IS TRAILING SEPARATE
    parser.RestoreParseSettings();
    EXPECT_EQ(parser.numSignTrailSep, resolved);
  }
}

TEST(OrvNoteTokens, OnlyTheNoteWordAndTheEndOfNoteAreNoteTokens) {
  const struct {
    int code;
    bool note;
  } cases[] = {{RW_NOTE, true}, {TK_END_NOTE, true}, {CM_PERSISTENT, false}, {SEP_DOT, false}};
  for (const auto& c : cases) {
    OrvToken token(c.code, VString("x"), OrvTxtPosnRange());
    EXPECT_EQ(IsNoteToken(&token), c.note) << c.code;
  }
  EXPECT_FALSE(IsNoteToken(nullptr));
}

}  // namespace
