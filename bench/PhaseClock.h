// PhaseClock: the time a parse spends in each of its steps, read from the
// progress call-back of the parser object.  A parse reports "Resolving
// Names" and "*" around the name resolution of each program, then
// "Preparing SourcePrint" and "*" around the preparation of the printer,
// then "Computing Lengths & Offsets" and "*" around the data layout; the
// clock charges the time between two reports to the step the first one
// opens.  Steps after the parse (the walker, deleting the tree) are charged
// by the caller with Charge.  In a source of several programs the grammar's
// time after the first program has ended counts as finishing: the reports
// cannot tell them apart.  Benchmarks only.
#ifndef LARK_BENCH_PHASECLOCK_H
#define LARK_BENCH_PHASECLOCK_H

#include <chrono>
#include <cstdio>
#include <cstring>

#include "OrvTxtPosn.h"
#include "VString.h"

class PhaseClock {
 public:
  // The steps, in the order a parse goes through them.
  enum Phase {
    kParse,         // lexing and the grammar, up to the first name resolution
    kNames,         // resolving the names of a program
    kFinish,        // the rest of ending the programs and the from-source walk
    kSourcePrint,   // preparing the printer's positions
    kLayout,        // lengths and offsets of the data items
    kFillAndTally,  // NULL_NODEs in empty slots, the result of the messages
    kWalk,          // the tool's walker (statistics and data-item table)
    kDelete,        // deleting the tree
    kPhases
  };

  PhaseClock() { Clear(); }

  void Clear() {
    for (double& s : seconds_) s = 0;
  }

  // Starts timing a parse; its time goes to kParse until the first report.
  void StartParse() {
    current_ = kParse;
    mark_ = Now();
    running_ = this;
  }
  // Ends the parse: the time since the last report goes to the step it
  // opened ("*" after the layout opens kFillAndTally).
  void EndParse() {
    Switch(current_);
    running_ = nullptr;
  }
  // Adds the seconds of a step timed by the caller.
  void Charge(Phase phase, double seconds) { seconds_[phase] += seconds; }

  double Seconds(Phase phase) const { return seconds_[phase]; }
  double Total() const {
    double t = 0;
    for (double s : seconds_) t += s;
    return t;
  }

  // The parser's progress call-back: install it as progressCallBack.
  static void Progress(const OrvTxtPosn*, const VString* text) {
    if (running_ == nullptr || text == nullptr || text->text == nullptr) return;
    running_->Report(text->text);
  }

  static double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }

  // One line per step: its seconds and its share of the total.
  void Print(const char* indent) const {
    static const char* const kNames[kPhases] = {"lex and parse",  "name resolution", "finish programs",
                                               "source print",   "layout",          "fill and tally",
                                               "walker",         "delete tree"};
    const double total = Total();
    for (int p = 0; p < kPhases; ++p)
      std::printf("%s%-16s %8.4f s  %5.1f%%\n", indent, kNames[p], seconds_[p],
                  total > 0 ? 100.0 * seconds_[p] / total : 0.0);
  }

 private:
  void Report(const char* text) {
    if (std::strcmp(text, "Resolving Names") == 0) {
      Switch(kNames);
    } else if (std::strcmp(text, "Preparing SourcePrint") == 0) {
      Switch(kSourcePrint);
    } else if (std::strcmp(text, "Computing Lengths & Offsets") == 0) {
      Switch(kLayout);
    } else if (std::strcmp(text, "*") == 0) {
      // The end of a step: the names go on with the rest of the program's
      // end, the printer's preparation and the layout with the fill.
      Switch(current_ == kNames ? kFinish : kFillAndTally);
    }
  }
  void Switch(Phase next) {
    const double now = Now();
    seconds_[current_] += now - mark_;
    mark_ = now;
    current_ = next;
  }

  double seconds_[kPhases];
  Phase current_ = kParse;
  double mark_ = 0;
  static inline PhaseClock* running_ = nullptr;
};

#endif
