#pragma once

#include <QDialog>
#include <QIcon>

#include "foundation/colour.h"

class QLabel;
class QMenu;

namespace lumidex {

class TForm1;

// The version box ("Version Information(&A)" of the ヘルプ menu): the
// program's icon, names and version, and the versions of the libraries it
// uses (Qt as loaded and as built, the picture libraries), on the colour
// scheme's version box colour, with an OK button. Main thread only.
class VersionBox : public QDialog {
  Q_OBJECT

 public:
  VersionBox(const QIcon& icon, Colour background, QWidget* parent = nullptr);

  QLabel* text() const { return text_; }

 private:
  QLabel* text_;
};

// The program's icon: the installed theme's "lumidex-album", else the PNG
// shipped beside the program's data (share/icons), else none.
QIcon ProgramIcon();

// Adds "Version Information(&A)" (`VersionInformation1`) at the end of
// `help`; it shows the version box over `window` in its colour scheme.
QAction* AddVersionInformationItem(QMenu& help, TForm1& window);

}  // namespace lumidex
