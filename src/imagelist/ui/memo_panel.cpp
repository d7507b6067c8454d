#include "imagelist/ui/memo_panel.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "album/album_text.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

MemoPanel::MemoPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MemoPanel"));
  editor_ = new QPlainTextEdit(this);
  editor_->setObjectName(QStringLiteral("Memo1"));
  applyButton_ = new QPushButton(QStringLiteral("変更したコメントを画像に設定"), this);
  applyButton_->setObjectName(QStringLiteral("MemoApplyButton"));
  applyButton_->setEnabled(false);
  QAbstractButton* close = MakeSpeedButton(this, "MemoPanelCloseBtn", QStringLiteral("閉じる"),
                                           QStringLiteral("閉じる|コメント表示を閉じる"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(close);
  buttons->addStretch();
  buttons->addWidget(applyButton_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(editor_);
  layout->addLayout(buttons);
  connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
    if (!showing_) applyButton_->setEnabled(true);
  });
  connect(applyButton_, &QPushButton::clicked, this, [this] {
    applyButton_->setEnabled(false);
    emit applyRequested(Text());
  });
  connect(close, &QAbstractButton::clicked, this, [this] { SetOpen(false); });
}

void MemoPanel::SetOpen(bool open) {
  setVisible(open);
  emit openChanged(open);
}

void MemoPanel::ShowComment(const QString& storedComment) {
  showing_ = true;
  // The editor shows line breaks as "\n"; stored breaks come back as CR LF.
  editor_->setPlainText(ToQString(DisplayedComment(ToStdString(storedComment)))
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  showing_ = false;
  applyButton_->setEnabled(false);
}

QString MemoPanel::Text() const { return editor_->toPlainText(); }

void MemoPanel::SetText(const QString& text) { editor_->setPlainText(text); }

bool MemoPanel::applyEnabled() const { return applyButton_->isEnabled(); }

}  // namespace lumidex
