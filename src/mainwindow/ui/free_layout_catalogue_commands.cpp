#include "mainwindow/ui/free_layout_catalogue_commands.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "album/album_store.h"
#include "calendar/ui/calendar_controller.h"
#include "foundation/calendar_date.h"
#include "foundation/text_compare.h"
#include "freelayout/free_layout_key.h"
#include "freelayout/free_layout_menu_rules.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_tab_strip.h"
#include "freelayout/ui/free_layout_tree.h"
#include "freelayout/ui/free_layout_view.h"
#include "freelayout/ui/tinput_dlg.h"
#include "mainwindow/colour_scheme.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr const char* kWayHintRest = "|フリー配置を日付で管理するかアルバム名で管理するかを切り換える";

QStringList ToQStringList(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << ToQString(text);
  return list;
}

// Calls `onRightPress` for a right press on the watched button.
class RightPressFilter : public QObject {
 public:
  RightPressFilter(QObject* parent, std::function<void()> onRightPress)
      : QObject(parent), onRightPress_(std::move(onRightPress)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
      onRightPress_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onRightPress_;
};

}  // namespace

FreeLayoutCatalogueCommands::FreeLayoutCatalogueCommands(TForm1& window, FreeLayoutView& view, AlbumStore& album,
                                                         CalendarController& calendar,
                                                         std::function<std::string()> datePage, QObject* parent)
    : QObject(parent),
      window_(window),
      view_(view),
      album_(album),
      calendar_(calendar),
      datePage_(std::move(datePage)),
      albumDir_(window.environment().folders.albumDir) {
  PageSidePanel& side = *window.pageSide();
  const PageSidePanel::FreeLayout& parts = side.freeLayout();
  const PageSidePanel::Toolbar& toolbar = side.toolbar();
  tree_ = parts.tree;
  tree_->SetSelectionGuard([this] { return !view_.active() || view_.ConfirmSaveTab(); });
  connect(tree_, &FreeLayoutTree::nodeOpened, this, &FreeLayoutCatalogueCommands::OpenNode);
  connect(tree_, &QWidget::customContextMenuRequested, this, &FreeLayoutCatalogueCommands::ShowTreeMenu);

  treeMenu_ = new QMenu(tree_);
  treeMenu_->setObjectName(QStringLiteral("PopupMenu9"));
  auto add = [this](const char* name, const QString& caption, const QString& hint, void (FreeLayoutCatalogueCommands::*slot)()) {
    return AddMenuCommand(treeMenu_, name, caption, this, slot, hint);
  };
  newPage_ = add("New1", QStringLiteral("新規作成"), QStringLiteral("新しいフリー配置のアルバムを作成する"),
                 &FreeLayoutCatalogueCommands::NewPage);
  addTab_ = add("TabAddMenu", QStringLiteral("タブの追加"), {}, &FreeLayoutCatalogueCommands::AddTab);
  renameAlbum_ = add("Rename4", QStringLiteral("名前の変更"), QStringLiteral("アルバム名を変更する"),
                     &FreeLayoutCatalogueCommands::RenameAlbum);
  search_ = add("N79", QStringLiteral("検索"), {}, &FreeLayoutCatalogueCommands::Search);
  AddMenuCommand(treeMenu_, "N71", QStringLiteral("全て展開"), tree_, &QTreeWidget::expandAll);
  AddMenuCommand(treeMenu_, "N72", QStringLiteral("全て縮小"), tree_, &QTreeWidget::collapseAll);
  deletePage_ = add("Delete7", QStringLiteral("削除(&D)"), {}, &FreeLayoutCatalogueCommands::DeletePage);

  connect(parts.tabs->renameAction(), &QAction::triggered, this, &FreeLayoutCatalogueCommands::RenameTab);
  connect(parts.tabs->deleteAction(), &QAction::triggered, this, &FreeLayoutCatalogueCommands::DeleteTab);
  connect(parts.addTab, &QAbstractButton::clicked, this, &FreeLayoutCatalogueCommands::AddTab);
  connect(parts.moveTab, &QAbstractButton::clicked, this, &FreeLayoutCatalogueCommands::MoveTabEarlier);
  // A tab chosen on the strip selects its title node, once the view has
  // shown it (or refused the change).
  connect(parts.tabs, &FreeLayoutTabStrip::currentChanged, this, [this] {
    QTimer::singleShot(0, this, [this] {
      if (!searchResult_ && TreeShown()) SelectShownNode(false);
    });
  });
  connect(parts.previousPage, &QAbstractButton::clicked, this, [this] { StepPage(false); });
  connect(parts.nextPage, &QAbstractButton::clicked, this, [this] { StepPage(true); });

  connect(toolbar.freeLayoutTree, &QAbstractButton::toggled, this, &FreeLayoutCatalogueCommands::ShowTree);
  toolbar.freeLayoutTree->installEventFilter(new RightPressFilter(this, [this] {
    if (!TreeShown()) return;
    searchResult_ = false;
    RebuildTree();
  }));
  connect(toolbar.byDate, &QAbstractButton::toggled, this, &FreeLayoutCatalogueCommands::SwitchWay);
  // The tree and the way switch belong to the free layout view.
  connect(toolbar.freeLayout, &QAbstractButton::toggled, this, [this](bool on) {
    const PageSidePanel::Toolbar& bar = window_.pageSide()->toolbar();
    bar.freeLayoutTree->setVisible(on);
    bar.byDate->setVisible(on);
  });
  connect(&view_, &FreeLayoutView::pageShown, this, &FreeLayoutCatalogueCommands::RebuildLater);
  connect(&view_, &FreeLayoutView::tabSaved, this, &FreeLayoutCatalogueCommands::RebuildLater);
  connect(&window_, &TForm1::optionsApplied, this, &FreeLayoutCatalogueCommands::ShowWay);
  auto applyColours = [this] {
    const ColourScheme& scheme = window_.scheme();
    window_.pageSide()->freeLayout().tabs->SetColours(ToQColor(scheme.tabColour()), ToQColor(scheme.Row(28)));
  };
  connect(&window_, &TForm1::colourSchemeChanged, this, applyColours);
  applyColours();
  ShowWay();
}

