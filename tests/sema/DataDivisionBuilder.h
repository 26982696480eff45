// Test support for the data layout: builds the tree of a COBOL_FILE from the
// text of data descriptions, in the shape that the grammar and the nesting
// of entries give parsed sources: DECL_DD holders nested by level number (66
// counts as 2 and 77 as 1, a 78 or 88 nests under the open item), level-78
// entries as DECL_CONST_ENTRY with an EX_CONST_VALUE, level-88 entries as
// DECL_COND_ENTRY, other VALUE clauses as DX_VALUE, names defined in the
// program's symbol table and every name use resolved at the end.
//
// The text is a sequence of period-ended items:
//   PROGRAM-ID name.             a program contained in the current one
//   END PROGRAM.                 back to the program around it
//   WORKING-STORAGE SECTION.     also LOCAL-STORAGE, LINKAGE, FILE SECTION
//   FD name.  SD name.           a file description (FD COPY-EXPR. for one
//                                that a COPY expression stands for)
//   level [name | FILLER] clauses.
// Clauses: REDEFINES q, RENAMES q [THRU q], PIC[TURE] [IS] string, [USAGE
// [IS]] usage (the COBOL words, or DU_... to name the operation), SYNC
// [LEFT|RIGHT], [SIGN [IS]] LEADING|TRAILING [SEPARATE [CHARACTER]],
// OCCURS [n [TO m]] [TIMES] [DEPENDING [ON] q] [INDEXED [BY] names], VALUE
// [IS] value.  A qualified name q is "A OF B".  A value of level 88 is
// "v [THRU v] ... [WHEN FALSE v]"; any other value is terms joined left to
// right by + - * / AND OR, a term being a literal, a figurative constant,
// NEXT, START [OF] q, LENGTH [OF] q or a name.  Entries come before any
// section header in WORKING-STORAGE.  Every entry's level number carries a
// token positioned at its line and column.
#ifndef LARK_TESTS_SEMA_DATADIVISIONBUILDER_H
#define LARK_TESTS_SEMA_DATADIVISIONBUILDER_H

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvDataEntrySlots.h"
#include "OrvExprOper.h"
#include "OrvListExpr.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvQualName.h"
#include "OrvSymTab.h"
#include "OrvToken.h"
#include "OrvTreeWalk.h"

