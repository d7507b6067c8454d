#include "calendar/ui/calendar_cell_painter.h"

#include <QPainter>
#include <QPolygon>

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

BgraPixels PixelsOf(QImage& image) {
  return BgraPixels{image.bits(), image.width(), image.height(),
                    static_cast<size_t>(image.bytesPerLine())};
}

// Draws `text` with its top-left corner at (x, y), as a text-out call does,
// without filling behind it.
void TextAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QRect(x, y, 4000, 400), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
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

CalendarCellPainter::CalendarCellPainter(const MonthCalendar& calendar, CoverCache& covers,
                                         const CalendarMarks& marks)
    : calendar_(calendar), covers_(covers), marks_(marks) {}

void CalendarCellPainter::PaintCell(QPainter& painter, const QRect& rect, int column, int row,
                                    bool selected, bool gridHasFocus, int columnWidth,
                                    int rowHeight) {
  if (calendar_.state().paintingSuppressed) return;
  painter.save();
  painter.setClipRect(rect);
  if (column == 0) {
    painter.fillRect(rect, Qt::white);
  } else if (row == 0) {
    PaintHeader(painter, rect, column);
  } else {
    PaintDay(painter, rect, column, row, selected, gridHasFocus, columnWidth, rowHeight);
  }
  painter.restore();
}

void CalendarCellPainter::PaintHeader(QPainter& painter, const QRect& rect, int column) {
  painter.fillRect(rect, Qt::white);
  QFont bold = font_;
  bold.setPointSize(kBaseFontPoints);
  bold.setBold(true);
  painter.setFont(bold);
  // Every column starts its name where "水" would start, so Japanese and
  // English names line up the same way.
  const int x =
      rect.width() / 2 - painter.fontMetrics().horizontalAdvance(QStringLiteral("水")) / 2;
  const QString name = ToQString(WeekdayHeaderName(column, english_));
  painter.setPen(ToQColor(cell_colours::kHeaderShadow));
  TextAt(painter, rect.left() + x + 1, rect.top() + 4, name);
  painter.setPen(ToQColor(HeaderTextColour(column)));
  TextAt(painter, rect.left() + x, rect.top() + 3, name);
}

