#include "calendar/ui/calendar_cell_painter.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <optional>
#include <utility>

#include "calendar/cell_geometry.h"
#include "calendar/cell_pixels.h"
#include "calendar/cell_style.h"
#include "images/fit_to_box.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kBaseFontPoints = 9;
constexpr int kNumberFontPoints = 11;
constexpr int kLabelMaxBytes = 20;
constexpr int kSmallestLabelPoints = 7;

// The weekday name's top in the header; its shadow lies one pixel right of
// and below it.
constexpr int kHeaderTextTop = 3;
constexpr QPoint kHeaderShadowOffset{1, 1};
// A cover fitted into the picture area stands one pixel in from the left.
constexpr int kFittedCoverLeft = 1;
// A page without a cover is filled pale: its colour faded to this weight.
constexpr int kCoverlessFade = 100;
// The today mark "●" in the top-left corner, and its shadow.
constexpr QPoint kTodayMarkAt{1, 1};
constexpr QPoint kTodayMarkShadowAt{2, 3};
// The day number's shadow lies two pixels right of and below it.
constexpr QPoint kNumberShadowOffset{2, 2};
// The holiday mark is drawn in a square of this side.
constexpr int kHolidayMarkSide = 15;
// The label is centred in the cell less this width, one pixel above the
// bottom, over its under-print that lies one pixel to the left.
constexpr int kLabelWidthMargin = 3;
constexpr int kLabelBottomMargin = 1;
constexpr int kLabelUnderLeft = 1;
constexpr int kLabelLeft = 2;
// The strip shadow: two lines below the date strip, the second one pixel
// shorter on the left.
constexpr int kStripShadowTop = kDateStripHeight;
constexpr int kStripShadowBottom = kDateStripHeight + 1;

const QString kTodayMark = QStringLiteral("●");

BgraPixels PixelsOf(QImage& image) {
  return BgraPixels{image.bits(), image.width(), image.height(),
                    static_cast<size_t>(image.bytesPerLine())};
}

// Draws `text` with its top-left corner at `at`, as a text-out call does,
// without filling behind it.
void TextAt(QPainter& painter, const QPoint& at, const QString& text) {
  painter.drawText(QRect(at, QSize(4000, 400)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   text);
}

// The label font: not bold, 9 points, or down to 7 points when that lets
// the whole label fit into `width` (narrow cells of the first window size);
// a label that does not fit even then is cut with an ellipsis.
QFont LabelFont(const QFont& base, const QString& text, int width) {
  QFont font = base;
  font.setBold(false);
  for (int points = kBaseFontPoints; points >= kSmallestLabelPoints; --points) {
    font.setPointSize(points);
    if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
  }
  return font;
}

Qt::PenStyle PenStyleOf(BorderLineStyle style) {
  switch (style) {
    case BorderLineStyle::kDotted:
      return Qt::DotLine;
    case BorderLineStyle::kDashDot:
      return Qt::DashDotLine;
    default:
      return Qt::SolidLine;
  }
}

}  // namespace

struct CalendarCellPainter::DayCell {
  std::string text;  // date text + "@0"
  std::string md;    // "mm/dd"
  QRect rect;
  PictureArea area;  // relative to the cell
  int pictureTop = 0;
  DayCellFacts facts;
  DayCellColours colours;
  bool pressed = false;
  bool otherMonth = false;
  DayEntryResult label;  // empty unless holidays are shown
  int entryCount = 0;
  std::optional<DayPageView> page;  // of the loaded year
  std::pair<int, int> coverSize{0, 0};

  Colour fill() const { return colours.background; }
};

CalendarCellPainter::CalendarCellPainter(const MonthCalendar& calendar, CoverCache& covers,
                                         const CalendarMarks& marks)
    : calendar_(calendar), covers_(covers), marks_(marks) {}

void CalendarCellPainter::PaintCell(QPainter& painter, const QRect& rect, int column, int row,
                                    const CellView& view) {
  if (calendar_.state().paintingSuppressed) return;
  painter.save();
  painter.setClipRect(rect);
  if (column == 0) {
    painter.fillRect(rect, Qt::white);
  } else if (row == 0) {
    PaintHeader(painter, rect, column);
  } else {
    PaintDay(painter, rect, column, row, view);
  }
  painter.restore();
}

