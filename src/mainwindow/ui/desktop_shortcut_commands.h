#pragma once

#include <QObject>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace lumidex {

class FileStore;

// "ショートカットアイコンの修正" (`N96`) at the end of the ツール menu: the
// repair of the user's desktop entry, the Linux desktop shortcut. Each time
// the menu opens, the entry is read, its target remembered (when it exists)
// and the item shown unless the entry starts the running program. The
// command asks "デスクトップショートカットの変更確認" with the remembered and
// the running program; on Yes it points the entry to the running program
// (written atomically) and decides the item's visibility again; a failure
// is reported and leaves the entry as it was. Main thread only; `store`
// must outlive this object, which `tools` owns.
class DesktopShortcutCommands : public QObject {
  Q_OBJECT

 public:
  DesktopShortcutCommands(QMenu& tools, QWidget& window, FileStore& store, std::string entryPath,
                          std::string runningProgram);

  QAction* repairItem() const { return repair_; }
  const std::string& rememberedTarget() const { return remembered_; }

  // What the menu's opening does: reads the entry, remembers its target and
  // shows or hides the item.
  void DecideVisibility();
  // The command: the question, then the repair on Yes.
  void N96Click();

 private:
  QWidget& window_;
  FileStore& store_;
  const std::string entryPath_;
  const std::string runningProgram_;
  std::string remembered_;  // the entry's target when the menu last found it
  QAction* repair_;
};

}  // namespace lumidex
