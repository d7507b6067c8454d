#include "imagelist/ui/image_list_model.h"

#include "imagelist/image_list.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

ImageListModel::ImageListModel(ImageList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {}

int ImageListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_.size();
}

QVariant ImageListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= list_.size()) return {};
  if (role == Qt::DisplayRole) return ToQString(list_.entries().NameAt(index.row()));
  return {};
}

Qt::ItemFlags ImageListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

void ImageListModel::Refill() {
  beginResetModel();
  endResetModel();
}

void ImageListModel::RowChanged(int row) {
  const QModelIndex at = index(row);
  emit dataChanged(at, at);
}

void ImageListModel::RedrawAll() {
  if (list_.size() > 0) emit dataChanged(index(0), index(list_.size() - 1));
}

}  // namespace lumidex
