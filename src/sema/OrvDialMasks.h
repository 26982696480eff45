// The bit field of each dialect in a dialect set, as constants, so that
// tables of dialect masks can be written as the dialects they hold.
#ifndef LARK_SEMA_ORVDIALMASKS_H
#define LARK_SEMA_ORVDIALMASKS_H

#include "OrvDials.h"

enum OrvDialMask : OrvDials {
#define ORV_DIALECT(Number, Id, ShortName, LongName, FirstBit, Width, Word) \
  ORV_DIAL_MASK_##Id = ((OrvDials{1} << (Width)) - 1) << (FirstBit),
#include "OrvDialects.def"
};

// 1 when the two sets share a dialect: field by field, a field of several
// bits counts when it is non-zero in both.
int OrvDialsShareDialect(OrvDials a, OrvDials b);

#endif
