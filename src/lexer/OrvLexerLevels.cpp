// The input-level stack of the lexer: opening the main source and COPY
// members (with the search of the copy libraries), closing them, and the
// value of a member name written as a literal.
#include <cstring>

#include "OrvExpr.h"
#include "OrvInputLevel.h"
#include "OrvLexer.h"
#include "OrvReplaceTable.h"

namespace {

bool HasPathSeparator(const char* name) {
  return std::strchr(name, '/') != nullptr || std::strchr(name, '\\') != nullptr;
}

// Turns path[from..] to the case of the copy-name case setting.
void ChangeCase(char* path, int from, int nameCase) {
  for (char* p = path + from; *p != '\0'; ++p)
    *p = nameCase == ORV_CASE_UPPER ? OrvToUpper(*p) : OrvToLower(*p);
}

const char* TextOf(const VString& s) { return s.text != nullptr ? s.text : ""; }

const char* const kNestedTooDeep = "COPY/-INC statements are nested too deep";

}  // namespace

OrvInputLevel::~OrvInputLevel() {
  if (ownsPhrases) delete phrases;
  delete stash.libInclusionNode;
}

int OrvLexer::OpenInputLevel(const char* name, int endOper, VString& path, const OrvTxtPosn* at) {
  const OrvTxtPosn where = at != nullptr ? *at : LinePosn();
  if (levelCount_ >= ORV_MAX_INPUT_LEVELS) {
    Report(MSG_SEVERE, where, VString(kNestedTooDeep));
    return 0;
  }
  if (endOper != ORV_MAIN_SOURCE_END && !settings.inlineCopy) return 0;
  if (name == nullptr) name = "";

  OrvSourceTextRef text;
  VString opened;
  if (endOper == ORV_MAIN_SOURCE_END) {
    text = OrvReadSourceText(name);
    if (text == nullptr) {
      Report(MSG_ERR, OrvNullPosn, OrvFormat("Cannot open main file '%s' for input", name));
      return 0;
    }
    opened = VString(name);
  } else if (!FindMember(name, where, text, opened)) {
    return 0;
  } else if (IsOpenOnStack(*text)) {
    // A member that includes itself, directly or through others, would be
    // opened again at every level below the bound: with two such COPYs in
    // it, 2^19 openings.  It is refused at its first repetition instead,
    // with the message of the bound.
    Report(MSG_SEVERE, where, VString(kNestedTooDeep));
    return 0;
  }
  OrvInputLevel* lev = new OrvInputLevel();
  lev->endOper = endOper;
  lev->SetText(text);
  lev->posn = OrvTxtPosn(0, 0, OrvFileNameAdd(opened));
  lev->fileName = opened;
  path = opened;
  if (cur_ != nullptr) {
    // The member's text runs under the phrases of its includer until it gets
    // its own, and what was read ahead in the includer waits there.
    lev->phrases = cur_->phrases;
    StashPushBacks(cur_->stash);
  }
  levels_[levelCount_++] = lev;
  cur_ = lev;
  SetActiveTable();
  return 1;
}

bool OrvLexer::IsOpenOnStack(const OrvSourceText& text) const {
  for (int i = 0; i < levelCount_; ++i)
    if (levels_[i]->text->file.SameFileAs(text.file)) return true;
  return false;
}

bool OrvLexer::FindMember(const char* name, const OrvTxtPosn& where, OrvSourceTextRef& text,
                          VString& opened) {
  members_->UseSettings(settings.copylibDirs, settings.copylibSuffixes, settings.copynamesCase);
  OrvMemberSearch outcome;
  if (const OrvMemberSearch* known = members_->FindSearch(name)) {
    outcome = *known;
    if (outcome.kind == ORV_MEMBER_FOUND) {
      text = ReadMemberText(outcome.path.c_str());
      // A file found earlier in the run and gone since is searched again.
      if (text == nullptr) members_->ForgetSearch(name);
    }
  }
  if (members_->FindSearch(name) == nullptr) {
    outcome = SearchCopyLibraries(name, text);
    members_->StoreSearch(name, outcome);
  }
  switch (outcome.kind) {
    case ORV_MEMBER_FOUND:
      opened = VString(outcome.path.c_str(), static_cast<int>(outcome.path.size()));
      return true;
    case ORV_MEMBER_PATH_TOO_LONG:
      Report(MSG_ERR, where,
             OrvFormat("COPYLIB file name too long: dir='%s', name='%s'", outcome.dir.c_str(), name));
      return false;
    case ORV_MEMBER_NOT_FOUND:
      break;
  }
  Report(MSG_WARN, where,
         OrvFormat("Cannot find/open file '%s' in directories on Copylib path", name));
  return false;
}

