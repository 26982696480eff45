// OrvResult: the one-byte result of every operation that can fail (0 is
// success; the message text travels in a VString passed by reference), and
// the named codes that the foundation and its callers share.
#ifndef LARK_FOUNDATION_ORVRESULT_H
#define LARK_FOUNDATION_ORVRESULT_H

typedef unsigned char OrvResult;

const OrvResult ORV_OK = 0;
// A terminal message ended the process (also: a directory could not be made).
const OrvResult ORV_TERMINAL_EXIT = 1;
const OrvResult ORV_MKDIR_FAILED = 1;
// A terminal message arrived while the tool driver collected messages.
const OrvResult ORV_TERMINAL_COLLECTED = 6;
const OrvResult ORV_CANNOT_OPEN_OUTPUT = 10;
const OrvResult ORV_CANNOT_OPEN_INPUT = 11;
// A child process could not start (or could not be waited for).
const OrvResult ORV_EXEC_FAILED = 13;
const OrvResult ORV_BAD_OPTIONS = 21;
const OrvResult ORV_TOO_MANY_OPTIONS = 23;
const OrvResult ORV_FATAL_SIGNAL = 30;
const OrvResult ORV_SIGNAL_INSTALL_FAILED = 31;
const OrvResult ORV_INTERRUPTED = 32;
// A bad integer or a bad literal image.
const OrvResult ORV_BAD_NUMBER = 33;
// TIC text form errors.
const OrvResult ORV_TIC_NODE_TWICE = 37;
const OrvResult ORV_TIC_EOF = 57;
const OrvResult ORV_TIC_BAD_NUMBER = 59;
const OrvResult ORV_TIC_BAD_FORMAT = 60;
const OrvResult ORV_TIC_BAD_INDEX = 61;
const OrvResult ORV_TIC_STREAM_ERROR = 62;
const OrvResult ORV_TIC_TOO_LONG = 63;
const OrvResult ORV_TIC_BAD_ARITY = 64;
// Expression-path stack overflow or underflow.
const OrvResult ORV_PATH_OVERFLOW = 67;
// Transformation registry.
const OrvResult ORV_TRANSFORM_NOT_FOUND = 110;
const OrvResult ORV_TRANSFORM_DUPLICATE = 111;
const OrvResult ORV_TRANSFORM_REGISTRY_FULL = 112;

#endif
