#pragma once

#include <QDialog>

class QFormLayout;
class QLabel;

namespace lumidex::platform {

// Our own properties window of one file or folder, used when the desktop
// offers none: name, folder, type, size, modification and access times, and
// whether it can be read and written. The caption is the file name.
class FilePropertiesDlg : public QDialog {
  Q_OBJECT

 public:
  explicit FilePropertiesDlg(const QString& path, QWidget* parent = nullptr);
};

// The parts our properties windows share: a value that can be selected and
// wraps, and the form laid out in `dialog` above its OK button.
QLabel* PropertyValue(const QString& text, QWidget* parent);
void LayOutPropertiesForm(QDialog& dialog, QFormLayout* form);

}  // namespace lumidex::platform
