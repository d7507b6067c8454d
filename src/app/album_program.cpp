#include "app/album_program.h"

#include <unistd.h>

#include <chrono>
#include <utility>

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>

#include "album/album_store.h"
#include "app/cache_option_commands.h"
#include "app/cache_space_text.h"
#include "app/second_start_channel.h"
#include "desktop/desktop_entry.h"
#include "foundation/app_environment.h"
#include "foundation/app_identity.h"
#include "foundation/pending_settings_import.h"
#include "foundation/settings_load_store.h"
#include "foundation/window_placement.h"
#include "freelayout/earlier_layout.h"
#include "freelayout/ui/free_layout_view.h"
#include "images/cache_commands.h"
#include "images/thumbnail_cache.h"
#include "images/thumbnail_maker.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/desktop_shortcut_commands.h"
#include "mainwindow/ui/error_reporting_application.h"
#include "mainwindow/ui/opened_files_commands.h"
#include "mainwindow/ui/page_lock_commands.h"
#include "mainwindow/ui/splash_screen.h"
#include "mainwindow/ui/status_area.h"
#include "mainwindow/ui/tday_chk_thread.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/version_box.h"
#include "mainwindow/ui/window_placement_bridge.h"
#include "platform/environment.h"
#include "platform/album_writer_lock.h"
#include "platform/single_instance_lock.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

void Warn(const std::string& text) {
  QMessageBox::warning(QApplication::activeWindow(), ToQString(kAppTitle), ToQString(text));
}

constexpr std::string_view kAlbumBusyMessage =
    "lumidex-cli がアルバムを変更中のため、起動できません。終わってからもう一度起動してください。";

// Follows "は実行中です。" when the second copy was given files that the
// running window did not take.
constexpr std::string_view kOpenedFilesNotHandedOver =
    "\n指定されたファイルは登録されていません。実行中のウィンドウのカレンダーの日付にドロップして登録して下さい。";

// How long a later start waits for the running window to take its files
// before it shows its message instead: long enough for a window that is
// busy for a moment (a loaded machine, a short command) to answer.
constexpr int kHandOverTimeoutMs = 5000;

// While the window is busy (a modal dialog, a running command, the picture
// editor), files handed over by a later start wait and are tried again
// after this many milliseconds.
constexpr int kHandedFilesRetryMs = 300;

// How often the disk indicator is brought up to date, in milliseconds.
constexpr int kCacheSpaceInterval = 2000;

// The size the page covers are rendered at for the day cells: larger than a
// cell of the first window size, so that the cells shrink them as they fit.
constexpr int kCoverWidth = 120;
constexpr int kCoverHeight = 100;

}  // namespace

AlbumProgram::AlbumProgram()
    : baseFolder_(platform::ApplicationBaseFolder()),
      loginName_(platform::LoginName()),
      settingsStore_(SettingsFilePath(platform::SettingsFolder())) {}

AlbumProgram::~AlbumProgram() = default;

int AlbumProgram::Run(QApplication& app) {
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) openedFiles_.push_back(ToStdString(arguments[i]));
  switch (RunStart(*this)) {
    case StartResult::kAlreadyRunning: return 0;
    case StartResult::kFailed: return 1;
    case StartResult::kStarted: break;
  }
  window_->SetExitSteps(this);
  new SecondStartServer(platform::SingleInstanceLock::SocketNameFor(baseFolder_),
                        [this](std::vector<std::string> paths) { TakeHandedFiles(std::move(paths)); },
                        window_.get());
  if (!openedFiles_.empty()) {
    // Once the loop runs, so that the window is on screen with its progress.
    QTimer::singleShot(0, window_.get(), [this] {
      RegisterOpenedFiles(*window_, *album_, *views_, openedFiles_, ToStdString(QDir::currentPath()));
    });
  }
  const int code = app.exec();
  // The loop can also end without the window being closed (the session
  // ends); the album and the settings are saved all the same.
  if (!window_->exitRan()) RunExit(*this);
  // The documents are freed without saving: the exit already saved them.
  window_.reset();
  album_.reset();
  return code;
}

