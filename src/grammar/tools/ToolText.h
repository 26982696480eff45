// Text helpers of the grammar build tools: whole files in and out, lines,
// trimming, integers.  The tools run at build time on files that byacc and
// the project write, so every reader reports what it could not read instead
// of guessing.
#ifndef LARK_GRAMMAR_TOOLS_TOOLTEXT_H
#define LARK_GRAMMAR_TOOLS_TOOLTEXT_H

#include <string>
#include <vector>

namespace larkyacc {

// Reads the file whole into `text`; false with a message in `error` when it
// cannot be opened or read.
bool ReadTextFile(const std::string& path, std::string& text, std::string& error);

// Writes `text` as the whole content of the file; false with a message in
// `error` when it cannot be written.
bool WriteTextFile(const std::string& path, const std::string& text, std::string& error);

// The lines of `text` without their ends ("\n" or "\r\n"); a last line
// without an end counts, an empty text has no lines.
std::vector<std::string> SplitLines(const std::string& text);

// `s` without leading and trailing spaces and tabs.
std::string Trim(const std::string& s);

// Whether `s` starts with `prefix`.
bool StartsWith(const std::string& s, const std::string& prefix);

// Reads an optionally signed decimal integer that is the whole of `s` and
// fits an int; false otherwise.
bool ParseInt(const std::string& s, int& value);

// Runs a tool's job over its command line: `job` gets the arguments after
// the program name and fills `error` when it fails.  Prints the error with
// the program's name on standard error; the result is the exit status, 0
// for success and 1 for failure (also for a wrong number of arguments,
// which prints `usage`).
int RunToolMain(int argc, char** argv, int argCount, const char* usage,
                bool (*job)(const std::vector<std::string>& args, std::string& error));

}  // namespace larkyacc

#endif
