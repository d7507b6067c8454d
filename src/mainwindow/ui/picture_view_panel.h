#pragma once

#include <QWidget>

namespace lumidex {

// The picture view region, `Panel12`, which takes the calendar's place while
// a picture is shown large: the picture `Image2`, the picture view bar
// `Panel14` (full screen, list buttons, slide show start, interval
// `MyTrackBar1`, effect `ComboBox3`, slide type `ComboBox4`, stretch, follow
// `CheckBox10`, music `MugPlayBtn`, actual size `FullSizeSpBtn`) and the
// sub-album choice `Panel1` (`CheckListBox1`, `CheckBox1`). Hidden at start;
// the views of the picture, the slide show and the music drive its controls.
class PictureViewPanel : public QWidget {
  Q_OBJECT

 public:
  explicit PictureViewPanel(QWidget* parent = nullptr);

  // The width the bar's controls need: `CheckBox10`'s right edge plus 16
  // pixels. The calendar side is never made narrower than this.
  int NeededBarWidth() const;

 private:
  QWidget* bar_ = nullptr;     // Panel14
  QWidget* follow_ = nullptr;  // CheckBox10
};

}  // namespace lumidex
