#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "slideshow/slide_type.h"

class QLabel;
class QPlainTextEdit;

namespace lumidex {

// The day list dialog `TDayListDlg` of the slide types other than "Day":
// the days of the show, one per line, in a memo with "OK" and "キャンセル".
// OK takes the lines only when every one names a day; otherwise a message
// names the first line to fix and the dialog stays open. The accepted list
// is normalised and sorted (ParseDayList). Main thread only.
class DayListDialog : public QDialog {
  Q_OBJECT

 public:
  // `list` is the day list so far; `openPage` the open page "mm/dd" (or "")
  // which a list-less "Days" or "Year" show runs from; `currentYear` is the
  // year a "List" entry without one is placed in.
  DayListDialog(SlideType type, const std::vector<std::string>& list, const std::string& openPage,
                int currentYear, QWidget* parent = nullptr);

  // The accepted day list (after OK).
  const std::vector<std::string>& dayList() const { return dayList_; }
  QPlainTextEdit* memo() const { return memo_; }
  QLabel* prompt() const { return prompt_; }

  void accept() override;

 private:
  const SlideType type_;
  const int currentYear_;
  QLabel* prompt_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  std::vector<std::string> dayList_;
};

}  // namespace lumidex
