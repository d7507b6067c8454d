#include "freelayout/ui/free_layout_view.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

#include "album/album_store.h"
#include "album/missing_file_repair.h"
#include "foundation/calendar_date.h"
#include "foundation/settings.h"
#include "freelayout/free_picture.h"
#include "freelayout/render/free_layout_tab_renderer.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_commands.h"
#include "freelayout/ui/free_layout_tab_strip.h"
#include "freelayout/ui/progress_dialog_operation.h"
#include "images/image_types.h"
#include "images/shell_images.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

FreeLayoutView::FreeLayoutView(AlbumStore& album, std::string albumDir, const ThumbnailCache* cache,
                               Widgets widgets, QObject* parent)
    : QObject(parent),
      album_(album),
      albumDir_(std::move(albumDir)),
      widgets_(widgets),
      // Pictures are drawn on worker threads: the desktop's pictures, which
      // may only be asked for on the main thread, are left out.
      reader_(MakeFilePictureReader(cache, NoShellImages())),
      renderer_(std::make_unique<FreeLayoutTabRenderer>(*reader_)) {
  canvas_ = widgets_.canvas;
  canvas_->SetRenderer(renderer_.get());
  connect(widgets_.tabs, &FreeLayoutTabStrip::currentChanged, this, &FreeLayoutView::ChooseTab);
  commands_ = new FreeLayoutCommands(*canvas_, this);
  connect(canvas_, &FreeLayoutCanvas::edited, this, [this] { SetModified(true); });
  connect(commands_, &FreeLayoutCommands::problem, this, &FreeLayoutView::problem);
  connect(commands_, &FreeLayoutCommands::pictureChanged, this, &FreeLayoutView::RedrawPictures);
  connect(commands_, &FreeLayoutCommands::repairRequested, this, &FreeLayoutView::RepairMissingFiles);
  // A picture's own size: decoded at a small scale, which keeps the size.
  commands_->SetPictureSizeOf([this](const std::string& path) -> std::optional<ItemPixelSize> {
    Result<CardPicture> picture = reader_->Load({path, 64, 64});
    if (!picture.ok() || picture.value().width < 1 || picture.value().height < 1) return std::nullopt;
    return ItemPixelSize{picture.value().width, picture.value().height};
  });
}

// The canvas refers to the renderer, which goes first, unless the window
// took the canvas down already.
FreeLayoutView::~FreeLayoutView() {
  if (canvas_) canvas_->SetRenderer(nullptr);
}

void FreeLayoutView::ApplySettings(const Settings& settings) {
  const bool wayChanged = settings.freemode != byAlbum_;
  byAlbum_ = settings.freemode;
  widgets_.tabs->SetMultiRow(settings.tabline);
  FreePictureLook look = renderer_->look();
  look.imgshadow = settings.imgshadow;
  look.highQualityTypes = HighQualityTypesFrom(settings.hispc);
  look.types.SetManagedTypes(settings.extlist);
  renderer_->SetLook(look);
  commands_->SetLook(look);
  commands_->SetSettings(settings.imgspace, settings.gTool, settings.aDir);
  if (active_ && wayChanged) {
    // The edits belong to the other way's document, which is still open:
    // the user saves or drops them (the way has changed already).
    ConfirmSaveTab();
    OpenDocument();
    ShowPage(byAlbum_ ? lastAlbum_ : std::string(section_));
  } else {
    widgets_.canvas->Redraw();
  }
}

void FreeLayoutView::SetPageColour(Colour colour) {
  FreePictureLook look = renderer_->look();
  if (look.pageColour == colour) return;
  look.pageColour = colour;
  renderer_->SetLook(look);
  commands_->SetLook(look);
  widgets_.canvas->Redraw();
}

void FreeLayoutView::SetHighQuality(bool on) {
  FreePictureLook look = renderer_->look();
  if (look.highQuality == on) return;
  look.highQuality = on;
  renderer_->SetLook(look);
  widgets_.canvas->Redraw();
}