QFont CalendarCellPainter::BaseFont() const {
  QFont base = font_;
  base.setPointSize(kBaseFontPoints);
  base.setBold(true);
  return base;
}

void CalendarCellPainter::PaintHeader(QPainter& painter, const QRect& rect, int column) {
  painter.fillRect(rect, Qt::white);
  painter.setFont(BaseFont());
  // Every column starts its name where "水" would start, so Japanese and
  // English names line up the same way.
  const int x =
      rect.width() / 2 - painter.fontMetrics().horizontalAdvance(QStringLiteral("水")) / 2;
  const QPoint at = rect.topLeft() + QPoint(x, kHeaderTextTop);
  const QString name = ToQString(WeekdayHeaderName(column, english_));
  painter.setPen(ToQColor(cell_colours::kHeaderShadow));
  TextAt(painter, at + kHeaderShadowOffset, name);
  painter.setPen(ToQColor(HeaderTextColour(column)));
  TextAt(painter, at, name);
}

void CalendarCellPainter::PaintDay(QPainter& painter, const QRect& rect, int column, int row,
                                   const CellView& view) {
  const DayCell cell = DescribeDay(rect, column, row, view);
  painter.fillRect(rect, ToQColor(cell.fill()));
  const bool coverDrawn = PaintCover(painter, cell, view);
  PaintBorders(painter, cell);
  PaintTodayMark(painter, cell);
  PaintDayNumber(painter, cell);
  PaintHolidayLabel(painter, cell);
  // Pressing the date strip of the selected day shows the cover whole,
  // over the label.
  if (coverDrawn && view.selected && cell.pressed) PaintFittedCover(painter, cell);
  PaintStripShadow(painter, cell);
}

CalendarCellPainter::DayCell CalendarCellPainter::DescribeDay(const QRect& rect, int column,
                                                              int row, const CellView& view) const {
  const CalendarState& state = calendar_.state();
  DayCell cell;
  cell.text = calendar_.CellText(row, column);
  cell.md = cell.text.substr(5, 5);
  cell.rect = rect;
  cell.area = PictureAreaOf(rect.width(), rect.height());
  cell.pictureTop = rect.top() + cell.area.top;
  if (settings_.holSw) {
    const int cellYear = CellYear(cell.text, state.shownYear);
    cell.label = calendar_.holidays().DayEntry(cell.text, cellYear, kLabelMaxBytes);
    cell.entryCount = calendar_.holidays().EntryCount(cell.text, cellYear);
  }

  DayCellFacts& facts = cell.facts;
  facts.cellText = cell.text;
  facts.column = column;
  facts.row = row;
  facts.selected = view.selected;
  facts.gridHasFocus = view.gridHasFocus;
  facts.shownMonth = state.shownMonth;
  facts.shownYear = state.shownYear;
  facts.loadedYear = state.loadedYear;
  facts.today = state.today;
  facts.selectedRow = state.selectedRow;
  facts.selectedCol = state.selectedCol;
  facts.stripHit = state.stripHit;
  facts.labelKind = cell.label.kind;
  facts.hasLabel = !cell.label.text.empty();
  cell.colours = DecideDayCellColours(facts);
  cell.pressed = IsPressed(facts);
  cell.otherMonth = IsOtherMonth(facts);

  if (pages_ != nullptr && state.loadedYear.size() == 4 &&
      cell.text.compare(0, 4, state.loadedYear) == 0) {
    cell.page = pages_->PageOf(cell.md);
  }
  if (cell.page && !cell.page->coverJpeg.empty()) {
    cell.coverSize = covers_.SizeOf(cell.md, cell.page->coverJpeg);
  }
  return cell;
}

