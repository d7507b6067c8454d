#pragma once

#include <QObject>
#include <QAbstractButton>
#include <QPointer>
#include <QString>

#include "foundation/status.h"
#include "images/actual_size.h"
#include "images/ui/desktop_shell_images.h"

namespace lumidex {

class ActualSizeWidget;
class AlbumStore;
class ImageListPanel;
class PictureViewWidget;
class TForm1;

// The picture view in the window: the region `Panel12` takes the calendar's
// place whenever the list shows a page, a sub-album or a folder (not in the
// multi-column mode) and gives it back when the list shows the page list
// again. A click on a list entry shows the entry's picture on the card; the
// view's stretch box and the page side's "高画質" change how it is drawn; a
// release on the view goes back to the page list as "v-close" says; the
// list buttons of the bar hide and show the page side. The slide show tells
// this object when it runs and when the window is in full screen, which
// change the close mark, the colours and what a release does.
//
// Main thread only; the window, list and store must outlive this object.
class PictureViews : public QObject {
  Q_OBJECT

 public:
  PictureViews(TForm1& window, ImageListPanel& list, AlbumStore& album);

  PictureViewWidget& view() const { return *view_; }
  // The list row of the entry last clicked while the view was shown (the
  // slide show starts there); 0 after the list showed another container.
  int clickedRow() const { return clickedRow_; }

  void SetSlideShowRunning(bool running);
  // Full-screen mode: the dark background and no card; the bar `Panel14`
  // shows only while the pointer is within the view's top 20 pixels.
  void SetFullScreen(bool on);
  bool fullScreen() const { return fullScreen_; }
  // Whether the page side (the page list) is shown beside the view.
  bool pageListShown() const;

  // The actual-size view (`FullSizeSpBtn` down): the picture at its own
  // size over the view, with the zoom and blur buttons of the status area
  // and the menu item "拡大画像の保存". Left by the button, by ticking
  // "ストレッチ", and by LeaveActualSize (a show starts, full screen).
  bool actualSize() const;
  ActualSizeWidget& actualView() const { return *actual_; }
  void LeaveActualSize();
  // The zoom buttons and the track buttons while no show runs.
  void ZoomStep(bool in);
  // Saves the enlarged picture ("フルサイズ" or "ビューサイズ") to `path`.
  // Error "保存に失敗しました。" on any failure; nothing else changes.
  [[nodiscard]] Status SaveEnlargedTo(bool fullSize, const QString& path, EnlargedFormat format);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The actual-size view was switched on or off.
  void actualSizeChanged(bool on);

  // The view was shown for new list content (the slide show's position
  // starts at 0), or a list entry was clicked while no show ran.
  void positionChosen(int row);

 private:
  // The list shows new content: the view takes or gives back the
  // calendar's place.
  void FollowListContent();
  void ShowListItem(const QString& path, int row);
  void OnReleased(Qt::MouseButton button);
  void OnPointerMoved(const QPoint& at);
  void ShowPageList(bool shown);
  void UpdateCloseMark();
  void ConnectActualSize();
  void ToggleActualSize(bool down);
  void ToggleBlur(bool on);
  void ShowBlurLevel();
  void SaveEnlarged(bool fullSize);

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  DesktopShellImages shell_;
  PictureViewWidget* view_ = nullptr;
  // Kept as plain objects: while the window's regions are taken down they
  // are no longer of their own types, and only a checked cast may look.
  QPointer<QObject> blurLevel_;         // StaticText2
  QPointer<QObject> actualSizeButton_;  // FullSizeSpBtn
  ActualSizeWidget* actual_ = nullptr;  // a child of view_, over it
  int clickedRow_ = 0;
  bool running_ = false;
  bool fullScreen_ = false;
};

}  // namespace lumidex
