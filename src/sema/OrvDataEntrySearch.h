// Searches among data-description entries that the layout and the value
// expressions share: the entry a REDEFINES or RENAMES operand names within a
// record, the end of a chain of REDEFINES, the last data entry of a list and
// the test for an item whose only subordinates are level-78/88 entries.
#ifndef LARK_SEMA_ORVDATAENTRYSEARCH_H
#define LARK_SEMA_ORVDATAENTRYSEARCH_H

class OrvExpr;

// Modes of OrvFindDefInGroup.
enum OrvFindDefMode {
  ORV_FIND_RECURSIVE = 0,  // the whole list, at every depth
  ORV_FIND_PLAIN = 1       // only the entries of the list itself
};

// The DECL_DD_ENTRY that the NAMED_OBJ_USE `use` is resolved to, when it
// lies in the DECL_DD_LIST that holds the DECL_DD of `entry` (mode plain) or
// anywhere below that list (mode recursive); null otherwise, for an
// unresolved use and for any other mode.
OrvExpr* OrvFindDefInGroup(OrvExpr* entry, OrvExpr* use, int mode);

// The entry that the REDEFINES clause of the DECL_DD_ENTRY names in its own
// list, when that entry precedes it (a lower node serial number: an entry
// can redefine only what stands before it); null when there is no REDEFINES
// clause or its operand is not found so.
OrvExpr* OrvRedefinedEntry(OrvExpr* entry);

// The calls of OrvRedefinedEntry over the run: a debug counter that tests
// read to see a walk over REDEFINES chains stay linear in their length.
extern long OrvRedefinedEntryCalls;

// The entry at which the chain of REDEFINES from the DECL_DD_ENTRY ends (the
// entry itself without REDEFINES); null when a link of the chain is not
// found (OrvRedefinedEntry) or a node on the way is no DECL_DD_ENTRY.
OrvExpr* OrvRedefinesRoot(OrvExpr* entry);

// The last DECL_DD_ENTRY reachable from a node: a DECL_DD gives its own
// entry when that is a DECL_DD_ENTRY (its subordinates are not searched); a
// DECL_DD_LIST gives the first such answer of its children from the last to
// the first; anything else gives null.
OrvExpr* OrvLastDataEntry(OrvExpr* node);

// 1 when the DECL_DD has a subordinate list in which every DECL_DD holds a
// level-78 or level-88 entry (an empty list counts), else 0.
int OrvHasOnlyConstSubordinates(OrvExpr* dd);

// 1 when the DECL_DD holds a data entry with at least one subordinate data
// entry (subordinate 78 and 88 entries do not make a group), else 0.
int OrvIsGroupHolder(OrvExpr* dd);

#endif
