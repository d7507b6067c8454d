// The multi-column list mode and the preview card in the real main window
// over an album in a temporary home. With LUMIDEX_SCREENSHOTS set to a
// folder, the window is saved there as PNGs to be looked at.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QMimeData>
#include <QSplitter>
#include <QTest>
#include <memory>

#include "album/album_store.h"
#include "freelayout/ui/free_layout_view.h"
#include "imagelist/thumbnail_scheduler.h"
#include "imagelist/preview_card.h"
#include "imagelist/ui/image_list_delegate.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/preview_card_widget.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/multi_column_mode.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"
#include "platform/ui/qt_bridge.h"

using namespace lumidex;

namespace {

constexpr CalendarDate kToday{2014, 8, 20};

using TestAlbum = lumidex::testing::WindowTestAlbum;

void SaveScreenshot(QWidget& window, const char* name) {
  const QByteArray folder = qgetenv("LUMIDEX_SCREENSHOTS");
  if (folder.isEmpty()) return;
  QDir().mkpath(QString::fromLocal8Bit(folder));
  window.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
}

}  // namespace

class MultiColumnModeTest : public QObject {
  Q_OBJECT

 private:
  QAbstractButton* Button(const char* name) const {
    return window_->findChild<QAbstractButton*>(QString::fromLatin1(name));
  }
  QWidget* Widget(const char* name) const {
    return window_->findChild<QWidget*>(QString::fromLatin1(name));
  }
  ListView2& View() const { return *views_->imageList().view(); }
  PreviewCardWidget& Card() const { return mode_->card(); }
  QWidget* GrpPanel() const { return Widget("GrpPanel"); }

