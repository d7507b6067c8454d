#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QSpinBox>
#include <QtTest>

#include "images/image_fixtures.h"
#include "printing/ui/sheet_preview.h"
#include "printing/ui/tprinter_set_dlg.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

// The centre of cell `index` of the shown sheet, in preview pixels.
QPoint CellCentre(TPrinterSetDlg& dialog, int index) {
  const PreviewPlacement placement = PlacePreview(dialog.preview()->size(), dialog.paper());
  const PrintRect& cell = dialog.sheet().cells[static_cast<size_t>(index)].cell;
  return QPoint(static_cast<int>(placement.origin.x() + (cell.left + cell.width / 2) * placement.scale),
                static_cast<int>(placement.origin.y() + (cell.top + cell.height / 2) * placement.scale));
}

class TPrinterSetDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    home_ = std::make_unique<testing::TempHome>();
    paths_.clear();
    for (int i = 0; i < 5; ++i) {
      paths_.push_back(home_->Join("p" + std::to_string(i) + ".jpg"));
      testing::WriteFile(paths_.back(), testing::WriteJpeg(400, 300));
    }
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(150);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Portrait);
    dialog_ = std::make_unique<TPrinterSetDlg>(nullptr, *printer_, settings_, paths_);
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
  }
  void cleanup() { dialog_.reset(); }

  void layoutsUsesAndPagesFollowEachOther() {
    dialog_->ChooseLayout(2);
    dialog_->usesField()->setValue(3);
    QCOMPARE(dialog_->pageField()->text(), QStringLiteral("1/4"));
    QCOMPARE(dialog_->countLabel()->text(), QStringLiteral("15"));
    dialog_->ShowPage(3);
    QCOMPARE(dialog_->pageField()->text(), QStringLiteral("4/4"));
    dialog_->usesField()->setValue(10);
    dialog_->ChooseLayout(2);  // the 2 x 2 grid lowers the count to 4
    QCOMPARE(dialog_->usesField()->value(), 4);
    // The sheet turns with the printer and is laid out again.
    const int portraitWidth = dialog_->sheet().area.width;
    dialog_->landscapeBox()->setChecked(true);
    QVERIFY(printer_->pageLayout().orientation() == QPageLayout::Landscape);
    QVERIFY(dialog_->sheet().area.width > portraitWidth);
  }

  void thePreviewShowsTheSheetWithItsPictures() {
    dialog_->ChooseLayout(2);
    const QImage& image = dialog_->preview()->image();
    const PreviewPlacement placement = PlacePreview(image.size(), dialog_->paper());
    QCOMPARE(image.pixel(placement.sheet.left() + 2, placement.sheet.top() + 2), qRgb(255, 255, 255));
    QVERIFY(image.pixel(CellCentre(*dialog_, 0)) != qRgb(255, 255, 255));
    QCOMPARE(image.pixel(2, image.height() / 2), qRgb(0xB0, 0xB0, 0xB0));
    // A cell whose picture was moved is framed in red.
    const auto redPixels = [this] {
      const QImage& shown = dialog_->preview()->image();
      int red = 0;
      for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) red += shown.pixel(x, y) == qRgb(255, 0, 0);
      }
      return red;
    };
    dialog_->framesBox()->setChecked(true);
    QCOMPARE(redPixels(), 0);
    dialog_->state().list().at(1).offsets = {5, -5};  // summing to 0 still counts
    dialog_->RefreshPreview();
    QVERIFY(redPixels() > 20);
  }

  void dragsMoveOrExchangeOnlyThePressedEntry() {
    dialog_->ChooseLayout(2);
    dialog_->PressPreview(CellCentre(*dialog_, 0), Qt::LeftButton);
    dialog_->DropOnPreview(CellCentre(*dialog_, 3));
    QCOMPARE(dialog_->state().list().at(3).path, paths_[0]);
    QCOMPARE(dialog_->state().list().at(0).path, paths_[1]);
    // A press beside the sheet presses no entry: a drop then does nothing.
    dialog_->PressPreview(QPoint(1, 1), Qt::LeftButton);
    dialog_->DropOnPreview(CellCentre(*dialog_, 2));
    QCOMPARE(dialog_->state().list().at(3).path, paths_[0]);
    // A drop on the layout list removes the pressed entry.
    dialog_->PressPreview(CellCentre(*dialog_, 1), Qt::LeftButton);
    dialog_->DropOnLayoutList();
    QCOMPARE(dialog_->state().list().size(), 4);
    QCOMPARE(dialog_->countLabel()->text(), QStringLiteral("4"));
  }

  void theMenuOffersCorrectionOnlyForCroppedPictures() {
    dialog_->PressPreview(CellCentre(*dialog_, 0), Qt::RightButton);
    dialog_->PrepareMenu();
    QVERIFY(dialog_->copyAction()->isVisible());
    QVERIFY(!dialog_->pasteAction()->isVisible());
    QVERIFY(!dialog_->correctionAction()->isVisible());
    dialog_->findChild<QCheckBox*>(QStringLiteral("CheckBox5"))->setChecked(true);
    dialog_->findChild<QCheckBox*>(QStringLiteral("CheckBox6"))->setChecked(true);
    dialog_->PrepareMenu();
    QVERIFY(dialog_->correctionAction()->isVisible());
    // A 4:3 picture turned into a portrait cell overlaps it sideways.
    QVERIFY(dialog_->SlackOf(0).first > 0);
    dialog_->exchangeBox()->setChecked(true);
    QCOMPARE(dialog_->copyAction()->text(), QStringLiteral("入換コピー(&C)"));
  }

 private:
  std::unique_ptr<testing::TempHome> home_;
  std::vector<std::string> paths_;
  std::unique_ptr<QPrinter> printer_;
  PrintSettings settings_;
  std::unique_ptr<TPrinterSetDlg> dialog_;
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::TPrinterSetDlgTest)
#include "tprinter_set_dlg_test.moc"
