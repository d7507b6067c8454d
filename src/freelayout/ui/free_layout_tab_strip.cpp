#include "freelayout/ui/free_layout_tab_strip.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

#include "freelayout/free_layout_menu_rules.h"
#include "platform/ui/wrapping_row_layout.h"

namespace lumidex {

FreeLayoutTabStrip::FreeLayoutTabStrip(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabControl1"));
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  connect(group_, &QButtonGroup::idClicked, this, &FreeLayoutTabStrip::currentChanged);
  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("PopupMenu8"));
  rename_ = menu_->addAction(QStringLiteral("名前の変更"));
  rename_->setObjectName(QStringLiteral("Rename3"));
  rename_->setStatusTip(QStringLiteral("タブの名前を変更する"));
  delete_ = menu_->addAction(QStringLiteral("削除"));
  delete_->setObjectName(QStringLiteral("Delete6"));
  delete_->setStatusTip(QStringLiteral("タブを削除する"));
  Rebuild();
}

void FreeLayoutTabStrip::SetColours(const QColor& tab, const QColor& panel) {
  tabColour_ = tab;
  panelColour_ = panel;
  ApplyColours();
}

void FreeLayoutTabStrip::ApplyColours() {
  if (!tabColour_.isValid() || !panelColour_.isValid()) return;
  setStyleSheet(QStringLiteral("QToolButton { background: %2; color: %1; border: 1px solid %1;"
                               " padding: 3px 5px 2px 5px; }"
                               " QToolButton:checked { background: %1; color: %2; }")
                    .arg(tabColour_.name(), panelColour_.name()));
}

bool FreeLayoutTabStrip::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* button = qobject_cast<QWidget*>(watched);
    if (mouse->button() == Qt::RightButton && button != nullptr) {
      OpenMenuAt(button->mapTo(this, mouse->position().toPoint()));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FreeLayoutTabStrip::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) OpenMenuAt(event->position().toPoint());
  QWidget::mouseReleaseEvent(event);
}

void FreeLayoutTabStrip::OpenMenuAt(const QPoint& point) {
  if (point.y() >= 20) return;
  const bool selected = TabMenuOffered(currentIndex());
  rename_->setVisible(selected);
  delete_->setVisible(selected);
  if (selected) menu_->popup(mapToGlobal(point));
}

void FreeLayoutTabStrip::SetCaptions(const QStringList& captions) {
  captions_ = captions;
  Rebuild();
}

void FreeLayoutTabStrip::SetMultiRow(bool multiRow) {
  if (multiRow == multiRow_) return;
  multiRow_ = multiRow;
  const int selected = currentIndex();
  Rebuild();
  SetCurrentIndex(selected);  // the same tabs in other rows
}

int FreeLayoutTabStrip::currentIndex() const { return group_->checkedId(); }

void FreeLayoutTabStrip::SetCurrentIndex(int index) {
  if (QAbstractButton* button = group_->button(index)) button->setChecked(true);
}

// The buttons are made anew with the layout the row mode wants.
void FreeLayoutTabStrip::Rebuild() {
  for (QAbstractButton* button : group_->buttons()) {
    group_->removeButton(button);
    delete button;
  }
  delete layout();
  QLayout* row = nullptr;
  if (multiRow_) {
    row = new WrappingRowLayout(this);
  } else {
    auto* line = new QHBoxLayout(this);
    line->addStretch(1);  // pushed behind the buttons below
    row = line;
  }
  row->setContentsMargins(2, 2, 2, 0);
  row->setSpacing(1);
  for (int i = 0; i < captions_.size(); ++i) {
    auto* button = new QToolButton(this);
    button->setText(captions_[i]);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->installEventFilter(this);
    group_->addButton(button, i);
    if (auto* line = qobject_cast<QHBoxLayout*>(row)) {
      line->insertWidget(i, button);
    } else {
      row->addWidget(button);
    }
  }
  if (!captions_.isEmpty()) group_->button(0)->setChecked(true);
  setVisible(!captions_.isEmpty());
}

}  // namespace lumidex