namespace layouttest {

struct Word {
  std::string text;
  int line;
  int column;
};

// Splits the text into words; a period that ends a word (before a blank or
// the end) is a word of its own; a quoted literal is one word.
inline std::vector<Word> SplitWords(const std::string& text) {
  std::vector<Word> words;
  int line = 1;
  int column = 0;
  size_t i = 0;
  auto advance = [&](size_t n) {
    for (size_t k = 0; k < n && i < text.size(); ++k, ++i) {
      if (text[i] == '\n') {
        ++line;
        column = 0;
      } else {
        ++column;
      }
    }
  };
  while (i < text.size()) {
    if (std::isspace(static_cast<unsigned char>(text[i]))) {
      advance(1);
      continue;
    }
    Word w{std::string(), line, column};
    size_t start = i;
    if (text[i] == '\'' || text[i] == '"') {
      size_t close = text.find(text[i], i + 1);
      size_t end = close == std::string::npos ? text.size() : close + 1;
      w.text = text.substr(start, end - start);
      advance(end - start);
    } else {
      size_t end = i;
      while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
      w.text = text.substr(start, end - start);
      advance(end - start);
    }
    bool endsWithPeriod = w.text.size() > 1 && w.text.back() == '.' && w.text[0] != '\'' &&
                          w.text[0] != '"';
    if (endsWithPeriod) w.text.pop_back();
    words.push_back(w);
    if (endsWithPeriod) words.push_back(Word{".", line, column - 1});
  }
  return words;
}

inline int UsageWord(const std::string& w) {
  struct {
    const char* word;
    int op;
  } const usages[] = {
      {"DISPLAY", DU_DISPLAY},       {"COMP", DU_COMP},
      {"COMPUTATIONAL", DU_COMP},    {"BINARY", DU_BINARY},
      {"COMP-0", DU_COMP_0},         {"COMP-1", DU_COMP_1},
      {"COMP-2", DU_COMP_2},         {"COMP-3", DU_COMP_3},
      {"COMP-4", DU_COMP_4},         {"COMP-5", DU_COMP_5},
      {"COMP-6", DU_COMP_6},         {"COMP-X", DU_COMP_X},
      {"PACKED-DECIMAL", DU_PACKED_DECIMAL},
      {"BIT", DU_BIT},               {"INDEX", DU_INDEX},
      {"POINTER", DU_POINTER},       {"PROCEDURE-POINTER", DU_PROC_POINTER},
      {"DISPLAY-1", DU_DISPLAY_1},
  };
  for (const auto& u : usages)
    if (w == u.word) return u.op;
  if (w.compare(0, 3, "DU_") == 0) return OrvOperNameLookup(w.c_str());
  return 0;
}

inline int FigurativeWord(const std::string& w) {
  if (w == "ZERO" || w == "ZEROS" || w == "ZEROES") return FIG_ZERO;
  if (w == "SPACE" || w == "SPACES") return FIG_SPACE;
  if (w == "HIGH-VALUE" || w == "HIGH-VALUES") return FIG_HIGH_VALUE;
  if (w == "LOW-VALUE" || w == "LOW-VALUES") return FIG_LOW_VALUE;
  if (w == "QUOTE" || w == "QUOTES") return FIG_QUOTE;
  return 0;
}

inline bool IsClauseWord(const std::string& w) {
  static const char* const words[] = {
      "REDEFINES", "RENAMES", "PIC", "PICTURE", "USAGE", "SYNC", "SYNCHRONIZED", "SIGN",
      "LEADING", "TRAILING", "OCCURS", "VALUE", "VALUES", "."};
  for (const char* k : words)
    if (w == k) return true;
  return UsageWord(w) != 0;
}

// The tree under construction and its parse state.
class DataDivisionBuilder {
 public:
  explicit DataDivisionBuilder(const std::string& text) : words_(SplitWords(text)) {
    root_ = new OrvExprOper(COBOL_FILE);
    root_->SetArg(COBOL_FILE__PROGRAM_LIST, new OrvExprOper(COBOL_PROGRAM_LIST), -1, 0);
    root_->SetArg(FILE_SYMBOL_TABLE, new OrvExprOper(SYMBOL_TABLE_ELT_LIST), -1, 0);
    OpenProgram(root_->Args(COBOL_FILE__PROGRAM_LIST));
  }

  // Reads the whole text; the tree is then the caller's.
  OrvExpr* Build() {
    while (at_ < words_.size()) Item();
    CloseSection();
    ResolveUses();
    return root_;
  }

 private:
  struct Open {
    int level;
    OrvExpr* holder;
  };

  const std::string& Peek(size_t ahead = 0) const {
    static const std::string end;
    return at_ + ahead < words_.size() ? words_[at_ + ahead].text : end;
  }
  std::string Next() {
    if (at_ >= words_.size()) throw std::runtime_error("text ends inside an item");
    return words_[at_++].text;
  }
  bool Accept(const std::string& w) {
    if (Peek() != w) return false;
    ++at_;
    return true;
  }
  void Expect(const std::string& w) {
    if (!Accept(w)) throw std::runtime_error("expected '" + w + "' before '" + Peek() + "'");
  }

  OrvExpr* Program() const { return programs_.back(); }
  OrvExpr* Table() const { return OrvOwnerSymTab(Program()); }

  void OpenProgram(OrvExpr* programList) {
    OrvExpr* program = new OrvExprOper(COBOL_PROGRAM);
    program->SetArg(COBOL_PROGRAM__DATA_DIVISION, new OrvExprOper(DIVISION_DATA), -1, 0);
    program->SetArg(PROG_SYMBOL_TABLE, new OrvExprOper(SYMBOL_TABLE_ELT_LIST), -1, 0);
    programList->AddArg(program);
    programs_.push_back(program);
    section_ = nullptr;
  }

  OrvExpr* DataDivision() const { return Program()->Args(COBOL_PROGRAM__DATA_DIVISION); }

