#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QTimer>
#include <vector>

#include "imagelist/detail_rows.h"

namespace lumidex {

class ThumbnailCache;

// The Qt model of the detail list `ListView1`: one row per DetailRow, the
// columns of DetailColumn. It owns the rows. Rows are filled lazily: when a
// view asks for an unfilled row (a visible one), the row is queued and
// filled on the next turn of the event loop together with its small
// picture, so a list of tens of thousands of rows shows at once and only
// what is seen touches the disk. Main thread only.
class DetailListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit DetailListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Replaces every row (new content): small pictures are dropped.
  void SetRows(std::vector<DetailRow> rows);
  const std::vector<DetailRow>& rows() const { return rows_; }
  // Changes the rows in place through `change` (sort, rename, delete) and
  // resets the views.
  template <typename Change>
  void ChangeRows(Change&& change) {
    beginResetModel();
    change(rows_);
    queued_.clear();
    endResetModel();
  }

  // The thumbnail cache whose stored pictures make the small pictures
  // (null: every small picture is decoded from its file). Must outlive
  // the model.
  void SetThumbnailCache(const ThumbnailCache* cache) { cache_ = cache; }
  // Appends `rows` at the end (a folder walk that is still running).
  void AppendRows(std::vector<DetailRow> rows);

  // With shooting information, a filled row reads its Exif columns too.
  void SetExifShown(bool shown);
  // Fills `row` now (the sort's fill of every row).
  void FillNow(int row);

  // The type name the window shows: the MIME type's comment, else the
  // extension rule.
  static std::string MimeTypeName(const std::string& path);

 private:
  void Queue(int row) const;
  void FillQueued();
  QPixmap SmallPicture(const DetailRow& row) const;

  std::vector<DetailRow> rows_;
  bool exifShown_ = false;
  // Rows a view asked for that still need their fill; filled by fillTimer_.
  mutable QSet<int> queued_;
  mutable QTimer fillTimer_;
  QHash<QString, QPixmap> pictures_;
  const ThumbnailCache* cache_ = nullptr;
  // The desktop's type names, asked once per extension for the whole run.
  TypeNameCache typeNames_{&DetailListModel::MimeTypeName};
};

}  // namespace lumidex
