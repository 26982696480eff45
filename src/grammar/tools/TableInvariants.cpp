// Reading byacc's table arrays and checking their invariants.
#include "TableInvariants.h"

#include <algorithm>
#include <map>

#include "ToolText.h"

namespace larkyacc {

namespace {

bool ReadArray(const std::string& text, const char* name, std::vector<int>& values, std::string& error) {
  const std::string head = std::string("YYINT ") + name + "[] = {";
  const std::size_t at = text.find(head);
  if (at == std::string::npos) {
    error = std::string("the table file has no array ") + name;
    return false;
  }
  if (text.find(head, at + 1) != std::string::npos) {
    error = std::string("the table file has array ") + name + " twice";
    return false;
  }
  const std::size_t begin = at + head.size();
  const std::size_t end = text.find("};", begin);
  if (end == std::string::npos) {
    error = std::string("array ") + name + " has no end";
    return false;
  }
  values.clear();
  std::size_t i = begin;
  while (i < end) {
    const std::size_t comma = std::min(text.find(',', i), end);
    std::string item = text.substr(i, comma - i);
    for (char& c : item)
      if (c == '\n' || c == '\r') c = ' ';
    item = Trim(item);
    if (!item.empty()) {
      int v = 0;
      if (!ParseInt(item, v)) {
        error = std::string("array ") + name + " holds \"" + item + "\"";
        return false;
      }
      values.push_back(v);
    }
    i = comma + 1;
  }
  return true;
}

enum RowKind { SHIFT_ROW, REDUCE_ROW, CONFLICT_ROW, GOTO_COLUMN };

struct Row {
  RowKind kind;
  int index;  // the state, or the nonterminal of a goto column
  int base;
};

std::string RowName(const Row& row) {
  static const char* const kinds[] = {"shift row of state ", "reduce row of state ",
                                      "conflict row of state ", "goto column of nonterminal "};
  return std::string("the ") + kinds[row.kind] + std::to_string(row.index);
}

// Collects the messages, counting those beyond the first fifty.
class Findings {
 public:
  void Add(const std::string& message) {
    if (messages_.size() < kShown) messages_.push_back(message);
    else ++more_;
  }
  std::vector<std::string> Take() {
    if (more_ > 0) messages_.push_back("... and " + std::to_string(more_) + " more");
    return messages_;
  }

 private:
  static const std::size_t kShown = 50;
  std::vector<std::string> messages_;
  int more_ = 0;
};

class Checker {
 public:
  explicit Checker(const PackedTables& t) : t_(t) {}

  std::vector<std::string> Run() {
    if (!CheckSizes()) return findings_.Take();
    if (t_.yylhs[0] != -1 || t_.yylen[0] != 2)
      findings_.Add("rule 0 has left-hand side " + std::to_string(t_.yylhs[0]) + " and length " +
                    std::to_string(t_.yylen[0]) + " (expected -1 and 2)");
    CollectRowsAndSlots();
    CheckDisplacements();
    CheckKeysAndTargets();
    CheckStates();
    CheckGotos();
    CheckEveryRuleReduced();
    return findings_.Take();
  }

 private:
  int Rules() const { return static_cast<int>(t_.yylhs.size()); }
  int States() const { return static_cast<int>(t_.yydefred.size()); }
  int Slots() const { return static_cast<int>(t_.yytable.size()); }

  bool CheckSizes() {
    const TableConstants& c = t_.constants;
    bool ok = true;
    auto expect = [&](std::size_t size, std::size_t wanted, const std::string& what) {
      if (size != wanted) {
        findings_.Add(what + " has " + std::to_string(size) + " entries, expected " + std::to_string(wanted));
        ok = false;
      }
    };
    expect(t_.yylen.size(), t_.yylhs.size(), "yylen (per rule, like yylhs)");
    expect(t_.yysindex.size(), t_.yydefred.size(), "yysindex (per state, like yydefred)");
    expect(t_.yyrindex.size(), t_.yydefred.size(), "yyrindex (per state, like yydefred)");
    expect(t_.yycindex.size(), t_.yydefred.size(), "yycindex (per state, like yydefred)");
    expect(t_.yygindex.size(), t_.yydgoto.size(), "yygindex (per nonterminal, like yydgoto)");
    expect(t_.yytable.size(), static_cast<std::size_t>(c.tableSize) + 1, "yytable (YYTABLESIZE + 1)");
    expect(t_.yycheck.size(), static_cast<std::size_t>(c.tableSize) + 1, "yycheck (YYTABLESIZE + 1)");
    if (t_.yylhs.empty()) {
      findings_.Add("the tables have no rules");
      ok = false;
    }
    if (c.errorCode != 256) {
      findings_.Add("YYERRCODE is " + std::to_string(c.errorCode) + ", expected 256");
      ok = false;
    }
    if (c.finalState < 0 || c.finalState >= static_cast<int>(t_.yydefred.size())) {
      findings_.Add("YYFINAL " + std::to_string(c.finalState) + " is not a state");
      ok = false;
    }
    return ok;
  }