// A look other than the renderer's drops every picture it keeps: going
// through one and back draws the pictures again from their files.
void FreeLayoutView::RedrawPictures() {
  const FreePictureLook look = renderer_->look();
  FreePictureLook other = look;
  other.highQuality = !look.highQuality;
  renderer_->SetLook(other);
  renderer_->SetLook(look);
  widgets_.canvas->Redraw();
}

void FreeLayoutView::RepairMissingFiles() {
  // The pass rewrites the document files: unsaved edits are saved first or
  // dropped by the user's choice, never lost behind their back.
  if (!ConfirmSaveTab()) return;
  QWidget* window = widgets_.canvas->window();
  const QString folder = QFileDialog::getExistingDirectory(window, ToQString(kRepairFolderPrompt),
                                                           ToQString(commands_->aDir()));
  if (folder.isEmpty()) return;
  ProgressDialogOperation progress(window, QStringLiteral("不明ファイルの再設定"));
  const RepairCounts counts = RepairFreeLayouts({ToStdString(folder)}, albumDir_, progress);
  for (const std::string& error : counts.saveErrors) emit problem(ToQString(error));
  if (counts.repairedCount > 0 && active_) {
    const int tab = tab_;
    OpenDocument();
    ShowPage(section_);
    if (tab > 0 && tab < widgets_.tabs->count()) {
      widgets_.tabs->SetCurrentIndex(tab);
      ShowTab(tab);
    }
  }
  QMessageBox::information(window, QStringLiteral("フリー配置"), ToQString(RepairMessage(counts)));
}

FreeLayoutWay FreeLayoutView::way() const { return byAlbum_ ? FreeLayoutWay::kByAlbum : FreeLayoutWay::kByDate; }

void FreeLayoutView::Enter(const std::string& page) {
  active_ = true;
  OpenDocument();
  ShowPage(byAlbum_ ? lastAlbum_ : page);
}

void FreeLayoutView::Leave() {
  active_ = false;
  SetModified(false);
  widgets_.canvas->SetItems({});
  document_.reset();
}

void FreeLayoutView::ShowDatePage(const std::string& page) {
  if (active_ && !byAlbum_ && page != section_ && ConfirmSaveTab()) ShowPage(page);
}

void FreeLayoutView::YearChanged() {
  if (!active_) return;
  // The old year's document is still open: edits can be saved into it
  // before it goes. The year has switched already, so Cancel cannot keep it.
  ConfirmSaveTab();
  const std::string page = section_;
  OpenDocument();
  // By album the first page of the new year's document is shown.
  ShowPage(byAlbum_ ? std::string() : page);
}

void FreeLayoutView::OpenDocument() {
  document_.reset();
  const std::optional<int> year = DigitsAt(album_.loadedYear(), 0, 4);
  if (!year) return;
  Result<std::unique_ptr<FreeLayoutDocument>> opened =
      FreeLayoutDocument::Open(albumDir_, *year, way(), album_.fileStore());
  if (!opened.ok()) {
    emit problem(ToQString(opened.status().message()));
    return;
  }
  document_ = std::move(opened).value();
}

void FreeLayoutView::ShowPage(const std::string& section) {
  section_ = section;
  if (document_ && byAlbum_) {
    section_ = document_->PickFreeLayoutPage(section);
    lastAlbum_ = section_;
  }
  RefreshTabStrip();
  widgets_.counter->setText(ToQString(document_ ? document_->PageCounter(section_) : PageCounterText(-1, 0)));
  widgets_.canvas->setVisible(document_ != nullptr && !document_->PageNames().empty());
  ShowTab(0);
  emit headingChanged(Heading());
  emit pageShown();
}

void FreeLayoutView::ShowSection(const std::string& page, const std::string& title) {
  if (!active_) return;
  ShowPage(page);
  if (title.empty()) return;
  const QStringList& captions = widgets_.tabs->captions();
  const QString wanted = ToQString(title);
  qsizetype index = captions.indexOf(wanted);
  for (qsizetype i = 0; index < 0 && i < captions.size(); ++i) {
    if (captions[i].startsWith(wanted)) index = i;
  }
  if (index <= 0) return;
  widgets_.tabs->SetCurrentIndex(static_cast<int>(index));
  ShowTab(static_cast<int>(index));
}

