#include "mainwindow/ui/status_area.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kIndicatorWidths[3] = {90, 56, 50};
// ProgressBar1 keeps this right margin, and "中止" sits this far left of it.
constexpr int kProgressMargin = 12;

QAbstractButton* HiddenButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  QAbstractButton* button = MakeSpeedButton(parent, name, caption, hint);
  button->hide();
  return button;
}

}  // namespace

StatusArea::StatusArea(QStatusBar* statusBar, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Panel2"));
  setAutoFillBackground(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, kProgressMargin, 2);
  row->setSpacing(4);

  previousTrack_ = HiddenButton(this, "SpeedButton26", QStringLiteral("◀"), QStringLiteral("一つ前の曲"));
  nextTrack_ = HiddenButton(this, "SpeedButton27", QStringLiteral("▶"), QStringLiteral("次の曲"));
  row->addWidget(previousTrack_);
  row->addWidget(nextTrack_);
  blurLevel_ = new QLabel(this);
  blurLevel_->setObjectName(QStringLiteral("StaticText2"));
  SetHint(blurLevel_, QStringLiteral("レベルの増減|マウスの左右ボタンでぼかしレベルを増減する"));
  blurLevel_->hide();
  row->addWidget(blurLevel_);
  resetZoom_ = HiddenButton(this, "SpeedButton39", QStringLiteral("原寸"), QStringLiteral("原寸サイズに戻す"));
  row->addWidget(resetZoom_);
  blur_ = HiddenButton(this, "SpeedButton44", QStringLiteral("ぼかし"),
                       QStringLiteral("ぼかし|ブロック状の拡大画像を滑らかにする"));
  blur_->setCheckable(true);
  row->addWidget(blur_);

  dayLine_ = new QLabel(QStringLiteral("-"), this);
  dayLine_->setObjectName(QStringLiteral("Label3"));
  dayLine_->setMinimumWidth(1);
  row->addWidget(dayLine_, 1);

  abortButton_ = MakeSpeedButton(this, "SpeedButton4", QStringLiteral("中止"), QStringLiteral("中止"));
  abortButton_->hide();
  row->addWidget(abortButton_);
  row->addSpacing(kProgressMargin - row->spacing());
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setTextVisible(false);
  progress_->setFixedSize(150, 14);
  progress_->setRange(0, 100);
  progress_->setValue(0);
  row->addWidget(progress_);
  connect(abortButton_, &QAbstractButton::clicked, this, &StatusArea::RequestAbort);

  statusBar->setObjectName(QStringLiteral("StatusBar1"));
  statusBar->setAutoFillBackground(true);
  for (int i = 0; i < 3; ++i) {
    indicators_[i] = new QLabel(statusBar);
    indicators_[i]->setAlignment(i < 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (i < 2) {
      indicators_[i]->setFixedWidth(kIndicatorWidths[i]);
      statusBar->addWidget(indicators_[i]);
    } else {
      // The last panel takes the rest of the bar: it shows a day's page
      // status and the name of the entry worked on, which are longer.
      indicators_[i]->setMinimumWidth(kIndicatorWidths[i]);
      indicators_[i]->setIndent(3);
      statusBar->addWidget(indicators_[i], 1);
    }
  }
}

void StatusArea::SetIndicatorText(int index, const QString& text, const QString& hint) {
  indicators_[index]->setText(text);
  SetHint(indicators_[index], hint);
}

void StatusArea::SetDayLine(const QString& text) { dayLine_->setText(text); }

void StatusArea::Begin(int total) {
  abort_ = false;
  progress_->setRange(0, total > 0 ? total : 1);
  progress_->setValue(0);
  abortButton_->show();
}

bool StatusArea::Step(int done, std::string_view item) {
  progress_->setValue(done);
  indicators_[2]->setText(ToQString(item));
  QCoreApplication::processEvents();
  return abort_;
}

void StatusArea::End() {
  progress_->setRange(0, 100);
  progress_->setValue(0);
  indicators_[2]->clear();
  abortButton_->hide();
}

}  // namespace lumidex
