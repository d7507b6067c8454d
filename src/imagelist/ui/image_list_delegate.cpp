#include "imagelist/ui/image_list_delegate.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QPainter>
#include <functional>

#include "album/album_path.h"
#include "album/album_text.h"
#include "foundation/file_types.h"
#include "imagelist/image_list.h"
#include "imagelist/item_geometry.h"
#include "imagelist/item_text.h"
#include "imagelist/list_thumbnail_rules.h"
#include "images/fit_to_box.h"
#include "images/jpeg_codec.h"
#include "images/ui/bitmap_bridge.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr QRgb kFrameGrey = 0xC0C0C0;
constexpr QRgb kBorderGrey = 0x808080;
constexpr QRgb kPageTextGrey = 0x505050;
constexpr QRgb kSelectedTextGrey = 0xE0E0E0;
constexpr QRgb kNoPictureFill = 0xE0E0E0;

QRect ToQRect(const ItemRect& r) { return QRect(r.x, r.y, r.width, r.height); }

// The pixels a one-pixel pen would stroke around `rect` with drawRect (its
// size plus one), filled instead: the raster engine strokes a rectangle
// through its path stroker, which costs many times a fill.
void StrokeRect(QPainter& p, const QRect& rect, const QColor& colour) {
  const QRect outer = rect.adjusted(0, 0, 1, 1);
  p.fillRect(QRect(outer.left(), outer.top(), outer.width(), 1), colour);
  p.fillRect(QRect(outer.left(), outer.bottom(), outer.width(), 1), colour);
  p.fillRect(QRect(outer.left(), outer.top(), 1, outer.height()), colour);
  p.fillRect(QRect(outer.right(), outer.top(), 1, outer.height()), colour);
}

// One line of text cut with an ellipsis to fit `rect`.
void DrawLine(QPainter& p, const QRect& rect, const QString& text, int flags = Qt::AlignLeft) {
  const QString cut = p.fontMetrics().elidedText(text, Qt::ElideRight, rect.width());
  p.drawText(rect, flags | Qt::AlignVCenter | Qt::TextSingleLine, cut);
}

// The small comment symbol: a speech bubble.
void DrawCommentMark(QPainter& p, const QRect& at, const QColor& colour) {
  p.save();
  p.setPen(colour);
  p.setBrush(Qt::NoBrush);
  const QRect bubble(at.x(), at.y() + 3, 9, 7);
  p.drawRoundedRect(bubble, 2, 2);
  p.drawLine(bubble.left() + 2, bubble.bottom(), bubble.left() + 1, bubble.bottom() + 3);
  p.restore();
}

// The lock symbol: a padlock.
void DrawLockMark(QPainter& p, const QRect& at) {
  p.save();
  p.setPen(QColor(0x60, 0x40, 0x00));
  p.setBrush(QColor(0xE0, 0xB0, 0x30));
  p.drawRect(at.x() + 2, at.y() + 7, 11, 8);
  p.setBrush(Qt::NoBrush);
  p.drawArc(at.x() + 4, at.y() + 1, 7, 12, 0, 180 * 16);
  p.restore();
}

// The free-layout symbol: a sheet with two placed boxes.
void DrawFreeLayoutMark(QPainter& p, const QRect& at) {
  p.save();
  p.setPen(QColor(kBorderGrey));
  p.setBrush(Qt::white);
  p.drawRect(at.adjusted(1, 1, -2, -2));
  p.fillRect(QRect(at.x() + 3, at.y() + 3, 5, 4), QColor(0x40, 0x80, 0xC0));
  p.fillRect(QRect(at.x() + 7, at.y() + 8, 5, 4), QColor(0xC0, 0x60, 0x40));
  p.restore();
}

QIcon FileIcon(const std::string& path) {
  static QFileIconProvider provider;
  return provider.icon(QFileInfo(ToQString(path)));
}

}  // namespace

ImageListDelegate::ImageListDelegate(const ImageList& list, const FileTypeLists& types,
                                     QObject* parent)
    : QStyledItemDelegate(parent),
      list_(list),
      types_(types),
      quarterDecoded_(4 * 1024 * 1024) {}

