#include "mainwindow/ui/tform1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "foundation/app_identity.h"
#include "mainwindow/exit_sequence.h"
#include "mainwindow/help_topic.h"
#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/error_reporting_application.h"
#include "mainwindow/ui/help_window.h"
#include "mainwindow/ui/main_menu_bar.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/scheme_painter.h"
#include "mainwindow/ui/status_area.h"
#include "mainwindow/ui/toption_dlg.h"
#include "platform/environment.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// True when the focus widget is `view` or inside it.
bool HasFocusIn(const QWidget* view) {
  const QWidget* focus = QApplication::focusWidget();
  return view && focus && (focus == view || view->isAncestorOf(focus));
}

QString HelpDocumentPath() {
  return ToQString(platform::ShareFolder()) + QStringLiteral("/help/") +
         ToQString(kHelpDocumentName);
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), scheme_(&ColourSchemeFor(kDefaultScheme)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(kAppTitle));
  helpDesk_ = new HelpDesk(*this, HelpDocumentPath(), [this] { HelpFile1Click(); });
  BuildMenu();
  setCentralWidget(BuildCentre());
  setStatusBar(new QStatusBar(this));
  statusArea_ = new StatusArea(statusBar(), centralWidget());
  centralWidget()->layout()->addWidget(statusArea_);
  BuildTimers();

  // Resizable, as the calendar and the lists lay themselves out again; only
  // the height has a least value.
  setMinimumHeight(kMinimumHeight);
  resize(kFirstWidth, kFirstHeight + menuBar()->sizeHint().height());
  ApplyColourScheme(settings_.clrNo);
}

TForm1::~TForm1() {
  // The regions read the environment (file types, settings), the image list
  // even from its decoding threads, while they are hidden and torn down: they
  // go first, while it still exists.
  delete centralWidget();
}

void TForm1::BuildMenu() {
  // The album's views and their commands connect the other items.
  mainMenu_ = BuildMainMenu(*menuBar());
  autoRegistration_ = mainMenu_.autoRegistration;
  print_ = mainMenu_.print;
  enlargedSave_ = {mainMenu_.enlargedSave, mainMenu_.enlargedFull, mainMenu_.enlargedView};
  connect(mainMenu_.exit, &QAction::triggered, this, &QWidget::close);
  connect(mainMenu_.helpFile, &QAction::triggered, this, &TForm1::HelpFile1Click);
}

QWidget* TForm1::BuildCentre() {
  auto* centre = new QWidget(this);
  centre->setObjectName(QStringLiteral("ClientPanel"));
  centre->setAutoFillBackground(true);
  QPalette white = centre->palette();
  white.setColor(QPalette::Window, Qt::white);
  centre->setPalette(white);
  auto* column = new QVBoxLayout(centre);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  calendarBar_ = new CalendarBar(centre);
  connect(calendarBar_->optionButton(), &QAbstractButton::clicked, this, &TForm1::OptionSpBtnClick);
  column->addWidget(calendarBar_);

  splitter_ = new QSplitter(Qt::Horizontal, centre);
  splitter_->setHandleWidth(3);
  splitter_->setChildrenCollapsible(false);

  auto* calendarSide = new QWidget(splitter_);
  calendarSide->setObjectName(QStringLiteral("CalendarSide"));
  auto* sideLayout = new QVBoxLayout(calendarSide);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  sideLayout->setSpacing(0);
  calendarGrid_ = new QWidget(calendarSide);
  calendarGrid_->setObjectName(QStringLiteral("StringGrid1"));
  sideLayout->addWidget(calendarGrid_, 1);
  pictureView_ = new PictureViewPanel(calendarSide);
  pictureView_->hide();
  pictureView_->installEventFilter(this);
  sideLayout->addWidget(pictureView_, 1);

  pageSide_ = new PageSidePanel(splitter_);
  splitter_->addWidget(calendarSide);
  splitter_->addWidget(pageSide_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 1);
  splitter_->handle(1)->setObjectName(QStringLiteral("Splitter2"));
  KeepSplitterMinimum();
  splitter_->setSizes({kFirstWidth * 4 / 7, kFirstWidth * 3 / 7});
  column->addWidget(splitter_, 1);
  return centre;
}

// Neither side is made narrower than the splitter's minimum; while the
// picture view is shown, the calendar side keeps the width its bar needs.
void TForm1::KeepSplitterMinimum() {
  QWidget* calendarSide = splitter_->widget(0);
  const int barWidth = pictureView_->isHidden() ? 0 : pictureView_->NeededBarWidth();
  calendarSide->setMinimumWidth(std::max(kSplitterMinimum, barWidth));
  pageSide_->setMinimumWidth(kSplitterMinimum);
}

