// The reading order of positions across a source and its COPY members: a
// member's text is read where its COPY statement stands, so a position of
// the including file before that statement comes before everything in the
// member, and one after the statement after everything in it.
#ifndef LARK_PRINTER_ORVSOURCEORDER_H
#define LARK_PRINTER_ORVSOURCEORDER_H

#include <vector>

#include "OrvTxtPosn.h"

class OrvExpr;

// The COPY statements seen so far, one per member file index: where the
// statement that brought the member in ends in the including file.  A
// member copied more than once keeps the statement seen last, which is the
// one whose text a walk in source order is in.
class OrvSourceOrder {
public:
  // Forgets every statement.
  void Clear();

  // Records the begin marker of an inlined COPY or INCLUDE (its member is
  // named by the real file name slot), whose statement ends at `end` in the
  // including file.  A node of another kind, or a marker whose member or
  // end is unknown, records nothing.
  void NoteMarker(const OrvExpr* marker, const OrvTxtPosn& end);

  // Records that the member of file index `memberFileIx` was copied by a
  // statement ending at `end` (of another file).  An index outside the
  // positions' range or an unset end records nothing.
  void NoteMember(int memberFileIx, const OrvTxtPosn& end);

  // Whether a and b are set positions and a is read before b: by line and
  // column in one file; across files, compared in the nearest file that
  // both lie in or were copied into, a member's position standing at the
  // end of its COPY statement there and before a position that begins at
  // that end.  Positions whose files meet in no recorded statement are in
  // no order (false).
  bool Before(const OrvTxtPosn& a, const OrvTxtPosn& b) const;

private:
  // The end of the statement that copied the member, or unset.
  OrvTxtPosn SiteOf(int fileIx) const;

  // Statement ends by member file index; unset for files not copied.
  std::vector<OrvTxtPosn> sites_;
};

#endif
