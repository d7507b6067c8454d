#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace lumidex {

// The name dialog of sub-albums and renames: a caption, a label, an
// editable drop-down of names, OK (enabled only while the text is not
// empty), Cancel, and the button "更新" that fills the drop-down again.
// Modal; created on the stack by its user.
class TSubAlbumInpDlg : public QDialog {
  Q_OBJECT

 public:
  TSubAlbumInpDlg(const QString& caption, const QString& label, QWidget* parent = nullptr);

  void SetChoices(const QStringList& choices);
  // How "更新" gets the names again; without it the button refills the
  // choices given last.
  void SetRefresh(std::function<QStringList()> refresh) { refresh_ = std::move(refresh); }
  void SetText(const QString& text);
  QString Text() const;

  QComboBox* nameBox() const { return nameBox_; }
  QPushButton* okButton() const { return okButton_; }
  QPushButton* updateButton() const { return updateButton_; }

 private:
  void UpdateOk();

  QLabel* label_;
  QComboBox* nameBox_;
  QPushButton* okButton_;
  QPushButton* updateButton_;
  QStringList choices_;
  std::function<QStringList()> refresh_;
};

}  // namespace lumidex