// ---- Start ----

bool AlbumProgram::AcquireSingleInstance() {
  lumidex::MakeFolders(platform::RuntimeFolder());
  lock_ = platform::SingleInstanceLock::TryAcquire(platform::SingleInstanceLock::LockFileFor(baseFolder_));
  return lock_ != nullptr;
}

// A later start hands its files (or, without files, only the request to
// come to the front) to the running window. Only when that window does not
// answer is the user told that it runs, and to drop the files on it.
void AlbumProgram::ReportAlreadyRunning() {
  std::vector<std::string> absolute;
  const QDir current = QDir::current();
  for (const std::string& file : openedFiles_) {
    absolute.push_back(ToStdString(QDir::cleanPath(current.absoluteFilePath(ToQString(file)))));
  }
  if (HandToRunningWindow(platform::SingleInstanceLock::SocketNameFor(baseFolder_), absolute,
                          kHandOverTimeoutMs)) {
    return;
  }
  std::string text = std::string(kAppTitle) + std::string(kAlreadyRunningSuffix);
  if (!openedFiles_.empty()) text += std::string(kOpenedFilesNotHandedOver);
  QMessageBox::information(nullptr, ToQString(kAppTitle), ToQString(text));
}

// The window comes to the front; the files are registered as those of a
// first start are, once no dialog or command holds the window.
void AlbumProgram::TakeHandedFiles(std::vector<std::string> paths) {
  if (window_->isMinimized()) window_->showNormal();
  window_->raise();
  window_->activateWindow();
  if (paths.empty()) return;
  handedFiles_.insert(handedFiles_.end(), paths.begin(), paths.end());
  RegisterHandedFiles();
}

void AlbumProgram::RegisterHandedFiles() {
  if (handedFiles_.empty()) return;
  const bool busy = QApplication::activeModalWidget() != nullptr || !window_->isEnabled() ||
                    !window_->menuBar()->isEnabled();
  if (busy) {
    if (!handedRetryPending_) {
      handedRetryPending_ = true;
      QTimer::singleShot(kHandedFilesRetryMs, window_.get(), [this] {
        handedRetryPending_ = false;
        RegisterHandedFiles();
      });
    }
    return;
  }
  const std::vector<std::string> files = std::exchange(handedFiles_, {});
  RegisterOpenedFiles(*window_, *album_, *views_, files, "/");
}

void AlbumProgram::ImportPendingSettings() {
  for (const std::string& message : lumidex::ImportPendingSettings(settingsStore_).messages) Warn(message);
}

void AlbumProgram::SetDefaults() { window_ = std::make_unique<TForm1>(); }

void AlbumProgram::MakeFolders() { DataFolders::ForBase(baseFolder_, loginName_).CreateAll(); }

// The stand-in of the administrator check: the user's album must be writable.
void AlbumProgram::CheckDataFolderWritable() {
  const DataFolders folders = DataFolders::ForBase(baseFolder_, loginName_);
  if (access(folders.userDir.c_str(), W_OK) != 0) {
    Warn(std::string(kAppTitle) + std::string(kNotAdministratorSuffix));
  }
}

void AlbumProgram::ShowSplash() {
  splash_ = std::make_unique<SplashScreen>();
  splash_->show();
  QApplication::processEvents();
}

