// Tests of directive lines and constants: the conditional-compilation stack
// of "$IF", "$ELSE" and "$END" lines, the evaluation of "$IF" conditions,
// "$SET CONSTANT" and "$DISPLAY" lines, and OrvLexer::SetConstant.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "LexerTestSupport.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvSymTab.h"

namespace {

// The compilation unit that constants are declared under, and the two hooks
// that the parser object would give the lexer.
OrvExpr* gRoot = nullptr;

OrvSymTabElt* LookUp(const VString& name) {
  return OrvSymTabFindOrAddElt(gRoot->Args(FILE_SYMBOL_TABLE), name);
}

OrvExpr* Root() { return gRoot; }

class RootTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gRoot = new OrvExprOper(COBOL_FILE);
    gRoot->SetArg(FILE_SYMBOL_TABLE, new OrvExprOper(SYMBOL_TABLE_ELT_LIST), -1, 0);
  }
  void TearDown() override {
    delete gRoot;
    gRoot = nullptr;
  }

  // The value node of the constant declared as the i-th entry under the root.
  static OrvExpr* ConstantValue(int i) {
    OrvExpr* list = gRoot->Args(COBOL_FILE__EXTERNAL_DEFINITIONS);
    if (list == nullptr || list->Oper() != DECL_DD_LIST || i >= list->NArgs()) return nullptr;
    OrvExpr* entry = list->Args(i)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
    EXPECT_EQ(DECL_CONST_ENTRY, entry->Oper());
    return entry->Args(DECL_CONST_ENTRY__CONSTANT_VALUE)->Args(EX_CONST_VALUE__VALUE);
  }
  static std::string ConstantName(int i) {
    return Str(*gRoot->Args(COBOL_FILE__EXTERNAL_DEFINITIONS)
                    ->Args(i)
                    ->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)
                    ->Args(DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED)
                    ->Image());
  }
};

typedef std::vector<std::pair<int, std::string>> Messages;

Messages Recorded(const MessageRecorder& rec) {
  Messages all;
  for (const RecordedMessage& m : rec.messages()) all.push_back({m.level, m.text});
  return all;
}

// The lines that GetLine gives as code, by their text from Area A.
std::vector<std::string> CodeLines(OrvLexer& lexer) {
  std::vector<std::string> code;
  for (int i = 0; i < 1000; ++i) {
    const int c = lexer.GetLine();
    if (c == SEP_EOF) return code;
    if (c == ORV_LINE_OF_CODE) code.push_back(std::string(lexer.LineText()).substr(7));
  }
  ADD_FAILURE() << "no end of input";
  return code;
}

// A directive line: '$' in the indicator column, the rest from Area A.
std::string Dir(const std::string& text) { return FixedLine(text, "", '$'); }

struct IfCase {
  const char* what;
  std::vector<std::string> source;
  std::vector<std::string> code;
  Messages messages;
};

void PrintTo(const IfCase& c, std::ostream* os) { *os << c.what; }

class ConditionalTest : public RootTest, public ::testing::WithParamInterface<IfCase> {};

TEST_P(ConditionalTest, ReadsTheActiveLines) {
  const IfCase& c = GetParam();
  LexerRun run(&LookUp, &Root);
  std::string source;
  for (const std::string& l : c.source) source += l + "\n";
  run.Open(source, ORV_LINE_FORMAT_FIXED, DialsOf({ORV_DIAL_MF}));
  EXPECT_EQ(c.code, CodeLines(run.lexer));
  EXPECT_EQ(c.messages, Recorded(run.rec));
}

const char* const kNotEvaluated = "Condition could not be evaluated. Condition assumed False.";

