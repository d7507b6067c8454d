#include "mainwindow/ui/album_views.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QTimer>

#include "album/album_store.h"
#include "calendar/cell_settings.h"
#include "calendar/general_holiday_file.h"
#include "calendar/ui/calendar_controller.h"
#include "calendar/year_list.h"
#include "filetools/folder_search.h"
#include "filetools/ui/registration_actions.h"
#include "freelayout/ui/free_layout_view.h"
#include "foundation/ini_line.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/window_prompts.h"
#include "imagelist/worker_clock.h"
#include "mainwindow/ui/after_first_paint.h"
#include "mainwindow/ui/album_backup_commands.h"
#include "mainwindow/ui/album_list_commands.h"
#include "mainwindow/ui/calendar_file_drop.h"
#include "mainwindow/ui/calendar_popup_menu.h"
#include "mainwindow/ui/command_lock.h"
#include "mainwindow/ui/desktop_background_commands.h"
#include "mainwindow/ui/detail_list_mode.h"
#include "mainwindow/ui/favourites_view.h"
#include "mainwindow/ui/file_tool_commands.h"
#include "mainwindow/ui/free_layout_mode.h"
#include "mainwindow/ui/free_layout_picture_editing.h"
#include "mainwindow/ui/holiday_commands.h"
#include "mainwindow/ui/item_status_panel.h"
#include "mainwindow/ui/list_file_drop.h"
#include "mainwindow/ui/list_menu_commands.h"
#include "mainwindow/ui/list_registration_commands.h"
#include "mainwindow/ui/main_menu_commands.h"
#include "mainwindow/ui/move_lock_commands.h"
#include "mainwindow/ui/multi_column_mode.h"
#include "mainwindow/ui/page_side_commands.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_edit_commands.h"
#include "mainwindow/ui/picture_views.h"
#include "mainwindow/ui/print_commands.h"
#include "mainwindow/ui/search_commands.h"
#include "mainwindow/ui/slide_show_view.h"
#include "mainwindow/ui/status_area.h"
#include "mainwindow/ui/tform1.h"
#include "platform/environment.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// The status bar panel that shows the day under the pointer and the entry
// the list works on.
constexpr int kItemPanel = 2;

ImageContext ListContext(const AppEnvironment& environment) {
  ImageContext context;
  context.types = &environment.types;
  return context;
}

// "mm/dd" of a "yyyy/mm/dd" date text, or "" for any other text.
std::string MonthDayOf(const QString& dateText) {
  const std::string text = ToStdString(dateText);
  return text.size() == 10 ? text.substr(5, 5) : std::string();
}

}  // namespace

