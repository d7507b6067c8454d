#include <QApplication>
#include <QClipboard>
#include <QtTest>
#include <memory>

#include "album/album_store.h"
#include "album/registration_prompts.h"
#include "filetools/folder_search.h"
#include "filetools/ui/clipboard_files.h"
#include "filetools/ui/registration_actions.h"
#include "foundation/app_environment.h"
#include "foundation/long_operation.h"
#include "foundation/settings.h"
#include "foundation/text_codec.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class NoPrompts : public RegistrationPrompts {
 public:
  ManagedTypeAnswer AskManagedType(const std::string&, const std::string&) override { return {}; }
  void Inform(const std::string&) override {}
};

class RegistrationActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void albumFiltersBecomeDialogFilters() {
    QCOMPARE(QtFileDialogFilter("JPEG (.jpg)|*.jpg;*.jpeg|GIF (gif)|*.gif"),
             QStringLiteral("JPEG (.jpg) (*.jpg *.jpeg);;GIF (gif) (*.gif)"));
  }

  void albumInformationCopiedOnTheClipboardPastesOntoAnotherPage() {
    testing::TempHome home;
    const std::string photo = home.path() + "/data/tester/photo/";
    testing::WriteFile(home.path() + "/data/tester/grp-list.ini",
                       EncodeAlbumFile("[DATA]\r\n03/15=.alb\r\n"));
    testing::WriteFile(photo + "2014.ini",
                       EncodeAlbumFile("[03/15]\r\n/p/a.jpg=思い出\r\n@03/15旅行=\r\n"));
    testing::WriteFile(photo + "2014S.ini", EncodeAlbumFile("[03/15旅行]\r\n/s/x.jpg=海\r\n"));
    auto opened = AppEnvironment::Open(home.path(), "tester");
    QVERIFY(opened.ok());
    std::unique_ptr<AppEnvironment> env = std::move(opened).value();
    AlbumStore store(env->folders, env->types, *env->pageIndex, *env->lockList);
    QVERIFY(store.SwitchYear("2014/01/01").ok());
    store.RebuildSummaries();
    NoPrompts prompts;
    SilentOperation progress;
    Settings settings;
    EntryRegistration registration(store, env->types, prompts, MakeFolderSearch(env->types, false));
    RegistrationContext context{nullptr,  store,        env->types, settings,
                                progress, registration, {},         {}};

    CopyAlbumInfoCommand(context, {0});
    QVERIFY(CanPaste(QApplication::clipboard()->mimeData()));
    PasteCommand(context, "04/01");
    QCOMPARE(store.yearDocument().SectionLines("04/01"),
             (std::vector<std::string>{"/p/a.jpg=思い出", "@04/01旅行="}));
    QCOMPARE(store.subAlbumDocument().SectionLines("04/01旅行"),
             (std::vector<std::string>{"/s/x.jpg=海"}));
  }
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::RegistrationActionsTest)
#include "registration_actions_test.moc"