INSTANTIATE_TEST_SUITE_P(
    OrvLexerDirectives, ConditionalTest,
    ::testing::Values(
        IfCase{"false branch then else",
               {Dir("IF X DEFINED"), AreaA("A."), Dir("ELSE"), AreaA("B."), Dir("END"), AreaA("C.")},
               {"B.", "C."},
               {}},
        IfCase{"true branch",
               {Dir("IF X NOT DEFINED"), AreaA("A."), Dir("ELSE"), AreaA("B."), Dir("END")},
               {"A."},
               {}},
        IfCase{"an $IF inside a skipped branch pairs with its own $ELSE and $END",
               {Dir("IF X DEFINED"), Dir("IF Y DEFINED"), AreaA("A."), Dir("ELSE"), AreaA("B."),
                Dir("END"), AreaA("C."), Dir("ELSE"), AreaA("D."), Dir("END")},
               {"D."},
               {}},
        IfCase{"directive word in Area A",
               {AreaA("$IF X DEFINED"), AreaA("A."), AreaA("$END"), AreaA("B.")},
               {"B."},
               {}},
        IfCase{"undefined names compare equal",
               {Dir("IF U1 = U2"), AreaA("A."), Dir("END")},
               {"A."},
               {{MSG_WARN, "Undefined constant 'U1' in $IF condition. Assumed to be null-string."},
                {MSG_WARN, "Undefined constant 'U2' in $IF condition. Assumed to be null-string."}}},
        IfCase{"literal and number do not order",
               {Dir("IF 'A' < 1"), AreaA("A."), Dir("ELSE"), AreaA("B."), Dir("END")},
               {"B."},
               {{MSG_ERR, "Bad argument types in $IF."}, {MSG_ERR, kNotEvaluated}}},
        IfCase{"numbers order",
               {Dir("IF 10 > 9"), AreaA("A."), Dir("END"), Dir("IF 10 NOT < 9"), AreaA("B."), Dir("END"),
                Dir("IF 'AB' = 'AB'"), AreaA("C."), Dir("END"), Dir("IF 'AB' NOT = 'ab'"), AreaA("D."),
                Dir("END"), Dir("IF 9 > 10"), AreaA("E."), Dir("END")},
               {"A.", "B.", "C.", "D."},
               {}},
        IfCase{"a number beyond 64 bits is not evaluated",
               {Dir("IF 99999999999999999999 > 1"), AreaA("A."), Dir("ELSE"), AreaA("B."), Dir("END")},
               {"B."},
               {{MSG_ERR, "$IF number too large: 99999999999999999999"}, {MSG_ERR, kNotEvaluated}}},
        IfCase{"a condition that gives up opens no level",
               {Dir("IF"), AreaA("A."), Dir("IF X ABOUT Y"), AreaA("B."), Dir("END")},
               {"A.", "B."},
               {{MSG_ERR, "Non-space token expected here"},
                {MSG_ERR, "Bad operation in $IF"},
                {MSG_ERR, "No corresponding $IF for this $END. Ignored."}}},
        IfCase{"a malformed literal gives up",
               {Dir("IF 'AB = X"), AreaA("A.")},
               {"A."},
               {{MSG_ERR, "$Bad string image: Unterminated string image$"}}},
        IfCase{"unpaired $ELSE and second $ELSE",
               {Dir("ELSE"), Dir("IF X DEFINED"), Dir("ELSE"), AreaA("A."), Dir("ELSE"), AreaA("B."),
                Dir("END"), Dir("END")},
               {"A.", "B."},
               {{MSG_ERR, "No corresponding $IF for this $ELSE. Ignored."},
                {MSG_ERR, "$IF at this level already has $ELSE. Ignored."},
                {MSG_ERR, "No corresponding $IF for this $END. Ignored."}}},
        IfCase{"the eleventh level is refused",
               {Dir("IF 1 = 1"), Dir("IF 1 = 1"), Dir("IF 1 = 1"), Dir("IF 1 = 1"), Dir("IF 1 = 1"),
                Dir("IF 1 = 1"), Dir("IF 1 = 1"), Dir("IF 1 = 1"), Dir("IF 1 = 1"), Dir("IF 1 = 1"),
                Dir("IF 1 = 2"), AreaA("A.")},
               {"A."},
               {{MSG_SEVERE, "Embedded $IF: nesting too deep"}}},
        IfCase{"display",
               {Dir("DISPLAY hello  world"), AreaA("A.")},
               {"A."},
               {{MSG_INFO, "$DISPLAY: hello  world"}}},
        IfCase{"constants set and tested",
               {Dir("SET CONSTANT N(10) S'abc'"), Dir("IF N > 9"), AreaA("A."), Dir("END"),
                Dir("IF S = 'ABC'"), AreaA("B."), Dir("END"), Dir("IF N DEFINED"), AreaA("C."), Dir("END"),
                Dir("IF M NOT DEFINED"), AreaA("D."), Dir("END")},
               {"A.", "B.", "C.", "D."},
               {}},
        IfCase{"set without CONSTANT is ignored",
               {Dir("SET ANS85"), Dir("IF ANS85 DEFINED"), AreaA("A."), Dir("END"), AreaA("B.")},
               {"B."},
               {}},
        IfCase{"-INC lines act in skipped branches",
               {Dir("IF X DEFINED"), "-INC MEMBER", Dir("END")},
               {},
               {}}),
    CaseName<IfCase>);

