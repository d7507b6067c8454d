#include "mainwindow/ui/page_side_commands.h"

#include <QAbstractButton>
#include <QLabel>
#include <QToolButton>

#include "album/album_store.h"
#include "imagelist/ui/image_list_panel.h"

namespace lumidex {
namespace {

QAbstractButton* Button(QWidget& parent, const char* name) {
  return parent.findChild<QAbstractButton*>(QString::fromLatin1(name));
}

void Hide(QWidget* widget) {
  if (widget != nullptr) widget->hide();
}

}  // namespace

PageSideCommands::PageSideCommands(QWidget& pageSide, ImageListPanel& list, AlbumStore& album,
                                   QObject* parent)
    : QObject(parent),
      list_(list),
      album_(album),
      namePanel_(pageSide.findChild<QLabel*>(QStringLiteral("NamePanel"))),
      back_(Button(pageSide, "SpeedButton14")),
      apply_(Button(pageSide, "SpeedButton28")),
      up_(Button(pageSide, "SpeedButton15")),
      down_(Button(pageSide, "SpeedButton16")),
      size_(Button(pageSide, "SpeedButton17")),
      allPages_(Button(pageSide, "AllPageSpBtn")) {
  // The panel's own copies of these commands and its heading give way to
  // the toolbar and the name panel; the rest of its row stays.
  Hide(Button(list, "BackButton"));
  Hide(Button(list, "ApplyButton"));
  if (size_ != nullptr) Hide(list.sizeButton());
  if (namePanel_ != nullptr) Hide(list.heading());

  if (back_ != nullptr) connect(back_, &QAbstractButton::clicked, &list, &ImageListPanel::GoBack);
  if (apply_ != nullptr)
    connect(apply_, &QAbstractButton::clicked, &list, &ImageListPanel::ApplyChanges);
  if (up_ != nullptr) {
    connect(up_, &QAbstractButton::clicked, &list, &ImageListPanel::MoveSelectedUp);
  }
  if (down_ != nullptr) {
    connect(down_, &QAbstractButton::clicked, &list, &ImageListPanel::MoveSelectedDown);
  }
  if (size_ != nullptr) {
    size_->setChecked(list.sizeButton()->isChecked());
    connect(size_, &QAbstractButton::toggled, list.sizeButton(), &QAbstractButton::setChecked);
  }
  if (allPages_ != nullptr) {
    allPages_->setChecked(album.showAllPages());
    connect(allPages_, &QAbstractButton::toggled, this, &PageSideCommands::ShowAllPages);
  }
  connect(&list, &ImageListPanel::contentChanged, this, &PageSideCommands::Refresh);
  Refresh();
}

void PageSideCommands::Refresh() {
  const bool open = album_.PageOpen();
  for (QAbstractButton* button : {back_, up_, down_, apply_}) {
    if (button != nullptr) button->setVisible(open);
  }
  if (allPages_ != nullptr) allPages_->setVisible(!open);
  if (namePanel_ != nullptr) namePanel_->setText(list_.heading()->text());
}

void PageSideCommands::ShowAllPages(bool all) {
  album_.SetShowAllPages(all);
  if (!album_.PageOpen()) list_.ShowCurrent();
}

}  // namespace lumidex
