// The free layout item menu's picture editing in the real window: the
// picture goes to the window's external editing, which disables the window
// while the editor runs, and the canvas draws the edited file afterwards.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "album/album_store.h"
#include "foundation/text_codec.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_commands.h"
#include "freelayout/ui/free_layout_view.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_edit_commands.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class FreeLayoutPictureEditingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    album_ = std::make_unique<lumidex::testing::WindowTestAlbum>();
    // One picture item over the whole canvas of the page 08/20.
    const std::string document = "[08/20]\r\n000000000073003640000000000=" + album_->first + "\r\n";
    lumidex::testing::WriteFile(album_->env->folders.albumDir + "2014.ini", EncodeAlbumFile(document));
    views_ = lumidex::testing::ShowWindowOver(*album_, window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() {
    window_.reset();
    album_.reset();
  }

  void theWindowWaitsForTheEditorAndTheCanvasDrawsTheEditedPicture() {
    views_->imageList().view()->SelectAndShow(0);
    views_->imageList().OpenRow(0);  // 08/20
    window_->pageSide()->toolbar().freeLayout->click();
    FreeLayoutCanvas& canvas = *window_->pageSide()->freeLayout().canvas;
    QCOMPARE(canvas.items().size(), size_t{1});
    const QImage before = canvas.grab().toImage();

    // The "editor" writes a picture of other colours over the file.
    const std::string replacement = album_->Picture("replacement.jpg", 250);
    const std::string editor = album_->home.Join("bin/editor");
    lumidex::testing::WriteFile(editor, "#!/bin/sh\nsleep 0.3\ncp \"" + replacement + "\" \"$1\"\n");
    ::chmod(editor.c_str(), 0755);
    window_->settings().gTool = editor;

    auto* editing = window_->findChild<PictureEditCommands*>();
    QSignalSpy renewed(editing, &PictureEditCommands::thumbnailsRenewed);
    window_->findChild<FreeLayoutView*>()->commands()->OpenInEditor(0, false);
    QVERIFY(editing->editorRunning());
    QVERIFY(!window_->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(renewed.count(), 1, 10000);
    QCOMPARE(renewed.front().front().toString(), QString::fromStdString(album_->first));
    QVERIFY(window_->isEnabled());
    QTRY_VERIFY(canvas.grab().toImage() != before);
    // The edit of a file is no edit of the layout.
    QVERIFY(!window_->findChild<FreeLayoutView*>()->modified());
  }

 private:
  std::unique_ptr<lumidex::testing::WindowTestAlbum> album_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
};

QTEST_MAIN(FreeLayoutPictureEditingTest)
#include "free_layout_picture_editing_test.moc"
