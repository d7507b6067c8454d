#include "mainwindow/ui/calendar_popup_menu.h"

#include "album/album_store.h"
#include "imagelist/page_menu_rules.h"
#include "imagelist/ui/image_list_panel.h"

namespace lumidex {
namespace {

constexpr std::string_view kPageIndexSection = "DATA";
constexpr std::string_view kAutoCover = ".alb";

QAction* AddCommand(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

CalendarPopupMenu::CalendarPopupMenu(AlbumStore& album, ImageListPanel& list, QWidget* parent)
    : QMenu(parent), album_(album), list_(list) {
  setObjectName(QStringLiteral("PopupMenu1"));
  createPage_ = AddCommand(this, "CreatePageMenu", QStringLiteral("アルバムにページを作成"));
  createSubAlbum_ = AddCommand(this, "CreateSubAlbumMenu", QStringLiteral("サブアルバムの作成"));
  delete_ = AddCommand(this, "DeletePageMenu", QStringLiteral("削除(&D)"));
  connect(createPage_, &QAction::triggered, this, [this] {
    list_.CreatePage(page_);
    emit pagesChanged();
  });
  connect(createSubAlbum_, &QAction::triggered, this, [this] {
    list_.CreateSubAlbum(page_);
    emit pagesChanged();
  });
  connect(delete_, &QAction::triggered, this, [this] {
    list_.DeleteCalendarPage(page_);
    emit pagesChanged();
  });
}

bool CalendarPopupMenu::PrepareFor(const std::string& date) {
  page_ = date.size() == 10 ? date.substr(5, 5) : std::string();
  CalendarDayFacts facts;
  facts.inShownYear = !page_.empty() && !album_.loadedYear().empty() && date.starts_with(album_.loadedYear());
  facts.hasPage = album_.pageIndex().HasKey(kPageIndexSection, page_);
  facts.coverIsPath = facts.hasPage && album_.pageIndex().GetValue(kPageIndexSection, page_, "") != kAutoCover;
  facts.usedInOtherYears = facts.hasPage && album_.PageUsedInOtherYears(page_, album_.loadedYear());
  const CalendarDayMenu items = CalendarDayMenuFor(facts);
  createPage_->setVisible(items.createPage);
  createSubAlbum_->setVisible(items.createSubAlbum);
  delete_->setVisible(items.remove);
  return items.createPage || items.createSubAlbum || items.remove;
}

}  // namespace lumidex
