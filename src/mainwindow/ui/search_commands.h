#pragma once

#include <QObject>
#include <cstddef>

#include "album/album_search.h"

class QAction;

namespace lumidex {

class AlbumPrompts;
class AlbumStore;
class ImageListPanel;
class TForm1;

// The list search of an open page or sub-album: the list menu's
// "検索(&F)" asks with the search dialog and looks from the first entry,
// "次を検索(&S)" goes on after the last hit. A hit is selected alone,
// scrolled into view and shown in the picture view; past the last one the
// message "'text' は見つかりません！" says so. The text and targets are kept
// for the run, the two options also in the settings ("sear1", "sear2").
// Main thread only; everything given must outlive this object.
class SearchCommands : public QObject {
  Q_OBJECT

 public:
  SearchCommands(TForm1& window, ImageListPanel& list, AlbumStore& album, AlbumPrompts& prompts);

  // "検索(&F)": false when the user cancelled.
  bool Find();
  // "次を検索(&S)".
  void FindNext();
  // Asks with the search dialog under `caption`; false when cancelled or
  // the text is empty. Keeps what was asked.
  bool AskSearch(const QString& caption);
  const SearchRequest& request() const { return request_; }

 private:
  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  AlbumPrompts& prompts_;
  SearchRequest request_;
  size_t nextStart_ = 0;
  QAction* find_ = nullptr;
  QAction* findNext_ = nullptr;
};

}  // namespace lumidex
