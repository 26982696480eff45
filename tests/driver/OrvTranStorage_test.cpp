// Tests of transformation storage: the file record and its readers, finding
// and loading by name over a list of directories, deleting, saving (a failed
// write keeps the old file) and renaming (a failure changes nothing), and
// the references that look their targets up in OrvTheTranStorage.
#include "OrvTranStorage.h"

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "OrvMessage.h"
#include "OrvToken.h"
#include "ScratchDir.h"
#include "TestStrings.h"
#include "TransformTestSupport.h"

namespace {

// A transformation of class "Plain" that applies nowhere; its Prepare is
// counted and answers `prepareResult`.
class Plain : public OrvTransform {
public:
  explicit Plain(const char* instance = "") { name = VString(instance); }
  OrvTransform* Clone() const override { return new Plain(*this); }
  VString ClassName() const override { return VString("Plain"); }
  VString ClassDescr() const override { return VString("plain"); }
  OrvResult ApplyOnce(OrvExpr*, int, OrvTokenList*, OrvExpr**) override {
    return ORV_TRANS_NOT_APPLIED;
  }
  OrvResult Prepare(OrvTokenList* messages) override {
    ++prepared;
    OrvResult r = OrvTransform::Prepare(messages);
    return r != ORV_OK ? r : prepareResult;
  }
  static OrvTransform* Make() { return new Plain; }
  int prepared = 0;
  OrvResult prepareResult = ORV_OK;
};

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a directory, sorted, joined by blanks.
std::string Listing(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d))
      if (e->d_name[0] != '.' || e->d_name[1] > '.') names.push_back(e->d_name);
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return Joined(names);
}

// The file record of a transformation named `name`: class Plain, no
// references, the description `descr`.
std::string Record(const std::string& name, const std::string& descr = "d") {
  return "4-2-0:Plain:" + name + ":0:" + descr + "\n";
}

class Storage : public ::testing::Test {
protected:
  void SetUp() override {
    Plain prototype;
    VString error;
    OrvTransform::Register(&prototype, Plain::Make, error);
    storage_.dirs.Clear();
  }
  void TearDown() override {
    // The storage does not own what it loaded.
    for (int i = 0; i < storage_.count; ++i) delete storage_.items[i];
  }
  // Sets the storage's directories (scratch subdirectories; "" stays "").
  void Dirs(std::initializer_list<const char*> names) {
    storage_.dirs.Clear();
    for (const char* n : names)
      storage_.dirs.Append(VString(*n ? dir_.MakeDir(n).c_str() : ""));
  }
  std::string At(const char* dir, const char* name) { return dir_.Path(dir) + "/" + name + ".orv"; }
  // The names of the loaded transformations, in order.
  std::string Loaded() {
    std::vector<std::string> names;
    for (int i = 0; i < storage_.count; ++i) names.push_back(Str(storage_.items[i]->name));
    return Joined(names);
  }

  TransformStateGuard guard_;
  HandlerCapture handler_;
  ScratchDir dir_;
  OrvTranStorage storage_;
};

// ---------------------------------------------------------------------------
// The file record
// ---------------------------------------------------------------------------

TEST_F(Storage, TheRecordIsOneLinePlusOneLinePerReference) {
  Plain t("inst");
  t.inst_descr = VString("abc");
  std::ostringstream one;
  t.PutTic(one);
  EXPECT_EQ(one.str(), "4-2-0:Plain:inst:0:abc\n");

  t.inst_descr = VString("two\nlines");
  OrvTransform* none = nullptr;
  t.AddRef(OrvTransRef(VString("first"), none));
  t.AddRef(OrvTransRef(VString("sec:ond"), none));
  t.refs[1].active = 0;
  std::ostringstream more;
  t.PutTic(more);
  EXPECT_EQ(more.str(), "4-2-0:Plain:inst:2:two\\nlines\nfirst:1\nsec\\058ond:0\n");

  std::istringstream in(more.str());
  OrvTransform* read = nullptr;
  VString error;
  ASSERT_EQ(OrvTransform::Read(in, read, error), ORV_OK) << Str(error);
  std::unique_ptr<OrvTransform> owned(read);
  EXPECT_EQ(Str(read->ClassName()), "Plain");
  EXPECT_EQ(Str(read->name), "inst");
  EXPECT_EQ(Str(read->inst_descr), "two\nlines");
  ASSERT_EQ(read->nrefs, 2);
  EXPECT_EQ(Str(read->refs[1].name), "sec:ond");
  EXPECT_EQ(read->refs[0].active, 1);
  EXPECT_EQ(read->refs[1].active, 0);
  EXPECT_EQ(read->refs[0].transform, nullptr);
}