bool FreeLayoutCatalogueCommands::byAlbum() const { return window_.settings().freemode; }

FreeLayoutWay FreeLayoutCatalogueCommands::way() const {
  return byAlbum() ? FreeLayoutWay::kByAlbum : FreeLayoutWay::kByDate;
}

int FreeLayoutCatalogueCommands::shownYear() const { return DigitsAt(album_.loadedYear(), 0, 4).value_or(0); }

FreeLayoutDocument* FreeLayoutCatalogueCommands::document() const {
  return view_.active() ? view_.document() : nullptr;
}

bool FreeLayoutCatalogueCommands::TreeShown() const {
  return window_.pageSide()->toolbar().freeLayoutTree->isChecked();
}

// ---- The tree ----

void FreeLayoutCatalogueCommands::ShowTree(bool shown) {
  tree_->setVisible(shown);
  if (!shown) return;
  searchResult_ = false;
  RebuildTree();
}

void FreeLayoutCatalogueCommands::RebuildTree() {
  rebuildPending_ = false;
  FreeLayoutDocument* doc = document();
  if (!TreeShown() || doc == nullptr || searchResult_) return;
  tree_->SetTree(BuildPageTree(*doc, tree_->Memory(view_.section())));
  SelectShownNode(false);
}

// Rebuilt once the event that changed the page is over: the tree may be in
// the middle of handling the press that caused it.
void FreeLayoutCatalogueCommands::RebuildLater() {
  if (rebuildPending_ || searchResult_ || !TreeShown()) return;
  rebuildPending_ = true;
  QTimer::singleShot(0, this, &FreeLayoutCatalogueCommands::RebuildTree);
}

void FreeLayoutCatalogueCommands::SelectShownNode(bool pageOnly) {
  const FreeLayoutTabStrip& tabs = *window_.pageSide()->freeLayout().tabs;
  const int tab = tabs.currentIndex();
  const std::string caption = tab >= 0 && tab < tabs.count() ? ToStdString(tabs.captions()[tab]) : std::string();
  tree_->SelectPageNode(view_.section(), caption, pageOnly, way());
}

