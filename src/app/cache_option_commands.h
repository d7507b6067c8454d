#pragma once

#include <QObject>

class QAbstractButton;

namespace lumidex {

class TForm1;
class ThumbnailCache;
class TOptionDlg;

// Connects the disk cache part of one open option dialog to the thumbnail
// cache: the size field (free space / cache size), "キャッシュの作成" (a
// toggle: pressed again while it runs, it stops the run), "キャッシュの掃除"
// and "全て削除" (after a question). The commands show their progress in the
// window's progress bar and stop at its abort flag. Lives as long as the
// dialog (it is the dialog's child).
class CacheOptionCommands : public QObject {
  Q_OBJECT

 public:
  CacheOptionCommands(TOptionDlg& dialog, TForm1& window, ThumbnailCache& cache);

 private:
  void ShowSize();
  void Fill();
  void Clean();
  void Empty();
  // Disables the dialog's cache buttons and its OK and Cancel (all but
  // `keep`) while one runs, and enables them again.
  void SetBusy(bool busy, const QAbstractButton* keep = nullptr);

  TOptionDlg& dialog_;
  TForm1& window_;
  ThumbnailCache& cache_;
  bool filling_ = false;
};

}  // namespace lumidex
