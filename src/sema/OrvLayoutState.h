// The memory model and the running state of the data layout: the six layout
// options, the position where the next data item goes with the record base
// and slot of the storage section, and the arithmetic on byte counts that
// keeps "undefined" (-2) undefined.  One layout runs at a time; the state is
// process-wide and valid during one call of OrvCalcLengthsAndOffsets.
#ifndef LARK_SEMA_ORVLAYOUTSTATE_H
#define LARK_SEMA_ORVLAYOUTSTATE_H

#include <cstdint>

#include "VString.h"

class OrvExpr;
class OrvParser;
class OrvTokenList;

// A length or offset that cannot be known (a table sized at run time, an
// item placed after one); the data-item table prints it as "UNDEF".
const int64_t ORV_LAYOUT_UNDEF = -2;

// The memory model, six 32-bit numbers in this order.  The storage mode is
// one of ORV_STOR_MODE_BYTE, ORV_STOR_MODE_WORD, ORV_STOR_MODE_FSC (a
// resolved "lo-stor-mode"); the sizes are in bytes.
struct OrvLayoutOptions {
  int32_t storageMode;          // "lo-stor-mode"
  int32_t trailingSeparateSign; // "num-sign-trail-sep": 1 adds a sign byte
  int32_t pointerSize;          // "lo-pointer-size": USAGE POINTER
  int32_t procPointerSize;      // "lo-proc-pointer-size": PROCEDURE-POINTER
  int32_t indexSize;            // "lo-index-size": USAGE INDEX
  int32_t unfoldFlexArrays;     // "lo-unfold-flex-arrays": size ODO tables
                                // by their upper bound
};

// The options as the parser settings hold them after their dialect values
// were resolved (OrvParser::ResolveDialectOptions).
OrvLayoutOptions OrvLayoutOptionsOf(const OrvParser& settings);

// The options of the last layout; {byte, 0, 4, 4, 4, 1} before the first.
extern OrvLayoutOptions OrvLayoutOptionsInUse;

// The running state of one layout.
struct OrvLayoutState {
  // Offset from the record start where the next item goes, or UNDEF.
  int64_t currentOffset;
  // Global offset of the current 01/77 record within its storage section.
  int64_t recordBase;
  // Room that the previous record with its redefinitions takes (a multiple
  // of 8), or UNDEF.
  int64_t previousSlot;
  // Where layout messages go (MSG_ERR tokens); null drops them.
  OrvTokenList* messages;
  // Switches: slot 18 (offset in group), slot 20 (global offset), slot 5 of
  // level-78 entries (constant values).
  int offsetsInGroup;
  int globalOffsets;
  int constantValues;
  // The DECL_DD of the outermost group now being laid out from a stand-in
  // offset 0 because its real offset is undefined; its items have no known
  // start until it is done.  Null when there is none.
  OrvExpr* floatingGroup;
};

// The state of the running layout.
extern OrvLayoutState OrvLayout;

// Reports `text` as an MSG_ERR token at the begin position of the entry into
// the layout's message list.
void OrvLayoutReport(OrvExpr* entry, const VString& text);

// Byte-count arithmetic: UNDEF in, UNDEF out; a result that does not fit in
// 64 bits is UNDEF too.  Operands are byte counts, never negative: an
// operand of -2 is read as UNDEF.
int64_t OrvLayoutSum(int64_t a, int64_t b);
int64_t OrvLayoutDiff(int64_t a, int64_t b);
int64_t OrvLayoutProduct(int64_t a, int64_t b);
// The greater of the two, UNDEF when either is.
int64_t OrvLayoutMax(int64_t a, int64_t b);
// `position` rounded up to a multiple of `alignment` (a power of two).
int64_t OrvLayoutRoundUp(int64_t position, int64_t alignment);

#endif
