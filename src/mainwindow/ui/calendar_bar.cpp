#include "mainwindow/ui/calendar_bar.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPainter>

#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

CalendarBar::CalendarBar(QWidget* parent) : QWidget(parent), strip_(1, ColourScheme::kStripRows, QImage::Format_RGB32) {
  setObjectName(QStringLiteral("CalendarBar"));
  setFixedHeight(kHeight);
  strip_.fill(QColor(221, 221, 221));
  // The buttons' captions sit on the middle tone of the strip in every
  // scheme, where white reads best.
  QPalette captions = palette();
  captions.setColor(QPalette::ButtonText, Qt::white);
  captions.setColor(QPalette::WindowText, Qt::white);
  setPalette(captions);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(2);

  controls_ = new QWidget(this);
  controls_->setObjectName(QStringLiteral("CalendarBarControls"));
  layout->addWidget(controls_);
  layout->addStretch(1);

  allAlbumsButton_ = MakeSpeedButton(this, "SpeedButton10", QStringLiteral("全てのアルバム"),
                                     QStringLiteral("全てのアルバム"));
  optionButton_ = MakeSpeedButton(this, "OptionSpBtn", QStringLiteral("Option"), QStringLiteral("Option"));
  holidaysButton_ = MakeSpeedButton(this, "SpeedButton13", QStringLiteral("祝日の編集"), QStringLiteral("祝日の編集"));
  organiserButton_ = MakeSpeedButton(this, "SpeedButton20", QStringLiteral("画像の整理"), QStringLiteral("画像の整理"));
  for (QAbstractButton* button : {allAlbumsButton_, optionButton_, holidaysButton_, organiserButton_}) {
    layout->addWidget(button);
  }
}

void CalendarBar::PlaceControls(QWidget* controls) {
  delete layout()->replaceWidget(controls_, controls);
  controls->setObjectName(controls_->objectName());
  controls->setVisible(!controls_->isHidden());
  delete controls_;
  controls_ = controls;
}

void CalendarBar::SetStrip(const ColourScheme& scheme) {
  for (int y = 0; y < ColourScheme::kStripRows; ++y) strip_.setPixelColor(0, y, ToQColor(scheme.Row(y)));
  update();
}

void CalendarBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), strip_);
}

}  // namespace lumidex
