// The subdivision widths that the measure pass records for every operation
// node it interprets, kept for the print pass that follows.  The widths of
// all nodes stand in one pool, found through a hash index by node; the
// widths of a node still being measured stand on a stack above those of the
// nodes it contains.  A new measure pass forgets every record at once.
#ifndef LARK_PRINTER_ORVSUBDIVISIONS_H
#define LARK_PRINTER_ORVSUBDIVISIONS_H

#include <cstdint>

class OrvExpr;

// Largest width a subdivision records; longer ones are stored as this,
// which no line can hold either.
const int ORV_SD_WIDTH_LIMIT = 32767;

// Forgets every record (the start of a measure pass).
void OrvSdReset();

// The stack position where a node's widths begin.
int OrvSdMark();
// Pushes one width (clamped to 0..ORV_SD_WIDTH_LIMIT) onto the stack.
void OrvSdPush(int width);
// Records the widths pushed since `mark` as the node's, replacing what it
// had, and pops them.
void OrvSdStore(const OrvExpr* node, int mark);

// The widths recorded for the node (null and 0 when none).
const std::int16_t* OrvSdOf(const OrvExpr* node, int& count);

#endif
