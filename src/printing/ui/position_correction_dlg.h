#pragma once

#include <QDialog>
#include <functional>

class QSlider;
class QSpinBox;

namespace lumidex {

// The position correction of a cropped picture ("印刷位置の補正"): two axes
// "X軸" and "Y軸", each a number field and a track bar over +/- half the
// slack, starting at the entry's offsets. Every change reports both values;
// a right press on a track bar sets it to 0. Only "閉じる". Modal local.
class PositionCorrectionDlg : public QDialog {
  Q_OBJECT
 public:
  PositionCorrectionDlg(QWidget* parent, int slackX, int slackY, int offsetX, int offsetY,
                        std::function<void(int x, int y)> changed);

  QSlider* xBar() const { return xBar_; }
  QSlider* yBar() const { return yBar_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddAxis(const QString& label, int slack, int start, QSpinBox*& field, QSlider*& bar);
  void Report();

  std::function<void(int x, int y)> changed_;
  QSpinBox* xField_ = nullptr;
  QSpinBox* yField_ = nullptr;
  QSlider* xBar_ = nullptr;
  QSlider* yBar_ = nullptr;
};

}  // namespace lumidex
