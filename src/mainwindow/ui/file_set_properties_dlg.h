#pragma once

#include <QDialog>

#include "mainwindow/file_set_properties.h"

namespace lumidex {

// The properties of several files of one folder (FileSetProperties): the
// number of files, the types with their counts, the folder and the summed
// size, in bytes and in the largest unit. Caption "プロパティ".
class FileSetPropertiesDlg : public QDialog {
  Q_OBJECT

 public:
  explicit FileSetPropertiesDlg(const FileSetProperties& properties, QWidget* parent = nullptr);
};

}  // namespace lumidex
