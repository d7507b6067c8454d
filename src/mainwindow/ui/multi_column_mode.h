#pragma once

#include <QObject>
#include <QString>

#include "images/ui/desktop_shell_images.h"

class QAbstractButton;

namespace lumidex {

class AlbumStore;
class ImageListPanel;
class PreviewCardWidget;
class TForm1;

// The multi-column list mode of the page side (`SpeedButton12`, "複数列"),
// the preview card over the list and the page side's picture check boxes,
// wired through the page side's and the list's typed parts.
// While the free layout view shows a tab with unsaved edits, its save
// question comes first either way; Cancel puts the button back and changes
// nothing. Switching the mode on hides the month grid and the picture view
// region and widens the page side to the window's width less 40 pixels (the
// free layout button shows when the free layout is managed by album name);
// switching it off restores them, leaves a shown free layout view, hides the
// preview card and closes the favourites. Either way the selection is kept
// and scrolled into view, the thumbnail worker prepares the visible items
// again, a shown detail list's first column becomes 150 pixels wide, and
// "拡大" (`CheckBox2`) and "ストレッチ" (`CheckBox3`) show only in the mode,
// the favourites button `SpeedButton21` only in the mode while the detail
// list is hidden, and the free layout's tab buttons `TabAddSpBtn` and
// `TabMoveSpBtn` only in the mode while the free layout button is shown and
// down. A click on a file item with "拡大" checked shows it on
// the preview card `Image3`; "ストレッチ" and "高画質" (`CheckBox4`) redraw a
// shown card, and "高画質" decides with the mode how the list scales and
// decodes its thumbnails.
//
// Main thread only; the window, the list and the album must outlive it.
class MultiColumnMode : public QObject {
  Q_OBJECT

 public:
  MultiColumnMode(TForm1& window, ImageListPanel& list, AlbumStore& album);

  // What the button "複数列" does when pressed (`on`) or released.
  void Switch(bool on);
  bool on() const { return on_; }
  PreviewCardWidget& card() const { return *card_; }

 private:
  void OnEntryClicked(const QString& path);
  // The buttons that show only in the mode, for the state of now.
  void ShowModeButtons();
  // The free layout's tab buttons, which also follow the free layout button.
  void ShowTabButtons();
  // The free layout's save question while its view shows unsaved edits:
  // false on Cancel.
  bool ConfirmFreeLayoutSave() const;

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  DesktopShellImages shell_;
  QAbstractButton& enlarge_;      // CheckBox2 "拡大"
  QAbstractButton& stretch_;      // CheckBox3 "ストレッチ"
  QAbstractButton& highQuality_;  // CheckBox4 "高画質"
  PreviewCardWidget* card_ = nullptr;
  bool on_ = false;
};

}  // namespace lumidex
