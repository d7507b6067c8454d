#pragma once

#include <QString>

class QWidget;

namespace lumidex::platform {

// Opens `path` with the program the desktop associates with its type, as a
// double-click in the file manager would. Returns false when the desktop
// could not start anything for it.
bool OpenWithSystem(const QString& path);

// Shows the properties of the file or folder `path`: the file manager's own
// properties window when one answers on the session bus
// (org.freedesktop.FileManager1.ShowItemProperties), else our own
// FilePropertiesDlg, modal over `parent`.
void ShowFileProperties(const QString& path, QWidget* parent);

// Shows `path` selected in the file manager (ShowItems on the session bus),
// else opens its folder with the desktop's default handler.
void ShowInFileManager(const QString& path);

}  // namespace lumidex::platform
