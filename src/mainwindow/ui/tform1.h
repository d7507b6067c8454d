#pragma once

#include <QMainWindow>
#include <QList>
#include <QPointer>
#include <memory>

#include "foundation/app_environment.h"
#include "foundation/settings.h"
#include "foundation/status.h"
#include "mainwindow/colour_scheme.h"
#include "mainwindow/option_steps.h"
#include "mainwindow/ui/help_desk.h"
#include "mainwindow/ui/help_window.h"
#include "mainwindow/ui/main_menu_bar.h"

class QAction;
class QSplitter;
class QTimer;

namespace lumidex {

class CalendarBar;
class ExitSteps;
class PageSidePanel;
class PictureViewPanel;
class StatusArea;
class TOptionDlg;
class LongOperation;

// The main window: the frame in which every view of the album lives and the
// one place where the user's gestures enter it. It holds the settings and
// the album environment for the run, the colour scheme, the abort flag with
// the progress bar, the help window and the three timers, and no album logic
// of its own.
//
// Regions, top to bottom and left to right: the calendar bar; the calendar
// side (the month grid `StringGrid1`, or the picture view `Panel12` in its
// place); the splitter `Splitter2`; the page side
// (`GrpPanel`); the bottom bar `Panel2` and the status bar `StatusBar1`.
// Each region creates its own controls and hands them out typed; the views
// other parts of the program build take the place of a placeholder through
// the Place functions. Nothing is looked up by name. Main thread only.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // The client size the window opens with, and its least height.
  static constexpr int kFirstWidth = 772;
  static constexpr int kFirstHeight = 499;
  static constexpr int kMinimumHeight = 381;
  // The least width the splitter leaves each side.
  static constexpr int kSplitterMinimum = 130;
  // In the multi-column list mode: the calendar side's least width, and how
  // much of the window's width the page side leaves to it.
  static constexpr int kWideSplitterMinimum = 30;
  static constexpr int kWidePageSideMargin = 40;

  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The settings for the run (defaults until the start loads them).
  Settings& settings() { return settings_; }

  // Hands the window the folders, file types and documents of the album.
  void SetEnvironment(std::unique_ptr<AppEnvironment> environment);
  // REQUIRES: SetEnvironment was called.
  AppEnvironment& environment() { return *environment_; }
  bool hasEnvironment() const { return environment_ != nullptr; }

  // The steps run when the window is asked to close; without them the window
  // simply closes. Not owned; must outlive the window's close.
  void SetExitSteps(ExitSteps* steps) { exitSteps_ = steps; }
  // True once the window closed and ran its exit steps.
  bool exitRan() const { return exited_; }

  // Put the album's views in the places of their placeholders: the month
  // grid `StringGrid1`, the calendar's bar controls `CalendarBarControls` and
  // the image list `ListView2`. Each view takes over its place's name and
  // visibility and is painted in the colour scheme; the window owns it from
  // then on.
  void PlaceCalendarGrid(QWidget* grid);
  void PlaceCalendarControls(QWidget* controls);
  void PlaceImageList(QWidget* list);

  // Applies colour scheme `n` ("clr-no"; outside 0-4 the default) to every
  // control at once and tells the views through colourSchemeChanged.
  void ApplyColourScheme(int n);
  const ColourScheme& scheme() const { return *scheme_; }

  // The regions of the multi-column list mode. With `wide`, the month grid
  // and the picture view region are hidden and the page side `GrpPanel`
  // takes the window's width less 40 pixels, the splitter leaving the
  // calendar side at least 30; otherwise the grid shows again and the page
  // side gets back the width it had before.
  void SetPageSideWide(bool wide);
  bool pageSideWide() const { return pageSideWide_; }

  // Shows the help document at `topic` in the help window (at its start when
  // `topic` is empty). A missing document is reported as an error.
  void ShowHelp(const QString& topic);
  // Closes the help window when it is open.
  void CloseHelpWindow();
  // The help window shown last (one of a modal dialog while it is up).
  HelpWindow* helpWindow() const { return helpDesk_->shown(); }
  HelpDesk& helpDesk() const { return *helpDesk_; }

