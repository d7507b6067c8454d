#pragma once

#include <QAbstractListModel>

namespace lumidex {

class ImageList;

// The Qt model of ListView2: one row per line of the ImageList, nothing
// stored here. The display text is the line's name (what find by name and
// accessibility read); the delegate draws everything else from the list
// itself. Refill must be called after the list's lines were replaced, and
// the change notifications after its records changed. Main thread only; the
// list must outlive the model.
class ImageListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit ImageListModel(ImageList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The list's lines were replaced (a fill or a reconcile): views reset.
  void Refill();
  // The record of `row` changed: views repaint it.
  void RowChanged(int row);
  // Every visible row must be drawn again.
  void RedrawAll();

  ImageList& list() { return list_; }

 private:
  ImageList& list_;
};

}  // namespace lumidex
