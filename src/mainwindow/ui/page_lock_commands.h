#pragma once

#include <QObject>
#include <memory>

#include "foundation/settings_store.h"
#include "pagelock/page_lock.h"
#include "pagelock/page_password.h"

class QAction;

namespace lumidex {

class AlbumStore;
class ImageListPanel;
class TForm1;

// The page lock in the window: "ロックとアンロック" (`LockMenu`) of the list's
// menu, offered in the page list with a selection, toggles the lock of the
// selected pages in the shown year; "パスワードの変更" (`PassWordChgMenu`)
// of the Tools menu, shown while a password is registered, changes the
// password. The remembered password is read from the window's settings at
// construction; a password registered or changed here is written to the
// settings file at once and kept in the window's settings.
//
// Main thread only. `window`, `album` and `list` must outlive it; the window
// is its parent.
class PageLockCommands : public QObject {
  Q_OBJECT

 public:
  // Asks a password over the window; nothing when cancelled. Tests replace it.
  using Asker = std::function<std::optional<std::string>(PasswordQuestion, QWidget* parent)>;

  PageLockCommands(TForm1& window, AlbumStore& album, ImageListPanel& list);
  ~PageLockCommands() override;

  void SetAsker(Asker asker) { asker_ = std::move(asker); }

  // `ToggleLockOfSelectedPages`: the selected pages of the page list.
  void ToggleLockOfSelectedPages();
  // `ChangePassword`.
  void ChangePassword();

  QAction* lockAction() const { return lock_; }
  QAction* passwordAction() const { return password_; }
  const PagePassword& password() const { return *remembered_; }

 private:
  // Whether the list shows the page list (not a container, not a folder).
  bool InPageList() const;
  AskPassword Ask();
  // After a registration or change: the window's settings hold the new form.
  void KeepStoredForm();
  void Report(const Status& status);

  TForm1& window_;
  AlbumStore& album_;
  ImageListPanel& list_;
  SettingsStore settings_;
  std::unique_ptr<PagePassword> remembered_;
  Asker asker_;
  QAction* lock_ = nullptr;
  QAction* password_ = nullptr;
};

}  // namespace lumidex
