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

int64_t OrvLayoutSum(int64_t a, int64_t b) {
  int64_t sum;
  if (a == ORV_LAYOUT_UNDEF || b == ORV_LAYOUT_UNDEF || __builtin_add_overflow(a, b, &sum))
    return ORV_LAYOUT_UNDEF;
  return sum;
}

int64_t OrvLayoutDiff(int64_t a, int64_t b) {
  int64_t diff;
  if (a == ORV_LAYOUT_UNDEF || b == ORV_LAYOUT_UNDEF || __builtin_sub_overflow(a, b, &diff))
    return ORV_LAYOUT_UNDEF;
  return diff;
}

int64_t OrvLayoutProduct(int64_t a, int64_t b) {
  int64_t product;
  if (a == ORV_LAYOUT_UNDEF || b == ORV_LAYOUT_UNDEF || __builtin_mul_overflow(a, b, &product))
    return ORV_LAYOUT_UNDEF;
  return product;
}

int64_t OrvLayoutMax(int64_t a, int64_t b) {
  if (a == ORV_LAYOUT_UNDEF || b == ORV_LAYOUT_UNDEF) return ORV_LAYOUT_UNDEF;
  return a > b ? a : b;
}

int64_t OrvLayoutRoundUp(int64_t position, int64_t alignment) {
  int64_t end = OrvLayoutSum(position, alignment - 1);
  if (end == ORV_LAYOUT_UNDEF) return ORV_LAYOUT_UNDEF;
  return end & ~(alignment - 1);
}
