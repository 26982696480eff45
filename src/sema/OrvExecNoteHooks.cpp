// The lexer's EXEC and NOTE hooks of the parser object.  The text of EXEC
// blocks that the grammar does not parse and of NOTE paragraphs is not kept
// yet: the EXEC hook frees each group it is given, and the lexer frees the
// NOTE groups itself.
#include "OrvParserImpl.h"
#include "OrvToken.h"

void OrvParserImpl::AddExecToken(OrvTokenGroup* group) { delete group; }

void OrvParserImpl::AddNoteToken(OrvTokenGroup* group) { (void)group; }
