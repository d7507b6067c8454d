#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace lumidex {

// The comment editor beside the image list: shows the comment of the
// clicked entry with its stored breaks "･･" as line breaks, and offers the
// apply button ("変更したコメントを画像に設定"), enabled by any edit and
// disabled again after use or when another comment is shown. The owner
// turns the text into a comment for the selected entries. The panel's close
// button ("MemoPanelCloseBtn") closes it; the page side's comment button
// and the list menu's "コメントの編集" open it again (SetOpen).
class MemoPanel : public QWidget {
  Q_OBJECT

 public:
  explicit MemoPanel(QWidget* parent = nullptr);

  // Shows a stored comment and disables the apply button.
  void ShowComment(const QString& storedComment);
  // The editor's text as typed (line breaks as "\n").
  QString Text() const;
  void SetText(const QString& text);
  bool applyEnabled() const;
  // Shows or hides the panel as the user asked, and says so (openChanged),
  // so that the page side's comment button follows. Not emitted when the
  // panel is hidden with its parent (another view in the list's place).
  void SetOpen(bool open);
  QPushButton* applyButton() const { return applyButton_; }
  QPlainTextEdit* editor() const { return editor_; }

 signals:
  // The apply button was pressed with the editor's text.
  void applyRequested(const QString& text);
  void openChanged(bool open);

 private:
  QPlainTextEdit* editor_;
  QPushButton* applyButton_;
  bool showing_ = false;
};

}  // namespace lumidex
