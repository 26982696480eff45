// The defaults of the lexer settings that are lists.
#include "OrvLexerSettings.h"

VStringArray OrvOneEntryList(int capacity, const char* first) {
  VStringArray list(capacity);
  if (list.capacity > 0) list.items[list.count++] = VString(first);
  return list;
}
