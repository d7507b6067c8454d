// The print dialog's reactions: preview, pages, mouse, menu and printing.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QSlider>
#include <QSpinBox>
#include <filesystem>

#include "printing/print_texts.h"
#include "printing/render/print_job.h"
#include "printing/ui/layout_list.h"
#include "printing/ui/position_correction_dlg.h"
#include "printing/ui/sheet_preview.h"
#include "printing/ui/tprinter_set_dlg.h"

namespace lumidex {

namespace {

// Caches beyond this many pictures are dropped whole: the preview keeps
// about one sheet's pictures.
constexpr size_t kMaxPreviewPictures = 120;

}  // namespace

void TPrinterSetDlg::ConnectFull() {
  connect(layoutList_, &LayoutList::chosen, this, &TPrinterSetDlg::ChooseLayout);
  layoutList_->SetDropTest([this] { return state_->list().uses() == 1; });
  connect(layoutList_, &LayoutList::entryDropped, this, &TPrinterSetDlg::DropOnLayoutList);
  connect(uses_, &QSpinBox::valueChanged, this, &TPrinterSetDlg::SetUses);
  connect(landscape_, &QCheckBox::toggled, this, &TPrinterSetDlg::OrientationChanged);
  connect(fine_, &QCheckBox::toggled, this, [this](bool on) {
    settings_->fineScaling = on;
    DropCaches();
    RefreshPreview();
  });
  for (QSpinBox* field : {marginTop_, marginLeft_, spacing_, customWidth_, customHeight_}) {
    connect(field, &QSpinBox::valueChanged, this, &TPrinterSetDlg::TakeSettings);
  }
  for (QCheckBox* box : {printName_, fillCell_, keepRatio_, pageNumbers_, frames_}) {
    connect(box, &QCheckBox::toggled, this, &TPrinterSetDlg::TakeOptions);
  }
  connect(exchange_, &QCheckBox::toggled, this, [this](bool on) {
    copy_->setText(on ? QStringLiteral("入換コピー(&C)") : QStringLiteral("移動コピー(&C)"));
    paste_->setText(on ? QStringLiteral("ここと入換(&P)") : QStringLiteral("ここに移動(&P)"));
  });
  connect(slider_, &QSlider::valueChanged, this, [this](int value) {
    pageText_->setText(QString::fromStdString(PageText(value, state_->lastPage(), state_->list().size())));
    if (!slider_->isSliderDown()) ShowPage(value);
  });
  connect(slider_, &QSlider::sliderReleased, this, [this] { ShowPage(slider_->value()); });
  connect(preview_, &SheetPreview::pressed, this, &TPrinterSetDlg::PressPreview);
  connect(preview_, &SheetPreview::droppedAt, this, &TPrinterSetDlg::DropOnPreview);
  connect(preview_, &SheetPreview::pointerMoved, sliderPanel_, &QWidget::hide);
  connect(preview_, &SheetPreview::resized, this, [this] {
    DropCaches();
    RefreshPreview();
  });
  connect(preview_, &SheetPreview::menuRequested, this, [this](QPoint globalPoint) {
    PrepareMenu();
    menu_->popup(globalPoint);
  });
  connect(copy_, &QAction::triggered, this, [this] {
    copySource_ = state_->list().IsIndex(pressedIndex_) ? pressedIndex_ : -1;
  });
  connect(paste_, &QAction::triggered, this, [this] {
    const bool exchange = exchange_->isChecked();
    state_->list().MoveEntry(copySource_, pressedIndex_, exchange);
    if (!exchange) copySource_ = -1;
    RefreshPreview();
  });
  connect(correction_, &QAction::triggered, this, &TPrinterSetDlg::OpenCorrection);
}

PaperFacts TPrinterSetDlg::CurrentFacts() const {
  return FactsOf(printer_->pageLayout(), printer_->resolution(),
                 printer_->colorMode() == QPrinter::GrayScale);
}

void TPrinterSetDlg::DropCaches() {
  previewCache_.clear();
  slack_.clear();
}

std::optional<CellPicture> TPrinterSetDlg::PreviewPicture(int entry, const SheetCell& cell) {
  const PrintEntry& item = state_->list().at(entry);
  const std::string key = item.path + '\n' + std::to_string(cell.box.left) + ',' +
                          std::to_string(cell.box.top) + ',' + std::to_string(cell.box.width) +
                          ',' + std::to_string(cell.box.height) + ',' +
                          std::to_string(item.offsets.x) + ',' + std::to_string(item.offsets.y) +
                          ',' + std::to_string(settings_->fillCell) +
                          std::to_string(settings_->keepRatio) + std::to_string(paper_.monochrome) +
                          std::to_string(placement_.scale);
  auto found = previewCache_.find(key);
  if (found == previewCache_.end()) {
    if (previewCache_.size() >= kMaxPreviewPictures) previewCache_.clear();
    const CellPictureOptions options{placement_.scale, settings_->fineScaling, paper_.monochrome, true};
    Result<CellPicture> made = RenderCellPicture(item.path, sheet_, cell, *settings_,
                                                 paper_.landscape, item.offsets, options);
    if (!made.ok()) return std::nullopt;
    found = previewCache_.emplace(key, std::make_shared<const CellPicture>(std::move(made).value())).first;
  }
  const CellPicture& picture = *found->second;
  slack_[entry] = {picture.placement.slackX, picture.placement.slackY};
  CellPicture copy;
  copy.pixels = picture.pixels.Clone();
  copy.placement = picture.placement;
  return copy;
}

void TPrinterSetDlg::RefreshPreview() {
  if (preview_ == nullptr) return;
  paper_ = CurrentFacts();
  sheet_ = SheetLayout(paper_, *settings_, state_->layout(), FooterHeight(paper_.dpiY));
  state_->SetCells(sheet_.cellsPerSheet());
  QImage image(preview_->size().expandedTo(QSize(40, 40)), QImage::Format_RGB32);
  placement_ = PlacePreview(image.size(), paper_);
  SheetContent content;
  content.sheet = &sheet_;
  content.settings = settings_;
  content.page = state_->page();
  content.entries = state_->list().size();
  content.dpiY = paper_.dpiY;
  content.picture = [this](int entry, const SheetCell& cell) { return PreviewPicture(entry, cell); };
  content.offsetsMoved = [this](int entry) {
    const CellOffsets& offsets = state_->list().at(entry).offsets;
    return offsets.x != 0 || offsets.y != 0;
  };
  PaintPreview(image, paper_, content);
  preview_->SetImage(std::move(image));
  slider_->blockSignals(true);
  slider_->setMaximum(state_->lastPage());
  slider_->setValue(state_->page());
  slider_->blockSignals(false);
  ShowPageText();
  count_->setText(QString::number(state_->list().size()));
}

void TPrinterSetDlg::ShowPageText() {
  pageText_->setText(QString::fromStdString(state_->PageText()));
}

void TPrinterSetDlg::ShowPaperName() {
  const QPageSize size = printer_->pageLayout().pageSize();
  const QSizeF mm = size.size(QPageSize::Millimeter);
  if (printer_->outputFormat() == QPrinter::NativeFormat && !printer_->printerName().isEmpty() &&
      QPrinterInfo(*printer_).supportedPageSizes().isEmpty()) {
    paperName_->clear();
    if (!paperListFailed_) {
      paperListFailed_ = true;
      QMessageBox::warning(this, windowTitle(), QStringLiteral("用紙名の一覧を取得 失敗"));
    }
    return;
  }
  paperName_->setText(QString::fromStdString(PaperNameText(size.name().toStdString(),
                                                           size.id() == QPageSize::Custom,
                                                           mm.width(), mm.height())));
}

void TPrinterSetDlg::ChooseLayout(int layout) {
  if (!state_->ChooseLayout(layout)) return;
  layoutList_->SetSelected(layout);
  uses_->blockSignals(true);
  uses_->setValue(state_->list().uses());
  uses_->blockSignals(false);
  // The cells change shape: the pictures' offsets start again from the middle.
  state_->list().ResetOffsets();
  DropCaches();
  RefreshPreview();
}

void TPrinterSetDlg::SetUses(int uses) {
  state_->SetUses(uses);
  if (uses_->value() != state_->list().uses()) uses_->setValue(state_->list().uses());
  DropCaches();
  RefreshPreview();
}

void TPrinterSetDlg::ShowPage(int page) {
  if (!state_->ShowPage(page)) return;
  sliderPanel_->show();
  RefreshPreview();
}

void TPrinterSetDlg::OrientationChanged(bool landscape) {
  printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  state_->list().ResetOffsets();
  DropCaches();
  RefreshPreview();
  ShowPaperName();
}

void TPrinterSetDlg::TakeSettings() {
  settings_->marginTop = marginTop_->value();
  settings_->marginLeft = marginLeft_->value();
  settings_->spacing = spacing_->value();
  settings_->customWidth = customWidth_->value();
  settings_->customHeight = customHeight_->value();
  layoutList_->SetSettings(*settings_);
  RefreshPreview();
  ShowPaperName();
}

void TPrinterSetDlg::TakeOptions() {
  settings_->printName = printName_->isChecked();
  settings_->fillCell = fillCell_->isChecked();
  settings_->keepRatio = keepRatio_->isChecked();
  settings_->pageNumbers = pageNumbers_->isChecked();
  settings_->cellFrames = frames_->isChecked();
  keepRatio_->setEnabled(settings_->fillCell);
  RefreshPreview();
}

QRect TPrinterSetDlg::PreviewCellRect(int index) const {
  if (index < 0 || index >= sheet_.cellsPerSheet()) return QRect();
  const PrintRect& cell = sheet_.cells[static_cast<size_t>(index)].cell;
  const double s = placement_.scale;
  return QRect(static_cast<int>(placement_.origin.x() + cell.left * s),
               static_cast<int>(placement_.origin.y() + cell.top * s),
               static_cast<int>(cell.width * s), static_cast<int>(cell.height * s));
}

void TPrinterSetDlg::PressPreview(QPoint point, Qt::MouseButton button) {
  const QPoint device = placement_.ToDevice(point);
  pressedIndex_ = CellAt(sheet_, state_->page(), device.x(), device.y());
  const QRect& sheet = placement_.sheet;
  pressInside_ = point.x() > sheet.left() && point.x() < sheet.right() && point.y() > sheet.top() &&
                 point.y() < sheet.bottom();
  if (button != Qt::LeftButton) return;
  preview_->SetMayDrag(pressInside_ && state_->list().IsIndex(pressedIndex_));
  preview_->SetPressedOutline(PreviewCellRect(pressedIndex_ - state_->firstIndex()));
}

void TPrinterSetDlg::DropOnPreview(QPoint point) {
  // Only an entry that was pressed can be moved.
  if (!state_->list().IsIndex(pressedIndex_)) return;
  const QPoint device = placement_.ToDevice(point);
  const int to = CellAt(sheet_, state_->page(), device.x(), device.y());
  if (state_->list().MoveEntry(pressedIndex_, to, exchange_->isChecked())) RefreshPreview();
}

void TPrinterSetDlg::DropOnLayoutList() {
  if (state_->list().uses() != 1 || !state_->list().RemoveEntry(pressedIndex_)) return;
  pressedIndex_ = -1;
  copySource_ = -1;
  state_->EntriesChanged();
  DropCaches();
  RefreshPreview();
}

void TPrinterSetDlg::PrepareMenu() {
  copy_->setVisible(pressInside_);
  copy_->setEnabled(pressedIndex_ != -1);
  paste_->setVisible(pressInside_ && copySource_ != -1 && copy_->isEnabled());
  correction_->setVisible(pressInside_ && fillCell_->isChecked() && keepRatio_->isChecked());
}

std::pair<int, int> TPrinterSetDlg::SlackOf(int index) const {
  const auto found = slack_.find(index);
  return found == slack_.end() ? std::pair{0, 0} : found->second;
}

void TPrinterSetDlg::OpenCorrection() {
  if (!state_->list().IsIndex(pressedIndex_)) return;
  const int index = pressedIndex_;
  const auto [slackX, slackY] = SlackOf(index);
  const CellOffsets start = state_->list().at(index).offsets;
  PositionCorrectionDlg dialog(this, slackX, slackY, start.x, start.y, [this, index](int x, int y) {
    state_->list().at(index).offsets = {x, y};
    RefreshPreview();
  });
  dialog.exec();
}

void TPrinterSetDlg::SpeedButton1Click() {
  const std::string question = PrintQuestion(onePage_->isChecked(), state_->page(), state_->lastPage());
  const auto answer = QMessageBox::question(this, QString::fromUtf8(kPrintQuestionCaption),
                                            QString::fromStdString(question),
                                            QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  PrintPages();
  RefreshPreview();
  ShowPaperName();
}

void TPrinterSetDlg::PrintPages() {
  printer_->setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (QPrinterInfo::availablePrinters().isEmpty() && printer_->outputFileName().isEmpty()) {
    // No printer installed: the print dialog offers the PDF file.
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(300);
  }
  QPrintDialog dialog(printer_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The printer or its paper may have changed in the dialog.
  RefreshPreview();
  const bool onePage = onePage_->isChecked() || state_->lastPage() == 0;

  PrintList job = state_->list();
  std::vector<std::string> missing;
  for (int i = job.size() - 1; i >= 0; --i) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(job.at(i).path, error)) {
      missing.insert(missing.begin(), job.at(i).path);
      job.RemoveEntry(i);
    }
  }
  if (!missing.empty()) {
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(MissingPicturesMessage(missing)));
  }
  PrintJob run;
  run.paper = CurrentFacts();
  run.settings = *settings_;
  run.layout = state_->layout();
  run.firstPage = onePage ? state_->page() : 0;
  run.lastPage = onePage ? state_->page() : state_->lastPage();
  // CUPS makes copies itself; only a printer that cannot gets them repeated.
  run.copies = printer_->supportsMultipleCopies() ? 1 : printer_->copyCount();
  run.collate = printer_->collateCopies();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Result<PrintOutcome> outcome = RunPrintJob(*printer_, run, job, [this] {
    return printer_->printerState() != QPrinter::Error;
  });
  QApplication::restoreOverrideCursor();
  if (!outcome.ok()) {
    QMessageBox::critical(this, windowTitle(), QString::fromStdString(outcome.status().message()));
  }
}

void TPrinterSetDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (settingsPanel_ != nullptr && settingsPanel_->isVisible()) {
    settingsPanel_->move(layoutList_->x() + 2,
                         layoutList_->geometry().bottom() - 1 - settingsPanel_->height());
  }
}

}  // namespace lumidex
