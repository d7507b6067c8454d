#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QAction;

namespace lumidex {

class CommandRunner;
class ImageListPanel;
class ShellImages;
class TForm1;

// The image list's "デスクトップの背景として設定" (`N90`): opens the
// wallpaper dialog for the selected picture (with an empty file when none
// is selected) on the desktop XDG_CURRENT_DESKTOP names. On a desktop the
// album cannot set a wallpaper on, a message says so and nothing opens. The
// item shows while the list holds files (an open page or sub-album, or a
// folder). Main thread; the window and list must outlive it.
class DesktopBackgroundCommands : public QObject {
  Q_OBJECT

 public:
  DesktopBackgroundCommands(TForm1& window, ImageListPanel& list, QObject* parent);
  ~DesktopBackgroundCommands() override;

  QAction* action() const { return action_; }

  // The path of the first selected entry in list order when it is a file
  // entry; "" when nothing or a sub-album is selected.
  QString SelectedPicture() const;

  void SetWallpaperCommand();

 private:
  TForm1& window_;
  ImageListPanel& list_;
  QAction* action_ = nullptr;
  std::unique_ptr<CommandRunner> runner_;
  std::unique_ptr<ShellImages> shell_;
};

}  // namespace lumidex
