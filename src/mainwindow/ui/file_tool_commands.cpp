#include "mainwindow/ui/file_tool_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "album/album_store.h"
#include "album/album_text.h"
#include "album/missing_file_repair.h"
#include "filetools/copy_to_folder.h"
#include "filetools/file_dates.h"
#include "filetools/file_organiser.h"
#include "filetools/ui/dialog_file_operation_prompts.h"
#include "filetools/ui/tfile_copy_dlg.h"
#include "filetools/ui/torganise_dlg.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/command_lock.h"
#include "mainwindow/list_menu_additions.h"
#include "mainwindow/ui/list_menu_commands.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

void Inform(QWidget* parent, const std::string& message) {
  QMessageBox::information(parent, QApplication::applicationDisplayName(), ToQString(message));
}

// What a copy or organiser run has to tell: the failures and a stop.
std::string TransferNotice(const TransferReport& report) {
  std::string text;
  if (report.failed > 0) {
    text += std::to_string(report.failed) + " 個のファイルを処理できませんでした。\n" +
            report.errors.front();
  }
  if (report.stopped) text += std::string(text.empty() ? "" : "\n\n") + "中止しました。";
  return text;
}

}  // namespace

FileToolCommands::FileToolCommands(TForm1& window, ImageListPanel& list, AlbumStore& album,
                                   std::function<void()> albumChanged,
                                   std::function<bool()> confirmFreeLayoutSave, QObject* parent)
    : QObject(parent),
      window_(window),
      list_(list),
      album_(album),
      albumChanged_(std::move(albumChanged)),
      confirmFreeLayoutSave_(std::move(confirmFreeLayoutSave)) {
  // "ツール" -> "不明画像の再設定" and "画像の整理" of the main menu.
  repairAlbum_ = window.mainMenu().repairMissing;

  ListPopupMenu* menu = list.popupMenu();
  menu->addSeparator();
  copyToFolder_ = AddMenuCommand(menu, "FileCopyMenu", QStringLiteral("指定場所へのファイルコピー"),
                             QStringLiteral("選択したファイルのコピーを行う"));
  repairPage_ = AddMenuCommand(menu, "RepairMenu2", QStringLiteral("不明画像の再設定"));
  auto* change = new QMenu(QStringLiteral("変更"), menu);
  changeMenu_ = menu->addMenu(change);
  changeMenu_->setObjectName(QStringLiteral("ChangeMenu"));
  changePath_ = AddMenuCommand(change, "PathChangeMenu", QStringLiteral("ファイルパス名"));
  fileDates_ = AddMenuCommand(menu, "N5", QStringLiteral("更新日に登録日を設定"));

  connect(window.calendarBar()->organiserButton(), &QAbstractButton::clicked, this,
          &FileToolCommands::Organise);
  connect(window.mainMenu().organise, &QAction::triggered, this, &FileToolCommands::Organise);
  connect(repairAlbum_, &QAction::triggered, this, &FileToolCommands::RepairAlbumCommand);
  connect(repairPage_, &QAction::triggered, this, &FileToolCommands::RepairPageCommand);
  connect(copyToFolder_, &QAction::triggered, this, &FileToolCommands::CopyToFolder);
  connect(changePath_, &QAction::triggered, this, &FileToolCommands::ChangePath);
  connect(fileDates_, &QAction::triggered, this, &FileToolCommands::SetFileDatesCommand);
  connect(menu, &QMenu::aboutToShow, this, &FileToolCommands::PrepareMenu);
}

std::vector<int> FileToolCommands::SelectedRows() const {
  const QVector<int> rows = list_.view()->SelectedRows();
  return std::vector<int>(rows.begin(), rows.end());
}

