#include "mainwindow/help_topic.h"

namespace lumidex {

std::string_view HelpTopicFor(const HelpContext& context) {
  if (context.freeLayoutDown) return "FreeAlb";
  if (context.calendarHasFocus) return "Clend";
  if (context.imageListHasFocus) return "GrpOnList";
  if (context.albumListHasFocus) return "AllAlbum";
  return {};
}

std::string_view OptionHelpTopic(OptionTab tab) {
  switch (tab) {
    case OptionTab::kCalendar: return "Option";
    case OptionTab::kPictures: return "Option-GrpOn";
    case OptionTab::kOtherFiles: return "Option-2";
    case OptionTab::kFreeLayout: return "Option-Free";
    case OptionTab::kPrinting: return "Printer2";
  }
  return "Option";
}

}  // namespace lumidex
