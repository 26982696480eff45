// Helpers of the tests that run the tools as separate processes: shell
// quoting of a path, a command run inside a directory, and what a run left
// on disk (whether a path exists, the names in a directory, the files of a
// tree).
#ifndef LARK_TESTS_SUPPORT_TOOLRUNPATHS_H
#define LARK_TESTS_SUPPORT_TOOLRUNPATHS_H

#include <string>
#include <vector>

// `text` as one shell word: in single quotes, a single quote inside written
// as '\''.
std::string ShellQuote(const std::string& text);

// The shell command that runs `program` with `args` (already quoted as
// needed) with `dir` as working directory.
std::string CommandIn(const std::string& dir, const std::string& program, const std::string& args);

// Whether anything (file, directory, link target) exists at `path`.
bool PathExists(const std::string& path);
// Whether `path` is a directory that can be listed.
bool IsDirectory(const std::string& path);

// The names in a directory but "." and "..", sorted; empty for a directory
// that cannot be read.
std::vector<std::string> DirectoryNames(const std::string& dir);

// The paths of the regular files below `dir`, relative to it and sorted
// ("copy/MEMB.cpy"); empty for a missing directory.
std::vector<std::string> FilesBelow(const std::string& dir);

#endif