TEST_F(RootTest, DirectiveLinesAreCommentsFromTheirWord) {
  LexerRun run(&LookUp, &Root);
  run.Open(Lines({AreaA("$IF X DEFINED"), Dir("END"), "-INC MEMBER"}), ORV_LINE_FORMAT_FIXED,
           DialsOf({ORV_DIAL_MF}));
  EXPECT_EQ(CM_COMMENT, run.lexer.GetLine());
  EXPECT_EQ("      $IF  X DEFINED", std::string(run.lexer.LineText()));
  EXPECT_EQ(CM_COMMENT, run.lexer.GetLine());
  // A -INC line in a skipped branch is still a library inclusion.
  EXPECT_EQ(CM_LIBR_INC, run.lexer.GetLine());
}

TEST_F(RootTest, DollarLinesAreOnlyDirectivesInMicroFocus) {
  LexerRun run(&LookUp, &Root);
  run.Open(Lines({Dir("IF X DEFINED"), AreaA("A.")}));
  EXPECT_EQ(ORV_LINE_OF_CODE, run.lexer.GetLine());
  EXPECT_EQ(ORV_LINE_OF_CODE, run.lexer.GetLine());
}

TEST_F(RootTest, SetConstantEntries) {
  struct {
    const char* entry;
    int result;
    const char* name;
    int oper;
    const char* image;
    const char* value;
    long long intValue;
    const char* message;
  } cases[] = {
      {"A'abc'", 0, "A", STR_CONST, "'abc'", "abc", 0, ""},
      {"b-2\"x y\"", 0, "B-2", STR_CONST, "\"x y\"", "x y", 0, ""},
      {"B(12)", 0, "B", INT_NUM_CONST, "12", "", 12, ""},
      {"N(-7)", 0, "N", INT_NUM_CONST, "-7", "", -7, ""},
      {"H(H'41')", 0, "H", INT_NUM_CONST, "65", "", 65, ""},
      {"W(3000000000)", 0, "W", INT_NUM_CONST, "3000000000", "", 3000000000LL, ""},
      {"C(12", 2, "", 0, "", "", 0, "Bad constant set: C(12"},
      {"D(1X)", 2, "", 0, "", "", 0, "Bad numeric constant set: D(1X)"},
      {"E()", 2, "", 0, "", "", 0, "Bad numeric constant set: E()"},
      {"(5)", 2, "", 0, "", "", 0, "Bad constant set: (5)"},
      {"'abc'", 2, "", 0, "", "", 0, "Bad constant set: 'abc'"},
      {"F", 2, "", 0, "", "", 0, "Bad constant set: F"},
      {"G=1", 2, "", 0, "", "", 0, "Bad constant set: G=1"},
      {"A'abc", 2, "", 0, "", "", 0, "Bad constant set: A'abc"},
  };
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, &LookUp, &Root);
  int declared = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    rec.clear();
    EXPECT_EQ(c.result, lexer.SetConstant(VString(c.entry), gRoot));
    if (c.result != 0) {
      ASSERT_EQ(1u, rec.size());
      EXPECT_EQ(MSG_ERR, rec.level(0));
      EXPECT_EQ(c.message, rec.text(0));
      continue;
    }
    EXPECT_EQ(0u, rec.size()) << rec.Dump();
    OrvExpr* value = ConstantValue(declared);
    ASSERT_NE(nullptr, value);
    EXPECT_EQ(c.name, ConstantName(declared));
    EXPECT_EQ(c.oper, value->Oper());
    EXPECT_EQ(c.image, Str(*value->Image()));
    if (c.oper == STR_CONST)
      EXPECT_EQ(c.value, Str(static_cast<OrvStrConst*>(value)->StrValue()));
    else
      EXPECT_EQ(c.intValue, value->IntValue());
    ++declared;
  }
  EXPECT_EQ(declared, gRoot->Args(COBOL_FILE__EXTERNAL_DEFINITIONS)->NArgs());
}

