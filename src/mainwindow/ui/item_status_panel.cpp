#include "mainwindow/ui/item_status_panel.h"

#include <QTimer>

#include "album/album_text.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/status_area.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kItemPanel = 2;

// The panel's text for row `row` of the list, as a click on it shows it: a
// sub-album by its name, a page or a file by its entry name.
QString EntryText(const ImageList& list, int row) {
  const std::string_view name = list.entries().NameAt(row);
  const bool subAlbum = list.mode() != ListMode::kPageList && name.starts_with('@');
  return ToQString(subAlbum ? SubAlbumNameOf(name.substr(1)) : name);
}

}  // namespace

ItemStatusPanel::ItemStatusPanel(StatusArea& status, ImageListPanel& list,
                                 std::function<void()> reportDay, QObject* parent)
    : QObject(parent), status_(status), list_(list), reportDay_(std::move(reportDay)) {}

void ItemStatusPanel::ShowDay(const QString& text) {
  source_ = Source::kDay;
  status_.SetIndicatorText(kItemPanel, text);
}

void ItemStatusPanel::ShowEntry(const QString& text) {
  source_ = Source::kEntry;
  status_.SetIndicatorText(kItemPanel, text);
}

void ItemStatusPanel::Refresh() {
  if (pending_) return;
  pending_ = true;
  QTimer::singleShot(0, this, &ItemStatusPanel::RefreshNow);
}

void ItemStatusPanel::RefreshNow() {
  pending_ = false;
  if (source_ == Source::kEntry) {
    const QVector<int> rows = list_.view()->SelectedRows();
    if (!rows.isEmpty() && rows.front() < list_.list().size()) {
      status_.SetIndicatorText(kItemPanel, EntryText(list_.list(), rows.front()));
      return;
    }
  }
  if (source_ != Source::kNone) reportDay_();
}

}  // namespace lumidex
