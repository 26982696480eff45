// Tests of the member cache: search outcomes valid for the settings they
// were found under, and member texts kept up to a bound with the oldest
// dropped first.
#include <gtest/gtest.h>

#include <string>

#include "OrvMemberCache.h"
#include "ScratchDir.h"

namespace {

OrvSourceTextRef TextOf(size_t size) {
  std::shared_ptr<OrvSourceText> text = std::make_shared<OrvSourceText>();
  text->data = new char[size > 0 ? size : 1];
  text->size = size;
  return text;
}

VStringArray List(std::initializer_list<const char*> items) {
  VStringArray list(12);
  for (const char* s : items) list.items[list.count++] = VString(s);
  return list;
}

TEST(OrvMemberCacheTest, SearchesHoldForTheirSettings) {
  OrvMemberCache cache;
  cache.UseSettings(List({".", "lib"}), List({".cpy", ""}), 1);
  OrvMemberSearch found;
  found.kind = ORV_MEMBER_FOUND;
  found.path = "./A.cpy";
  cache.StoreSearch("A", found);
  OrvMemberSearch missing;
  cache.StoreSearch("B", missing);
  ASSERT_NE(nullptr, cache.FindSearch("A"));
  EXPECT_EQ("./A.cpy", cache.FindSearch("A")->path);
  ASSERT_NE(nullptr, cache.FindSearch("B"));
  EXPECT_EQ(ORV_MEMBER_NOT_FOUND, cache.FindSearch("B")->kind);
  EXPECT_EQ(nullptr, cache.FindSearch("a"));
  // The same settings keep them; any change forgets them.
  cache.UseSettings(List({".", "lib"}), List({".cpy", ""}), 1);
  EXPECT_NE(nullptr, cache.FindSearch("A"));
  struct {
    VStringArray dirs;
    VStringArray suffixes;
    int nameCase;
  } changes[] = {{List({"lib", "."}), List({".cpy", ""}), 1},
                 {List({".", "lib"}), List({".cpy"}), 1},
                 {List({".", "lib"}), List({".cpy", ""}), 0},
                 {List({".l", "ib"}), List({".cpy", ""}), 1}};
  for (const auto& c : changes) {
    cache.UseSettings(List({".", "lib"}), List({".cpy", ""}), 1);
    cache.StoreSearch("A", found);
    cache.UseSettings(c.dirs, c.suffixes, c.nameCase);
    EXPECT_EQ(nullptr, cache.FindSearch("A"));
  }
  cache.ForgetSearch("A");
  EXPECT_EQ(nullptr, cache.FindSearch("A"));
}

TEST(OrvMemberCacheTest, TextsUpToTheBoundOldestDroppedFirst) {
  OrvMemberCache cache(100);
  OrvSourceTextRef a = TextOf(40);
  cache.StoreText("a", a);
  cache.StoreText("b", TextOf(40));
  EXPECT_EQ(80u, cache.TextBytes());
  EXPECT_EQ(a, cache.FindText("a"));
  // A third text of 40 bytes drops the oldest; one larger than the bound is
  // not kept at all.
  cache.StoreText("c", TextOf(40));
  EXPECT_EQ(nullptr, cache.FindText("a"));
  EXPECT_NE(nullptr, cache.FindText("b"));
  EXPECT_NE(nullptr, cache.FindText("c"));
  EXPECT_EQ(80u, cache.TextBytes());
  cache.StoreText("d", TextOf(101));
  EXPECT_EQ(nullptr, cache.FindText("d"));
  EXPECT_EQ(2, cache.TextCount());
  // A text dropped by the cache lives on with whoever reads it.
  EXPECT_EQ(40u, a->size);
  // A text of exactly the bound takes the place of everything.
  cache.StoreText("e", TextOf(100));
  EXPECT_EQ(1, cache.TextCount());
  EXPECT_EQ(100u, cache.TextBytes());
}

TEST(OrvMemberCacheTest, ReadSourceText) {
  ScratchDir dir;
  const std::string path = dir.Write("m.cpy", std::string("AB\0C\n", 5));
  OrvSourceTextRef text = OrvReadSourceText(path.c_str());
  ASSERT_NE(nullptr, text);
  EXPECT_EQ(std::string("AB\0C\n", 5), std::string(text->data, text->size));
  std::string big(200000, 'x');
  OrvSourceTextRef large = OrvReadSourceText(dir.Write("big", big).c_str());
  ASSERT_NE(nullptr, large);
  EXPECT_EQ(big.size(), large->size);
  EXPECT_EQ(big, std::string(large->data, large->size));
  // An empty file, and a device whose size is not known beforehand (read in
  // growing chunks): both are empty texts, not failures.
  OrvSourceTextRef empty = OrvReadSourceText(dir.Write("empty", "").c_str());
  ASSERT_NE(nullptr, empty);
  EXPECT_EQ(0u, empty->size);
  OrvSourceTextRef device = OrvReadSourceText("/dev/null");
  ASSERT_NE(nullptr, device);
  EXPECT_EQ(0u, device->size);
  EXPECT_EQ(nullptr, OrvReadSourceText(dir.Path("none").c_str()));
  EXPECT_EQ(nullptr, OrvReadSourceText(dir.path().c_str()));
}

}  // namespace
