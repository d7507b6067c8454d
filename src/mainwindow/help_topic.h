#pragma once

#include <string_view>

namespace lumidex {

// What is in front of the user when F1 is pressed.
struct HelpContext {
  bool freeLayoutDown = false;        // the free layout button is down
  bool calendarHasFocus = false;      // the month grid has the input focus
  bool imageListHasFocus = false;     // the image list has the input focus
  bool albumListHasFocus = false;     // the album list window is open and its list has the focus
};

// The help topic F1 asks for: "FreeAlb" while the free layout button is down,
// else "Clend" for the calendar, else "GrpOnList" for the image list, else
// "AllAlbum" for the album list window; "" when none applies, which opens the
// help document at its start.
std::string_view HelpTopicFor(const HelpContext& context);

// The tabs of the option dialog, in their order.
enum class OptionTab { kCalendar, kPictures, kOtherFiles, kFreeLayout, kPrinting };
inline constexpr int kOptionTabCount = 5;

// The help topic of an option dialog tab: "Option", "Option-GrpOn",
// "Option-2", "Option-Free", "Printer2".
std::string_view OptionHelpTopic(OptionTab tab);

// The file name of the help document inside the shipped help folder.
inline constexpr std::string_view kHelpDocumentName = "LumidexAlbum.htm";

}  // namespace lumidex
