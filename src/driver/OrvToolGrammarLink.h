// What the tool driver's banner asks of the grammar: whether embedded SQL
// and CICS are parsed, and whether a dialect set can be parsed.  Defined
// apart so that the grammar can supply the answers.
#ifndef LARK_DRIVER_ORVTOOLGRAMMARLINK_H
#define LARK_DRIVER_ORVTOOLGRAMMARLINK_H

#include "OrvDials.h"

int OrvToolCanParseSql();
int OrvToolCanParseCics();
// 1 when the grammar accepts the dialect set, else 0.
int OrvToolCanParseDialects(OrvDials set);

#endif