void CalendarCellPainter::PaintDay(QPainter& painter, const QRect& rect, int column, int row,
                                   bool selected, bool gridHasFocus, int columnWidth,
                                   int rowHeight) {
  const CalendarState& state = calendar_.state();
  const std::string cellText = calendar_.CellText(row, column);
  const std::string md = cellText.substr(5, 5);
  const int cellYear = CellYear(cellText, state.shownYear);
  const int left = rect.left(), top = rect.top(), width = rect.width(), height = rect.height();
  const int right = left + width, bottom = top + height;

  DayEntryResult label;
  int count = 0;
  if (settings_.holSw) {
    label = calendar_.holidays().DayEntry(cellText, cellYear, kLabelMaxBytes);
    count = calendar_.holidays().EntryCount(cellText, cellYear);
  }
  DayCellFacts facts;
  facts.cellText = cellText;
  facts.column = column;
  facts.row = row;
  facts.selected = selected;
  facts.gridHasFocus = gridHasFocus;
  facts.shownMonth = state.shownMonth;
  facts.shownYear = state.shownYear;
  facts.loadedYear = state.loadedYear;
  facts.today = state.today;
  facts.selectedRow = state.selectedRow;
  facts.selectedCol = state.selectedCol;
  facts.stripHit = state.stripHit;
  facts.labelKind = label.kind;
  facts.hasLabel = !label.text.empty();
  const DayCellColours colours = DecideDayCellColours(facts);
  const Colour fill = colours.background;
  const bool pressed = IsPressed(facts);
  const bool otherMonth = IsOtherMonth(facts);
  painter.fillRect(rect, ToQColor(fill));

  // The cover picture, or the pale page mark of a page without one.
  const PictureArea area = PictureAreaOf(width, height);
  const int pictureTop = top + area.top;
  bool coverDrawn = false;
  std::string_view cover;
  std::pair<int, int> coverSize{0, 0};
  auto drawFitted = [&] {
    const FittedBox box = FitToBox(std::max(area.width, 1), std::max(area.height, 1), false,
                                   coverSize.first, coverSize.second);
    painter.drawImage(left + box.left + 1, pictureTop + box.top,
                      covers_.Scaled(md, cover, box.width, box.height));
  };
  std::optional<DayPageView> page;
  if (pages_ != nullptr && cellText.compare(0, 4, state.loadedYear) == 0 &&
      state.loadedYear.size() == 4) {
    page = pages_->PageOf(md);
  }
  if (page) {
    const QPixmap& mark = marks_.PageMark(page->usedInOtherYears);
    cover = page->coverJpeg;
    if (!cover.empty()) coverSize = covers_.SizeOf(md, cover);
    if (coverSize.first > 0) {
      coverDrawn = true;
      auto drawCellPicture = [&](bool replaceWhite) {
        const PictureSize size = CellPictureSize(columnWidth, rowHeight);
        QImage picture(size.width, size.height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        const FittedBox box =
            FitToBox(size.width, size.height, false, coverSize.first, coverSize.second);
        {
          QPainter p(&picture);
          p.drawImage(box.left, box.top, covers_.Scaled(md, cover, box.width, box.height));
        }
        if (replaceWhite) ReplaceWhiteEdges(PixelsOf(picture), fill);
        if (page->autoCover) {
          const MarkPosition at = PageMarkPosition(size.width, settings_.dayShadow);
          QPainter p(&picture);
          p.drawPixmap(at.x, at.y, mark);
        }
        if (!replaceWhite && settings_.alfha != 255) Fade(PixelsOf(picture), fill, settings_.alfha);
        painter.drawImage(left, pictureTop, picture);
      };
      if (facts.hasLabel && !pressed) {
        drawCellPicture(false);
      } else if (!page->coverManagedOrIcon || selected) {
        drawFitted();
        if (page->autoCover && !pressed) {
          painter.drawPixmap(left + width - 17, pictureTop + (settings_.dayShadow ? 3 : 1), mark);
        }
      } else {
        drawCellPicture(true);
      }
    } else if (area.width > 0 && area.height > 0) {
      QImage blank(area.width, area.height, QImage::Format_RGB32);
      blank.fill(Qt::white);
      const bool hasEntries = !selected && page->hasEntries;
      if (hasEntries) blank.fill(ToQColor(fill));
      if (page->autoCover) {
        QPainter p(&blank);
        p.drawPixmap(area.width / 2 - 8, area.height / 2 - 8, mark);
      }
      if (!hasEntries) Fade(PixelsOf(blank), fill, 100);
      painter.drawImage(left, pictureTop, blank);
    }
  }

  // Left and top edges; the last row adds the bottom, the last column the
  // right edge.
  if (colours.drawBorders) {
    QPen pen(ToQColor(colours.borderPen));
    pen.setStyle(PenStyleOf(settings_.lineStyle));
    pen.setWidth(0);
    painter.setPen(pen);
    QPolygon path;
    if (row == MonthCalendar::kRows) {
      path << QPoint(right, bottom - 1) << QPoint(left, bottom - 1);
    } else {
      path << QPoint(left, bottom);
    }
    path << QPoint(left, top);
    if (column == MonthCalendar::kColumns) {
      path << QPoint(right - 1, top) << QPoint(right - 1, bottom - 1);
    } else {
      path << QPoint(right, top);
    }
    painter.drawPolyline(path);
  }

  QFont base = font_;
  base.setPointSize(kBaseFontPoints);
  base.setBold(true);
  if (cellText.compare(0, 10, state.today) == 0) {
    painter.setFont(base);
    painter.setPen(ToQColor(colours.todayMarkShadow));
    TextAt(painter, left + 2, top + 3, QStringLiteral("●"));
    painter.setPen(ToQColor(colours.todayMark));
    TextAt(painter, left + 1, top + 1, QStringLiteral("●"));
  }

  QFont numberFont = base;
  numberFont.setPointSize(kNumberFontPoints);
  painter.setFont(numberFont);
  const QString number = ToQString(DayNumberText(cellText, settings_.monday));
  const int x = width / 2 - painter.fontMetrics().horizontalAdvance(number) / 2;
  if (colours.numberShadow) {
    painter.setPen(ToQColor(*colours.numberShadow));
    TextAt(painter, left + x + 2, top + 2, number);
  }
  painter.setPen(ToQColor(colours.number));
  TextAt(painter, left + x, top, number);

  if (settings_.holSw && facts.hasLabel) {
    const QPixmap& mark = count >= 2 ? marks_.SeveralEntriesMark() : marks_.HolidayMark(label.kind);
    painter.drawPixmap(QRect(left + width - 16, top + 1, 15, 15), mark);
    const QString text = ToQString(label.text);
    const QFont labelFont = LabelFont(base, text, width - 3);
    painter.setFont(labelFont);
    const QFontMetrics metrics = painter.fontMetrics();
    const int y0 = height - metrics.height() - 1;
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
    const QRect under(left + 1, top + y0, width - 3, height - y0);
    const QRect over(left + 2, top + y0, width - 3, height - y0);
    if (!selected) {
      painter.setPen(ToQColor(colours.labelUnder));
      painter.drawText(under, flags, metrics.elidedText(text, Qt::ElideRight, under.width()));
    }
    painter.setPen(ToQColor(colours.label));
    painter.drawText(over, flags, metrics.elidedText(text, Qt::ElideRight, over.width()));
  }

  // Pressing the date strip of the selected day shows the cover whole,
  // over the label.
  if (coverDrawn && selected && pressed) drawFitted();

  if (settings_.dayShadow && !otherMonth) {
    painter.setPen(QPen(ToQColor(colours.stripShadowTop), 0));
    painter.drawLine(left, top + 16, right - 1, top + 16);
    painter.setPen(QPen(ToQColor(colours.stripShadowBottom), 0));
    painter.drawLine(left + 1, top + 17, right - 1, top + 17);
  }
}

}  // namespace lumidex
