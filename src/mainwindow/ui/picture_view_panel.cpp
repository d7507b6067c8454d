#include "mainwindow/ui/picture_view_panel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QVBoxLayout>

#include "platform/ui/control_hint.h"

namespace lumidex {
namespace {

QComboBox* MakeComboBox(QWidget* parent, const char* name, const QStringList& items, const QString& hint) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->addItems(items);
  box->setFocusPolicy(Qt::NoFocus);
  SetHint(box, hint);
  return box;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QHBoxLayout* MakeRow() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  return row;
}

// The bar `Panel14`: the show's own controls on the first row, the look and
// the music on the second.
QWidget* MakeBar(QWidget* parent, PictureViewPanel::Bar& bar) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("Panel14"));
  panel->setAutoFillBackground(true);
  auto* rows = new QVBoxLayout(panel);
  rows->setContentsMargins(2, 2, 2, 2);
  rows->setSpacing(1);

  QHBoxLayout* first = MakeRow();
  bar.fullScreen = MakeSpeedButton(panel, "FullScreenBtn", QStringLiteral("全画面"), QStringLiteral("全画面"), true);
  bar.showList = MakeSpeedButton(panel, "SpeedButton22", QStringLiteral("表示"), QStringLiteral("リストを表示"), true);
  bar.hideList = MakeSpeedButton(panel, "SpeedButton23", QStringLiteral("非表示"), QStringLiteral("リストを非表示"), true);
  bar.showList->setAutoExclusive(true);
  bar.hideList->setAutoExclusive(true);
  bar.showList->setChecked(true);
  bar.start = MakeSpeedButton(panel, "SpeedButton18", QStringLiteral("Start"),
                              QStringLiteral("Start|スライドショーを開始する"));
  bar.interval = new QSlider(Qt::Horizontal, panel);
  bar.interval->setObjectName(QStringLiteral("MyTrackBar1"));
  bar.interval->setRange(1, 60000);
  bar.interval->setValue(1000);
  bar.interval->setSingleStep(1);
  bar.interval->setPageStep(1000);
  bar.interval->setFixedWidth(90);
  bar.interval->setAutoFillBackground(true);
  SetHint(bar.interval, QStringLiteral("切り換え間隔|右クリックで整数値"));
  bar.intervalText = MakeLabel(panel, "Label6", QStringLiteral("1秒"));
  bar.intervalText->setMinimumWidth(52);
  bar.number = MakeLabel(panel, "StaticText1", QString());
  bar.number->setMinimumWidth(40);
  bar.number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  for (QWidget* w : std::initializer_list<QWidget*>{bar.fullScreen, bar.showList, bar.hideList, bar.start,
                                                    bar.interval, bar.intervalText, bar.number}) {
    first->addWidget(w);
  }
  first->addStretch(1);

  QHBoxLayout* second = MakeRow();
  bar.effect = MakeComboBox(panel, "ComboBox3",
                            {QStringLiteral("Normal"), QStringLiteral("Fade"), QStringLiteral("Overlap 1"),
                             QStringLiteral("Overlap 2")},
                            QStringLiteral("切換え時の画像効果"));
  bar.slideType = MakeComboBox(
      panel, "ComboBox4",
      {QStringLiteral("Day"), QStringLiteral("Days"), QStringLiteral("Year"), QStringLiteral("List")},
      QStringLiteral("スライドタイプ"));
  bar.dayList = MakeSpeedButton(panel, "SpeedButton29", QStringLiteral("設定"), QStringLiteral("スライドタイプの設定"));
  bar.dayList->hide();
  bar.settings = MakeSpeedButton(panel, "SpeedButton6", QStringLiteral("表示設定"),
                                 QStringLiteral("スライドショーの表示設定"), true);
  bar.stretch = MakeCheckBox(panel, "CheckBox13", QStringLiteral("ストレッチ"));
  bar.follow = MakeCheckBox(panel, "CheckBox10", QStringLiteral("追随"), QStringLiteral("追随|画像のリストを表示"));
  bar.music = MakeSpeedButton(panel, "MugPlayBtn", QStringLiteral("♪"), QStringLiteral("Play|音楽の再生と停止"), true);
  bar.music->setAutoFillBackground(true);
  bar.actualSize = MakeSpeedButton(panel, "FullSizeSpBtn", QStringLiteral("原寸"),
                                   QStringLiteral("原寸|実際のサイズで表示"), true);
  for (QWidget* w : std::initializer_list<QWidget*>{bar.effect, bar.slideType, bar.dayList, bar.settings,
                                                    bar.stretch, bar.follow, bar.music, bar.actualSize}) {
    second->addWidget(w);
  }
  second->addStretch(1);
  rows->addLayout(first);
  rows->addLayout(second);
  return panel;
}

