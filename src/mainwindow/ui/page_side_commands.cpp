#include "mainwindow/ui/page_side_commands.h"

#include <QAbstractButton>
#include <QLabel>

#include "album/album_store.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/memo_panel.h"
#include "mainwindow/ui/page_side_panel.h"

namespace lumidex {

PageSideCommands::PageSideCommands(PageSidePanel& pageSide, ImageListPanel& list, AlbumStore& album,
                                   QObject* parent)
    : QObject(parent), pageSide_(pageSide), list_(list), album_(album) {
  const PageSidePanel::Toolbar& toolbar = pageSide.toolbar();
  connect(toolbar.back, &QAbstractButton::clicked, &list, &ImageListPanel::GoBack);
  connect(toolbar.apply, &QAbstractButton::clicked, &list, &ImageListPanel::ApplyChanges);
  connect(toolbar.up, &QAbstractButton::clicked, &list, &ImageListPanel::MoveSelectedUp);
  connect(toolbar.down, &QAbstractButton::clicked, &list, &ImageListPanel::MoveSelectedDown);
  toolbar.size->setChecked(list.smallPictures());
  connect(toolbar.size, &QAbstractButton::toggled, &list, &ImageListPanel::SetSmallPictures);
  toolbar.allPages->setChecked(album.showAllPages());
  connect(toolbar.allPages, &QAbstractButton::toggled, this, &PageSideCommands::ShowAllPages);
  // "コメント" and the comment editor follow each other both ways: the
  // editor's own close button and the list menu's "コメントの編集" move the
  // button too.
  MemoPanel* memo = list.memo();
  toolbar.comment->setChecked(!memo->isHidden());
  connect(toolbar.comment, &QAbstractButton::toggled, memo, &MemoPanel::SetOpen);
  connect(memo, &MemoPanel::openChanged, toolbar.comment, &QAbstractButton::setChecked);
  connect(&list, &ImageListPanel::contentChanged, this, &PageSideCommands::Refresh);
  Refresh();
}

void PageSideCommands::Refresh() {
  const PageSidePanel::Toolbar& toolbar = pageSide_.toolbar();
  const bool open = album_.PageOpen();
  for (QAbstractButton* button : {toolbar.back, toolbar.up, toolbar.down, toolbar.apply}) {
    button->setVisible(open);
  }
  toolbar.allPages->setVisible(!open);
  // The two "詳細" buttons press together: the calendar's over the page
  // list, the list's (a floating detail list of what the list shows) over
  // an open page, sub-album or folder.
  const bool entries = open || !list_.folder().empty();
  toolbar.dayDetail->setVisible(!entries);
  toolbar.fileDetail->setVisible(entries);
  pageSide_.namePanel()->setText(list_.headingText());
}

void PageSideCommands::ShowAllPages(bool all) {
  album_.SetShowAllPages(all);
  if (!album_.PageOpen()) list_.ShowCurrent();
}

}  // namespace lumidex
