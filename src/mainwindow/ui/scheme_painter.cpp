#include "mainwindow/ui/scheme_painter.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QProgressBar>
#include <QWidget>

#include "mainwindow/scheme_assignments.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

QWidget* FindControl(QWidget* root, std::string_view name) {
  const QString objectName = ToQString(name);
  if (root->objectName() == objectName) return root;
  return root->findChild<QWidget*>(objectName);
}

bool IsBoxLike(const QWidget* widget) {
  return qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QProgressBar*>(widget);
}

void Paint(QWidget* widget, ColourRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  switch (role) {
    case ColourRole::kBackground:
      // Lists, boxes and edits show their Base colour, buttons their Button
      // colour, panels their Window colour. Only the role the control itself
      // shows is set, so that the children of a panel keep their own faces.
      if (IsBoxLike(widget)) {
        palette.setColor(QPalette::Base, colour);
      } else if (qobject_cast<QAbstractButton*>(widget)) {
        palette.setColor(QPalette::Button, colour);
      }
      palette.setColor(QPalette::Window, colour);
      widget->setAutoFillBackground(true);
      break;
    case ColourRole::kText:
      for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(r, colour);
      }
      break;
    case ColourRole::kBar:
      palette.setColor(QPalette::Highlight, colour);
      break;
  }
  widget->setPalette(palette);
}

}  // namespace

void PaintSchemeColours(QWidget* root, const ColourScheme& scheme) {
  for (const ControlColour& assignment : SchemeAssignments(scheme)) {
    if (QWidget* widget = FindControl(root, assignment.control)) {
      Paint(widget, assignment.role, ToQColor(assignment.colour));
    }
  }
  for (const char* name : {"StatusBar1", "NamePanel", "Panel17", "Panel13", "Panel14", "Panel16"}) {
    if (QWidget* widget = FindControl(root, name)) Paint(widget, ColourRole::kText, ToQColor(scheme.light));
  }
}

}  // namespace lumidex
