#include "mainwindow/error_text.h"

namespace lumidex {

std::string ErrorReportText(std::string_view errorText) {
  std::string text(errorText);
  if (text.empty()) return text;
  // Every non-ASCII character's first cp932 byte is 0x81 or more, so only a
  // final ASCII character can order at or before ".".
  const auto last = static_cast<unsigned char>(text.back());
  if (last >= 0x80 || last > '.') text += '.';
  return text;
}

}  // namespace lumidex
