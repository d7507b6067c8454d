#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "foundation/colour.h"
#include "images/card_picture.h"

class QAction;
class QMenu;

namespace lumidex {

class ShellImages;

// The preview card `Image3`: laid over the list, it shows one picture large
// as a print on a white card with a shadow (LayoutPreviewCard), fitted
// without enlarging unless "ストレッチ" is on, scaled with high quality when
// "高画質" is on. A click anywhere on it hides it and shows the list again.
// Its context menu `PopupMenu4` offers "編集ツールを開く(&E)" (enabled
// once the window's editing commands serve it, SetEditorServed) and
// "コピー(&C)", which copies the picture (files of the picture types) or
// else the file itself to the clipboard; both only for an existing file.
//
// The picture is read when shown, and again for a card of another size when
// it was made for the card's size (CardPicture::fittedToCard). Main
// thread only; `covered` and
// `shell` must outlive the card, which `covered` owns.
class PreviewCardWidget : public QWidget {
  Q_OBJECT

 public:
  PreviewCardWidget(QWidget& covered, const ShellImages& shell);

  // Shows `path` on the card over the list. A file that cannot be read
  // shows the bare area.
  void ShowPicture(const std::string& path);
  // Hides the card; the list shows again.
  void HideCard();
  // "ストレッチ" and "高画質": a shown card is redrawn.
  void SetStretch(bool stretch);
  void SetHighQuality(bool highQuality);
  // The area's colour (the colour scheme's light colour while a sub-album
  // is open, else white) and the window colour transparent pictures are
  // laid over.
  void SetColours(Colour area, Colour window);

  const std::string& path() const { return path_; }
  // Whether a picture was read for the shown file.
  bool hasPicture() const { return picture_.has_value(); }
  QMenu* menu() const { return menu_; }
  QAction* copyAction() const { return copy_; }
  QAction* editAction() const { return edit_; }
  // Whether a command is connected to editAction(); the item is enabled
  // only then.
  void SetEditorServed(bool served);
  // Enables the menu's items for the shown picture (done as it opens).
  void PrepareMenu();
  // Copies the picture or the file to the clipboard ("コピー(&C)").
  void CopyToClipboard() const;

 signals:
  // The card was clicked away.
  void closed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Load();
  void DrawPicture(QPainter& painter) const;

  QWidget& covered_;
  const ShellImages& shell_;
  QMenu* menu_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* edit_ = nullptr;
  bool editorServed_ = false;
  std::string path_;
  std::optional<CardPicture> picture_;
  QSize loadedFor_;  // the picture box the picture was read for
  bool stretch_ = false;
  bool highQuality_ = false;
  Colour area_ = kWhite;
  Colour window_ = kWhite;
};

}  // namespace lumidex