void FileToolCommands::PrepareMenu() {
  const ListMenuAdditions items = ListMenuAdditionsFor(ListMenuFactsOf(list_, nullptr));
  copyToFolder_->setVisible(items.fileCopy);
  copyToFolder_->setEnabled(items.fileCopyEnabled);
  repairPage_->setVisible(items.repair);
  repairPage_->setEnabled(items.repairEnabled);
  changePath_->setEnabled(items.changePathEnabled);
  changeMenu_->setVisible(items.change);
  fileDates_->setVisible(items.fileDates);
  fileDates_->setEnabled(items.fileDatesEnabled);
}

void FileToolCommands::Organise() {
  TOrganiseDlg dialog(window_.settings(), &window_);
  connect(&dialog, &TOrganiseDlg::helpRequested, &window_, &TForm1::ShowHelp);
  if (dialog.exec() != QDialog::Accepted) return;
  DialogFileOperationPrompts prompts(&window_);
  Result<OrganiseReport> report = [&] {
    CommandLock lock(window_);
    return OrganiseFiles(dialog.options(), window_.environment().types, prompts,
                         window_.longOperation());
  }();
  if (!report.ok()) {
    TForm1::ReportError(report.status());
    return;
  }
  if (const std::string notice = TransferNotice(report.value().transfer); !notice.empty()) {
    Inform(&window_, notice);
  }
}

std::string FileToolCommands::AskRepairFolder() {
  // The repair rewrites free layout documents: unsaved edits of the shown
  // tab are saved or dropped first, never saved over the repair later.
  if (confirmFreeLayoutSave_ && !confirmFreeLayoutSave_()) return "";
  const QString folder = QFileDialog::getExistingDirectory(
      &window_, ToQString(kRepairFolderPrompt), ToQString(window_.settings().aDir));
  return ToStdString(folder);
}

void FileToolCommands::ReportRepair(const Result<RepairCounts>& counts) {
  if (!counts.ok()) {
    TForm1::ReportError(counts.status());
    return;
  }
  for (const auto& message : counts.value().saveErrors) TForm1::ReportError(Status::Error(message));
  Inform(&window_, RepairMessage(counts.value()));
  if (counts.value().repairedCount > 0) albumChanged_();
}

void FileToolCommands::RepairAlbumCommand() {
  const std::string folder = AskRepairFolder();
  if (folder.empty()) return;
  Result<RepairCounts> counts = [&] {
    CommandLock lock(window_);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    auto result = RepairAlbum(album_, {folder, false}, window_.longOperation());
    QApplication::restoreOverrideCursor();
    return result;
  }();
  ReportRepair(counts);
}

void FileToolCommands::RepairPageCommand() {
  const std::vector<int> rows = SelectedRows();
  if (rows.size() != 1 || list_.list().mode() != ListMode::kPageList) return;
  const std::string page(list_.list().entries().NameAt(rows.front()).substr(0, 5));
  const std::string folder = AskRepairFolder();
  if (folder.empty()) return;
  Result<RepairCounts> counts = [&] {
    CommandLock lock(window_);
    return RepairPage(album_, page, {folder, false}, window_.longOperation());
  }();
  ReportRepair(counts);
}

void FileToolCommands::CopyToFolder() {
  const std::vector<size_t> selected = list_.SelectedLines();
  if (selected.empty() || !album_.PageOpen()) return;
  TFileCopyDlg dialog(TFileCopyDlg::Mode::kFolder, ToQString(kCopyToFolderCaption),
                      ToQString(kCopyToFolderLabel), ToQString(window_.settings().cpDir), &window_);
  dialog.SetPlacementOption(true, true);
  dialog.exec();
  const std::string destination = ToStdString(dialog.result());
  if (destination.empty()) return;
  window_.settings().cpDir = destination;
  std::vector<std::string> lines;
  for (const size_t index : selected) lines.push_back(album_.Lines()[index]);
  const CopyOutPlan plan = PlanCopyOut(lines, album_.subAlbumDocument(), destination);
  DialogFileOperationPrompts prompts(&window_);
  const CopyOutReport report = [&] {
    CommandLock lock(window_);
    return RunCopyOut(plan, destination, dialog.placementTicked(), prompts,
                      window_.longOperation());
  }();
  std::string notice = TransferNotice(report.transfer);
  for (const auto& name : plan.refused) {
    notice += (notice.empty() ? "" : "\n") + std::string("フォルダ名にできないサブアルバム名です: ") + name;
  }
  if (!notice.empty()) Inform(&window_, notice);
  if (!report.placement.ok()) TForm1::ReportError(report.placement);
}

