// The name of the COBOL output file that the tool driver derives for an
// input file from the options "gen-sfx" and "gen-main-dir".
#ifndef LARK_DRIVER_ORVOUTPUTNAME_H
#define LARK_DRIVER_ORVOUTPUTNAME_H

#include "VString.h"

// Without `mainDir`: the input name with its extension replaced by
// `suffix`.  With `mainDir`: mainDir + "/" + the input name, its extension
// replaced by `suffix` only when `suffix` differs from the tool's
// `defaultSuffix`.  An input name with a ".." part would lead out of
// `mainDir` (and perhaps onto a source), so it is placed under `mainDir`
// by its base name instead; an absolute name stays whole below `mainDir`
// ("out//abs/a.cbl" lies inside "out").
VString OrvOutputFileName(const VString& inputFile, const VString& mainDir, const VString& suffix,
                          const char* defaultSuffix);

// Whether the path has a ".." part between separators ('/' or '\\').
bool OrvHasParentPart(const char* path);

#endif
