#pragma once

// An album in a temporary home for the main window's tests: the
// environment, the store, and real JPEG pictures below the home.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "album/album_fixture.h"
#include "album/album_store.h"
#include "foundation/app_environment.h"
#include "images/bitmap.h"
#include "images/jpeg_codec.h"
#include "images/thumbnail_maker.h"
#include "support/temp_home.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex::testing {

// An album with the page 08/20 holding two pictures in 2014 and one in 2013,
// the page 08/21 without entries, and a sub-album "旅行" of 08/20 in 2014.
struct WindowTestAlbum {
  WindowTestAlbum() {
    auto opened = AppEnvironment::Open(home.path(), "tester", AppEnvironment::Unreadable::kFail, files);
    if (!opened.ok()) qFatal("album: %s", opened.status().message().c_str());
    env = std::move(opened).value();
    ImageContext cellContext;
    cellContext.types = &env->types;
    store = std::make_unique<AlbumStore>(env->folders, env->types, *env->pageIndex, *env->lockList,
                                         files, CellThumbnailRenderer(60, 50, cellContext));
    first = Picture("a.jpg", 0);
    second = Picture("b.jpg", 90);
    env->pageIndex->SetValue("DATA", "08/20", ".alb");
    env->pageIndex->SetValue("DATA", "08/21", ".alb");
    Check(store->SavePageIndex());
    Check(store->SwitchYear("2013"));
    Check(store->SaveSection("08/20", {second + "="}, false).status());
    Check(store->SwitchYear("2014"));
    Check(
        store->SaveSection("08/20", {first + "=海", second + "=", "@08/20旅行="}, false).status());
    store->ChangeSubAlbumDocument(
        [&](TMemIniFile& doc) { doc.AppendSection("08/20旅行", {first + "="}); });
    Check(store->Close());
  }

  static void Check(const Status& status) {
    if (!status.ok()) qFatal("album: %s", status.message().c_str());
  }

  std::string Picture(const std::string& name, int hue) {
    Bitmap bitmap = Bitmap::Create(64, 48);
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 64; ++x)
        bitmap.SetPixel(x, y, 0xFF000000u | (hue << 16) | (x * 4 << 8) | (y * 5));
    }
    const std::string path = home.Join("pics/" + name);
    WriteFile(path, EncodeJpeg(bitmap).value());
    return path;
  }

  TempHome home;
  FailableFileStore files;
  std::unique_ptr<AppEnvironment> env;
  std::unique_ptr<AlbumStore> store;
  std::string first, second;
};

// Builds `window` over `album` (the window takes its environment), with the
// album's views made for the day 2014/08/20 and the first month shown, and
// shows it; the views belong to the window. The test then waits for the
// window to be exposed.
inline AlbumViews* ShowWindowOver(WindowTestAlbum& album, std::unique_ptr<TForm1>& window) {
  window = std::make_unique<TForm1>();
  window->SetEnvironment(std::move(album.env));
  auto* views = new AlbumViews(*window, *album.store, nullptr, [] { return CalendarDate{2014, 8, 20}; });
  views->ShowFirstMonth();
  window->show();
  return views;
}

// Answers "はい" to every question box that comes up while it lives,
// keeping the text of the last one.
class YesToQuestions {
 public:
  YesToQuestions() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        lastQuestion = box->text();
        box->button(QMessageBox::Yes)->click();
      }
    });
    timer_.start(10);
  }

  QString lastQuestion;

 private:
  QTimer timer_;
};

// A fresh test album with the window shown over it, made in a window test's
// init() (QVERIFY(shown.Open())) and dropped in its cleanup() (Close).
struct ShownWindow {
  std::unique_ptr<WindowTestAlbum> album;
  std::unique_ptr<TForm1> window;
  AlbumViews* views = nullptr;

  // True once the window is exposed.
  bool Open() {
    album = std::make_unique<WindowTestAlbum>();
    views = ShowWindowOver(*album, window);
    return QTest::qWaitForWindowExposed(window.get());
  }
  void Close() {
    window.reset();
    album.reset();
  }
};

}  // namespace lumidex::testing