  // A storage section of the current program, made when missing.
  void StartSection(int slot, OrvOper op) {
    CloseSection();
    OpenSection(slot, op);
  }
  void OpenSection(int slot, OrvOper op) {
    OrvExpr* section = DataDivision()->Args(slot);
    if (section == nullptr) {
      section = new OrvExprOper(op);
      DataDivision()->SetArg(slot, section, -1, 0);
    }
    section_ = section;
    sectionSlot_ = SECTION_WORKING_STORAGE__DATA_DESCRIPTION_ENTRIES;
  }

  void StartFd(bool sd) {
    CloseSection();
    OrvExpr* file = DataDivision()->Args(DIVISION_DATA__FILE_SECTION);
    if (file == nullptr) {
      file = new OrvExprOper(SECTION_FILE);
      DataDivision()->SetArg(DIVISION_DATA__FILE_SECTION, file, -1, 0);
    }
    OrvExpr* fd = new OrvExprOper(DECL_FD);
    std::string name = Next();
    if (name == "COPY-EXPR") {
      fd->SetArg(DECL_FD__FILE_DESCRIPTION_ENTRY, new OrvExprOper(STMT_UNINLINED_COPY), -1, 0);
    } else {
      OrvExpr* entry = new OrvExprOper(DECL_FD_ENTRY);
      entry->SetArg(DECL_FD_ENTRY__LEVEL_INDICATOR, new OrvExprOper(sd ? SDX_LEVEL : FDX_LEVEL), -1, 0);
      entry->SetArg(FD_FILE_NAME, OrvSymTabDefineName(VString(name.c_str()), SYMCAT_FILE_NAME, 0, Program()),
                    -1, 0);
      fd->SetArg(DECL_FD__FILE_DESCRIPTION_ENTRY, entry, -1, 0);
    }
    file->SetArgToList(SECTION_FILE__FILE_DESCRIPTION_ENTRIES, DECL_FD_LIST, fd);
    Expect(".");
    section_ = fd;
    sectionSlot_ = DECL_FD__RECORD_DESCRIPTION_ENTRIES;
  }

  // Closes the open records and hands the records to the section.
  void CloseSection() {
    if (depth_ > 0) records_.push_back(stack_[0].holder);
    depth_ = 0;
    stack_.clear();
    if (records_.empty()) return;
    if (section_ == nullptr) OpenSection(DIVISION_DATA__WORKING_STORAGE_SECTION, SECTION_WORKING_STORAGE);
    for (OrvExpr* record : records_) section_->SetArgToList(sectionSlot_, DECL_DD_LIST, record);
    records_.clear();
  }

  void Item() {
    const std::string& w = Peek();
    if (w == "PROGRAM-ID") {
      Next();
      Next();
      Expect(".");
      CloseSection();
      OrvExpr* contained = Program()->Args(COBOL_PROGRAM__CONTAINED_PROGRAMS);
      if (contained == nullptr) {
        contained = new OrvExprOper(COBOL_PROGRAM_LIST);
        Program()->SetArg(COBOL_PROGRAM__CONTAINED_PROGRAMS, contained, -1, 0);
      }
      OpenProgram(contained);
    } else if (w == "END" && Peek(1) == "PROGRAM") {
      Next();
      Next();
      Expect(".");
      CloseSection();
      programs_.pop_back();
      section_ = nullptr;
    } else if (Peek(1) == "SECTION") {
      std::string name = Next();
      Next();
      Expect(".");
      if (name == "WORKING-STORAGE")
        StartSection(DIVISION_DATA__WORKING_STORAGE_SECTION, SECTION_WORKING_STORAGE);
      else if (name == "LOCAL-STORAGE")
        StartSection(DIVISION_DATA__LOCAL_STORAGE_SECTION, SECTION_LOCAL_STORAGE);
      else if (name == "LINKAGE")
        StartSection(DIVISION_DATA__LINKAGE_SECTION, SECTION_LINKAGE);
      else if (name == "FILE")
        CloseSection();
      else
        throw std::runtime_error("unknown section " + name);
    } else if (w == "FD" || w == "SD") {
      Next();
      StartFd(w == "SD");
    } else {
      Entry();
    }
  }