void FreeLayoutCatalogueCommands::ShowTreeMenu(const QPoint& point) {
  TreeMenuState state;
  state.searchResult = searchResult_;
  state.selectedLevel = tree_->SelectedLevel();
  state.byAlbumName = byAlbum();
  state.canvasShown = window_.pageSide()->freeLayout().canvas->isVisible();
  const TreeMenuOffer offer = TreeMenuOfferFor(state);
  newPage_->setVisible(offer.newPage);
  addTab_->setVisible(offer.addTab);
  renameAlbum_->setVisible(offer.renameAlbum);
  search_->setText(byAlbum() ? QStringLiteral("アルバムの検索(&S)") : QStringLiteral("タブのタイトル検索(&S)"));
  deletePage_->setVisible(offer.deleteShown);
  deletePage_->setEnabled(offer.deleteEnabled);
  treeMenu_->popup(tree_->viewport()->mapToGlobal(point));
}

void FreeLayoutCatalogueCommands::OpenNode(const CatalogueNode& node) {
  if (!view_.active() || node.kind == CatalogueNodeKind::kRoot || node.page.empty()) return;
  OpenPage(node.year, node.page, node.title);
}

// Shows (year, page) at the tab captioned `title`. Another year, and by date
// another day, goes through the calendar, which switches the documents and
// the list; the view then shows the page.
void FreeLayoutCatalogueCommands::OpenPage(int year, const std::string& page, const std::string& title) {
  const bool sameYear = year == 0 || year == shownYear();
  if (sameYear && EqualsNoCase(page, view_.section())) {
    if (!title.empty()) view_.ShowSection(view_.section(), title);
    return;
  }
  const std::string yearText = std::to_string(sameYear ? shownYear() : year);
  if (!byAlbum()) {
    calendar_.ShowMonth(ToQString(yearText + "/" + page), true);
  } else if (!sameYear) {
    calendar_.ShowMonth(ToQString(yearText + "/01/01"), true);
  }
  view_.ShowSection(page, title);
  if (!searchResult_) SelectShownNode(title.empty());
}

void FreeLayoutCatalogueCommands::ShowPageAfterRemoval(const std::string& next) {
  if (next.empty()) {
    view_.ReloadPage(0);  // nothing left to show
  } else {
    OpenPage(0, next, {});
  }
}

// ---- Page commands ----

void FreeLayoutCatalogueCommands::NewPage() {
  FreeLayoutDocument* doc = document();
  if (doc == nullptr) return;
  if (!byAlbum()) {
    // By date the day's page exists as soon as an item is saved on it.
    window_.pageSide()->freeLayout().canvas->show();
    return;
  }
  if (!view_.ConfirmSaveTab()) return;
  const std::string name = NewAlbumPageName(doc->PageNames());
  if (Status created = doc->CreateAlbumPage(name); !created.ok()) return Report(created);
  view_.ShowSection(name);
  window_.pageSide()->freeLayout().canvas->show();
}

void FreeLayoutCatalogueCommands::AddTab() {
  FreeLayoutDocument* doc = document();
  const PageSidePanel::FreeLayout& parts = window_.pageSide()->freeLayout();
  if (doc == nullptr || view_.section().empty() || parts.canvas->items().empty()) return;
  if (!view_.ConfirmSaveTab()) return;
  if (parts.tabs->count() > 0) {
    view_.ShowNewTab();
    return;
  }
  // The page's single untitled tab gets the caption "1", so the strip shows.
  if (Status titled = doc->SetTabTitle(view_.section(), 0, "1"); !titled.ok()) return Report(titled);
  view_.ReloadPage(0);
  RebuildLater();
}

void FreeLayoutCatalogueCommands::RenameAlbum() {
  FreeLayoutDocument* doc = document();
  const CatalogueNode* node = tree_->SelectedNode();
  if (doc == nullptr || node == nullptr || tree_->SelectedLevel() != 1) return;
  const std::string old = PageNameOfNode(node->text);
  TInputDlg dialog(QStringLiteral("名前の変更"), QStringLiteral("新しい名前を入力"), &window_);
  const auto albums = ReadCatalogueDocuments(albumDir_, FreeLayoutWay::kByAlbum, std::nullopt, album_.fileStore());
  dialog.SetText(ToQString(old), ToQStringList(StripNumberSuffix(AllPageNames(albums))));
  if (dialog.exec() != QDialog::Accepted) return;
  std::string name = ToStdString(dialog.text());
  if (Status valid = CheckAlbumName(name); !valid.ok()) return Report(valid);
  if (EqualsNoCase(name, old)) return;
  std::vector<std::string> others = doc->PageNames();
  std::erase_if(others, [&](const std::string& page) { return EqualsNoCase(page, old); });
  name = FreeName(name, others);
  if (!view_.ConfirmSaveTab()) return;
  if (Status renamed = doc->RenamePage(old, name); !renamed.ok()) return Report(renamed);
  view_.ShowSection(name);
}