AlbumViews::AlbumViews(TForm1& window, AlbumStore& album, ThumbnailCache* cache,
                       std::function<CalendarDate()> today)
    : QObject(&window),
      window_(window),
      album_(album),
      holidays_(window.environment().folders, RealFileStore()),
      pages_(album),
      yearSwitch_(album, [this] { AfterYearSwitch(); }),
      month_(holidays_, yearSwitch_, std::move(today)),
      prompts_(std::make_unique<WindowPrompts>(
          &window, ToQString(window.environment().folders.programDir + "sound/start.wav"))),
      operations_(album, *prompts_),
      registrationPrompts_(&window),
      registration_(album, window.environment().types, registrationPrompts_,
                    MakeFolderSearch(window.environment().types, false)) {
  // The holiday file shipped with the program is the user's first one;
  // without it the calendar shows the days of the years' own files.
  if (const Status installed =
          InstallGeneralHolidayFile(window.environment().folders, platform::ShareFolder());
      !installed.ok()) {
    TForm1::ReportError(installed);
  }

  controller_ = new CalendarController(month_, this);
  controller_->SetPageSource(&pages_);
  window_.PlaceCalendarGrid(controller_->grid());
  window_.PlaceCalendarControls(controller_->controls());

  list_ = new ImageListPanel(album_, operations_, cache, ListContext(window.environment()),
                             SteadyWorkerClock());
  list_->SetLongOperation(&window_.longOperation());
  window_.PlaceImageList(list_);
  new PageSideCommands(*window_.pageSide(), *list_, album_, this);
  new MultiColumnMode(window_, *list_, album_);
  pictureViews_ = new PictureViews(window_, *list_, album_);
  slideShow_ = new SlideShowView(window_, *list_, album_, *pictureViews_);
  freeLayout_ = new FreeLayoutMode(window_, *list_, album_, *controller_, cache);
  new MoveLockCommands(window_);
  detailList_ = new DetailListMode(window_, *list_, album_, *controller_, *prompts_, cache);
  new FavouritesView(window_, *list_, album_, *controller_, *prompts_);
  auto* search = new SearchCommands(window_, *list_, album_, *prompts_);
  albumList_ = new AlbumListCommands(window_, *list_, album_, *controller_, *prompts_, *search);
  albumList_->SetThumbnailCache(cache);
  connect(albumList_, &AlbumListCommands::albumChanged, this, &AlbumViews::AfterYearSwitch);
  new PrintCommands(window_, *list_, album_, freeLayout_->view(), this);
  new HolidayCommands(window_, *controller_, this);
  new DesktopBackgroundCommands(window_, *list_, this);
  registrationContext_ = std::make_unique<RegistrationContext>(RegistrationContext{
      &window_, album_, window.environment().types, window_.settings(), window_.longOperation(),
      registration_,
      [this](const QString& text) { window_.statusArea()->SetIndicatorText(kItemPanel, text); },
      [this](const QString& topic) { window_.ShowHelp(topic); }});
  dayMenu_ =
      new CalendarPopupMenu(window_, album_, *list_, *registrationContext_, controller_->grid());
  fileDrop_ = new CalendarFileDrop(
      *controller_->grid(), month_, album_, registration_,
      [this](const Status& status) { AfterRegistration(status); }, this);
  listDrop_ = new ListFileDrop(
      *list_, album_, registration_, [this](const Status& status) { AfterRegistration(status); },
      this);
  listCommands_ = new ListRegistrationCommands(
      window_, *list_, album_, *registrationContext_,
      [this](const Status& status) { AfterRegistration(status); }, this);
  connect(window_.autoRegistrationAction(), &QAction::triggered, this,
          &AlbumViews::RunAutoRegistration);
  auto* fileTools = new FileToolCommands(
      window_, *list_, album_,
      [this] {
        if (const Status s = album_.SwitchYear(album_.loadedYear(), true); !s.ok()) {
          ReportError(ToQString(s.message()));
        }
        AfterYearSwitch();
      },
      [this] { return freeLayout_->view().ConfirmSaveTab(); }, this);
  new AlbumBackupCommands(
      window_, album_, *controller_, [this] { return freeLayout_->view().ConfirmSaveTab(); }, this);
  new MainMenuCommands(window_, *list_, album_, freeLayout_->view(), detailList_->panel(), *albumList_,
                       *pictureViews_);
  auto* pictureEdit = new PictureEditCommands(window_, *list_, album_, *pictureViews_, cache, this);
  ConnectFreeLayoutPictureEditing(freeLayout_->view(), *pictureEdit);
  new ListMenuCommands(
      window_, *list_, album_, cache, [this](const std::string& date) { albumList_->ShowPageUse(date); }, this);
  connect(dayMenu_, &CalendarPopupMenu::propertiesRequested, albumList_,
          [this](const QString& date) { albumList_->ShowPageUse(ToStdString(date)); });
  connect(dayMenu_, &CalendarPopupMenu::fileDatesRequested, fileTools,
          [fileTools](const QString& date) { fileTools->SetPageFileDatesCommand(ToStdString(date)); });

  ApplySettings();
  ApplyScheme();
  ConnectCalendar();
  ConnectImageList();
  connect(&window_, &TForm1::colourSchemeChanged, this, &AlbumViews::ApplyScheme);
  connect(&window_, &TForm1::optionsApplied, this, [this] { ApplySettings(); });
  window_.installEventFilter(this);
}

// The controller refers to the calendar members, which go before the
// QObject base would delete it.
AlbumViews::~AlbumViews() { delete controller_; }

