#include "mainwindow/ui/search_commands.h"

#include <QAction>

#include "album/album_prompts.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "album/sub_album_names.h"
#include "foundation/settings.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "mainwindow/ui/search_dialog.h"
#include "mainwindow/list_menu_additions.h"
#include "mainwindow/ui/list_menu_commands.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

SearchCommands::SearchCommands(TForm1& window, ImageListPanel& list, AlbumStore& album, AlbumPrompts& prompts)
    : QObject(&window), window_(window), list_(list), album_(album), prompts_(prompts) {
  ListPopupMenu* menu = list.popupMenu();
  menu->addSeparator();
  find_ = menu->addAction(QStringLiteral("検索(&F)"), this, &SearchCommands::Find);
  find_->setObjectName(QStringLiteral("FindMenu"));
  findNext_ = menu->addAction(QStringLiteral("次を検索(&S)"), this, &SearchCommands::FindNext);
  findNext_->setObjectName(QStringLiteral("FindNextMenu"));
  connect(menu, &QMenu::aboutToShow, this, [this] {
    ListMenuAdditionFacts facts = ListMenuFactsOf(list_, nullptr);
    facts.searchTextKnown = !request_.text.empty();
    const ListMenuAdditions items = ListMenuAdditionsFor(facts);
    find_->setVisible(items.search);
    findNext_->setVisible(items.search);
    findNext_->setEnabled(items.findNextEnabled);
  });
}

bool SearchCommands::AskSearch(const QString& caption) {
  SearchRequest last = request_;
  last.options = {window_.settings().sear1, window_.settings().sear2};
  SearchDialog dialog(caption, last, [this] { return SubAlbumNameChoices(album_); }, &window_);
  if (dialog.exec() != QDialog::Accepted) return false;
  request_ = dialog.Request();
  window_.settings().sear1 = request_.options.ignoreWidth;
  window_.settings().sear2 = request_.options.ignoreKana;
  return !request_.text.empty();
}

bool SearchCommands::Find() {
  if (!album_.PageOpen() || !AskSearch(QStringLiteral("画像の検索"))) return false;
  nextStart_ = 0;
  FindNext();
  return true;
}

void SearchCommands::FindNext() {
  if (!album_.PageOpen() || request_.text.empty()) return;
  const std::vector<std::string>& lines = album_.Lines();
  const std::optional<size_t> hit =
      FindNextEntry(lines, nextStart_, NeedleVariants(request_.text, request_.options));
  if (!hit) {
    prompts_.Inform("'" + request_.text + "' は見つかりません！");
    return;
  }
  const int row = static_cast<int>(*hit);
  list_.SelectRow(row);
  const std::string_view name = EntryNameOf(lines[*hit]);
  emit list_.entryClicked(IsSubAlbumEntry(name) ? QString() : ToQString(name), row);
  nextStart_ = *hit + 1;
}

}  // namespace lumidex
