#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "freelayout/free_layout_item.h"
#include "images/bitmap.h"

namespace lumidex {

class FreeLayoutTabRenderer;

// The free layout canvas `FreePanel`: the items of the shown tab drawn on
// one painted surface by the tab renderer, in the page colour. It keeps the
// 2:1 shape of the layout space: as wide as its frame less 30 pixels, half
// as high, centred in the frame. The tab is drawn again only when the items
// or the size change; the renderer keeps the item pictures, so a resize
// reads no file again. Main thread only; the renderer must outlive it.
class FreeLayoutCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit FreeLayoutCanvas(QWidget* frame);

  void SetRenderer(FreeLayoutTabRenderer* renderer);
  // The items of the shown tab, in stacking order.
  void SetItems(std::vector<FreeLayoutItem> items);
  const std::vector<FreeLayoutItem>& items() const { return items_; }
  // Draws again (the look changed).
  void Redraw();

  // What the last drawing could not draw (one message per item).
  const std::vector<std::string>& problems() const { return problems_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The size rule over the frame's size.
  void FitToFrame();
  void Render();

  QWidget& frame_;
  FreeLayoutTabRenderer* renderer_ = nullptr;
  std::vector<FreeLayoutItem> items_;
  Bitmap drawing_;
  bool stale_ = true;
  std::vector<std::string> problems_;
};

}  // namespace lumidex
