#pragma once

#include <QMenu>
#include <string>

class QAction;

namespace lumidex {

class AlbumStore;
class ImageListPanel;
class TForm1;
struct RegistrationContext;

// The calendar's day menu `PopupMenu1` with the commands of a day:
// "アルバムにページを作成", "サブアルバムの作成", "画像の追加" ("フォルダから
// 検索", "ファイルを選択"), "貼り付け(&P)" and "削除(&D)". Only days of the
// shown year offer them, and only as the day's page allows. The page
// commands run through the image list panel, which asks the questions and
// shows the result; the others register files on the day's page, or in the
// open page or sub-album; the folder search locks the window's commands
// while it walks. Main thread only; `window`, `album`, `list` and
// `registration` must outlive the menu.
class CalendarPopupMenu : public QMenu {
  Q_OBJECT

 public:
  CalendarPopupMenu(TForm1& window, AlbumStore& album, ImageListPanel& list,
                    RegistrationContext& registration, QWidget* parent = nullptr);

  // Makes the menu the one of the day `date` ("yyyy/mm/dd"). False when it
  // offers no command for that day (not a date; the menu is not shown then).
  // A day of another year offers only what needs no page.
  bool PrepareFor(const std::string& date);

  QAction* createPageAction() const { return createPage_; }
  QAction* createSubAlbumAction() const { return createSubAlbum_; }
  QAction* addImagesAction() const { return addImages_; }
  QAction* pasteAction() const { return paste_; }
  QAction* deleteAction() const { return delete_; }
  QAction* copyAction() const { return copy_; }

 signals:
  // A page command ran: the day cells may show other pages now.
  void pagesChanged();
  // Files were registered: the list and the day cells show them.
  void filesAdded();
  // "スライドタイプのリストに追加" for the day `date` ("yyyy/mm/dd").
  void dayListAddition(const QString& date);
  // "更新日に登録日を設定" for the day `date` ("yyyy/mm/dd").
  void fileDatesRequested(const QString& date);
  // "プロパティ" for the day `date` ("yyyy/mm/dd"): the page's use in other
  // years, or its fixed cover file's properties.
  void propertiesRequested(const QString& date);

 private:
  TForm1& window_;
  AlbumStore& album_;
  ImageListPanel& list_;
  RegistrationContext& registration_;
  std::string date_;  // "yyyy/mm/dd" of the day the menu was prepared for
  std::string page_;  // its "mm/dd"
  QAction* createPage_ = nullptr;
  QAction* createSubAlbum_ = nullptr;
  QAction* addImages_ = nullptr;
  QAction* paste_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* fileDates_ = nullptr;
  QAction* properties_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* dayList_ = nullptr;
};

}  // namespace lumidex