void AlbumViews::ConnectCalendar() {
  StatusArea* status = window_.statusArea();
  itemPanel_ = new ItemStatusPanel(
      *status, *list_, [this] { controller_->ReportDayStatus(); }, this);
  connect(controller_, &CalendarController::dayLineChanged, status, &StatusArea::SetDayLine);
  connect(controller_, &CalendarController::dayStatusChanged, itemPanel_,
          &ItemStatusPanel::ShowDay);
  connect(controller_, &CalendarController::errorRaised, this, &AlbumViews::ReportError);
  connect(controller_, &CalendarController::daySelected, this, &AlbumViews::SelectDayInPageList);
  connect(controller_, &CalendarController::dayDoubleClicked, this, &AlbumViews::OpenDayPage);
  CalendarGrid* grid = controller_->grid();
  grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid, &QWidget::customContextMenuRequested, this, &AlbumViews::ShowDayMenu);
  connect(dayMenu_, &CalendarPopupMenu::pagesChanged, controller_,
          &CalendarController::PagesChanged);
  connect(dayMenu_, &CalendarPopupMenu::pagesChanged, itemPanel_, &ItemStatusPanel::Refresh);
  connect(dayMenu_, &CalendarPopupMenu::filesAdded, this,
          [this] { AfterRegistration(Status::Ok()); });
}

void AlbumViews::ConnectImageList() {
  connect(list_, &ImageListPanel::pageClicked, this, &AlbumViews::ShowDayOfPage);
  // "この日に移動": the day of the open page, or of the page selected in the
  // page list.
  connect(window_.pageSide()->bottomBar().goToDay, &QAbstractButton::clicked, this, [this] {
    if (album_.PageOpen()) {
      ShowDayOfPage(ToQString(album_.openPage()));
    } else if (const QVector<int> rows = list_->view()->SelectedRows();
               !rows.isEmpty() && list_->list().mode() == ListMode::kPageList) {
      ShowDayOfPage(ToQString(list_->list().entries().NameAt(rows.front())));
    }
  });
  connect(list_, &ImageListPanel::statusText, itemPanel_, &ItemStatusPanel::ShowEntry);
  // "スライドタイプのリストに追加" of the day menu and of the page list.
  connect(dayMenu_, &CalendarPopupMenu::dayListAddition, this,
          [this](const QString& date) { slideShow_->AddToDayList(ToStdString(date)); });
  connect(list_->popupMenu()->dayListAction(), &QAction::triggered, this, [this] {
    const QVector<int> rows = list_->view()->SelectedRows();
    if (rows.isEmpty() || list_->list().mode() != ListMode::kPageList) return;
    slideShow_->AddToDayList(album_.loadedYear() + "/" + std::string(list_->list().entries().NameAt(rows.front())));
  });
  connect(list_, &ImageListPanel::operationFailed, this, &AlbumViews::ReportError);
  // Pages created, filled, renamed or deleted through the list change what
  // the day cells draw.
  connect(list_, &ImageListPanel::contentChanged, this, [this] {
    window_.SetContainerOpen(album_.PageOpen());
    controller_->PagesChanged();
    itemPanel_->Refresh();
  });
}

void AlbumViews::ApplySettings() {
  const Settings& settings = window_.settings();
  controller_->SetCellSettings(CellSettings{settings.holSw, settings.monday, settings.dayshadow,
                                            LineStyleFromSetting(settings.linestyle),
                                            settings.alfha});
  controller_->SetWeekdayNames(settings.langfrg);
  list_->ApplySettings(settings);
}

void AlbumViews::ApplyScheme() {
  const ColourScheme& scheme = window_.scheme();
  // The caption and the year list on the light colour with the bottom bar's
  // colour as text; the today panel the other way round, lettered in the
  // accent.
  controller_->SetSchemeColours(
      CalendarSchemeColours{scheme.light, scheme.Row(35), scheme.accentColour()});
  ListLook look;
  look.light = scheme.light;
  look.band16 = scheme.band(1);
  look.paleAccent = scheme.paleAccent();
  look.paleBand = scheme.paleBand();
  look.accent = scheme.accentColour();
  list_->SetColours(look);
}

void AlbumViews::ShowFirstMonth() {
  controller_->BuildMonth(false);
  controller_->EnablePainting();
  list_->StartWorker();
  // What the first paint does not need follows it: the year list, whose
  // items show only when it drops down (which fills it again), and keeping
  // the summaries of the year documents read so far for the next start
  // (a summary file that cannot be written only costs that start reads).
  AfterFirstPaint::Run(controller_->grid(), [this] {
    controller_->SetYearListProvider([this] { return YearListItems(); });
    (void)album_.StoreYearSummaries();
  });
  if (window_.isVisible() && !todaySelected_) {
    todaySelected_ = true;
    controller_->SelectDayCell(ToQString(month_.state().today));
  }
}