bool CalendarCellPainter::PaintCover(QPainter& painter, const DayCell& cell, const CellView& view) {
  if (!cell.page) return false;
  if (cell.coverSize.first <= 0) {
    PaintCoverlessPage(painter, cell);
    return false;
  }
  const DayPageView& page = *cell.page;
  if (cell.facts.hasLabel && !cell.pressed) {
    PaintCellPicture(painter, cell, view, false);
  } else if (!page.coverManagedOrIcon || view.selected) {
    PaintFittedCover(painter, cell);
    if (page.autoCover && !cell.pressed) {
      const MarkPosition at = PageMarkPosition(cell.rect.width(), settings_.dayShadow);
      painter.drawPixmap(cell.rect.left() + at.x, cell.pictureTop + at.y,
                         marks_.PageMark(page.usedInOtherYears));
    }
  } else {
    PaintCellPicture(painter, cell, view, true);
  }
  return true;
}

void CalendarCellPainter::PaintFittedCover(QPainter& painter, const DayCell& cell) {
  const FittedBox box = FitToBox(std::max(cell.area.width, 1), std::max(cell.area.height, 1), false,
                                 cell.coverSize.first, cell.coverSize.second);
  painter.drawImage(cell.rect.left() + box.left + kFittedCoverLeft, cell.pictureTop + box.top,
                    covers_.Scaled(cell.md, cell.page->coverJpeg, box.width, box.height));
}

void CalendarCellPainter::PaintCellPicture(QPainter& painter, const DayCell& cell,
                                           const CellView& view, bool replaceWhite) {
  const DayPageView& page = *cell.page;
  const PictureSize size = CellPictureSize(view.columnWidth, view.rowHeight);
  QImage picture(size.width, size.height, QImage::Format_RGB32);
  picture.fill(Qt::white);
  const FittedBox box =
      FitToBox(size.width, size.height, false, cell.coverSize.first, cell.coverSize.second);
  {
    QPainter p(&picture);
    p.drawImage(box.left, box.top, covers_.Scaled(cell.md, page.coverJpeg, box.width, box.height));
  }
  if (replaceWhite) ReplaceWhiteEdges(PixelsOf(picture), cell.fill());
  if (page.autoCover) {
    const MarkPosition at = PageMarkPosition(size.width, settings_.dayShadow);
    QPainter p(&picture);
    p.drawPixmap(at.x, at.y, marks_.PageMark(page.usedInOtherYears));
  }
  if (!replaceWhite && settings_.alfha != 255)
    Fade(PixelsOf(picture), cell.fill(), settings_.alfha);
  painter.drawImage(cell.rect.left(), cell.pictureTop, picture);
}

void CalendarCellPainter::PaintCoverlessPage(QPainter& painter, const DayCell& cell) {
  const PictureArea& area = cell.area;
  if (area.width <= 0 || area.height <= 0) return;
  const DayPageView& page = *cell.page;
  QImage blank(area.width, area.height, QImage::Format_RGB32);
  blank.fill(Qt::white);
  const bool hasEntries = !cell.facts.selected && page.hasEntries;
  if (hasEntries) blank.fill(ToQColor(cell.fill()));
  if (page.autoCover) {
    QPainter p(&blank);
    p.drawPixmap(area.width / 2 - kMarkSize / 2, area.height / 2 - kMarkSize / 2,
                 marks_.PageMark(page.usedInOtherYears));
  }
  if (!hasEntries) Fade(PixelsOf(blank), cell.fill(), kCoverlessFade);
  painter.drawImage(cell.rect.left(), cell.pictureTop, blank);
}

// Left and top edges; the last row adds the bottom, the last column the
// right edge.
void CalendarCellPainter::PaintBorders(QPainter& painter, const DayCell& cell) {
  if (!cell.colours.drawBorders) return;
  const int left = cell.rect.left(), top = cell.rect.top();
  const int right = left + cell.rect.width(), bottom = top + cell.rect.height();
  QPen pen(ToQColor(cell.colours.borderPen));
  pen.setStyle(PenStyleOf(settings_.lineStyle));
  pen.setWidth(0);
  painter.setPen(pen);
  QPolygon path;
  if (cell.facts.row == MonthCalendar::kRows) {
    path << QPoint(right, bottom - 1) << QPoint(left, bottom - 1);
  } else {
    path << QPoint(left, bottom);
  }
  path << QPoint(left, top);
  if (cell.facts.column == MonthCalendar::kColumns) {
    path << QPoint(right - 1, top) << QPoint(right - 1, bottom - 1);
  } else {
    path << QPoint(right, top);
  }
  painter.drawPolyline(path);
}

