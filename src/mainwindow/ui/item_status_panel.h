#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace lumidex {

class ImageListPanel;
class StatusArea;

// The status bar's third panel while no long operation uses it: the page
// status of the calendar's current day (after a press on the grid) or the
// name of the entry last clicked in the image list, whichever came last.
// After an operation that changes the album (files added, entries renamed
// or deleted, pages made, a year switched), Refresh shows the same source
// again as it is now: the day's status anew, or the name of the entry now
// selected (its new name after a rename); with no entry selected, the day's
// status. Main thread only; `status` and `list` must outlive it.
class ItemStatusPanel : public QObject {
  Q_OBJECT

 public:
  // `reportDay` asks the calendar for the current day's status, which comes
  // back through ShowDay.
  ItemStatusPanel(StatusArea& status, ImageListPanel& list, std::function<void()> reportDay,
                  QObject* parent = nullptr);

  void ShowDay(const QString& text);
  void ShowEntry(const QString& text);
  // Refreshes the panel once the running operation has finished updating
  // the views (several calls in one operation refresh once).
  void Refresh();

 private:
  enum class Source { kNone, kDay, kEntry };
  void RefreshNow();

  StatusArea& status_;
  ImageListPanel& list_;
  const std::function<void()> reportDay_;
  Source source_ = Source::kNone;
  bool pending_ = false;
};

}  // namespace lumidex