OrvMemberSearch OrvLexer::SearchCopyLibraries(const char* name, OrvSourceTextRef& text) {
  OrvMemberSearch outcome;
  if (HasPathSeparator(name)) {
    // A name with a directory in it is opened as it stands.
    text = ReadMemberText(name);
    if (text != nullptr) {
      outcome.kind = ORV_MEMBER_FOUND;
      outcome.path = name;
    }
    return outcome;
  }
  const int nameLen = static_cast<int>(std::strlen(name));
  char buf[ORV_MAX_COPY_PATH + 1];
  for (int d = 0; d < settings.copylibDirs.count; ++d) {
    const VString& dir = settings.copylibDirs.items[d];
    for (int s = 0; s < settings.copylibSuffixes.count; ++s) {
      const VString& sfx = settings.copylibSuffixes.items[s];
      if (dir.length + sfx.length + nameLen + 5 > ORV_MAX_COPY_PATH) {
        outcome.kind = ORV_MEMBER_PATH_TOO_LONG;
        outcome.dir = TextOf(dir);
        return outcome;
      }
      int n = 0;
      if (dir.length > 0) {
        std::memcpy(buf, dir.text, static_cast<size_t>(dir.length));
        n = dir.length;
        if (buf[n - 1] != '/' && buf[n - 1] != '\\') buf[n++] = '/';
      }
      const int nameStart = n;
      std::memcpy(buf + n, name, static_cast<size_t>(nameLen));
      n += nameLen;
      if (std::strchr(name, '.') == nullptr) {
        if (sfx.length > 0 && sfx.text[0] != '.') buf[n++] = '.';
        if (sfx.length > 0) std::memcpy(buf + n, sfx.text, static_cast<size_t>(sfx.length));
        n += sfx.length;
      }
      buf[n] = '\0';
      text = ReadMemberText(buf);
      const int nameCase = settings.copynamesCase;
      if (text == nullptr && (nameCase == ORV_CASE_LOWER || nameCase == ORV_CASE_UPPER)) {
        ChangeCase(buf, nameStart, nameCase);
        text = ReadMemberText(buf);
      }
      if (text != nullptr) {
        outcome.kind = ORV_MEMBER_FOUND;
        outcome.path.assign(buf, static_cast<size_t>(n));
        return outcome;
      }
    }
  }
  return outcome;
}

OrvSourceTextRef OrvLexer::ReadMemberText(const char* path) {
  OrvSourceTextRef text = members_->FindText(path);
  if (text != nullptr) return text;
  ++memberOpenAttempts_;
  text = OrvReadSourceText(path);
  if (text != nullptr) members_->StoreText(path, text);
  return text;
}

int OrvLexer::CloseInputLevel(int closeMain, VString& name) {
  if (levelCount_ == 0 || (levelCount_ == 1 && !closeMain)) return ORV_MAIN_SOURCE_END;
  OrvInputLevel* lev = levels_[--levelCount_];
  levels_[levelCount_] = nullptr;
  name = lev->fileName;
  int endOper = levelCount_ == 0 ? ORV_MAIN_SOURCE_END : lev->endOper;
  delete lev;
  cur_ = levelCount_ > 0 ? levels_[levelCount_ - 1] : nullptr;
  // What the level below had read ahead is read next.
  if (cur_ != nullptr) UnstashPushBacks(cur_->stash);
  SetActiveTable();
  return endOper;
}

void OrvLexer::CloseAllLevels() {
  VString name;
  while (levelCount_ > 0) CloseInputLevel(1, name);
}

VString OrvNonnumLiteralValue(OrvLexer& lexer, const VString& text, const OrvTxtPosn& posn) {
  const char* p = text.text != nullptr ? text.text : "";
  const char* end = p + text.length;
  if (p < end && (OrvToUpper(*p) == 'X' || OrvToUpper(*p) == 'H' || OrvToUpper(*p) == 'B')) ++p;
  if (p >= end) return VString();
  const char delim = *p++;
  if (delim != '\'' && delim != '"')
    lexer.Report(MSG_SEVERE, posn,
                 OrvFormat("OrvNonnumLiteralValue: No starting delimiter at non-numeric literal %s",
                           text.text != nullptr ? text.text : ""));
  VString value;
  const char* run = p;
  while (p < end) {
    if (*p != delim) {
      ++p;
      continue;
    }
    value += VString(run, static_cast<int>(p - run));
    if (p + 1 >= end) return value;
    if (p[1] == delim) {
      value += VString(delim);
      p += 2;
    } else {
      lexer.Report(MSG_SEVERE, posn,
                   OrvFormat("OrvNonnumLiteralValue: No ending delimiter at non-numeric literal %s",
                             text.text != nullptr ? text.text : ""));
      p += 2;  // the character after the stray delimiter is dropped
    }
    run = p;
  }
  if (run < end) value += VString(run, static_cast<int>(end - run));
  return value;
}