TEST_F(Storage, BadRecordsAreRefusedAndNothingIsLeftOver) {
  struct Case {
    const char* record;
    OrvResult result;
    const char* error;  // null: any text
  };
  const Case cases[] = {
      {"4-2-0:NoSuch:x:0:d\n", ORV_TRANS_CLASS_NOT_FOUND,
       "OrvTransform::NewByName: transformation class 'NoSuch' not found"},
      {"4-2-0:Plain:x:500:d\n", ORV_TIC_BAD_NUMBER, "OrvTransform::GetTic: too many references: 500"},
      {"4-2-0:Plain:x:129:d\n", ORV_TIC_BAD_NUMBER, "OrvTransform::GetTic: too many references: 129"},
      {"4-2-0:Plain:x:-1:d\n", ORV_TIC_BAD_NUMBER, nullptr},
      {"4-2-0:Plain:x:two:d\n", ORV_TIC_BAD_NUMBER, nullptr},
      {"4-2-0:Plain:x:1:d\nr:x\n", ORV_TIC_BAD_NUMBER, nullptr},
      {"", ORV_TRANS_CLASS_NOT_FOUND, "OrvTransform::NewByName: transformation class '' not found"},
  };
  const int live = OrvTransLiveObjects.live;
  for (const Case& c : cases) {
    std::istringstream in(c.record);
    Plain sentinel;
    OrvTransform* read = &sentinel;
    VString error;
    EXPECT_EQ(OrvTransform::Read(in, read, error), c.result) << c.record;
    EXPECT_EQ(read, nullptr) << c.record;
    if (c.error) {
      EXPECT_EQ(Str(error), c.error) << c.record;
    }
    EXPECT_EQ(OrvTransLiveObjects.live, live) << c.record;
  }
  // A truncated reference line ends at the input's end.
  std::istringstream cut("4-2-0:Plain:x:1:d\nr:");
  OrvTransform* read = nullptr;
  VString error;
  EXPECT_NE(OrvTransform::Read(cut, read, error), ORV_OK);
  EXPECT_EQ(read, nullptr);
}

TEST_F(Storage, AMissingFileCannotBeOpened) {
  OrvTransform* read = nullptr;
  VString error;
  const std::string path = dir_.Path("none.orv");
  EXPECT_EQ(OrvTransform::ReadFile(VString(path.c_str()), read, error), ORV_CANNOT_OPEN_INPUT);
  EXPECT_EQ(Str(error), "Cannot open file '" + path + "' for input");
}

// ---------------------------------------------------------------------------
// Finding and loading
// ---------------------------------------------------------------------------

