// Debug dump of trees: one node per line, indented by depth, with the
// tokens of each slot and of each node's tail.
#include <iomanip>
#include <ostream>

#include "OrvConstNodes.h"
#include "OrvDebugDump.h"
#include "OrvExprOper.h"

int OrvDumpDepth = 0;
int OrvDumpLevel = 1;

std::ostream& OrvDumpIndent(std::ostream& out) {
  for (int i = 0; i < OrvDumpDepth; ++i) out << ". ";
  return out;
}

namespace {

bool GenpNone(uint32_t word) { return (word & 0xffffff) == ORV_GENP_NONE; }

void TokenLine(std::ostream& out, const char* mark, const OrvToken* token) {
  out << "        ";
  OrvDumpIndent(out) << mark;
  if (token != nullptr) token->PrintCode(out);
  out << '\n';
}

char SlotStateMark(int16_t state) { return state < 0 ? '#' : state == 0 ? '.' : '$'; }

char ChildStateMark(const OrvExpr* child) {
  if (child == nullptr) return ' ';
  int state = child->FromSrc() & 3;
  if (state & 2) return '#';
  return state == 0 ? '.' : '$';
}

}  // namespace

// The common tail of every node line.
std::ostream& OrvExpr::DebugDump(std::ostream& out) const {
  if (OrvDumpLevel > 1) {
    out << " #" << serial_ << " @" << static_cast<const void*>(this);
  }
  if (!(GenpNone(GenpBeg()) && GenpNone(GenpEnd()))) {
    out << " genp=" << GenpBeg() << " - " << GenpEnd();
  }
  if (printValue_ != 0) out << " l=" << static_cast<int>(printValue_);
  if (tokens_.IsEmpty()) {
    out << '\n';
    return out;
  }
  out << " tail=\n";
  for (OrvToken* n = tokens_.First(); n != nullptr; n = tokens_.Next(n)) {
    TokenLine(out, "\\ ", n);
  }
  return out;
}

std::ostream& OrvExprOper::DumpSlots(std::ostream& out) const {
  ++OrvDumpDepth;
  for (int i = 0; i < NArgs(); ++i) {
    // The dump shows every slot as its record and every NULL_NODE of the
    // fill as a node, made for it.
    const OrvArgSlot* slot = SlotAt(i);
    for (OrvToken* n = slot->tokens.First(); n != nullptr; n = slot->tokens.Next(n)) {
      TokenLine(out, "/ ", n);
    }
    out << OrvDumpDepth << SlotStateMark(static_cast<int16_t>(slot->state)) << i
        << ChildStateMark(slot->child) << std::setw(2) << slot->order;
    if (slot->child != nullptr) {
      slot->child->DebugDump(out);
    } else {
      OrvDumpIndent(out) << "(NULL)\n";
    }
  }
  --OrvDumpDepth;
  return out;
}

std::ostream& OrvExprOper::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out) << OrvOperName(Oper());
  if (OrvDumpLevel > 0 && SdCount() > 0 && Sd() != nullptr) {
    out << " SD[" << SdCount() << "]: ";
    for (int i = 0; i < SdCount(); ++i) out << Sd()[i] << ' ';
  }
  OrvExpr::DebugDump(out);
  return DumpSlots(out);
}

std::ostream& OrvNullNode::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out) << "NULL_NODE";
  return OrvExpr::DebugDump(out);
}

std::ostream& OrvCharString::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out) << "CHAR_STRING " << image_.Get();
  return OrvExpr::DebugDump(out);
}

std::ostream& OrvTokenString::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out) << "TOKEN_STRING " << text_.Get();
  return OrvExpr::DebugDump(out);
}

std::ostream& OrvRealNumConst::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out) << "REAL_NUM_CONST " << image_.Get();
  return OrvExpr::DebugDump(out);
}

std::ostream& OrvIntNumConst::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out) << "INT_NUM_CONST image=" << *Image()
                     << " value=" << static_cast<long long>(IntValue());
  return OrvExpr::DebugDump(out);
}

std::ostream& OrvStrConst::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out) << "STR_CONST " << image_.Get();
  return OrvExpr::DebugDump(out);
}
