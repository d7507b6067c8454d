// Help from where the user is: F1 in the main window opens the shipped help
// document at the topic of what is in front, F1 in a modal dialog at the
// dialog's topic, in a help window the user can still scroll while the
// dialog is up.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "mainwindow/ui/error_reporting_application.h"
#include "mainwindow/ui/help_window.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/toption_dlg.h"
#include "support/temp_home.h"

using namespace lumidex;

namespace {

// Runs `body` while `dialog` is shown modally with exec, then closes it.
void WhileModal(QDialog& dialog, const std::function<void()>& body) {
  QTimer::singleShot(0, &dialog, [&] {
    QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);
    body();
    dialog.reject();
  });
  dialog.exec();
}

// The help window shows `topic` of the real document: the view was scrolled
// down to the section whose heading is `heading`, which is at its top.
bool ShowsTopic(const HelpWindow* help, const QString& topic, const QString& heading) {
  if (!help || !help->isVisible() || help->topic() != topic) return false;
  const QTextBrowser* browser = help->browser();
  const QString top = browser->cursorForPosition(QPoint(8, 8)).block().text();
  if (!top.contains(heading)) qWarning() << "at the top:" << top;
  return browser->verticalScrollBar()->value() > 0 && top.contains(heading);
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    home_ = std::make_unique<testing::TempHome>();
    window_ = std::make_unique<TForm1>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void f1InTheMainWindowFollowsTheListAndWhatItHolds() {
    QWidget* list = window_->pageSide()->imageList();
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_F1);
    QVERIFY(ShowsTopic(window_->helpWindow(), QStringLiteral("GrpOnList"), QStringLiteral("ページのリスト")));

    window_->SetContainerOpen(true);  // a page is open in the list
    window_->activateWindow();
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_F1);
    QVERIFY(ShowsTopic(window_->helpWindow(), QStringLiteral("GrpOpen"), QStringLiteral("開いたページとサブアルバム")));

    // With the focus on a bar button, the open page is what is in front.
    window_->pageSide()->toolbar().back->setFocus();
    window_->HelpFile1Click();
    QCOMPARE(window_->helpWindow()->topic(), QStringLiteral("GrpOpen"));
  }

  void f1InAModalDialogShowsItsTopicInAHelpWindowOfTheDialog() {
    QDialog dialog(window_.get());
    dialog.setObjectName(QStringLiteral("AlbumDataDialog"));
    auto* edit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(edit);
    HelpWindow* help = nullptr;
    WhileModal(dialog, [&] {
      edit->setFocus();
      QTest::keyClick(edit, Qt::Key_F1);
      help = window_->helpWindow();
      QVERIFY(ShowsTopic(help, QStringLiteral("AlbumData"), QStringLiteral("アルバムデータのエクスポートとインポート")));
      QCOMPARE(help->parentWidget(), &dialog);
      // Input from the window system reaches it while the dialog is up: a
      // help window the dialog's modality blocked would stay open.
      QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
      QTRY_VERIFY(!help->isVisible());
      QVERIFY(dialog.isVisible());
    });
  }

  void f1InADialogWithAHelpButtonLetsTheDialogChooseItsTopic() {
    TOptionDlg dialog(Settings{}, OptionContext{}, window_.get());
    connect(&dialog, &TOptionDlg::helpRequested, window_.get(), &TForm1::ShowHelp);
    WhileModal(dialog, [&] {
      dialog.tabs()->setCurrentIndex(3);
      QTest::keyClick(dialog.tabs()->currentWidget(), Qt::Key_F1);
      QVERIFY(ShowsTopic(window_->helpWindow(), QStringLiteral("Option-Free"), QStringLiteral("オプション － フリー配置")));
    });
  }

 private:
  std::unique_ptr<testing::TempHome> home_;
  std::unique_ptr<TForm1> window_;
};

int main(int argc, char** argv) {
  ErrorReportingApplication app(argc, argv);
  HelpTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "help_test.moc"
