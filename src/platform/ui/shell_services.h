#pragma once

#include <QString>

class QWidget;

namespace lumidex::platform {

// Opens `path` with the program the desktop associates with its type, as a
// double-click in the file manager would (through xdg-open). When the
// desktop has no opener, nothing is associated with the type or the file is
// missing, a message box over the active window says so ("関連付けられた
// プログラムがありません。" or "ファイルが見つかりません。" with the path):
// at once when xdg-open is missing (the result is then false), else when
// the opener reports its failure (the result is true: the opener started).
bool OpenWithSystem(const QString& path);

// Shows the properties of the file or folder `path`: the file manager's own
// properties window when one answers on the session bus
// (org.freedesktop.FileManager1.ShowItemProperties), else our own
// FilePropertiesDlg, modal over `parent`.
void ShowFileProperties(const QString& path, QWidget* parent);

// Shows `path` selected in the file manager (ShowItems on the session bus),
// else opens its folder with OpenWithSystem.
void ShowInFileManager(const QString& path);

}  // namespace lumidex::platform
