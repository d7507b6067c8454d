#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace lumidex {

// The application object of the window program. Every event and every slot
// runs below notify(), so an error that an operation raises and does not
// handle itself is caught here, before it reaches the event loop: the
// operation ends, the error is shown, and the window and the message loop go
// on as they were.
class ErrorReportingApplication : public QApplication {
 public:
  // Shows an error's text to the user.
  using Reporter = std::function<void(const std::string& errorText)>;

  ErrorReportingApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Replaces how errors are shown (tests record them instead).
  void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }

  // The default reporter: a message box with the application title as
  // caption, the error icon, an OK button and ErrorReportText of the text.
  static void ShowErrorBox(const std::string& errorText);

 private:
  Reporter reporter_;
};

}  // namespace lumidex