TEST_F(RootTest, NamesThatAreNoConstantsAreUndefined) {
  // A name with a definition outside a constant entry, and one defined by
  // a definition that hangs nowhere yet.
  OrvNamedObjDef* loose = OrvSymTabDefineName(VString("LOOSE"), SYMCAT_DATA_NAME, 0, gRoot);
  OrvExpr* item = new OrvExprOper(DECL_DD_ENTRY);
  item->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, OrvSymTabDefineName(VString("ITEM"), SYMCAT_DATA_NAME, 0, gRoot), -1, 0);
  LexerRun run(&LookUp, &Root);
  run.Open(Lines({Dir("IF LOOSE DEFINED"), AreaA("A."), Dir("END"), Dir("IF ITEM DEFINED"), AreaA("B."),
                  Dir("END"), AreaA("C.")}),
           ORV_LINE_FORMAT_FIXED, DialsOf({ORV_DIAL_MF}));
  EXPECT_EQ((std::vector<std::string>{"C."}), CodeLines(run.lexer));
  EXPECT_EQ(0u, run.rec.size()) << run.rec.Dump();
  delete item;
  delete loose;
}

TEST_F(RootTest, SetConstantWithoutContextDeclaresNothing) {
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, &LookUp, &Root);
  EXPECT_EQ(ORV_DIRECTIVE_FAILED, lexer.SetConstant(VString("A(1)"), nullptr));
  ASSERT_EQ(1u, rec.size());
  EXPECT_EQ(MSG_SEVERE, rec.level(0));
}

TEST_F(RootTest, WideConstantsCompareAsSixtyFourBits) {
  LexerRun run(&LookUp, &Root);
  run.Open(Lines({Dir("IF B > 2999999999"), AreaA("A."), Dir("END"), Dir("IF B = 3000000000"),
                  AreaA("B."), Dir("END")}),
           ORV_LINE_FORMAT_FIXED, DialsOf({ORV_DIAL_MF}));
  ASSERT_EQ(0, run.lexer.SetConstant(VString("B(3000000000)"), gRoot));
  EXPECT_EQ((std::vector<std::string>{"A.", "B."}), CodeLines(run.lexer));
  EXPECT_EQ(0u, run.rec.size()) << run.rec.Dump();
}

TEST_F(RootTest, TraceOfConstants) {
  TraceCapture trace;
  LexerRun run(&LookUp, &Root);
  run.lexer.settings.traceFlags = ORV_LEX_TRACE_CONSTANTS;
  run.Open(Lines({Dir("SET CONSTANT N(10) S'x'"), Dir("IF N = S"), Dir("END"), Dir("IF Q = S")}),
           ORV_LINE_FORMAT_FIXED, DialsOf({ORV_DIAL_MF}));
  CodeLines(run.lexer);
  EXPECT_EQ(
      "$PPvar$ SET number: name=N value=10\n"
      "$PPvar$ SET string: name=S value='X'\n"
      "$PPvar$: get name=N int_value=10\n"
      "$PPvar$: get name=S str_value=X\n"
      "$PPvar$: get name=Q value=UNDEFINED\n"
      "$PPvar$: get name=S str_value=X\n",
      trace.text());
}

}  // namespace
