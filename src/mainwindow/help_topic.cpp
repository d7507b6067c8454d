#include "mainwindow/help_topic.h"

#include <array>

namespace lumidex {

namespace {

// The windows with a topic of their own. Dialogs are named by class, the
// dialogs built from a plain QDialog and the detail list's own window by
// object name.
constexpr std::array kWindowTopics{
    WindowTopic{"TOptionDlg", "Option"},
    WindowTopic{"THolidayDlg", "HolEditDlg"},
    WindowTopic{"TYearChgDlg", "YearChg"},
    WindowTopic{"WallpaperDialog", "DsktopBackGrp"},
    WindowTopic{"TAutoGrpDlg", "AutoGrp"},
    WindowTopic{"TOrganiseDlg", "kataduke"},
    WindowTopic{"TFileCopyDlg", "FileCopy"},
    WindowTopic{"TMsgBoxDlg", "Regist"},
    WindowTopic{"FreeLayoutTextDialog", "FreeText"},
    WindowTopic{"RotationDialog", "FreeEdit"},
    WindowTopic{"TInputDlg", "FreeCatalog"},
    WindowTopic{"TSubAlbumInpDlg", "SubAlbum"},
    WindowTopic{"SearchDialog", "Find"},
    WindowTopic{"TToolSelectDlg", "AllAlbum"},
    WindowTopic{"FilePropertiesDlg", "Property"},
    WindowTopic{"TPrinterSetDlg", "PrintDlg"},
    WindowTopic{"PositionCorrectionDlg", "PrintDlg"},
    WindowTopic{"TPasswordDlg", "PageLock"},
    WindowTopic{"DayListDialog", "SlideList"},
    WindowTopic{"AlbumDataDialog", "AlbumData"},
    WindowTopic{"ListPanelWindow", "DetailList"},
};

// Every topic asked for: the main window's, the option tabs', the windows'
// and those only the dialogs' help buttons ask for.
constexpr std::array<std::string_view, 33> kTopics{
    "FreeAlb",  "SlideShow",  "DetailList", "Favorite",    "Clend",     "FullSize",   "GrpView",
    "GrpOpen",  "GrpOnList",  "AllAlbum",   "Option",      "Option-GrpOn", "Option-2", "Option-Free",
    "Printer2", "HolEditDlg", "YearChg",    "DsktopBackGrp", "AutoGrp", "kataduke",   "FileCopy",
    "Regist",   "FreeText",   "FreeEdit",   "FreeCatalog", "SubAlbum",  "Find",       "Property",
    "PrintDlg", "Printer",    "PageLock",   "SlideList",   "AlbumData",
};

}  // namespace

std::string_view HelpTopicFor(const HelpContext& context) {
  if (context.freeLayoutDown) return "FreeAlb";
  if (context.slideShowRunning) return "SlideShow";
  if (context.detailListHasFocus) return "DetailList";
  if (context.favouritesHaveFocus) return "Favorite";
  if (context.calendarHasFocus) return "Clend";
  if (context.pictureViewHasFocus) return context.actualSizeShown ? "FullSize" : "GrpView";
  if (context.imageListHasFocus) return context.containerOpen ? "GrpOpen" : "GrpOnList";
  if (context.albumListHasFocus) return "AllAlbum";
  // The focus is on none of the views: what is shown decides. The actual
  // size view lives inside the picture view, and both take the calendar's
  // place, so they come first.
  if (context.pictureViewShown) return context.actualSizeShown ? "FullSize" : "GrpView";
  if (context.detailListShown) return "DetailList";
  if (context.containerOpen) return "GrpOpen";
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

std::string_view WindowHelpTopic(std::string_view windowName) {
  for (const WindowTopic& entry : kWindowTopics) {
    if (entry.window == windowName) return entry.topic;
  }
  return {};
}

std::span<const WindowTopic> WindowTopics() { return kWindowTopics; }

std::span<const std::string_view> HelpTopics() { return kTopics; }

}  // namespace lumidex
