// Two sample transformations, shared by the driver tests, the xformtool
// test program and the transformation benchmark.
//
//   TestFindStatements   finds every statement node (the nodes larkstat
//                        counts as "Statements:"); it applies only in mode 0.
//   TestRenewStatements  at every procedure statement (a STMT_ node that is
//                        not a COPY, REPLACE or INCLUDE marker) that has a
//                        source position: in mode 0 it finds it, in any
//                        other mode it replaces it by a new node of the same
//                        operation holding its children and tokens.
#ifndef LARK_TESTS_DRIVER_SAMPLETRANSFORMS_H
#define LARK_TESTS_DRIVER_SAMPLETRANSFORMS_H

#include <cstring>

#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvOper.h"
#include "OrvPosnWalkers.h"
#include "OrvTransform.h"

class TestFindStatements : public OrvTransform {
public:
  OrvTransform* Clone() const override { return new TestFindStatements(*this); }
  VString ClassName() const override { return VString("TestFindStatements"); }
  VString ClassDescr() const override { return VString("Finds every statement node"); }
  OrvResult ApplyOnce(OrvExpr* node, int mode, OrvTokenList*, OrvExpr**) override {
    if (mode != 0 || !OrvOperIsStmt(node->Oper())) return ORV_TRANS_NOT_APPLIED;
    WillTransform(0);
    return ORV_OK;
  }
  static OrvTransform* Make() { return new TestFindStatements; }
};

class TestRenewStatements : public OrvTransform {
public:
  OrvTransform* Clone() const override { return new TestRenewStatements(*this); }
  VString ClassName() const override { return VString("TestRenewStatements"); }
  VString ClassDescr() const override {
    return VString("Replaces every procedure statement by a new node of its operation");
  }
  OrvResult ApplyOnce(OrvExpr* node, int mode, OrvTokenList*, OrvExpr**) override {
    if (!IsRenewable(node->Oper()) || !OrvSrcPosnBegWalker(node).IsSet())
      return ORV_TRANS_NOT_APPLIED;
    // Told before the node goes: the report reads its position.
    WillTransform(0);
    if (mode != 0) Renew(node);
    return ORV_OK;
  }
  static OrvTransform* Make() { return new TestRenewStatements; }

  // Whether statements of the operation are renewed.
  static bool IsRenewable(int op) {
    static const Table table;
    return op >= 0 && op < ORV_OPER_COUNT && table.renewable[op];
  }

  // Puts a new node of `old`'s operation in its place, holding its
  // children with their slot tokens, states and orders, and its trailing
  // tokens; deletes `old`.
  static void Renew(OrvExpr* old) {
    const int n = old->NArgs();
    OrvExpr* fresh = new OrvExprOper(old->Oper(), nullptr, n);
    for (int i = 0; i < n; ++i) {
      OrvArgSlot* from = old->SlotAt(i);
      OrvArgSlot* to = fresh->SlotAt(i);
      to->tokens.Splice(from->tokens);
      to->state = from->state;
      to->order = from->order;
      if (OrvExpr* child = old->DelArg(i, 0, 0)) fresh->SetArg(i, child);
    }
    fresh->Tokens().Splice(old->Tokens());
    delete old->ReplThis(fresh);
  }

private:
  struct Table {
    bool renewable[ORV_OPER_COUNT];
    Table() {
      for (int op = 0; op < ORV_OPER_COUNT; ++op)
        renewable[op] = OrvOperIsStmt(op) && std::strncmp(OrvOperName(op), "STMT_", 5) == 0;
      // The markers of COPY, REPLACE and INCLUDE are statements of the
      // catalogue but stand for no procedure statement.
      for (int op : {STMT_UNINLINED_COPY, STMT_INLINED_COPY_BEG, STMT_INLINED_COPY_END, STMT_REPLACE,
                     STMT_INLINED_INCLUDE_BEG, STMT_INLINED_INCLUDE_END})
        renewable[op] = false;
    }
  };
};

#endif