QSize ImageListDelegate::ItemSize() const {
  if (list_.mode() == ListMode::kPageList) return QSize(260, kPageRowHeight);
  const ItemRect cell = IconItemCell(look_.pictureSize);
  return QSize(cell.width, cell.height);
}

QSize ImageListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return ItemSize();
}

QImage ImageListDelegate::Decoded(const std::string& bytes) const { return decoded_.Get(bytes); }

QImage ImageListDelegate::QuarterDecoded(const std::string& bytes) const {
  const size_t key = std::hash<std::string_view>()(bytes);
  if (QImage* hit = quarterDecoded_.object(key)) return *hit;
  const Result<JpegSize> size = ReadJpegSize(bytes);
  if (!size.ok()) return QImage();
  JpegDecodeOptions options;
  options.coverWidth = std::max((size.value().width + 3) / 4, 1);
  options.coverHeight = std::max((size.value().height + 3) / 4, 1);
  options.fast = true;
  const Result<Bitmap> bitmap = DecodeJpeg(bytes, options);
  if (!bitmap.ok()) return QImage();
  // A deep copy: the wrapped pixels die with `bitmap`, and converting to the
  // format they already have would only share them.
  QImage image = WrapAsQImage(bitmap.value()).convertToFormat(QImage::Format_RGB32).copy();
  quarterDecoded_.insert(key, new QImage(image), static_cast<int>(image.sizeInBytes()));
  return image;
}

QImage ImageListDelegate::Thumbnail(const std::string& bytes, int w, int h) const {
  const ThumbnailDrawState state{scrolling_, multiColumn_, look_.smallSize, highQuality_};
  // The header is read only while scrolling: the rule needs the size then.
  if (state.scrolling) {
    const Result<JpegSize> size = ReadJpegSize(bytes);
    if (size.ok() && DecodesAtQuarterSize(state, size.value().width, size.value().height, w, h)) {
      const QImage quarter = QuarterDecoded(bytes);
      if (!quarter.isNull()) return quarter;
    }
  }
  return Decoded(bytes);
}

void ImageListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const int row = index.row();
  if (list_.busy() || row < 0 || row >= list_.size()) return;
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  if (list_.mode() == ListMode::kPageList) {
    PaintPageRow(*painter, option.rect, row, selected);
  } else {
    // Items are drawn into their own bitmap, then copied one pixel further
    // right and down when selected.
    const QSize size = ItemSize();
    QImage item(size, QImage::Format_RGB32);
    item.fill(selected ? option.palette.highlight().color() : ToQColor(look_.listColour));
    {
      QPainter p(&item);
      p.setFont(option.font);
      const QRect cell(QPoint(0, 0), size);
      const std::string_view name = list_.entries().NameAt(row);
      if (!name.empty() && name.front() == '@') {
        PaintSubAlbumItem(p, cell, row, selected);
      } else {
        PaintFileItem(p, cell, row, selected);
      }
    }
    const QPoint at = option.rect.topLeft() + (selected ? QPoint(1, 1) : QPoint(0, 0));
    painter->fillRect(option.rect, ToQColor(look_.listColour));
    painter->drawImage(at, item);
  }
  painter->restore();
}

