// Program structure: the stack of open (nested) programs, END PROGRAM, the
// finishing of programs with their semantic passes, and the filing of
// sections, paragraphs and sentences.
#include <iostream>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvParserNames.h"
#include "OrvProgramFinish.h"
#include "OrvSlotAccess.h"
#include "OrvSymTab.h"
#include "OrvSymTabList.h"
#include "OrvTreeUtil.h"
#include "OrvTreeWalk.h"

namespace {

// The image of the node at the end of a chain of slots, or null when a link
// of the chain is missing, a NULL_NODE or has no image.
const VString* ImageAt(OrvExpr* node, const int* slots, int count) {
  for (int k = 0; k < count; ++k) {
    node = OrvArgAt(node, slots[k]);
    if (!OrvPresent(node)) return nullptr;
  }
  return node->HasImage() ? node->Image() : nullptr;
}

bool SameText(const VString* a, const VString* b) {
  return a != nullptr && b != nullptr && a->length == b->length && a->Compare(*b) == 0;
}

// The operations ProcessNewProc files as sentences of a paragraph.
bool IsSentenceLevel(int op) {
  switch (op) {
    case SENTENCE:
    case SENTENCE_EMPTY:
    case STMT__SYNTAX_ERROR:
    case STMT_UNINLINED_COPY:
    case STMT_INLINED_COPY_BEG:
    case STMT_INLINED_COPY_END:
    case STMT_REPLACE:
    case STMT_REPLACE_OFF:
    case STMT_INLINED_INCLUDE_BEG:
    case STMT_INLINED_INCLUDE_END:
    // An EXEC SQL INCLUDE whose member was not found stands where its
    // inlined form would: it is a marker like an uninlined COPY, not an
    // internal fault.
    case STMT_UNINLINED_INCLUDE:
      return true;
    default:
      return false;
  }
}

// The names whose use in a program asks for the CICS EIB block.
const char* const kEibTriggers[] = {"EIBAID", "EIBTRMID", "EIBRESP", "EIBRESP2"};

bool UsesEib(OrvExpr* program) {
  OrvExpr* table = OrvOwnerSymTab(program);
  for (const char* name : kEibTriggers) {
    if (OrvSymTabFindElt(table, VString(name), nullptr) != nullptr) return true;
  }
  return false;
}

}  // namespace

OrvExpr* OrvParserImpl::StartProgram() {
  if (ParserTrace()) std::cout << "\n*=== OrvParserImpl::StartProgram() ===" << std::endl;
  currencySign = ORV_DEFAULT_CURRENCY_SIGN;
  OrvExpr* program = new OrvExprOper(COBOL_PROGRAM);
  if (progDepth >= ORV_PROG_STACK_SIZE) {
    ReportToCallBack(MSG_TERMINAL, VString("Too many levels of Nested Programs"));
    // A sink that returns lets the grammar go on with a program that has no
    // place on the stack: it is kept until the parse state is released, and
    // the parse fails.
    overflowPrograms.push_back(program);
    parseFailed = 1;
  } else {
    progStack[progDepth++] = program;
  }
  OrvExpr* table = new OrvSymTabList();
  curSymTab = table;
  program->SetArg(PROG_SYMBOL_TABLE, table, -1, 0);
  return program;
}

void OrvParserImpl::EndProgram(OrvExpr* endNode) {
  if (ParserTrace()) std::cout << "\n*=== OrvParserImpl::EndProgram() ===" << std::endl;
  if (endNode == nullptr || endNode->Oper() != END_COBOL_PROGRAM) {
    ReportToCallBack(MSG_TERMINAL,
                     VString("OrvParserImpl::EndProgram: expecting END PROGRAM header"));
    return;
  }
  if (progDepth < 2) {
    ReportMessage(MSG_ERR, curPosn, VString("There are no more programs to END. Ignored."));
    return;
  }
  // END PROGRAM name: the name use's qualified name's first name.
  const int endName[] = {0, 0, 0};
  const VString* name = ImageAt(endNode, endName, 3);
  OrvExpr* current = progStack[progDepth - 1];
  const int programName[] = {COBOL_PROGRAM__IDENTIFICATION_DIVISION, DIVISION_IDENTIFICATION__PROGRAM_ID_PARAGRAPH, PPID_NAME};
  const VString* currentName = ImageAt(current, programName, 3);
  if (!SameText(name, currentName)) {
    VString text = OrvFormat("END PROGRAM %s does not end the current Program. Ignored.",
                             name != nullptr && name->text != nullptr ? name->text : "");
    ReportMessage(MSG_ERR, curPosn, text);
    return;  // the node stays with the caller
  }
  current->SetArg(COBOL_PROGRAM__END_PROGRAM_HEADER, endNode, -1, 0);
  FinishProgram(1);
}

