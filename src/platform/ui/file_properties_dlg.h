#pragma once

#include <QDialog>

namespace lumidex::platform {

// Our own properties window of one file or folder, used when the desktop
// offers none: name, folder, type, size, modification and access times, and
// whether it can be read and written. The caption is the file name.
class FilePropertiesDlg : public QDialog {
  Q_OBJECT

 public:
  explicit FilePropertiesDlg(const QString& path, QWidget* parent = nullptr);
};

}  // namespace lumidex::platform
