#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "foundation/status.h"

class QAction;

namespace lumidex {

class AlbumStore;
class ImageListPanel;
class TForm1;
struct RegistrationContext;

// The commands of the image list's popup menu that bring files in or use
// the clipboard: "画像の追加" ("フォルダから検索", "ファイルを選択"),
// "切り取り(&T)", "挿入", "コピー(&C)", "コピー（アルバム情報）" and
// "貼り付け(&P)", with Ctrl+C and Ctrl+V on the list. They act on the open
// page or sub-album, or on the page selected in the page list, through the
// registration commands; `registered` runs after each change of the album
// so that the list, the day cells and the page list show it. The keys go by
// the same rules as the menu. Main thread only; every argument must outlive
// this object.
class ListRegistrationCommands : public QObject {
  Q_OBJECT

 public:
  ListRegistrationCommands(TForm1& window, ImageListPanel& list, AlbumStore& album,
                           RegistrationContext& registration,
                           std::function<void(const Status&)> registered,
                           QObject* parent = nullptr);

  // The lines (path "=" comment) of the commented entries of the last
  // "コピー(&C)" in an open container, CR LF between them, for the free
  // layout's paste.
  const std::string& copiedComments() const { return copiedComments_; }

 protected:
  // Ctrl+C and Ctrl+V on the list.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The open page, or the page selected in the page list, or "".
  std::string TargetPage() const;
  void AddFromFolder();
  void AddFromDialog();
  void Cut();
  void Insert();
  void Paste();
  // Runs `action` when the menu, prepared for this moment, offers it.
  void RunIfOffered(QAction* action);

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  RegistrationContext& registration_;
  std::function<void(const Status&)> registered_;
  std::string copiedComments_;
};

}  // namespace lumidex
