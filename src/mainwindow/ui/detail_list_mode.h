#pragma once

#include <QObject>

namespace lumidex {

class AlbumPrompts;
class AlbumStore;
class CalendarController;
class DetailListPanel;
class ImageListPanel;
class TForm1;

// The detail list in the window: the calendar's "詳細" (`SpeedButton31`)
// and the list's "詳細" (`SpeedButton36`) show the panel in the place of the
// list; pressing one presses the other. From the calendar it shows the page
// of the selected day and follows the day chosen; from the list it shows
// the folder of the list's folder mode, the open sub-album or page (else
// the selected day's page). The close
// button releases both buttons. Changes made in the panel reach the image
// list. Main thread only; the window, list, store, calendar and prompts
// must outlive this object.
class DetailListMode : public QObject {
  Q_OBJECT

 public:
  DetailListMode(TForm1& window, ImageListPanel& list, AlbumStore& album, CalendarController& calendar,
                 AlbumPrompts& prompts);

  DetailListPanel& panel() const { return *panel_; }

 private:
  void Switch(bool on, bool fromList);
  void ShowSelectedDay();

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  CalendarController& calendar_;
  DetailListPanel* panel_ = nullptr;
  bool syncing_ = false;  // one button is pressing the other
};

}  // namespace lumidex
