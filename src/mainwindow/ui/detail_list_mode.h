#pragma once

#include <QObject>
#include <string>

namespace lumidex {

class AlbumPrompts;
class AlbumStore;
class CalendarController;
class DetailListPanel;
class ImageListPanel;
class TForm1;
class ThumbnailCache;

// The detail list in the window: the calendar's "詳細" (`SpeedButton31`)
// and the list's "詳細" (`SpeedButton36`) show the panel; pressing one
// presses the other. From the calendar it docks in the place of the list,
// shows the page of the selected day and follows the day chosen. From the
// list it floats over the list as a second view of what the list shows
// (the folder of folder mode, the open sub-album or page, else the selected
// day's page): it follows the list to other containers and folders (a
// folder's rows appear while its walk runs), a row selected in it selects
// the same item in the list, and a sub-album opened in it opens in the
// list too. The close button releases both buttons. Changes made in the
// panel reach the image list. Main thread only; the window, list, store,
// calendar, prompts and cache (may be null) must outlive this object.
class DetailListMode : public QObject {
  Q_OBJECT

 public:
  DetailListMode(TForm1& window, ImageListPanel& list, AlbumStore& album, CalendarController& calendar,
                 AlbumPrompts& prompts, const ThumbnailCache* cache);

  DetailListPanel& panel() const { return *panel_; }

 private:
  void Switch(bool on, bool fromList);
  void ShowSelectedDay();
  // Shows what the list shows.
  void ShowFromList();
  // What the list shows, as a text that changes when it shows another
  // container or folder.
  std::string ListIdentity() const;
  bool FollowsList() const;
  void ListContentChanged();

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  CalendarController& calendar_;
  DetailListPanel* panel_ = nullptr;
  bool syncing_ = false;        // one button is pressing the other
  std::string shownIdentity_;   // ListIdentity of the rows shown from the list
  std::string walkedFolder_;    // the folder whose walk streams rows; "" when none
};

}  // namespace lumidex
