// USAGE sizes: the length in bytes of one elementary data item from its
// USAGE, PICTURE and SIGN clauses and the memory model, its category, and
// the alignment that a SYNCHRONIZED item takes in word and fsc storage
// modes.
#ifndef LARK_SEMA_ORVITEMLENGTH_H
#define LARK_SEMA_ORVITEMLENGTH_H

#include "OrvLayoutState.h"

class OrvExpr;

// What OrvCalcItemLength does besides sizing and aligning.
enum OrvItemLengthMode {
  ORV_ITEM_LAY_OUT = 0,  // also set the category slot and report problems
  ORV_ITEM_SIZE_ONLY = 1 // only size the item and align the current offset
};

// The length in bytes of the DECL_DD_ENTRY (0 for any other node, which is
// left alone).  A SYNCHRONIZED item in word or fsc mode first moves the
// layout's current offset (when defined) up to its alignment boundary.  In
// ORV_ITEM_LAY_OUT mode slot 16 receives the item's category and PICTURE
// and USAGE problems are reported to the layout's message list.
int OrvCalcItemLength(OrvExpr* entry, const OrvLayoutOptions& options,
                      int mode = ORV_ITEM_LAY_OUT);

// Bytes of a binary item of `digits` decimal digits in the storage mode:
// byte mode by the table of signed and unsigned sizes (8 from 19 digits
// on), word and fsc modes 2, 4 or 8; 0 for no digits or another mode.
int OrvBinaryItemSize(int digits, int isSigned, int storageMode);

#endif