void FreeLayoutCatalogueCommands::DeletePage() {
  FreeLayoutDocument* doc = document();
  const CatalogueNode* node = tree_->SelectedNode();
  if (doc == nullptr || node == nullptr || tree_->SelectedLevel() != 1) return;
  const std::string page = PageNameOfNode(node->text);
  if (!Ask(QStringLiteral("削除確認"), QStringLiteral("'%1'を削除してよろしいですか？").arg(ToQString(page)))) return;
  const bool shown = EqualsNoCase(page, view_.section());
  std::optional<std::string> neighbour = AdjacentPage(doc->PageNames(), page, true);
  if (!neighbour) neighbour = AdjacentPage(doc->PageNames(), page, false);
  // The shown page's unsaved edits go with it: a later save question must
  // not write them back and so bring the page back.
  if (shown) view_.SetModified(false);
  if (Status removed = doc->RemovePage(page); !removed.ok()) return Report(removed);
  tree_->RemovePageNode(page, {});
  if (shown) ShowPageAfterRemoval(neighbour.value_or(std::string()));
  RebuildLater();
}

// ---- Searches ----

void FreeLayoutCatalogueCommands::Search() {
  const bool albums = byAlbum();
  TInputDlg dialog(albums ? QStringLiteral("アルバム名の検索") : QStringLiteral("タブタイトルの検索"),
                   QStringLiteral("検索するタイトルを入力 （空なら全てのタイトルを表示）"), &window_);
  const auto all = ReadCatalogueDocuments(albumDir_, way(), std::nullopt, album_.fileStore());
  dialog.SetText(lastSearchText_, ToQStringList(albums ? AllPageNames(all) : AllTabTitles(all)));
  dialog.ShowCheckBox(albums || allYearsChecked_, !albums);
  if (dialog.exec() != QDialog::Accepted) return;
  searchResult_ = true;
  if (!albums) allYearsChecked_ = dialog.checked();
  const bool allYears = albums || allYearsChecked_;
  const std::string text = ToStdString(dialog.text());
  if (!text.empty()) lastSearchText_ = dialog.text();
  const auto documents =
      allYears ? all : ReadCatalogueDocuments(albumDir_, way(), shownYear(), album_.fileStore());
  if (albums) {
    tree_->SetTree(text.empty() ? AllAlbums(documents) : AlbumNameSearch(documents, text));
  } else {
    tree_->SetTree(text.empty() ? AllTitles(documents, shownYear(), allYears)
                                : TitleSearch(documents, text, shownYear(), allYears));
  }
}

// ---- Tab commands ----

std::string FreeLayoutCatalogueCommands::TitleOfTab(int tab) const {
  FreeLayoutDocument* doc = document();
  if (doc == nullptr) return {};
  const std::string key = TabKey(tab);
  for (const std::string& line : doc->PageLines(view_.section())) {
    if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 && line[key.size()] == '=') {
      return line.substr(key.size() + 1);
    }
  }
  return {};
}