TEST_F(Storage, GetLoadsFromTheFirstDirectoryHoldingTheFileOnce) {
  Dirs({"one", "two"});
  dir_.Write("two/x.orv", Record("x", "from two"));
  OrvTransform* found = nullptr;
  VString error;
  ASSERT_EQ(storage_.Get(VString("x"), found, error), ORV_OK) << Str(error);
  EXPECT_EQ(Str(found->dir_name), dir_.Path("two"));
  EXPECT_EQ(Str(found->inst_descr), "from two");
  EXPECT_EQ(Loaded(), "x");
  // Loaded now: the disk is not read again.
  unlink(At("two", "x").c_str());
  OrvTransform* again = nullptr;
  EXPECT_EQ(storage_.Get(VString("x"), again, error), ORV_OK);
  EXPECT_EQ(again, found);
  EXPECT_EQ(storage_.Get(VString("y"), again, error), ORV_TRANSFORM_NOT_FOUND);
  EXPECT_EQ(Str(error), "Cannot find transformation 'y' for load");
  EXPECT_EQ(again, nullptr);
  // Only the first directory holding the file is tried.
  dir_.Write("one/z.orv", "4-2-0:Plain:z:x:d\n");
  dir_.Write("two/z.orv", Record("z"));
  EXPECT_EQ(storage_.Get(VString("z"), again, error), ORV_TIC_BAD_NUMBER);
  EXPECT_EQ(Loaded(), "x");
}

TEST_F(Storage, ExistsLooksInMemoryThenOnFile) {
  Dirs({"one", "two"});
  dir_.Write("two/f.orv", Record("f"));
  Plain* m = new Plain("m");
  VString error;
  ASSERT_EQ(storage_.New(m, error), ORV_OK);
  OrvTransform* found = nullptr;
  VString where("unchanged");
  EXPECT_EQ(storage_.Exists(VString("m"), &found, &where), 1);
  EXPECT_EQ(found, m);
  EXPECT_EQ(Str(where), "unchanged");
  EXPECT_EQ(storage_.Exists(VString("f"), &found, &where), 1);
  EXPECT_EQ(Str(where), dir_.Path("two"));
  EXPECT_EQ(storage_.Exists(VString("g")), 0);
  EXPECT_EQ(storage_.FindInMem(VString("f")), 0);
  EXPECT_EQ(storage_.FindFile(VString("m")), 0);
}

TEST_F(Storage, NewRefusesANameInMemoryOrOnFileAndAFullStorage) {
  Dirs({"one"});
  dir_.Write("one/f.orv", Record("f"));
  VString error;
  Plain onFile("f");
  EXPECT_EQ(storage_.New(&onFile, error), ORV_TRANSFORM_DUPLICATE);
  EXPECT_EQ(Str(error), "OrvTranStorage::New: transformation 'f' already registered");
  Plain* m = new Plain("m");
  EXPECT_EQ(storage_.New(m, error), ORV_OK);
  Plain twin("m");
  EXPECT_EQ(storage_.New(&twin, error), ORV_TRANSFORM_DUPLICATE);
  EXPECT_EQ(Loaded(), "m");

  // Load has no duplicate test; both refuse a full storage.
  OrvTranStorage full;
  Plain same("s");
  for (int i = 0; i < OrvTranStorage::Capacity; ++i) ASSERT_EQ(full.Load(&same, error), ORV_OK);
  EXPECT_EQ(full.Load(&same, error), ORV_TRANSFORM_REGISTRY_FULL);
  EXPECT_EQ(Str(error), "OrvTranStorage::Load: too many transformations loaded");
  Plain other("o");
  error = VString();
  EXPECT_EQ(full.New(&other, error), ORV_TRANSFORM_REGISTRY_FULL);
  EXPECT_EQ(Str(error), "OrvTranStorage::Load: too many transformations loaded");
  EXPECT_EQ(full.count, OrvTranStorage::Capacity);
}

// ---------------------------------------------------------------------------
// Deleting
// ---------------------------------------------------------------------------

TEST_F(Storage, DelFromMemForgetsWithoutDeleting) {
  VString error;
  Plain a("a");
  Plain b("b");
  Plain c("c");
  for (Plain* p : {&a, &b, &c}) storage_.Load(p, error);
  EXPECT_EQ(storage_.DelFromMem(VString("b"), 1, error), ORV_OK);
  EXPECT_EQ(Loaded(), "a c");
  EXPECT_EQ(storage_.DelFromMem(VString("b"), 0, error), ORV_OK);
  EXPECT_EQ(storage_.DelFromMem(VString("b"), 1, error), ORV_TRANSFORM_NOT_FOUND);
  EXPECT_EQ(Str(error), "OrvTranStorage::DelFromMem: transformation 'b' not found");
  EXPECT_EQ(Str(b.name), "b");  // still alive
  storage_.count = 0;           // the objects are this test's
}

