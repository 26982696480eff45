// Comparing dialect sets field by field.
#include "OrvDialMasks.h"

int OrvDialsShareDialect(OrvDials a, OrvDials b) {
  for (int dialect = 1; dialect <= ORV_DIALECT_COUNT; ++dialect) {
    OrvDials field = OrvDialFieldMask(dialect);
    if ((a & field) != 0 && (b & field) != 0) return 1;
  }
  return 0;
}
