#include "imagelist/ui/preview_card_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "foundation/file_paths.h"
#include "foundation/file_types.h"
#include "imagelist/preview_card.h"
#include "imagelist/side_menu_rules.h"
#include "platform/ui/clipboard_file_list.h"
#include "platform/ui/control_hint.h"
#include "images/scaling.h"
#include "images/ui/bitmap_bridge.h"
#include "images/ui/close_mark.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr QRgb kLightGrey = 0xC0C0C0;
constexpr QRgb kGrey = 0x808080;
// A picture box no picture is larger than: the whole picture is read.
constexpr int kWholePicture = 1 << 16;

QRect ToQRect(const ItemRect& r) { return QRect(r.x, r.y, r.width, r.height); }

}  // namespace

PreviewCardWidget::PreviewCardWidget(QWidget& covered, const ShellImages& shell)
    : QWidget(&covered), covered_(covered), shell_(shell) {
  setObjectName(QStringLiteral("Image3"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("PopupMenu4"));
  edit_ = AddMenuCommand(menu_, "EditToolMenu", QStringLiteral("編集ツールを開く(&E)"));
  edit_->setEnabled(false);
  copy_ = AddMenuCommand(menu_, "PreviewCopyMenu", QStringLiteral("コピー(&C)"), this, &PreviewCardWidget::CopyToClipboard);
  covered_.installEventFilter(this);
  setGeometry(covered_.rect());
  hide();
}

void PreviewCardWidget::ShowPicture(const std::string& path) {
  path_ = path;
  picture_.reset();
  setGeometry(covered_.rect());
  Load();
  show();
  raise();
  update();
}

void PreviewCardWidget::HideCard() {
  hide();
  picture_.reset();
  path_.clear();
}

void PreviewCardWidget::SetStretch(bool stretch) {
  stretch_ = stretch;
  if (isVisible()) update();
}

void PreviewCardWidget::SetHighQuality(bool highQuality) {
  highQuality_ = highQuality;
  if (isVisible()) update();
}

void PreviewCardWidget::SetColours(Colour area, Colour window) {
  const bool windowChanged = window != window_;
  area_ = area;
  window_ = window;
  if (windowChanged && !path_.empty()) Load();
  update();
}

void PreviewCardWidget::Load() {
  const PreviewCardLayout layout = LayoutPreviewCard(width(), height());
  loadedFor_ = QSize(layout.pictureBox.width, layout.pictureBox.height);
  picture_.reset();
  if (path_.empty() || layout.empty) return;
  Result<CardPicture> loaded = LoadCardPicture(
      {path_, loadedFor_.width(), loadedFor_.height(), window_, kWhite}, shell_);
  if (loaded.ok()) picture_ = std::move(loaded).value();
}

void PreviewCardWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColor(area_));
  const PreviewCardLayout layout = LayoutPreviewCard(width(), height());
  if (!layout.empty && !path_.empty()) {
    for (const ItemRect& shadow : layout.shadows) p.fillRect(ToQRect(shadow), QColor(kLightGrey));
    const QRect card = ToQRect(layout.card);
    p.fillRect(card, Qt::white);
    p.setPen(QColor(kGrey));
    p.setBrush(Qt::NoBrush);
    p.drawRect(card.adjusted(0, 0, -1, -1));
    p.fillRect(ToQRect(layout.leftEdge), QColor(kLightGrey));
    p.fillRect(ToQRect(layout.topEdge), QColor(kLightGrey));
    DrawPicture(p);
  }
  DrawCloseMark(p, ToQRect(layout.closeMark.width > 0 ? layout.closeMark
                                                      : ItemRect{width() - 18, 1, 16, 16}));
}

void PreviewCardWidget::DrawPicture(QPainter& painter) const {
  if (!picture_ || picture_->bitmap.empty()) return;
  const PreviewCardLayout layout = LayoutPreviewCard(width(), height());
  const Bitmap& source = picture_->bitmap;
  const ItemRect at =
      PreviewPictureRect(layout, source.width(), source.height(), stretch_, picture_->icon);
  const Bitmap scaled = highQuality_ ? ScaleAreaAverage(source, at.width, at.height)
                                     : ScaleNearest(source, at.width, at.height);
  if (scaled.empty()) return;
  painter.drawImage(QPoint(at.x, at.y), WrapAsQImage(scaled));
}

void PreviewCardWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  HideCard();
  emit closed();
}

void PreviewCardWidget::contextMenuEvent(QContextMenuEvent* event) {
  PrepareMenu();
  menu_->popup(event->globalPos());
}

void PreviewCardWidget::SetEditorServed(bool served) {
  editorServed_ = served;
  PrepareMenu();
}

void PreviewCardWidget::PrepareMenu() {
  PreviewMenuState state;
  state.pictureShown = !path_.empty();
  state.fileExists = state.pictureShown && FileExists(path_);
  state.editorConnected = editorServed_;
  const PreviewMenuOffer offer = PreviewMenuOfferFor(state);
  edit_->setEnabled(offer.edit);
  copy_->setEnabled(offer.copy);
}

void PreviewCardWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const PreviewCardLayout layout = LayoutPreviewCard(width(), height());
  const QSize box(layout.pictureBox.width, layout.pictureBox.height);
  // A picture the desktop made for the old card is asked for again.
  const bool stale = !picture_ || picture_->fittedToCard;
  if (isVisible() && !path_.empty() && box != loadedFor_ && stale) Load();
}

bool PreviewCardWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &covered_ && event->type() == QEvent::Resize) setGeometry(covered_.rect());
  return QWidget::eventFilter(watched, event);
}

void PreviewCardWidget::CopyToClipboard() const {
  if (path_.empty()) return;
  QClipboard* clipboard = QApplication::clipboard();
  // The card may hold a reduced decode; the clipboard gets the whole picture.
  Result<CardPicture> full =
      LoadCardPicture({path_, kWholePicture, kWholePicture, window_, kWhite}, shell_);
  if (full.ok() && FileTypeLists::IsImageType(ExtensionOf(path_))) {
    clipboard->setImage(
        WrapAsQImage(full.value().bitmap).convertToFormat(QImage::Format_RGB32).copy());
  } else {
    clipboard->setMimeData(FileListMimeData({path_}, false).release());
  }
}

}  // namespace lumidex
