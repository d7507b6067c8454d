// External picture editing and the image list's menu in the real window:
// an "editor" (a script that writes another picture over the file and
// exits) runs with the window disabled, and afterwards the window is
// enabled and the picture's list thumbnail is renewed in memory and in the
// disk cache; the list's menu offers its commands under their captions.
#include <sys/stat.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>
#include <memory>
#include <optional>

#include "album/album_store.h"
#include "album/grp_data.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "images/thumbnail_cache.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/list_menu_commands.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_edit_commands.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

namespace {

// A picture large enough for the disk cache, in colours that depend on
// `seed`.
std::string NoisyJpeg(int seed) {
  Bitmap bitmap = Bitmap::Create(320, 240);
  uint32_t state = 12345u + static_cast<uint32_t>(seed);
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 320; ++x) {
      state = state * 1103515245u + 12345u;
      bitmap.SetPixel(
          x, y,
          0xFF000000u | (state >> 8 & 0xFFFFFF) | static_cast<uint32_t>(seed * 40 % 256) << 16);
    }
  }
  return EncodeJpeg(bitmap).value();
}

// Every caption of `menu` and its submenus.
QStringList Captions(const QMenu& menu) {
  QStringList captions;
  for (QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    captions << action->text();
    if (action->menu() != nullptr) captions << Captions(*action->menu());
  }
  return captions;
}

}  // namespace

class PictureEditingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    album_ = std::make_unique<lumidex::testing::WindowTestAlbum>();
    lumidex::testing::WriteFile(album_->first, NoisyJpeg(1));
    cache_ = std::make_unique<ThumbnailCache>(album_->home.Join("jpgdat/"), true);
    window_ = std::make_unique<TForm1>();
    window_->SetEnvironment(std::move(album_->env));
    views_ = new AlbumViews(*window_, *album_->store, cache_.get(), [] {
      return CalendarDate{2014, 8, 20};
    });
    views_->ShowFirstMonth();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() {
    window_.reset();
    cache_.reset();
    album_.reset();
  }

  void theWindowWaitsForTheEditorAndTheThumbnailsAreRenewedAfterwards() {
    auto* editing = window_->findChild<PictureEditCommands*>();
    QVERIFY(editing != nullptr);
    ImageListPanel& list = views_->imageList();
    QVERIFY(album_->store->OpenPage("08/20").ok());
    list.SyncWithStore();
    list.SelectRow(0);
    QVERIFY(list.list().EnsureItemData(0));
    QTRY_VERIFY(list.list().entries().record(0)->data.has_value());
    const std::string before = *list.list().entries().record(0)->data;

    const std::string replacement = album_->home.Join("replacement.jpg");
    lumidex::testing::WriteFile(replacement, NoisyJpeg(5));
    const std::string editor = album_->home.Join("bin/editor");
    lumidex::testing::WriteFile(editor,
                                "#!/bin/sh\nsleep 0.5\ncp \"" + replacement + "\" \"$1\"\n");
    ::chmod(editor.c_str(), 0755);
    window_->settings().gTool = editor;

    QSignalSpy renewed(editing, &PictureEditCommands::thumbnailsRenewed);
    QVERIFY(editing->EditSelected(EditorChoice::kTool));
    QVERIFY(!window_->isEnabled());
    QVERIFY(editing->editorRunning());
    QVERIFY(!editing->EditSelected(EditorChoice::kTool));  // one editor at a time
    QTRY_COMPARE_WITH_TIMEOUT(renewed.count(), 1, 10000);
    QVERIFY(window_->isEnabled());
    QCOMPARE(renewed.front().front().toString(), QString::fromStdString(album_->first));

    const ALBDATA* record = list.list().entries().record(0);
    QVERIFY(record->data.has_value());
    QVERIFY(*record->data != before);
    // The cache file holds the renewed thumbnail, the one the list shows.
    QCOMPARE(lumidex::testing::ReadFile(cache_->CacheFileName(album_->first)), *record->data);

    // The editor ended at once, as one that hands the file to a running
    // instance does: a later save of the file renews the thumbnails again.
    const std::string first = *record->data;
    lumidex::testing::WriteFile(album_->first, NoisyJpeg(7));
    QTRY_COMPARE_WITH_TIMEOUT(renewed.count(), 2, 10000);
    QVERIFY(*list.list().entries().record(0)->data != first);

    // A sub-album entry has no picture: nothing starts.
    list.SelectRow(2);
    QVERIFY(!editing->EditSelected(EditorChoice::kTool));
    QVERIFY(window_->isEnabled());
  }

  void inThePageListThePagesCoverIsEditedAndItsSummaryRenewed() {
    auto* editing = window_->findChild<PictureEditCommands*>();
    ImageListPanel& list = views_->imageList();
    QVERIFY(!album_->store->PageOpen());
    const auto summaryOf = [this]() -> std::optional<std::string> {
      for (const GRPDATA& summary : album_->store->Summaries()) {
        if (summary.name == "08/20") return summary.thumbnail;
      }
      return std::nullopt;
    };
    const std::optional<std::string> before = summaryOf();
    QVERIFY(before.has_value());
    int row = -1;
    for (int i = 0; i < list.list().size(); ++i) {
      if (list.list().entries().NameAt(i) == "08/20") row = i;
    }
    QVERIFY(row >= 0);
    list.SelectRow(row);

    // The automatic cover of 08/20 is its first picture.
    const std::string replacement = album_->home.Join("replacement.jpg");
    lumidex::testing::WriteFile(replacement, NoisyJpeg(9));
    const std::string editor = album_->home.Join("bin/editor");
    lumidex::testing::WriteFile(
        editor, "#!/bin/sh\necho \"$1\" > \"$0.log\"\ncp \"" + replacement + "\" \"$1\"\n");
    ::chmod(editor.c_str(), 0755);
    window_->settings().gTool = editor;
    QSignalSpy renewed(editing, &PictureEditCommands::thumbnailsRenewed);
    QVERIFY(editing->EditSelected(EditorChoice::kTool));
    QTRY_COMPARE_WITH_TIMEOUT(renewed.count(), 1, 10000);
    QCOMPARE(lumidex::testing::ReadFile(editor + ".log"), album_->first + "\n");
    QVERIFY(summaryOf().has_value());
    QVERIFY(*summaryOf() != *before);

    // A page whose pictures are gone has no cover to edit: nothing starts.
    QVERIFY(std::remove(album_->first.c_str()) == 0);
    QVERIFY(std::remove(album_->second.c_str()) == 0);
    QVERIFY(!editing->EditSelected(EditorChoice::kTool));
    QVERIFY(window_->isEnabled());
  }

  void theListMenuOffersItsCommandsAndExifFollowsTheListsBox() {
    ImageListPanel& list = views_->imageList();
    auto* commands = window_->findChild<ListMenuCommands*>();
    QVERIFY(commands != nullptr);
    commands->Arrange();
    const QStringList captions = Captions(*list.popupMenu());
    for (const char* caption : {"画像の追加",
                                "サブアルバムの作成",
                                "この日に移動",
                                "コメントの編集",
                                "画像の編集",
                                "ツールを開く",
                                "ペイント",
                                "編集ツールの選択",
                                "お気に入りに追加",
                                "デスクトップの背景として設定",
                                "配置(&M)",
                                "コピー(&C)",
                                "コピー（アルバム情報）",
                                "貼り付け(&P)",
                                "変更",
                                "名前",
                                "ファイルパス名",
                                "指定場所へのファイルコピー",
                                "更新日に登録日を設定",
                                "不明画像の再設定",
                                "ディスクキャッシュの更新",
                                "スライドタイプのリストに追加",
                                "検索(&S)",
                                "検索(&F)",
                                "次を検索(&S)",
                                "削除(&D)",
                                "高画質",
                                "Exif(&I)",
                                "プロパティ"}) {
      QVERIFY2(captions.contains(QString::fromUtf8(caption)), caption);
    }
    // "名前" lives under "変更" only.
    QCOMPARE(captions.count(QStringLiteral("名前")), 1);
    QVERIFY(!list.popupMenu()->actions().contains(list.popupMenu()->renameAction()));

    auto* box = list.findChild<QCheckBox*>(QStringLiteral("ExifCheckBox"));
    QVERIFY(box != nullptr);
    box->setChecked(false);
    commands->exifAction()->trigger();
    QVERIFY(box->isChecked());
    box->setChecked(false);
    QVERIFY(!commands->exifAction()->isChecked());
    QAbstractButton* checkBox5 = window_->pageSide()->bottomBar().exif;
    checkBox5->setChecked(true);
    QVERIFY(box->isChecked() && commands->exifAction()->isChecked());

    // In the page list a selected page offers editing of its cover and its
    // properties; nothing selected, neither.
    QVERIFY(!album_->store->PageOpen());
    list.view()->clearSelection();
    emit list.popupMenu()->aboutToShow();
    auto* editing = window_->findChild<PictureEditCommands*>();
    QVERIFY(!editing->toolAction()->isEnabled());
    QVERIFY(!commands->propertiesAction()->isEnabled());
    list.SelectRow(0);
    emit list.popupMenu()->aboutToShow();
    QVERIFY(editing->toolAction()->isEnabled());
    QVERIFY(commands->propertiesAction()->isEnabled());
    QVERIFY(commands->goToDayAction()->isVisible());
  }

 private:
  std::unique_ptr<lumidex::testing::WindowTestAlbum> album_;
  std::unique_ptr<ThumbnailCache> cache_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
};

QTEST_MAIN(PictureEditingWindowTest)
#include "picture_editing_window_test.moc"
