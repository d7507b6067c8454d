#pragma once

#include <span>
#include <string_view>

namespace lumidex {

// What is in front of the user when F1 is pressed in the main window: the
// regions shown and which of them holds the input focus.
struct HelpContext {
  bool freeLayoutDown = false;        // the free layout button is down
  bool slideShowRunning = false;      // a slide show runs in the picture view
  bool actualSizeShown = false;       // the picture view shows its picture at actual size
  bool pictureViewShown = false;      // the picture view is in the calendar's place
  bool detailListShown = false;       // the detail list is shown over the page side
  bool containerOpen = false;         // a page or sub-album is open in the image list
  bool calendarHasFocus = false;      // the month grid has the input focus
  bool imageListHasFocus = false;     // the image list has the input focus
  bool pictureViewHasFocus = false;   // the picture view has the input focus
  bool detailListHasFocus = false;    // the detail list has the input focus
  bool favouritesHaveFocus = false;   // the favourites list has the input focus
  bool albumListHasFocus = false;     // the album list window is open and its list has the focus
};

// The help topic F1 asks for in the main window.
//
// "FreeAlb" while the free layout button is down (whatever has the focus),
// else "SlideShow" while a slide show runs. Otherwise the region with the
// focus decides: the detail list "DetailList", the favourites "Favorite",
// the calendar "Clend", the picture view "FullSize" at actual size and
// "GrpView" otherwise, the image list "GrpOpen" while a page or sub-album is
// open and "GrpOnList" for the page list, the album list window
// "AllAlbum". With the focus elsewhere (a button of a bar), the region
// shown decides in the order actual size, picture view, detail list, open
// page. "" when none applies, which opens the help document at its start.
std::string_view HelpTopicFor(const HelpContext& context);

// The tabs of the option dialog, in their order.
enum class OptionTab { kCalendar, kPictures, kOtherFiles, kFreeLayout, kPrinting };
inline constexpr int kOptionTabCount = 5;

// The help topic of an option dialog tab: "Option", "Option-GrpOn",
// "Option-2", "Option-Free", "Printer2".
std::string_view OptionHelpTopic(OptionTab tab);

// The help topic of a window other than the main window, named by its class
// name (without namespace) or, for windows built from a plain dialog, by its
// object name: "" when the window has no topic of its own (a message box),
// so that the window it belongs to answers instead.
std::string_view WindowHelpTopic(std::string_view windowName);

// The windows with a topic of their own, as WindowHelpTopic knows them.
struct WindowTopic {
  std::string_view window;
  std::string_view topic;
};
std::span<const WindowTopic> WindowTopics();

// Every topic the program asks the help document for: those above, and
// those the dialogs' own help buttons ask for ("PrintDlg", "Printer",
// "HolEditDlg", "AutoGrp", "kataduke", "DsktopBackGrp"). The shipped
// document has an anchor for each.
std::span<const std::string_view> HelpTopics();

// The file name of the help document inside the shipped help folder.
inline constexpr std::string_view kHelpDocumentName = "LumidexAlbum.htm";

}  // namespace lumidex
