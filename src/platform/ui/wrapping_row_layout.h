#pragma once

#include <QLayout>
#include <QList>

namespace lumidex {

// A row of controls, left to right, that goes on in a further row below
// when the next control does not fit the width: so a bar narrower than its
// controls grows taller instead of cutting their labels. Hidden controls
// take no room. Rows are as high as their tallest control. The layout owns
// its items.
class WrappingRowLayout : public QLayout {
 public:
  explicit WrappingRowLayout(QWidget* parent = nullptr) : QLayout(parent) {}
  ~WrappingRowLayout() override;

  void addItem(QLayoutItem* item) override { items_.append(item); }
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override { return items_.value(index); }
  QLayoutItem* takeAt(int index) override;

  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  // The widest control with the margins: the layout never asks for more
  // width than that, as it can always wrap.
  QSize minimumSize() const override;
  // All controls in one row.
  QSize sizeHint() const override;
  void setGeometry(const QRect& rect) override;

 private:
  // Lays the items out in `rect` (only measures when `apply` is false) and
  // returns the height used.
  int Arrange(const QRect& rect, bool apply) const;

  QList<QLayoutItem*> items_;
};

}  // namespace lumidex
