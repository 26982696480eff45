// PICTURE string utilities.  A PICTURE is first read into runs (a character
// and how many times it stands), so that the category and the length of an
// item can be computed from the counts without writing the expansion out.
#include "OrvPicture.h"

#include <cstring>
#include <string>
#include <vector>

#include "OrvCalcValue.h"
#include "OrvExpr.h"
#include "OrvLink.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvSymTab.h"

namespace {

struct PicRun {
  char ch;
  int64 count;
};

// Counts at or above this value are all equally too large; keeping them
// saturated there avoids any overflow while they are added up.
const int64 kSaturatedCount = int64(1) << 40;

int64 Saturate(int64 n) {
  if (n < 0) return 0;
  return n > kSaturatedCount ? kSaturatedCount : n;
}

// The program node at or above `context`, or null.
OrvExpr* EnclosingProgram(OrvExpr* context) {
  if (context == nullptr || context->Oper() == NULL_NODE) return nullptr;
  for (OrvExpr* n = context; n != nullptr; n = n->Parent()) {
    if (n->Oper() == COBOL_PROGRAM) return n;
  }
  return nullptr;
}

// The child in slot `slot` of `node`, or null when the node is absent or has
// no such slot; read inline (a negative slot is reported as Args does).
OrvExpr* ChildAt(const OrvExpr* node, int slot) {
  if (node == nullptr || slot >= node->NArgs()) return nullptr;
  return slot >= 0 ? node->ChildAt(slot) : node->Args(slot);
}

// The character a CURRENCY SIGN clause of `program` names, or 0 when the
// program has none (or only one whose literal is not one character long,
// which the parser reported and did not take).
char ProgramCurrencySign(const OrvExpr* program) {
  OrvExpr* env = ChildAt(program, COBOL_PROGRAM__ENVIRONMENT_DIVISION);
  if (env == nullptr || env->Oper() != DIVISION_ENVIRONMENT) return 0;
  OrvExpr* config = ChildAt(env, DIVISION_ENVIRONMENT__CONFIGURATION_SECTION);
  if (config == nullptr || config->Oper() != SECTION_CONFIGURATION) return 0;
  OrvExpr* names = ChildAt(config, SECTION_CONFIGURATION__SPECIAL_NAMES);
  if (names == nullptr || names->Oper() != PARA_SPECIAL_NAMES) return 0;
  OrvExpr* clause = ChildAt(names, PARA_SPECIAL_NAMES__CURRENCY_SIGN);
  if (clause == nullptr || clause->Oper() != SNX_CURRENCY_SIGN) return 0;
  OrvExpr* literal = ChildAt(clause, SNX_CURRENCY_SIGN__CURRENCY_LITERAL);
  if (literal == nullptr || literal->Oper() != STR_CONST) return 0;
  // The literal's text keeps its delimiters: 'c'.
  const VString text = literal->Value();
  return text.length == 3 ? text.text[1] : 0;
}

// The currency sign in force at `context`: that of the nearest program,
// going outward, that gives a CURRENCY SIGN clause; '$' when none does.
char CurrencySignAt(OrvExpr* context) {
  if (context == nullptr || context->Oper() == NULL_NODE) return '$';
  for (OrvExpr* n = context; n != nullptr; n = n->Parent()) {
    if (n->Oper() != COBOL_PROGRAM) continue;
    char sign = ProgramCurrencySign(n);
    if (sign != 0) return sign;
  }
  return '$';
}

// The value of the level-78 constant `name` of the program around `context`.
OrvResult ConstantCount(const VString& name, OrvExpr* context, bool haveContext,
                        const char* whole, int64& count, VString& message) {
  if (!haveContext || context == nullptr) {
    message = OrvFormat("Using 78-level constant in PIC string with no context: %s", whole);
    return ORV_PIC_CONSTANT_PROBLEM;
  }
  OrvExpr* program = EnclosingProgram(context);
  OrvExpr* table = program != nullptr && program->NArgs() > PROG_SYMBOL_TABLE
                       ? program->ChildAt(PROG_SYMBOL_TABLE) : nullptr;
  OrvExpr* elt = table != nullptr ? OrvSymTabFindElt(table, name, nullptr) : nullptr;
  if (elt == nullptr) {
    message = OrvFormat("78-level name used in PIC string is not defined: %s", whole);
    return ORV_PIC_CONSTANT_PROBLEM;
  }
  OrvLinkList* refs = elt->Links(0);
  OrvExpr* def = refs != nullptr ? refs->Nth(0).node : nullptr;
  OrvExpr* value = def != nullptr && OrvCalcValueHook != nullptr ? OrvCalcValueHook(def) : nullptr;
  // Only an integer is a repeat count; a string constant has none.
  bool isInteger = value != nullptr && value->Oper() == INT_NUM_CONST;
  count = isInteger ? value->IntValue() : 0;
  delete value;
  if (!isInteger) {
    message = OrvFormat("Cannot compute value of 78-level constant used in PIC string: %s", whole);
    return ORV_PIC_CONSTANT_PROBLEM;
  }
  return ORV_OK;
}

// Reads the PICTURE text into runs.  Adjacent runs of one character are
// merged.  `total` receives the length of the expansion (saturated).
OrvResult ReadRuns(const char* pic, OrvExpr* context, bool haveContext,
                   std::vector<PicRun>& runs, int64& total, VString& message) {
  runs.clear();
  total = 0;
  if (pic == nullptr) pic = "";
  if (pic[0] == '(') {
    message = OrvFormat("OrvUnrollPicStr: PIC string starts with '(': %s", pic);
    return ORV_PIC_STARTS_WITH_PAREN;
  }
  const char* p = pic;
  while (*p != '\0') {
    char c = *p++;
    int64 count = 1;
    if (*p == '(') {
      const char* close = std::strchr(p + 1, ')');
      if (close == nullptr) {
        message = OrvFormat("PIC string repeater is not closed with ')': %s", pic);
        return ORV_PIC_REPEATER_NOT_CLOSED;
      }
      const char* q = p + 1;
      bool allDigits = true;
      for (const char* d = q; d < close; ++d) {
        if (*d < '0' || *d > '9') { allDigits = false; break; }
      }
      if (allDigits) {
        count = 0;
        for (const char* d = q; d < close; ++d) count = Saturate(count * 10 + (*d - '0'));
      } else {
        VString name(q, int(close - q));
        OrvResult r = ConstantCount(name, context, haveContext, pic, count, message);
        if (r != ORV_OK) return r;
      }
      p = close + 1;
    }
    count = Saturate(count);
    if (count == 0) continue;
    if (!runs.empty() && runs.back().ch == c) {
      runs.back().count = Saturate(runs.back().count + count);
    } else {
      runs.push_back(PicRun{c, count});
    }
    total = Saturate(total + count);
  }
  return ORV_OK;
}

// Writes the runs out in full.
VString Expand(const std::vector<PicRun>& runs, int64 total) {
  if (total == 0) return VString();
  char* buf = new char[size_t(total) + 1];
  size_t at = 0;
  for (const PicRun& r : runs) {
    std::memset(buf + at, r.ch, size_t(r.count));
    at += size_t(r.count);
  }
  buf[at] = '\0';
  VString out(buf, int(at));
  delete[] buf;
  return out;
}

// Writes the runs with every run longer than one character kept as c(n).
VString Compact(const std::vector<PicRun>& runs) {
  FastOstrstream os;
  for (const PicRun& r : runs) {
    os << r.ch;
    if (r.count > 1) os << '(' << r.count << ')';
  }
  return VString(os);
}

// The PICTURE text a caller passed (the empty text for none).
const char* PicText(const char** text) { return text != nullptr && *text != nullptr ? *text : ""; }

// Reads the PICTURE text into runs and refuses an expansion longer than
// `limit` characters.
OrvResult ReadPicture(const char* pic, OrvExpr* context, bool haveContext, int limit,
                      std::vector<PicRun>& runs, int64& total, VString& message) {
  OrvResult r = ReadRuns(pic, context, haveContext, runs, total, message);
  if (r != ORV_OK) return r;
  if (total > limit) {
    message = OrvFormat("PIC string expands beyond %d characters: %s", limit, pic);
    return ORV_PIC_TOO_LONG;
  }
  return ORV_OK;
}

OrvResult Unroll(const char** text, VString& unrolled, OrvExpr* context, bool haveContext,
                 VString& message) {
  unrolled = VString();
  std::vector<PicRun> runs;
  int64 total = 0;
  OrvResult r = ReadPicture(PicText(text), context, haveContext, OrvPicMaxUnrolledLength, runs,
                            total, message);
  if (r != ORV_OK) return r;
  unrolled = Expand(runs, total);
  return ORV_OK;
}

// Occurrences, by character, in the runs.
struct PicCounts {
  int64 n[256];
  // The characters present, each once, in order of appearance; the tests
  // of the categories look only at these.
  std::string present;
  PicCounts() { std::memset(n, 0, sizeof n); }
  void Add(char ch, int64 count) {
    if (n[(unsigned char)ch] == 0) present += ch;
    n[(unsigned char)ch] += count;
  }
  int64 Of(const char* set) const {
    int64 s = 0;
    for (const char* c = set; *c != '\0'; ++c) s += n[(unsigned char)*c];
    return s;
  }
  bool Has(char c) const { return n[(unsigned char)c] > 0; }
  // True when every character present is one of `set`.
  bool OnlyIn(const char* set) const {
    for (char c : present) {
      if (c == '\0' || std::strchr(set, c) == nullptr) return false;
    }
    return true;
  }
};

}  // namespace

