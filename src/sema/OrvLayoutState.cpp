// The process-wide layout options and state, and UNDEF-keeping arithmetic.
#include "OrvLayoutState.h"

#include "OrvMessage.h"
#include "OrvParser.h"
#include "OrvPosnWalkers.h"
#include "OrvToken.h"

OrvLayoutOptions OrvLayoutOptionsInUse = {ORV_STOR_MODE_BYTE, 0, 4, 4, 4, 1};

OrvLayoutState OrvLayout = {0, 0, 0, nullptr, 0, 0, 0, nullptr};

OrvLayoutOptions OrvLayoutOptionsOf(const OrvParser& settings) {
  OrvLayoutOptions options;
  options.storageMode = settings.storageMode;
  options.trailingSeparateSign = settings.numSignTrailSep;
  options.pointerSize = settings.pointerSize;
  options.procPointerSize = settings.procPointerSize;
  options.indexSize = settings.indexSize;
  options.unfoldFlexArrays = settings.unfoldFlexArrays;
  return options;
}

void OrvLayoutReport(OrvExpr* entry, const VString& text) {
  if (OrvLayout.messages == nullptr) return;
  OrvLayout.messages->AddToken(MSG_ERR, OrvSrcPosnBegWalker(entry), text);
}

namespace {

// a op b with UNDEF kept and a result outside 64 bits made UNDEF; `op` is
// one of the compiler's checked operations (true on overflow).
template <bool (*op)(int64_t, int64_t, int64_t*)>
int64_t Checked(int64_t a, int64_t b) {
  int64_t result;
  if (a == ORV_LAYOUT_UNDEF || b == ORV_LAYOUT_UNDEF || op(a, b, &result)) return ORV_LAYOUT_UNDEF;
  return result;
}

bool Add(int64_t a, int64_t b, int64_t* r) { return __builtin_add_overflow(a, b, r); }
bool Subtract(int64_t a, int64_t b, int64_t* r) { return __builtin_sub_overflow(a, b, r); }
bool Multiply(int64_t a, int64_t b, int64_t* r) { return __builtin_mul_overflow(a, b, r); }

}  // namespace

int64_t OrvLayoutSum(int64_t a, int64_t b) { return Checked<Add>(a, b); }

int64_t OrvLayoutDiff(int64_t a, int64_t b) { return Checked<Subtract>(a, b); }

int64_t OrvLayoutProduct(int64_t a, int64_t b) { return Checked<Multiply>(a, b); }

int64_t OrvLayoutMax(int64_t a, int64_t b) {
  if (a == ORV_LAYOUT_UNDEF || b == ORV_LAYOUT_UNDEF) return ORV_LAYOUT_UNDEF;
  return a > b ? a : b;
}

int64_t OrvLayoutRoundUp(int64_t position, int64_t alignment) {
  int64_t end = OrvLayoutSum(position, alignment - 1);
  if (end == ORV_LAYOUT_UNDEF) return ORV_LAYOUT_UNDEF;
  return end & ~(alignment - 1);
}