void CalendarCellPainter::PaintTodayMark(QPainter& painter, const DayCell& cell) {
  if (cell.text.compare(0, 10, calendar_.state().today) != 0) return;
  painter.setFont(BaseFont());
  painter.setPen(ToQColor(cell.colours.todayMarkShadow));
  TextAt(painter, cell.rect.topLeft() + kTodayMarkShadowAt, kTodayMark);
  painter.setPen(ToQColor(cell.colours.todayMark));
  TextAt(painter, cell.rect.topLeft() + kTodayMarkAt, kTodayMark);
}

void CalendarCellPainter::PaintDayNumber(QPainter& painter, const DayCell& cell) {
  QFont numberFont = BaseFont();
  numberFont.setPointSize(kNumberFontPoints);
  painter.setFont(numberFont);
  const QString number = ToQString(DayNumberText(cell.text, settings_.monday));
  const int x = cell.rect.width() / 2 - painter.fontMetrics().horizontalAdvance(number) / 2;
  const QPoint at = cell.rect.topLeft() + QPoint(x, 0);
  if (cell.colours.numberShadow) {
    painter.setPen(ToQColor(*cell.colours.numberShadow));
    TextAt(painter, at + kNumberShadowOffset, number);
  }
  painter.setPen(ToQColor(cell.colours.number));
  TextAt(painter, at, number);
}

// The mark of the day's entries in the top-right corner (one for several
// entries), and the first entry's text at the bottom.
void CalendarCellPainter::PaintHolidayLabel(QPainter& painter, const DayCell& cell) {
  if (!settings_.holSw || !cell.facts.hasLabel) return;
  const int left = cell.rect.left(), top = cell.rect.top();
  const int width = cell.rect.width(), height = cell.rect.height();
  const QPixmap& mark =
      cell.entryCount >= 2 ? marks_.SeveralEntriesMark() : marks_.HolidayMark(cell.label.kind);
  const MarkPosition markAt = HolidayMarkPosition(width);
  painter.drawPixmap(QRect(left + markAt.x, top + markAt.y, kHolidayMarkSide, kHolidayMarkSide),
                     mark);

  const QString text = ToQString(cell.label.text);
  painter.setFont(LabelFont(BaseFont(), text, width - kLabelWidthMargin));
  const QFontMetrics metrics = painter.fontMetrics();
  const int y0 = height - metrics.height() - kLabelBottomMargin;
  const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
  const QRect under(left + kLabelUnderLeft, top + y0, width - kLabelWidthMargin, height - y0);
  const QRect over(left + kLabelLeft, top + y0, width - kLabelWidthMargin, height - y0);
  if (cell.colours.labelUnderPrint) {
    painter.setPen(ToQColor(cell.colours.labelUnder));
    painter.drawText(under, flags, metrics.elidedText(text, Qt::ElideRight, under.width()));
  }
  painter.setPen(ToQColor(cell.colours.label));
  painter.drawText(over, flags, metrics.elidedText(text, Qt::ElideRight, over.width()));
}

void CalendarCellPainter::PaintStripShadow(QPainter& painter, const DayCell& cell) {
  if (!settings_.dayShadow || cell.otherMonth) return;
  const int left = cell.rect.left(), top = cell.rect.top();
  const int right = left + cell.rect.width();
  painter.setPen(QPen(ToQColor(cell.colours.stripShadowTop), 0));
  painter.drawLine(left, top + kStripShadowTop, right - 1, top + kStripShadowTop);
  painter.setPen(QPen(ToQColor(cell.colours.stripShadowBottom), 0));
  painter.drawLine(left + 1, top + kStripShadowBottom, right - 1, top + kStripShadowBottom);
}

}  // namespace lumidex
