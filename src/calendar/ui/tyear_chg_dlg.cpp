#include "calendar/ui/tyear_chg_dlg.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

TYearChgDlg::TYearChgDlg(const CalendarDate& preset, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("YearChgDlg"));
  setWindowTitle(QStringLiteral("指定した年月に移動"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("移動先の年と月を指定して下さい"), this));
  calendar_ = new QCalendarWidget(this);
  // Japanese month and weekday names whatever the system's language, weeks
  // from Sunday as in the month grid, no week numbers.
  calendar_->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
  calendar_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
  calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  calendar_->setMinimumDate(QDate(kFirstShownYear, 1, 1));
  calendar_->setMaximumDate(QDate(kLastShownYear, 12, 31));
  calendar_->setSelectedDate(QDate(preset.year, preset.month, preset.day));
  calendar_->setFirstDayOfWeek(Qt::Sunday);
  layout->addWidget(calendar_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

CalendarDate TYearChgDlg::chosenDate() const {
  const QDate date = calendar_->selectedDate();
  return CalendarDate{date.year(), date.month(), date.day()};
}

}  // namespace lumidex