  void CollectRowsAndSlots() {
    for (int s = 0; s < States(); ++s) {
      AddRow(Row{SHIFT_ROW, s, t_.yysindex[s]});
      AddRow(Row{REDUCE_ROW, s, t_.yyrindex[s]});
      AddRow(Row{CONFLICT_ROW, s, t_.yycindex[s]});
    }
    for (int a = 0; a < static_cast<int>(t_.yygindex.size()); ++a) AddRow(Row{GOTO_COLUMN, a, t_.yygindex[a]});
    for (int i = 0; i < Slots(); ++i)
      if (t_.yycheck[i] != -1) slotsByBase_[i - t_.yycheck[i]].push_back(i);
  }

  void AddRow(const Row& row) {
    if (row.base != 0) rowsByBase_[row.base].push_back(row);
  }

  // The slots of a row: those whose index minus key is its displacement.
  const std::vector<int>& SlotsOf(int base) const {
    static const std::vector<int> none;
    if (base == 0) return none;
    const auto it = slotsByBase_.find(base);
    return it == slotsByBase_.end() ? none : it->second;
  }

  // The entry at base + key, or -1.
  int Find(int base, int key) const {
    if (base == 0) return -1;
    const long long i = static_cast<long long>(base) + key;
    if (i < 0 || i >= Slots() || t_.yycheck[i] != key) return -1;
    return t_.yytable[i];
  }

  void CheckDisplacements() {
    for (const auto& entry : slotsByBase_)
      if (rowsByBase_.find(entry.first) == rowsByBase_.end())
        for (int slot : entry.second)
          findings_.Add("slot " + std::to_string(slot) + " (key " + std::to_string(t_.yycheck[slot]) +
                        ") belongs to no row or column");
    for (const auto& entry : rowsByBase_) {
      const std::vector<Row>& rows = entry.second;
      if (rows.size() < 2) continue;
      // Identical shift or reduce rows are stored once, a shift row and a
      // reduce row too when they hold the same keys and numbers; each
      // lookup then still finds its own row's entries.  Conflict rows and
      // goto columns are never shared.
      const Row* other = nullptr;
      for (const Row& r : rows)
        if (other == nullptr && (r.kind == CONFLICT_ROW || r.kind == GOTO_COLUMN)) other = &r;
      if (other == &rows[0]) other = &rows[1];
      if (other != nullptr)
        findings_.Add("displacement " + std::to_string(entry.first) + " is shared by " + RowName(rows[0]) +
                      " and " + RowName(*other));
    }
  }

  bool IsState(int v) const { return v >= 0 && v < States(); }
  bool IsReducibleRule(int v) const { return v >= 1 && v < Rules(); }
  bool IsTokenKey(int k) const { return k == 0 || k == 256 || (k >= 257 && k <= t_.constants.maxToken); }

  void CheckKeysAndTargets() {
    for (const auto& entry : rowsByBase_) {
      // The entries of a shared displacement are checked once per kind of
      // row that reads them.
      bool checked[GOTO_COLUMN + 1] = {};
      for (const Row& row : entry.second) {
        if (checked[row.kind]) continue;
        checked[row.kind] = true;
        CheckRowEntries(row);
      }
    }
  }

  void CheckRowEntries(const Row& row) {
    for (int slot : SlotsOf(row.base)) {
      const int key = t_.yycheck[slot];
      const int value = t_.yytable[slot];
      const std::string where = RowName(row) + ", key " + std::to_string(key);
      if (row.kind == GOTO_COLUMN) {
        if (!IsState(key)) findings_.Add(where + ": the key is not a state");
      } else if (!IsTokenKey(key)) {
        findings_.Add(where + ": the key is not a token code (0, 256, 257.." +
                      std::to_string(t_.constants.maxToken) + ")");
      }
      switch (row.kind) {
        case SHIFT_ROW:
        case GOTO_COLUMN:
          if (!IsState(value) || value == 0) findings_.Add(where + ": target " + std::to_string(value) + " is not a state");
          break;
        case REDUCE_ROW:
          if (IsReducibleRule(value)) reduced_.push_back(value);
          else findings_.Add(where + ": rule " + std::to_string(value) + " cannot be reduced");
          break;
        case CONFLICT_ROW:
          CheckConflictList(where, value);
          break;
      }
    }
  }

