// Small named walks that the node core and its neighbours run on a subtree.
#ifndef ORV_POSN_WALKERS_H
#define ORV_POSN_WALKERS_H

#include "OrvTxtPosn.h"

class OrvExpr;

// The begin position of the first token of the subtree that is not a space,
// comma, semicolon, comment or persistent comment; the null position when
// there is none (or the node is null).
OrvTxtPosn OrvSrcPosnBegWalker(OrvExpr* node);

// Clears the from-source marks of the subtree after an edit; a slot whose
// state has bit 15 set keeps its state and shields the subtree below it.
// Returns the node.
OrvExpr* ResetFromSrcWalker(OrvExpr* node);

// Moves comment lines written in front of a construct's first part up in
// front of the construct itself, over the whole subtree.
void OrvRaiseCommentsWalker(OrvExpr* node);

// Deletes every space separator token of the subtree.
void ProcessToken(OrvExpr* node);

#endif
