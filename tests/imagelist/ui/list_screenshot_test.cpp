// Renders the image list in its modes and sizes and checks what was drawn
// where. With LUMIDEX_SCREENSHOTS set to a folder, each picture is also
// saved there as a PNG to be looked at.

#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "album/album_text.h"
#include "imagelist/item_geometry.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/memo_panel.h"
#include "list_test_album.h"

using lumidex::testing::ListTestAlbum;

namespace lumidex {

class ListScreenshotTest : public QObject {
  Q_OBJECT

 private:
  struct Scene {
    ListTestAlbum album;
    std::unique_ptr<ImageListPanel> panel;
  };

  // 2014 with 03/15 (four pictures, a missing file, a sub-album with a
  // comment) and 04/02 (one picture), shown in a started panel.
  std::unique_ptr<Scene> MakeScene() {
    auto scene = std::make_unique<Scene>();
    ListTestAlbum& album = scene->album;
    std::vector<std::string> lines;
    const int sizes[][2] = {{640, 480}, {480, 640}, {800, 450}, {600, 600}};
    for (int i = 0; i < 4; ++i) {
      lines.push_back(album.Picture("p" + std::to_string(i) + ".jpg", sizes[i][0], sizes[i][1],
                                    i * 60) +
                      "=" + (i == 1 ? "海辺の夕焼け" + std::string(kStoredLineBreak) + "二行目" : ""));
    }
    lines.push_back(album.home.Join("gone/missing.jpg="));
    lines.push_back("@03/15旅行=北海道" + std::string(kStoredLineBreak) + "二日目");
    const std::string trip = album.Picture("trip.jpg", 500, 400, 200);
    if (!album.store->SwitchYear("2014/03/15").ok()) qFatal("year");
    if (!album.operations->CreatePage("03/15").ok()) qFatal("page");
    if (!album.operations->CreatePage("04/02").ok()) qFatal("page");
    if (!album.store->SaveSection("03/15", lines, false).ok()) qFatal("section");
    if (!album.store->SaveSection("04/02", {trip + "="}, false).ok()) qFatal("section");
    album.store->ChangeSubAlbumDocument([&](TMemIniFile& doc) { doc.SetValue("03/15旅行", trip, ""); });
    if (!album.store->SaveCurrent(false).ok()) qFatal("save");
    album.store->RebuildSummaries();
    scene->panel = album.MakePanel(560, 420);
    Settings settings;
    scene->panel->ApplySettings(settings);
    ListLook colours;
    colours.light = 0xF4E8D8;
    colours.band16 = 0x905020;
    colours.paleAccent = 0xF8F0E0;
    colours.paleBand = 0xFCF4EC;
    scene->panel->SetColours(colours);
    scene->panel->show();
    scene->panel->StartWorker();
    scene->panel->ShowCurrent();
    return scene;
  }

