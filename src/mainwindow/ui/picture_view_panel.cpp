#include "mainwindow/ui/picture_view_panel.h"

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

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, const QString& hint = {}) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) SetHint(box, hint);
  return box;
}

QComboBox* MakeComboBox(QWidget* parent, const char* name, const QStringList& items, const QString& hint) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->addItems(items);
  SetHint(box, hint);
  return box;
}

// The bar `Panel14`; `follow` is set to its check box `CheckBox10`.
QWidget* MakeBar(QWidget* parent, QWidget*& follow) {
  auto* bar = new QWidget(parent);
  bar->setObjectName(QStringLiteral("Panel14"));
  bar->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(2);
  row->addWidget(MakeSpeedButton(bar, "FullScreenBtn", QStringLiteral("全画面"), QStringLiteral("全画面"), true));
  row->addWidget(MakeSpeedButton(bar, "SpeedButton22", QStringLiteral("表示"), QStringLiteral("リストを表示")));
  row->addWidget(MakeSpeedButton(bar, "SpeedButton23", QStringLiteral("非表示"), QStringLiteral("リストを非表示")));
  row->addWidget(MakeSpeedButton(bar, "SpeedButton18", QStringLiteral("Start"),
                                 QStringLiteral("Start|スライドショーを開始する"), true));
  auto* interval = new QSlider(Qt::Horizontal, bar);
  interval->setObjectName(QStringLiteral("MyTrackBar1"));
  interval->setRange(1, 60000);
  interval->setValue(1000);
  interval->setFixedWidth(80);
  interval->setAutoFillBackground(true);
  SetHint(interval, QStringLiteral("切り換え間隔|右クリックで整数値"));
  row->addWidget(interval);
  row->addWidget(MakeComboBox(bar, "ComboBox3", {QStringLiteral("Normal"), QStringLiteral("Fade"),
                                                 QStringLiteral("Overlap 1"), QStringLiteral("Overlap 2")},
                              QStringLiteral("切換え時の画像効果")));
  row->addWidget(MakeComboBox(bar, "ComboBox4",
                              {QStringLiteral("Day"), QStringLiteral("Days"), QStringLiteral("Year"), QStringLiteral("List")},
                              QStringLiteral("スライドタイプ")));
  row->addWidget(MakeSpeedButton(bar, "SpeedButton29", QStringLiteral("設定"), QStringLiteral("スライドタイプの設定")));
  row->addWidget(MakeCheckBox(bar, "CheckBox13", QStringLiteral("ストレッチ")));
  follow = MakeCheckBox(bar, "CheckBox10", QStringLiteral("追随"), QStringLiteral("追随|画像のリストを表示"));
  row->addWidget(follow);
  auto* music = MakeSpeedButton(bar, "MugPlayBtn", QStringLiteral("♪"), QStringLiteral("Play|音楽の再生と停止"), true);
  music->setAutoFillBackground(true);
  row->addWidget(music);
  row->addWidget(MakeSpeedButton(bar, "FullSizeSpBtn", QStringLiteral("原寸"), QStringLiteral("原寸|実際のサイズで表示"),
                                 true));
  row->addStretch(1);
  return bar;
}

QWidget* MakeSubAlbumChoice(QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setAutoFillBackground(true);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(2, 2, 2, 2);
  auto* list = new QListWidget(panel);
  list->setObjectName(QStringLiteral("CheckListBox1"));
  column->addWidget(list);
  column->addWidget(MakeCheckBox(panel, "CheckBox1", QString()));
  panel->setFixedWidth(140);
  panel->hide();
  return panel;
}

}  // namespace

PictureViewPanel::PictureViewPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Panel12"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(0);
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image2"));
  picture->setAlignment(Qt::AlignCenter);
  picture->setMinimumSize(1, 1);
  middle->addWidget(picture, 1);
  middle->addWidget(MakeSubAlbumChoice(this));
  column->addLayout(middle, 1);
  bar_ = MakeBar(this, follow_);
  column->addWidget(bar_);
}

int PictureViewPanel::NeededBarWidth() const {
  const QWidget* bar = bar_;
  // Measured from the layout's size hints, so it holds while the panel is hidden.
  int right = bar->layout()->contentsMargins().left();
  for (int i = 0; i < bar->layout()->count(); ++i) {
    QWidget* w = bar->layout()->itemAt(i)->widget();
    if (!w) continue;
    right += w->sizeHint().expandedTo(w->minimumSize()).boundedTo(w->maximumSize()).width() +
             bar->layout()->spacing();
    if (w == follow_) break;
  }
  return right + 16;
}

}  // namespace lumidex
