// ACCEPT and DISPLAY items: the grammar builds every item in screen form;
// an item that uses none of the screen clauses becomes the ANSI form, or the
// function form when it names a device other than the console.
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvPosnWalkers.h"
#include "OrvProgramFinish.h"
#include "OrvSlotAccess.h"
#include "OrvTreeUtil.h"
#include "OrvTreeWalk.h"

namespace {

// How one kind of screen item converts.
struct ScreenItemKind {
  OrvOper screenOp;       // the screen form
  OrvOper ansiOp;         // the ANSI form
  OrvOper funcOp;         // the function form
  OrvOper deviceOp;       // the FROM or UPON phrase in slot kDevice
  bool crtUnderKeeps;     // UPON CRT-UNDER keeps the screen form too
  const int* moved;       // slots that go to the ANSI form's slots 0, 1, ...
  int movedCount;
  bool dropsWithWord;     // the WITH word is deleted before the check for lost clauses
  bool trailingClauses;   // the slots after kCopyMarkers are screen clauses too
  const char* lostText;
};

// Slots shared by both screen forms (named by DISPLAY's, ACCEPT's asserted
// alike); the screen clauses are the position, LINE, COLUMN, AT, MODE IS
// BLOCK and the attributes from BELL to BLANK.
const int kValue = DISPLAY_SCREEN_ITEM__VALUE_TO_DISPLAY;
const int kDevice = DISPLAY_SCREEN_ITEM__FROM_OR_UPON;
const int kWithWord = DISPLAY_SCREEN_ITEM__WITH_WORD;
const int kFirstAttribute = DISPLAY_SCREEN_ITEM__BELL;
const int kLastAttribute = DISPLAY_SCREEN_ITEM__BLANK;
const int kCopyMarkers = DISPLAY_SCREEN_ITEM__COPYBEGIN_END;
static_assert(ACCEPT_SCREEN_ITEM__ACCEPT_TO == kValue && ACCEPT_SCREEN_ITEM__FROM_OR_UPON == kDevice &&
                  ACCEPT_SCREEN_ITEM__WITH_WORD == kWithWord && ACCEPT_SCREEN_ITEM__BELL == kFirstAttribute &&
                  ACCEPT_SCREEN_ITEM__BLANK == kLastAttribute && ACCEPT_SCREEN_ITEM__COPYBEGIN_END == kCopyMarkers &&
                  ACCEPT_SCREEN_ITEM__POSITION == DISPLAY_SCREEN_ITEM__POSITION &&
                  ACCEPT_SCREEN_ITEM__LINE == DISPLAY_SCREEN_ITEM__LINE &&
                  ACCEPT_SCREEN_ITEM__COLUMN == DISPLAY_SCREEN_ITEM__COLUMN &&
                  ACCEPT_SCREEN_ITEM__AT == DISPLAY_SCREEN_ITEM__AT &&
                  ACCEPT_SCREEN_ITEM__MODE_IS_BLOCK == DISPLAY_SCREEN_ITEM__MODE_IS_BLOCK,
              "ACCEPT and DISPLAY screen items share their layout");

// The slots that go, in this order, to the ANSI form's slots 0, 1, ...
const int kDisplayMoved[] = {kValue, kDevice, kCopyMarkers, DISPLAY_SCREEN_ITEM__ADVANCING_PHRASE};
const int kAcceptMoved[] = {kValue, kDevice, kCopyMarkers};
static_assert(DISPLAY_ANSI_ITEM__VALUE_TO_DISPLAY == 0 && DISPLAY_ANSI_ITEM__FROM_OR_UPON == 1 &&
                  DISPLAY_ANSI_ITEM__COPYBEGIN_END == 2 && DISPLAY_ANSI_ITEM__ADVANCING_PHRASE == 3 &&
                  ACCEPT_ANSI_ITEM__ACCEPT_TO == 0 && ACCEPT_ANSI_ITEM__FROM == 1 &&
                  ACCEPT_ANSI_ITEM__COPYBEGIN_END == 2,
              "the ANSI forms take the moved slots in the order of the lists above");
// The function form takes the ANSI form's first three slots.
static_assert(DISPLAY_FUNC_ITEM__VALUE_TO_DISPLAY == DISPLAY_ANSI_ITEM__VALUE_TO_DISPLAY &&
                  DISPLAY_FUNC_ITEM__FROM_OR_UPON == DISPLAY_ANSI_ITEM__FROM_OR_UPON &&
                  DISPLAY_FUNC_ITEM__COPYBEGIN_END == DISPLAY_ANSI_ITEM__COPYBEGIN_END &&
                  ACCEPT_FUNC_ITEM__ACCEPT_TO == ACCEPT_ANSI_ITEM__ACCEPT_TO &&
                  ACCEPT_FUNC_ITEM__FROM == ACCEPT_ANSI_ITEM__FROM &&
                  ACCEPT_FUNC_ITEM__COPYBEGIN_END == ACCEPT_ANSI_ITEM__COPYBEGIN_END,
              "the function forms keep the slots of the ANSI forms");

const ScreenItemKind kDisplay = {DISPLAY_SCREEN_ITEM, DISPLAY_ANSI_ITEM, DISPLAY_FUNC_ITEM,
                                 DSPL_UPON, true, kDisplayMoved, 4, true, false,
                                 "ProcessDisplayItem: clause #%d was lost"};
// ACCEPT keeps its WITH word, so a present one is reported lost.
const ScreenItemKind kAccept = {ACCEPT_SCREEN_ITEM, ACCEPT_ANSI_ITEM, ACCEPT_FUNC_ITEM,
                                ACCP_FROM, false, kAcceptMoved, 3, false, true,
                                "ProcessAcceptItem: clause #%d was lost"};

// The device a FROM or UPON phrase names, or null when the node is not
// such a phrase.
OrvExpr* DeviceOf(OrvExpr* phrase, OrvOper phraseOp) {
  static_assert(ACCP_FROM__SOURCE == DSPL_UPON__DEVICE_OR_MNEMONIC_NAME, "FROM and UPON name the device alike");
  return phrase != nullptr && phrase->Oper() == phraseOp ? OrvArgAt(phrase, DSPL_UPON__DEVICE_OR_MNEMONIC_NAME)
                                                          : nullptr;
}

// The program declares CONSOLE IS CRT in its SPECIAL-NAMES paragraph.
bool ConsoleIsCrt(OrvExpr* program) {
  OrvExpr* node = program;
  const int path[] = {COBOL_PROGRAM__ENVIRONMENT_DIVISION, DIVISION_ENVIRONMENT__CONFIGURATION_SECTION,
                      SECTION_CONFIGURATION__SPECIAL_NAMES, PARA_SPECIAL_NAMES__CONSOLE_IS_CRT};
  for (int slot : path) {
    node = OrvArgAt(node, slot);
    if (!OrvPresent(node)) return false;
  }
  return true;
}

bool IsScreenClause(const ScreenItemKind& kind, int i, int slots) {
  if (i == DISPLAY_SCREEN_ITEM__POSITION || i == DISPLAY_SCREEN_ITEM__LINE || i == DISPLAY_SCREEN_ITEM__COLUMN ||
      i == DISPLAY_SCREEN_ITEM__AT || i == DISPLAY_SCREEN_ITEM__MODE_IS_BLOCK)
    return true;
  if (i >= kFirstAttribute && i <= kLastAttribute) return true;
  return kind.trailingClauses && i > kCopyMarkers && i < slots;
}

// The item needs its screen form.
bool KeepsScreenForm(const ScreenItemKind& kind, OrvExpr* item, OrvExpr* program) {
  OrvExpr* device = DeviceOf(OrvArgAt(item, kDevice), kind.deviceOp);
  if (device != nullptr &&
      (device->Oper() == IOF_CRT || (kind.crtUnderKeeps && device->Oper() == IOF_CRT_UNDER))) {
    return true;
  }
  if (ConsoleIsCrt(program)) return true;
  for (int i = 0; i < item->NArgs(); ++i) {
    if (IsScreenClause(kind, i, item->NArgs()) && OrvPresent(item->Args(i))) return true;
  }
  OrvExpr* value = OrvArgAt(item, kValue);
  if (value != nullptr && value->Oper() == NAMED_OBJ_USE) {
    OrvExpr* def = value->Link(0)->node;
    OrvExpr* section = def != nullptr ? OrvEnclosingSection(def) : nullptr;
    if (section != nullptr && section->Oper() == SECTION_SCREEN) return true;
  }
  return false;
}

// Moves whole argument slots (child and tokens) from `from` into slots 0,
// 1, ... of `to`.
void MoveSlots(OrvExpr* from, const int* slots, int count, OrvExpr* to) {
  for (int k = 0; k < count; ++k) {
    if (slots[k] >= from->NArgs()) continue;
    OrvArgSlot* slot = from->DelArgSlot(slots[k], 0, 0);
    to->SetArg(k, slot);
  }
}

// The item converted; `item` is retired (the walk visits it).
void Convert(const ScreenItemKind& kind, OrvExpr* item, OrvParserImpl* parser) {
  OrvTxtPosn itemPosn = OrvSrcPosnBegWalker(item);
  OrvExpr* ansi = new OrvExprOper(kind.ansiOp);
  MoveSlots(item, kind.moved, kind.movedCount, ansi);
  ansi->ArgSlots(DISPLAY_ANSI_ITEM__VALUE_TO_DISPLAY)->order = 0;
  // A deleted WITH word leaves its tokens to the new item's own tokens,
  // where a print copying the source finds them in front of the text of
  // the slot after them.
  if (kind.dropsWithWord && kWithWord < item->NArgs()) {
    OrvTokenList withTokens;
    withTokens.Splice(item->ArgSlots(kWithWord)->tokens);
    OrvExpr* with = item->DelArg(kWithWord, 0, 0);
    OrvGatherTokensWalker(with, withTokens);
    delete with;
    ansi->Tokens().Splice(withTokens);
  }
  for (int i = 0; i < item->NArgs(); ++i) {
    if (!OrvPresent(item->Args(i))) continue;
    VString text = OrvFormat(kind.lostText, i);
    if (parser != nullptr) parser->ReportMessage(MSG_WARN, itemPosn, text);
  }
  OrvExpr* replaced = item->ReplThis(ansi);
  if (parser != nullptr) {
    parser->RetireNode(replaced);
  } else {
    delete replaced;
  }

  OrvExpr* target = OrvArgAt(ansi, DISPLAY_ANSI_ITEM__FROM_OR_UPON);
  if (!OrvPresent(target)) return;
  OrvExpr* device = DeviceOf(target, kind.deviceOp);
  if (device != nullptr && device->Oper() == IOF_CONSOLE) return;
  // The function form has no advancing phrase: a DISPLAY's goes with the
  // ANSI form.  Its words (WITH NO ADVANCING) stay as the function form's
  // own tokens, behind the text of its slots, so that a print copying the
  // source keeps them.
  OrvExpr* func = new OrvExprOper(kind.funcOp);
  const int firstThree[] = {DISPLAY_ANSI_ITEM__VALUE_TO_DISPLAY, DISPLAY_ANSI_ITEM__FROM_OR_UPON,
                            DISPLAY_ANSI_ITEM__COPYBEGIN_END};
  MoveSlots(ansi, firstThree, 3, func);
  // The ANSI form's own tokens (a WITH word) stand in front of the phrase.
  OrvTokenList dropped;
  dropped.Splice(ansi->Tokens());
  for (int i = 0; i < ansi->NArgs(); ++i) {
    dropped.Splice(ansi->ArgSlots(i)->tokens);
    OrvGatherTokensWalker(ansi->Args(i), dropped);
  }
  func->Tokens().Splice(dropped);
  delete ansi->ReplThis(func);
}

// The program an item belongs to: the nearest COBOL_PROGRAM above it, else
// the program being finished.
OrvExpr* OwningProgram(OrvExpr* item, OrvExpr* finished) {
  for (OrvExpr* n = item->Parent(); n != nullptr; n = n->Parent()) {
    if (n->Oper() == COBOL_PROGRAM) return n;
  }
  return finished;
}

}  // namespace

