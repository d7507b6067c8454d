#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace lumidex {

// The small dialog of a folder or file name: the label `Label1`, the edit
// `Edit1`, the browse button `SpeedButton1` ("参照") and the check box
// `CheckBox1` "配置情報を添付する" in the frame `Bevel1`, with "OK" and
// "キャンセル" below. In folder mode the browse button opens the folder
// chooser "コピー先フォルダを選択して下さい" at the edit's text; in file mode
// the open dialog with the picture filter. 328 x 190 at first, height fixed,
// width at least 328; without the check box the frame and window lose twice
// its height. Modal; used as a local.
class TFileCopyDlg : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { kFolder = 0, kFile = 1 };

  TFileCopyDlg(Mode mode, const QString& caption, const QString& label, const QString& text,
               QWidget* parent = nullptr);

  // Shows or hides "配置情報を添付する" (hidden by default) and enables it.
  void SetPlacementOption(bool shown, bool enabled);
  bool placementTicked() const;
  // The edit's text after "OK", "" otherwise.
  QString result() const;
  // The filter of the file mode's open dialog ("Images (*.jpg *.png)").
  void SetFileFilter(const QString& filter) { filter_ = filter; }

  QLineEdit* edit() const { return edit_; }

 private:
  void Browse();

  const Mode mode_;
  QLabel* label_;
  QLineEdit* edit_;
  QToolButton* browse_;
  QCheckBox* placement_;
  QString filter_;
};

}  // namespace lumidex
