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

  void ADamagedCacheFileIsMadeAfreshFromThePictureAndReplaced() {
    ListTestAlbum album;
    const std::string picture = album.Picture("big.jpg", 1600, 1200, 30);
    QVERIFY(testing::ReadFile(picture).size() > static_cast<size_t>(kSmallestCachedFile));
    ImageContext context;
    context.types = &album.env->types;
    ThumbnailRequest request;
    request.path = picture;
    const std::string whole = RenderListThumbnail(request, context).value();
    // Cut short after its headers, as a write that never finished leaves it.
    const std::string cacheFile = album.cache->CacheFileName(picture);
    testing::WriteFile(cacheFile, whole.substr(0, whole.size() / 2));
    if (!album.store->SwitchYear("2014/03/15").ok() ||
        !album.operations->CreatePage("03/15").ok() ||
        !album.store->SaveSection("03/15", {picture + "="}, false).ok()) {
      QFAIL("album");
    }
    album.store->RebuildSummaries();
    auto panel = album.MakePanel();
    panel->show();
    panel->StartWorker();
    panel->ShowCurrent();
    panel->OpenRow(0);
    JpegDecodeOptions strict;
    strict.strict = true;
    auto decodes = [&strict](const std::optional<std::string>& bytes) {
      return bytes.has_value() && DecodeJpeg(*bytes, strict).ok();
    };
    // The item is drawn from a thumbnail made afresh, which also replaces
    // the damaged file.
    QTRY_VERIFY_WITH_TIMEOUT(panel->list().entries().record(0) != nullptr &&
                                 decodes(panel->list().entries().record(0)->data),
                             10000);
    QTRY_VERIFY_WITH_TIMEOUT(decodes(testing::ReadFile(cacheFile)), 10000);
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
