#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "calendar/holiday_editor.h"
#include "calendar/holiday_entry_form.h"
#include "foundation/calendar_date.h"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumidex {

class CalendarMarks;

// The holiday editor "祝日ファイルの編集": the lines of one holiday file in
// `ListBox1` with the entry fields beside it, and the per-year files of the
// holiday folder in `ListBox2`. Changes are written only by "適用"; before
// the dialog closes or another file is opened, unsaved changes are offered
// for applying. Modal; after exec() the caller reloads the holidays when
// changed(). All editing goes through the core's HolidayEditor.
class THolidayDlg : public QDialog {
  Q_OBJECT

 public:
  // Opens `editedPath` (the calendar's chosen holiday file) with the picker
  // on `cellDate`. `folders` and `store` must outlive the dialog; `help`
  // shows a help topic (may be empty).
  THolidayDlg(const DataFolders& folders, FileStore& store, const std::string& editedPath,
              const CalendarDate& cellDate, std::function<void(const QString&)> help = {},
              QWidget* parent = nullptr);
  ~THolidayDlg() override;

  // A file changed on disk while the dialog was open.
  bool changed() const { return editor_.changed(); }
  HolidayEditor& editor() { return editor_; }

  // Closes after the unsaved-changes question (also for "閉じる" and the
  // window's close button); stays open when applying fails.
  void reject() override;

 private:
  void BuildControls();
  void ConnectControls();
  // Shows the editor's lines and selection in ListBox1.
  void RefreshList();
  void RefreshYearFiles();
  void RefreshButtons();
  HolidayEntryForm ReadForm() const;
  void ShowForm(const HolidayEntryForm& form);
  void FormChanged();
  void ListBox1Click();
  void ListBox1SelectionChanged();
  void Button1Click(int tag);
  void Button31Click(int direction);
  void Sort(bool byName);
  void DateTimePicker1Change();
  // Rule box `box` changed; "なし" in either unsets both.
  void ComboBox1Change(QComboBox* box);
  bool SpeedButton2Click();
  // The unsaved-changes question; false when the caller must stop (an
  // apply that failed).
  bool ConfirmUnsaved();
  void SpeedButton3Click();
  void ListBox2DblClick();
  void Button4Click(int tag);
  void ShowListMenu(const QPoint& point);
  void AfterOpen(int workingYear);
  void ShowError(const Status& status);
  int workingYear() const;

  HolidayEditor editor_;
  std::function<void(const QString&)> help_;
  std::unique_ptr<CalendarMarks> marks_;
  bool filling_ = false;  // controls are being set from the core: no change handling

  QListWidget* ListBox1 = nullptr;
  QAbstractButton* SpeedButton5 = nullptr;
  QAbstractButton* SpeedButton1 = nullptr;
  QPushButton* Button31 = nullptr;
  QPushButton* Button32 = nullptr;
  QAbstractButton* SpeedButton2 = nullptr;
  QAbstractButton* SpeedButton3 = nullptr;
  QButtonGroup* RadioGroup1 = nullptr;
  QLabel* Panel5 = nullptr;
  QDateEdit* DateTimePicker1 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QLabel* Label9 = nullptr;
  QLineEdit* Edit6 = nullptr;
  QLineEdit* NumberEdit2 = nullptr;
  QLineEdit* NumberEdit3 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;
  QListWidget* ListBox2 = nullptr;
  QAbstractButton* SpeedButton4 = nullptr;
  QLineEdit* NumberEdit1 = nullptr;
  QPushButton* Button4 = nullptr;
  QPushButton* Button5 = nullptr;
  QAbstractButton* SpeedButton6 = nullptr;
  QPushButton* OKBtn = nullptr;
};

}  // namespace lumidex
