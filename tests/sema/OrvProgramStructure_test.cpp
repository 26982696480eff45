// Program structure: starting and ending (nested) programs, the end of the
// source, the limit of the program stack, and the filing of sections,
// paragraphs and sentences.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvOperSlots.h"
#include "OrvTreeUtil.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;

class ProgramTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
  }
  // An END PROGRAM header naming `name`.
  OrvExpr* EndNode(const char* name) {
    return new OrvExprOper(END_COBOL_PROGRAM, Use(SYMCAT_PROGRAM_NAME, {name}));
  }
  // The programs of a program list slot, in order.
  static std::vector<OrvExpr*> ProgramsIn(OrvExpr* node, int slot) {
    std::vector<OrvExpr*> out;
    OrvExpr* list = node->Args(slot);
    if (list == nullptr || list->Oper() != COBOL_PROGRAM_LIST) return out;
    for (int i = 0; i < list->NArgs(); ++i) out.push_back(list->Args(i));
    return out;
  }
};

TEST_F(ProgramTest, StartProgramPushesAProgramWithItsOwnSymbolTable) {
  parser.currencySign = '#';
  OrvExpr* p = parser.StartProgram();
  ASSERT_EQ(p->Oper(), COBOL_PROGRAM);
  EXPECT_EQ(parser.currencySign, '$');
  EXPECT_EQ(parser.progDepth, 2);
  EXPECT_EQ(parser.progStack[0], parser.root);
  EXPECT_EQ(parser.progStack[1], p);
  OrvExpr* table = p->Args(PROG_SYMBOL_TABLE);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->Oper(), SYMBOL_TABLE_ELT_LIST);
  EXPECT_EQ(parser.curSymTab, table);
}

TEST_F(ProgramTest, ProgramsLeftOpenAreEndedAtTheEndOfTheSource) {
  for (int open : {1, 2, 3}) {
    SCOPED_TRACE(open);
    NextParse();
    StartFile();
    std::vector<OrvExpr*> started;
    for (int i = 0; i < open; ++i) {
      std::string name = "P" + std::to_string(i);
      started.push_back(BeginProgram(name.c_str()));
    }
    parser.FinishSource(0);
    std::vector<std::string> want;
    if (open > 1) want.push_back(Line(MSG_ERR, "There is more than one un-ENDed Program. Ending them all."));
    EXPECT_EQ(Messages(), want);
    EXPECT_EQ(ProgramsIn(parser.root, COBOL_FILE__PROGRAM_LIST), started);  // consecutive, in source order
    EXPECT_EQ(parser.progDepth, 1);
    EXPECT_EQ(parser.curSymTab, OrvOwnerSymTab(parser.root));
    for (OrvExpr* p : started) {
      EXPECT_EQ(p->Args(COBOL_PROGRAM__CONTAINED_PROGRAMS)->Oper(), NULL_NODE);
      EXPECT_EQ(p->Args(COBOL_PROGRAM__END_PROGRAM_HEADER)->Oper(), NULL_NODE);
    }
  }
}

