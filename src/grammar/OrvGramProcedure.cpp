// The PROCEDURE DIVISION structure in the grammar's actions.
#include "OrvGramProcedure.h"

#include "OrvExprOper.h"
#include "OrvGramNames.h"
#include "OrvGramNodes.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"

namespace {

// The procedure headers keep their name in one slot.
const int kNameSlot = SECTION_NAME;
static_assert(PARA_NAME == kNameSlot, "sections and paragraphs keep their names in the same slot");

void LeaveContainer() {
  if (currentParser == nullptr) return;
  currentParser->procOwner = nullptr;
  currentParser->procSlot = 0;
  currentParser->ClearCurProc();
}

// After the position step of a procedure header: the last token of the
// name slot (the name itself) goes to the definition, and the tokens left
// on the header (its ".") to the slot of its body; then the header is filed.
void FileHeader(OrvExpr* header, int bodySlot) {
  OrvExpr* definition = header->Args(kNameSlot);
  if (definition != nullptr) {
    OrvToken* name = header->ArgSlots(kNameSlot)->tokens.PopLast();
    if (name != nullptr) definition->Tokens().Append(name);
  }
  header->ArgSlots(bodySlot)->tokens.Splice(header->Tokens());
  OrvGramProcItem(header);
}

}  // namespace

OrvExpr* OrvGramStartProcDivision(OrvExpr* convention, OrvExpr* linkage, OrvExpr* usingClause,
                                  OrvExpr* giving) {
  return OrvGramDivisionCallBack(OrvGramNode(DIVISION_PROCEDURE, convention, linkage, usingClause, giving));
}

void OrvGramProcContainer(OrvExpr* owner, int slot) {
  if (currentParser == nullptr) return;
  currentParser->procOwner = owner;
  currentParser->procSlot = slot;
}

OrvExpr* OrvGramFinishProcDivision(OrvExpr* division, OrvExpr* copyBefore, OrvExpr* declaratives,
                                   OrvExpr* copyAfter) {
  if (division != nullptr) {
    if (copyBefore != nullptr) division->SetArg(DIVISION_PROCEDURE__COPY_BEFORE_DECLARATIVES, copyBefore, -1, 0);
    if (declaratives != nullptr) division->SetArg(DIVISION_PROCEDURE__DECLARATIVES, declaratives, -1, 0);
    if (copyAfter != nullptr) division->SetArg(DIVISION_PROCEDURE__COPY_BEFORE_SECTIONS, copyAfter, -1, 0);
  }
  LeaveContainer();
  return division;
}

OrvExpr* OrvGramPassingModeNode(std::uint16_t mode) {
  // The grammar sets the mode at USING and CHAINING; before any it is 0.
  return OrvGramNode(mode != 0 ? static_cast<int>(mode) : static_cast<int>(EX_PT_BY_REFERENCE));
}

OrvExpr* OrvGramProcParam(OrvExpr* modePhrase, OrvExpr* dataName, std::uint16_t mode) {
  return OrvGramNode(EX_PROC_PARAM, modePhrase, dataName, OrvGramPassingModeNode(mode));
}

OrvExpr* OrvGramPassingMode(int op, std::uint16_t* mode) {
  *mode = static_cast<std::uint16_t>(op);
  return OrvGramNode(op);
}

OrvExpr* OrvGramStartDeclaratives() {
  OrvExpr* declaratives = OrvGramNode(DECLARATIVE_SECTIONS);
  if (currentParser != nullptr) currentParser->inDeclaratives = 1;
  OrvGramProcContainer(declaratives, DECLARATIVE_SECTIONS__SECTIONS);
  return declaratives;
}

OrvExpr* OrvGramFinishDeclaratives(OrvExpr** started, OrvExpr* endHeader) {
  OrvExpr* declaratives = *started;
  if (declaratives == nullptr) return nullptr;
  if (endHeader != nullptr) declaratives->SetArg(DECLARATIVE_SECTIONS__END_DECLARATIVES, endHeader, -1, 0);
  *started = declaratives->Args(DECLARATIVE_SECTIONS__SECTIONS);
  declaratives = OrvGramDivisionCallBack(declaratives);
  if (currentParser != nullptr) currentParser->inDeclaratives = 0;
  LeaveContainer();
  return declaratives;
}

OrvExpr* OrvGramSectionNode(OrvExpr** name, OrvExpr* segment) {
  OrvExpr* definition = OrvGramDefine(*name, SYMCAT_SECTION_NAME, 0);
  *name = definition;
  return OrvGramNode(SECTION_PROC, definition, segment);
}

void OrvGramSectionHeader(OrvExpr* section) { FileHeader(section, SECTION_PROC__PARAGRAPHS); }

OrvExpr* OrvGramParagraphNode(OrvExpr** name) {
  OrvExpr* definition = OrvGramDefine(*name, SYMCAT_PARA_NAME, 1);
  *name = definition;
  return OrvGramNode(PARA_PROC, definition);
}

void OrvGramParagraphHeader(OrvExpr* paragraph) { FileHeader(paragraph, PARA_PROC__SENTENCES); }

void OrvGramProcItem(OrvExpr* item) {
  if (currentParser == nullptr || item == nullptr) return;
  currentParser->ProcessNewProc(item);
  OrvGramDivisionCallBack(item);
}
