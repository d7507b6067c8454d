#include "app/cache_option_commands.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "app/cache_space_text.h"
#include "images/cache_commands.h"
#include "images/thumbnail_cache.h"
#include "mainwindow/ui/status_area.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/toption_dlg.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
CacheOptionCommands::CacheOptionCommands(TOptionDlg& dialog, TForm1& window, ThumbnailCache& cache)
    : QObject(&dialog), dialog_(dialog), window_(window), cache_(cache) {
  connect(&dialog, &TOptionDlg::fillCacheClicked, this, &CacheOptionCommands::Fill);
  connect(&dialog, &TOptionDlg::cleanCacheClicked, this, &CacheOptionCommands::Clean);
  connect(&dialog, &TOptionDlg::emptyCacheClicked, this, &CacheOptionCommands::Empty);
  dialog.EnableCacheCommands();
  cache_.Recount();
  ShowSize();
}

void CacheOptionCommands::ShowSize() { dialog_.SetCacheSizeText(ToQString(CacheSpaceText(cache_, false))); }

void CacheOptionCommands::SetBusy(bool busy, const QAbstractButton* keep) {
  for (QAbstractButton* button : {dialog_.fillCacheButton(), dialog_.cleanCacheButton(), dialog_.emptyCacheButton(),
                                  dialog_.okButton(), dialog_.cancelButton()}) {
    if (button != keep) button->setEnabled(!busy);
  }
  // Back to the states the cache options allow.
  if (!busy) dialog_.EnableCacheCommands();
}

void CacheOptionCommands::Fill() {
  QAbstractButton* button = dialog_.fillCacheButton();
  if (filling_) {
    window_.statusArea()->RequestAbort();
    return;
  }
  filling_ = true;
  const QString caption = button->text();
  button->setText(QStringLiteral("中止"));
  SetBusy(true, button);

  const Settings& settings = window_.settings();
  ImageContext context;
  context.types = &window_.environment().types;
  context.highQualityTypes = settings.hispc;
  context.bigIcons = settings.bigico;
  FillCache(window_.environment().folders.photoDir, cache_, context, window_.longOperation());

  SetBusy(false);
  button->setText(caption);
  filling_ = false;
  ShowSize();
}

void CacheOptionCommands::Clean() {
  SetBusy(true);
  const CleanResult result = CleanCache(cache_, window_.longOperation());
  SetBusy(false);
  ShowSize();
  if (const std::string message = CleanMessage(result); !message.empty()) {
    QMessageBox::information(&dialog_, dialog_.windowTitle(), ToQString(message));
  }
}

void CacheOptionCommands::Empty() {
  const auto answer = QMessageBox::question(&dialog_, QStringLiteral("確認"),
                                            QStringLiteral("ディスクキャッシュの画像ファイルを全て削除します。よろしいですか？"),
                                            QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  SetBusy(true);
  EmptyCache(cache_, window_.longOperation());
  SetBusy(false);
  ShowSize();
}

}  // namespace lumidex
