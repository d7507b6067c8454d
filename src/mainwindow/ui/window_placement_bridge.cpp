#include "mainwindow/ui/window_placement_bridge.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>

#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex {
namespace {

QAbstractButton* SizeToggle(const TForm1& window) { return window.pageSide()->toolbar().size; }

}  // namespace

WindowPlacement CapturedWindowPlacement(const TForm1& window) {
  WindowPlacement placement;
  const QRect normal = window.normalGeometry();
  if (normal.isValid()) {
    placement.geometry =
        WindowPlacement::Geometry{normal.x(), normal.y(), normal.width(), normal.height()};
  }
  placement.maximized = window.isMaximized();
  if (!window.pageSideWide() && window.splitter()->sizes().value(0) > 0) {
    placement.splitter = window.splitter()->sizes().value(0);
  }
  placement.smallPictures = SizeToggle(window)->isChecked();
  return placement;
}

void ShowAtPlacement(TForm1& window, const WindowPlacement& placement) {
  const QScreen* screen = nullptr;
  if (const auto& g = placement.geometry) {
    const QRect stored(g->left, g->top, g->width, g->height);
    screen = QGuiApplication::screenAt(stored.center());
    const QSize room = screen != nullptr ? screen->availableGeometry().size() : stored.size();
    // The stored place is the inside of the window, as setGeometry takes it
    // (move would place the frame there and let the window creep).
    if (screen != nullptr) {
      window.setGeometry(QRect(stored.topLeft(), stored.size().boundedTo(room)));
    } else {
      window.resize(stored.size().boundedTo(room));
    }
  }
  if (screen == nullptr) {
    // A first start, or a place on a screen that is gone.
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
      const QRect room = primary->availableGeometry();
      window.resize(window.size().boundedTo(room.size()));
      window.move(room.center() - window.rect().center());
    }
  }
  if (placement.smallPictures) SizeToggle(window)->setChecked(*placement.smallPictures);
  if (placement.maximized) {
    window.showMaximized();
  } else {
    window.show();
  }
  // The splitter has its width once the window is shown.
  QSplitter* splitter = window.splitter();
  if (placement.splitter && splitter->count() == 2) {
    const int room = splitter->width() - splitter->handleWidth();
    splitter->setSizes({*placement.splitter, std::max(room - *placement.splitter, 0)});
  }
}

}  // namespace lumidex