void TForm1::SetPageSideWide(bool wide) {
  QWidget* calendarSide = splitter_->widget(0);
  if (wide) {
    if (!pageSideWide_) narrowSizes_ = splitter_->sizes();
    calendarGrid_->hide();
    pictureView_->hide();
    calendarSide->setMinimumWidth(kWideSplitterMinimum);
    const int pageWidth = width() - kWidePageSideMargin;
    splitter_->setSizes({splitter_->width() - splitter_->handleWidth() - pageWidth, pageWidth});
  } else {
    calendarGrid_->show();
    KeepSplitterMinimum();
    if (pageSideWide_) splitter_->setSizes(narrowSizes_);
  }
  pageSideWide_ = wide;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pictureView_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    KeepSplitterMinimum();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::BuildTimers() {
  auto make = [this](const char* name, int interval, bool singleShot) {
    auto* timer = new QTimer(this);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    return timer;
  };
  timer1_ = make("Timer1", 50, false);   // slide show clock
  timer2_ = make("Timer2", 100, false);  // image list drag and hover
  timer3_ = make("Timer3", 100, true);   // deferred free layout command, by its "tag"
  timer3_->setProperty("tag", 0);
}

void TForm1::SetEnvironment(std::unique_ptr<AppEnvironment> environment) {
  environment_ = std::move(environment);
}

void TForm1::PlaceCalendarGrid(QWidget* grid) {
  QWidget* placeholder = calendarGrid_;
  delete placeholder->parentWidget()->layout()->replaceWidget(placeholder, grid);
  grid->setObjectName(placeholder->objectName());
  grid->setVisible(!placeholder->isHidden());
  calendarGrid_ = grid;
  delete placeholder;
  Placed();
}

void TForm1::PlaceCalendarControls(QWidget* controls) {
  calendarBar_->PlaceControls(controls);
  Placed();
}

void TForm1::PlaceImageList(QWidget* list) {
  pageSide_->PlaceImageList(list);
  Placed();
}

void TForm1::Placed() { PaintSchemeColours(this, *scheme_); }

void TForm1::ApplyColourScheme(int n) {
  scheme_ = &ColourSchemeFor(n);
  calendarBar_->SetStrip(*scheme_);
  PaintSchemeColours(this, *scheme_);
  emit colourSchemeChanged();
}

void TForm1::ShowHelp(const QString& topic) {
  if (Status shown = helpDesk_->Show(topic); !shown.ok()) ReportError(shown);
}

void TForm1::CloseHelpWindow() {
  helpDesk_->CloseAll();
}

void TForm1::HelpFile1Click() {
  // F1 is an application shortcut: in a window of its own beside this one
  // (the album list, the floating detail list) that window's topic answers.
  if (QWidget* active = QApplication::activeWindow(); active && active != this) {
    if (const QString topic = HelpDesk::TopicOfWindow(active); !topic.isEmpty()) {
      ShowHelp(topic);
      return;
    }
  }
  HelpContext context;
  context.freeLayoutDown = pageSide_->toolbar().freeLayout->isChecked();
  // The start button reads "Stop" while a slide show runs.
  context.slideShowRunning = pictureView_->bar().start->text() == QStringLiteral("Stop");
  context.actualSizeShown = pictureView_->bar().actualSize->isChecked();
  context.pictureViewShown = pictureView_->isVisible();
  context.detailListShown = pageSide_->detailList()->isVisible();
  context.containerOpen = optionContext_.containerOpen;
  context.calendarHasFocus = HasFocusIn(calendarGrid_);
  context.imageListHasFocus = HasFocusIn(pageSide_->imageList());
  context.pictureViewHasFocus = HasFocusIn(pictureView_);
  context.detailListHasFocus = HasFocusIn(pageSide_->detailList());
  context.favouritesHaveFocus = HasFocusIn(pageSide_->favourites().panel);
  context.albumListHasFocus =
      albumListWindow_ && albumListWindow_->isVisible() && HasFocusIn(albumListWindow_);
  ShowHelp(ToQString(HelpTopicFor(context)));
}

void TForm1::OptionSpBtnClick() {
  OptionContext context = optionContext_;
  if (environment_) {
    context.cacheDir = environment_->folders.cacheDir;
    context.managedTypes = environment_->types.ManagedTypes();
  }
  TOptionDlg dialog(settings_, context, this);
  connect(&dialog, &TOptionDlg::helpRequested, this, &TForm1::ShowHelp);
  emit optionDialogOpened(dialog);
  if (dialog.exec() != QDialog::Accepted) return;

  const OptionTakeOver taken = TakeOverOptions(settings_, dialog.Edited(), context);
  settings_ = taken.settings;
  const OptionEffects& effects = taken.effects;
  if (environment_) {
    if (effects.cacheFolderChanged) environment_->folders.cacheDir = settings_.wdir;
    if (effects.managedTypesChanged) environment_->types.SetManagedTypes(settings_.extlist);
  }
  if (effects.schemeChanged) ApplyColourScheme(settings_.clrNo);
  emit optionsApplied(effects);
  // The other settings are taken even when the new cache folder could not
  // be made; the cache then stays where it was.
  if (!taken.status.ok()) ReportError(taken.status);
}

LongOperation& TForm1::longOperation() { return *statusArea_; }

void TForm1::ReportError(const Status& status) {
  ErrorReportingApplication::ShowErrorBox(status.message());
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (exited_) {
    event->accept();
    return;
  }
  if (exitSteps_) {
    if (!QueryClose(*exitSteps_)) {
      event->ignore();
      return;
    }
    RunExit(*exitSteps_);
  } else {
    CloseHelpWindow();
  }
  exited_ = true;
  event->accept();
}

}  // namespace lumidex
