#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;

namespace lumidex {

// The input dialog `TInputDlg` in its text form: the caption, the prompt
// `Label1`, the editable combo box `ComboBox1` (a drop-down of 16 rows with
// suggestions), the check box `CheckBox1` "全ての年から検索" and the buttons
// "OK" and "キャンセル". A modal local; Exec gives true for "OK".
class TInputDlg : public QDialog {
  Q_OBJECT

 public:
  TInputDlg(const QString& caption, const QString& prompt, QWidget* parent = nullptr);

  // The text shown in the combo box, and the suggestions of its list.
  void SetText(const QString& text, const QStringList& suggestions);
  QString text() const;
  // The check box: hidden unless shown here; `enabled` false greys it.
  void ShowCheckBox(bool checked, bool enabled);
  bool checked() const;

 private:
  QLabel* label_ = nullptr;
  QComboBox* combo_ = nullptr;
  QCheckBox* check_ = nullptr;
};

}  // namespace lumidex
