#pragma once

#include <QDialog>

#include "freelayout/free_layout_item.h"
#include "freelayout/free_picture.h"
#include "freelayout/text_spec.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace lumidex {

// The text dialog "テキストの編集" of one text item: size (8-72), corner
// rounding and margin (0-50), text, background and frame colours, centring,
// frame, transparent background (the background colour is then the
// shadow's: "影の色"), shadow, the text, and a preview drawn as the page
// will. With several texts selected, "テキスト変更" says whether the text
// goes to all of them (the memo is editable only then). Modal; main thread.
class FreeLayoutTextDialog : public QDialog {
  Q_OBJECT

 public:
  FreeLayoutTextDialog(const FreeLayoutItem& item, bool severalSelected, const FreePictureLook& look,
                       QWidget* parent = nullptr);

  // The look and text the dialog shows; the text with CR LF between its
  // lines and no line break added at its end.
  TextSpec textSpec() const;
  bool framed() const;
  bool clearBack() const;
  bool textShadow() const;
  // With several selected: whether the text goes to every selected text.
  bool textForAll() const;
  // Applies the dialog to a text item: flags, numbers, colours, and the
  // text unless `keepText`.
  void ApplyTo(FreeLayoutItem& item, bool keepText) const;

 private:
  void ChooseColour(Colour& colour, QPushButton* button);
  void ShowSwatch(QPushButton* button, Colour colour);
  void UpdatePreview();

  const FreePictureLook look_;
  Colour textColour_;
  Colour backColour_;
  Colour frameColour_;
  QSpinBox* size_ = nullptr;
  QSpinBox* corner_ = nullptr;
  QSpinBox* margin_ = nullptr;
  QPushButton* textColourButton_ = nullptr;
  QPushButton* backColourButton_ = nullptr;
  QPushButton* frameColourButton_ = nullptr;
  QCheckBox* centred_ = nullptr;
  QCheckBox* framed_ = nullptr;
  QCheckBox* clearBack_ = nullptr;
  QCheckBox* shadow_ = nullptr;
  QCheckBox* forAll_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QLabel* preview_ = nullptr;
};

}  // namespace lumidex
