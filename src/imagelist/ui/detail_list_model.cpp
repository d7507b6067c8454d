#include "imagelist/ui/detail_list_model.h"

#include <QColor>
#include <QMimeDatabase>
#include <QPainter>
#include <functional>

#include "imagelist/ui/small_picture.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr const char* kExifHeaders[kExifColumnCount] = {
    "撮影日時", "編集日時", "メーカー", "機種", "ソフトウェア", "シャッター速度", "絞り値", "ISO感度",
    "レンズの焦点距離", "自動露出の測光", "光源", "露光制御", "被写体撮影モード", "撮影シーンタイプ", "幅と高さ"};
constexpr const char* kFileHeaders[kFirstExifColumn] = {"名前", "Files", "サイズ", "種類", "更新日"};

// Rows filled per turn of the event loop, so scrolling stays smooth.
constexpr int kRowsPerTurn = 40;

constexpr QSize kPictureSize(32, 16);

}  // namespace

DetailListModel::DetailListModel(QObject* parent) : QAbstractTableModel(parent) {
  fillTimer_.setSingleShot(true);
  fillTimer_.setInterval(0);
  connect(&fillTimer_, &QTimer::timeout, this, &DetailListModel::FillQueued);
}

int DetailListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DetailListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kDetailColumnCount;
}

QVariant DetailListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const DetailRow& row = rows_[index.row()];
  if (!row.filled || (exifShown_ && !row.exifRead)) Queue(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(DetailCellText(row, index.column()));
    case Qt::DecorationRole:
      if (index.column() != kNameColumn || !row.filled) return {};
      return SmallPicture(row);
    case Qt::ForegroundRole:
      // A file that could not be found reads grey; a hidden file is dimmed.
      if (row.filled && !row.isSubAlbum && row.dateText.empty()) return QColor(0x80, 0x80, 0x80);
      if (row.hidden) return QColor(0xA8, 0xA8, 0xA8);
      return {};
    case Qt::TextAlignmentRole:
      if (index.column() == kFilesColumn || index.column() == kSizeColumn) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
      }
      return {};
    default:
      return {};
  }
}

QVariant DetailListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= kDetailColumnCount) return {};
  return QString::fromUtf8(section < kFirstExifColumn ? kFileHeaders[section]
                                                      : kExifHeaders[section - kFirstExifColumn]);
}

void DetailListModel::SetRows(std::vector<DetailRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  queued_.clear();
  pictures_.clear();
  endResetModel();
}

void DetailListModel::AppendRows(std::vector<DetailRow> rows) {
  if (rows.empty()) return;
  const int first = rowCount();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
  rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  endInsertRows();
}

void DetailListModel::SetExifShown(bool shown) {
  exifShown_ = shown;
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kDetailColumnCount - 1));
}

void DetailListModel::FillNow(int row) {
  if (row < 0 || row >= rowCount()) return;
  DetailRow& detail = rows_[row];
  if (!detail.filled) FillDetailRow(detail, std::ref(typeNames_), exifShown_);
  if (exifShown_) ReadExifColumns(detail);
}

std::string DetailListModel::MimeTypeName(const std::string& path) {
  static const QMimeDatabase database;
  const QMimeType type = database.mimeTypeForFile(ToQString(path), QMimeDatabase::MatchExtension);
  return type.isDefault() ? std::string() : ToStdString(type.comment());
}

void DetailListModel::Queue(int row) const {
  queued_.insert(row);
  if (!fillTimer_.isActive()) fillTimer_.start();
}

void DetailListModel::FillQueued() {
  int done = 0;
  for (auto it = queued_.begin(); it != queued_.end() && done < kRowsPerTurn;) {
    const int row = *it;
    it = queued_.erase(it);
    FillNow(row);
    ++done;
    emit dataChanged(index(row, 0), index(row, kDetailColumnCount - 1));
  }
  if (!queued_.isEmpty()) fillTimer_.start();
}

QPixmap DetailListModel::SmallPicture(const DetailRow& row) const {
  const QString key = ToQString(row.key);
  if (const auto found = pictures_.constFind(key); found != pictures_.constEnd()) return *found;
  QPixmap picture(kPictureSize);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  if (row.isSubAlbum) {
    painter.fillRect(QRect(1, 1, 30, 14), QColor(0xF0, 0xD8, 0x90));
  } else if (row.dateText.empty()) {
    painter.setPen(QColor(0xE0, 0xE0, 0xE0));
    painter.drawRect(QRect(1, 1, 30, 14));
  } else {
    const QImage image = SmallImageOf(row.key, cache_, kPictureSize);
    if (image.isNull()) {
      painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("×"));
    } else {
      painter.drawImage(QRect(QPoint(0, 0), kPictureSize), image);
    }
  }
  painter.end();
  const_cast<DetailListModel*>(this)->pictures_.insert(key, picture);
  return picture;
}

}  // namespace lumidex
