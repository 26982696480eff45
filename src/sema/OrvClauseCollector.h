// Clause collectors: the objects through which the grammar's actions build
// nodes whose clauses may come in any order and at most once.  A collector
// holds one node from Start to Finish, puts each clause into its argument
// slot with the clause's source-order index, reports a clause given twice
// and keeps the tokens of rejected clauses until a clause or the node takes
// them.  The CICS collector also places the options of an EXEC CICS
// statement by the option table and holds an option met before its
// statement.
//
// Ownership: a node handed to a collector (the started node, a clause, a
// list item, an option) belongs to the collector until Finish hands the
// node back or a clause is placed into it.  The started node is also the
// value of the grammar's mid-rule action, so error recovery may discard it:
// DiscardErrValue first makes every collector forget a node it deletes
// (OrvCollectorsForgetWithin).  Every collector is entered in a
// process-wide registry so that the parser object can empty them all at
// each parse's start and end (OrvResetCollectors).
#ifndef LARK_SEMA_ORVCLAUSECOLLECTOR_H
#define LARK_SEMA_ORVCLAUSECOLLECTOR_H

#include <cstdint>

#include "OrvToken.h"

class OrvExpr;
class OrvParserImpl;

class OrvClauseCollector {
 public:
  // An idle collector, entered in the registry.
  OrvClauseCollector();
  // Deletes the node it still holds (unless a tree holds it) and its saved
  // tokens, and leaves the registry.  Nothing is reported.
  virtual ~OrvClauseCollector();
  OrvClauseCollector(const OrvClauseCollector&) = delete;
  OrvClauseCollector& operator=(const OrvClauseCollector&) = delete;

  // Holds `node` and returns it; count := 0.  A node still held from an
  // abandoned collection is released first: when no tree holds it, its
  // tokens and the saved tokens go to the parser's error node and it is
  // deleted; when a tree holds it, it is only forgotten.
  OrvExpr* Start(OrvExpr* node);
  // Puts `clause` into `slot` of the held node with order index count
  // (count then goes up), after giving it the saved tokens.  A slot already
  // present makes the clause a repetition: "Clause %s is set more than
  // once. Ignoring second instance.", its tokens are saved and it is
  // deleted; but in the node's slot of COPY markers and syntax-error nodes
  // ("CopyBegin/End/SyntaxError") a further one joins the slot, which
  // becomes an EX_LIST of them in source order.  Without a held node the
  // clause goes to the error node.
  void SetClause(int slot, OrvExpr* clause);
  // Appends `item` to the list of operation `listCode` in `slot` (made when
  // the slot is empty) and gives the item's slot the order index count,
  // which then goes up.  Without a held node the item goes to the error
  // node.
  void AddListItem(int slot, std::uint16_t listCode, OrvExpr* item);
  // Moves the saved tokens to the end of the held node's token list and
  // hands the node back (null when none is held); count := 0.
  OrvExpr* Finish();

  // Drops everything the collector holds: the held node (deleted unless a
  // tree holds it; `parser`'s error node is cleared when it lies in it) and
  // the saved tokens; count := 0.
  virtual void Reset(OrvParserImpl* parser);
  // When the held node is `discarded` or lies inside it: forgets the node
  // (count := 0) and moves the saved tokens to the end of `dropped`.
  virtual void ForgetWithin(OrvExpr* discarded, OrvTokenList& dropped);

  // The next collector of the registry, in construction order.
  OrvClauseCollector* NextRegistered() const { return nextRegistered_; }

  OrvExpr* node;        // the node being collected, or null
  int count;            // clauses placed: the order index of the next one
  OrvTokenList tokens;  // tokens of rejected clauses, waiting for a taker

 protected:
  // Forgets the held node and the count.
  void Forget();
  // Hands a node that nothing holds any longer to the error node
  // (DiscardErrValue); without a running parse it is deleted.
  static void DiscardLoose(OrvExpr* loose);
  // Deletes a node that only the collector holds; the parser's error node
  // is cleared when it lies inside.
  static void DeleteOwned(OrvExpr* owned, OrvParserImpl* parser);
  // True when `node` is `root` or lies below it (climbs from the node).
  static bool LiesWithin(const OrvExpr* node, const OrvExpr* root);

 private:
  // Releases the node of an abandoned collection (see Start).
  void ReleaseAbandoned();
  // Appends `item` to the taken marker slot `slot` (made an EX_LIST first,
  // its item keeping the slot's order index) with order index count.
  void JoinMarkerSlot(int slot, OrvExpr* item);
  // True when the held node has the slot.  Otherwise the given clause or
  // item goes to the error node (a slot the node lacks is reported first,
  // naming `method`) and the answer is false.
  bool TakesInto(const char* method, int slot, OrvExpr* given);

  OrvClauseCollector* nextRegistered_;
};

class OrvCicsCollector : public OrvClauseCollector {
 public:
  OrvCicsCollector();
  // Also deletes the pending option.
  ~OrvCicsCollector() override;

  // As OrvClauseCollector::Start; then a pending option is placed into the
  // new statement (or reported as not allowed there and deleted).  The
  // pending option is cleared in every case; without a statement it is
  // deleted.
  OrvExpr* Start(OrvExpr* statement);
  // No option: -1.  No statement held: the option becomes the pending one
  // (an earlier pending option is deleted) and -1 is returned.  Otherwise
  // the option is placed (PlaceOption); an option the statement does not
  // take is reported "Option %s can not be used in CICS statement %s.
  // Option ignored." and deleted.  Returns the slot or -1.
  int AddOption(OrvExpr* option);
  // Places the option into the slot that the option table gives for the
  // held statement (through SetClause, so an occupied slot reports the
  // repetition).  Returns the slot, or -1 when the table has none (the
  // option is then left to the caller).
  int PlaceOption(OrvExpr* option);

  // After a syntax error in the statement: the held statement (unless a
  // tree holds it) and the pending option are handed to the error node,
  // which takes their tokens, and forgotten; the saved tokens go with the
  // statement.
  void Abandon();

  void Reset(OrvParserImpl* parser) override;
  void ForgetWithin(OrvExpr* discarded, OrvTokenList& dropped) override;

  OrvExpr* pendingOption;  // an option met before its statement, or null

 private:
  // Reports an option the statement does not take and deletes it.
  void RefuseOption(OrvExpr* option);
};

// The first collector of the registry (the first constructed), or null.
OrvClauseCollector* OrvFirstCollector();

// Every registered collector drops what it holds (Reset).
void OrvResetCollectors(OrvParserImpl* parser);

// Every registered collector whose held node or pending option is
// `discarded` or lies inside it forgets that node; the saved tokens of those
// collectors are moved to the end of `dropped`.  DiscardErrValue calls it
// before it deletes a value.
void OrvCollectorsForgetWithin(OrvExpr* discarded, OrvTokenList& dropped);

// The slot that the CICS option table gives for the option in the
// statement (the first row with both codes), or -1.
int OrvCicsOptionSlot(std::uint16_t statementCode, std::uint16_t optionCode);

#endif
