#include "mainwindow/ui/scheme_painter.h"

#include <QPalette>
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

void Paint(QWidget* widget, ColourRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  switch (role) {
    case ColourRole::kBackground:
      for (QPalette::ColorRole r : {QPalette::Window, QPalette::Base, QPalette::Button}) palette.setColor(r, colour);
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
  for (const char* name : {"StatusBar1", "NamePanel", "Panel17"}) {
    if (QWidget* widget = FindControl(root, name)) Paint(widget, ColourRole::kText, ToQColor(scheme.light));
  }
}

}  // namespace lumidex
