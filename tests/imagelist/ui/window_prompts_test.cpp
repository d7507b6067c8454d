#include "imagelist/ui/window_prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "imagelist/ui/memo_panel.h"
#include "imagelist/ui/tsub_album_inp_dlg.h"

namespace lumidex {

class WindowPromptsTest : public QObject {
  Q_OBJECT

 private:
  // Runs `answer` on the next modal window once it is shown.
  void WhenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(this);
    poll->setInterval(10);
    connect(poll, &QTimer::timeout, this, [poll, answer] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        poll->stop();
        poll->deleteLater();
        answer(modal);
      }
    });
    poll->start();
  }

 private slots:
  void ConfirmShowsTheCaptionAndMessageAndAnswersYes() {
    QWidget parent;
    WindowPrompts prompts(&parent, QString());
    QString caption, text;
    WhenModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box != nullptr);
      caption = box->windowTitle();
      text = box->text();
      box->button(QMessageBox::Yes)->click();
    });
    QVERIFY(prompts.Confirm("アルバムから画像を削除してもよろしいですか？", "画像の削除確認"));
    QCOMPARE(caption, QStringLiteral("画像の削除確認"));
    QCOMPARE(text, QStringLiteral("アルバムから画像を削除してもよろしいですか？"));
  }

  void ConfirmAnsweredNoIsFalse() {
    QWidget parent;
    WindowPrompts prompts(&parent, QString());
    WhenModal([](QWidget* modal) {
      qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click();
    });
    QVERIFY(!prompts.Confirm("q", "c"));
  }

  void AskNameOffersTheChoicesAndReturnsTheTypedName() {
    QWidget parent;
    WindowPrompts prompts(&parent, QString());
    QStringList offered;
    QString title;
    WhenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<TSubAlbumInpDlg*>(modal);
      QVERIFY(dialog != nullptr);
      title = dialog->windowTitle();
      for (int i = 0; i < dialog->nameBox()->count(); ++i) offered << dialog->nameBox()->itemText(i);
      dialog->SetText(QStringLiteral("運動会"));
      dialog->okButton()->click();
    });
    const auto name = prompts.AskName({"サブアルバムの作成", "サブアルバムの名前を入力", "", {"旅行", "山"}});
    QCOMPARE(title, QStringLiteral("サブアルバムの作成"));
    QCOMPARE(offered, (QStringList{"旅行", "山"}));
    QVERIFY(name.has_value());
    QCOMPARE(*name, std::string("運動会"));
  }

  void AskNameCancelledGivesNothing() {
    QWidget parent;
    WindowPrompts prompts(&parent, QString());
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QVERIFY(!prompts.AskName({"名前の変更", "新しい名前を入力", "a", {}}).has_value());
  }

  void NameDialogEnablesOkOnlyForText() {
    TSubAlbumInpDlg dialog(QStringLiteral("名前の変更"), QStringLiteral("新しい名前を入力"));
    QVERIFY(!dialog.okButton()->isEnabled());
    dialog.SetText(QStringLiteral("x"));
    QVERIFY(dialog.okButton()->isEnabled());
    dialog.nameBox()->setEditText(QString());
    QVERIFY(!dialog.okButton()->isEnabled());
  }

  void UpdateButtonFillsTheChoicesAgainKeepingTheText() {
    TSubAlbumInpDlg dialog(QStringLiteral("c"), QStringLiteral("l"));
    dialog.SetChoices({"a"});
    int calls = 0;
    dialog.SetRefresh([&] {
      ++calls;
      return QStringList{"a", "b"};
    });
    dialog.SetText(QStringLiteral("typed"));
    dialog.updateButton()->click();
    QCOMPARE(calls, 1);
    QCOMPARE(dialog.nameBox()->count(), 2);
    QCOMPARE(dialog.Text(), QStringLiteral("typed"));
  }

  void MemoPanelShowsBreaksAndEnablesApplyOnEdit() {
    MemoPanel memo;
    memo.ShowComment(QStringLiteral("一･･二"));
    QCOMPARE(memo.Text(), QStringLiteral("一\n二"));
    QVERIFY(!memo.applyEnabled());
    QString applied;
    connect(&memo, &MemoPanel::applyRequested, this, [&](const QString& text) { applied = text; });
    memo.editor()->appendPlainText(QStringLiteral("三"));
    QVERIFY(memo.applyEnabled());
    memo.applyButton()->click();
    QCOMPARE(applied, QStringLiteral("一\n二\n三"));
    QVERIFY(!memo.applyEnabled());
  }
};

}  // namespace lumidex

QTEST_MAIN(lumidex::WindowPromptsTest)
#include "window_prompts_test.moc"
