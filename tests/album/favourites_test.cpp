#include "album/favourites.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(FavouritesTest, TitlesAndDeleteQuestions) {
  EXPECT_EQ(FavouritesTitle("2014", ""), "2014年のお気に入り");
  EXPECT_EQ(FavouritesTitle("2014", "08/02"), "8月2日のお気に入り");
  EXPECT_EQ(FavouritesTitle("2023", "02/29"), "2月29日のお気に入り");  // no year needed
  EXPECT_EQ(FavouritesTitle("2014", "xx/yy"), "日付不明のお気に入り");
  const FavouriteRow file{"/p/a.jpg", "08/02", false}, sub{"@08/02旅行", "", false};
  EXPECT_EQ(FavouriteDeleteQuestion({file}), "'a.jpg' を お気に入りから削除してよろしいですか？");
  EXPECT_EQ(FavouriteDeleteQuestion({sub}), "サブアルバムの '旅行' を お気に入りから削除してよろしいですか？");
  EXPECT_EQ(FavouriteDeleteQuestion({file, sub}), "2個のファイルを お気に入りから削除してよろしいですか？");
}

}  // namespace
}  // namespace lumidex
