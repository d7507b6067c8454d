#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/screen_saver_inhibitor.h"
#include "slideshow/music_controller.h"
#include "slideshow/store_slide_album.h"
#include "slideshow/ui/qt_music_player.h"

namespace lumidex {

class AlbumStore;
class ImageListPanel;
class PictureViews;
class SlideSequencer;
class TForm1;

// The slide show in the window: the start and stop button `SpeedButton18`,
// the interval track bar with its label, the slide type and its day list
// dialog, the settings panel with the page pictures box and the sub-album
// check list, follow mode, full screen, the music with its button, track
// buttons and title line. The order of the pictures is the sequencer's; the
// pages and sub-albums it moves to are opened in the album store, so the
// image list shows them, and the show returns to the page it started from
// when it stops. The steps are paced by the window's `Timer1`: the interval
// runs from the end of one picture's display (its transition included) to
// the next step, and no step ever sleeps, so Stop acts at once. While a show
// runs the screen saver is held off.
//
// Main thread only; the window, list, store and views must outlive it.
class SlideShowView : public QObject {
  Q_OBJECT

 public:
  SlideShowView(TForm1& window, ImageListPanel& list, AlbumStore& album, PictureViews& views);
  ~SlideShowView() override;

  bool running() const { return running_; }
  void Start();
  void Stop();
  // The day list of the types other than "Day", kept for the run.
  const std::vector<std::string>& dayList() const { return dayList_; }
  // "スライドタイプのリストに追加": appends the day `date` ("yyyy/mm/dd") as
  // the slide type chosen takes it, unsorted.
  void AddToDayList(const std::string& date);
  MusicController& music() { return music_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectBar();
  void ConnectMusic();
  void Step();
  void AfterSlideShown();
  void ApplyInterval(int milliseconds);
  void OnSlideTypeChanged();
  void EditDayList();
  void ToggleSettingsPanel(bool shown);
  void KeepPagePicturesMeaningful(bool ticked);
  void SwitchFullScreen(bool on);
  // What depends on whether the show runs (buttons, hints, the list).
  void ApplyRunningState();
  // The store opened another container for the show.
  void OnContainerChanged();
  void ChooseMusicOfContainer();
  void ApplyMusicButton();
  void StepTrack(bool next);
  void ShowMusicTitle();
  std::vector<std::string> TickedSubAlbums() const;

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  PictureViews& views_;
  StoreSlideAlbum slideAlbum_;
  std::unique_ptr<SlideSequencer> sequencer_;
  StoreSlideAlbum::Place startPlace_;
  QtMusicPlayer player_;
  MusicController music_;
  ScreenSaverInhibitor inhibitor_;
  // MyTrackBar1, whose keys and right button are filtered; a plain object,
  // as it is no longer a slider while the window's regions are taken down.
  QPointer<QObject> interval_;
  QTimer titleTimer_;  // the music title, about every 1.2 seconds
  std::vector<std::string> dayList_;
  bool running_ = false;
  bool switchingScreen_ = false;  // the full-screen switch holds the steps
  bool wasMaximised_ = false;
  QRect normalGeometry_;
};

}  // namespace lumidex
