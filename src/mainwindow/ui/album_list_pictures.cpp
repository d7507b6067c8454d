#include "mainwindow/ui/album_list_pictures.h"

#include <QColor>
#include <QMimeDatabase>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTreeWidget>

#include "foundation/file_paths.h"
#include "imagelist/ui/list_worker_timer.h"
#include "imagelist/worker_clock.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kSmallIconSize = 16;
// The worker looks for a new range in sight this often.
constexpr int kIdleSleepMs = 10;

}  // namespace

AlbumListPictures::AlbumListPictures(QTreeWidget& list, PictureOf picture, QObject* parent)
    : QObject(parent), list_(list), picture_(std::move(picture)),
      worker_(std::make_unique<ListWorker>(*this, SteadyWorkerClock())) {
  timer_ = new ListWorkerTimer(*worker_, this);
  // Scrolling or resizing brings other rows in sight.
  connect(list_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { timer_->Wake(); });
  list_.setIconSize(QSize(kSmallIconSize, kSmallIconSize));
}

AlbumListPictures::~AlbumListPictures() { worker_->Stop(); }

void AlbumListPictures::SetPaths(std::vector<std::string> paths) {
  worker_->Pause();
  paths_ = std::move(paths);
  made_.assign(paths_.size(), 0);
  Restart();
}

void AlbumListPictures::AppendPaths(std::vector<std::string> paths) {
  paths_.insert(paths_.end(), std::make_move_iterator(paths.begin()), std::make_move_iterator(paths.end()));
  made_.resize(paths_.size(), 0);
  // The rows in sight may be new ones: look at the range again.
  worker_->ForgetRange();
  timer_->Wake();
}

void AlbumListPictures::SetIconView(bool on) {
  if (on == iconView_) return;
  iconView_ = on;
  list_.setIconSize(on ? kIconViewSize : QSize(kSmallIconSize, kSmallIconSize));
  worker_->Pause();
  Restart();
}

void AlbumListPictures::Stop() { worker_->Stop(); }

void AlbumListPictures::Restart() {
  worker_->Resume();
  timer_->Wake();
}

int AlbumListPictures::VisibleFirst() const {
  QTreeWidgetItem* top = list_.itemAt(0, 0);
  return top == nullptr ? (list_.topLevelItemCount() > 0 ? 0 : -1) : list_.indexOfTopLevelItem(top);
}

int AlbumListPictures::VisibleLast() const {
  QTreeWidgetItem* bottom = list_.itemAt(0, list_.viewport()->height() - 1);
  return bottom == nullptr ? list_.topLevelItemCount() - 1 : list_.indexOfTopLevelItem(bottom);
}

void AlbumListPictures::PrepareItem(int index) {
  if (index < 0 || index >= static_cast<int>(paths_.size()) || index >= list_.topLevelItemCount()) return;
  const unsigned char wanted = iconView_ ? 2 : 1;
  if (made_[index] == wanted || paths_[index].empty()) return;
  QTreeWidgetItem* item = list_.topLevelItem(index);
  if (made_[index] == 0 && !FileExists(paths_[index])) item->setForeground(0, QColor(0x80, 0x80, 0x80));
  QIcon icon;
  if (iconView_ && picture_) {
    const QImage image = picture_(paths_[index], kIconViewSize);
    if (!image.isNull()) {
      // Centred on a square, so that every row keeps the same height.
      QPixmap square(kIconViewSize);
      square.fill(Qt::transparent);
      QPainter painter(&square);
      const QImage fitted = image.scaled(kIconViewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
      painter.drawImage((kIconViewSize.width() - fitted.width()) / 2, (kIconViewSize.height() - fitted.height()) / 2,
                        fitted);
      painter.end();
      icon = QIcon(square);
    }
  }
  if (icon.isNull()) icon = TypeIcon(paths_[index]);
  item->setIcon(0, icon);
  made_[index] = wanted;
}

int AlbumListPictures::IdleRound(int, bool) { return kIdleSleepMs; }

QIcon AlbumListPictures::TypeIcon(const std::string& path) {
  // One icon per type: the name's extension decides, the file is not read.
  const QMimeType mime = QMimeDatabase().mimeTypeForFile(ToQString(path), QMimeDatabase::MatchExtension);
  const auto found = typeIcons_.constFind(mime.name());
  if (found != typeIcons_.constEnd()) return *found;
  const QIcon icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
  typeIcons_.insert(mime.name(), icon);
  return icon;
}

}  // namespace lumidex