TEST_F(ProgramTest, EndProgramClosesTheInnermostProgramIntoItsParent) {
  OrvExpr* outer = BeginProgram("OUTER");
  OrvExpr* inner = BeginProgram("INNER");
  OrvExpr* endInner = EndNode("INNER");
  parser.EndProgram(endInner);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(inner->Args(COBOL_PROGRAM__END_PROGRAM_HEADER), endInner);
  EXPECT_EQ(ProgramsIn(outer, COBOL_PROGRAM__CONTAINED_PROGRAMS), std::vector<OrvExpr*>{inner});
  EXPECT_EQ(parser.progDepth, 2);
  EXPECT_EQ(parser.curSymTab, OrvOwnerSymTab(outer));
  EXPECT_EQ(inner->Args(COBOL_PROGRAM__CONTAINED_PROGRAMS)->Oper(), NULL_NODE);

  OrvExpr* endOuter = EndNode("OUTER");
  parser.EndProgram(endOuter);
  EXPECT_EQ(ProgramsIn(parser.root, COBOL_FILE__PROGRAM_LIST), std::vector<OrvExpr*>{outer});
  EXPECT_EQ(outer->Args(COBOL_PROGRAM__END_PROGRAM_HEADER), endOuter);
  EXPECT_EQ(parser.progDepth, 1);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ProgramTest, AnEndProgramThatFitsNoOpenProgramIsIgnored) {
  parser.curPosn = OrvTxtPosn(50, 7, 1);
  OrvExpr* none = EndNode("X");
  parser.EndProgram(none);  // no program open
  OrvExpr* p = BeginProgram("P1");
  OrvExpr* wrong = EndNode("X");
  parser.EndProgram(wrong);
  OrvExpr* lower = EndNode("p1");  // names compare exactly
  parser.EndProgram(lower);
  // A header whose name chain is broken names nothing.
  OrvExpr* broken = new OrvExprOper(END_COBOL_PROGRAM, new OrvNullNode);
  parser.EndProgram(broken);
  OrvExpr* bare = new OrvExprOper(END_COBOL_PROGRAM);
  parser.EndProgram(bare);
  for (OrvExpr* n : {none, wrong, lower, broken, bare}) {
    EXPECT_EQ(n->Parent(), nullptr);  // the caller keeps it
    owned.push_back(n);
  }
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                Line(MSG_ERR, "There are no more programs to END. Ignored."),
                Line(MSG_ERR, "END PROGRAM X does not end the current Program. Ignored."),
                Line(MSG_ERR, "END PROGRAM p1 does not end the current Program. Ignored."),
                Line(MSG_ERR, "END PROGRAM  does not end the current Program. Ignored."),
                Line(MSG_ERR, "END PROGRAM  does not end the current Program. Ignored."),
            }));
  for (const OrvTxtPosn& at : MessagePosns()) EXPECT_EQ(at, parser.curPosn);
  EXPECT_EQ(parser.progDepth, 2);
  EXPECT_EQ(parser.progStack[1], p);

  // A program without PROGRAM-ID ends no program by name either.
  parser.StartProgram();
  messages.Clear();
  OrvExpr* named = EndNode("P1");
  parser.EndProgram(named);
  owned.push_back(named);
  EXPECT_EQ(Messages(), (std::vector<std::string>{Line(
                            MSG_ERR, "END PROGRAM P1 does not end the current Program. Ignored.")}));

  // Anything but an END PROGRAM header is terminal.
  OrvExprOper sentence(SENTENCE);
  parser.EndProgram(&sentence);
  ASSERT_EQ(recorder.size(), 1u);
  EXPECT_EQ(recorder.level(0), MSG_TERMINAL);
  EXPECT_EQ(recorder.text(0), "OrvParserImpl::EndProgram: expecting END PROGRAM header");
  EXPECT_EQ(parser.progDepth, 3);
}

TEST_F(ProgramTest, NineteenNestedProgramsFitTheTwentiethIsRefused) {
  std::vector<OrvExpr*> programs;
  for (int i = 0; i < 19; ++i) {
    std::string name = "N" + std::to_string(i);
    programs.push_back(BeginProgram(name.c_str()));
  }
  EXPECT_EQ(parser.progDepth, 20);
  EXPECT_EQ(recorder.size(), 0u);

  parser.curPosn = OrvTxtPosn(99, 8, 1);
  OrvExpr* extra = parser.StartProgram();
  ASSERT_EQ(recorder.size(), 1u);
  EXPECT_EQ(recorder.level(0), MSG_TERMINAL);
  EXPECT_EQ(recorder.text(0), "Too many levels of Nested Programs");
  EXPECT_EQ(recorder.messages()[0].posn, parser.curPosn);
  EXPECT_EQ(parser.progDepth, 20);
  EXPECT_EQ(parser.progStack[19], programs.back());
  EXPECT_EQ(parser.parseFailed, 1);
  ASSERT_EQ(parser.overflowPrograms.size(), 1u);
  EXPECT_EQ(parser.overflowPrograms[0], extra);
  EXPECT_NE(extra->Args(PROG_SYMBOL_TABLE), nullptr);

  // The nineteen close one into the other, innermost first.
  for (int i = 18; i >= 0; --i) {
    std::string name = "N" + std::to_string(i);
    parser.EndProgram(EndNode(name.c_str()));
  }
  EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
  EXPECT_EQ(parser.progDepth, 1);
  EXPECT_EQ(ProgramsIn(parser.root, 0), std::vector<OrvExpr*>{programs[0]});
  for (int i = 0; i + 1 < 19; ++i) {
    EXPECT_EQ(ProgramsIn(programs[i], 4), std::vector<OrvExpr*>{programs[i + 1]}) << i;
  }
  // The refused program is freed with the parse state (the leak checker of
  // the sanitizer build holds the verdict).
  sematest::ReleaseWatch watch;
  parser.ReleaseParseState();
  EXPECT_TRUE(watch.Released(extra));
}

