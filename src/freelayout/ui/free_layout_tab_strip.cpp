#include "freelayout/ui/free_layout_tab_strip.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

#include "platform/ui/wrapping_row_layout.h"

namespace lumidex {

FreeLayoutTabStrip::FreeLayoutTabStrip(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabControl1"));
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  connect(group_, &QButtonGroup::idClicked, this, &FreeLayoutTabStrip::currentChanged);
  Rebuild();
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
