#include "printing/print_settings.h"

#include <algorithm>

#include "foundation/settings.h"

namespace lumidex {

PrintSettings Clamped(PrintSettings settings) {
  settings.marginTop = std::clamp(settings.marginTop, 0, kMaxMargin);
  settings.marginLeft = std::clamp(settings.marginLeft, 0, kMaxMargin);
  settings.spacing = std::clamp(settings.spacing, kMinSpacing, kMaxSpacing);
  settings.customWidth = std::clamp(settings.customWidth, kMinCustomSide, kMaxCustomSide);
  settings.customHeight = std::clamp(settings.customHeight, kMinCustomSide, kMaxCustomSide);
  return settings;
}

PrintSettings PrintSettingsFrom(const Settings& settings) {
  PrintSettings print;
  print.spacing = settings.spacexy;
  print.customWidth = settings.usersizHigh;
  print.customHeight = settings.usersizLow;
  print.printName = settings.printSoftName;
  return Clamped(print);
}

void StorePrintSettings(const PrintSettings& print, Settings& settings) {
  settings.spacexy = print.spacing;
  settings.usersizHigh = print.customWidth;
  settings.usersizLow = print.customHeight;
  settings.printSoftName = print.printName;
}

PhotoSizeMm PhotoSizeOf(int layout, const PrintSettings& settings) {
  switch (layout) {
    case 6: return {117, 82};
    case 7: return {127, 89};
    case 8: return {178, 127};
    case 9: return {100, 148};  // the label says 140; the card is 148 high
    default: return {settings.customWidth, settings.customHeight};
  }
}

std::string LayoutLabel(int layout, const PrintSettings& settings) {
  switch (layout) {
    case 6: return "Eサイズ\n117×82";
    case 7: return "Lサイズ\n127×89";
    case 8: return "2Lサイズ\n178×127";
    case 9: return "はがき\n100×140";
    case 10:
      return "カスタム\n" + std::to_string(settings.customWidth) + "×" +
             std::to_string(settings.customHeight);
    default: return std::string();
  }
}

}  // namespace lumidex
