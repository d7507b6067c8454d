// Files the window program is started with: registered on the pages of
// their dates, the calendar shown at the earliest, the others named.
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "mainwindow/ui/error_reporting_application.h"
#include "mainwindow/ui/opened_files_commands.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class OpenedFilesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(shown_.Open()); }
  void cleanup() { shown_.Close(); }

  void picturesGoToTheirDaysAndTheOthersAreNamedOnce() {
    lumidex::testing::WindowTestAlbum& album = *shown_.album;
    const std::string earlier = album.Picture("earlier.jpg", 30);
    const std::string later = album.Picture("later.png", 60);
    lumidex::testing::SetNoonOf(earlier, 2012, 5, 5);
    lumidex::testing::SetNoonOf(later, 2014, 9, 1);
    lumidex::testing::WriteFile(album.home.Join("pics/notes.txt"), "text");

    QStringList messages;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages << box->text();
        box->accept();
      }
    });
    closer.start(10);
    RegisterOpenedFiles(*shown_.window, *album.store, *shown_.views,
                        {"later.png", earlier, "notes.txt", "missing.jpg"}, album.home.Join("pics"));

    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(QString::fromStdString(album.home.Join("pics/missing.jpg"))));
    QVERIFY(messages[0].contains(QString::fromStdString(album.home.Join("pics/notes.txt"))));
    QVERIFY(!messages[0].contains(QStringLiteral("later.png")));
    // The calendar shows the earliest day, whose year is loaded with its entry.
    QCOMPARE(album.store->loadedYear(), std::string("2012"));
    QVERIFY(album.store->yearDocument().HasKey("05/05", earlier));
    QVERIFY(album.store->pageIndex().HasKey("DATA", "09/01"));
    QVERIFY(shown_.window->statusBar()->currentMessage().startsWith(QStringLiteral("2 ")));
  }

 private:
  lumidex::testing::ShownWindow shown_;
};

int main(int argc, char** argv) {
  ErrorReportingApplication app(argc, argv);
  OpenedFilesWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "opened_files_window_test.moc"