  // A name use over a qualified name (A OF B ...).
  OrvExpr* QualifiedUse(int category, int flag) {
    OrvExpr* names = new OrvExprOper(OF_IN_LIST);
    do {
      std::string name = Next();
      OrvSymTabElt* elt = OrvSymTabFindOrAddElt(Table(), VString(name.c_str()));
      names->AddArg(new OrvNameUse(OrvLink(elt, ORV_NO_LINK_INDEX)));
    } while (Accept("OF") || Accept("IN"));
    OrvExpr* use = OrvNewNamedObjUse(names, category, flag);
    uses_.push_back(use);
    return use;
  }

  OrvExpr* Literal(const std::string& w) {
    if (w[0] == '\'' || w[0] == '"') return new OrvStrConst(VString(w.c_str()));
    if (w.find('.') != std::string::npos) return new OrvRealNumConst(VString(w.c_str()));
    return new OrvIntNumConst(VString(w.c_str()), std::strtoll(w.c_str(), nullptr, 10));
  }

  bool IsNumber(const std::string& w) const {
    size_t i = w[0] == '+' || w[0] == '-' ? 1 : 0;
    return i < w.size() && std::isdigit(static_cast<unsigned char>(w[i]));
  }

  OrvExpr* Term() {
    std::string w = Next();
    if (IsNumber(w) || w[0] == '\'' || w[0] == '"') return Literal(w);
    if (int fig = FigurativeWord(w)) return new OrvExprOper(static_cast<OrvOper>(fig));
    if (w == "NEXT") return new OrvExprOper(EX_VAL_NEXT);
    if (w == "START" || w == "LENGTH") {
      Accept("OF");
      return new OrvExprOper(w == "START" ? EX_VAL_START_OF : EX_VAL_LENGTH_OF,
                             QualifiedUse(SYMCAT_DATA_NAME, 0));
    }
    --at_;
    OrvSymTabElt* elt = OrvSymTabFindElt(Table(), VString(w.c_str()), nullptr);
    bool constant = elt != nullptr && elt->Category() == SYMCAT_CONSTANT_NAME;
    return QualifiedUse(constant ? SYMCAT_CONSTANT_NAME : SYMCAT_DATA_NAME, 0);
  }

  OrvExpr* Expression() {
    OrvExpr* value = Term();
    for (;;) {
      const std::string& w = Peek();
      OrvOper op = w == "+"     ? AR_ADD
                   : w == "-"   ? AR_SUB
                   : w == "*"   ? AR_MUL
                   : w == "/"   ? AR_DIV
                   : w == "AND" ? BIT_AND
                   : w == "OR"  ? BIT_OR
                                : NULL_NODE;
      if (op == NULL_NODE) return value;
      Next();
      value = OrvListExpr(op, value, Term());
    }
  }

  // The values of a level-88 entry.
  OrvExpr* Condition() {
    OrvExpr* ranges = new OrvExprOper(EX_VALUE_RANGE_LIST);
    while (Peek() != "." && Peek() != "WHEN") {
      OrvExpr* range = new OrvExprOper(EX_VALUE_RANGE);
      range->SetArg(EX_VALUE_RANGE__VALUE, Term(), -1, 0);
      if (Accept("THRU") || Accept("THROUGH")) range->SetArg(EX_VALUE_RANGE__THROUGH_VALUE, Term(), -1, 0);
      ranges->AddArg(range);
    }
    OrvExpr* whenFalse = nullptr;
    if (Accept("WHEN")) {
      Accept("SET");
      Accept("TO");
      Expect("FALSE");
      whenFalse = new OrvExprOper(EX_VALUE_WHEN_FALSE, Term());
    }
    return new OrvExprOper(EX_COND_VALUE, ranges, whenFalse);
  }

