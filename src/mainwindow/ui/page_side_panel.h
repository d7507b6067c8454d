#pragma once

#include <QWidget>

namespace lumidex {

// The page side of the window, `GrpPanel`, right of the splitter: the
// toolbar `Panel13` (with the hidden `ToolPanel`), the heading `NamePanel`,
// the image list `ListView2` with the preview `Image3` and the favourites
// `Panel15`, the comment editor `MemoPanel` below `Splitter1`, the free
// layout `FreeAlbumPanel`, the detail list `ListPanel` shown over the list,
// and the bar `Panel16` below. Every view of the page side is a placeholder
// here that its owner replaces (TForm1::PlaceView) or fills; the panel only
// lays them out. Start state: the page list, with the views of other states
// hidden.
class PageSidePanel : public QWidget {
  Q_OBJECT

 public:
  explicit PageSidePanel(QWidget* parent = nullptr);
};

}  // namespace lumidex
