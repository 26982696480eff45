// printround: the round trip of the printer tests run on one source from
// the command line, for looking at what the printer makes of it.
//   printround <source> <output> [dialect [second dialect]] [-C<copy dir>]...
// Prints the print's result and messages, the syntax errors of the printed
// text, and the first difference of the shapes and of the comments.  A test
// program, not part of larkstat.
#include <cstdlib>
#include <iostream>
#include <string>

#include "RoundTrip.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: printround <source> <output> [dialect [second dialect]] [-C<copy dir>]...\n";
    return 2;
  }
  round_trip::ParseSettings settings;
  int numbers = 0;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("-C", 0) == 0) {
      settings.copyDirs.push_back(arg.substr(2));
    } else if (arg.rfind("-S", 0) == 0) {
      settings.copySuffixes.push_back(arg.substr(2));
    } else if (numbers++ == 0) {
      settings.dialect = std::atoi(arg.c_str());
    } else {
      settings.secondDialect = std::atoi(arg.c_str());
    }
  }
  OrvPrettyPrinterImpl printer;
  const round_trip::Outcome o = round_trip::Run(argv[1], argv[2], settings, printer);
  if (!o.parsed) {
    std::cout << "SKIP: the source does not parse clean\n";
    return 0;
  }
  int status = 0;
  std::cout << "print result " << o.printResult << "\n";
  for (const std::string& m : o.printMessages) std::cout << "  message: " << m << "\n";
  for (const std::string& m : o.reparseErrors) std::cout << "  reparse: " << m << "\n";
  if (o.printResult != 0 || !o.printMessages.empty() || !o.reparseErrors.empty()) status = 1;
  if (o.firstShape != o.secondShape) {
    std::cout << "SHAPE differs " << round_trip::FirstDifference(o.firstShape, o.secondShape) << "\n";
    status = 1;
  }
  if (o.firstComments != o.secondComments) {
    std::cout << "COMMENTS differ: " << o.firstComments.size() << " against " << o.secondComments.size() << "\n";
    for (std::size_t i = 0; i < o.firstComments.size() || i < o.secondComments.size(); ++i) {
      const std::string a = i < o.firstComments.size() ? o.firstComments[i] : "(none)";
      const std::string b = i < o.secondComments.size() ? o.secondComments[i] : "(none)";
      if (a != b) {
        std::cout << "  #" << i << " <<< [" << a << "]\n  #" << i << " >>> [" << b << "]\n";
        break;
      }
    }
    status = 1;
  }
  if (status == 0) std::cout << "OK\n";
  return status;
}