  void CheckConflictList(const std::string& where, int c) {
    const int size = static_cast<int>(t_.yyctable.size());
    if (c < 0 || c >= size) {
      findings_.Add(where + ": conflict list " + std::to_string(c) + " is outside yyctable");
      return;
    }
    int i = c, alternatives = 0;
    if (t_.yyctable[i] != -1) {
      if (!IsState(t_.yyctable[i]) || t_.yyctable[i] == 0)
        findings_.Add(where + ": conflict list " + std::to_string(c) + " shifts to no state");
      ++alternatives;
    }
    for (++i; i < size && t_.yyctable[i] != -1; ++i, ++alternatives) {
      if (IsReducibleRule(t_.yyctable[i])) reduced_.push_back(t_.yyctable[i]);
      else findings_.Add(where + ": conflict list " + std::to_string(c) + " reduces by no rule");
    }
    if (i == size) findings_.Add(where + ": conflict list " + std::to_string(c) + " has no end (-1)");
    else if (alternatives < 2) findings_.Add(where + ": conflict list " + std::to_string(c) + " has fewer than two alternatives");
  }

  void CheckStates() {
    for (int s = 0; s < States(); ++s) {
      const int rule = t_.yydefred[s];
      const bool hasShift = !SlotsOf(t_.yysindex[s]).empty();
      const bool hasReduce = !SlotsOf(t_.yyrindex[s]).empty();
      const bool hasConflict = !SlotsOf(t_.yycindex[s]).empty();
      if (rule != 0) {
        if (IsReducibleRule(rule)) reduced_.push_back(rule);
        else findings_.Add("state " + std::to_string(s) + ": default reduction by rule " + std::to_string(rule) + ", which cannot be reduced");
        if (hasShift || hasReduce || hasConflict)
          findings_.Add("state " + std::to_string(s) + " has a default reduction and " +
                        (hasConflict ? "conflict" : hasShift ? "shift" : "reduce") + " entries");
      }
      if (s == t_.constants.finalState && (rule != 0 || hasShift || hasReduce || hasConflict))
        findings_.Add("the final state " + std::to_string(s) + " has entries");
      for (int slot : SlotsOf(t_.yycindex[s])) {
        const int token = t_.yycheck[slot];
        if (Find(t_.yysindex[s], token) != -1 || Find(t_.yyrindex[s], token) != -1)
          findings_.Add("state " + std::to_string(s) + ": the conflict cell on token " + std::to_string(token) +
                        " also has a shift or reduce entry");
      }
    }
  }

  void CheckGotos() {
    for (int a = 0; a < static_cast<int>(t_.yydgoto.size()); ++a) {
      if (!IsState(t_.yydgoto[a]))
        findings_.Add("nonterminal " + std::to_string(a) + ": default goto " + std::to_string(t_.yydgoto[a]) + " is not a state");
      for (int slot : SlotsOf(t_.yygindex[a]))
        if (t_.yytable[slot] == t_.yydgoto[a])
          findings_.Add("nonterminal " + std::to_string(a) + ": the goto from state " + std::to_string(t_.yycheck[slot]) +
                        " repeats the default goto " + std::to_string(t_.yydgoto[a]));
    }
  }

  void CheckEveryRuleReduced() {
    std::vector<bool> seen(t_.yylhs.size(), false);
    for (int r : reduced_) seen[r] = true;
    for (int r = 1; r < Rules(); ++r)
      if (!seen[r]) findings_.Add("rule " + std::to_string(r) + " is never reduced");
  }

  const PackedTables& t_;
  Findings findings_;
  std::map<int, std::vector<int>> slotsByBase_;  // by displacement, in order
  std::map<int, std::vector<Row>> rowsByBase_;
  std::vector<int> reduced_;
};

}  // namespace

bool ReadPackedTables(const std::string& tableText, PackedTables& tables, std::string& error) {
  struct Array {
    const char* name;
    std::vector<int>* values;
  } arrays[] = {{"yylhs", &tables.yylhs},       {"yylen", &tables.yylen},       {"yydefred", &tables.yydefred},
                {"yydgoto", &tables.yydgoto},   {"yysindex", &tables.yysindex}, {"yyrindex", &tables.yyrindex},
                {"yycindex", &tables.yycindex}, {"yygindex", &tables.yygindex}, {"yytable", &tables.yytable},
                {"yycheck", &tables.yycheck},   {"yyctable", &tables.yyctable}};
  for (const Array& a : arrays)
    if (!ReadArray(tableText, a.name, *a.values, error)) return false;
  return true;
}

std::vector<std::string> CheckTableInvariants(const PackedTables& tables) { return Checker(tables).Run(); }

}  // namespace larkyacc
