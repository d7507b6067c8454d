#include "foundation/string_list.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(StringListTest, UnsortedKeepsDuplicatesAndFindsTheFirst) {
  TStringList list;
  list.Add("b=1");
  list.Add("B=2");
  list.Add("b=1");
  EXPECT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.IndexOf("B=1"), 0);
  EXPECT_EQ(list.IndexOfName("b"), 0);
  EXPECT_EQ(list.IndexOf("c"), -1);
}

TEST(StringListTest, SortedIgnoresALineItHoldsAndSearchesInOrder) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig", "APPLE", "banana"}) list.Add(s);
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"Apple", "banana", "fig", "pear"}));
  EXPECT_EQ(list.IndexOf("PEAR"), 3);
  EXPECT_EQ(list.IndexOf("kiwi"), -1);
}

TEST(StringListTest, NamesNeedAnEqualsSign) {
  TStringList list({"key", "key=value", "=x"});
  EXPECT_EQ(list.IndexOfName("key"), 1);
  EXPECT_EQ(list.IndexOfName(""), 2);
}

TEST(StringListTest, TextJoinsWithCrLfAndSplitsEveryBreak) {
  TStringList list;
  list.SetText("a\rb\n\nc");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(list.Text(), "a\r\nb\r\n\r\nc\r\n");
  list.Clear();
  EXPECT_EQ(list.Text(), "");
}

TEST(StringListTest, InsertAndDeleteKeepOrder) {
  TStringList list({"a", "c"});
  list.Insert(1, "b");
  list.Insert(99, "d");
  list.Delete(0);
  list.Delete(99);
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"b", "c", "d"}));
}

}  // namespace
}  // namespace lumidex
