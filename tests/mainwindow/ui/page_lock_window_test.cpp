// The page lock in the real window: the list's "ロックとアンロック" registers
// a password at the first use (stored at once), locks the selected page of
// the shown year, and unlocks it only with the right password; the password
// dialog masks its entry unless "文字" is ticked.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <memory>

#include "album/album_store.h"
#include "foundation/text_codec.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/page_lock_commands.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"
#include "pagelock/ui/password_dlg.h"

using namespace lumidex;

class PageLockWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(shown_.Open()); }
  void cleanup() { shown_.Close(); }

  void togglesTheLockOfTheSelectedPageWithThePassword() {
    auto* commands = new PageLockCommands(*shown_.window, *shown_.album->store, shown_.views->imageList());
    std::deque<std::optional<std::string>> answers = {"secret"};
    std::vector<PasswordQuestion> asked;
    commands->SetAsker([&](PasswordQuestion question, QWidget*) -> std::optional<std::string> {
      asked.push_back(question);
      if (answers.empty()) return std::nullopt;
      auto answer = answers.front();
      answers.pop_front();
      return answer;
    });
    QVERIFY(!commands->passwordAction()->isVisible());
    ImageListPanel& list = shown_.views->imageList();
    list.SelectRow(0);  // 08/20
    const std::string lockFile = shown_.album->home.path() + "/data/tester/daylc.ini";

    commands->lockAction()->trigger();
    QCOMPARE(lumidex::testing::ReadFile(lockFile), std::string("[LCK]\r\n2014/08/20=\r\n\r\n"));
    QVERIFY(shown_.album->store->IsPageLocked("2014", "08/20"));
    QVERIFY(!shown_.album->store->IsPageLocked("2013", "08/20"));
    // The password is in the settings file at once, scrambled.
    SettingsStore store(SettingsFilePath(shown_.album->home.path()));
    Result<std::string> stored = PagePassword::ReadStoredForm(store);
    QVERIFY(stored.ok());
    QCOMPARE(stored.value(), shown_.window->settings().listlck);
    QVERIFY(PagePassword(store, stored.value()).Matches("secret"));
    QVERIFY(lumidex::testing::ReadFile(store.path()).find("secret") == std::string::npos);

    // A wrong entry keeps the page locked; the right one unlocks it.
    answers = {"Secret"};
    commands->lockAction()->trigger();
    QVERIFY(shown_.album->store->IsPageLocked("2014", "08/20"));
    answers = {"secret"};
    commands->lockAction()->trigger();
    QVERIFY(!shown_.album->store->IsPageLocked("2014", "08/20"));
    QCOMPARE(asked, (std::vector<PasswordQuestion>{PasswordQuestion::kRegister, PasswordQuestion::kUnlock,
                                                   PasswordQuestion::kUnlock}));

    // The item is offered in the page list only; the password change once
    // a password is registered.
    emit list.popupMenu()->aboutToShow();
    QVERIFY(commands->lockAction()->isVisible());
    QVERIFY(shown_.album->store->OpenPage("08/20").ok());
    list.SyncWithStore();
    emit list.popupMenu()->aboutToShow();
    QVERIFY(!commands->lockAction()->isVisible());
    auto* tools = qobject_cast<QMenu*>(commands->passwordAction()->parent());
    QVERIFY(tools != nullptr);
    emit tools->aboutToShow();
    QVERIFY(commands->passwordAction()->isVisible());
  }

  void thePasswordDialogMasksItsEntryUnlessAsked() {
    TPasswordDlg dialog(PasswordQuestion::kRegister);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("パスワードの登録"));
    QCOMPARE(dialog.edit()->echoMode(), QLineEdit::Password);
    dialog.showCharacters()->setChecked(true);
    QCOMPARE(dialog.edit()->echoMode(), QLineEdit::Normal);
    dialog.showCharacters()->setChecked(false);
    QCOMPARE(dialog.edit()->echoMode(), QLineEdit::Password);
  }

 private:
  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(PageLockWindowTest)
#include "page_lock_window_test.moc"
