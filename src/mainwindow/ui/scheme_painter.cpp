#include "mainwindow/ui/scheme_painter.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPalette>
#include <QProgressBar>
#include <QWidget>

#include "mainwindow/bar_button_colours.h"
#include "mainwindow/scheme_assignments.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// The window's named controls, found once for a whole painting instead of
// one search of the widget tree per control. A name held by several widgets
// gives the one QObject::findChild finds: the root itself, then each
// parent's children before their own children, in child order.
class NamedControls {
 public:
  explicit NamedControls(QWidget* root) : root_(root) { Collect(root); }

  QWidget* Find(std::string_view name) const {
    const QString objectName = ToQString(name);
    if (root_->objectName() == objectName) return root_;
    return byName_.value(objectName, nullptr);
  }

 private:
  void Collect(const QObject* parent) {
    const QObjectList& children = parent->children();
    for (QObject* child : children) {
      if (!child->isWidgetType() || child->objectName().isEmpty()) continue;
      if (!byName_.contains(child->objectName())) byName_.insert(child->objectName(), static_cast<QWidget*>(child));
    }
    for (const QObject* child : children) Collect(child);
  }

  QWidget* const root_;
  QHash<QString, QWidget*> byName_;
};

bool IsBoxLike(const QWidget* widget) {
  return qobject_cast<const QAbstractScrollArea*>(widget) ||
         qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
         qobject_cast<const QProgressBar*>(widget);
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

// The flat buttons of one bar in every state: see BarButtonColours.
QString BarButtonSheet(const BarButtonColours& c) {
  const auto name = [](Colour colour) { return ToQColor(colour).name(); };
  return QStringLiteral(
             "QToolButton { color: %1; background: transparent; border: 1px solid transparent;"
             " border-radius: 2px; padding: 0px 1px; }"
             "QToolButton:hover { background: %2; border-color: %3; }"
             "QToolButton:pressed, QToolButton:checked { background: %4; border-color: %5; }"
             "QToolButton:disabled { color: %6; background: transparent;"
             " border-color: transparent; }")
      .arg(name(c.text), name(c.hoverFace), name(c.hoverFrame), name(c.downFace), name(c.downFrame),
           name(c.disabledText));
}

// Gives the buttons of the bars colours of their own, so that the style's
// light hover and pressed faces do not wash out the bars' light labels.
void StyleBarButtons(const NamedControls& controls, const ColourScheme& scheme) {
  struct Bar {
    const char* name;
    Colour background;
    Colour text;
  };
  const Bar bars[] = {
      {"CalendarBar", scheme.Row(16), kWhite},  // white on the strip's middle tone
      {"Panel13", scheme.Row(37), scheme.light}, {"Panel16", scheme.Row(37), scheme.light},
      {"Panel2", scheme.Row(35), scheme.light},  {"Panel14", scheme.Row(39), scheme.light},
  };
  for (const Bar& bar : bars) {
    QWidget* widget = controls.Find(bar.name);
    if (widget == nullptr) continue;
    const QString sheet = BarButtonSheet(BarButtonColoursFor(scheme, bar.background, bar.text));
    if (widget->styleSheet() != sheet) widget->setStyleSheet(sheet);
  }
}

}  // namespace

void PaintSchemeColours(QWidget* root, const ColourScheme& scheme) {
  // First: a new style sheet polishes a bar again, which undoes a palette
  // given to it before.
  const NamedControls controls(root);
  StyleBarButtons(controls, scheme);
  for (const ControlColour& assignment : SchemeAssignments(scheme)) {
    if (QWidget* widget = controls.Find(assignment.control)) {
      Paint(widget, assignment.role, ToQColor(assignment.colour));
    }
  }
  for (const char* name : {"StatusBar1", "NamePanel", "Panel17", "Panel13", "Panel14", "Panel16"}) {
    if (QWidget* widget = controls.Find(name))
      Paint(widget, ColourRole::kText, ToQColor(scheme.light));
  }
}

}  // namespace lumidex