QWidget* MakeSlideSettings(QWidget* parent, PictureViewPanel::SlideSettings& settings) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setAutoFillBackground(true);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(4, 4, 4, 4);
  settings.pagePictures = MakeCheckBox(panel, "CheckBox1", QStringLiteral("ページの画像を表示する"));
  settings.pagePictures->setChecked(true);
  column->addWidget(settings.pagePictures);
  auto* label = MakeLabel(panel, "Label7", QStringLiteral("表示するサブアルバムにチェックを付ける"));
  label->setWordWrap(true);
  column->addWidget(label);
  settings.subAlbums = new QListWidget(panel);
  settings.subAlbums->setObjectName(QStringLiteral("CheckListBox1"));
  column->addWidget(settings.subAlbums, 1);
  panel->setFixedWidth(170);
  panel->hide();
  settings.panel = panel;
  return panel;
}

// The strip `Panel6`: white title on #101010 with the two track buttons.
QWidget* MakeMusicStrip(QWidget* parent, PictureViewPanel::MusicStrip& strip) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("Panel6"));
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, QColor(0x10, 0x10, 0x10));
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::ButtonText, Qt::white);
  panel->setPalette(palette);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(4, 1, 4, 1);
  strip.previous = MakeSpeedButton(panel, "SpeedButton24", QStringLiteral("◀"));
  strip.next = MakeSpeedButton(panel, "SpeedButton25", QStringLiteral("▶"));
  strip.title = MakeLabel(panel, "MusicTitle", QString());
  QFont font = strip.title->font();
  font.setPixelSize(15);
  strip.title->setFont(font);
  row->addWidget(strip.previous);
  row->addWidget(strip.next);
  row->addWidget(strip.title, 1);
  panel->hide();
  strip.panel = panel;
  return panel;
}

}  // namespace

PictureViewPanel::PictureViewPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Panel12"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  barPanel_ = MakeBar(this, bar_);
  column->addWidget(barPanel_);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(0);
  picture_ = new QWidget(this);
  picture_->setObjectName(QStringLiteral("Image2"));
  picture_->setMinimumSize(1, 1);
  middle->addWidget(picture_, 1);
  middle->addWidget(MakeSlideSettings(this, settings_));
  column->addLayout(middle, 1);
  column->addWidget(MakeMusicStrip(this, strip_));
}

void PictureViewPanel::PlacePicture(QWidget* picture) {
  QWidget* placeholder = picture_;
  delete layout()->itemAt(1)->layout()->replaceWidget(placeholder, picture);
  picture->setMinimumSize(1, 1);
  picture_ = picture;
  delete placeholder;
}

void PictureViewPanel::SetBarFloating(bool floating) {
  if (floating == barFloating_) return;
  barFloating_ = floating;
  auto* column = static_cast<QVBoxLayout*>(layout());
  if (floating) {
    barPalette_ = barPanel_->palette();
    QPalette dark = barPalette_;
    dark.setColor(QPalette::Window, QColor(0x50, 0x50, 0x50));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    barPanel_->setPalette(dark);
    column->removeWidget(barPanel_);
    barPanel_->hide();
    barPanel_->setGeometry(0, 0, width(), barPanel_->sizeHint().height());
  } else {
    barPanel_->setPalette(barPalette_);
    column->insertWidget(0, barPanel_);
    barPanel_->show();
  }
}

void PictureViewPanel::ShowFloatingBar(bool shown) {
  if (!barFloating_ || barPanel_->isVisible() == shown) return;
  barPanel_->setVisible(shown);
  if (shown) barPanel_->raise();
}

void PictureViewPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (barFloating_) barPanel_->setGeometry(0, 0, width(), barPanel_->sizeHint().height());
}

int PictureViewPanel::NeededBarWidth() const {
  // Measured from the size hints of the second row, which holds
  // `CheckBox10`, so it holds while the panel is hidden.
  const auto* rows = static_cast<QVBoxLayout*>(barPanel_->layout());
  const QLayout* row = rows->itemAt(1)->layout();
  int right = rows->contentsMargins().left();
  for (int i = 0; i < row->count(); ++i) {
    QWidget* w = row->itemAt(i)->widget();
    if (!w) continue;
    if (!w->isHidden() || w == bar_.follow) {
      right += w->sizeHint().expandedTo(w->minimumSize()).boundedTo(w->maximumSize()).width() + row->spacing();
    }
    if (w == bar_.follow) break;
  }
  return right + 16;
}

}  // namespace lumidex
