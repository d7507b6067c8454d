#include "imagelist/ui/window_prompts.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

#include "foundation/app_identity.h"
#include "imagelist/ui/tsub_album_inp_dlg.h"
#include "platform/ui/qt_bridge.h"
#include "platform/ui/shell_services.h"

namespace lumidex {

WindowPrompts::WindowPrompts(QWidget* parent, QString startSound)
    : parent_(parent), startSound_(std::move(startSound)) {}

WindowPrompts::~WindowPrompts() = default;

bool WindowPrompts::Confirm(const std::string& message, const std::string& caption) {
  return QMessageBox::question(parent_, ToQString(caption), ToQString(message),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void WindowPrompts::Inform(const std::string& message) {
  QMessageBox::information(parent_, ToQString(kAppTitle), ToQString(message));
}

std::optional<std::string> WindowPrompts::AskName(const NameRequest& request) {
  TSubAlbumInpDlg dialog(ToQString(request.caption), ToQString(request.label), parent_);
  QStringList choices;
  for (const std::string& choice : request.choices) choices.push_back(ToQString(choice));
  dialog.SetChoices(choices);
  dialog.SetText(ToQString(request.proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.Text().isEmpty()) return std::nullopt;
  return ToStdString(dialog.Text());
}

void WindowPrompts::PlayStartSound() {
  if (startSound_.isEmpty() || !QFileInfo::exists(startSound_)) return;
  if (!sound_) {
    sound_ = std::make_unique<QSoundEffect>();
    sound_->setSource(QUrl::fromLocalFile(startSound_));
  }
  sound_->play();  // asynchronous; without a sound device nothing is heard
}

void WindowPrompts::OpenWithSystem(const std::string& path) {
  platform::OpenWithSystem(ToQString(path));
}

void WindowPrompts::ExploreFolder(const std::string& folder) {
  platform::ShowInFileManager(ToQString(folder));
}

}  // namespace lumidex
