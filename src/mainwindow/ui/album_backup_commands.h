#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;

namespace lumidex {

class AlbumStore;
class CalendarController;
class TForm1;

// "ファイル" -> "アルバムデータ" -> "インポート" (`N17`) and "エクスポート"
// (`N18`): the album's backup files. Export asks the free layout's save
// question, then for the ".alb" file in the folder "backupdir" (asking
// before overwriting), stores the window's settings so the ".opl" file holds
// them, and writes the backup with the window's progress. Import asks for
// the ".alb" file, reads and checks the whole backup (a damaged one is
// refused with its message before anything changes), asks before replacing
// the album's files, imports them, asks "オプション設定を読み込みますか？"
// when the backup has settings (Yes leaves the file for the next start in
// "opld"), and rebuilds the shown month with the year's documents opened
// again. "backupdir" follows the folder chosen. Main thread only; the
// window, store and calendar must outlive this object.
class AlbumBackupCommands : public QObject {
  Q_OBJECT

 public:
  AlbumBackupCommands(TForm1& window, AlbumStore& album, CalendarController& calendar,
                      std::function<bool()> confirmFreeLayoutSave, QObject* parent = nullptr);

  QAction* importAction() const { return import_; }
  QAction* exportAction() const { return export_; }

  void ExportAlbumCommand();
  void ImportAlbumCommand();

 private:
  // The ".alb" file chosen in the save or open dialog; "" when cancelled.
  QString ChooseFile(bool save);
  // After an import: the shown month rebuilt, then the settings question.
  void AfterImport(const std::string& settingsFile);

  TForm1& window_;
  AlbumStore& album_;
  CalendarController& calendar_;
  std::function<bool()> confirmFreeLayoutSave_;
  QAction* import_;
  QAction* export_;
};

}  // namespace lumidex