void AlbumViews::StopWorkers() { list_->StopWorker(); }

bool AlbumViews::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Show && !todaySelected_ &&
      !month_.state().paintingSuppressed) {
    todaySelected_ = true;
    controller_->SelectDayCell(ToQString(month_.state().today));
  }
  return QObject::eventFilter(watched, event);
}

bool AlbumViews::HasUnsavedChanges() const {
  return (album_.PageOpen() && album_.modified()) || (freeLayout_ != nullptr && freeLayout_->view().modified());
}

void AlbumViews::AfterYearSwitch() {
  // The switch left any open container: the list shows the new year's page
  // list.
  list_->ShowCurrent();
  window_.SetContainerOpen(album_.PageOpen());
  controller_->PagesChanged();
  if (freeLayout_ != nullptr) freeLayout_->YearChanged();
}

int AlbumViews::PageListRowOf(const QString& dateText) const {
  const std::string md = MonthDayOf(dateText);
  if (md.empty() || ToStdString(dateText).substr(0, 4) != album_.loadedYear()) return -1;
  const ImageList& list = list_->list();
  if (list.mode() != ListMode::kPageList) return -1;
  for (int row = 0; row < list.size(); ++row) {
    if (list.entries().NameAt(row) == md) return row;
  }
  return -1;
}

void AlbumViews::SelectDayInPageList(const QString& dateText) {
  if (selectionFromList_) return;
  if (const int row = PageListRowOf(dateText); row >= 0) list_->view()->SelectAndShow(row);
}

// Opens the page of the day as a double click on its page list row does,
// when the page has entries in the loaded year.
void AlbumViews::OpenDayPage(const QString& dateText) {
  const std::optional<DayPageView> page = pages_.PageOf(MonthDayOf(dateText));
  if (!page || !page->hasEntries) return;
  const int row = PageListRowOf(dateText);
  if (row < 0) return;
  list_->view()->SelectAndShow(row);
  list_->OpenRow(row);
}

void AlbumViews::ShowDayOfPage(const QString& page) {
  if (page.size() != 5 || album_.loadedYear().empty()) return;
  selectionFromList_ = true;
  controller_->ShowMonth(ToQString(album_.loadedYear()) + QLatin1Char('/') + page, true);
  selectionFromList_ = false;
}

void AlbumViews::ShowDayMenu(const QPoint& point) {
  CalendarGrid* grid = controller_->grid();
  const QPoint cell = grid->DayCellAt(point);
  if (cell.x() == 0) return;
  if (dayMenu_->PrepareFor(DateText(month_.CellDate(cell.y(), cell.x())))) {
    dayMenu_->popup(grid->mapToGlobal(point));
  }
}

void AlbumViews::AfterRegistration(const Status& status) {
  if (!status.ok()) ReportError(ToQString(status.message()));
  album_.RefreshPageList();
  list_->SyncWithStore();
  controller_->PagesChanged();
  itemPanel_->Refresh();
}

void AlbumViews::RunAutoRegistration() {
  {
    CommandLock lock(window_);
    if (!RunAutoRegisterCommand(*registrationContext_)) return;
  }
  AfterRegistration(Status::Ok());
}

void AlbumViews::ReportError(const QString& message) {
  TForm1::ReportError(Status::Error(ToStdString(message)));
}

std::vector<std::string> AlbumViews::YearListItems() const {
  std::optional<LoadedYearLines> loaded;
  if (album_.HasYear()) {
    loaded = LoadedYearLines{album_.loadedYear(), SplitLines(album_.yearDocument().ToText()),
                             SplitLines(album_.subAlbumDocument().ToText())};
  }
  // Documents whose files did not change since they were counted are not
  // read again; one the album cannot read as its text counts as it reads.
  const auto count = [this](const std::string& path) {
    Result<EntryLineCount> lines = album_.CountDocumentLines(path);
    if (lines.ok() || lines.status().isNotFound()) return lines.ok() ? lines.value() : EntryLineCount{};
    return CountDocumentLines(album_.fileStore(), path);
  };
  return BuildYearList(album_.folders().photoDir, count, loaded);
}

}  // namespace lumidex
