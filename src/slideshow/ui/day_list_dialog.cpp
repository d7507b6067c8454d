#include "slideshow/ui/day_list_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/qt_bridge.h"
#include "slideshow/day_list.h"

namespace lumidex {
namespace {

QString PromptFor(SlideType type, bool listEmpty, const std::string& openPage) {
  if (type == SlideType::kList) {
    return QStringLiteral("スライドショーを行う日付を入力して下さい\n例 2010/06/12");
  }
  if (listEmpty && !openPage.empty()) {
    return ToQString(openPage) +
           QStringLiteral("のスライドショーを行います。他の日を指定する場合は入力して下さい");
  }
  return QStringLiteral("リストの内容でスライドショーを行います。必要で有れば変更して下さい。\n例 06/12");
}

}  // namespace

DayListDialog::DayListDialog(SlideType type, const std::vector<std::string>& list, const std::string& openPage,
                             int currentYear, QWidget* parent)
    : QDialog(parent), type_(type), currentYear_(currentYear) {
  setObjectName(QStringLiteral("TDayListDlg"));
  setWindowTitle(QStringLiteral("スライドタイプ「") + ToQString(std::string(SlideTypeName(type))) +
                 QStringLiteral("」の設定"));
  resize(306, 216);
  auto* column = new QVBoxLayout(this);
  prompt_ = new QLabel(PromptFor(type, list.empty(), openPage), this);
  prompt_->setWordWrap(true);
  column->addWidget(prompt_);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Memo1"));
  QStringList lines;
  for (const std::string& day : list) lines << ToQString(day);
  memo_->setPlainText(lines.join(QLatin1Char('\n')));
  column->addWidget(memo_, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &DayListDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
}

void DayListDialog::accept() {
  std::vector<std::string> lines;
  for (const QString& line : memo_->toPlainText().split(QLatin1Char('\n'))) lines.push_back(ToStdString(line));
  Result<std::vector<std::string>> parsed = ParseDayList(type_, lines, currentYear_);
  if (!parsed.ok()) {
    QMessageBox::warning(this, windowTitle(), ToQString(parsed.status().message()));
    return;
  }
  dayList_ = std::move(parsed).value();
  QDialog::accept();
}

}  // namespace lumidex
