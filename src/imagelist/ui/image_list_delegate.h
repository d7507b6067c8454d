#pragma once

#include <QCache>
#include <QImage>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "album/grp_data.h"
#include "foundation/colour.h"
#include "imagelist/ui/decoded_thumbnails.h"

namespace lumidex {

class ImageList;
class FileTypeLists;

// What the delegate needs to know beyond the list: the settings and buttons
// that change the drawing, the window's colours and the album facts of the
// page list. The panel fills it and calls ImageListDelegate::SetLook.
struct ListLook {
  int pictureSize = 112;       // "bigsiz", or "smlsiz" while the size button is down
  bool smallSize = false;      // the size button "画像サイズの切換" is down
  bool frame = true;           // "frame": photo mount around pictures
  bool showDates = false;      // the button "更新日を表示" is down
  bool simplifiedScrolling = false;  // "scrolframeoff" and the scroll bar is dragged
  bool fullScreen = false;
  Colour listColour = kWhite;  // the list's background
  Colour light = kWhite;       // the colour scheme's light colour (even months)
  Colour band16 = 0x808080;    // band colour of row 16: sub-album outlines
  Colour paleAccent = 0xF0F0F0;
  Colour paleBand = 0xF0F0F0;
  Colour accent = 0x808080;
};

// Album facts the page-list rows show.
struct PageRowFacts {
  std::function<const GRPDATA*(std::string_view page)> summary;
  std::function<bool(std::string_view page)> locked;       // locked in the shown year
  std::function<std::string(std::string_view page, std::string_view value)> coverName;
  std::function<bool(std::string_view page)> freeLayoutPage;
};

// Draws the items of ListView2 in its three modes: pages of the page list as
// rows alternating by month with the summary picture, counts and marks;
// file items on a photo mount with their number and caption ("不明 > " for
// missing files, the comment mark); sub-album items with their picture,
// count, name and comment. While the scroll bar is dragged in the
// multi-column mode with small items, large thumbnails are decoded at a
// quarter of their size. Decoded thumbnails come from DecodedThumbnails,
// keyed by their bytes, which the list fills ahead of the paint; a repaint
// decodes only what it has not seen.
// Main thread only; the list and the type lists must outlive the delegate.
class ImageListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  ImageListDelegate(const ImageList& list, const FileTypeLists& types, QObject* parent = nullptr);

  void SetLook(const ListLook& look) { look_ = look; }
  const ListLook& look() const { return look_; }
  // The page side's options that change how thumbnails are decoded and
  // scaled: the multi-column mode and the check box "高画質".
  void SetViewOptions(bool multiColumn, bool highQuality) {
    multiColumn_ = multiColumn;
    highQuality_ = highQuality;
  }
  // Whether the vertical scroll bar is being dragged; the end of scrolling
  // redraws the list at full quality.
  void SetScrolling(bool scrolling) { scrolling_ = scrolling; }
  void SetPageRowFacts(PageRowFacts facts) { facts_ = std::move(facts); }
  // Makes a thumbnail at once for a picture without data while thumbnails
  // are not kept in memory (JPEG bytes, or nothing when it cannot).
  void SetImmediateThumbnail(std::function<std::optional<std::string>(const std::string&)> make) {
    makeNow_ = std::move(make);
  }

  // Told the row of a file item whose thumbnail bytes do not decode (a
  // damaged cache file); called while painting, so the receiver must not
  // change the list before the paint is over.
  void SetUndecodableHandler(std::function<void(int row)> handler) {
    undecodable_ = std::move(handler);
  }
  // Told the row of each file item drawn with its thumbnail (benchmarks and
  // tests count the paints with it).
  void SetThumbnailDrawnHandler(std::function<void(int row)> handler) {
    drawn_ = std::move(handler);
  }
  // The decoded thumbnails the delegate draws from; whoever knows which
  // thumbnails come next prefetches them here.
  DecodedThumbnails& decodedThumbnails() const { return decoded_; }

  // The size of one item in the current mode (the grid of the view).
  QSize ItemSize() const;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  void PaintPageRow(QPainter& p, const QRect& rect, int row, bool selected) const;
  void PaintFileItem(QPainter& p, const QRect& cell, int row, bool selected) const;
  void PaintSubAlbumItem(QPainter& p, const QRect& cell, int row, bool selected) const;
  QImage Decoded(const std::string& bytes) const;
  // The JPEG `bytes` decoded at a quarter of their size (null when they do
  // not decode).
  QImage QuarterDecoded(const std::string& bytes) const;
  // The thumbnail of a file item for a picture area of w x h: at a quarter
  // of its size while scrolling many small items (DecodesAtQuarterSize).
  QImage Thumbnail(const std::string& bytes, int w, int h) const;

  const ImageList& list_;
  const FileTypeLists& types_;
  ListLook look_;
  PageRowFacts facts_;
  std::function<std::optional<std::string>(const std::string&)> makeNow_;
  std::function<void(int row)> undecodable_;
  std::function<void(int row)> drawn_;
  bool multiColumn_ = false;
  bool highQuality_ = false;
  bool scrolling_ = false;
  mutable DecodedThumbnails decoded_;
  mutable QCache<size_t, QImage> quarterDecoded_;  // kept apart: same bytes, other size
};

}  // namespace lumidex