  OrvExpr* Occurs() {
    OrvExpr* occurs = new OrvExprOper(DX_OCCURS);
    if (Peek() != "DEPENDING" && Peek() != "TIMES" && Peek() != "INDEXED" && Peek() != ".") {
      OrvExpr* range = new OrvExprOper(EX_INT_CONST_RANGE);
      range->SetArg(EX_INT_CONST_RANGE__FROM, Term(), -1, 0);
      if (Accept("TO")) range->SetArg(EX_INT_CONST_RANGE__TO, Term(), -1, 0);
      occurs->SetArg(DX_OCCURS__TIMES, range, -1, 0);
    }
    Accept("TIMES");
    if (Accept("DEPENDING")) {
      Accept("ON");
      occurs->SetArg(DX_OCCURS__DEPENDING_ON,
                     new OrvExprOper(EX_DEPENDING_ON, QualifiedUse(SYMCAT_DATA_NAME, 0)), -1, 0);
    }
    if (Accept("INDEXED")) {
      Accept("BY");
      OrvExpr* defs = new OrvExprOper(DX_INDEX_DEFS_LIST);
      while (Peek() != "." && !IsClauseWord(Peek()))
        defs->AddArg(OrvSymTabDefineName(VString(Next().c_str()), SYMCAT_INDEX_NAME, 0, Program()));
      occurs->SetArg(DX_OCCURS__INDEXED_BY, new OrvExprOper(DX_INDEXED_BY, defs), -1, 0);
    }
    return occurs;
  }

  // Reads the clauses of an entry into its slots; the VALUE operand is
  // returned.
  OrvExpr* Clauses(OrvExpr* entry, int level) {
    OrvExpr* value = nullptr;
    while (!Accept(".")) {
      std::string w = Next();
      if (w == "REDEFINES") {
        entry->SetArg(DECL_DD_ENTRY__REDEFINES_CLAUSE,
                      new OrvExprOper(DX_REDEFINES, QualifiedUse(SYMCAT_DATA_NAME, 1)), -1, 0);
      } else if (w == "RENAMES") {
        OrvExpr* from = QualifiedUse(SYMCAT_DATA_NAME, 1);
        OrvExpr* to = nullptr;
        if (Accept("THRU") || Accept("THROUGH")) to = QualifiedUse(SYMCAT_DATA_NAME, 1);
        entry->SetArg(DECL_DD_ENTRY__RENAMES,
                      new OrvExprOper(DX_RENAMES, new OrvExprOper(EX_RENAMES_THRU, from, to)), -1,
                      0);
      } else if (w == "PIC" || w == "PICTURE") {
        Accept("IS");
        entry->SetArg(DECL_DD_ENTRY__PICTURE,
                      new OrvExprOper(DX_PICTURE, new OrvCharString(VString(Next().c_str()))), -1,
                      0);
      } else if (w == "USAGE") {
        Accept("IS");
      } else if (int usage = UsageWord(w)) {
        entry->SetArg(DECL_DD_ENTRY__USAGE,
                      new OrvExprOper(DX_USAGE, new OrvExprOper(static_cast<OrvOper>(usage))), -1,
                      0);
      } else if (w == "SYNC" || w == "SYNCHRONIZED") {
        OrvExpr* side = Accept("LEFT")    ? new OrvExprOper(DX_SYNC_LEFT)
                        : Accept("RIGHT") ? new OrvExprOper(DX_SYNC_RIGHT)
                                          : nullptr;
        entry->SetArg(DECL_DD_ENTRY__SYNCHRONIZED, new OrvExprOper(DX_SYNCHRONIZED, side), -1, 0);
      } else if (w == "SIGN" || w == "LEADING" || w == "TRAILING") {
        if (w == "SIGN") {
          Accept("IS");
          w = Next();
        }
        OrvExpr* kind = new OrvExprOper(w == "LEADING" ? DX_SIGN_LEADING : DX_SIGN_TRAILING);
        OrvExpr* separate = nullptr;
        if (Accept("SEPARATE")) {
          Accept("CHARACTER");
          separate = new OrvExprOper(DX_SIGN_SEPARATE);
        }
        entry->SetArg(DECL_DD_ENTRY__SIGN, new OrvExprOper(DX_SIGN, kind, separate), -1, 0);
      } else if (w == "OCCURS") {
        entry->SetArg(DECL_DD_ENTRY__OCCURS, Occurs(), -1, 0);
      } else if (w == "VALUE" || w == "VALUES") {
        Accept("IS");
        Accept("ARE");
        value = level == 88 ? Condition() : Expression();
      } else {
        throw std::runtime_error("unknown clause word " + w);
      }
    }
    return value;
  }

