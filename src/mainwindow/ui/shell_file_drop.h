#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <string>
#include <vector>

#include "album/drop_target.h"
#include "foundation/status.h"

class QWidget;

namespace lumidex {

class AlbumStore;
class EntryRegistration;

// Files dropped from the file manager on one control of the window
// (a URL list), routed by RouteDrop: into the open page or sub-album while
// one is open, else onto the page under the drop point, which a subclass
// names (PlaceAt). Drags that the control itself started are left to the
// control (its own reordering). `registered` runs after each drop that was
// routed to the album, with the status of the registration, so that the
// views show the new entries. Main thread only; every argument must outlive
// this object.
class ShellFileDrop : public QObject {
  Q_OBJECT

 public:
  // Watches `control` and `eventWidget` (the control itself, or its
  // viewport, which may refuse drops and leave them to the control) for
  // drags.
  ShellFileDrop(QWidget& control, QWidget& eventWidget, AlbumStore& album,
                EntryRegistration& registration, std::function<void(const Status&)> registered,
                QObject* parent = nullptr);

  // Registers `paths` dropped on `place` (whose containerOpen and pageExists
  // are taken from the album here). An ignored drop adds nothing.
  void Drop(DropPlace place, const std::vector<std::string>& paths);

 protected:
  // The control and the page under `point` (in the event widget's
  // coordinates).
  virtual DropPlace PlaceAt(const QPoint& point) const = 0;
  bool eventFilter(QObject* watched, QEvent* event) override;

  AlbumStore& album() const { return album_; }

 private:
  bool OwnDrag(const QObject* source) const;

  QWidget& control_;
  QWidget& eventWidget_;
  AlbumStore& album_;
  EntryRegistration& registration_;
  std::function<void(const Status&)> registered_;
};

}  // namespace lumidex
