#pragma once

#include <cstddef>
#include <vector>

#include "album/album_list_rows.h"
#include "album/delete_question.h"
#include "foundation/status.h"

namespace lumidex {

class AlbumStore;

// What a row of the album list window stands for when it is deleted.
enum class AlbumListRowKind { kYear, kPage, kSubAlbum, kFile };
AlbumListRowKind KindOf(const AlbumListRow& row);

// The Yes/No question, caption "削除確認", before `rows` (at least one) are
// deleted: "2014年のアルバム", "03/15のページ", "2014/03/15のサブアルバム",
// "03/15のページから 'file' " for one row, "3個のファイル" for several,
// followed by "を削除します。よろしいですか？".
DeleteQuestionText AlbumListDeleteQuestion(const std::vector<AlbumListRow>& rows);

// The rows that were deleted (indexes into the given rows) and the first
// failure.
struct AlbumListDeletion {
  std::vector<size_t> deleted;
  Status status = Status::Ok();
};

// Deletes `rows` from the album's files: a year row its year and sub-album
// documents and the year's locks; a page row the page of its year with its
// sub-albums and its lock; a sub-album row the sub-album's entry and section;
// a file row the file's entry of its page or sub-album. The shown year's
// pending edits are saved and an open page is left first; every year's
// documents are read from disk, changed, and written back atomically (one
// that cannot be read is never written and its rows stay). Then the year
// list and YearSectionIndex are rebuilt, the shown year is read again, and
// only then the pages of the deleted rows that no year uses any more leave
// the page index, unless their cover is a chosen file.
AlbumListDeletion DeleteAlbumListRows(AlbumStore& album, const std::vector<AlbumListRow>& rows);

}  // namespace lumidex
