#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "album/album_search.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;

namespace lumidex {

// The search question: the caption, "検索する内容を入力して下さい", the text
// (prefilled with the last one), the targets ファイル名, フォルダ名,
// サブアルバム名 and コメント, and the options 半角と全角を区別しない and
// ひらがなとカタカナを区別しない. OK is enabled only while a target is
// ticked and the text is not empty; ticking サブアルバム名 offers the
// sub-album names `subAlbumNames` gives in the text's drop-down.
class SearchDialog : public QDialog {
  Q_OBJECT

 public:
  SearchDialog(const QString& caption, const SearchRequest& last,
               std::function<std::vector<std::string>()> subAlbumNames, QWidget* parent = nullptr);

  // What the user asked for.
  SearchRequest Request() const;

 private:
  void UpdateOk();
  void OfferSubAlbumNames(bool on);

  std::function<std::vector<std::string>()> subAlbumNames_;
  QComboBox* text_ = nullptr;
  QCheckBox* fileNames_ = nullptr;
  QCheckBox* folders_ = nullptr;
  QCheckBox* subAlbums_ = nullptr;
  QCheckBox* comments_ = nullptr;
  QCheckBox* ignoreWidth_ = nullptr;
  QCheckBox* ignoreKana_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace lumidex
