#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "album/entry_registration.h"
#include "album/page_operations.h"
#include "foundation/calendar_date.h"
#include "calendar/holiday_calendar.h"
#include "calendar/month_calendar.h"
#include "filetools/ui/dialog_registration_prompts.h"
#include "mainwindow/ui/album_calendar_source.h"

namespace lumidex {

class AlbumListCommands;
class AlbumStore;
class CalendarController;
class CalendarFileDrop;
class CalendarPopupMenu;
class DetailListMode;
class FreeLayoutMode;
class ImageListPanel;
class ItemStatusPanel;
class ListFileDrop;
class ListRegistrationCommands;
class PictureViews;
class SlideShowView;
class TForm1;
class ThumbnailCache;
class WindowPrompts;
struct RegistrationContext;

// The album's views in the main window and the gestures between them: the
// month calendar (grid `StringGrid1` and its bar controls) over the album
// store, and the image list panel in the place of `ListView2`. Selecting a
// day selects its page in the page list, double-clicking a day opens its
// page, clicking a page in the page list shows its day, and every month
// change runs the album's year switch through the calendar's month build.
// The day menu of the grid runs the page commands of a day; files dropped
// on a day are registered on its page. The list's menu and drops register
// files on the open container or a page of the page list, and the tools
// menu runs the automatic registration.
//
// Main thread only. `window`, `album` and `cache` (may be null) must outlive
// this object; the placed widgets belong to the window.
class AlbumViews : public QObject {
  Q_OBJECT

 public:
  // Builds and places the views; nothing is shown until ShowFirstMonth.
  // REQUIRES: the window has its environment.
  AlbumViews(TForm1& window, AlbumStore& album, ThumbnailCache* cache,
             std::function<CalendarDate()> today = LocalToday);
  ~AlbumViews() override;

  // The first month of the start: builds today's month (its year switch
  // opens the year's documents and fills the page list), ends the painting
  // suppression and starts the thumbnail worker. Today's cell is selected
  // when the window is first shown.
  void ShowFirstMonth();
  // Stops the thumbnail worker for good (exit).
  void StopWorkers();
  // Brings the page list, the list and the calendar up to date after entries
  // were registered outside the views (files the program was started with);
  // a failed `status` is shown first.
  void EntriesRegistered(const Status& status) { AfterRegistration(status); }

  CalendarController& calendar() const { return *controller_; }
  MonthCalendar& month() { return month_; }
  ImageListPanel& imageList() const { return *list_; }
  // The open page or sub-album, or the shown free layout page, has changes
  // not yet saved.
  bool HasUnsavedChanges() const;
  CalendarPopupMenu& dayMenu() const { return *dayMenu_; }
  CalendarFileDrop& fileDrop() const { return *fileDrop_; }
  ListFileDrop& listDrop() const { return *listDrop_; }
  ListRegistrationCommands& listCommands() const { return *listCommands_; }
  PictureViews& pictureViews() const { return *pictureViews_; }
  SlideShowView& slideShow() const { return *slideShow_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectCalendar();
  void ConnectImageList();
  // "自動登録(&A)": the dialog and the run, the window's commands locked.
  void RunAutoRegistration();
  // Takes over the settings the views read (cell look, weekday names,
  // picture sizes) and the colours of the window's scheme.
  void ApplySettings();
  void ApplyScheme();
  // The year switch finished: the page list and the cells show the new year.
  void AfterYearSwitch();
  // The page list's row of the page of `dateText` ("yyyy/mm/dd") in the
  // loaded year, or -1 when the list does not show the page list or the
  // day's page is not in it.
  int PageListRowOf(const QString& dateText) const;
  void SelectDayInPageList(const QString& dateText);
  void OpenDayPage(const QString& dateText);
  void ShowDayOfPage(const QString& page);
  // The day menu at `point` of the grid, for the day cell there.
  void ShowDayMenu(const QPoint& point);
  void ReportError(const QString& message);
  // Files were registered from outside: the list and the cells show them.
  void AfterRegistration(const Status& status);
  std::vector<std::string> YearListItems() const;

  TForm1& window_;
  AlbumStore& album_;
  HolidayCalendar holidays_;
  AlbumPageSource pages_;
  AlbumYearSwitch yearSwitch_;
  MonthCalendar month_;
  std::unique_ptr<WindowPrompts> prompts_;
  PageOperations operations_;
  DialogRegistrationPrompts registrationPrompts_;
  EntryRegistration registration_;
  std::unique_ptr<RegistrationContext> registrationContext_;
  CalendarController* controller_ = nullptr;
  ImageListPanel* list_ = nullptr;
  CalendarPopupMenu* dayMenu_ = nullptr;
  CalendarFileDrop* fileDrop_ = nullptr;
  ListFileDrop* listDrop_ = nullptr;
  ListRegistrationCommands* listCommands_ = nullptr;
  ItemStatusPanel* itemPanel_ = nullptr;
  PictureViews* pictureViews_ = nullptr;
  SlideShowView* slideShow_ = nullptr;
  FreeLayoutMode* freeLayout_ = nullptr;
  DetailListMode* detailList_ = nullptr;
  AlbumListCommands* albumList_ = nullptr;
  bool todaySelected_ = false;      // today's cell was selected at the first show
  bool selectionFromList_ = false;  // the page list itself is moving the calendar
};

}  // namespace lumidex
