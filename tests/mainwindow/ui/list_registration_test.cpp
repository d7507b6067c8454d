// Registering, moving and copying entries from the image list of the real
// main window: the list's popup menu, its keys, the page side's arrows,
// files dropped on the list and the automatic registration of the tools
// menu, each checked in the album files on disk.
#include <utime.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDropEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <ctime>
#include <filesystem>
#include <memory>

#include "album/album_store.h"
#include "filetools/ui/clipboard_files.h"
#include "foundation/text_codec.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/calendar_popup_menu.h"
#include "mainwindow/ui/list_registration_commands.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"
#include "platform/ui/qt_bridge.h"

using namespace lumidex;

namespace {

constexpr CalendarDate kToday{2014, 8, 20};

// Runs `answer` on the modal dialog that the next command opens, once its
// event loop runs.
template <typename Dialog, typename Answer>
void AnswerNextDialog(Answer answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) qFatal("no modal dialog");
    answer(*dialog);
  });
}

}  // namespace

class ListRegistrationTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    album_ = std::make_unique<lumidex::testing::WindowTestAlbum>();
    photoDir_ = album_->env->folders.photoDir;
    indexPath_ = album_->env->folders.PageIndexPath();
    window_ = std::make_unique<TForm1>();
    window_->SetEnvironment(std::move(album_->env));
    views_ = new AlbumViews(*window_, *album_->store, nullptr, [] { return kToday; });
    views_->ShowFirstMonth();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QApplication::clipboard()->clear();
  }
  void cleanup() {
    window_.reset();
    album_.reset();
  }

  void filesChosenInTheDialogGoIntoTheOpenPageAndItsFile() {
    OpenPage("08/20");
    const std::string third = album_->Picture("c.jpg", 40);
    ListPopupMenu* menu = Menu();
    Prepared();
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("FileAddMenu2"))->isVisible());
    AnswerNextDialog<QFileDialog>([third](QFileDialog& dialog) {
      dialog.selectFile(ToQString(third));
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    menu->addFromDialogAction()->trigger();
    QCOMPARE(Store().Lines().back(), third + "=");
    QVERIFY(Section("2014", "08/20").find(third + "=") != std::string::npos);
    QCOMPARE(List().list().size(), 4);
    QCOMPARE(window_->settings().aDir, album_->home.Join("pics"));
  }

  void aFolderSearchFromThePageListFillsTheSelectedPage() {
    ShowAllPages();
    window_->settings().aDir = album_->home.Join("pics");
    SelectPage("08/21");
    QVERIFY(Prepared()->findChild<QAction*>(QStringLiteral("FileAddMenu2"))->isVisible());
    AnswerNextDialog<QDialog>([](QDialog& dialog) { dialog.accept(); });
    Menu()->addFromFolderAction()->trigger();
    QCOMPARE(ToQString(Section("2014", "08/21")),
             ToQString(album_->first + "=\r\n" + album_->second + "=\r\n"));
    QVERIFY(window_->menuBar()->isEnabled());  // the lock is gone
  }

  void theDayMenusFolderSearchLocksTheWindowWhileItRuns() {
    window_->settings().aDir = album_->home.Join("pics");
    CalendarPopupMenu& menu = views_->dayMenu();
    QVERIFY(menu.PrepareFor("2014/08/21"));
    bool lockedDuringSearch = false;
    AnswerNextDialog<QDialog>([this, &lockedDuringSearch](QDialog& dialog) {
      lockedDuringSearch = !window_->menuBar()->isEnabled();
      dialog.accept();
    });
    menu.findChild<QAction*>(QStringLiteral("FolderSearchMenu"))->trigger();
    QVERIFY(lockedDuringSearch);
    QVERIFY(window_->menuBar()->isEnabled());
    QCOMPARE(ToQString(Section("2014", "08/21")),
             ToQString(album_->first + "=\r\n" + album_->second + "=\r\n"));
  }

  void cutLinesInsertedAgainKeepTheirOrderAndTheSubAlbum() {
    OpenPage("08/20");
    List().view()->SelectRows({0, 2});
    QVERIFY(Prepared()->cutAction()->isEnabled());
    Menu()->cutAction()->trigger();
    QCOMPARE(Store().Lines(), std::vector<std::string>{album_->second + "="});
    List().view()->SelectRows({0});
    QVERIFY(Prepared()->insertAction()->isEnabled());
    Menu()->insertAction()->trigger();
    const std::vector<std::string> expected{album_->first + "=海",
                                            "@08/20旅行=", album_->second + "="};
    QCOMPARE(Store().Lines(), expected);
    QCOMPARE(List().view()->SelectedRows(), (QVector<int>{0, 1}));
    Button("SpeedButton28")->click();  // 適用
    QCOMPARE(ToQString(Section("2014", "08/20")),
             ToQString(album_->first + "=海\r\n@08/20旅行=\r\n" + album_->second + "=\r\n"));
    QVERIFY(SubAlbumText("2014").find("[08/20旅行]\r\n" + album_->first + "=") !=
            std::string::npos);
  }

  void theArrowsMoveTheSelectionAndSortingByNamePutsTheSubAlbumFirst() {
    OpenPage("08/20");
    QVERIFY(Button("SpeedButton15")->isVisible());
    List().list().EnsureItemData(1);
    const ALBDATA* record = List().list().entries().record(1);
    QVERIFY(record != nullptr);
    List().view()->SelectRows({1});
    Button("SpeedButton15")->click();  // ↑
    QCOMPARE(Store().Lines().front(), album_->second + "=");
    QCOMPARE(List().view()->SelectedRows(), QVector<int>{0});
    QCOMPARE(List().list().entries().record(0), record);  // the item moved with its data
    Button("SpeedButton15")->click();                     // the first line moves no further
    QCOMPARE(Store().Lines().front(), album_->second + "=");
    List().view()->SelectRows({1});
    Button("SpeedButton16")->click();  // ↓
    QCOMPARE(Store().Lines()[2], album_->first + "=海");
    QVERIFY(Prepared()->sortByNameAction()->isEnabled());
    Menu()->sortByNameAction()->trigger();
    const std::vector<std::string> sorted{"@08/20旅行=", album_->first + "=海",
                                          album_->second + "="};
    QCOMPARE(Store().Lines(), sorted);
    QCOMPARE(List().list().entries().lines(), sorted);
    Button("SpeedButton28")->click();
    QCOMPARE(ToQString(Section("2014", "08/20")),
             ToQString("@08/20旅行=\r\n" + album_->first + "=海\r\n" + album_->second + "=\r\n"));
    Button("SpeedButton14")->click();  // 戻る
    QVERIFY(!Button("SpeedButton15")->isVisible());
  }

  void copyAndPasteKeysCarryAFileToAnotherPage() {
    OpenPage("08/20");
    List().view()->SelectRows({0});
    QTest::keyClick(List().view(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ReadPastedLines(QApplication::clipboard()->mimeData()).lines,
             std::vector<std::string>{album_->first});
    QCOMPARE(views_->listCommands().copiedComments(), album_->first + "=海");
    Button("SpeedButton14")->click();
    ShowAllPages();
    SelectPage("08/21");
    QTest::keyClick(List().view(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ToQString(Section("2014", "08/21")), ToQString(album_->first + "=\r\n"));
    QCOMPARE(Store().FindSummary("08/21")->imageCount, 1);
  }

  void albumInformationCopiedFromAPagePastesWithCommentsAndSubAlbum() {
    SelectPage("08/20");
    QVERIFY(Prepared()->copyAlbumInfoAction()->isEnabled());
    Menu()->copyAlbumInfoAction()->trigger();
    ShowAllPages();
    SelectPage("08/21");
    QVERIFY(Prepared()->pasteAction()->isEnabled());
    QVERIFY(!Menu()->findChild<QAction*>(QStringLiteral("ArrangeMenu"))->isVisible());
    Menu()->pasteAction()->trigger();
    const std::string pasted = Section("2014", "08/21");
    QVERIFY2(pasted.find(album_->first + "=海\r\n") != std::string::npos, pasted.c_str());
    QVERIFY2(pasted.find("@08/21旅行=\r\n") != std::string::npos, pasted.c_str());
    QVERIFY(SubAlbumText("2014").find("[08/21旅行]\r\n" + album_->first + "=") !=
            std::string::npos);
    // The source page keeps everything.
    QVERIFY(Section("2014", "08/20").find(album_->first + "=海") != std::string::npos);
  }

  void filesDroppedOnAPageRowGoToThatPageAndAnEmptySpotTakesNone() {
    const std::string third = album_->Picture("c.jpg", 40);
    ShowAllPages();
    const QRect row = List().view()->visualRect(List().view()->model()->index(RowOf("08/21"), 0));
    Drop({third}, row.center());
    QCOMPARE(ToQString(Section("2014", "08/21")), ToQString(third + "=\r\n"));
    const std::string fourth = album_->Picture("d.jpg", 80);
    Drop({fourth}, QPoint(5, List().view()->viewport()->height() - 5));
    QVERIFY(Section("2014", "08/20").find(fourth) == std::string::npos);
    QVERIFY(Section("2014", "08/21").find(fourth) == std::string::npos);
  }

  void filesDroppedOnTheOpenPageAreAppended() {
    OpenPage("08/20");
    const std::string third = album_->Picture("c.jpg", 40);
    QVERIFY(List().view()->viewport()->acceptDrops());  // also for the list's own drags
    Drop({third}, QPoint(5, 5));
    QCOMPARE(Store().Lines().back(), third + "=");
    QVERIFY(Section("2014", "08/20").find(third + "=") != std::string::npos);
  }

  void theToolsMenuRegistersAFolderByTheFilesDates() {
    const std::string folder = album_->home.Join("trip");
    std::filesystem::create_directories(folder);
    const std::string picture = folder + "/x.jpg";
    std::filesystem::copy_file(album_->first, picture);
    SetFileDate(picture, 2014, 5, 3);
    window_->settings().aDir = folder;
    auto* autoMenu = window_->findChild<QAction*>(QStringLiteral("AutoMenu"));
    QVERIFY(autoMenu != nullptr);
    AnswerNextDialog<QDialog>([](QDialog& dialog) { dialog.accept(); });
    autoMenu->trigger();
    QCOMPARE(ToQString(Section("2014", "05/03")), ToQString(picture + "=\r\n"));
    QVERIFY(DecodeAlbumFile(lumidex::testing::ReadFile(indexPath_)).find("05/03=.alb") !=
            std::string::npos);
    QCOMPARE(RowOf("05/03") >= 0, true);
    QVERIFY(window_->menuBar()->isEnabled());
  }

 private:
  AlbumStore& Store() { return *album_->store; }
  ImageListPanel& List() { return views_->imageList(); }
  ListPopupMenu* Menu() { return List().popupMenu(); }
  ListPopupMenu* Prepared() {
    Menu()->Prepare(List().MenuFacts());
    return Menu();
  }
  QAbstractButton* Button(const char* name) {
    return window_->findChild<QAbstractButton*>(QString::fromLatin1(name));
  }

  // The page list shows the pages without entries too.
  void ShowAllPages() { Button("AllPageSpBtn")->setChecked(true); }

  int RowOf(const std::string& page) {
    for (int row = 0; row < List().list().size(); ++row) {
      if (List().list().entries().NameAt(row) == page) return row;
    }
    return -1;
  }
  void SelectPage(const std::string& page) {
    const int row = RowOf(page);
    QVERIFY(row >= 0);
    List().view()->SelectRows({row});
  }
  void OpenPage(const std::string& page) {
    const int row = RowOf(page);
    QVERIFY(row >= 0);
    List().OpenRow(row);
    QVERIFY(Store().PageOpen());
  }

  void Drop(const std::vector<std::string>& paths, QPoint at) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls.push_back(QUrl::fromLocalFile(ToQString(path)));
    data.setUrls(urls);
    QWidget* viewport = List().view()->viewport();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    QVERIFY(drop.isAccepted());
  }

  // The lines of `section` in the year document on disk, CR LF after each.
  std::string Section(const std::string& year, const std::string& section) {
    const std::string text = DecodeAlbumFile(lumidex::testing::ReadFile(photoDir_ + year + ".ini"));
    std::string lines;
    bool inside = false;
    for (const QString& line : ToQString(text).split(QStringLiteral("\r\n"))) {
      if (line.startsWith(QLatin1Char('['))) {
        inside = line == QLatin1Char('[') + ToQString(section) + QLatin1Char(']');
      } else if (inside && !line.isEmpty()) {
        lines += ToStdString(line) + "\r\n";
      }
    }
    return lines;
  }
  std::string SubAlbumText(const std::string& year) {
    return DecodeAlbumFile(lumidex::testing::ReadFile(photoDir_ + year + "S.ini"));
  }

  static void SetFileDate(const std::string& path, int year, int month, int day) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    const utimbuf times{when, when};
    if (utime(path.c_str(), &times) != 0) qFatal("cannot date %s", path.c_str());
  }

  std::unique_ptr<lumidex::testing::WindowTestAlbum> album_;
  std::string photoDir_;
  std::string indexPath_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
};

QTEST_MAIN(ListRegistrationTest)
#include "list_registration_test.moc"
