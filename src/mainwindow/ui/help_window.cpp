#include "mainwindow/ui/help_window.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "foundation/app_identity.h"
#include "foundation/file_store.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

HelpWindow::HelpWindow(QString document, QWidget* owner) : QWidget(owner, Qt::Window), document_(std::move(document)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(ToQString(kAppTitle) + QStringLiteral(" ヘルプ"));
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  // Wide enough for the pictures of the window at their own size.
  resize(820, 640);
}

// Escape, which the browser leaves alone, closes the window as it closes a
// dialog.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

Status HelpWindow::ShowTopic(const QString& topic) {
  const QFileInfo info(document_);
  if (!info.isFile() || !info.isReadable()) return Status::Error(CannotOpenMessage(ToStdString(document_)));
  QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
  if (!topic.isEmpty()) url.setFragment(topic);
  if (browser_->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment)) {
    if (topic.isEmpty()) {
      browser_->verticalScrollBar()->setValue(0);
    } else {
      browser_->scrollToAnchor(topic);
    }
  } else {
    browser_->setSource(url);
  }
  topic_ = topic;
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  return Status::Ok();
}

}  // namespace lumidex
