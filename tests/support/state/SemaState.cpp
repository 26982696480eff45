// The parse driver's part of the state the test main restores around each
// case: a case that leaves `currentParser` set (a parse still marked
// running) or a clause collector holding a node fails, and both are put
// back; the layout options and the stream of the data-item table are
// restored.
#include <string>

#include "OrvClauseCollector.h"
#include "OrvExpr.h"
#include "OrvLayoutState.h"
#include "OrvMemOffsets.h"
#include "OrvOper.h"
#include "OrvParserImpl.h"
#include "ProcessState.h"

namespace {

class CurrentParserPart : public ProcessStatePart {
 public:
  CurrentParserPart() : ProcessStatePart("currentParser") {}
  void Save() override { saved_ = currentParser; }
  std::string Leftover() const override {
    if (currentParser == saved_) return std::string();
    return "currentParser is left set: every later parse would be refused as already running";
  }
  void Restore() override { currentParser = saved_; }

 private:
  OrvParserImpl* saved_ = nullptr;
};

// What a collector still holds, or empty when it is idle.
std::string Holding(const OrvClauseCollector& c) {
  if (c.node != nullptr) return std::string("a ") + OrvOperName(c.node->Oper()) + " node";
  const OrvCicsCollector* cics = dynamic_cast<const OrvCicsCollector*>(&c);
  if (cics != nullptr && cics->pendingOption != nullptr) {
    return std::string("a pending ") + OrvOperName(cics->pendingOption->Oper()) + " option";
  }
  if (c.tokens.Count() > 0) return "saved tokens of a rejected clause";
  return std::string();
}

// Every registered collector (those of the grammar and any a case made)
// must be idle after a case: a collection left open would take the first
// clauses of the next case's parse.
class CollectorsPart : public ProcessStatePart {
 public:
  CollectorsPart() : ProcessStatePart("clause collectors") {}
  void Save() override {}
  std::string Leftover() const override {
    int k = 0;
    for (const OrvClauseCollector* c = OrvFirstCollector(); c != nullptr; c = c->NextRegistered(), ++k) {
      const std::string held = Holding(*c);
      if (!held.empty()) return "collector #" + std::to_string(k) + " of the registry still holds " + held;
    }
    return std::string();
  }
  // A busy collector is only made idle: what it holds may lie in a tree
  // the case already deleted, so nothing is freed (the case fails anyway).
  void Restore() override {
    for (OrvClauseCollector* c = OrvFirstCollector(); c != nullptr; c = c->NextRegistered()) {
      c->node = nullptr;
      c->count = 0;
      c->tokens.Clear();
      OrvCicsCollector* cics = dynamic_cast<OrvCicsCollector*>(c);
      if (cics != nullptr) cics->pendingOption = nullptr;
    }
  }
};

CurrentParserPart currentParserPart;
CollectorsPart collectorsPart;

SavedVariables layoutState("layout options and the data-item table stream", OrvLayoutOptionsInUse,
                           memOffsetsStream);

}  // namespace
