#include "platform/ui/control_hint.h"

#include <QAction>
#include <QMenu>

#include <QCheckBox>
#include <QToolButton>
#include <QWidget>

namespace lumidex {

void SetHint(QWidget* widget, const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  const QString shortText = bar < 0 ? hint : hint.left(bar);
  const QString longText = bar < 0 ? hint : hint.mid(bar + 1);
  widget->setToolTip(shortText);
  widget->setStatusTip(longText);
}

QAbstractButton* MakeSpeedButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                                 bool checkable) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setAutoRaise(true);
  button->setCheckable(checkable);
  button->setFocusPolicy(Qt::NoFocus);
  if (!hint.isEmpty()) SetHint(button, hint);
  return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) SetHint(box, hint);
  return box;
}

QAction* AddMenuCommand(QMenu* menu, const char* name, const QString& caption, const QString& hint) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) action->setStatusTip(hint);
  return action;
}

}  // namespace lumidex
