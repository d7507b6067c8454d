#include <QImage>
#include <QPainter>
#include <QtTest>

#include "images/image_fixtures.h"
#include "printing/print_picture.h"
#include "printing/render/sheet_painter.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;

bool Near(QRgb pixel, uint32_t rgb) {
  return std::abs(qRed(pixel) - static_cast<int>(rgb >> 16)) < 60 &&
         std::abs(qGreen(pixel) - static_cast<int>((rgb >> 8) & 0xFF)) < 60 &&
         std::abs(qBlue(pixel) - static_cast<int>(rgb & 0xFF)) < 60;
}

// Paints sheet 0 of one picture at device size, as the paper pass does.
class SheetPainterTest : public QObject {
  Q_OBJECT

 private:
  QImage Paint(const std::string& path, bool landscape, CellOffsets offsets) {
    paper_ = WholeSheetFacts(100, 150, 100, landscape);
    sheet_ = SheetLayout(paper_, settings_, 0, 0);
    QImage image(paper_.pageW, paper_.pageH, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    SheetContent content;
    content.sheet = &sheet_;
    content.settings = &settings_;
    content.entries = 1;
    content.dpiY = paper_.dpiY;
    content.picture = [&](int, const SheetCell& cell) -> std::optional<CellPicture> {
      auto made = RenderCellPicture(path, sheet_, cell, settings_, landscape, offsets, {});
      if (!made.ok()) return std::nullopt;
      target_ = made.value().placement.target;
      return std::move(made).value();
    };
    PaintSheet(painter, content, false);
    return image;
  }
  QRgb At(const QImage& image, double fx, double fy) const {
    return image.pixel(target_.left + static_cast<int>(target_.width * fx),
                       target_.top + static_cast<int>(target_.height * fy));
  }

  testing::TempHome home_;
  PrintSettings settings_;
  PaperFacts paper_;
  SheetGeometry sheet_;
  PrintRect target_;

 private slots:
  void init() {
    settings_ = PrintSettings{};
    settings_.printName = false;
  }

  void aLandscapePictureTurnsClockwiseOnAPortraitSheet() {
    const std::string path = home_.Join("quadrants.jpg");
    testing::WriteFile(path, testing::WriteJpeg(400, 300, testing::JpegKind::kBaseline, [](int x, int y) {
      return y < 150 ? (x < 200 ? kRed : kGreen) : (x < 200 ? kBlue : 0xFFFFFFu);
    }));
    const QImage image = Paint(path, false, {});
    QVERIFY(target_.height > target_.width);
    QVERIFY(Near(At(image, 0.75, 0.25), kRed));   // top-left went to the top-right
    QVERIFY(Near(At(image, 0.25, 0.25), kBlue));  // bottom-left went to the top-left
    QVERIFY(Near(At(image, 0.75, 0.75), kGreen));
  }

  void croppedWindowsFollowTheOffsetsInTurnedPictures() {
    settings_.fillCell = settings_.keepRatio = true;
    // Clockwise: the file's left end becomes the top of the cell.
    const std::string wide = home_.Join("wide.jpg");
    testing::WriteFile(wide, testing::WriteJpeg(800, 200, testing::JpegKind::kBaseline,
                                                [](int x, int) { return x < 200 ? kRed : kGreen; }));
    QVERIFY(Near(At(Paint(wide, false, {0, -100000}), 0.5, 0.1), kRed));
    QVERIFY(Near(At(Paint(wide, false, {0, 100000}), 0.5, 0.1), kGreen));
    QVERIFY(Near(At(Paint(wide, false, {0, 100000}), 0.5, 0.9), kGreen));
    // Counter-clockwise: the file's top becomes the left of the cell.
    const std::string tall = home_.Join("tall.jpg");
    testing::WriteFile(tall, testing::WriteJpeg(200, 800, testing::JpegKind::kBaseline,
                                                [](int, int y) { return y < 200 ? kRed : kGreen; }));
    QVERIFY(Near(At(Paint(tall, true, {-100000, 0}), 0.1, 0.5), kRed));
    QVERIFY(Near(At(Paint(tall, true, {100000, 0}), 0.1, 0.5), kGreen));
  }
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::SheetPainterTest)
#include "sheet_painter_test.moc"
