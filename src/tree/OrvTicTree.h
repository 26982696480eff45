// The TIC text form of whole syntax trees: the reader OrvGetTicTree and the
// check that a tree can be written.  The writer OrvExpr::PutTic(root, out),
// the one-node reader OrvExpr::GetTicOp and the node factory
// OrvExpr::NewFromTic are static members of OrvExpr, defined with them.
//
// A tree is written as: the number of source file names and each name in the
// length form of VString; the number of nodes; then the root node with its
// subtree, node by node ("\no<op>:<slots>:<state>:<serial>:" with the
// trailing tokens, the class's own fields and, for operation nodes, every
// argument slot).  Links between nodes are written as node numbers and
// re-attached when the tree is read back.
#ifndef LARK_TREE_ORVTICTREE_H
#define LARK_TREE_ORVTICTREE_H

#include <iosfwd>

#include "OrvResult.h"

class OrvExpr;
class OrvTokenList;
class VString;

// Limits of the reader.  A tree nested deeper than OrvTicMaxDepth levels is
// refused.  The number of nodes, and the number of argument slots all nodes
// together may declare, are bounded by what the rest of the input can hold
// when the stream can tell its size (file and string streams), else by the
// fixed limits below; the number of file names by the widest file index.
const int OrvTicMaxDepth = 2000;
const int OrvTicMaxNodes = 1 << 22;
const int OrvTicMaxSlots = 1 << 22;
const int OrvTicMaxFiles = 0xffff;

// Reads a whole tree written by OrvExpr::PutTic.  Result 0 with the new tree
// in `root` (null when the text holds no node), or a result byte with the
// message in `error` and `root` null:
//   57 end of input inside a string, 59 bad number, 60 bad start of a node,
//   bad slot code or bad form, 61 node number out of range or taken (or more
//   nodes than the input can hold, or a new file name that the file-name
//   table has no room for), 62 stream error, 63 string too long,
//   64 slot count differs from the arity (or more slots than the input can
//   hold).
OrvResult OrvGetTicTree(std::istream& in, OrvExpr*& root, VString& error);

// Checks that a tree can be written: a node met more than once in the tree
// gives an error token in `messages` and the result 37; then every node's
// links are checked (a link to a node outside the tree is reported and cut at
// both ends, 37).  Numbers the nodes as the writer does.  0 when all is well.
OrvResult OrvCheckTree(OrvExpr* root, OrvTokenList* messages);

#endif
