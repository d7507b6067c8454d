#include "freelayout/ui/free_layout_view.h"

#include <QLabel>

#include "album/album_store.h"
#include "foundation/calendar_date.h"
#include "foundation/settings.h"
#include "freelayout/free_picture.h"
#include "freelayout/render/free_layout_tab_renderer.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_tab_strip.h"
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
  connect(widgets_.tabs, &FreeLayoutTabStrip::currentChanged, this, &FreeLayoutView::ShowTab);
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
  if (active_ && wayChanged) {
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
  widgets_.canvas->Redraw();
}

void FreeLayoutView::SetHighQuality(bool on) {
  FreePictureLook look = renderer_->look();
  if (look.highQuality == on) return;
  look.highQuality = on;
  renderer_->SetLook(look);
  widgets_.canvas->Redraw();
}

FreeLayoutWay FreeLayoutView::way() const { return byAlbum_ ? FreeLayoutWay::kByAlbum : FreeLayoutWay::kByDate; }

void FreeLayoutView::Enter(const std::string& page) {
  active_ = true;
  OpenDocument();
  ShowPage(byAlbum_ ? lastAlbum_ : page);
}

void FreeLayoutView::Leave() {
  active_ = false;
  widgets_.canvas->SetItems({});
  document_.reset();
}

void FreeLayoutView::ShowDatePage(const std::string& page) {
  if (active_ && !byAlbum_ && page != section_) ShowPage(page);
}

void FreeLayoutView::YearChanged() {
  if (!active_) return;
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
  const bool shown = document_ != nullptr && !section_.empty() && document_->HasPage(section_);
  QStringList captions;
  if (shown) {
    for (const std::string& caption : document_->PageTabStrip(section_).captions) captions << ToQString(caption);
  }
  widgets_.tabs->SetCaptions(captions);
  widgets_.counter->setText(ToQString(document_ ? document_->PageCounter(section_) : PageCounterText(-1, 0)));
  widgets_.canvas->setVisible(document_ != nullptr && !document_->PageNames().empty());
  ShowTab(0);
  emit headingChanged(Heading());
}

void FreeLayoutView::ShowTab(int tab) {
  if (!document_ || section_.empty()) {
    widgets_.canvas->SetItems({});
    return;
  }
  TabLoad loaded = document_->LoadTab(section_, std::max(0, tab));
  if (!loaded.problems.empty()) emit problem(ToQString(UnreadableItemsMessage(loaded.problems)));
  widgets_.canvas->SetItems(std::move(loaded.items));
}

QString FreeLayoutView::Heading() const {
  if (byAlbum_) return QStringLiteral("アルバムで配置 > ") + ToQString(section_);
  const std::optional<int> month = DigitsAt(section_, 0, 2);
  const std::optional<int> day = DigitsAt(section_, 3, 2);
  if (!month || !day) return QStringLiteral("日付で配置 > ");
  return QStringLiteral("日付で配置 > %1月%2日").arg(*month).arg(*day);
}

}  // namespace lumidex
