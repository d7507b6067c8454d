#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

class QAction;
class QButtonGroup;
class QMenu;

namespace lumidex {

// The free layout's tab strip `TabControl1`: one tab button per tab of the
// shown page, in one row, or with "tabline" in as many rows as the width
// needs. A page without captions shows no strip. The selected tab is filled
// with the tab colour and captioned in the panel colour, the others the other
// way round. A right-button release less than 20 pixels below the strip's
// top opens its menu `PopupMenu8` ("名前の変更", "削除", shown while a tab is
// selected). Main thread only.
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
  // The colour scheme's tab colour and the free layout panel's colour.
  void SetColours(const QColor& tab, const QColor& panel);

  QMenu* popupMenu() const { return menu_; }          // PopupMenu8
  QAction* renameAction() const { return rename_; }   // Rename3
  QAction* deleteAction() const { return delete_; }   // Delete6

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 signals:
  // The user selected another tab.
  void currentChanged(int index);

 private:
  void Rebuild();
  void ApplyColours();
  // The menu at `point` (strip coordinates) when it is near enough the top.
  void OpenMenuAt(const QPoint& point);

  QStringList captions_;
  bool multiRow_ = false;
  QButtonGroup* group_ = nullptr;
  QColor tabColour_;
  QColor panelColour_;
  QMenu* menu_ = nullptr;
  QAction* rename_ = nullptr;
  QAction* delete_ = nullptr;
};

}  // namespace lumidex
