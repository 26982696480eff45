// Builders of fixed-format COBOL source lines for tests: columns 1-6 hold
// the sequence number, column 7 the indicator, Area A starts at column 8 and
// Area B at column 12.  A line that would reach past column 72 is a test
// failure (the text there would be cut off by the lexer).
#ifndef LARK_TESTS_SUPPORT_FIXEDLINE_H
#define LARK_TESTS_SUPPORT_FIXEDLINE_H

#include <initializer_list>
#include <string>

// One line without its line end: `sequence` padded to 6 columns, the
// indicator, `areaA` from column 8 and `areaB` from column 12.  When both
// are given, `areaA` must fit in columns 8-11.
std::string FixedLine(const std::string& areaA, const std::string& areaB = "",
                      char indicator = ' ', const std::string& sequence = "");

// A line whose text starts in Area A (column 8).
std::string AreaA(const std::string& text);
// A line whose text starts in Area B (column 12).
std::string AreaB(const std::string& text);
// A comment line: indicator '*', the text from column 8.
std::string CommentLine(const std::string& text);
// A continuation line: indicator '-', the text from column 12.
std::string ContinuationLine(const std::string& text);

// The lines joined, each ended by a line feed.
std::string Lines(std::initializer_list<std::string> lines);

#endif