void ImageListDelegate::PaintFileItem(QPainter& p, const QRect& cell, int row,
                                      bool selected) const {
  const EntryList& entries = list_.entries();
  const std::string name(entries.NameAt(row));
  const ALBDATA* record = entries.record(row);
  const FileItemLayout layout = LayoutFileItem({0, 0, cell.width(), cell.height()}, selected);
  const std::string extension = ExtensionOf(name);
  const QColor text = selected ? QColor(Qt::white) : QColor(Qt::black);

  if (FileTypeLists::IsImageType(extension)) {
    if (!look_.fullScreen && look_.frame && !look_.simplifiedScrolling) {
      const QRect card = ToQRect(layout.card);
      // Frame lines 1, 2 and 3 pixels around the card; a selected item has
      // only two, in black.
      const QColor frame = selected ? QColor(Qt::black) : QColor(kFrameGrey);
      for (int k = 1; k <= (selected ? 2 : 3); ++k) {
        StrokeRect(p, card.adjusted(-k, -k, k - 1, k - 1), frame);
      }
      p.fillRect(card, Qt::white);
      StrokeRect(p, card.adjusted(0, 0, -1, -1), QColor(kBorderGrey));
      // The light left and top edges, one pixel short of the far corners.
      p.fillRect(QRect(card.left(), card.top(), card.width() - 1, 1), QColor(kFrameGrey));
      p.fillRect(QRect(card.left(), card.top(), 1, card.height() - 1), QColor(kFrameGrey));
    }
    const std::string* bytes = record != nullptr && record->data ? &*record->data : nullptr;
    std::optional<std::string> madeNow;
    if (bytes == nullptr && record != nullptr && record->exists && !record->thumbnailPending &&
        makeNow_) {
      madeNow = makeNow_(name);
      if (madeNow) bytes = &*madeNow;
    }
    bool drawn = false;
    if (bytes) {
      const QImage image = Thumbnail(*bytes, layout.w, layout.h);
      if (!image.isNull()) {
        const FittedBox fit = FitToBox(layout.pictureBox.width, layout.pictureBox.height, false,
                                       image.width(), image.height());
        const QRect target(layout.pictureBox.x + fit.left, layout.pictureBox.y + fit.top, fit.width,
                           fit.height);
        p.setRenderHint(
            QPainter::SmoothPixmapTransform,
            ScalesWithHighQuality({scrolling_, multiColumn_, look_.smallSize, highQuality_}));
        p.drawImage(target, image);
        drawn = true;
        if (drawn_) drawn_(row);
      } else if (record != nullptr && record->data && undecodable_) {
        undecodable_(row);
      }
    }
    const bool waiting = record == nullptr || record->thumbnailPending || !record->exists;
    if (!drawn && !waiting) {
      p.setPen(text);
      DrawLine(p, ToQRect(layout.unsupported), QStringLiteral("未対応"));
    }
  } else if (record != nullptr && record->exists) {
    const int side = std::min(layout.h, layout.w) - 4;
    const QRect box(2 + (layout.w - side) / 2, 2 + (layout.h - side) / 2, side, side);
    FileIcon(name).paint(&p, box);
  }

  p.setPen(text);
  DrawLine(p, ToQRect(layout.number), QString::number(row + 1));
  const ItemCaption caption = FileItemCaption(name, entries.ValueAt(row), record, look_.showDates);
  QRect captionRect = ToQRect(layout.caption).adjusted(2, 0, -2, 0);
  if (caption.commentMark) {
    DrawCommentMark(p, QRect(captionRect.x(), captionRect.y() + 2, 12, 14), text);
    captionRect.adjust(13, 0, 0, 0);
  }
  DrawLine(p, captionRect, ToQString(caption.text));
}

void ImageListDelegate::PaintSubAlbumItem(QPainter& p, const QRect& cell, int row,
                                          bool selected) const {
  const EntryList& entries = list_.entries();
  const ALBDATA* record = entries.record(row);
  const SubAlbumItemLayout layout =
      LayoutSubAlbumItem(cell.width(), cell.height(), !look_.smallSize);
  if (!selected) {
    p.setPen(ToQColor(look_.band16));
    p.setBrush(look_.fullScreen ? ToQColor(Blend(look_.accent, kBlack, 80))
                                : ToQColor(look_.paleAccent));
    p.drawRect(ToQRect(layout.frame).adjusted(0, 0, -1, -1));
  }
  const QRect picture = ToQRect(layout.picture);
  if (record != nullptr && record->data) {
    if (record->isJpeg) {
      const QImage image = Decoded(*record->data);
      if (!image.isNull()) p.drawImage(picture, image);
      p.setPen(QColor(kBorderGrey));
      p.setBrush(Qt::NoBrush);
      p.drawRect(picture.adjusted(0, 0, -1, -1));
    } else {
      FileIcon(std::string(entries.NameAt(row))).paint(&p, picture.adjusted(3, 3, -3, -3));
    }
  }
  const QColor text = look_.fullScreen && !selected ? QColor(kSelectedTextGrey)
                      : selected                    ? QColor(Qt::white)
                                                    : QColor(Qt::black);
  const QRect box = ToQRect(layout.box);
  p.setPen(ToQColor(look_.band16));
  p.setBrush(selected ? Qt::NoBrush : QBrush(ToQColor(look_.paleBand)));
  p.drawRect(box.adjusted(0, 0, -1, -1));
  p.drawLine(box.left(), layout.lineY, box.right() - 1, layout.lineY);
  p.setPen(text);
  const QString number = QString::number(row + 1);
  DrawLine(p, ToQRect(layout.number), number);
  if (record != nullptr) {
    if (look_.smallSize) {
      DrawLine(p, ToQRect(layout.count), QString::number(record->fileCount));
    } else {
      const int numberWidth = p.fontMetrics().horizontalAdvance(number) + 8;
      DrawLine(p, ToQRect(layout.number).adjusted(numberWidth, 0, 0, 0),
               QString::number(record->fileCount) + QStringLiteral("枚"));
    }
  }
  p.setPen(selected ? QColor(Qt::black) : text);
  DrawLine(p, ToQRect(layout.name), ToQString(SubAlbumNameOf(entries.NameAt(row).substr(1))));
  const QRect comment = ToQRect(layout.comment);
  const QString full = ToQString(DisplayedComment(entries.ValueAt(row)))
                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QString shown = full;
  const QFontMetrics metrics = p.fontMetrics();
  // Word-wrapped below the line, ending with an ellipsis when too long.
  while (
      !shown.isEmpty() &&
      metrics.boundingRect(comment, Qt::TextWordWrap, shown + (shown == full ? "" : "…")).height() >
          comment.height()) {
    shown.chop(1);
  }
  p.drawText(comment, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
             shown == full ? shown : shown + QStringLiteral("…"));
}

