// The page list's mouse range selection and auto-scroll, driven by mouse
// events sent to the list and by single timer ticks (no waiting on time).

#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/page_list_range_selector.h"
#include "list_test_album.h"

using lumidex::testing::ListTestAlbum;

namespace lumidex {

class PageListRangeSelectorTest : public QObject {
  Q_OBJECT

 private:
  // A page list of 40 pages in a list a few rows high.
  void MakeList() {
    album_ = std::make_unique<ListTestAlbum>();
    if (!album_->store->SwitchYear("2014/01/01").ok()) qFatal("year");
    for (int day = 1; day <= 40; ++day) {
      const int month = day <= 28 ? 1 : 2;
      const int inMonth = day <= 28 ? day : day - 28;
      const QString page = QStringLiteral("%1/%2")
                               .arg(month, 2, 10, QLatin1Char('0'))
                               .arg(inMonth, 2, 10, QLatin1Char('0'));
      if (!album_->operations->CreatePage(page.toStdString()).ok()) qFatal("page");
    }
    panel_ = album_->MakePanel(320, 260);
    panel_->ShowCurrent();
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    view_ = panel_->view();
    selector_ = view_->findChild<PageListRangeSelector*>();
    QVERIFY(selector_ != nullptr);
    QCOMPARE(view_->model()->rowCount(), 40);
  }

  QPoint RowPoint(int row) const {
    return view_->visualRect(view_->model()->index(row, 0)).center();
  }

  void Send(QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(view_->viewport()->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(view_->viewport(), &event);
  }
  void Press(int row) {
    Send(QEvent::MouseButtonPress, RowPoint(row), Qt::LeftButton, Qt::LeftButton);
  }
  void MoveTo(int row) { Send(QEvent::MouseMove, RowPoint(row), Qt::NoButton, Qt::LeftButton); }
  void Release(const QPoint& at) {
    Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  }
  bool Selected(int row) const {
    return view_->selectionModel()->isSelected(view_->model()->index(row, 0));
  }

  std::unique_ptr<ListTestAlbum> album_;
  std::unique_ptr<ImageListPanel> panel_;
  ListView2* view_ = nullptr;
  PageListRangeSelector* selector_ = nullptr;

 private slots:
  void movingWithTheButtonHeldSelectsFromThePressedRow() {
    MakeList();
    Press(1);
    QCOMPARE(selector_->pressedRow(), 1);
    QVERIFY(selector_->timer()->isActive());
    MoveTo(4);
    QCOMPARE(view_->SelectedRows(), (QVector<int>{1, 2, 3, 4}));
    MoveTo(0);
    QCOMPARE(view_->SelectedRows(), (QVector<int>{0, 1}));
    Release(RowPoint(0));
  }

  void pullingTheRangeBackDeselectsUpToFiveRowsBeyondIt() {
    MakeList();
    Press(0);
    // A row selected far beyond the range stays; rows just beyond it go.
    view_->selectionModel()->select(view_->model()->index(5, 0), QItemSelectionModel::Select);
    view_->selectionModel()->select(view_->model()->index(2, 0), QItemSelectionModel::Select);
    MoveTo(4);
    QVERIFY(Selected(2));
    const QModelIndex far = view_->model()->index(11, 0);
    view_->selectionModel()->select(far, QItemSelectionModel::Select);
    MoveTo(1);
    QCOMPARE(view_->SelectedRows(), (QVector<int>{0, 1, 11}));
    Release(RowPoint(1));
  }

  void autoScrollBelowTheListScrollsOneRowAndSelectsTheBottomRow() {
    MakeList();
    Press(2);
    QScrollBar* bar = view_->verticalScrollBar();
    const int before = bar->value();
    const int height = view_->viewport()->height();
    selector_->AutoScrollTick(QPoint(20, height + 40));
    QCOMPARE(selector_->timer()->interval(), 1);
    QCOMPARE(bar->value() - before, view_->sizeHintForRow(0));
    const int bottom = view_->indexAt(QPoint(20, height - 1)).row();
    QVERIFY(bottom > 2);
    QCOMPARE(view_->SelectedRows().front(), 2);
    QCOMPARE(view_->SelectedRows().back(), bottom);
    QCOMPARE(view_->SelectedRows().size(), bottom - 2 + 1);

    selector_->AutoScrollTick(QPoint(20, height + 20));
    QCOMPARE(selector_->timer()->interval(), 30);
    selector_->AutoScrollTick(QPoint(20, height + 3));
    QCOMPARE(selector_->timer()->interval(), 100);
    Release(QPoint(20, height + 3));
    QVERIFY(!selector_->timer()->isActive());
    QCOMPARE(selector_->pressedRow(), -1);
  }

  void autoScrollAboveTheListScrollsUpToTheTopRow() {
    MakeList();
    QScrollBar* bar = view_->verticalScrollBar();
    bar->setValue(bar->maximum());
    const int pressed = view_->model()->rowCount() - 1;
    Press(pressed);
    const int before = bar->value();
    selector_->AutoScrollTick(QPoint(20, -5));
    QCOMPARE(before - bar->value(), view_->sizeHintForRow(0));
    const int top = view_->indexAt(QPoint(20, 0)).row();
    QCOMPARE(view_->SelectedRows().front(), top);
    QCOMPARE(view_->SelectedRows().back(), pressed);
    Release(QPoint(20, -5));
  }

  void pointerInsideTheListDoesNotScroll() {
    MakeList();
    Press(1);
    const int before = view_->verticalScrollBar()->value();
    selector_->AutoScrollTick(QPoint(20, view_->viewport()->height() - 1));
    QCOMPARE(view_->verticalScrollBar()->value(), before);
    Release(RowPoint(1));
  }

  void aTickWithoutAPressDoesNothing() {
    MakeList();
    const int before = view_->verticalScrollBar()->value();
    selector_->AutoScrollTick(QPoint(20, view_->viewport()->height() + 100));
    QCOMPARE(view_->verticalScrollBar()->value(), before);
    QVERIFY(view_->SelectedRows().isEmpty());
  }

  void multiColumnPageListDeselectsALineOfItemsPlusOne() {
    MakeList();
    panel_->resize(700, 260);
    view_->SetMultiColumn(true);
    view_->doItemsLayout();
    QVERIFY(view_->isWrapping());
    const int across = view_->viewport()->width() / view_->gridSize().width();
    QVERIFY(across >= 2);
    Press(0);
    MoveTo(across * 2 + 1);
    QCOMPARE(view_->SelectedRows().size(), across * 2 + 2);
    // A row as far beyond the range as a line of items plus one is deselected
    // when the range is pulled back; one further stays.
    view_->selectionModel()->select(view_->model()->index(across + 2, 0),
                                    QItemSelectionModel::Select);
    view_->selectionModel()->select(view_->model()->index(across + 3, 0),
                                    QItemSelectionModel::Select);
    MoveTo(1);
    QCOMPARE(view_->SelectedRows(), (QVector<int>{0, 1, across + 3}));
    Release(RowPoint(1));
  }
};

}  // namespace lumidex

QTEST_MAIN(lumidex::PageListRangeSelectorTest)
#include "page_list_range_selector_test.moc"