  // Opens the page 08/20 of 2014 (two pictures and a sub-album).
  void OpenPage() {
    QCOMPARE(views_->imageList().list().entries().NameAt(0), std::string_view("08/20"));
    views_->imageList().OpenRow(0);
    QCOMPARE(View().model()->rowCount(), 3);
  }
  // Selects `row` and clicks it as the user does.
  void Click(int row) {
    View().SelectAndShow(row);
    QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier,
                      View().visualRect(View().model()->index(row, 0)).center());
  }

  std::unique_ptr<TestAlbum> album_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
  MultiColumnMode* mode_ = nullptr;

 private slots:
  void init() {
    album_ = std::make_unique<TestAlbum>();
    window_ = std::make_unique<TForm1>();
    window_->SetEnvironment(std::move(album_->env));
    views_ = new AlbumViews(*window_, *album_->store, nullptr, [] { return kToday; });
    views_->ShowFirstMonth();
    window_->resize(900, 600);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    mode_ = window_->findChild<MultiColumnMode*>();
    QVERIFY(mode_ != nullptr);
  }
  void cleanup() {
    window_.reset();
    album_.reset();
  }

  void theButtonWidensThePageSideAndHidesTheCalendar() {
    QWidget* grid = Widget("StringGrid1");
    QVERIFY(grid->isVisible());
    QVERIFY(!Button("CheckBox2")->isVisible());
    QVERIFY(!Button("CheckBox3")->isVisible());
    const int narrow = GrpPanel()->width();
    QVERIFY(narrow < window_->width() / 2 + 50);

    Button("SpeedButton12")->click();
    QVERIFY(mode_->on());
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QVERIFY(!grid->isVisible());
    QVERIFY(!Widget("Panel12")->isVisible());
    QCOMPARE(GrpPanel()->width(), window_->width() - TForm1::kWidePageSideMargin);
    QVERIFY(Button("CheckBox2")->isVisible());
    QVERIFY(Button("CheckBox3")->isVisible());
    SaveScreenshot(*window_, "multi_column_page_list.png");

    Button("SpeedButton12")->click();
    QVERIFY(!mode_->on());
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QVERIFY(grid->isVisible());
    QCOMPARE(GrpPanel()->width(), narrow);
    QVERIFY(!Button("CheckBox2")->isVisible());
    QVERIFY(!Button("CheckBox3")->isVisible());
  }

  void theSelectedItemIsKeptAcrossTheSwitch() {
    OpenPage();
    View().SelectAndShow(1);
    const ListWorker& worker = views_->imageList().thumbnailWorker();
    QTRY_VERIFY(worker.lastFirst() >= 0);  // the worker went over the visible items
    Button("SpeedButton12")->click();
    QCOMPARE(View().SelectedRows(), (QVector<int>{1}));
    // It is running and goes over the newly visible items again.
    QVERIFY(!worker.paused());
    QCOMPARE(worker.lastFirst(), -1);
    QTRY_VERIFY(worker.lastFirst() >= 0);
    SaveScreenshot(*window_, "multi_column_page.png");
    Button("SpeedButton12")->click();
    QCOMPARE(View().SelectedRows(), (QVector<int>{1}));
  }

  void thePageListFlowsInColumnsInTheMode() {
    Button("SpeedButton12")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QVERIFY(View().isWrapping());
    const QRect first = View().visualRect(View().model()->index(0, 0));
    const QRect second = View().visualRect(View().model()->index(1, 0));
    QCOMPARE(second.top(), first.top());  // side by side
    Button("SpeedButton12")->click();
    QVERIFY(!View().isWrapping());
  }

  void aClickWithEnlargeShowsThePictureOnTheCardAndAClickHidesIt() {
    OpenPage();
    Button("SpeedButton12")->click();
    Button("CheckBox2")->setChecked(true);
    Click(0);
    QVERIFY(Card().isVisible());
    QVERIFY(Card().hasPicture());
    QCOMPARE(Card().path(), album_->first);
    QCOMPARE(Card().geometry(), View().rect());
    QCOMPARE(Widget("Image3"), static_cast<QWidget*>(&Card()));
    // The picture lies on the card's face.
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QImage shown = Card().grab().toImage();
    const PreviewCardLayout layout = LayoutPreviewCard(Card().width(), Card().height());
    const ItemRect picture = PreviewPictureRect(layout, 64, 48, false, false);
    QCOMPARE(QColor(shown.pixel(layout.card.x + 1, layout.card.bottom() - 2)), QColor(Qt::white));
    QCOMPARE(QColor(shown.pixel(layout.shadows[0].x + 10, layout.shadows[0].y)),
             QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(QColor(shown.pixel(picture.x + picture.width / 2, picture.y + picture.height / 2)) !=
            QColor(Qt::white));
    SaveScreenshot(*window_, "preview_card.png");

    Button("CheckBox3")->setChecked(true);  // stretched: the picture fills the box
    QVERIFY(Card().isVisible());
    const QImage stretched = Card().grab().toImage();
    QVERIFY(QColor(stretched.pixel(layout.pictureBox.x + 2, layout.pictureBox.y + 2)) !=
            QColor(Qt::white));
    QCOMPARE(QColor(shown.pixel(layout.pictureBox.x + 2, layout.pictureBox.y + 2)),
             QColor(Qt::white));
    SaveScreenshot(*window_, "preview_card_stretched.png");

    QTest::mouseClick(&Card(), Qt::LeftButton);
    QVERIFY(!Card().isVisible());
    QVERIFY(View().isVisible());
  }

  void noCardWithoutEnlargeOrWithSeveralSelected() {
    OpenPage();
    Button("SpeedButton12")->click();
    Click(0);
    QVERIFY(!Card().isVisible());
    Button("CheckBox2")->setChecked(true);
    View().SelectRows({0, 1});
    emit views_->imageList().entryClicked(ToQString(album_->first), 0);
    QVERIFY(!Card().isVisible());
  }

  void leavingTheModeHidesTheCard() {
    OpenPage();
    Button("SpeedButton12")->click();
    Button("CheckBox2")->setChecked(true);
    Click(1);
    QVERIFY(Card().isVisible());
    Button("SpeedButton12")->click();
    QVERIFY(!Card().isVisible());
  }

  void cancellingTheFreeLayoutsSaveQuestionKeepsTheModeAsItIs() {
    OpenPage();
    Button("SpeedButton12")->click();
    Button("FreeAlbSpBtn")->click();
    auto* freeLayout = window_->findChild<FreeLayoutView*>();
    QVERIFY(freeLayout->active());
    freeLayout->SetModified(true);

    QStringList questions;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    QTimer answering;
    connect(&answering, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        questions << box->text();
        box->button(answer)->click();
      }
    });
    answering.start(10);
    Button("SpeedButton12")->click();
    QCOMPARE(questions.size(), 1);
    QVERIFY(mode_->on());
    QVERIFY(Button("SpeedButton12")->isChecked());
    QVERIFY(!Widget("StringGrid1")->isVisible());
    QVERIFY(freeLayout->active());
    QVERIFY(freeLayout->modified());
    QVERIFY(Button("TabAddSpBtn")->isVisible());

    // "No" drops the edits: the mode ends and the free layout view with it.
    answer = QMessageBox::No;
    Button("SpeedButton12")->click();
    QCOMPARE(questions.size(), 2);
    QVERIFY(!mode_->on());
    QVERIFY(!Button("FreeAlbSpBtn")->isChecked());
    QVERIFY(!freeLayout->active());
    QVERIFY(Widget("Panel12")->isVisible());  // the open page's picture view
  }

  void someButtonsShowOnlyInTheMode() {
    OpenPage();
    QVERIFY(!Button("SpeedButton21")->isVisible());
    PageSidePanel& side = *window_->pageSide();
    side.toolbar().favourites->setChecked(true);
    QVERIFY(side.favourites().panel->isVisible());

    Button("SpeedButton12")->click();
    QVERIFY(Button("SpeedButton21")->isVisible());
    QVERIFY(!Button("TabAddSpBtn")->isVisible());  // the free layout button is up
    Button("FreeAlbSpBtn")->click();
    QVERIFY(Button("TabAddSpBtn")->isVisible());
    QVERIFY(Button("TabMoveSpBtn")->isVisible());

    Button("SpeedButton12")->click();
    QVERIFY(!Button("SpeedButton21")->isVisible());
    QVERIFY(!Button("SpeedButton21")->isChecked());
    QVERIFY(!side.favourites().panel->isVisible());
    QVERIFY(!Button("FreeAlbSpBtn")->isChecked());
    QVERIFY(!Button("TabAddSpBtn")->isVisibleTo(window_.get()));
    QVERIFY(!Button("TabMoveSpBtn")->isVisibleTo(window_.get()));
    QVERIFY(!Button("CheckBox2")->isVisible());
  }

  void copyPutsThePictureOnTheClipboard() {
    OpenPage();
    Button("SpeedButton12")->click();
    Button("CheckBox2")->setChecked(true);
    Click(0);
    QVERIFY(Card().isVisible());
    QCOMPARE(Card().menu()->objectName(), QStringLiteral("PopupMenu4"));
    // The menu decides its items when it opens, as the user opens it.
    QContextMenuEvent opening(QContextMenuEvent::Mouse, Card().rect().center(),
                              Card().mapToGlobal(Card().rect().center()));
    QApplication::sendEvent(&Card(), &opening);
    Card().menu()->hide();
    QApplication::clipboard()->clear();
    Card().copyAction()->trigger();
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(64, 48));
  }
};

QTEST_MAIN(MultiColumnModeTest)
#include "multi_column_mode_test.moc"