void FreeLayoutView::ReloadPage(int tab) {
  if (!active_) return;
  RefreshTabStrip();
  widgets_.counter->setText(ToQString(document_ ? document_->PageCounter(section_) : PageCounterText(-1, 0)));
  const int shown = std::clamp(tab, 0, std::max(0, widgets_.tabs->count() - 1));
  widgets_.tabs->SetCurrentIndex(shown);
  ShowTab(shown);
}

void FreeLayoutView::ShowNewTab() {
  QStringList captions = widgets_.tabs->captions();
  const int added = static_cast<int>(captions.size());
  captions << QString::number(added + 1);
  widgets_.tabs->SetCaptions(captions);
  widgets_.tabs->SetCurrentIndex(added);
  ShowTab(added);
}

void FreeLayoutView::ShowTab(int tab) {
  tab_ = std::max(0, tab);
  SetModified(false);
  if (!document_ || section_.empty()) {
    widgets_.canvas->SetItems({});
    return;
  }
  TabLoad loaded = document_->LoadTab(section_, tab_);
  if (!loaded.problems.empty()) emit problem(ToQString(UnreadableItemsMessage(loaded.problems)));
  widgets_.canvas->SetItems(std::move(loaded.items));
}

void FreeLayoutView::ChooseTab(int tab) {
  if (tab == tab_) return;
  if (tab < 0 || !ConfirmSaveTab()) {
    widgets_.tabs->SetCurrentIndex(tab_);
    return;
  }
  ShowTab(tab);
}

void FreeLayoutView::SetModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modifiedChanged(modified_);
}

bool FreeLayoutView::ConfirmSaveTab() {
  if (!modified_) return true;
  const QMessageBox::StandardButton answer = QMessageBox::question(
      widgets_.canvas->window(), QStringLiteral("フリー配置"),
      QStringLiteral("内容が変更されています。変更内容を保存しますか？"),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::Yes) return SaveShownTab();
  if (answer != QMessageBox::No) return false;
  // The edits are dropped: the canvas shows the tab as the document has it.
  ShowTab(tab_);
  return true;
}

bool FreeLayoutView::SaveShownTab() {
  if (!document_ || section_.empty()) return false;
  Result<TabSaveOutcome> saved = document_->SaveTab(section_, tab_, widgets_.canvas->items());
  if (!saved.ok()) {
    emit problem(ToQString(saved.status().message()));
    return false;
  }
  SetModified(false);
  const TabSaveOutcome outcome = saved.value();
  if (outcome.pageListChanged) widgets_.counter->setText(ToQString(document_->PageCounter(section_)));
  if (outcome.tabStripChanged) {
    RefreshTabStrip();
    const int shown = std::min(tab_, std::max(0, widgets_.tabs->count() - 1));
    widgets_.tabs->SetCurrentIndex(shown);
    ShowTab(shown);
  }
  emit tabSaved();
  return true;
}

void FreeLayoutView::RefreshTabStrip() {
  QStringList captions;
  if (document_ && !section_.empty() && document_->HasPage(section_)) {
    for (const std::string& caption : document_->PageTabStrip(section_).captions) captions << ToQString(caption);
  }
  widgets_.tabs->SetCaptions(captions);
}

QString FreeLayoutView::Heading() const {
  if (byAlbum_) return QStringLiteral("アルバムで配置 > ") + ToQString(section_);
  const std::optional<int> month = DigitsAt(section_, 0, 2);
  const std::optional<int> day = DigitsAt(section_, 3, 2);
  if (!month || !day) return QStringLiteral("日付で配置 > ");
  return QStringLiteral("日付で配置 > %1月%2日").arg(*month).arg(*day);
}

}  // namespace lumidex
