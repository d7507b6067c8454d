// Moving the entries of the open container: a drop of the selection on an
// item, the arrows and the sorts. The store takes the new order and the list
// keeps each item's record.
#include "album/album_store.h"
#include "imagelist/block_move.h"
#include "imagelist/ui/image_list_model.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"

namespace lumidex {

void ImageListPanel::MoveSelection(const QVector<int>& selected, int target) {
  if (list_->mode() != ListMode::kContainer || !store_.PageOpen()) return;
  const std::optional<BlockMove> move =
      MoveSelectedBlock(list_->size(), std::vector<int>(selected.begin(), selected.end()), target);
  if (!move) return;
  std::vector<std::string> lines;
  lines.reserve(move->order.size());
  for (const int from : move->order) lines.push_back(store_.Lines()[static_cast<size_t>(from)]);
  PauseWorker();
  store_.SetLines(std::move(lines));
  list_->entries().Permute(move->order);
  model_->RedrawAll();
  view_->SelectRows(QVector<int>(move->selection.begin(), move->selection.end()));
  view_->viewport()->update();
  view_->HintVisibleRange();
}

void ImageListPanel::MoveSelectedUp() {
  if (list_->mode() != ListMode::kContainer || !store_.PageOpen()) return;
  std::vector<std::string> lines = store_.Lines();
  const std::vector<size_t> selection = Selection();
  MoveUp(lines, selection);
  TakeReorderedLines(std::move(lines), selection);
}

void ImageListPanel::MoveSelectedDown() {
  if (list_->mode() != ListMode::kContainer || !store_.PageOpen()) return;
  std::vector<std::string> lines = store_.Lines();
  const std::vector<size_t> selection = Selection();
  MoveDown(lines, selection);
  TakeReorderedLines(std::move(lines), selection);
}

void ImageListPanel::SortLines(SortOrder order) {
  if (list_->mode() != ListMode::kContainer || !store_.PageOpen()) return;
  std::vector<std::string> lines = store_.Lines();
  SortEntries(lines, order);
  TakeReorderedLines(std::move(lines), Selection());
}

void ImageListPanel::TakeReorderedLines(std::vector<std::string> lines,
                                        const std::vector<size_t>& selected) {
  const std::optional<std::vector<int>> order = OrderOfReorderedLines(store_.Lines(), lines);
  if (!order) return;
  const std::vector<int> moved = SelectionAfterReorder(*order, selected);
  const QVector<int> selection(moved.begin(), moved.end());
  PauseWorker();
  store_.SetLines(std::move(lines));
  list_->entries().Permute(*order);
  model_->RedrawAll();
  view_->SelectRows(selection);
  if (!selection.isEmpty()) view_->scrollTo(model_->index(selection.front()));
  view_->viewport()->update();
  view_->HintVisibleRange();
}

}  // namespace lumidex
