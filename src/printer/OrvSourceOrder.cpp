// The reading order of positions across a source and its COPY members.
#include "OrvSourceOrder.h"

#include <algorithm>

#include "OrvExpr.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

namespace {

static_assert(STMT_INLINED_INCLUDE_BEG__REAL_FILE_NAME == STMT_INLINED_COPY_BEG__REAL_FILE_NAME,
              "both begin markers name their member in the same slot");

// The longest chain of files followed from a position to the main source:
// deeper than any nesting of members the lexer opens, and the end of a
// loop that statements of members copied at several places could form.
const int kMaxChain = 32;

// A position and the positions of the statements that copied its file, its
// includer's file, and so on up.
struct Chain {
  OrvTxtPosn at[kMaxChain];
  int length = 0;
};

bool IsBeginMarker(int op) { return op == STMT_INLINED_COPY_BEG || op == STMT_INLINED_INCLUDE_BEG; }

}  // namespace

void OrvSourceOrder::Clear() { sites_.clear(); }

void OrvSourceOrder::NoteMarker(const OrvExpr* marker, const OrvTxtPosn& end) {
  if (marker == nullptr || !IsBeginMarker(marker->Oper())) return;
  const OrvExpr* name = marker->ChildAt(STMT_INLINED_COPY_BEG__REAL_FILE_NAME);
  if (name == nullptr || !name->HasImage() || name->Image() == nullptr) return;
  // The lexer named the member's positions by this name when it opened the
  // member, so the table answers the index they carry.
  NoteMember(OrvFileNameAdd(*name->Image()), end);
}

void OrvSourceOrder::NoteMember(int memberFileIx, const OrvTxtPosn& end) {
  if (memberFileIx <= 0 || memberFileIx >= OrvTxtPosn::NoFileIx || !end.IsSet() || end.IsInfinity()) return;
  if (end.FileIx() == memberFileIx) return;  // a member is never read inside itself
  const std::size_t ix = static_cast<std::size_t>(memberFileIx);
  if (ix >= sites_.size()) sites_.resize(std::max(ix + 1, 2 * sites_.size()));
  sites_[ix] = end;
}

OrvTxtPosn OrvSourceOrder::SiteOf(int fileIx) const {
  const std::size_t ix = static_cast<std::size_t>(fileIx);
  return fileIx >= 0 && ix < sites_.size() ? sites_[ix] : OrvTxtPosn();
}

bool OrvSourceOrder::Before(const OrvTxtPosn& a, const OrvTxtPosn& b) const {
  if (!a.IsSet() || !b.IsSet()) return false;
  if (a.FileIx() == b.FileIx()) return OrvTxtPosn::Compare(a, b) < 0;
  auto lift = [this](const OrvTxtPosn& p) {
    Chain chain;
    chain.at[chain.length++] = p;
    while (chain.length < kMaxChain) {
      const OrvTxtPosn site = SiteOf(chain.at[chain.length - 1].FileIx());
      if (!site.IsSet()) break;
      chain.at[chain.length++] = site;
    }
    return chain;
  };
  const Chain ca = lift(a), cb = lift(b);
  // The first file of a's chain that b's chain reaches is the nearest file
  // both are read in.
  for (int i = 0; i < ca.length; ++i) {
    for (int j = 0; j < cb.length; ++j) {
      if (ca.at[i].FileIx() != cb.at[j].FileIx()) continue;
      const int order = OrvTxtPosn::Compare(ca.at[i], cb.at[j]);
      if (order != 0) return order < 0;
      // a's member is read at the end of its statement, before text of
      // the including file that begins there.
      return i > 0 && j == 0;
    }
  }
  return false;
}