void FreeLayoutCatalogueCommands::RenameTab() {
  FreeLayoutDocument* doc = document();
  FreeLayoutTabStrip& tabs = *window_.pageSide()->freeLayout().tabs;
  const int tab = tabs.currentIndex();
  if (doc == nullptr || tab < 0) return;
  QStringList captions = tabs.captions();
  TInputDlg dialog(QStringLiteral("名前の変更"), QStringLiteral("新しい名前を入力"), &window_);
  auto documents = ReadCatalogueDocuments(albumDir_, FreeLayoutWay::kByDate, std::nullopt, album_.fileStore());
  auto more = ReadCatalogueDocuments(albumDir_, FreeLayoutWay::kByAlbum, std::nullopt, album_.fileStore());
  documents.insert(documents.end(), more.begin(), more.end());
  dialog.SetText(captions[tab], ToQStringList(StripNumberSuffix(AllTabTitles(documents))));
  if (dialog.exec() != QDialog::Accepted) return;
  std::string name = ToStdString(dialog.text());
  if (ToQString(name) == captions[tab]) return;
  std::vector<std::string> others;
  for (int i = 0; i < captions.size(); ++i) {
    if (i != tab) others.push_back(ToStdString(captions[i]));
  }
  if (!name.empty()) name = FreeName(name, others);
  const std::string old = TitleOfTab(tab);
  if (Status titled = doc->SetTabTitle(view_.section(), tab, name); !titled.ok()) return Report(titled);
  // Only the caption changes: the tab's unsaved edits stay on the canvas.
  captions[tab] = name.empty() ? QString::number(tab + 1) : ToQString(name);
  tabs.SetCaptions(captions);
  tabs.SetCurrentIndex(tab);
  if (TreeShown() && !searchResult_) {
    UpdateTitleNodes(tree_->model(), way(), view_.section(), old, name);
    tree_->ShowModelAgain();
  }
}

void FreeLayoutCatalogueCommands::DeleteTab() {
  FreeLayoutDocument* doc = document();
  const int tab = window_.pageSide()->freeLayout().tabs->currentIndex();
  if (doc == nullptr || tab < 0) return;
  if (!Ask(QStringLiteral("タブの削除確認"), QStringLiteral("タブとその内容を削除してもよろしいですか？"))) return;
  const std::string page = view_.section();
  Result<TabSaveOutcome> saved = doc->SaveTab(page, tab, {});
  if (!saved.ok()) return Report(saved.status());
  view_.SetModified(false);
  if (doc->HasPage(page)) {
    view_.ReloadPage(tab);
  } else {
    ShowPageAfterRemoval(doc->PickFreeLayoutPage(""));
  }
  RebuildLater();
}

void FreeLayoutCatalogueCommands::MoveTabEarlier() {
  FreeLayoutDocument* doc = document();
  const PageSidePanel::FreeLayout& parts = window_.pageSide()->freeLayout();
  const int tab = parts.tabs->currentIndex();
  if (doc == nullptr || tab < 1 || parts.canvas->items().empty()) return;
  if (!view_.ConfirmSaveTab()) return;
  if (Status moved = doc->MoveTabEarlier(view_.section(), tab); !moved.ok()) return Report(moved);
  view_.ReloadPage(tab - 1);
  RebuildLater();
}

// ---- Page stepping and the way ----

void FreeLayoutCatalogueCommands::StepPage(bool next) {
  FreeLayoutDocument* doc = document();
  if (doc == nullptr || !view_.ConfirmSaveTab()) return;
  const std::optional<std::string> page = AdjacentPage(doc->PageNames(), view_.section(), next);
  if (page) OpenPage(0, *page, {});
}

void FreeLayoutCatalogueCommands::SwitchWay(bool byDate) {
  QAbstractButton* button = window_.pageSide()->toolbar().byDate;
  if (byDate == !byAlbum()) return;
  if (view_.active() && !view_.ConfirmSaveTab()) {
    const QSignalBlocker blocker(button);
    button->setChecked(!byDate);
    return;
  }
  window_.settings().freemode = !byDate;
  ShowWay();
  searchResult_ = false;
  view_.ApplySettings(window_.settings());
  if (view_.active() && byDate) view_.ShowSection(datePage_());
  RebuildLater();
}

// The button follows "freemode": down by date; its hint names the way.
void FreeLayoutCatalogueCommands::ShowWay() {
  QAbstractButton* button = window_.pageSide()->toolbar().byDate;
  {
    const QSignalBlocker blocker(button);
    button->setChecked(!byAlbum());
  }
  const QString hint = (byAlbum() ? QStringLiteral("アルバム名で管理") : QStringLiteral("日付で管理")) +
                       QString::fromUtf8(kWayHintRest);
  button->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
  button->setStatusTip(hint.section(QLatin1Char('|'), 1));
}

bool FreeLayoutCatalogueCommands::Ask(const QString& caption, const QString& text) const {
  return QMessageBox::question(&window_, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

void FreeLayoutCatalogueCommands::Report(const Status& status) const {
  QMessageBox::warning(&window_, QStringLiteral("フリー配置"), ToQString(status.message()));
}

}  // namespace lumidex
