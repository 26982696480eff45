// Benchmark of the transformation engine: every program of the NIST suite
// is parsed, then the sample transformations walk its tree with ApplyAll,
// first the find pass (TestFindStatements, mode 0: every statement node is
// found and counted), then the renew pass (TestRenewStatements, mode 1:
// every procedure statement outside another is replaced by a new node).
// Three rounds; for each figure the median round is printed: the seconds of
// the parse, of each pass, and each pass's share of the parse.  It asserts
// nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "NistSuite.h"
#include "OrvTransEngine.h"
#include "SampleTransforms.h"
#include "TimedParse.h"

namespace {

const int kRounds = 3;

struct Round {
  double parse = 0;
  double find = 0;
  double renew = 0;
  long lines = 0;
  long found = 0;
  long renewed = 0;
};

// The applications counted under `name` so far.
long Applied(const char* name) {
  for (int i = 0; i < OrvTransAppliedMap.count; ++i)
    if (OrvTransAppliedMap.entries[i].name == name) return OrvTransAppliedMap.entries[i].count;
  return 0;
}

double Seconds(OrvTransform& t, OrvExpr* tree, int mode) {
  OrvTokenList messages;
  const auto start = std::chrono::steady_clock::now();
  t.ApplyAll(tree, mode, &messages, nullptr);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Both passes over one parsed tree.
void Passes(OrvExpr* tree, void* context) {
  Round& round = *static_cast<Round*>(context);
  TestFindStatements find;
  find.name = VString("find");
  TestRenewStatements renew;
  renew.name = VString("renew");
  round.find += Seconds(find, tree, 0);
  round.renew += Seconds(renew, tree, 1);
}

double Median(std::vector<Round>& rounds, double Round::*figure) {
  std::sort(rounds.begin(), rounds.end(),
            [figure](const Round& a, const Round& b) { return a.*figure < b.*figure; });
  return rounds[rounds.size() / 2].*figure;
}

}  // namespace

int main() {
  const std::string nist = std::string(LARK_CORPUS) + "/nist";
  const std::vector<std::string> files = nist_suite::Sources(nist);
  if (files.empty()) {
    std::printf("transform: the NIST corpus is not at %s; nothing measured\n", nist.c_str());
    return 0;
  }
  std::vector<Round> rounds;
  for (int r = 0; r < kRounds; ++r) {
    OrvTransAppliedMap = OrvTransAppliedTable();
    Round round;
    for (const std::string& f : files) {
      long lines = 0;
      round.parse += timed_parse::ParseOnce(f, nist + "/copy", lines, nullptr, Passes, &round);
      round.lines += lines;
    }
    round.found = Applied("find");
    round.renewed = Applied("renew");
    rounds.push_back(round);
  }
  const Round& last = rounds.back();
  const double parse = Median(rounds, &Round::parse);
  const double find = Median(rounds, &Round::find);
  const double renew = Median(rounds, &Round::renew);
  std::printf("transform over the NIST suite: %zu files, %ld lines, %ld statements found, %ld renewed\n",
              files.size(), last.lines, last.found, last.renewed);
  std::printf("  median of %d rounds: parse %.3f s, find pass %.3f s (%.1f%% of the parse), "
              "renew pass %.3f s (%.1f%% of the parse)\n",
              kRounds, parse, find, 100.0 * find / parse, renew, 100.0 * renew / parse);
  return 0;
}
