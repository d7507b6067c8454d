#include "mainwindow/ui/album_list_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTreeWidget>
#include <memory>
#include <span>

#include "album/album_list_delete.h"
#include "album/album_prompts.h"
#include "album/album_search.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "album/page_counts.h"
#include "album/year_counts.h"
#include "album/year_index.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_controller.h"
#include "foundation/calendar_date.h"
#include "foundation/file_paths.h"
#include "foundation/ini_line.h"
#include "filetools/file_dates.h"
#include "foundation/settings.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/small_picture.h"
#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/command_lock.h"
#include "mainwindow/ui/entry_navigation.h"
#include "mainwindow/ui/search_commands.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/tool_select_dlg.h"
#include "platform/ui/qt_bridge.h"
#include "platform/ui/shell_services.h"

namespace lumidex {
namespace {

constexpr std::string_view kPageIndexSection = "DATA";
// The page index value of a page whose cover the album chooses.
constexpr std::string_view kAutoCover = ".alb";

// A document of another year as the window reads it: one that cannot be
// read lists as empty (OpenOtherYearDocument never writes it).
std::unique_ptr<TMemIniFile> OpenQuietly(const std::string& file, FileStore& store) {
  Result<std::unique_ptr<TMemIniFile>> doc = OpenOtherYearDocument(file, store);
  return doc.ok() ? std::move(doc).value() : std::make_unique<TMemIniFile>(file, store);
}

AlbumListRow RowOfHit(const SearchHit& hit) {
  AlbumListRow row;
  row.text = hit.Location();
  row.path = hit.Path();
  row.date = hit.date;
  // A hit inside a sub-album opens it; a sub-album found by its own entry
  // is selected on its page.
  if (!hit.subAlbum.empty() && !IsSubAlbumEntry(hit.entry)) row.subAlbum = hit.subAlbum;
  row.entry = hit.entry;
  return row;
}

}  // namespace

AlbumListCommands::AlbumListCommands(TForm1& window, ImageListPanel& list, AlbumStore& album,
                                     CalendarController& calendar, AlbumPrompts& prompts, SearchCommands& search)
    : QObject(&window), window_(window), list_(list), album_(album), calendar_(calendar), prompts_(prompts),
      search_(search) {
  connect(window.calendarBar()->allAlbumsButton(), &QAbstractButton::clicked, this, &AlbumListCommands::ShowAlbum);
  // "表示" -> "全てのアルバム" and "検索" -> "検索" of the main menu, which
  // hides both while the window is open.
  connect(window.mainMenu().allAlbums, &QAction::triggered, this, &AlbumListCommands::ShowAlbum);
  connect(window.mainMenu().find, &QAction::triggered, this, &AlbumListCommands::SearchAlbum);
}

TToolSelectDlg::Album AlbumListCommands::Source() {
  TToolSelectDlg::Album source;
  source.yearRows = [this] {
    std::vector<AlbumListRow> rows;
    for (const std::string& file : album_.yearIndex().YearFiles()) {
      const std::string year = file.substr(0, 4);
      Result<YearCounts> counts = CountYear(album_, year);
      if (!counts.ok()) continue;
      AlbumListRow row;
      row.text = YearListText(year, counts.value());
      row.year = year;
      rows.push_back(std::move(row));
    }
    return rows;
  };
  source.withYear = [this](const std::string& year, const std::function<void(const YearDocuments&)>& use) {
    if (album_.HasYear() && year == album_.loadedYear()) {
      use({album_.yearDocument(), album_.subAlbumDocument()});
      return;
    }
    const std::string base = album_.folders().photoDir + year;
    const auto pages = OpenQuietly(base + ".ini", album_.fileStore());
    const auto subAlbums = OpenQuietly(base + "S.ini", album_.fileStore());
    use({*pages, *subAlbums});
  };
  source.locked = [this](const std::string& year, std::string_view page) { return album_.IsPageLocked(year, page); };
  source.goTo = [this](const AlbumListRow& row) {
    if (!row.year.empty()) {
      // A year row shows its month at its own day, else at the calendar's
      // selected day.
      const std::string day(PageKeyOf(calendar_.calendar().state().selectedDay));
      calendar_.ShowMonth(ToQString(row.date.empty() ? row.year + "/" + day : row.date), true);
      return;
    }
    // A page row opens its page, a sub-album row or a sub-album's file its
    // sub-album; the row's entry is selected there.
    EntryPlace place;
    place.date = row.date;
    if (!row.subAlbum.empty() && row.date.size() == 10) place.subAlbumSection = row.date.substr(5) + row.subAlbum;
    place.entry = row.entry;
    if (Status status = GoToEntry(place, album_, calendar_, list_); !status.ok()) prompts_.Inform(status.message());
  };
  source.filesOf = [this, withYear = source.withYear](const AlbumListRow& row) {
    std::vector<std::string> files;
    if (!row.entry.empty() && !IsSubAlbumEntry(row.entry)) {
      if (FileExists(row.entry)) files.push_back(row.entry);
      return files;
    }
    if (row.date.size() != 10) return files;
    withYear(row.date.substr(0, 4), [&](const YearDocuments& docs) {
      const std::string page = row.date.substr(5);
      const TMemIniFile& doc = row.subAlbum.empty() ? docs.pages : docs.subAlbums;
      for (const std::string& line : doc.SectionLines(page + row.subAlbum)) {
        const std::string path(EntryNameOf(line));
        if (!IsSubAlbumEntry(path) && FileExists(path)) files.push_back(path);
      }
    });
    return files;
  };
  source.setFileDates = [this](const std::vector<std::string>& years) { SetYearFileDates(years); };
  source.deleteRows = [this](const std::vector<AlbumListRow>& rows) { return DeleteRows(rows); };
  source.progress = &window_.longOperation();
  // Pictures of files are made only when the album makes them at all.
  if (window_.settings().gLevel > 0) {
    source.picture = [cache = cache_](const std::string& path, QSize bound) { return SmallImageOf(path, cache, bound); };
  }
  return source;
}

TToolSelectDlg& AlbumListCommands::Dialog() {
  if (dialog_) return *dialog_;
  dialog_ = new TToolSelectDlg(Source(), window_.settings().subAjog, &window_);
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog_, &QDialog::finished, this, [this] {
    if (dialog_) window_.settings().subAjog = dialog_->withoutSubAlbums();
  });
  return *dialog_;
}

