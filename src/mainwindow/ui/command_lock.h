#pragma once

#include <QPointer>
#include <QVector>
#include <QWidget>

namespace lumidex {

class TForm1;

// Disables the main window's commands (its menu bar and every region but
// the status area, whose "中止" button stays usable) for the life of the
// object, as a long registration that processes events while it runs
// needs: no second command may start in the middle of it. Widgets that
// were disabled already stay disabled afterwards. Main thread only.
class CommandLock {
 public:
  explicit CommandLock(TForm1& window);
  ~CommandLock();
  CommandLock(const CommandLock&) = delete;
  CommandLock& operator=(const CommandLock&) = delete;

 private:
  QVector<QPointer<QWidget>> disabled_;
};

}  // namespace lumidex