int ProcessAcceptItem(OrvExpr* node, void* context) {
  const ScreenItemKind* kind = nullptr;
  if (node->Oper() == DISPLAY_SCREEN_ITEM) kind = &kDisplay;
  if (node->Oper() == ACCEPT_SCREEN_ITEM) kind = &kAccept;
  if (kind == nullptr) return OrvHoldsNoScreenItem(node->Oper()) ? ORV_WALK_SKIP : ORV_WALK_CHILDREN;
  // A contained program's items are visited again when the enclosing
  // program is finished: its own CONSOLE IS CRT decides for them.
  OrvExpr* program = OwningProgram(node, static_cast<OrvExpr*>(context));
  // An item without a parent has no place to take its new form.
  if (node->Parent() != nullptr && !KeepsScreenForm(*kind, node, program)) {
    Convert(*kind, node, currentParser);
  }
  return ORV_WALK_SKIP;
}

namespace {

// The child of slot i as the plain walk (WalkTheTree) reads it: a stored
// child at once; an empty slot through ChildAt only when something may
// stand in it (a NULL_NODE of the fill, made now as the walk makes it, or
// the fill switch's report).
OrvExpr* WalkedChild(const OrvExpr* node, int i) {
  bool fill = false;
  OrvExpr* child = node->PeekChildOrFill(i, &fill);
  if (child != nullptr) return child;
  return OrvFillNullSwitch || fill ? node->ChildAt(i) : nullptr;
}

// The children of `node` as WalkTheTree(.., ProcessAcceptItem) visits them
// after the node's call-back answered "children", without the call-back's
// indirect call for a node that it passes by: a node without slots that is
// no item, or one whose subtree holds no statement.  Each slot is read
// after the visit of the one before (a conversion replaces the item in its
// slot); the call-back never answers "removed" or "stop".
void ProcessAcceptItemsBelow(OrvExpr* node, OrvExpr* program) {
  for (int i = 0; i < node->NArgs(); ++i) {
    OrvExpr* child = WalkedChild(node, i);
    if (child == nullptr) continue;
    const int op = child->Oper();
    if (op == DISPLAY_SCREEN_ITEM || op == ACCEPT_SCREEN_ITEM) {
      ProcessAcceptItem(child, program);
      continue;
    }
    if (child->NArgs() == 0 || OrvHoldsNoScreenItem(op)) continue;
    ProcessAcceptItemsBelow(child, program);
  }
}

}  // namespace

void OrvProcessAcceptItems(OrvExpr* program) {
  if (program == nullptr || OrvWalkTraceSwitch) {
    WalkTheTree(program, program, ProcessAcceptItem);
    return;
  }
  if (ProcessAcceptItem(program, program) != ORV_WALK_CHILDREN) return;
  ProcessAcceptItemsBelow(program, program);
}