OrvResult OrvUnrollPicStr(const char** text, VString& unrolled, OrvExpr* context,
                          VString& message) {
  return Unroll(text, unrolled, context, true, message);
}

OrvResult OrvUnrollPicStrNoContext(const char** text, VString& unrolled, VString& message) {
  return Unroll(text, unrolled, nullptr, false, message);
}

OrvResult OrvPicStrCategory(const char** text, VString& unrolled, std::uint16_t* category,
                            int* length, int* digits, OrvExpr* context, VString& message) {
  if (category != nullptr) *category = 1;
  unrolled = VString();
  const char* pic = PicText(text);
  std::vector<PicRun> runs;
  int64 total = 0;
  OrvResult r = ReadPicture(pic, context, true, OrvPicMaxItemLength, runs, total, message);
  if (r != ORV_OK) return r;
  unrolled = total > OrvPicMaxUnrolledLength ? Compact(runs) : Expand(runs, total);

  // The program's currency sign stands in the rules as "$"; "$" itself
  // stays a currency symbol too.
  const char currency = CurrencySignAt(context);
  PicCounts k;
  for (const PicRun& run : runs) k.Add(run.ch == currency ? '$' : run.ch, run.count);
  int64 nines = k.n[(unsigned char)'9'];
  int cat;
  int64 len;
  if (k.OnlyIn("AB")) {
    cat = PIC_ALPHA; len = total;
  } else if (k.OnlyIn("9PSV")) {
    cat = PIC_NUM; len = nines;
  } else if (k.OnlyIn("AX9")) {
    cat = PIC_ALPHA_NUM; len = total;
  } else if (k.OnlyIn("AX9B0/") && (k.Has('A') || k.Has('X')) &&
             (k.Has('B') || k.Has('0') || k.Has('/'))) {
    // An A with a B is editing as much as an X with one (AB9); a bare AB
    // was taken as alphabetic above.
    cat = PIC_ALPHA_NUM_EDITED; len = total; nines = 0;
  } else if (k.OnlyIn("B/PVZ09,.*+-CRDB$")) {
    cat = PIC_NUM_EDITED; len = k.Of("B/Z09,.*+-CRD$");
  } else if (k.OnlyIn("+-E9.V")) {
    cat = PIC_EXT_FLOAT; len = k.Of("+-E9.");
  } else if (k.OnlyIn("1")) {
    cat = PIC_BIT; len = total;
  } else if (k.OnlyIn("N") || k.OnlyIn("G")) {
    cat = PIC_NATIONAL; len = 2 * total;
  } else if (k.OnlyIn("NB") || k.OnlyIn("GB")) {
    cat = PIC_NATIONAL_EDITED; len = 2 * total;
  } else {
    if (length != nullptr) *length = int(total);
    if (digits != nullptr) *digits = int(nines);
    message = OrvFormat("Cannot determine category for PIC string: %s", pic);
    return ORV_PIC_NO_CATEGORY;
  }
  if (category != nullptr) *category = std::uint16_t(cat);
  if (length != nullptr) *length = int(len);
  if (digits != nullptr) *digits = int(nines);
  return ORV_OK;
}
