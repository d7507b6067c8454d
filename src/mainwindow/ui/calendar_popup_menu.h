#pragma once

#include <QMenu>
#include <string>

class QAction;

namespace lumidex {

class AlbumStore;
class ImageListPanel;

// The calendar's day menu `PopupMenu1` with the page commands of a day:
// "アルバムにページを作成", "サブアルバムの作成" and "削除(&D)". Only days of
// the shown year offer them, and only as the day's page allows; the commands
// run through the image list panel, which asks the questions and shows the
// result. Main thread only; `album` and `list` must outlive the menu.
class CalendarPopupMenu : public QMenu {
  Q_OBJECT

 public:
  CalendarPopupMenu(AlbumStore& album, ImageListPanel& list, QWidget* parent = nullptr);

  // Makes the menu the one of the day `date` ("yyyy/mm/dd"). False when it
  // offers no command for that day (the menu is not shown then).
  bool PrepareFor(const std::string& date);

  QAction* createPageAction() const { return createPage_; }
  QAction* createSubAlbumAction() const { return createSubAlbum_; }
  QAction* deleteAction() const { return delete_; }

 signals:
  // A command ran: the day cells may show other pages now.
  void pagesChanged();

 private:
  AlbumStore& album_;
  ImageListPanel& list_;
  std::string page_;  // "mm/dd" of the day the menu was prepared for
  QAction* createPage_ = nullptr;
  QAction* createSubAlbum_ = nullptr;
  QAction* delete_ = nullptr;
};

}  // namespace lumidex
