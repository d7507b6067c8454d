#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "foundation/status.h"

class QWidget;

namespace lumidex {

class HelpWindow;

// Where help is asked for and shown. Shows the help document at a topic in
// a help window, and answers F1 in the windows the main window's own F1
// does not reach.
//
// The help window normally belongs to the main window and is reused. While
// a modal dialog is up, every other window of the program is blocked from
// input, a help window of the main window included; the topic is then shown
// in a help window belonging to that dialog, which the user can scroll and
// which goes with the dialog.
//
// F1 in a modal dialog (or a message box over one) presses the dialog's own
// help button when it has one, so that the dialog chooses its topic (the
// option dialog's tab, the print dialog's form); else it shows the topic
// WindowHelpTopic gives for the dialog's class or object name, looking
// through the windows the dialog belongs to; reaching the main window, F1
// does what it does there.
//
// Main thread only. `mainWindow` must outlive this object.
class HelpDesk : public QObject {
  Q_OBJECT

 public:
  // `document` is the full path of the help document; `mainWindowF1` runs
  // the main window's F1. Installs itself as an event filter of the
  // application.
  HelpDesk(QWidget& mainWindow, QString document, std::function<void()> mainWindowF1);

  // Shows the document at `topic` ("" for its start) and brings the help
  // window to the front. Fails with "ファイル %s は開けません" when the
  // document cannot be read.
  Status Show(const QString& topic);
  // The help window shown last, while it exists.
  HelpWindow* shown() const { return shown_; }
  // Closes every help window (exit).
  void CloseAll();

  // F1 pressed in `window` (any window but the main window): presses its
  // help button or shows its topic, as above. False when nothing answers.
  bool HelpForWindow(QWidget* window);

  // The topic of `window` by its class or object name ("" when it has none
  // of its own); for tests and the main window's F1.
  static QString TopicOfWindow(const QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& mainWindow_;
  const QString document_;
  std::function<void()> mainWindowF1_;
  QPointer<HelpWindow> own_;    // the main window's help window
  QPointer<HelpWindow> shown_;  // the help window shown last
};

}  // namespace lumidex
