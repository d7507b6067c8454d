#pragma once

#include <QWidget>
#include <functional>

#include "printing/print_settings.h"

namespace lumidex {

// The layout list (`StringGrid1`): 2 columns x 6 rows, cell index = row x 2
// + column = layout 0-10 (the twelfth cell is empty). Grids are drawn as
// small rectangles of their cells, photo sizes as their labels. An entry
// dragged from the preview and dropped here asks for its removal, accepted
// only while `acceptDrop` says so. Main thread.
class LayoutList : public QWidget {
  Q_OBJECT
 public:
  explicit LayoutList(QWidget* parent);

  void SetSelected(int layout);
  void SetSettings(const PrintSettings& settings);
  void SetDropTest(std::function<bool()> acceptDrop) { acceptDrop_ = std::move(acceptDrop); }
  // The rectangle of cell `index` in widget pixels.
  QRect CellRect(int index) const;

 signals:
  void chosen(int layout);
  void entryDropped();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool Accepts(const QDropEvent* event) const;

  int selected_ = 0;
  PrintSettings settings_;
  std::function<bool()> acceptDrop_;
};

}  // namespace lumidex