TEST_F(Storage, DelFromFileDeletesEveryCopyOnce) {
  Dirs({"one", "two", "three"});
  dir_.Write("one/x.orv", Record("x"));
  dir_.Write("three/x.orv", Record("x"));
  VString error;
  EXPECT_EQ(storage_.DelFromFile(VString("x"), 1, error), ORV_OK);
  EXPECT_EQ(Str(error), "OrvTranStorage::DelFromFile: 2 transformation files named 'x.orv' deleted");
  EXPECT_EQ(Listing(dir_.Path("one")) + Listing(dir_.Path("three")), "");
  error = VString();
  EXPECT_EQ(storage_.DelFromFile(VString("x"), 0, error), ORV_OK);
  EXPECT_EQ(Str(error), "");
  EXPECT_EQ(storage_.DelFromFile(VString("x"), 1, error), ORV_TRANSFORM_NOT_FOUND);
  EXPECT_EQ(Str(error), "OrvTranStorage::DelFromFile: transformation named 'x.orv' not found");

  // The same directory twice in the list is visited twice, its file
  // deleted once.
  Dirs({"one", "one"});
  dir_.Write("one/y.orv", Record("y"));
  error = VString();
  EXPECT_EQ(storage_.DelFromFile(VString("y"), 1, error), ORV_OK);
  EXPECT_EQ(Str(error), "");
  // Del: from memory, then from the files.
  Plain* z = new Plain("z");
  storage_.Load(z, error);
  dir_.Write("one/z.orv", Record("z"));
  EXPECT_EQ(storage_.Del(VString("z"), 1, error), ORV_OK);
  EXPECT_EQ(Loaded(), "");
  EXPECT_EQ(Listing(dir_.Path("one")), "");
  EXPECT_EQ(storage_.Del(VString("z"), 1, error), ORV_TRANSFORM_NOT_FOUND);
  delete z;
}

// The test works in the scratch directory, where "-(no-dir)-" stands.
class NoDirEntry : public Storage {
protected:
  void SetUp() override {
    Storage::SetUp();
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    cwd_ = here;
    ASSERT_EQ(chdir(dir_.path().c_str()), 0);
    dir_.MakeDir("-(no-dir)-");
  }
  void TearDown() override {
    Storage::TearDown();
    EXPECT_EQ(chdir(cwd_.c_str()), 0);
  }
  std::string cwd_;
};

TEST_F(NoDirEntry, AnEmptyEntryIsSearchedAsNoDirButAnsweredEmpty) {
  dir_.Write("-(no-dir)-/e.orv", Record("e"));
  Dirs({"one", ""});
  VString where("unchanged");
  EXPECT_EQ(storage_.FindFile(VString("e"), &where), 1);
  EXPECT_EQ(Str(where), "");
  OrvTransform* found = nullptr;
  VString error;
  ASSERT_EQ(storage_.Get(VString("e"), found, error), ORV_OK);
  EXPECT_EQ(Str(found->dir_name), "");
  // Saved back under "-(no-dir)-".
  found->inst_descr = VString("saved");
  EXPECT_EQ(found->Save(error), ORV_OK);
  EXPECT_EQ(ReadText("-(no-dir)-/e.orv"), Record("e", "saved"));
}

TEST_F(NoDirEntry, DelFromFileStopsAtAHitInAnEmptyEntry) {
  Dirs({"one", "", "two"});
  for (const char* d : {"one/x.orv", "-(no-dir)-/x.orv", "two/x.orv"}) dir_.Write(d, Record("x"));
  VString error;
  EXPECT_EQ(storage_.DelFromFile(VString("x"), 1, error), ORV_OK);
  EXPECT_EQ(Str(error), "");
  EXPECT_EQ(Listing("one") + "|" + Listing("-(no-dir)-") + "|" + Listing("two"), "|x.orv|x.orv");
}

