#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "album/album_store.h"
#include "foundation/app_environment.h"
#include "foundation/settings.h"
#include "foundation/text_codec.h"
#include "freelayout/free_layout_key.h"
#include "freelayout/layout_operations.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_commands.h"
#include "freelayout/ui/free_layout_tab_strip.h"
#include "freelayout/ui/free_layout_text_dialog.h"
#include "freelayout/ui/free_layout_view.h"
#include "support/temp_home.h"

namespace lumidex {

// The free layout view over a real album in a temporary home: a tab is
// edited with the mouse, the keys and the commands, saved through the save
// question and loaded again from its file.
class FreeLayoutEditingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempHome> home_;
  std::unique_ptr<AppEnvironment> env_;
  std::unique_ptr<AlbumStore> store_;
  std::unique_ptr<QWidget> frame_;
  FreeLayoutCanvas* canvas_ = nullptr;
  std::unique_ptr<FreeLayoutView> view_;

  std::string DocumentPath() const { return env_->folders.albumDir + "2014.ini"; }
  std::string DocumentText() const { return DecodeAlbumFile(testing::ReadFile(DocumentPath())); }

  // Answers the next question box with `button`; gives back its text.
  std::shared_ptr<QString> Answer(QMessageBox::StandardButton button) {
    auto text = std::make_shared<QString>();
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [timer, text, button] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        *text = box->text();
        box->button(button)->click();
        timer->deleteLater();
      }
    });
    timer->start(10);
    return text;
  }

  QPoint CentreOf(int index) const {
    const CanvasRect r = ShownRect(canvas_->items()[index], canvas_->scale());
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
  }

 private slots:
  void init() {
    home_ = std::make_unique<testing::TempHome>();
    auto opened = AppEnvironment::Open(home_->path(), "tester", AppEnvironment::Unreadable::kFail);
    QVERIFY(opened.ok());
    env_ = std::move(opened).value();
    // A picture the decoders refuse is drawn as a placeholder.
    const std::string picture = home_->Join("pics/broken.jpg");
    testing::WriteFile(picture, "not a jpeg");
    testing::WriteFile(DocumentPath(),
                       EncodeAlbumFile("[ver]\r\nTsubame=1\r\n[03/15]\r\n"
                                       "000010001002000200000000000=" + picture + "\r\n"
                                       "000400001001600050000000000=10000000ffffff808080000000一行目･･二行目\r\n"));
    store_ = std::make_unique<AlbumStore>(env_->folders, env_->types, *env_->pageIndex, *env_->lockList);
    QVERIFY(store_->SwitchYear("2014/03/15").ok());
    frame_ = std::make_unique<QWidget>();
    frame_->resize(760, 460);
    auto* tabs = new FreeLayoutTabStrip(frame_.get());
    canvas_ = new FreeLayoutCanvas(frame_.get());
    auto* counter = new QLabel(frame_.get());
    view_ = std::make_unique<FreeLayoutView>(*store_, env_->folders.albumDir, nullptr,
                                             FreeLayoutView::Widgets{tabs, canvas_, counter});
    view_->Enter("03/15");
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    QCOMPARE(canvas_->width(), 730);
  }

  void cleanup() {
    view_.reset();
    frame_.reset();
    store_.reset();
    env_.reset();
    home_.reset();
  }

  void editsAreUndoneRedoneSavedThroughTheQuestionAndLoadedAgain() {
    QSignalSpy modified(view_.get(), &FreeLayoutView::modifiedChanged);
    QCOMPARE(canvas_->items().size(), size_t{2});
    // Drag the text 50 pixels right and 20 down.
    const QPoint from = CentreOf(1);
    QTest::mousePress(canvas_, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas_, from + QPoint(20, 10));
    QTest::mouseMove(canvas_, from + QPoint(50, 20));
    QTest::mouseRelease(canvas_, Qt::LeftButton, {}, from + QPoint(50, 20));
    QCOMPARE(canvas_->items()[1].x, 450);
    QCOMPARE(canvas_->items()[1].y, 29);  // 30 pixels on a canvas 365 high
    QVERIFY(view_->modified());
    QCOMPARE(modified.count(), 1);

    QTest::keyClick(canvas_, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(canvas_->items()[1].x, 400);
    QTest::keyClick(canvas_, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(canvas_->items()[1].x, 450);
    // A window shortcut on the arrow keys does not take them from the canvas.
    auto* dayKey = new QAction(frame_.get());
    dayKey->setShortcut(QKeySequence(Qt::Key_Right));
    frame_->addAction(dayKey);
    QSignalSpy dayKeyUsed(dayKey, &QAction::triggered);
    QTest::keyClick(canvas_, Qt::Key_Right);  // the text is still selected
    QCOMPARE(canvas_->items()[1].x, 451);
    QCOMPARE(dayKeyUsed.count(), 0);

    view_->commands()->AddText(QStringLiteral("三行目\r\n四行目"), QPoint(100, 200));
    QCOMPARE(canvas_->items().size(), size_t{3});

    // No drops the edits; Cancel refuses and keeps them.
    const auto cancelled = Answer(QMessageBox::Cancel);
    QVERIFY(!view_->ConfirmSaveTab());
    QCOMPARE(*cancelled, QStringLiteral("内容が変更されています。変更内容を保存しますか？"));
    QCOMPARE(canvas_->items().size(), size_t{3});
    const auto yes = Answer(QMessageBox::Yes);
    QVERIFY(view_->ConfirmSaveTab());
    QVERIFY(!view_->modified());

    const std::string text = DocumentText();
    QVERIFY(text.find("000451002901600050000000000=10000000ffffff808080000000一行目･･二行目") != std::string::npos);
    QVERIFY(text.find("三行目･･四行目") != std::string::npos);

    view_->Leave();
    view_->Enter("03/15");
    QCOMPARE(canvas_->items().size(), size_t{3});
    QCOMPARE(canvas_->items()[1].x, 451);
    QVERIFY(!canvas_->canUndo());  // the history ends with the tab
  }

  void noDropsTheEditsAndDroppedFilesBecomePictures() {
    const std::string before = DocumentText();
    const std::string picture = home_->Join("pics/new.png");
    testing::WriteFile(picture, "x");
    QSignalSpy problems(view_.get(), &FreeLayoutView::problem);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(picture)),
                  QUrl::fromLocalFile(QString::fromStdString(home_->Join("notes.txt"))),
                  QUrl::fromLocalFile(QString::fromStdString(home_->Join("pics/gone.jpg")))});
    QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(canvas_, &enter);
    QApplication::sendEvent(canvas_, &drop);
    QCOMPARE(canvas_->items().size(), size_t{3});
    QCOMPARE(canvas_->items()[2].value, picture);
    QCOMPARE(problems.count(), 1);  // the text file and the missing one are named
    view_->commands()->AddText(QString(1024 * 1024, QLatin1Char('x')), QPoint(10, 10));
    QCOMPARE(canvas_->items().size(), size_t{3});
    QCOMPARE(problems.count(), 2);

    // Bring back: an item outside is a change to save.
    canvas_->Edit([](std::vector<FreeLayoutItem>& items) { items[0].x = 9000; });
    view_->commands()->BringBackOutside();
    QCOMPARE(canvas_->items()[0].x, 20);
    QVERIFY(view_->modified());

    const auto no = Answer(QMessageBox::No);
    QVERIFY(view_->ConfirmSaveTab());
    QVERIFY(!view_->modified());
    QCOMPARE(canvas_->items().size(), size_t{2});
    QCOMPARE(DocumentText(), before);
  }

  void theRepairAsksTheSaveQuestionFirst() {
    canvas_->Edit([](std::vector<FreeLayoutItem>& items) { items[1].x = 500; });
    const auto cancelled = Answer(QMessageBox::Cancel);
    view_->RepairMissingFiles();
    QCOMPARE(*cancelled, QStringLiteral("内容が変更されています。変更内容を保存しますか？"));
    QCOMPARE(canvas_->items()[1].x, 500);
    QVERIFY(view_->modified());
  }

  void theTextDialogAddsNoFinalLineBreak() {
    FreeLayoutTextDialog dialog(canvas_->items()[1], false, FreePictureLook{});
    QCOMPARE(dialog.textSpec().text, std::string("一行目\r\n二行目"));
    auto* memo = dialog.findChild<QPlainTextEdit*>();
    memo->setPlainText(QStringLiteral("a\nb"));
    FreeLayoutItem item = canvas_->items()[1];
    dialog.ApplyTo(item, false);
    QCOMPARE(ParseTextSpec(item.value).value().text, std::string("a\r\nb"));
  }

  void keysWaitWhileADragHoldsTheItems() {
    view_->commands()->AddText(QStringLiteral("t"), QPoint(600, 250));  // something to undo
    const QPoint from = CentreOf(2);
    QTest::mousePress(canvas_, Qt::LeftButton, {}, from);
    QTest::keyClick(canvas_, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(canvas_, Qt::Key_Delete);
    QTest::mouseMove(canvas_, from + QPoint(-30, -5));
    QTest::mouseRelease(canvas_, Qt::LeftButton, {}, from + QPoint(-30, -5));
    QCOMPARE(canvas_->items().size(), size_t{3});
    QCOMPARE(canvas_->items()[2].x, 570);
  }

  void switchingTheWayAsksToSaveTheEdits() {
    canvas_->Edit([](std::vector<FreeLayoutItem>& items) { items[1].x = 500; });
    Settings byAlbum;
    byAlbum.freemode = true;
    const auto yes = Answer(QMessageBox::Yes);
    view_->ApplySettings(byAlbum);
    QVERIFY(DocumentText().find("000500001001600050000000000=") != std::string::npos);
    QVERIFY(!view_->modified());
  }

  void aResizeKeepsTheEditsInMemory() {
    canvas_->Edit([](std::vector<FreeLayoutItem>& items) { items[1].x = 500; });
    frame_->resize(400, 300);
    QTRY_COMPARE(canvas_->width(), 370);
    QCOMPARE(canvas_->items()[1].x, 500);
    QVERIFY(view_->modified());
  }
};

}  // namespace lumidex

QTEST_MAIN(lumidex::FreeLayoutEditingTest)
#include "free_layout_editing_test.moc"
