#include "printing/render/sheet_painter.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "printing/print_texts.h"

namespace lumidex {

namespace {

constexpr QRgb kBackground = 0xB0B0B0;
constexpr QRgb kFrameGrey = 0x808080;
constexpr QRgb kCellFrame = 0xC0C0C0;
constexpr QRgb kMovedFrame = 0xFF0000;

void DrawCellFrame(QPainter& painter, const PrintRect& box, bool moved) {
  const QRect rect(box.left, box.top, box.width - 1, box.height - 1);
  QPen pen(QColor::fromRgb(moved ? kMovedFrame : kCellFrame));
  pen.setCosmetic(true);
  if (moved) {
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(rect);
  }
  pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect);
}

void DrawFooter(QPainter& painter, const SheetContent& content, bool preview, int dpiY) {
  const SheetGeometry& sheet = *content.sheet;
  if (sheet.footer.height <= 0) return;
  painter.setFont(FooterFont(dpiY));
  painter.setPen(Qt::black);
  const QRect line(sheet.footer.left, sheet.footer.top, sheet.footer.width, sheet.footer.height);
  if (content.settings->pageNumbers) {
    painter.drawText(QRect(sheet.pageNumberX, line.top(), line.width() / 2, line.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::number(content.page + 1));
  }
  if (content.settings->printName) {
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromUtf8(preview ? kPreviewFooterText : kPaperFooterText));
  }
}

// The picture into its target, turned there by the painter.
void DrawCellPicture(QPainter& painter, const CellPicture& picture) {
  const PrintRect& target = picture.placement.target;
  const Bitmap& pixels = picture.pixels;
  // The bitmap outlives the draw call, so no copy is needed here.
  const QImage image(pixels.data(), pixels.width(), pixels.height(),
                     static_cast<qsizetype>(pixels.stride()), QImage::Format_RGB32);
  if (picture.placement.turn == QuarterTurn::kNone) {
    painter.drawImage(QRectF(target.left, target.top, target.width, target.height), image);
    return;
  }
  painter.save();
  painter.translate(target.left + target.width / 2.0, target.top + target.height / 2.0);
  painter.rotate(picture.placement.turn == QuarterTurn::kClockwise ? 90 : -90);
  painter.drawImage(QRectF(-target.height / 2.0, -target.width / 2.0, target.height, target.width),
                    image);
  painter.restore();
}

}  // namespace

QFont FooterFont(int dpiY) {
  QFont font(QStringLiteral("Noto Sans CJK JP"));
  font.setPixelSize(std::max(1, MmToDots(3.5, dpiY)));
  return font;
}

int FooterHeight(int dpiY) { return QFontMetrics(FooterFont(dpiY)).height(); }

void PaintSheet(QPainter& painter, const SheetContent& content, bool preview) {
  const SheetGeometry& sheet = *content.sheet;
  const int cells = sheet.cellsPerSheet();
  const int first = content.page * cells;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  for (int i = 0; i < cells && first + i < content.entries; ++i) {
    const SheetCell& cell = sheet.cells[static_cast<size_t>(i)];
    if (content.picture) {
      const std::optional<CellPicture> picture = content.picture(first + i, cell);
      if (picture && !picture->pixels.empty()) {
        DrawCellPicture(painter, *picture);
      }
    }
    if (preview && content.settings->cellFrames) {
      DrawCellFrame(painter, cell.box, content.offsetsMoved && content.offsetsMoved(first + i));
    }
  }
  DrawFooter(painter, content, preview, content.dpiY);
}

QPoint PreviewPlacement::ToDevice(QPoint point) const {
  return QPoint(static_cast<int>(std::floor((point.x() - origin.x()) / scale)),
                static_cast<int>(std::floor((point.y() - origin.y()) / scale)));
}

PreviewPlacement PlacePreview(QSize image, const PaperFacts& paper) {
  PreviewPlacement placement;
  const int boxW = std::max(1, image.width() - 20);
  const int boxH = std::max(1, image.height() - 20);
  const int physW = std::max(1, paper.physW);
  const int physH = std::max(1, paper.physH);
  placement.scale = std::min(static_cast<double>(boxW) / physW, static_cast<double>(boxH) / physH);
  const int w = std::max(1, static_cast<int>(physW * placement.scale));
  const int h = std::max(1, static_cast<int>(physH * placement.scale));
  placement.sheet = QRect(10 + (boxW - w) / 2, 10 + (boxH - h) / 2, w, h);
  placement.origin = QPointF(placement.sheet.left() + paper.offX * placement.scale,
                             placement.sheet.top() + paper.offY * placement.scale);
  return placement;
}

void PaintPreview(QImage& image, const PaperFacts& paper, const SheetContent& content) {
  image.fill(QColor::fromRgb(kBackground));
  QPainter painter(&image);
  painter.setPen(QColor::fromRgb(kFrameGrey));
  painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
  const PreviewPlacement placement = PlacePreview(image.size(), paper);
  const QRect& sheet = placement.sheet;
  painter.drawLine(sheet.right() + 1, sheet.top() + 1, sheet.right() + 1, sheet.bottom() + 1);
  painter.drawLine(sheet.right() + 2, sheet.top() + 2, sheet.right() + 2, sheet.bottom() + 2);
  painter.drawLine(sheet.left() + 1, sheet.bottom() + 1, sheet.right() + 1, sheet.bottom() + 1);
  painter.drawLine(sheet.left() + 2, sheet.bottom() + 2, sheet.right() + 2, sheet.bottom() + 2);
  painter.fillRect(sheet, Qt::white);
  painter.translate(placement.origin);
  painter.scale(placement.scale, placement.scale);
  painter.setClipRect(QRectF(0, 0, paper.pageW, paper.pageH));
  PaintSheet(painter, content, true);
}

}  // namespace lumidex
