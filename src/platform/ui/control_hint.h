#pragma once

#include <QString>

class QAbstractButton;
class QAction;
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

// A check box named `name` with `caption` and `hint`, owned by `parent`.
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});

}  // namespace lumidex
