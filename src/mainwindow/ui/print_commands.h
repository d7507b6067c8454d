#pragma once

#include <QObject>
#include <QPrinter>
#include <memory>

#include "printing/print_settings.h"

class QAction;

namespace lumidex {

class AlbumStore;
class FreeLayoutView;
class ImageListPanel;
class TForm1;

// The print command "印刷(&P)" (`Print1`, Ctrl+P) of the window: while the
// free layout view is open it prints the shown tab on one landscape sheet
// after the small print dialog; otherwise it prints the pictures selected in
// the image list through the full print dialog. The item is visible only
// while the free layout view is open or a page is open. Holds the printer
// and the print settings for the run. Main thread; the window, list, store
// and view must outlive it.
class PrintCommands : public QObject {
  Q_OBJECT
 public:
  PrintCommands(TForm1& window, ImageListPanel& list, AlbumStore& album, FreeLayoutView& freeLayout,
                QObject* parent);
  ~PrintCommands() override;

  void PrintCommand();
  // The existing picture files of the selected entries, in list order
  // (sub-albums and missing files left out).
  std::vector<std::string> SelectedPictures() const;
  void PrintImageList();
  void PrintFreeLayout();
  // Shows or hides the menu item for what the window shows now.
  void UpdateItem();

  // The printer, made at the first print: finding the installed printers
  // can take the print system a while, which the window's start need not wait for.
  QPrinter& printer();

 private:
  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  FreeLayoutView& freeLayout_;
  QAction* item_ = nullptr;
  std::unique_ptr<QPrinter> printer_;  // null until printer()
  PrintSettings settings_;
  int verticalAlign_ = 1;
  int printTarget_ = 0;
};

}  // namespace lumidex