// The window holds the album writer lock for its whole run, so no command
// changes the album behind its back. A command that is writing is waited for
// a little; the start fails when it goes on longer.
Status AlbumProgram::AcquireAlbumLock() {
  platform::AlbumWriterLock::Wait wait;
  wait.timeout = std::chrono::seconds(10);
  auto attempt = platform::AlbumWriterLock::Acquire(baseFolder_, platform::AlbumWriterLock::Role::kWindow, wait);
  switch (attempt.outcome) {
    case platform::AlbumWriterLock::Outcome::kAcquired: break;
    case platform::AlbumWriterLock::Outcome::kUnavailable:
      // An album folder that cannot hold the lock file cannot be saved to
      // either; the window still shows it.
      return Status::Ok();
    case platform::AlbumWriterLock::Outcome::kWindowRunning:
    case platform::AlbumWriterLock::Outcome::kTimedOut:
      return Status::Error(std::string(kAlbumBusyMessage));
  }
  albumLock_ = std::move(attempt.lock);
  albumLock_->RemoveLeftoversOfKilledSaves(DataFolders::ForBase(baseFolder_, loginName_),
                                           platform::SettingsFolder());
  return Status::Ok();
}

Status AlbumProgram::OpenDocuments() {
  if (Status s = AcquireAlbumLock(); !s.ok()) return s;
  // A page index or lock list that cannot be read stands empty and is never
  // saved; the window runs on and says why.
  auto environment = AppEnvironment::Open(baseFolder_, loginName_, AppEnvironment::Unreadable::kStandEmpty);
  if (!environment.ok()) return environment.status();
  window_->SetEnvironment(std::move(environment).value());
  AppEnvironment& env = window_->environment();
  startProblems_ = env.problems;
  ImageContext cellContext;
  cellContext.types = &env.types;
  album_ = std::make_unique<AlbumStore>(
      env.folders, env.types, *env.pageIndex, *env.lockList, RealFileStore(),
      CellThumbnailRenderer(kCoverWidth, kCoverHeight, cellContext));
  Result<std::vector<std::string>> restored = album_->RestoreMissingPages();
  if (!restored.ok()) {
    startProblems_.push_back(restored.status().message());
  } else if (!restored.value().empty()) {
    restoredPagesNote_ = RestoredPagesMessage(restored.value());
  }
  return Status::Ok();
}

void AlbumProgram::LoadSettings() {
  AppEnvironment& env = window_->environment();
  SettingsLoadResult loaded = lumidex::LoadSettings(settingsStore_, env.folders, env.types);
  window_->settings() = std::move(loaded.settings);
  settingsProblems_ = std::move(loaded.problems);
  if (!loaded.status.ok()) Warn(loaded.status.message());
  // The very first start rewrites free layout documents of the earlier
  // layout once; a document it cannot read is named and left alone.
  if (loaded.firstStart) {
    for (const std::string& problem : ConvertEarlierLayout(env.folders.albumDir).problems) Warn(problem);
  }
}

void AlbumProgram::OpenCache() {
  cache_ = std::make_unique<ThumbnailCache>(window_->environment().folders.cacheDir, window_->settings().hdd);
  cache_->Recount();
  ShowCacheSpace();
}

void AlbumProgram::ShowCacheSpace() {
  window_->statusArea()->SetIndicatorText(0, ToQString(CacheSpaceText(*cache_, false)),
                                          ToQString(CacheSpaceText(*cache_, true)) +
                                              QStringLiteral("|空き領域とディスクキャッシュのサイズ"));
}

// Also follows the option dialog: its cache commands work on this cache, and
// a new cache folder or cache use opens the cache again.
void AlbumProgram::MeasureCache() {
  OpenCache();
  QObject::connect(window_.get(), &TForm1::optionDialogOpened,
                   [this](TOptionDlg& dialog) { new CacheOptionCommands(dialog, *window_, *cache_); });
  QObject::connect(window_.get(), &TForm1::optionsApplied, [this](const OptionEffects& effects) {
    if (effects.cacheFolderChanged || effects.cacheUseChanged) OpenCache();
  });
}

void AlbumProgram::ApplyColourScheme() { window_->ApplyColourScheme(window_->settings().clrNo); }

