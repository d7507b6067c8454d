#pragma once

namespace lumidex {

// The pen of the day cell borders ("linestyle": 0 solid, 1 dotted,
// 2 dash-dot).
enum class BorderLineStyle { kSolid = 0, kDotted = 1, kDashDot = 2 };

// The settings that change how day cells are drawn.
struct CellSettings {
  bool holSw = false;                                   // "hol-sw": show holidays in the calendar
  bool monday = false;                                  // "monday": day numbers as "mm/dd"
  bool dayShadow = false;                               // "dayshadow": shadow under the date strip
  BorderLineStyle lineStyle = BorderLineStyle::kSolid;  // "linestyle"
  int alfha = 100;  // "alfha": cover opacity 10-255 under a label

  bool operator==(const CellSettings&) const = default;
};

// The border style of a "linestyle" value; unknown values draw solid.
BorderLineStyle LineStyleFromSetting(int value);

}  // namespace lumidex
