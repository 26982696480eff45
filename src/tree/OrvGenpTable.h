// OrvGenpTable: the printer's generated positions of the nodes that have
// them, kept beside the tree instead of in every node header.  Only a tree
// that is printed gets positions; a tree that is only analysed keeps none,
// so its nodes spend no bytes on them.  An open-addressed table by node
// address, at most half full, grown by doubling; one thread only, like the
// rest of the toolkit.
#ifndef ORV_GENP_TABLE_H
#define ORV_GENP_TABLE_H

#include <cstddef>
#include <cstdint>

class OrvExpr;

class OrvGenpTable {
 public:
  // The positions of the node: true with them in *beg and *end, false
  // when the table has none for it.
  static bool Find(const OrvExpr* node, std::uint32_t* beg, std::uint32_t* end);
  // Puts or replaces the node's positions.
  static void Put(const OrvExpr* node, std::uint32_t beg, std::uint32_t end);
  // Takes the node's positions out of the table (nothing when it has none).
  static void Erase(const OrvExpr* node);
  // Empties the table: for a whole tree given back at once, whose nodes go
  // without their destructors.
  static void Clear();
  // Nodes with positions in the table (tests read it).
  static std::size_t Count();
};

#endif
