#pragma once

#include <QDialog>
#include <string>

#include "filetools/auto_registration.h"
#include "filetools/folder_history.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumidex {

// The folder dialog of automatic registration ("画像の自動登録") and of the
// folder search ("フォルダから検索して追加"): the folder edit, the folder
// history of "dirlist.txt", the options, "参照" and help. OK is enabled only
// while the edit names an existing folder; OK adds the folder to the
// history, and the history is written however the dialog closes. Modal; used
// as a local.
class TAutoGrpDlg : public QDialog {
  Q_OBJECT

 public:
  enum class Form { kAutoRegistration, kFolderSearch };
  struct Initial {
    std::string folder;             // the "a-dir" setting
    bool exifDates = false;         // the "exifdate" setting
    bool shortPaths = false;        // the "shortph" setting
    bool placementOffered = false;  // folder search only: no sub-album is open
  };

  TAutoGrpDlg(Form form, const std::string& userDir, const Initial& initial,
              QWidget* parent = nullptr);

  std::string folder() const;
  AutoRegisterOptions options() const;
  bool shortPaths() const;
  // Folder search: "配置情報を使用する" is ticked.
  bool usePlacement() const;
  // The folder chosen with "参照" (the new "a-dir"), or "" when none was.
  const std::string& browsedFolder() const { return browsed_; }

  void done(int result) override;

 signals:
  // The help button asks for the topic "AutoGrp".
  void helpRequested(const QString& topic);

 private:
  void FillHistory();
  void Browse();
  void UpdateOk();

  const Form form_;
  FolderHistory history_;
  std::string browsed_;
  std::string aDir_;
  QLineEdit* folderEdit_;
  QListWidget* historyList_;
  QPushButton* okButton_;
  QCheckBox* subAlbums_ = nullptr;
  QCheckBox* rootToo_ = nullptr;
  QCheckBox* managed_;
  QCheckBox* hidden_;
  QCheckBox* exif_ = nullptr;
  QCheckBox* shortPath_;
  QCheckBox* placement_ = nullptr;
};

}  // namespace lumidex
