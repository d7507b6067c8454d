#include <QScrollBar>
#include <QTest>

#include "imagelist/fake_worker_clock.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "list_test_album.h"

using lumidex::testing::ListTestAlbum;

namespace lumidex {

// Opening a page that fills more than the screen: what the first paint finds.
class ImageListPanelOpenTest : public QObject {
  Q_OBJECT

 private:
  static constexpr int kEntries = 60;

  struct Scene {
    ListTestAlbum album;
    // Never moves, so a range step is never cut short by the machine's load.
    testing::FakeWorkerClock clock;
    std::unique_ptr<ImageListPanel> panel;
  };

  std::unique_ptr<Scene> MakeOpenPage() {
    auto scene = std::make_unique<Scene>();
    ListTestAlbum& album = scene->album;
    std::vector<std::string> lines;
    for (int i = 0; i < kEntries; ++i) {
      lines.push_back(album.Picture("p" + std::to_string(i) + ".jpg", 64, 48, i * 4) + "=");
    }
    if (!album.store->SwitchYear("2014/03/15").ok() ||
        !album.operations->CreatePage("03/15").ok() ||
        !album.store->SaveSection("03/15", lines, false).ok()) {
      qFatal("album");
    }
    album.store->RebuildSummaries();
    ImageContext context;
    context.types = &album.env->types;
    scene->panel = std::make_unique<ImageListPanel>(*album.store, *album.operations,
                                                    album.cache.get(), context, scene->clock);
    scene->panel->resize(640, 480);
    scene->panel->show();
    scene->panel->StartWorker();
    scene->panel->ShowCurrent();
    scene->panel->OpenRow(0);
    return scene;
  }

 private slots:
  void TheVisibleItemsHaveRecordsBeforeAnyEventRuns() {
    auto scene = MakeOpenPage();
    ImageListPanel& panel = *scene->panel;
    QCOMPARE(panel.list().size(), kEntries);
    const auto [first, last] = panel.view()->VisibleRange();
    QCOMPARE(first, 0);
    QVERIFY(last > 0 && last < kEntries - 1);
    QCOMPARE(panel.list().visibleFirst(), first);
    QCOMPARE(panel.list().visibleLast(), last);
    for (int row = first; row <= last; ++row) {
      QVERIFY2(panel.list().entries().record(row) != nullptr, qPrintable(QString::number(row)));
    }
    // Only the screen was prepared; the background pass has not begun.
    QCOMPARE(panel.list().entries().record(kEntries - 1), nullptr);
    QCOMPARE(panel.list().prefetchNext(), 0);
  }

  void ALongPageKeepsItsScrollBarAndItsPolicy() {
    auto scene = MakeOpenPage();
    ListView2& view = *scene->panel->view();
    QCOMPARE(view.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QVERIFY(view.verticalScrollBar()->isVisible());
    QVERIFY(view.verticalScrollBar()->maximum() > 0);
    // Back on the page list, which fits, the scroll bar goes again.
    scene->panel->GoBack();
    QCOMPARE(view.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QVERIFY(!view.verticalScrollBar()->isVisible());
  }
};

}  // namespace lumidex

QTEST_MAIN(lumidex::ImageListPanelOpenTest)
#include "image_list_panel_open_test.moc"
