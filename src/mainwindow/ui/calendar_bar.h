#pragma once

#include <QImage>
#include <QWidget>

#include "mainwindow/colour_scheme.h"

class QAbstractButton;
class QHBoxLayout;

namespace lumidex {

// The bar across the top of the window, 27 pixels high, with the scheme's
// pattern strip stretched over it as background. Its left part is the place
// of the calendar's month and year controls `CalendarBarControls` (a
// placeholder until PlaceControls); on the right sit the window's tool
// buttons: `SpeedButton10` (all albums), `OptionSpBtn` (the option dialog),
// `SpeedButton13` (holiday editor) and `SpeedButton20` (file organiser).
class CalendarBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 27;

  explicit CalendarBar(QWidget* parent = nullptr);

  // Shows `scheme`'s pattern strip as the background.
  void SetStrip(const ColourScheme& scheme);
  // Puts the calendar's `controls` in their place, with the place's name and
  // visibility; the bar owns them from then on.
  void PlaceControls(QWidget* controls);

  QWidget* controls() const { return controls_; }
  QAbstractButton* allAlbumsButton() const { return allAlbumsButton_; }
  QAbstractButton* optionButton() const { return optionButton_; }
  QAbstractButton* holidaysButton() const { return holidaysButton_; }
  QAbstractButton* organiserButton() const { return organiserButton_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage strip_;
  QWidget* controls_ = nullptr;
  QAbstractButton* allAlbumsButton_ = nullptr;
  QAbstractButton* optionButton_ = nullptr;
  QAbstractButton* holidaysButton_ = nullptr;
  QAbstractButton* organiserButton_ = nullptr;
};

}  // namespace lumidex
