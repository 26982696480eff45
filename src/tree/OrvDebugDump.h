// Debug dump of trees: the shared indentation depth and detail level, and
// the indentation writer that every node class's DebugDump uses.
#ifndef ORV_DEBUG_DUMP_H
#define ORV_DEBUG_DUMP_H

#include <iosfwd>

// Current indentation depth; the slot lines of an operation node raise it by
// one while its children are dumped.
extern int OrvDumpDepth;

// Detail level: serial numbers and addresses appear above 1, the printer's
// subdivisions above 0.
extern int OrvDumpLevel;

// Writes ". " once per depth level.
std::ostream& OrvDumpIndent(std::ostream& out);

#endif
