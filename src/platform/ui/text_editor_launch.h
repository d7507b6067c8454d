#pragma once

#include <QString>

namespace lumidex::platform {

// Opens the text file `path` in the user's text editor, as TextEditorCall
// chooses it from the programs on $PATH, $VISUAL and $EDITOR: the desktop's
// opener goes through OpenWithSystem (which reports what it cannot open);
// an editor of the variables is started on its own and outlives the album.
// A missing file ("ファイルが見つかりません。") or no editor that can be run
// ("関連付けられたプログラムがありません。") is said in a message box over the
// active window, with the path, and false is returned; true once a program
// was started. Main thread only.
bool OpenInTextEditor(const QString& path);

}  // namespace lumidex::platform
