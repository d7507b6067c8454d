#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// What a delete confirmation is about; the numbers are the kinds' codes.
enum class DeleteKind { kImage = 5, kPage = 6, kAlbumImage = 7, kSubAlbum = 8 };

struct DeleteQuestionText {
  std::string message;
  std::string caption;
};

// The Yes/No question before a deletion: message = target + noun + "を" +
// "削除してもよろしいですか？" (no noun for a sub-album), caption = noun +
// "の削除確認". Nouns: "画像", "ページ", "アルバムの画像", "サブアルバム".
DeleteQuestionText DeleteQuestion(DeleteKind kind, std::string_view target);

// Targets of the question.
std::string PageDeleteTarget(std::string_view page);            // "'03/15' の"
std::string SubAlbumDeleteTarget(std::string_view name);        // "サブアルバムの '旅行' "
std::string EntriesDeleteTarget(size_t count);                  // "アルバムから" (+ count + " 個の")

}  // namespace lumidex