TEST_F(ProgramTest, EndingMoreProgramsThanAreOpenIsIgnored) {
  OrvExpr* p = BeginProgram("P1");
  parser.FinishProgram(2);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            Line(MSG_ERR, "Do not have that many programs to end. Ignored.")}));
  EXPECT_EQ(parser.progDepth, 2);
  EXPECT_EQ(p->Parent(), nullptr);
}

TEST_F(ProgramTest, AFailedSourceDeletesTheOpenPrograms) {
  sematest::ReleaseWatch watch;
  OrvExpr* a = BeginProgram("A");
  OrvExpr* b = BeginProgram("B");
  Procedure(b);
  OrvExpr* err = new OrvExprOper(STMT__SYNTAX_ERROR, new OrvExprOper(EX_EXEC_TOKEN_LIST));
  parser.errNode = err;
  parser.ProcessNewProc(err);
  parser.FinishSource(1);
  EXPECT_TRUE(watch.Released(a));
  EXPECT_TRUE(watch.Released(b));
  EXPECT_TRUE(watch.Released(err));
  EXPECT_EQ(parser.errNode, nullptr);
  EXPECT_EQ(parser.progDepth, 3);  // left for the next reset
  EXPECT_EQ(parser.progStack[1], nullptr);
  EXPECT_FALSE(watch.Released(parser.root));
}

TEST_F(ProgramTest, ProgressTellsOfEachProgramWhoseNamesAreResolved) {
  static std::vector<std::string> seen;
  seen.clear();
  parser.lexerSettings.progressCallBack = [](const OrvTxtPosn* posn, const VString* text) {
    EXPECT_FALSE(posn->IsSet());
    seen.push_back(Str(*text));
  };
  BeginProgram("A");
  BeginProgram("B");
  parser.FinishSource(0);
  EXPECT_EQ(seen, (std::vector<std::string>{"Resolving Names", "*", "Resolving Names", "*"}));

  seen.clear();
  parser.resolveUseDef = 0;
  BeginProgram("C");
  parser.FinishSource(0);
  EXPECT_TRUE(seen.empty());
}

// --- sections, paragraphs and sentences -----------------------------------

class ProcedureTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    program = BeginProgram("P1");
    division = Procedure(program);
  }
  OrvExpr* Sections() { return division->Args(DIVISION_PROCEDURE__IMPERATIVES); }
  OrvExpr* program = nullptr;
  OrvExpr* division = nullptr;
};

TEST_F(ProcedureTest, ASentenceBeforeAnySectionGetsAnImplicitSectionAndParagraph) {
  OrvExpr* first = Sentence({});
  OrvExpr* second = Sentence({});
  ASSERT_NE(Sections(), nullptr);
  ASSERT_EQ(Sections()->Oper(), SECTION_PROC_LIST);
  ASSERT_EQ(Sections()->NArgs(), 1);
  OrvExpr* section = Sections()->Args(0);
  EXPECT_EQ(section->Oper(), SECTION_PROC);
  EXPECT_EQ(section->Args(SECTION_NAME), nullptr);  // no name
  EXPECT_EQ(parser.curSection, section);
  OrvExpr* paras = section->Args(SECTION_PROC__PARAGRAPHS);
  ASSERT_EQ(paras->Oper(), PARA_PROC_LIST);
  ASSERT_EQ(paras->NArgs(), 1);
  OrvExpr* para = paras->Args(0);
  EXPECT_EQ(para->Args(PARA_NAME), nullptr);
  EXPECT_EQ(parser.curPara, para);
  OrvExpr* sentences = para->Args(PARA_PROC__SENTENCES);
  ASSERT_EQ(sentences->Oper(), SENTENCE_LIST);
  ASSERT_EQ(sentences->NArgs(), 2);
  EXPECT_EQ(sentences->Args(0), first);
  EXPECT_EQ(sentences->Args(1), second);
}