  // The album list window while it is open (it may close and go first);
  // F1 asks for its topic when its list has the focus.
  void SetAlbumListWindow(QWidget* window) { albumListWindow_ = window; }

  // F1: the help topic of what is in front.
  void HelpFile1Click();
  // The "Option" button: the option dialog, taken over on OK.
  void OptionSpBtnClick();

  // The progress bar, "中止" and the abort flag, for long operations.
  LongOperation& longOperation();

  // The regions.
  CalendarBar* calendarBar() const { return calendarBar_; }
  // The month grid in its place (the placeholder until PlaceCalendarGrid).
  QWidget* calendarGrid() const { return calendarGrid_; }
  PictureViewPanel* pictureView() const { return pictureView_; }
  QSplitter* splitter() const { return splitter_; }
  PageSidePanel* pageSide() const { return pageSide_; }
  StatusArea* statusArea() const { return statusArea_; }
  // The menus and items of the main menu `MainMenu1`.
  const MainMenuItems& mainMenu() const { return mainMenu_; }
  // "ツール" -> "自動登録(&A)", run by the album's views.
  QAction* autoRegistrationAction() const { return autoRegistration_; }
  // "ファイル" -> "印刷(&P)" (`Print1`, Ctrl+P), run by the print commands.
  QAction* printAction() const { return print_; }
  // "ファイル" -> "拡大画像の保存" (`N27`), visible only while the actual-size
  // view is on, with "フルサイズ" (`ZoomGrpSaveMenu`) and "ビューサイズ" (`N92`).
  struct EnlargedSaveMenu {
    QAction* item = nullptr;
    QAction* fullSize = nullptr;
    QAction* viewSize = nullptr;
  };
  const EnlargedSaveMenu& enlargedSaveMenu() const { return enlargedSave_; }

  // Shows `status`'s message as an unhandled error is shown.
  static void ReportError(const Status& status);

  // What the option dialog's taking over depends on, kept up to date by the
  // image list.
  void SetLargePicturesShown(bool large) { optionContext_.largePicturesShown = large; }
  void SetContainerOpen(bool open) { optionContext_.containerOpen = open; }

  QTimer* timer1() const { return timer1_; }
  QTimer* timer2() const { return timer2_; }
  QTimer* timer3() const { return timer3_; }

 signals:
  // After ApplyColourScheme: both lists and the other views redraw.
  void colourSchemeChanged();
  // The option dialog is about to be shown: its owners connect what the
  // dialog offers (the disk cache commands).
  void optionDialogOpened(lumidex::TOptionDlg& dialog);
  // After the option dialog's OK: what the views have to redo.
  void optionsApplied(const lumidex::OptionEffects& effects);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  QWidget* BuildCentre();
  void BuildTimers();
  void KeepSplitterMinimum();
  // A view took a placeholder's place: it shows the scheme's colours.
  void Placed();

  Settings settings_;
  std::unique_ptr<AppEnvironment> environment_;
  const ColourScheme* scheme_;
  OptionContext optionContext_;
  ExitSteps* exitSteps_ = nullptr;
  bool exited_ = false;  // the exit ran; a second close does not run it again

  MainMenuItems mainMenu_;
  QAction* autoRegistration_ = nullptr;
  QAction* print_ = nullptr;
  EnlargedSaveMenu enlargedSave_;
  CalendarBar* calendarBar_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QWidget* calendarGrid_ = nullptr;
  PictureViewPanel* pictureView_ = nullptr;
  PageSidePanel* pageSide_ = nullptr;
  bool pageSideWide_ = false;
  QList<int> narrowSizes_;  // the splitter's sizes before the page side went wide
  StatusArea* statusArea_ = nullptr;
  HelpDesk* helpDesk_ = nullptr;
  QPointer<QWidget> albumListWindow_;
  QTimer* timer1_ = nullptr;
  QTimer* timer2_ = nullptr;
  QTimer* timer3_ = nullptr;
};

}  // namespace lumidex
