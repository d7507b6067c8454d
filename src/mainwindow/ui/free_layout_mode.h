#pragma once

#include <QObject>
#include <functional>
#include <string>

namespace lumidex {

class AlbumStore;
class CalendarController;
class FreeLayoutView;
class ImageListPanel;
class ThumbnailCache;
class TForm1;

// The free layout view in the window: the page button "フリー配置"
// (`FreeAlbSpBtn`) shows it in the place of the list and the comment
// editor, with the page of the open container, or else of the day selected
// in the calendar; a day chosen in the calendar or a page clicked in the
// page list while it is shown shows that day's free layout page; the
// heading says which page is shown; the year switch, the settings, the
// colour scheme and "高画質" reach the view. Main thread only; the window,
// list, store, calendar and cache (may be null) must outlive this object.
class FreeLayoutMode : public QObject {
  Q_OBJECT

 public:
  FreeLayoutMode(TForm1& window, ImageListPanel& list, AlbumStore& album, CalendarController& calendar,
                 const ThumbnailCache* cache);
  ~FreeLayoutMode() override;

  FreeLayoutView& view() const { return *view_; }
  // The album switched its year.
  void YearChanged();

 private:
  void Switch(bool on);
  void ApplySettings();
  void ApplyScheme();

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  CalendarController& calendar_;
  FreeLayoutView* view_ = nullptr;
};

}  // namespace lumidex
