// Every label of the window's bars shows whole: at the first window size
// and at 1280 x 800, in every colour scheme, with the page list and with a
// page open. With LUMIDEX_SCREENSHOTS set to a folder, each window (and one
// with a toggle down and a button under the pointer) is also saved there as
// a PNG to be looked at.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "album/album_store.h"
#include "imagelist/ui/image_list_panel.h"
#include "mainwindow/colour_scheme.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/application_look.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

namespace {

// The bars whose buttons and check boxes carry labels.
const char* const kBars[] = {"CalendarBar", "Panel13", "Panel16", "Panel2", "Panel14"};

struct Scene {
  lumidex::testing::WindowTestAlbum album;
  std::unique_ptr<TForm1> window = std::make_unique<TForm1>();
  AlbumViews* views = nullptr;

  Scene(int scheme, QSize client) {
    window->SetEnvironment(std::move(album.env));
    window->settings().clrNo = scheme;
    window->ApplyColourScheme(scheme);
    views = new AlbumViews(*window, *album.store, nullptr, [] {
      return CalendarDate{2014, 8, 20};
    });
    views->ShowFirstMonth();
    window->resize(client.width(), client.height() + window->menuBar()->sizeHint().height());
    window->show();
  }
};

// The labels of `bar` that do not show whole: the text needs more room than
// the control has beside the style's own margins, or the control reaches
// past the bar's edge.
QStringList ClippedLabels(QWidget* bar) {
  QStringList clipped;
  for (QAbstractButton* button : bar->findChildren<QAbstractButton*>()) {
    if (!button->isVisibleTo(bar) || button->text().isEmpty()) continue;
    const int textWidth = QFontMetrics(button->font()).horizontalAdvance(button->text());
    const int margins = button->sizeHint().width() - textWidth;
    const QRect inBar(button->mapTo(bar, QPoint()), button->size());
    if (textWidth + margins > button->width() || !bar->rect().contains(inBar)) {
      clipped << QStringLiteral("%1 (%2 + %3 > %4)")
                     .arg(button->text())
                     .arg(textWidth)
                     .arg(margins)
                     .arg(button->width());
    }
  }
  return clipped;
}

}  // namespace

class BarLabelsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyApplicationLook(*qApp); }

  void noBarLabelIsClippedInAnySchemeOrSize() {
    const QString shots = qEnvironmentVariable("LUMIDEX_SCREENSHOTS");
    if (!shots.isEmpty()) QDir().mkpath(shots);
    for (const QSize client :
         {QSize(TForm1::kFirstWidth, TForm1::kFirstHeight), QSize(1280, 800)}) {
      for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
        Scene scene(scheme, client);
        QVERIFY(QTest::qWaitForWindowExposed(scene.window.get()));
        // The bars do not hold the window wider than asked.
        QCOMPARE(scene.window->centralWidget()->width(), client.width());
        for (const bool pageOpen : {false, true}) {
          if (pageOpen) scene.views->imageList().OpenRow(0);
          QVERIFY(scene.album.store->PageOpen() == pageOpen);
          QApplication::processEvents();
          const QString where = QStringLiteral("scheme %1, %2 x %3%4")
                                    .arg(scheme)
                                    .arg(client.width())
                                    .arg(client.height())
                                    .arg(pageOpen ? QStringLiteral(", page open") : QString());
          for (const char* name : kBars) {
            QWidget* bar = scene.window->findChild<QWidget*>(QString::fromLatin1(name));
            if (bar == nullptr || !bar->isVisible()) continue;
            const QStringList clipped = ClippedLabels(bar);
            QVERIFY2(clipped.isEmpty(),
                     qPrintable(where + QStringLiteral(", ") + QString::fromLatin1(name) +
                                QStringLiteral(": ") + clipped.join(QStringLiteral(", "))));
          }
          if (!shots.isEmpty()) {
            // A toggle that is down, then under the pointer: the month step
            // and a toolbar button.
            scene.window->findChild<QAbstractButton*>(QStringLiteral("SpeedButton17"))
                ->setChecked(pageOpen);
            for (const char* name :
                 {"SpeedButton1", pageOpen ? "SpeedButton28" : "SpeedButton17"}) {
              auto* button = scene.window->findChild<QAbstractButton*>(QString::fromLatin1(name));
              QTest::mouseMove(button, button->rect().center());
              QApplication::processEvents();
              scene.window->grab().save(QStringLiteral("%1/hover-%2-%3-%4x%5.png")
                                            .arg(shots, QString::fromLatin1(name))
                                            .arg(scheme)
                                            .arg(client.width())
                                            .arg(client.height()));
            }
            scene.window->grab().save(QStringLiteral("%1/bars-%2-%3x%4%5.png")
                                          .arg(shots)
                                          .arg(scheme)
                                          .arg(client.width())
                                          .arg(client.height())
                                          .arg(pageOpen ? QStringLiteral("-page") : QString()));
          }
        }
      }
    }
  }
};

QTEST_MAIN(BarLabelsTest)
#include "bar_labels_test.moc"