void ImageListDelegate::PaintPageRow(QPainter& p, const QRect& rect, int row, bool selected) const {
  const EntryList& entries = list_.entries();
  const std::string page(entries.NameAt(row));
  const int month = page.size() >= 2 ? (page[0] - '0') * 10 + (page[1] - '0') : 1;
  QColor background = selected                        ? QColor(0x33, 0x66, 0xCC)
                      : PageRowUsesLightColour(month) ? ToQColor(look_.light)
                                                      : QColor(Qt::white);
  p.fillRect(rect, background);
  p.translate(rect.topLeft());
  const PageRowLayout layout = LayoutPageRow(rect.width());
  const GRPDATA* summary = facts_.summary ? facts_.summary(page) : nullptr;
  bool pictureDrawn = false;
  if (summary != nullptr && summary->thumbnail) {
    const QImage image = Decoded(*summary->thumbnail);
    if (!image.isNull()) {
      p.drawImage(ToQRect(PageRowPicture(image.width(), image.height())), image);
      pictureDrawn = true;
    }
  }
  const bool hasEntries =
      summary != nullptr && (summary->imageCount > 0 || summary->subAlbumCount > 0);
  if (!pictureDrawn && hasEntries) {
    p.setPen(QColor(kBorderGrey));
    p.setBrush(QColor(kNoPictureFill));
    p.drawRect(ToQRect(layout.picture).adjusted(0, 0, -1, -1));
  }
  if (facts_.locked && facts_.locked(page)) DrawLockMark(p, ToQRect(layout.lock));
  if (facts_.freeLayoutPage && facts_.freeLayoutPage(page)) {
    DrawFreeLayoutMark(p, ToQRect(layout.freeLayout));
  }
  const QColor text = selected ? QColor(kSelectedTextGrey) : QColor(kPageTextGrey);
  QFont bold = p.font();
  bold.setBold(true);
  bold.setPointSize(12);
  p.save();
  p.setFont(bold);
  p.setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
  DrawLine(p, ToQRect(layout.page), ToQString(page));
  p.restore();
  QFont small = p.font();
  small.setPointSize(10);
  p.setFont(small);
  p.setPen(text);
  if (summary != nullptr) {
    DrawLine(p, ToQRect(layout.count), QString::number(summary->imageCount) + QStringLiteral("枚"));
    if (summary->subAlbumCount > 0) {
      DrawLine(p, ToQRect(layout.subAlbums),
               QString::number(summary->subAlbumCount) + QStringLiteral("冊（") +
                   QString::number(summary->subAlbumImageCount) + QStringLiteral("枚）"));
    }
  }
  if (facts_.coverName) {
    DrawLine(p, ToQRect(layout.cover), ToQString(facts_.coverName(page, entries.ValueAt(row))));
  }
}

}  // namespace lumidex