void AlbumListCommands::ShowAlbum() {
  // One window at a time: a second request only raises it.
  if (dialog_ && dialog_->isVisible()) {
    dialog_->raise();
    return;
  }
  Dialog().ShowAlbum();
}

void AlbumListCommands::SetYearFileDates(const std::vector<std::string>& years) {
  const std::string prefix = years.size() == 1 ? years.front() + "年に" : std::string();
  QWidget* over = dialog_ ? static_cast<QWidget*>(dialog_) : static_cast<QWidget*>(&window_);
  if (QMessageBox::question(over, ToQString(kFileDateCaption), ToQString(FileDateQuestion(prefix)),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  // Edits of the open container reach the year document first.
  if (Status saved = album_.SaveCurrent(false); !saved.ok()) {
    prompts_.Inform(saved.message());
    return;
  }
  std::vector<FileDateTarget> targets;
  for (const std::string& year : years) {
    auto found = YearFileDateTargets(album_.folders().photoDir, year);
    if (!found.ok()) {
      prompts_.Inform(found.status().message());
      return;
    }
    targets.insert(targets.end(), found.value().begin(), found.value().end());
  }
  CommandLock lock(window_);
  SetFileDates(targets, true, window_.longOperation());
}

void AlbumListCommands::ShowPageUse(const std::string& date) {
  if (date.size() != 10) return;
  const std::string page = date.substr(5);
  const std::string cover = album_.pageIndex().GetValue(kPageIndexSection, page, "");
  if (!cover.starts_with(kAutoCover)) {
    platform::ShowFileProperties(ToQString(cover), &window_);
    return;
  }
  Result<std::string> text = PageUseText(album_, page, album_.loadedYear());
  if (!text.ok()) {
    prompts_.Inform(text.status().message());
    return;
  }
  std::vector<AlbumListRow> rows;
  for (const std::string& line : SplitLines(text.value())) {
    if (line.empty()) continue;
    AlbumListRow row;
    row.text = line;
    row.year = line.substr(0, 4);
    row.date = row.year + "/" + page;
    rows.push_back(std::move(row));
  }
  if (rows.empty()) {
    AlbumListRow none;
    none.text = "なし";
    rows.push_back(std::move(none));
  }
  const int month = std::stoi(page.substr(0, 2)), day = std::stoi(page.substr(3, 2));
  TToolSelectDlg dialog(Source(), window_.settings().subAjog, &window_);
  dialog.setModal(true);
  dialog.ShowResults(ToQString(album_.loadedYear() + "年以外でのページの使用確認"),
                     ToQString(std::to_string(month) + "月" + std::to_string(day) +
                               "日の他の年での使用状況を表示しています。\n （画像数）(サブアルバム数 - サブアルバムの画像数）"),
                     std::move(rows));
  dialog.exec();
}

std::vector<size_t> AlbumListCommands::DeleteRows(const std::vector<AlbumListRow>& rows) {
  const DeleteQuestionText question = AlbumListDeleteQuestion(rows);
  if (!prompts_.Confirm(question.message, question.caption)) return {};
  const AlbumListDeletion deletion = DeleteAlbumListRows(album_, rows);
  if (!deletion.status.ok()) prompts_.Inform(deletion.status.message());
  emit albumChanged();
  return deletion.deleted;
}

bool AlbumListCommands::SearchAlbum() {
  if (dialog_ && dialog_->isVisible()) return false;
  if (!search_.AskSearch(QStringLiteral("アルバムの画像検索"))) return false;
  const SearchRequest& request = search_.request();
  // Edits of the open container are in the files the search reads.
  if (Status saved = album_.SaveCurrent(false); !saved.ok()) {
    prompts_.Inform(saved.message());
    return false;
  }
  std::vector<std::string> years;
  for (const std::string& file : YearIndex::ListYearFiles(album_.folders().photoDir)) years.push_back(file.substr(0, 4));
  // The hits show year by year while the search goes on; at the end they
  // are listed again in the order of their places.
  const QString caption = QStringLiteral("アルバムの画像検索");
  Dialog().ShowResults(caption, QStringLiteral("検索中…"), {});
  // Seen but not gone to until the search ends.
  dialog_->list().setEnabled(false);
  size_t found = 0;
  const SearchOutcome outcome = lumidex::SearchAlbum(
      album_.folders().photoDir, years,
      [this](std::string_view year, std::string_view page) { return album_.IsPageLocked(year, page); }, request,
      window_.longOperation(), album_.fileStore(), [&](std::span<const SearchHit> hits) {
        if (hits.empty() || !dialog_) return;
        std::vector<AlbumListRow> rows;
        rows.reserve(hits.size());
        for (const SearchHit& hit : hits) rows.push_back(RowOfHit(hit));
        found += hits.size();
        dialog_->AppendResults(QStringLiteral("検索中… %1個").arg(found), rows);
      });
  std::vector<AlbumListRow> rows;
  rows.reserve(outcome.hits.size());
  for (const SearchHit& hit : outcome.hits) rows.push_back(RowOfHit(hit));
  Dialog().ShowResults(caption, ToQString(SearchResultMessage(request.text, outcome.hits.size())), std::move(rows));
  dialog_->list().setEnabled(true);
  return true;
}

}  // namespace lumidex