void FileToolCommands::ChangePath() {
  const std::vector<size_t> selected = list_.SelectedLines();
  if (selected.size() != 1 || !album_.PageOpen()) return;
  const std::string line = album_.Lines()[selected.front()];
  const std::string path(EntryNameOf(line));
  if (IsSubAlbumEntry(path)) return;
  TFileCopyDlg dialog(TFileCopyDlg::Mode::kFile, QStringLiteral("ファイル名の変更"),
                      QStringLiteral("新しいファイル名を入力して下さい"), ToQString(path), &window_);
  dialog.SetFileFilter(QStringLiteral("画像ファイル (*.jpg *.jpeg *.png *.gif *.bmp);;すべて (*)"));
  dialog.exec();
  const std::string chosen = ToStdString(dialog.result());
  if (chosen.empty() || chosen == path) return;
  if (const Status s = ChangeEntryPath(album_, selected.front(), chosen); !s.ok()) {
    Inform(&window_, s.message());
    return;
  }
  list_.SyncWithStore();
}

void FileToolCommands::SetPageFileDatesCommand(const std::string& date) {
  const QString question = ToQString(FileDateQuestion(date + "に"));
  if (QMessageBox::question(&window_, ToQString(kFileDateCaption), question, QMessageBox::Yes | QMessageBox::No) !=
      QMessageBox::Yes) {
    return;
  }
  // Edits of the open container reach the year document first.
  if (Status saved = album_.SaveCurrent(false); !saved.ok()) {
    TForm1::ReportError(saved);
    return;
  }
  auto targets = PageFileDateTargets(album_.folders().photoDir, date);
  if (!targets.ok()) {
    TForm1::ReportError(targets.status());
    return;
  }
  {
    CommandLock lock(window_);
    SetFileDates(targets.value(), true, window_.longOperation());
  }
  list_.view()->viewport()->update();
}

void FileToolCommands::SetFileDatesCommand() {
  const std::vector<int> rows = SelectedRows();
  const ListMode mode = list_.list().mode();
  if (rows.empty() || mode == ListMode::kFolder) return;
  if (QMessageBox::question(&window_, ToQString(kFileDateCaption),
                            QStringLiteral("ファイルの更新日に登録日を設定します。よろしいですか？"),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  const std::string photoDir = album_.folders().photoDir;
  std::vector<FileDateTarget> targets;
  if (mode == ListMode::kPageList) {
    for (const int row : rows) {
      const std::string date =
          album_.loadedYear() + "/" + std::string(list_.list().entries().NameAt(row).substr(0, 5));
      auto page = PageFileDateTargets(photoDir, date);
      if (!page.ok()) {
        TForm1::ReportError(page.status());
        return;
      }
      targets.insert(targets.end(), page.value().begin(), page.value().end());
    }
  } else {
    const std::string date = album_.loadedYear() + "/" + album_.openPage();
    for (const int row : rows) {
      const std::string_view name = list_.list().entries().NameAt(row);
      if (!IsSubAlbumEntry(name)) {
        targets.push_back({std::string(name), date});
        continue;
      }
      for (const auto& entry : album_.subAlbumDocument().SectionLines(name.substr(1))) {
        targets.push_back({std::string(EntryNameOf(entry)), date});
      }
    }
  }
  {
    CommandLock lock(window_);
    SetFileDates(targets, true, window_.longOperation());
  }
  list_.view()->viewport()->update();
}

}  // namespace lumidex
