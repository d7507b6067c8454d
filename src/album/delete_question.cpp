#include "album/delete_question.h"

namespace lumidex {
namespace {

std::string_view NounOf(DeleteKind kind) {
  switch (kind) {
    case DeleteKind::kImage: return "画像";
    case DeleteKind::kPage: return "ページ";
    case DeleteKind::kAlbumImage: return "アルバムの画像";
    case DeleteKind::kSubAlbum: return "サブアルバム";
  }
  return "画像";
}

}  // namespace

DeleteQuestionText DeleteQuestion(DeleteKind kind, std::string_view target) {
  const std::string noun(NounOf(kind));
  DeleteQuestionText text;
  text.message = std::string(target) + (kind == DeleteKind::kSubAlbum ? "" : noun) + "を" +
                 "削除してもよろしいですか？";
  text.caption = noun + "の削除確認";
  return text;
}

std::string PageDeleteTarget(std::string_view page) { return "'" + std::string(page) + "' の"; }

std::string SubAlbumDeleteTarget(std::string_view name) {
  return "サブアルバムの '" + std::string(name) + "' ";
}

std::string EntriesDeleteTarget(size_t count) {
  if (count == 1) return "アルバムから";
  return "アルバムから" + std::to_string(count) + " 個の";
}

}  // namespace lumidex
