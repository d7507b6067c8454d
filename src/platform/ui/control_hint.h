#pragma once

#include <QAction>
#include <QObject>
#include <QString>
#include <utility>

class QAbstractButton;
class QMenu;
class QCheckBox;
class QWidget;

namespace lumidex {

// Gives `widget` a hint written "short|long": the short text becomes the tool
// tip and the long text the status tip, which the status bar shows while the
// pointer is over the widget. A hint without "|" is both.
void SetHint(QWidget* widget, const QString& hint);

// A flat tool button named `name` with `caption` and `hint`, owned by
// `parent`.
QAbstractButton* MakeSpeedButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {},
                                 bool checkable = false);

// A menu item named `name` (the object name the menu rules and the tests
// find it by) with `caption` and, when given, `hint` as its status tip.
QAction* AddMenuCommand(QMenu* menu, const char* name, const QString& caption, const QString& hint = {});

// The same item, whose triggering calls `slot` (a member function of
// `context` or any callable) for as long as `context` lives.
template <typename Context, typename Slot>
QAction* AddMenuCommand(QMenu* menu, const char* name, const QString& caption, const Context* context, Slot&& slot,
                        const QString& hint = {}) {
  QAction* action = AddMenuCommand(menu, name, caption, hint);
  QObject::connect(action, &QAction::triggered, context, std::forward<Slot>(slot));
  return action;
}

// A check box named `name` with `caption` and `hint`, owned by `parent`.
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});

}  // namespace lumidex
