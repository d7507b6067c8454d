#include "mainwindow/ui/print_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTimer>
#include <filesystem>

#include "album/album_store.h"
#include "album/album_text.h"
#include "freelayout/free_picture.h"
#include "freelayout/render/free_layout_tab_renderer.h"
#include "freelayout/render/paint_target.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_tab_strip.h"
#include "freelayout/ui/free_layout_view.h"
#include "images/image_types.h"
#include "images/shell_images.h"
#include "imagelist/ui/image_list_panel.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "printing/free_layout_sheet.h"
#include "printing/print_texts.h"
#include "printing/ui/tprinter_set_dlg.h"

namespace lumidex {

namespace {

bool IsFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// The free layout tab as printed: which items, without selection marks.
std::vector<FreeLayoutItem> PrintedItems(const std::vector<FreeLayoutItem>& items, int target) {
  std::vector<FreeLayoutItem> printed;
  for (FreeLayoutItem item : items) {
    const bool wanted = target == 0 || (target == 1 && item.selected) ||
                        (target == 2 && IsPicturePathValue(item.value) && IsFile(item.value));
    if (!wanted) continue;
    item.selected = false;
    printed.push_back(std::move(item));
  }
  return printed;
}

}  // namespace

PrintCommands::PrintCommands(TForm1& window, ImageListPanel& list, AlbumStore& album,
                             FreeLayoutView& freeLayout, QObject* parent)
    : QObject(parent),
      window_(window),
      list_(list),
      album_(album),
      freeLayout_(freeLayout),
      item_(window.printAction()),
      settings_(PrintSettingsFrom(window.settings())) {
  connect(item_, &QAction::triggered, this, &PrintCommands::PrintCommand);
  const auto later = [this] { QTimer::singleShot(0, this, &PrintCommands::UpdateItem); };
  connect(&list_, &ImageListPanel::contentChanged, this, later);
  connect(&freeLayout_, &FreeLayoutView::pageShown, this, later);
  connect(window.pageSide()->toolbar().freeLayout, &QAbstractButton::toggled, this, later);
  UpdateItem();
}

PrintCommands::~PrintCommands() = default;

QPrinter& PrintCommands::printer() {
  if (printer_ == nullptr) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
      // No printer installed: the sheets go to a PDF file at print resolution.
      printer_->setOutputFormat(QPrinter::PdfFormat);
      printer_->setResolution(300);
    }
  }
  return *printer_;
}

void PrintCommands::UpdateItem() {
  const bool free = freeLayout_.active();
  item_->setVisible(free || album_.PageOpen());
  const QString hint = free ? QString() : QStringLiteral("選択した画像を印刷する");
  item_->setStatusTip(hint);
  item_->setToolTip(hint);
}

void PrintCommands::PrintCommand() {
  if (freeLayout_.active()) {
    PrintFreeLayout();
  } else if (album_.PageOpen()) {
    PrintImageList();
  }
}

std::vector<std::string> PrintCommands::SelectedPictures() const {
  std::vector<std::string> paths;
  const std::vector<std::string>& lines = album_.Lines();
  std::vector<size_t> selected = list_.SelectedLines();
  std::sort(selected.begin(), selected.end());
  for (const size_t index : selected) {
    if (index >= lines.size()) continue;
    const std::string path(EntryNameOf(lines[index]));
    if (!path.starts_with("@") && IsFile(path)) paths.push_back(path);
  }
  return paths;
}

void PrintCommands::PrintImageList() {
  // The stored fields may have changed since (option dialog, settings import).
  const PrintSettings stored = PrintSettingsFrom(window_.settings());
  settings_.spacing = stored.spacing;
  settings_.customWidth = stored.customWidth;
  settings_.customHeight = stored.customHeight;
  settings_.printName = stored.printName;
  TPrinterSetDlg dialog(&window_, printer(), settings_, SelectedPictures());
  dialog.SetHelp([this](const QString& topic) { window_.ShowHelp(topic); });
  dialog.exec();
  StorePrintSettings(settings_, window_.settings());
}

void PrintCommands::PrintFreeLayout() {
  TPrinterSetDlg small(&window_, verticalAlign_, printTarget_);
  small.SetHelp([this](const QString& topic) { window_.ShowHelp(topic); });
  if (small.exec() != QDialog::Accepted) return;
  verticalAlign_ = small.verticalAlign();
  printTarget_ = small.printTarget();
  printer().setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer(), &window_);
  if (dialog.exec() != QDialog::Accepted) return;

  const PageSidePanel::FreeLayout& parts = window_.pageSide()->freeLayout();
  const std::vector<FreeLayoutItem> items = PrintedItems(parts.canvas->items(), printTarget_);
  const Settings& settings = window_.settings();
  QPainter painter;
  if (!painter.begin(&printer())) {
    QMessageBox::critical(&window_, QStringLiteral("印刷"), QStringLiteral("印刷を開始できません"));
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const int W = painter.viewport().width();
  const int H = painter.viewport().height();
  const QFontMetrics metrics(painter.font(), &printer());
  const int L = metrics.horizontalAdvance(QStringLiteral("__"));
  const FreeLayoutSheet area = PlaceFreeLayoutSheet(W, H, L, metrics.height(), verticalAlign_);

  // The pictures are read from their files at the sheet's size: no list
  // thumbnails, and the disk cache is left alone.
  const std::unique_ptr<FreePictureReader> reader = MakeFilePictureReader(nullptr, NoShellImages());
  FreeLayoutTabRenderer renderer(*reader);
  FreePictureLook look;
  look.imgshadow = settings.imgshadow;
  look.highQuality = true;
  look.printing = true;
  look.pageColour = kWhite;
  look.highQualityTypes = HighQualityTypesFrom(settings.hispc);
  look.types = window_.environment().types;
  renderer.SetLook(look);
  TabDrawing drawing = renderer.Render(items, area.width, area.height);
  const QImage tab = PaintTarget(drawing.canvas);

  QString title;
  if (settings.printTitle) {
    title = freeLayout_.Heading();
    const int tabIndex = parts.tabs->currentIndex();
    if (parts.tabs->count() > 0 && tabIndex >= 0) {
      title += QStringLiteral(" - ") + parts.tabs->captions().value(tabIndex);
    }
  }
  const int copies = printer().supportsMultipleCopies() ? 1 : printer().copyCount();
  bool failed = false;
  for (int copy = 0; copy < copies && !failed; ++copy) {
    if (copy > 0 && !printer().newPage()) failed = true;
    if (!title.isEmpty()) painter.drawText(L, 5 + metrics.ascent(), title);
    if (!tab.isNull()) painter.drawImage(QPoint(area.left, area.top), tab);
    if (settings.printSoftName) {
      const QString name = QString::fromUtf8(kPaperFooterText);
      painter.drawText(W - metrics.horizontalAdvance(name), H - metrics.descent(), name);
    }
    failed = failed || printer().printerState() == QPrinter::Error;
  }
  painter.end();
  QApplication::restoreOverrideCursor();
  if (failed) {
    QMessageBox::critical(&window_, QStringLiteral("印刷"), QStringLiteral("印刷に失敗しました"));
  }
}

}  // namespace lumidex