// Shows today's month: its month build runs the year switch, which opens
// the year's documents and builds the page summaries and the page list.
void AlbumProgram::ShowFirstMonth() {
  views_ = new AlbumViews(*window_, *album_, cache_.get());
  new PageLockCommands(*window_, *album_, views_->imageList());
  const MainMenuItems& menu = window_->mainMenu();
  new DesktopShortcutCommands(
      *menu.tools, *window_, RealFileStore(),
      UserDesktopEntryPath(ToStdString(qEnvironmentVariable("XDG_DATA_HOME")), ToStdString(QDir::homePath())),
      platform::RunningProgram());
  AddVersionInformationItem(*menu.help, *window_);
  views_->ShowFirstMonth();
}

// The three timers are created with the window and started by the views
// that drive them. The disk indicator follows the cache, which the list's
// thumbnails fill while the window runs, and the free space, which other
// programs change.
void AlbumProgram::StartWorkers() {
  cacheSpaceTimer_ = new QTimer(window_.get());
  cacheSpaceTimer_->setInterval(kCacheSpaceInterval);
  QObject::connect(cacheSpaceTimer_, &QTimer::timeout, [this] { ShowCacheSpace(); });
  cacheSpaceTimer_->start();
  dayWatcher_ = new TDayChkThread(*window_, views_->calendar());
  dayWatcher_->SetUnsavedTest([this] { return views_->HasUnsavedChanges(); });
  dayWatcher_->Start();
}

// The window comes back where the last run left it.
void AlbumProgram::RemoveSplash() {
  ShowAtPlacement(*window_, LoadWindowPlacement(settingsStore_));
  if (splash_) splash_->finish(window_.get());
  splash_.reset();
}

void AlbumProgram::ReportSettingsProblems() {
  for (const std::string& problem : startProblems_) Warn(problem);
  if (!settingsProblems_.empty()) Warn(SettingsProblemMessage(settingsProblems_));
  if (!restoredPagesNote_.empty()) window_->statusBar()->showMessage(ToQString(restoredPagesNote_));
}

void AlbumProgram::ReportStartError(const Status& status) {
  ErrorReportingApplication::ShowErrorBox(status.message());
}

// ---- Exit ----

// The free layout's save question while its view is shown: Cancel refuses the close.
bool AlbumProgram::ConfirmFreeLayoutClose() {
  FreeLayoutView* shown = window_ ? window_->findChild<FreeLayoutView*>() : nullptr;
  return shown == nullptr || !shown->active() || shown->ConfirmSaveTab();
}

void AlbumProgram::CloseHelpWindow() { window_->CloseHelpWindow(); }

void AlbumProgram::CloseToolWindows() {}

void AlbumProgram::StopDayWatcher() {
  if (dayWatcher_ != nullptr) dayWatcher_->Stop();
}

bool AlbumProgram::DeleteCacheAtExit() const { return window_->settings().delhdd; }

void AlbumProgram::DeleteCacheFiles() {
  ThumbnailCache cache(window_->environment().folders.cacheDir, true);
  EmptyCache(cache, window_->longOperation());
}

void AlbumProgram::StopWorkers() {
  if (views_ != nullptr) views_->StopWorkers();
  if (cacheSpaceTimer_ != nullptr) cacheSpaceTimer_->stop();
  for (QTimer* timer : {window_->timer1(), window_->timer2(), window_->timer3()}) timer->stop();
}

Status AlbumProgram::SaveAlbum() { return album_ ? album_->Close() : Status::Ok(); }

Status AlbumProgram::StoreSettings() {
  const Status placed = StoreWindowPlacement(settingsStore_, CapturedWindowPlacement(*window_));
  const Status stored = lumidex::StoreSettings(settingsStore_, window_->settings());
  return stored.ok() ? placed : stored;
}

void AlbumProgram::ReportError(const Status& status) { ErrorReportingApplication::ShowErrorBox(status.message()); }

}  // namespace lumidex
