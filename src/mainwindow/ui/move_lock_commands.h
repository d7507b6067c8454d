#pragma once

#include <QObject>

namespace lumidex {

class TForm1;

// The page side's "移動の許可と禁止" button `BanMoveSpBtn`: shown while the
// free layout is shown; down, the free layout's items cannot be moved
// (by dragging or by the arrow keys), while resizing still works. Its
// caption changes with the state: "移動" while moves are allowed, "固定"
// while they are not. Main thread only; owned by the window, whose page
// side it serves.
class MoveLockCommands : public QObject {
  Q_OBJECT

 public:
  explicit MoveLockCommands(TForm1& window);

 private:
  void Apply(bool locked);

  TForm1& window_;
};

}  // namespace lumidex
