#include "mainwindow/ui/shell_file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "album/album_store.h"
#include "filetools/registration_commands.h"
#include "filetools/ui/clipboard_files.h"

namespace lumidex {

ShellFileDrop::ShellFileDrop(QWidget& control, QWidget& eventWidget, AlbumStore& album,
                             EntryRegistration& registration,
                             std::function<void(const Status&)> registered, QObject* parent)
    : QObject(parent),
      control_(control),
      eventWidget_(eventWidget),
      album_(album),
      registration_(registration),
      registered_(std::move(registered)) {
  control.setAcceptDrops(true);
  control.installEventFilter(this);
  if (&eventWidget != &control) eventWidget.installEventFilter(this);
}

void ShellFileDrop::Drop(DropPlace place, const std::vector<std::string>& paths) {
  if (paths.empty() || album_.loadedYear().empty()) return;
  place.containerOpen = album_.PageOpen();
  place.pageExists = !place.page.empty() && album_.pageIndex().HasKey("DATA", place.page);
  const DropAction action = RouteDrop(place);
  if (action.kind != DropAction::Kind::kAddToContainer &&
      action.kind != DropAction::Kind::kAddToPage) {
    return;
  }
  const Result<RegistrationTally> added = DropFiles(album_, registration_, action, paths);
  registered_(added.status());
}

bool ShellFileDrop::OwnDrag(const QObject* source) const {
  const auto* widget = qobject_cast<const QWidget*>(source);
  return widget != nullptr && (widget == &control_ || control_.isAncestorOf(widget));
}

bool ShellFileDrop::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &eventWidget_ && watched != &control_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (OwnDrag(drop->source()) || !drop->mimeData()->hasUrls()) {
        return QObject::eventFilter(watched, event);
      }
      drop->acceptProposedAction();
      if (event->type() == QEvent::Drop) {
        QPoint point = drop->position().toPoint();
        if (watched != &eventWidget_) point = eventWidget_.mapFrom(&control_, point);
        Drop(PlaceAt(point), ReadPastedLines(drop->mimeData()).lines);
      }
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace lumidex
