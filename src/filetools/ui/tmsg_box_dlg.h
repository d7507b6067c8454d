#pragma once

#include <QDialog>

class QCheckBox;

namespace lumidex {

// The question box with a "全て" check box: a text, the buttons "はい" and
// "いいえ", and the check box that applies the answer to the rest of a
// batch. Modal; used as a local.
class TMsgBoxDlg : public QDialog {
  Q_OBJECT

 public:
  TMsgBoxDlg(const QString& caption, const QString& text, QWidget* parent = nullptr);

  // Whether "全て" was ticked when the dialog closed.
  bool forAll() const;

 private:
  QCheckBox* allCheck_;
};

}  // namespace lumidex