  // Waits until every visible picture of the open page has its thumbnail.
  void WaitForThumbnails(ImageListPanel& panel) {
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          for (int row = 0; row < 4; ++row) {
            const ALBDATA* record = panel.list().entries().record(row);
            if (record == nullptr || !record->data) return false;
          }
          return panel.list().entries().record(5) != nullptr;
        }(),
        10000);
    QTest::qWait(50);
  }

  QImage Shot(QWidget& widget, const QString& name) {
    const QImage image = widget.grab().toImage();
    const QString folder = qEnvironmentVariable("LUMIDEX_SCREENSHOTS");
    if (!folder.isEmpty()) {
      QDir().mkpath(folder);
      image.save(folder + "/" + name + ".png");
    }
    return image;
  }

  // The colour at the centre of the picture box of `row` in the view.
  QColor PictureCentre(ImageListPanel& panel, const QImage& viewShot, int row) {
    const QRect item = panel.view()->visualRect(panel.view()->model()->index(row, 0));
    const FileItemLayout layout = LayoutFileItem(IconItemCell(panel.delegate()->look().pictureSize), false);
    const QPoint centre = item.topLeft() + QPoint(layout.pictureBox.x + layout.pictureBox.width / 2,
                                                  layout.pictureBox.y + layout.pictureBox.height / 2);
    return viewShot.pixelColor(centre);
  }

 private slots:
  void PageListRowsShowPagesAndCounts() {
    auto scene = MakeScene();
    const QImage shot = Shot(*scene->panel, "page-list");
    const QImage view = scene->panel->view()->viewport()->grab().toImage();
    // The second row (an even month, 04/02) is drawn in the light colour.
    const QRect second = scene->panel->view()->visualRect(scene->panel->view()->model()->index(1, 0));
    QCOMPARE(view.pixelColor(second.right() - 4, second.center().y()), QColor(0xD8, 0xE8, 0xF4));
    const QRect first = scene->panel->view()->visualRect(scene->panel->view()->model()->index(0, 0));
    QCOMPARE(view.pixelColor(first.right() - 4, first.center().y()), QColor(Qt::white));
    QVERIFY(!shot.isNull());
  }

  void PageWithPicturesLargeAndSmall() {
    auto scene = MakeScene();
    ImageListPanel& panel = *scene->panel;
    panel.OpenRow(0);
    WaitForThumbnails(panel);
    Shot(panel, "page-large");
    QImage view = panel.view()->viewport()->grab().toImage();
    // A picture's thumbnail fills the middle of its card: not the white card.
    QVERIFY(PictureCentre(panel, view, 0) != QColor(Qt::white));
    // The missing file has only its card.
    QCOMPARE(PictureCentre(panel, view, 4), QColor(Qt::white));

    panel.SetSmallPictures(!panel.smallPictures());
    QTest::qWait(50);
    Shot(panel, "page-small");
    view = panel.view()->viewport()->grab().toImage();
    QCOMPARE(panel.delegate()->look().pictureSize, 56);
    QVERIFY(PictureCentre(panel, view, 0) != QColor(Qt::white));
  }

  void SelectionAndCommentEditor() {
    auto scene = MakeScene();
    ImageListPanel& panel = *scene->panel;
    panel.OpenRow(0);
    WaitForThumbnails(panel);
    panel.view()->SelectRows({1, 2});
    emit panel.view()->itemClicked(1);
    QTest::qWait(20);
    Shot(panel, "selection-comment-large");
    QCOMPARE(panel.memo()->Text(), QStringLiteral("海辺の夕焼け\n二行目"));
    QVERIFY(!panel.memo()->applyEnabled());
    panel.SetSmallPictures(!panel.smallPictures());
    QTest::qWait(50);
    Shot(panel, "selection-comment-small");
  }

  void DatesAndMissingFileCaption() {
    auto scene = MakeScene();
    ImageListPanel& panel = *scene->panel;
    panel.OpenRow(0);
    WaitForThumbnails(panel);
    panel.datesButton()->click();
    QTest::qWait(20);
    Shot(panel, "dates-large");
    QVERIFY(panel.delegate()->look().showDates);
  }

  void SubAlbumLargeAndSmall() {
    auto scene = MakeScene();
    ImageListPanel& panel = *scene->panel;
    panel.OpenRow(0);
    WaitForThumbnails(panel);
    const QImage view = panel.view()->viewport()->grab().toImage();
    // The sub-album item is filled with the pale accent colour.
    const QRect item = panel.view()->visualRect(panel.view()->model()->index(5, 0));
    QCOMPARE(view.pixelColor(item.topLeft() + QPoint(20, 60)), QColor(0xE0, 0xF0, 0xF8));
    Shot(panel, "subalbum-entry-large");
    panel.OpenRow(5);
    QTRY_VERIFY_WITH_TIMEOUT(panel.list().entries().record(0) != nullptr &&
                                 panel.list().entries().record(0)->data.has_value(),
                             10000);
    QTest::qWait(50);
    Shot(panel, "subalbum-open-large");
    panel.GoBack();
    panel.SetSmallPictures(!panel.smallPictures());
    QTest::qWait(50);
    Shot(panel, "subalbum-entry-small");
  }
};

}  // namespace lumidex

QTEST_MAIN(lumidex::ListScreenshotTest)
#include "list_screenshot_test.moc"
