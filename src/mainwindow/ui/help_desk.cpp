#include "mainwindow/ui/help_desk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

#include "mainwindow/help_topic.h"
#include "mainwindow/ui/help_window.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

namespace {

// The dialog's own help button: a shown, enabled button of the dialog
// captioned "ヘルプ" or "Help".
QAbstractButton* HelpButtonOf(const QWidget* dialog) {
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
    if (button->window() != dialog || !button->isVisible() || !button->isEnabled()) continue;
    const QString caption = button->text().remove(QLatin1Char('&'));
    if (caption == QStringLiteral("ヘルプ") || caption == QStringLiteral("Help")) return button;
  }
  return nullptr;
}

// The window `window` belongs to: the window of its parent.
QWidget* OwnerWindow(const QWidget* window) {
  return window->parentWidget() ? window->parentWidget()->window() : nullptr;
}

}  // namespace

HelpDesk::HelpDesk(QWidget& mainWindow, QString document, std::function<void()> mainWindowF1)
    : QObject(&mainWindow), mainWindow_(mainWindow), document_(std::move(document)),
      mainWindowF1_(std::move(mainWindowF1)) {
  qApp->installEventFilter(this);
}

Status HelpDesk::Show(const QString& topic) {
  HelpWindow* window = nullptr;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != &mainWindow_ && !qobject_cast<HelpWindow*>(modal)) {
    window = modal->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) window = new HelpWindow(document_, modal);
  } else {
    if (!own_) own_ = new HelpWindow(document_, &mainWindow_);
    window = own_;
  }
  Status status = window->ShowTopic(topic);
  if (status.ok()) shown_ = window;
  return status;
}

void HelpDesk::CloseAll() {
  if (shown_) shown_->close();
  if (own_) own_->close();
}

QString HelpDesk::TopicOfWindow(const QWidget* window) {
  QString name = QString::fromLatin1(window->metaObject()->className());
  name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
  std::string_view topic = WindowHelpTopic(ToStdString(name));
  if (topic.empty()) topic = WindowHelpTopic(ToStdString(window->objectName()));
  return ToQString(topic);
}

bool HelpDesk::HelpForWindow(QWidget* window) {
  for (QWidget* w = window; w != nullptr; w = OwnerWindow(w)) {
    if (w == &mainWindow_) {
      mainWindowF1_();
      return true;
    }
    if (qobject_cast<HelpWindow*>(w)) return false;
    if (QAbstractButton* button = HelpButtonOf(w)) {
      button->click();
      return true;
    }
    if (const QString topic = TopicOfWindow(w); !topic.isEmpty()) {
      if (Status shown = Show(topic); !shown.ok()) TForm1::ReportError(shown);
      return true;
    }
  }
  return false;
}

// F1 reaches a window's widgets as a key press only where the main window's
// F1 (an application shortcut) does not act: in a modal dialog and the
// windows over it.
bool HelpDesk::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat()) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() == &mainWindow_) return false;
  if (!HelpForWindow(widget->window())) return false;
  key->accept();
  return true;
}

}  // namespace lumidex
