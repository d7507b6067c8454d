#include "freelayout/ui/free_layout_text_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "freelayout/render/text_item.h"
#include "images/ui/bitmap_bridge.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kPreviewWidth = 339;
constexpr int kPreviewHeight = 84;

Colour FromQColor(const QColor& c) {
  return static_cast<Colour>(c.red()) | (static_cast<Colour>(c.green()) << 8) |
         (static_cast<Colour>(c.blue()) << 16);
}

// The memo's lines joined by CR LF: nothing is added after the last line.
std::string MemoText(const QString& plain) {
  QString text = plain;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return ToStdString(text);
}

}  // namespace

FreeLayoutTextDialog::FreeLayoutTextDialog(const FreeLayoutItem& item, bool severalSelected,
                                           const FreePictureLook& look, QWidget* parent)
    : QDialog(parent), look_(look) {
  setWindowTitle(QStringLiteral("テキストの編集"));
  Result<TextSpec> parsed = ParseTextSpec(item.value);
  const TextSpec initial = parsed.ok() ? parsed.value() : TextSpec{};
  textColour_ = initial.textColour;
  backColour_ = initial.backColour;
  frameColour_ = initial.frameColour;

  auto* form = new QGridLayout;
  auto number = [&](const QString& label, int low, int high, int value, int row) {
    auto* box = new QSpinBox(this);
    box->setRange(low, high);
    box->setValue(std::clamp(value, low, high));
    form->addWidget(new QLabel(label, this), row, 0);
    form->addWidget(box, row, 1);
    connect(box, &QSpinBox::valueChanged, this, &FreeLayoutTextDialog::UpdatePreview);
    return box;
  };
  size_ = number(QStringLiteral("文字サイズ"), 8, 72, initial.fontSize, 0);
  corner_ = number(QStringLiteral("角の丸み"), 0, 50, initial.cornerRadius, 1);
  margin_ = number(QStringLiteral("余白"), 0, 50, initial.margin, 2);
  auto colourButton = [&](const QString& caption, Colour& colour, int row) {
    auto* button = new QPushButton(caption, this);
    ShowSwatch(button, colour);
    connect(button, &QPushButton::clicked, this, [this, button, &colour] { ChooseColour(colour, button); });
    form->addWidget(button, row, 2);
    return button;
  };
  textColourButton_ = colourButton(QStringLiteral("文字の色"), textColour_, 0);
  backColourButton_ = colourButton(QStringLiteral("背景の色"), backColour_, 1);
  frameColourButton_ = colourButton(QStringLiteral("枠の色"), frameColour_, 2);
  auto check = [&](const QString& caption, bool on, int row, int column) {
    auto* box = new QCheckBox(caption, this);
    box->setChecked(on);
    form->addWidget(box, row, column);
    connect(box, &QCheckBox::toggled, this, &FreeLayoutTextDialog::UpdatePreview);
    return box;
  };
  centred_ = check(QStringLiteral("中央に表示"), initial.centred != 0, 3, 0);
  framed_ = check(QStringLiteral("枠を描画する"), item.framed, 3, 1);
  clearBack_ = check(QStringLiteral("背景を透明にする"), item.clearBack, 4, 0);
  shadow_ = check(QStringLiteral("文字に影を付ける"), item.textShadow, 4, 1);
  forAll_ = check(QStringLiteral("テキスト変更"), false, 4, 2);
  forAll_->setToolTip(QStringLiteral("選択したテキストに同じコメントを設定"));
  forAll_->setVisible(severalSelected);

  memo_ = new QPlainTextEdit(this);
  memo_->setPlainText(ToQString(initial.text));
  memo_->setEnabled(!severalSelected);
  connect(memo_, &QPlainTextEdit::textChanged, this, &FreeLayoutTextDialog::UpdatePreview);
  connect(forAll_, &QCheckBox::toggled, memo_, &QWidget::setEnabled);
  connect(clearBack_, &QCheckBox::toggled, this, [this](bool on) {
    backColourButton_->setText(on ? QStringLiteral("影の色") : QStringLiteral("背景の色"));
  });
  backColourButton_->setText(item.clearBack ? QStringLiteral("影の色") : QStringLiteral("背景の色"));

  preview_ = new QLabel(this);
  preview_->setObjectName(QStringLiteral("TextPreview"));
  preview_->setFixedSize(kPreviewWidth, kPreviewHeight);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(preview_);
  layout->addWidget(memo_);
  layout->addWidget(buttons);
  UpdatePreview();
}

TextSpec FreeLayoutTextDialog::textSpec() const {
  TextSpec chosen;
  chosen.fontSize = size_->value();
  chosen.textColour = textColour_;
  chosen.backColour = backColour_;
  chosen.frameColour = frameColour_;
  chosen.cornerRadius = corner_->value();
  chosen.centred = centred_->isChecked() ? 5 : 0;
  chosen.margin = margin_->value();
  chosen.text = MemoText(memo_->toPlainText());
  return chosen;
}

bool FreeLayoutTextDialog::framed() const { return framed_->isChecked(); }
bool FreeLayoutTextDialog::clearBack() const { return clearBack_->isChecked(); }
bool FreeLayoutTextDialog::textShadow() const { return shadow_->isChecked(); }
bool FreeLayoutTextDialog::textForAll() const { return forAll_->isVisible() && forAll_->isChecked(); }

void FreeLayoutTextDialog::ApplyTo(FreeLayoutItem& item, bool keepText) const {
  TextSpec chosen = textSpec();
  if (keepText) {
    Result<TextSpec> old = ParseTextSpec(item.value);
    chosen.text = old.ok() ? old.value().text : std::string();
  }
  item.value = FormatTextSpec(chosen);
  item.framed = framed();
  item.clearBack = clearBack();
  item.textShadow = textShadow();
}

void FreeLayoutTextDialog::ChooseColour(Colour& colour, QPushButton* button) {
  const QColor chosen = QColorDialog::getColor(ToQColor(colour), this);
  if (!chosen.isValid()) return;
  colour = FromQColor(chosen);
  ShowSwatch(button, colour);
  UpdatePreview();
}

// A 16 x 16 swatch; white shows as a circle outlined in 0x404040 on the
// button face, so it does not vanish.
void FreeLayoutTextDialog::ShowSwatch(QPushButton* button, Colour colour) {
  QPixmap swatch(16, 16);
  swatch.fill(palette().button().color());
  QPainter p(&swatch);
  if ((colour & 0xFFFFFF) == 0xFFFFFF) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(Qt::white);
    p.drawEllipse(1, 1, 13, 13);
  } else {
    p.fillRect(swatch.rect(), ToQColor(colour));
  }
  p.end();
  button->setIcon(QIcon(swatch));
}

void FreeLayoutTextDialog::UpdatePreview() {
  FreeLayoutItem item;
  ApplyTo(item, false);
  TextSpec chosen = textSpec();
  // The preview box: inset 10, with a margin of 10 more (15 for none).
  chosen.margin = chosen.margin == 0 ? 15 : chosen.margin + 10;
  const Bitmap drawn = DrawTextItem(item, chosen, {kPreviewWidth - 20, kPreviewHeight - 20}, look_);
  QPixmap page(kPreviewWidth, kPreviewHeight);
  page.fill(ToQColor(look_.pageColour));
  QPainter p(&page);
  if (!drawn.empty()) p.drawImage(10, 10, WrapAsQImage(drawn));
  p.end();
  preview_->setPixmap(page);
}

}  // namespace lumidex
