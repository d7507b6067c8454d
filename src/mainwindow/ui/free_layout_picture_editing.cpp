#include "mainwindow/ui/free_layout_picture_editing.h"

#include "freelayout/ui/free_layout_commands.h"
#include "freelayout/ui/free_layout_view.h"
#include "mainwindow/ui/picture_edit_commands.h"

namespace lumidex {

void ConnectFreeLayoutPictureEditing(FreeLayoutView& view, PictureEditCommands& editing) {
  view.commands()->SetPictureEditor([&editing](const std::string& picture, bool desktopEditor) {
    editing.Edit(picture, desktopEditor ? EditorChoice::kPaint : EditorChoice::kTool);
  });
  // The canvas keeps decoded pictures; an edited file is drawn anew. The
  // view is a QObject child of the window, as the editing commands are.
  QObject::connect(&editing, &PictureEditCommands::thumbnailsRenewed, &view,
                   &FreeLayoutView::RedrawPictures);
}

}  // namespace lumidex
