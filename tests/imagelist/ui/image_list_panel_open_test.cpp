#include <QScrollBar>
#include <QTest>

#include "imagelist/fake_worker_clock.h"
#include "imagelist/ui/decoded_thumbnails.h"
#include "imagelist/ui/image_list_delegate.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/thumbnail_pipeline.h"
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
    std::vector<std::string> pictures;
  };

  // The page list shown, the page not yet opened.
  std::unique_ptr<Scene> MakePageList() {
    auto scene = std::make_unique<Scene>();
    ListTestAlbum& album = scene->album;
    std::vector<std::string> lines;
    for (int i = 0; i < kEntries; ++i) {
      scene->pictures.push_back(album.Picture("p" + std::to_string(i) + ".jpg", 64, 48, i * 4));
      lines.push_back(scene->pictures.back() + "=");
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
    return scene;
  }

  std::unique_ptr<Scene> MakeOpenPage() {
    auto scene = MakePageList();
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

  void TheFirstScreenIsBeingDecodedBeforeTheListIsFilled() {
    auto scene = MakePageList();
    ImageListPanel& panel = *scene->panel;
    // The page's thumbnails are in the disk cache, as after an earlier open.
    ImageContext context;
    context.types = &scene->album.env->types;
    for (const std::string& picture : scene->pictures) {
      ThumbnailRequest request;
      request.path = picture;
      testing::WriteFile(scene->album.cache->CacheFileName(request.path),
                         RenderListThumbnail(request, context).value());
    }
    DecodedThumbnails& decoded = panel.delegate()->decodedThumbnails();
    const size_t before = decoded.size();
    size_t atFill = 0;
    connect(panel.view()->model(), &QAbstractItemModel::modelReset, this,
            [&] { atFill = decoded.size() - before; });
    panel.OpenRow(0);
    const auto [first, last] = panel.view()->VisibleRange();
    QCOMPARE(first, 0);
    QVERIFY(atFill >= static_cast<size_t>(last - first + 1));
    QVERIFY(atFill < static_cast<size_t>(kEntries));
    // The visible items' records took the bytes read then.
    for (int row = first; row <= last; ++row) {
      const ALBDATA* record = panel.list().entries().record(row);
      QVERIFY(record != nullptr && record->data.has_value());
      QCOMPARE(*record->data, testing::ReadFile(scene->album.cache->CacheFileName(
                                  std::string(panel.list().entries().NameAt(row)))));
    }
  }

  void BytesReadAheadAreHandedOutOnceAndNotKeptPastTheirDrop() {
    ListTestAlbum album;
    ImageContext context;
    context.types = &album.env->types;
    const std::string a = album.Picture("a.jpg", 320, 240, 10);
    const std::string b = album.Picture("b.jpg", 320, 240, 60);
    const std::string none = album.Picture("none.jpg", 320, 240, 90);
    auto thumbnail = [&context](const std::string& path) {
      ThumbnailRequest request;
      request.path = path;
      return RenderListThumbnail(request, context).value();
    };
    const std::string oldA = thumbnail(a);
    const std::string oldB = thumbnail(b);
    testing::WriteFile(album.cache->CacheFileName(a), oldA);
    testing::WriteFile(album.cache->CacheFileName(b), oldB);
    ThumbnailPipeline pipeline(context, album.cache.get(), 1);
    const std::vector<std::optional<std::string>> read = pipeline.ReadAhead({a, b, none});
    QCOMPARE(read.size(), size_t{3});
    QVERIFY(read[0] == oldA && read[1] == oldB && !read[2].has_value());
    // The pictures change and their cache files are made anew.
    const std::string newA = thumbnail(album.Picture("a.jpg", 320, 240, 200));
    const std::string newB = thumbnail(album.Picture("b.jpg", 320, 240, 250));
    QVERIFY(newA != oldA && newB != oldB);
    testing::WriteFile(album.cache->CacheFileName(a), newA);
    testing::WriteFile(album.cache->CacheFileName(b), newB);
    QVERIFY(pipeline.CachedBytes(a) == oldA);
    QVERIFY(pipeline.CachedBytes(a) == newA);
    pipeline.DropReadAhead();
    QVERIFY(pipeline.CachedBytes(b) == newB);
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
