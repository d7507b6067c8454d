#include "mainwindow/ui/desktop_background_commands.h"

#include <QAction>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <cstdlib>

#include "album/album_text.h"
#include "desktop/desktop_wallpaper.h"
#include "desktop/process_runner.h"
#include "desktop/ui/wallpaper_dialog.h"
#include "desktop/wallpaper_folder.h"
#include "imagelist/image_list.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "images/ui/desktop_shell_images.h"
#include "mainwindow/list_menu_additions.h"
#include "mainwindow/ui/list_menu_commands.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

ScreenSize ScreenOf(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) return {};
  const QSize size = screen->size() * screen->devicePixelRatio();
  if (size.width() < 1 || size.height() < 1) return {};
  return {size.width(), size.height()};
}

}  // namespace

DesktopBackgroundCommands::DesktopBackgroundCommands(TForm1& window, ImageListPanel& list,
                                                     QObject* parent)
    : QObject(parent),
      window_(window),
      list_(list),
      runner_(std::make_unique<ProcessRunner>()),
      shell_(std::make_unique<DesktopShellImages>()) {
  ListPopupMenu* menu = list.popupMenu();
  action_ = menu->addAction(QStringLiteral("デスクトップの背景として設定"), this,
                            &DesktopBackgroundCommands::SetWallpaperCommand);
  action_->setObjectName(QStringLiteral("N90"));
  connect(menu, &QMenu::aboutToShow, this, [this] {
    const ListMenuAdditions items = ListMenuAdditionsFor(ListMenuFactsOf(list_, nullptr));
    action_->setVisible(items.wallpaper);
    action_->setEnabled(items.wallpaperEnabled);
  });
}

DesktopBackgroundCommands::~DesktopBackgroundCommands() = default;

QString DesktopBackgroundCommands::SelectedPicture() const {
  QVector<int> rows = list_.view()->SelectedRows();
  if (rows.isEmpty() || list_.list().mode() == ListMode::kPageList) return QString();
  std::sort(rows.begin(), rows.end());
  const std::string_view name = list_.list().entries().NameAt(rows.front());
  return IsSubAlbumEntry(name) ? QString() : ToQString(name);
}

void DesktopBackgroundCommands::SetWallpaperCommand() {
  const char* xdg = std::getenv("XDG_CURRENT_DESKTOP");
  DesktopWallpaper wallpaper(xdg ? xdg : "", WallpaperFolder(window_.environment().folders),
                             *runner_, *shell_, ScreenOf(window_));
  if (const Status known = wallpaper.CheckDesktop(); !known.ok()) {
    QMessageBox::warning(&window_, QStringLiteral("デスクトップの背景変更"),
                         ToQString(known.message()));
    return;
  }
  WallpaperDialog dialog(wallpaper, SelectedPicture(), &window_);
  dialog.SetHelp([this](const QString& topic) { window_.ShowHelp(topic); });
  dialog.exec();
}

}  // namespace lumidex
