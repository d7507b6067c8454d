#include "printing/ui/position_correction_dlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/ui/control_hint.h"

namespace lumidex {

PositionCorrectionDlg::PositionCorrectionDlg(QWidget* parent, int slackX, int slackY, int offsetX,
                                             int offsetY, std::function<void(int x, int y)> changed)
    : QDialog(parent), changed_(std::move(changed)) {
  setObjectName(QStringLiteral("TFileCopyDlg"));
  setWindowTitle(QStringLiteral("印刷位置") + QStringLiteral("の補正"));
  setFixedWidth(180);
  auto* column = new QVBoxLayout(this);
  AddAxis(QStringLiteral("X軸"), slackX, offsetX, xField_, xBar_);
  AddAxis(QStringLiteral("Y軸"), slackY, offsetY, yField_, yBar_);
  auto* close = new QPushButton(QStringLiteral("閉じる"), this);
  close->setObjectName(QStringLiteral("CancelBtn"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  column->addWidget(close, 0, Qt::AlignHCenter);
}

void PositionCorrectionDlg::AddAxis(const QString& label, int slack, int start, QSpinBox*& field,
                                    QSlider*& bar) {
  const int range = slack / 2;
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(label, this));
  field = new QSpinBox(this);
  field->setRange(-range, range);
  field->setValue(std::clamp(start, -range, range));
  row->addWidget(field);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  bar = new QSlider(Qt::Horizontal, this);
  bar->setRange(-range, range);
  bar->setTickInterval(std::max(1, range / 2));
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setValue(field->value());
  SetHint(bar, label + QStringLiteral("|右クリックで初期化"));
  bar->installEventFilter(this);
  layout()->addWidget(bar);
  connect(field, &QSpinBox::valueChanged, bar, &QSlider::setValue);
  connect(bar, &QSlider::valueChanged, field, &QSpinBox::setValue);
  connect(bar, &QSlider::valueChanged, this, &PositionCorrectionDlg::Report);
}

void PositionCorrectionDlg::Report() {
  if (changed_ && xBar_ && yBar_) changed_(xBar_->value(), yBar_->value());
}

bool PositionCorrectionDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    if (auto* bar = qobject_cast<QSlider*>(watched)) {
      bar->setValue(0);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lumidex
