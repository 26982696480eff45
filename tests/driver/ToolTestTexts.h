// Texts of the statistics tool's runs that several tests compare with.
#ifndef LARK_TESTS_DRIVER_TOOLTESTTEXTS_H
#define LARK_TESTS_DRIVER_TOOLTESTTEXTS_H

// The banner block, printed by a bare run and before -v, -help and -pf.
inline constexpr char kLarkstatBanner[] =
    "larkstat: Ledgerlark ver 4-2-0.\n"
    "Source-to-Source converter.\n"
    "Loomwright Direct.\n"
    "Can parse SQL.\n"
    "Can parse CICS.\n"
    "Prints statistics of COBOL source programs.\n"
    "\n"
    "Start it with -help to see a list of command-line options.\n";

// What follows "ERROR: " and the file name in the bail-out line.
inline constexpr char kBailoutTail[] =
    ": Parsing errors have caused bailout. This file will not be processed.\n";

#endif
