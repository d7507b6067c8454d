#pragma once

#include <QPalette>
#include <QWidget>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QSlider;

namespace lumidex {

// The picture view region, `Panel12`, which takes the calendar's place while
// a page, sub-album or folder is in the list: the picture view bar `Panel14`
// on top, below it the picture `Image2` (placed by PlacePicture) with the
// slide show settings `Panel1` at its right, and the full-screen music strip
// `Panel6` at the bottom. Hidden at start. The panel creates the controls
// and hands them out typed; the picture view and the slide show drive them.
class PictureViewPanel : public QWidget {
  Q_OBJECT

 public:
  // The picture view bar `Panel14`, in two rows.
  struct Bar {
    QAbstractButton* fullScreen = nullptr;    // FullScreenBtn "全画面"
    QAbstractButton* showList = nullptr;      // SpeedButton22 "リストを表示"
    QAbstractButton* hideList = nullptr;      // SpeedButton23 "リストを非表示"
    QAbstractButton* start = nullptr;         // SpeedButton18 "Start" / "Stop"
    QSlider* interval = nullptr;              // MyTrackBar1, milliseconds
    QLabel* intervalText = nullptr;           // Label6 "1秒"
    QLabel* number = nullptr;                 // StaticText1, the picture's number
    QComboBox* effect = nullptr;              // ComboBox3
    QComboBox* slideType = nullptr;           // ComboBox4
    QAbstractButton* dayList = nullptr;       // SpeedButton29 "スライドタイプの設定"
    QAbstractButton* settings = nullptr;      // SpeedButton6, shows Panel1
    QCheckBox* stretch = nullptr;             // CheckBox13 "ストレッチ"
    QCheckBox* follow = nullptr;              // CheckBox10 "追随"
    QAbstractButton* music = nullptr;         // MugPlayBtn "♪"
    QAbstractButton* actualSize = nullptr;    // FullSizeSpBtn "原寸"
  };
  // The slide show settings `Panel1`.
  struct SlideSettings {
    QWidget* panel = nullptr;             // Panel1
    QCheckBox* pagePictures = nullptr;    // CheckBox1 "ページの画像を表示する"
    QListWidget* subAlbums = nullptr;     // CheckListBox1, checkable names
  };
  // The full-screen music strip `Panel6`.
  struct MusicStrip {
    QWidget* panel = nullptr;             // Panel6
    QLabel* title = nullptr;              // the music title
    QAbstractButton* previous = nullptr;  // SpeedButton24
    QAbstractButton* next = nullptr;      // SpeedButton25
  };

  explicit PictureViewPanel(QWidget* parent = nullptr);

  // Puts the picture view `Image2` in its place; the panel owns it.
  void PlacePicture(QWidget* picture);
  QWidget* picture() const { return picture_; }

  const Bar& bar() const { return bar_; }
  QWidget* barPanel() const { return barPanel_; }
  const SlideSettings& slideSettings() const { return settings_; }
  const MusicStrip& musicStrip() const { return strip_; }

  // Full-screen mode: the bar leaves the layout and lies over the top of
  // the picture in the dark tool bar colour, hidden until ShowFloatingBar;
  // otherwise it is back above the picture in its own colours.
  void SetBarFloating(bool floating);
  void ShowFloatingBar(bool shown);

  // The width the bar's controls need: the right edge of `CheckBox10` plus
  // 16 pixels. The calendar side is never made narrower than this.
  int NeededBarWidth() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* barPanel_ = nullptr;  // Panel14
  QWidget* picture_ = nullptr;   // Image2
  Bar bar_;
  SlideSettings settings_;
  MusicStrip strip_;
  bool barFloating_ = false;
  QPalette barPalette_;  // the bar's colours outside full-screen mode
};

}  // namespace lumidex
