#pragma once

#include <QWidget>
#include <functional>

#include "calendar/month_calendar.h"
#include "foundation/colour.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QPixmap;

namespace lumidex {

// The colours of the colour scheme that the calendar controls take.
struct CalendarSchemeColours {
  Colour light = kWhite;                 // Panel8 and ComboBox2 background
  Colour text = FromRgbHex(0x4A4A4A);    // their text, and Panel4's background
  Colour accent = FromRgbHex(0x9A9A9A);  // Panel4's text
};

// The calendar's controls in the window's top bar, left to right: one year
// back `SpeedButton3` ("-1年"), one month back `SpeedButton1` ("-"), the
// month caption `Panel8` lying over the year list `ComboBox2` so that only
// its drop-down button shows, one month on `SpeedButton2` ("+"), one year on
// `SpeedButton5` ("+1年"), the month chooser `SpeedButton38` and the today
// panel `Panel4`. It only shows and reports; CalendarController acts.
class CalendarControls : public QWidget {
  Q_OBJECT

 public:
  explicit CalendarControls(QWidget* parent = nullptr);

  // The month caption, e.g. "2014年8月".
  void SetCaption(const QString& caption);
  // Today's text and "tooltip|status" hint.
  void SetToday(const QString& text, const QString& hint);
  // Replaces the year list items and selects the first that contains
  // `loadedYear` (none when no item does).
  void SetYearItems(const std::vector<std::string>& items, const std::string& loadedYear,
                    const QPixmap& icon);
  void SetSchemeColours(const CalendarSchemeColours& colours);
  // Called just before the year list drops down, to rebuild its items.
  void SetYearListAboutToShow(std::function<void()> callback);

  QAbstractButton* stepButton(MonthCalendar::Step step) const;
  QAbstractButton* chooserButton() const { return chooserButton_; }
  QComboBox* yearList() const { return yearList_; }
  QLabel* caption() const { return caption_; }
  QAbstractButton* todayPanel() const { return todayPanel_; }

 signals:
  void stepRequested(MonthCalendar::Step step);
  void chooserRequested();
  // The user chose a year list item; `itemText` begins with its year.
  void yearChosen(const QString& itemText);
  void todayRequested();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceCaption();

  QAbstractButton* stepButtons_[4] = {};
  QAbstractButton* chooserButton_ = nullptr;
  QComboBox* yearList_ = nullptr;
  QLabel* caption_ = nullptr;
  QAbstractButton* todayPanel_ = nullptr;
};

}  // namespace lumidex
