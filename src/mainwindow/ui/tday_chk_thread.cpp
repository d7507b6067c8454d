#include "mainwindow/ui/tday_chk_thread.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDBusConnection>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "calendar/ui/calendar_controller.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "imagelist/memory_load.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/status_area.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex {
namespace {

// The midnight timer fires this long after midnight, so that the clock
// surely reads the new day.
constexpr int kMidnightSlackMs = 200;
// The blinking mark of unsaved changes, in pixels.
constexpr int kMarkSize = 10;

// Whether `widget` takes typed text, so that Delete belongs to it.
bool IsTextInput(const QWidget* widget) {
  if (widget == nullptr) return false;
  if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
      qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)) {
    return true;
  }
  const auto* combo = qobject_cast<const QComboBox*>(widget);
  return combo != nullptr && combo->isEditable();
}

}  // namespace

TDayChkThread::TDayChkThread(TForm1& window, CalendarController& calendar, WallClock clock)
    : QObject(&window), window_(window), calendar_(calendar), watcher_(std::move(clock)) {
  setObjectName(QStringLiteral("TDayChkThread"));
  periodic_ = new QTimer(this);
  periodic_->setInterval(kInterval);
  connect(periodic_, &QTimer::timeout, this, &TDayChkThread::PeriodicCheck);
  midnight_ = new QTimer(this);
  midnight_->setSingleShot(true);
  midnight_->setTimerType(Qt::PreciseTimer);
  connect(midnight_, &QTimer::timeout, this, &TDayChkThread::CheckDate);
  // Without a system bus (a container, a test) the periodic check alone
  // catches a resume.
  QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.login1"),
                                       QStringLiteral("/org/freedesktop/login1"),
                                       QStringLiteral("org.freedesktop.login1.Manager"),
                                       QStringLiteral("PrepareForSleep"), this,
                                       SLOT(OnPrepareForSleep(bool)));
  window_.installEventFilter(this);
}

void TDayChkThread::Start() {
  if (stopped_) return;
  periodic_->start();
  ArmMidnight();
}

void TDayChkThread::Stop() {
  stopped_ = true;
  periodic_->stop();
  midnight_->stop();
}

bool TDayChkThread::running() const { return periodic_->isActive(); }

void TDayChkThread::PeriodicCheck() {
  const bool full = watcher_.Tick();
  ShowUnsaved(full);
  if (!full) return;
  CheckDate();
  ShowMemoryLoad();
}

void TDayChkThread::ShowUnsaved(bool blink) {
  auto* apply = qobject_cast<QToolButton*>(window_.pageSide()->toolbar().apply);
  if (apply == nullptr) return;
  const bool unsaved = unsaved_ && unsaved_();
  apply->setEnabled(unsaved);
  const Mark wanted = !unsaved ? Mark::kNone : (blink == (mark_ != Mark::kShown)) ? Mark::kShown : Mark::kBlank;
  if (wanted == mark_) return;
  mark_ = wanted;
  if (markIcon_.isNull()) {
    QPixmap dot(kMarkSize, kMarkSize);
    dot.fill(Qt::transparent);
    blankIcon_ = QIcon(dot);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0x30, 0x30));
    painter.drawEllipse(dot.rect().adjusted(1, 1, -1, -1));
    painter.end();
    markIcon_ = QIcon(dot);
  }
  // While changes are unsaved the mark stands beside the caption, on and
  // off; an empty picture of its size keeps the caption from moving.
  apply->setToolButtonStyle(unsaved ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextOnly);
  apply->setIconSize(QSize(kMarkSize, kMarkSize));
  apply->setIcon(mark_ == Mark::kShown ? markIcon_ : mark_ == Mark::kBlank ? blankIcon_ : QIcon());
}

void TDayChkThread::CheckDate() {
  if (stopped_) return;
  // The calendar reads the clock itself; the watcher only says when.
  if (watcher_.DateChanged()) calendar_.RefreshToday();
  ArmMidnight();
}

void TDayChkThread::ArmMidnight() {
  // At most a day and an hour (a daylight saving day) away: fits an int.
  midnight_->start(static_cast<int>(watcher_.UntilNextMidnight().count()) + kMidnightSlackMs);
}

void TDayChkThread::ShowMemoryLoad() {
  window_.statusArea()->SetIndicatorText(1, QStringLiteral("%1%").arg(SystemMemoryLoadPercent()));
}

void TDayChkThread::OnPrepareForSleep(bool sleeping) {
  if (!sleeping) CheckDate();
}

bool TDayChkThread::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::KeyPress && DeleteKeyPressed(event)) return true;
  return QObject::eventFilter(watched, event);
}

bool TDayChkThread::DeleteKeyPressed(QEvent* event) {
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Delete || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  if (QApplication::applicationState() != Qt::ApplicationActive) return false;
  if (QApplication::activeModalWidget() != nullptr) return false;
  QWidget* focus = QApplication::focusWidget();
  if (IsTextInput(focus)) return false;
  FreeLayoutCanvas* canvas = window_.findChild<FreeLayoutCanvas*>();
  if (canvas == nullptr || !canvas->isVisible() || focus == canvas || forwarding_) return false;
  // A press the canvas ignored comes back up to the window: it is not sent
  // again.
  forwarding_ = true;
  QKeyEvent forwarded(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QCoreApplication::sendEvent(canvas, &forwarded);
  forwarding_ = false;
  return true;
}

}  // namespace lumidex
