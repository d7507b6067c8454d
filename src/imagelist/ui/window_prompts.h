#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "album/album_prompts.h"

class QSoundEffect;

namespace lumidex {

// The window's answer to the page operations' questions: Yes/No message
// boxes with the operation's caption, notices under the application title,
// the name dialog TSubAlbumInpDlg, the start sound (QSoundEffect; silent
// when the file or the sound device is missing) and the desktop's file
// handlers. Main thread only; `parent` may go first.
class WindowPrompts : public AlbumPrompts {
 public:
  // `startSound` is the sound file played when a page opens ("" for none).
  WindowPrompts(QWidget* parent, QString startSound);
  ~WindowPrompts() override;

  bool Confirm(const std::string& message, const std::string& caption) override;
  void Inform(const std::string& message) override;
  std::optional<std::string> AskName(const NameRequest& request) override;
  void PlayStartSound() override;
  void OpenWithSystem(const std::string& path) override;
  void ExploreFolder(const std::string& folder) override;

 private:
  QPointer<QWidget> parent_;
  const QString startSound_;
  std::unique_ptr<QSoundEffect> sound_;
};

}  // namespace lumidex
