#pragma once

#include <QStringList>
#include <QWidget>

class QButtonGroup;

namespace lumidex {

// The free layout's tab strip `TabControl1`: one tab button per tab of the
// shown page, in one row, or with "tabline" in as many rows as the width
// needs. A page without captions shows no strip. Main thread only.
class FreeLayoutTabStrip : public QWidget {
  Q_OBJECT

 public:
  explicit FreeLayoutTabStrip(QWidget* parent = nullptr);

  // Replaces the tabs; the first is selected. No captions: no strip.
  void SetCaptions(const QStringList& captions);
  // "tabline": the tabs wrap into further rows instead of one row.
  void SetMultiRow(bool multiRow);

  int count() const { return static_cast<int>(captions_.size()); }
  const QStringList& captions() const { return captions_; }
  // The selected tab, -1 when there is none.
  int currentIndex() const;
  // Selects a tab without emitting currentChanged.
  void SetCurrentIndex(int index);

 signals:
  // The user selected another tab.
  void currentChanged(int index);

 private:
  void Rebuild();

  QStringList captions_;
  bool multiRow_ = false;
  QButtonGroup* group_ = nullptr;
};

}  // namespace lumidex
