#include "mainwindow/ui/list_file_drop.h"

#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"

namespace lumidex {

ListFileDrop::ListFileDrop(ImageListPanel& list, AlbumStore& album, EntryRegistration& registration,
                           std::function<void(const Status&)> registered, QObject* parent)
    : ShellFileDrop(*list.view(), *list.view()->viewport(), album, registration,
                    std::move(registered), parent),
      list_(list) {}

DropPlace ListFileDrop::PlaceAt(const QPoint& point) const {
  DropPlace place;
  switch (list_.list().mode()) {
    case ListMode::kFolder:
      break;
    case ListMode::kContainer:
      place.control = DropControl::kImageList;
      break;
    case ListMode::kPageList: {
      place.control = DropControl::kPageList;
      const QModelIndex at = list_.view()->indexAt(point);
      if (at.isValid()) place.page = std::string(list_.list().entries().NameAt(at.row()));
      break;
    }
  }
  return place;
}

}  // namespace lumidex