  void Entry() {
    const Word& levelWord = words_[at_];
    std::string levelText = Next();
    int level = std::atoi(levelText.c_str());
    if (level == 0) throw std::runtime_error("expected a level number, not " + levelText);
    OrvExpr* levelNode = new OrvIntNumConst(VString(levelText.c_str()), level);
    levelNode->Tokens().AddToken(TK_INT_NUM_LIT,
                                 OrvTxtPosn(levelWord.line, levelWord.column, 0),
                                 VString(levelText.c_str()));
    OrvExpr* name = nullptr;
    if (Accept("FILLER")) {
      name = new OrvExprOper(EX_FILLER);
    } else if (!IsClauseWord(Peek())) {
      int category = level == 78 ? SYMCAT_CONSTANT_NAME : SYMCAT_DATA_NAME;
      name = OrvSymTabDefineName(VString(Next().c_str()), category, 0, Program());
    }
    OrvExpr* entry = new OrvExprOper(DECL_DD_ENTRY);
    entry->SetArg(DECL_DD_ENTRY__LEVEL_NUMBER, levelNode, -1, 0);
    if (name != nullptr) entry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, name, -1, 0);
    OrvExpr* value = Clauses(entry, level);
    if (level == 78 || level == 88) {
      // The final forms of constants and condition names.
      OrvExpr* converted = new OrvExprOper(level == 78 ? DECL_CONST_ENTRY : DECL_COND_ENTRY);
      static_assert(DECL_COND_ENTRY__LEVEL_NUMBER == DECL_CONST_ENTRY__LEVEL_NUMBER &&
                        DECL_COND_ENTRY__CONDITION_NAME_DEFINED == DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED &&
                        DECL_COND_ENTRY__CONDITION_VALUE == DECL_CONST_ENTRY__CONSTANT_VALUE,
                    "78 and 88 entries share their layout");
      converted->SetArg(DECL_CONST_ENTRY__LEVEL_NUMBER, entry->DelArg(DECL_DD_ENTRY__LEVEL_NUMBER, 0, 0), -1, 0);
      OrvExpr* taken = entry->DelArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, 0, 0);
      if (taken != nullptr) converted->SetArg(DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED, taken, -1, 0);
      if (value != nullptr) {
        converted->SetArg(DECL_CONST_ENTRY__CONSTANT_VALUE,
                          level == 78 ? new OrvExprOper(EX_CONST_VALUE, value) : value, -1, 0);
      }
      delete entry;
      entry = converted;
    } else if (value != nullptr) {
      entry->SetArg(DECL_DD_ENTRY__VALUE, new OrvExprOper(DX_VALUE, value), -1, 0);
    }
    Push(level, entry);
  }

  // Places the entry under the nearest open entry of a lower level.
  void Push(int level, OrvExpr* entry) {
    int n = level == 66 ? 2 : level == 77 ? 1 : level;
    OrvExpr* holder = new OrvExprOper(DECL_DD, entry, new OrvNullNode());
    while (depth_ > 0 && stack_[depth_ - 1].level >= n) {
      --depth_;
      if (depth_ == 0) records_.push_back(stack_[0].holder);
    }
    stack_.resize(depth_);
    if (depth_ > 0) stack_[depth_ - 1].holder->SetArgToList(DECL_DD__SUBORDINATE_ENTRIES, DECL_DD_LIST, holder);
    stack_.push_back(Open{n, holder});
    ++depth_;
  }

  void ResolveUses() {
    for (OrvExpr* use : uses_) SymTabResolve(use);
  }

  std::vector<Word> words_;
  size_t at_ = 0;
  OrvExpr* root_ = nullptr;
  std::vector<OrvExpr*> programs_;
  OrvExpr* section_ = nullptr;
  int sectionSlot_ = 0;
  std::vector<Open> stack_;
  int depth_ = 0;
  std::vector<OrvExpr*> records_;
  std::vector<OrvExpr*> uses_;
};

// The tree of the text (a COBOL_FILE that the caller deletes).
inline OrvExpr* BuildDataDivision(const std::string& text) {
  return DataDivisionBuilder(text).Build();
}

}  // namespace layouttest

#endif
