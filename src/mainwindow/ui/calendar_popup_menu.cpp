#include "mainwindow/ui/calendar_popup_menu.h"

#include <QApplication>
#include <QClipboard>
#include <algorithm>

#include "album/album_store.h"
#include "filetools/ui/clipboard_files.h"
#include "filetools/ui/registration_actions.h"
#include "imagelist/page_menu_rules.h"
#include "imagelist/ui/image_list_panel.h"
#include "mainwindow/ui/command_lock.h"
#include "platform/ui/control_hint.h"

namespace lumidex {
namespace {

constexpr std::string_view kPageIndexSection = "DATA";
constexpr std::string_view kAutoCover = ".alb";

}  // namespace

CalendarPopupMenu::CalendarPopupMenu(TForm1& window, AlbumStore& album, ImageListPanel& list,
                                     RegistrationContext& registration, QWidget* parent)
    : QMenu(parent), window_(window), album_(album), list_(list), registration_(registration) {
  setObjectName(QStringLiteral("PopupMenu1"));
  createPage_ = AddMenuCommand(this, "CreatePageMenu", QStringLiteral("アルバムにページを作成"));
  createSubAlbum_ = AddMenuCommand(this, "CreateSubAlbumMenu", QStringLiteral("サブアルバムの作成"));
  auto* addImages = new QMenu(QStringLiteral("画像の追加"), this);
  addImages_ = addMenu(addImages);
  addImages_->setObjectName(QStringLiteral("FileAddMenu"));
  QAction* fromFolder =
      AddMenuCommand(addImages, "FolderSearchMenu", QStringLiteral("フォルダから検索"));
  QAction* fromDialog = AddMenuCommand(addImages, "FileSelectMenu", QStringLiteral("ファイルを選択"));
  copy_ = AddMenuCommand(this, "CopyMenu1", QStringLiteral("コピー(&C)"));
  copy_->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
  paste_ = AddMenuCommand(this, "PasteMenu", QStringLiteral("貼り付け(&P)"));
  paste_->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
  delete_ = AddMenuCommand(this, "DeletePageMenu", QStringLiteral("削除(&D)"));
  delete_->setShortcut(QKeySequence(Qt::Key_Delete));
  fileDates_ = AddMenuCommand(this, "N2", QStringLiteral("更新日に登録日を設定"), this,
                              [this] { emit fileDatesRequested(QString::fromStdString(date_)); });
  dayList_ = AddMenuCommand(this, "N30", QStringLiteral("スライドタイプのリストに追加"), this,
                            [this] { emit dayListAddition(QString::fromStdString(date_)); });
  properties_ = AddMenuCommand(this, "Property1", QStringLiteral("プロパティ"));
  properties_->setStatusTip(QStringLiteral("ページの使用状況を表示する"));
  connect(properties_, &QAction::triggered, this, [this] { emit propertiesRequested(QString::fromStdString(date_)); });
  connect(fromFolder, &QAction::triggered, this, [this] {
    {
      // The walk processes events: no other command may start meanwhile.
      CommandLock lock(window_);
      AddFromFolderCommand(registration_, page_);
    }
    emit filesAdded();
  });
  connect(fromDialog, &QAction::triggered, this, [this] {
    AddFromDialogCommand(registration_, page_);
    emit filesAdded();
  });
  // The page's files, as the page list's "コピー(&C)" copies them: the page
  // is found among the page list's lines.
  connect(copy_, &QAction::triggered, this, [this] {
    if (album_.PageOpen()) return;
    const std::vector<std::string>& lines = album_.Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].starts_with(page_)) {
        CopyFilesCommand(registration_, {i});
        return;
      }
    }
  });
  connect(paste_, &QAction::triggered, this, [this] {
    PasteCommand(registration_, page_);
    emit filesAdded();
  });
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
  date_ = date;
  page_ = date.size() == 10 ? date.substr(5, 5) : std::string();
  CalendarPopupFacts facts;
  facts.inShownYear =
      !page_.empty() && !album_.loadedYear().empty() && date.starts_with(album_.loadedYear());
  facts.hasPage = album_.pageIndex().HasKey(kPageIndexSection, page_);
  facts.coverIsPath =
      facts.hasPage && album_.pageIndex().GetValue(kPageIndexSection, page_, "") != kAutoCover;
  facts.usedInOtherYears = facts.hasPage && album_.PageUsedInOtherYears(page_, album_.loadedYear());
  facts.clipboardHasFiles = CanPaste(QApplication::clipboard()->mimeData());
  if (const auto* section = album_.HasYear() ? album_.yearDocument().FindSection(page_) : nullptr;
      facts.inShownYear && section != nullptr) {
    facts.pageHasFiles = std::any_of(section->begin(), section->end(), [](const std::string& line) {
      return !line.empty() && line.front() != '@';
    });
    facts.pageHasEntries = album_.yearDocument().HasSection(page_);
  }
  facts.containerOpen = album_.PageOpen();
  const CalendarPopupItems items = CalendarPopupFor(facts);
  createPage_->setVisible(items.createPage);
  createSubAlbum_->setVisible(items.createSubAlbum);
  delete_->setVisible(items.remove);
  addImages_->setVisible(items.addImages);
  copy_->setVisible(items.copy);
  paste_->setVisible(items.paste);
  paste_->setEnabled(items.pasteEnabled);
  fileDates_->setVisible(items.fileDates);
  properties_->setVisible(items.properties);
  dayList_->setVisible(items.dayList);
  return !page_.empty();
}

}  // namespace lumidex
