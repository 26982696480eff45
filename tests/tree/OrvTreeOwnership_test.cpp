// Ownership under long sequences of edits: whatever the order of inserts,
// moves, replacements, detaches and deletes, every node hangs in exactly one
// slot, its parent pointer names that slot's node, and nothing leaks (the
// sanitizer build checks the memory side).
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "MessageRecorder.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvListExpr.h"

namespace {

void Collect(OrvExpr* n, std::vector<OrvExpr*>& all) {
  all.push_back(n);
  for (int i = 0; i < n->NArgs(); ++i) {
    if (OrvExpr* c = n->Args(i)) Collect(c, all);
  }
}

// Every node reached once, every child's parent its holder.
void CheckOwnership(OrvExpr* root) {
  std::vector<OrvExpr*> all;
  Collect(root, all);
  std::set<OrvExpr*> seen(all.begin(), all.end());
  ASSERT_EQ(seen.size(), all.size()) << "a node hangs in two slots";
  ASSERT_EQ(root->Parent(), nullptr);
  for (OrvExpr* n : all) {
    for (int i = 0; i < n->NArgs(); ++i) {
      ASSERT_NE(n->ArgSlots(i), nullptr);
      OrvExpr* c = n->Args(i);
      if (c != nullptr) {
        ASSERT_EQ(c->Parent(), n);
      }
    }
  }
}

OrvExpr* Pick(OrvExpr* root, std::mt19937& rng) {
  std::vector<OrvExpr*> all;
  Collect(root, all);
  return all[rng() % all.size()];
}

OrvExpr* PickOper(OrvExpr* root, std::mt19937& rng) {
  std::vector<OrvExpr*> all;
  Collect(root, all);
  std::vector<OrvExpr*> opers;
  for (OrvExpr* n : all) {
    if (!n->HasImage() && !n->IsNullNode()) opers.push_back(n);
  }
  return opers[rng() % opers.size()];
}

OrvExpr* NewNode(std::mt19937& rng) {
  switch (rng() % 4) {
    case 0: return new OrvCharString(VString("W"));
    case 1: return new OrvNullNode;
    case 2: return new OrvExprOper(EX_LIST);
    default: return new OrvExprOper(LOG_NOT);
  }
}

TEST(OrvTreeOwnership, RandomEditSequencesKeepEveryNodeOwnedOnce) {
  for (unsigned run = 1; run <= 12; ++run) {
    SCOPED_TRACE(run);
    std::mt19937 rng(run);
    MessageRecorder quiet;  // refused edits report; that is expected here
    OrvExpr* root = new OrvExprOper(EX_LIST);
    for (int step = 0; step < 1000; ++step) {
      OrvExpr* target = PickOper(root, rng);
      OrvExpr* any = Pick(root, rng);
      int n = target->NArgs();
      switch (rng() % 12) {
        case 0:
          target->AddArg(NewNode(rng));
          break;
        case 1:
          target->InsArg(NewNode(rng), n > 0 ? static_cast<int>(rng() % (n + 1)) : 0);
          break;
        case 2:
          if (n > 0) delete target->DelArg(rng() % n, rng() % 3 - 1, rng() % 2);
          break;
        case 3:
          if (any != root) delete any->DelThis();
          break;
        case 4:
          if (any != root) delete any->ReplThis(NewNode(rng));
          break;
        case 5:  // move a node that hangs elsewhere (or refuse a cycle)
          if (n > 0 && any != root) target->SetArg(rng() % n, any);
          break;
        case 6:
          if (any != root) target->AddArg(any);
          break;
        case 7:
          if (n > 0) target->SetArgToList(rng() % n, EX_LIST, NewNode(rng));
          break;
        case 8:
          if (any != root && any != target) target->TakeArgs(any);
          break;
        case 9:
          target->AddArg(Pick(root, rng)->Clone());
          break;
        case 10:
          if (n > 0) delete target->DelArgSlot(rng() % n, rng() % 2, rng() % 2);
          break;
        case 11: {  // install a slot record that is still held by a slot
          // (an empty record of another node cannot be recognised as held)
          OrvExpr* holder = PickOper(root, rng);
          if (n > 0 && holder->NArgs() > 0) {
            OrvArgSlot* held = holder->ArgSlots(rng() % holder->NArgs());
            if (held->child != nullptr || holder == target)
              target->SetArg(static_cast<int>(rng() % n), held);
          }
          break;
        }
      }
      CheckOwnership(root);
      if (HasFatalFailure()) break;
    }
    OrvFillNullArgs(root);
    CheckOwnership(root);
    delete root;
  }
}

}  // namespace
