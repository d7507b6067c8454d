#pragma once

#include <QDialog>

#include "filetools/file_organiser.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumidex {

struct Settings;

// The organiser's dialog "画像ファイルの整理": the destination ("整理先") and
// source ("整理元") folder edits, each with "参照" and a button that shows
// the folder in the file manager, the unit "纏める単位" (年, 年月, 年月日) and
// the options. "実行" is enabled only while both edits name existing folders;
// "ファイルを移動する" only while both are filled and name different folders,
// "空に成ったフォルダを削除する" only while moving. The folders chosen with
// "参照" are stored in `settings` at once ("dir1", "dir2"); on "実行" the
// options go to "cp-mod", "subfld", "mvdelsw" and "exifdate". Modal; used as
// a local; `settings` must outlive it.
class TOrganiseDlg : public QDialog {
  Q_OBJECT

 public:
  TOrganiseDlg(Settings& settings, QWidget* parent = nullptr);

  // The options as the dialog shows them.
  OrganiseOptions options() const;

  void accept() override;

 signals:
  void helpRequested(const QString& topic);

 private:
  void Browse(QLineEdit* edit, const QString& title, bool destination);
  void UpdateControls();

  Settings& settings_;
  QLineEdit* destination_;
  QLineEdit* source_;
  QRadioButton* units_[3];
  QCheckBox* subfolders_;
  QCheckBox* move_;
  QCheckBox* removeEmptied_;
  QCheckBox* managed_;
  QCheckBox* rename_;
  QCheckBox* exifDates_;
  QPushButton* run_;
};

}  // namespace lumidex