// ---------------------------------------------------------------------------
// Saving
// ---------------------------------------------------------------------------

TEST_F(Storage, SaveWritesTheFileWhole) {
  Dirs({"one"});
  Plain t("s");
  t.dir_name = VString(dir_.Path("one").c_str());
  t.inst_descr = VString("first");
  VString error;
  EXPECT_EQ(storage_.Save(&t, error), ORV_OK);
  EXPECT_EQ(ReadText(At("one", "s")), Record("s", "first"));
  t.inst_descr = VString("x");
  EXPECT_EQ(t.Save(error), ORV_OK);
  EXPECT_EQ(ReadText(At("one", "s")), Record("s", "x"));
  EXPECT_EQ(Listing(dir_.Path("one")), "s.orv");
}

TEST_F(Storage, SaveIntoAMissingDirectoryFails) {
  Plain t("s");
  const std::string missing = dir_.Path("missing");
  t.dir_name = VString(missing.c_str());
  VString error;
  EXPECT_EQ(t.Save(error), ORV_CANNOT_OPEN_OUTPUT);
  EXPECT_EQ(Str(error), "Cannot open file '" + missing + "/s.orv' for output");
  EXPECT_EQ(Listing(dir_.path()), "");
}

TEST_F(Storage, AWriteThatFailsKeepsTheStoredFile) {
  // The new text does not fit under the file-size limit of a child process
  // (SIGXFSZ ignored, so the write itself fails).
  Dirs({"one"});
  const std::string old = Record("s", "short");
  const std::string path = dir_.Write("one/s.orv", old);
  Plain t("s");
  t.dir_name = VString(dir_.Path("one").c_str());
  t.inst_descr = VString(std::string(200, 'L').c_str());
  int pipeFds[2];
  ASSERT_EQ(pipe(pipeFds), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipeFds[0]);
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = {64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    VString error;
    OrvResult r = t.Save(error);
    std::string report = std::to_string(r) + " " + Str(error);
    ssize_t written = write(pipeFds[1], report.data(), report.size());
    _exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
  }
  close(pipeFds[1]);
  std::string report;
  char buf[512];
  for (ssize_t n; (n = read(pipeFds[0], buf, sizeof buf)) > 0;) report.append(buf, n);
  close(pipeFds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(report, "10 Cannot write file '" + path + "'");
  EXPECT_EQ(ReadText(path), old);
  EXPECT_EQ(Listing(dir_.Path("one")), "s.orv");
}

// ---------------------------------------------------------------------------
// Renaming
// ---------------------------------------------------------------------------

TEST_F(Storage, RenameWithTheSameNameAndDirectoryOnlySaves) {
  Dirs({"one"});
  dir_.Write("one/r.orv", Record("r", "old"));
  OrvTransform* r = nullptr;
  VString error;
  ASSERT_EQ(storage_.Get(VString("r"), r, error), ORV_OK);
  r->inst_descr = VString("new");
  EXPECT_EQ(storage_.Rename(VString("r"), VString("r"), r->dir_name, 0, 0, error), ORV_OK);
  EXPECT_EQ(ReadText(At("one", "r")), Record("r", "new"));
  EXPECT_EQ(Loaded(), "r");
}

TEST_F(Storage, RenameMovesTheFileAndTheName) {
  Dirs({"one", "two"});
  dir_.Write("one/r.orv", Record("r"));
  VString error;
  const std::string two = dir_.Path("two");
  EXPECT_EQ(storage_.Rename(VString("r"), VString("s"), VString(two.c_str()), 0, 0, error), ORV_OK)
      << Str(error);
  EXPECT_EQ(Listing(dir_.Path("one")) + "|" + Listing(two), "|s.orv");
  EXPECT_EQ(ReadText(At("two", "s")), Record("s"));
  ASSERT_EQ(Loaded(), "s");
  EXPECT_EQ(Str(storage_.items[0]->dir_name), two);
  EXPECT_EQ(storage_.Rename(VString("q"), VString("s"), VString(two.c_str()), 0, 0, error),
            ORV_TRANSFORM_NOT_FOUND);
}

TEST_F(Storage, RenameOntoAnExistingNameNeedsOverwrite) {
  Dirs({"one", "two"});
  dir_.Write("one/r.orv", Record("r", "r's"));
  dir_.Write("two/s.orv", Record("s", "s's"));
  const std::string one = dir_.Path("one");
  const std::string two = dir_.Path("two");
  VString error;
  EXPECT_EQ(storage_.Rename(VString("r"), VString("s"), VString(one.c_str()), 0, 0, error),
            ORV_TRANSFORM_DUPLICATE);
  EXPECT_EQ(Str(error), "Cannot rename transformation 'r' to '" + one + "/s' because transformation '" +
                            two + "/s' already exists");
  EXPECT_EQ(Listing(one) + "|" + Listing(two), "r.orv|s.orv");
  EXPECT_EQ(Loaded(), "r");

  // With overwrite the other s goes, from memory and from file.
  OrvTransform* s = nullptr;
  ASSERT_EQ(storage_.Get(VString("s"), s, error), ORV_OK);
  EXPECT_EQ(storage_.Rename(VString("r"), VString("s"), VString(one.c_str()), 1, 0, error), ORV_OK)
      << Str(error);
  EXPECT_EQ(Listing(one) + "|" + Listing(two), "s.orv|");
  EXPECT_EQ(ReadText(one + "/s.orv"), Record("s", "r's"));
  EXPECT_EQ(Loaded(), "s");
  EXPECT_NE(storage_.items[0], s);
  delete s;
}

TEST_F(Storage, RenameIntoAnotherListedDirectoryKeepsTheNewFile) {
  // The same name moves from one to two, both searched: the file just
  // written is not among the old name's files that go.
  Dirs({"one", "two"});
  dir_.Write("one/r.orv", Record("r"));
  const std::string two = dir_.Path("two");
  VString error;
  EXPECT_EQ(storage_.Rename(VString("r"), VString("r"), VString((two + "/").c_str()), 1, 0, error),
            ORV_OK)
      << Str(error);
  EXPECT_EQ(Listing(dir_.Path("one")) + "|" + Listing(two), "|r.orv");
  EXPECT_EQ(Loaded(), "r");
}

TEST_F(Storage, RenameThatCannotWriteChangesNothing) {
  Dirs({"one"});
  const std::string old = Record("r", "kept");
  dir_.Write("one/r.orv", old);
  VString error;
  const std::string missing = dir_.Path("missing");
  EXPECT_EQ(storage_.Rename(VString("r"), VString("s"), VString(missing.c_str()), 0, 0, error),
            ORV_CANNOT_OPEN_OUTPUT);
  EXPECT_EQ(Str(error), "Cannot open file '" + missing + "/s.orv' for output");
  EXPECT_EQ(ReadText(At("one", "r")), old);
  ASSERT_EQ(Loaded(), "r");
  EXPECT_EQ(Str(storage_.items[0]->dir_name), dir_.Path("one"));
}

TEST_F(Storage, RenameAskedToUpdateReferencesRenamesThenSaysItCannot) {
  Dirs({"one"});
  dir_.Write("one/r.orv", Record("r"));
  VString error;
  const std::string one = dir_.Path("one");
  EXPECT_EQ(storage_.Rename(VString("r"), VString("s"), VString(one.c_str()), 0, 1, error),
            ORV_TRANS_UPDATE_REFS);
  EXPECT_EQ(Str(error), "OrvTranStorage::Rename: update refs not implemented");
  EXPECT_EQ(Listing(one), "s.orv");
  EXPECT_EQ(Loaded(), "s");
}

// ---------------------------------------------------------------------------
// References through OrvTheTranStorage
// ---------------------------------------------------------------------------

class References : public Storage {
protected:
  void SetUp() override {
    Storage::SetUp();
    OrvTheTranStorage.dirs.Clear();
    OrvTheTranStorage.dirs.Append(VString(dir_.path().c_str()));
  }
};

TEST_F(References, AnUnownedReferenceIsLookedUpByName) {
  Plain target("target");
  Plain host("host");
  host.AddRef(&target, 0);
  // The pointer given is not kept: the name is looked up.
  EXPECT_EQ(host.RefByName(VString("target")), nullptr);
  EXPECT_TRUE(HandlerCapture::texts().empty());
  VString error;
  OrvTheTranStorage.Load(&target, error);
  EXPECT_EQ(host.RefByName(VString("target")), &target);
  EXPECT_EQ(host.RefByName(VString("other")), nullptr);
  OrvTheTranStorage.DelFromMem(VString("target"), 1, error);

  // An owned one is its own.
  Plain* owned = new Plain("owned");
  host.AddRef(owned, 1);
  EXPECT_EQ(host.RefByName(VString("owned")), owned);
}

TEST_F(References, LookUpFailuresGoToTheHandlerOrTheMessages) {
  dir_.Write("bad.orv", "4-2-0:NoSuch:bad:0:d\n");
  OrvTransform* none = nullptr;
  OrvTransRef bad(VString("bad"), none);
  EXPECT_EQ(bad.Get(), nullptr);
  EXPECT_EQ(Joined(HandlerCapture::texts()),
            "OrvTransform::NewByName: transformation class 'NoSuch' not found");
  OrvTokenList messages;
  EXPECT_EQ(bad.Resolve(&messages), ORV_TRANS_CLASS_NOT_FOUND);
  OrvTransRef missing(VString("missing"), none);
  EXPECT_EQ(missing.Resolve(&messages), ORV_TRANSFORM_NOT_FOUND);
  std::vector<std::string> texts;
  for (const OrvTokenListNode* n = messages.Head(); n; n = n->next) {
    EXPECT_EQ(n->token->code, MSG_ERR);
    EXPECT_FALSE(n->token->begin.IsSet());
    texts.push_back(Str(n->token->image));
  }
  EXPECT_EQ(Joined(texts),
            "OrvTransform::NewByName: transformation class 'NoSuch' not found "
            "Cannot find transformation 'missing' for load");
}

TEST_F(References, PrepareResolvesAndPreparesTheActiveReferences) {
  dir_.Write("a.orv", Record("a"));
  dir_.Write("b.orv", Record("b"));
  Plain host("host");
  OrvTransform* none = nullptr;
  host.AddRef(OrvTransRef(VString("a"), none));
  host.AddRef(OrvTransRef(VString("b"), none));
  host.AddRef(OrvTransRef(VString("gone"), none));
  host.refs[2].active = 0;  // not resolved, not prepared
  OrvTokenList messages;
  EXPECT_EQ(host.Prepare(&messages), ORV_OK);
  EXPECT_TRUE(messages.IsEmpty());
  Plain* a = static_cast<Plain*>(host.RefByName(VString("a")));
  Plain* b = static_cast<Plain*>(host.RefByName(VString("b")));
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->prepared, 1);
  EXPECT_EQ(b->prepared, 1);
  EXPECT_EQ(Str(a->dir_name), dir_.path());

  // The first failure is answered and the rest is not prepared.
  a->prepareResult = 44;
  EXPECT_EQ(host.Prepare(&messages), 44);
  EXPECT_EQ(b->prepared, 1);
  host.refs[2].active = 1;
  EXPECT_EQ(host.Prepare(&messages), ORV_TRANSFORM_NOT_FOUND);
  EXPECT_EQ(a->prepared, 2);
}

}  // namespace
