// The parser object of tests that drive the parse state by hand and never
// parse a source; only tests that link the parse driver's layer include it.
#ifndef LARK_TESTS_SUPPORT_NOSOURCEPARSER_H
#define LARK_TESTS_SUPPORT_NOSOURCEPARSER_H

#include <gtest/gtest.h>

#include "OrvParserImpl.h"

// An OrvParserImpl whose Parse fails the test that calls it.
struct NoSourceParser : OrvParserImpl {
  OrvParserResult Parse(const VString&, OrvExpr**, OrvTokenList*) override {
    ADD_FAILURE() << "NoSourceParser parses no source";
    return ORV_PARSE_FAILED;
  }
};

#endif