TEST_F(ProcedureTest, SectionsParagraphsAndSentenceLevelItemsAreFiledInOrder) {
  OrvExpr* lonePara = Paragraph("A");  // before any section: an implicit one
  OrvExpr* s1 = Section("S1");
  EXPECT_EQ(parser.curPara, nullptr);
  const OrvOper sentenceLevel[] = {SENTENCE_EMPTY, STMT__SYNTAX_ERROR, STMT_UNINLINED_COPY,
                                   STMT_INLINED_COPY_BEG, STMT_INLINED_COPY_END, STMT_REPLACE,
                                   STMT_REPLACE_OFF, STMT_INLINED_INCLUDE_BEG,
                                   STMT_INLINED_INCLUDE_END};
  std::vector<OrvExpr*> items;
  for (OrvOper op : sentenceLevel) {
    items.push_back(new OrvExprOper(op));
    parser.ProcessNewProc(items.back());
  }
  OrvExpr* b = Paragraph("B");
  OrvExpr* last = Sentence({});

  ASSERT_EQ(Sections()->NArgs(), 2);
  OrvExpr* implicitSection = Sections()->Args(0);
  EXPECT_EQ(implicitSection->Args(SECTION_PROC__PARAGRAPHS)->Args(0), lonePara);
  EXPECT_EQ(Sections()->Args(1), s1);
  OrvExpr* paras = s1->Args(SECTION_PROC__PARAGRAPHS);
  ASSERT_EQ(paras->NArgs(), 2);
  OrvExpr* implicitPara = paras->Args(0);
  EXPECT_EQ(implicitPara->Oper(), PARA_PROC);
  ASSERT_EQ(implicitPara->Args(PARA_PROC__SENTENCES)->NArgs(), static_cast<int>(items.size()));
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(implicitPara->Args(PARA_PROC__SENTENCES)->Args(static_cast<int>(i)), items[i]) << i;
  }
  EXPECT_EQ(paras->Args(1), b);
  EXPECT_EQ(b->Args(PARA_PROC__SENTENCES)->Args(0), last);

  // Leaving the procedure part: the next sentence opens a new implicit
  // section in the container the grammar sets.
  parser.ClearCurProc();
  EXPECT_EQ(parser.curSection, nullptr);
  EXPECT_EQ(parser.curPara, nullptr);
  OrvExpr* declaratives = new OrvExprOper(DECLARATIVE_SECTIONS);
  division->SetArg(DIVISION_PROCEDURE__DECLARATIVES, declaratives, -1, 0);
  parser.procOwner = declaratives;
  parser.procSlot = DECLARATIVE_SECTIONS__SECTIONS;
  OrvExpr* inDecl = Sentence({});
  ASSERT_NE(declaratives->Args(DECLARATIVE_SECTIONS__SECTIONS), nullptr);
  EXPECT_EQ(declaratives->Args(DECLARATIVE_SECTIONS__SECTIONS)
                ->Args(0)
                ->Args(SECTION_PROC__PARAGRAPHS)
                ->Args(0)
                ->Args(PARA_PROC__SENTENCES)
                ->Args(0),
            inDecl);
}

TEST_F(ProcedureTest, AnItemOfAnotherKindIsTerminalAndNotFiled) {
  OrvExprOper move(STMT_MOVE);
  parser.curPosn = OrvTxtPosn(3, 3, 1);
  parser.ProcessNewProc(&move);
  parser.ProcessNewProc(nullptr);
  ASSERT_EQ(recorder.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(recorder.level(i), MSG_TERMINAL);
    EXPECT_EQ(recorder.text(i), "OrvParserImpl::ProcessNewProc: bad proc type");
    EXPECT_EQ(recorder.messages()[i].posn, parser.curPosn);
  }
  EXPECT_EQ(Sections(), nullptr);
  EXPECT_EQ(move.Parent(), nullptr);

  // Outside a procedure part there is no container to file into.
  recorder.clear();
  parser.procOwner = nullptr;
  OrvExpr* stray = Sentence({});
  owned.push_back(stray);
  EXPECT_EQ(stray->Parent(), nullptr);
  ASSERT_EQ(recorder.size(), 1u);
  EXPECT_EQ(recorder.level(0), MSG_TERMINAL);
  EXPECT_EQ(recorder.text(0), "OrvParserImpl::ProcessNewProc: no procedure container");
}

}  // namespace
