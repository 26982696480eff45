// CheckLevelNumber: the level numbers a data description entry may have.
#include "OrvCheckLevelNumber.h"

#include <cstdint>

#include "OrvExpr.h"
#include "OrvParserImpl.h"
#include "OrvPosnWalkers.h"

namespace {

bool IsLevelNumber(std::int64_t level) {
  return (level >= 1 && level <= 49) || level == 66 || level == 77 || level == 78 || level == 88;
}

}  // namespace

int CheckLevelNumber(OrvParserImpl* /*parser*/, OrvExpr* levelNumber) {
  if (levelNumber == nullptr) return 0;
  const std::int64_t level = levelNumber->IntValue();
  if (!IsLevelNumber(level)) {
    const VString* image = levelNumber->HasImage() ? levelNumber->Image() : nullptr;
    const VString text =
        OrvFormat("Level number should be between 01 and 49, or 66, 77, 78, 88, not %s",
                  image != nullptr && image->text != nullptr ? image->text : "");
    const OrvTxtPosn at = OrvSrcPosnBegWalker(levelNumber);
    OrvParserImpl::ParserError(MSG_ERR, &at, &text);
  }
  return static_cast<int>(static_cast<std::uint32_t>(level));
}