void OrvParserImpl::FinishSource(int failed) {
  if (ParserTrace()) {
    std::cout << "\n*=== OrvParserImpl::FinishSource() === " << failed << std::endl;
  }
  if (!failed) {
    if (progDepth > 2) {
      ReportMessage(MSG_ERR, curPosn,
                    VString("There is more than one un-ENDed Program. Ending them all."));
    }
    if (progDepth > 1) FinishProgram(progDepth - 1);
    return;
  }
  for (int i = 1; i < progDepth && i < ORV_PROG_STACK_SIZE; ++i) {
    OrvExpr* program = progStack[i];
    if (program == nullptr) continue;
    // Nothing may keep pointing into a deleted program.
    if (errNode != nullptr && OrvIsInSubtree(program, errNode)) errNode = nullptr;
    delete program;
    progStack[i] = nullptr;
  }
}

void OrvParserImpl::FinishProgram(int n) {
  if (ParserTrace()) std::cout << "\n*=== OrvParserImpl::FinishProgram(): " << n << " ===\n";
  if (n < 0) return;
  int k = progDepth - n;
  if (k < 1) {
    ReportMessage(MSG_ERR, curPosn, VString("Do not have that many programs to end. Ignored."));
    return;
  }
  OrvExpr* enclosing = progStack[k - 1];
  int listSlot = enclosing->Oper() == COBOL_FILE ? COBOL_FILE__PROGRAM_LIST : COBOL_PROGRAM__CONTAINED_PROGRAMS;
  static const OrvTxtPosn kNoPosn;
  // The stack as it stands now: entries are cleared below as their programs
  // are attached, but an inner program ended here still sees the outer ones.
  const std::vector<OrvExpr*> open(progStack, progStack + progDepth);
  for (int i = k; i < progDepth; ++i) {
    OrvExpr* program = progStack[i];
    if (resolveUseDef) {
      // Entry 0 is the file: it holds program names only.
      enclosingPrograms.assign(open.rend() - i, open.rend() - 1);
      if (lexerSettings.progressCallBack != nullptr) {
        VString text("Resolving Names");
        lexerSettings.progressCallBack(&kNoPosn, &text);
      }
      // The first finished program of a parse decides "auto".
      if (cicsEibChoice == ORV_ANY_AUTO) {
        cicsEibChoice = UsesEib(program) ? ORV_ANY_YES : ORV_ANY_NO;
      }
      if (cicsEibChoice != ORV_ANY_NO) {
        OrvWalkTree(program, nullptr, "OrvAddCicsEibDecls", OrvAddCicsEibDecls, nullptr, nullptr);
      }
      ResolveNames(program);
      enclosingPrograms.clear();
      if (lexerSettings.progressCallBack != nullptr) {
        VString text("*");
        lexerSettings.progressCallBack(&kNoPosn, &text);
      }
    }
    if (resolveUseDef && screenItemsGathered) {
      // The resolution walk met the items the walk of the ACCEPT and
      // DISPLAY items would meet, in its order.
      for (OrvExpr* item : screenItems) ProcessAcceptItem(item, program);
    } else {
      OrvProcessAcceptItems(program);
    }
    screenItems.clear();
    screenItemsGathered = false;
    FreeRetiredNodes();
    if (OrvArgAt(program, COBOL_PROGRAM__CONTAINED_PROGRAMS) == nullptr) {
      program->SetArg(COBOL_PROGRAM__CONTAINED_PROGRAMS, new OrvNullNode, -1, 0);
    }
    if (OrvArgAt(program, COBOL_PROGRAM__END_PROGRAM_HEADER) == nullptr) program->SetArg(COBOL_PROGRAM__END_PROGRAM_HEADER, new OrvNullNode, -1, 0);
    enclosing->SetArgToList(listSlot, COBOL_PROGRAM_LIST, program);
    progStack[i] = nullptr;
  }
  curSymTab = OrvOwnerSymTab(enclosing);
  progDepth = k;
}

void OrvParserImpl::ProcessNewProc(OrvExpr* node) {
  int op = node != nullptr ? node->Oper() : 0;
  if (op != SECTION_PROC && op != PARA_PROC && !IsSentenceLevel(op)) {
    ReportToCallBack(MSG_TERMINAL, VString("OrvParserImpl::ProcessNewProc: bad proc type"));
    return;
  }
  if (procOwner == nullptr) {
    ReportToCallBack(MSG_TERMINAL,
                     VString("OrvParserImpl::ProcessNewProc: no procedure container"));
    return;
  }
  if (op == SECTION_PROC) {
    curSection = node;
    procOwner->SetArgToList(procSlot, SECTION_PROC_LIST, node);
    curPara = nullptr;
    return;
  }
  if (!OrvPresent(curSection)) {
    curSection = new OrvExprOper(SECTION_PROC);
    procOwner->SetArgToList(procSlot, SECTION_PROC_LIST, curSection);
  }
  if (op == PARA_PROC) {
    curPara = node;
    curSection->SetArgToList(SECTION_PROC__PARAGRAPHS, PARA_PROC_LIST, node);
    return;
  }
  if (!OrvPresent(curPara)) {
    curPara = new OrvExprOper(PARA_PROC);
    curSection->SetArgToList(SECTION_PROC__PARAGRAPHS, PARA_PROC_LIST, curPara);
  }
  curPara->SetArgToList(PARA_PROC__SENTENCES, SENTENCE_LIST, node);
}

void OrvParserImpl::ClearCurProc() {
  curSection = nullptr;
  curPara = nullptr;
}
