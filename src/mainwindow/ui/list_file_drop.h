#pragma once

#include <functional>

#include "mainwindow/ui/shell_file_drop.h"

namespace lumidex {

class ImageListPanel;

// Files dropped from the file manager on the image list `ListView2`: into
// the open page or sub-album while one is open; in the page list onto the
// page of the row under the point (an empty spot names no page and adds
// nothing); a folder's pictures take none. The list's own drags (its
// reordering) stay with the list. Main thread only; every argument must
// outlive this.
class ListFileDrop : public ShellFileDrop {
  Q_OBJECT

 public:
  ListFileDrop(ImageListPanel& list, AlbumStore& album, EntryRegistration& registration,
               std::function<void(const Status&)> registered, QObject* parent = nullptr);

 protected:
  DropPlace PlaceAt(const QPoint& point) const override;

 private:
  ImageListPanel& list_;
};

}  // namespace lumidex
