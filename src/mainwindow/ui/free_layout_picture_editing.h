#pragma once

namespace lumidex {

class FreeLayoutView;
class PictureEditCommands;

// The free layout item menu's "画像の編集(&E)" ("ツールを開く", "ペイント")
// goes through the window's external editing, as the list's does: the
// window is disabled while the editor runs, a file handed to an editor that
// was already running is watched, and afterwards the picture's thumbnails,
// the picture view and the free layout's drawings of the picture are
// renewed. Both must live as long as the window.
void ConnectFreeLayoutPictureEditing(FreeLayoutView& view, PictureEditCommands& editing);

}  // namespace lumidex
