#pragma once

#include <QString>
#include <QWidget>

#include "foundation/status.h"

class QTextBrowser;

namespace lumidex {

// The help viewer: one window of its own showing the help document shipped
// with the program, reused for every topic. Lives as long as the main
// window, which owns it; closing it (also with Escape) only hides it.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // `document` is the full path of the help document.
  explicit HelpWindow(QString document, QWidget* owner = nullptr);

  // Shows the document at the anchor named `topic` (at its start when
  // `topic` is empty) and brings the window to the front. Fails with
  // "ファイル %s は開けません" when the document cannot be read; the window
  // is then left as it was.
  Status ShowTopic(const QString& topic);

  // The topic shown last ("" for the start of the document).
  const QString& topic() const { return topic_; }
  QTextBrowser* browser() const { return browser_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const QString document_;
  QTextBrowser* browser_ = nullptr;
  QString topic_;
};

}  // namespace lumidex
