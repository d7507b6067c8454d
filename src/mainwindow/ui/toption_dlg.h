#pragma once

#include <QDialog>

#include "mainwindow/option_steps.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTabWidget;

namespace lumidex {

// The option dialog, opened by the window's "Option" button. Five tabs:
// "カレンダー", "画像表示", "画像以外の管理", "フリー配置", "印刷". It shows the
// values it is given and hands back what the controls hold; taking them over
// (ApplyOptions) is the window's job, after OK. Cancel changes nothing.
//
// The disk cache buttons ("キャッシュの作成", "キャッシュの掃除", "全て削除")
// only emit their signals; they stay disabled until the owner of the cache
// commands calls EnableCacheCommands.
class TOptionDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TOptionDlg(const OptionDialogValues& values, QWidget* parent = nullptr);

  // What the controls hold now.
  OptionDialogValues Values() const;

  // Shows the disk cache size (free space / cache size) on "画像表示".
  void SetCacheSizeText(const QString& text);
  void EnableCacheCommands();

  // The help topic of the tab shown now.
  QString CurrentHelpTopic() const;
  QTabWidget* tabs() const { return tabs_; }

 signals:
  // The "Help" button: the window shows `topic`.
  void helpRequested(const QString& topic);
  void fillCacheClicked();
  void cleanCacheClicked();
  void emptyCacheClicked();

 private:
  QWidget* BuildCalendarTab();
  QWidget* BuildPicturesTab();
  QWidget* BuildOtherFilesTab();
  QWidget* BuildFreeLayoutTab();
  QWidget* BuildPrintingTab();
  void Show(const OptionDialogValues& values);
  void UpdateCacheStates();
  void BrowseWorkFolder();
  void AddType();
  void ReplaceType();
  void DeleteType();

  QTabWidget* tabs_ = nullptr;
  // "カレンダー"
  QCheckBox* monday_ = nullptr;
  QCheckBox* holSw_ = nullptr;
  QCheckBox* dayshadow_ = nullptr;
  QCheckBox* vClose_ = nullptr;
  QCheckBox* langfrg_ = nullptr;
  QComboBox* linestyle_ = nullptr;
  QComboBox* scheme_ = nullptr;
  // "画像表示"
  QSpinBox* alfha_ = nullptr;
  QLineEdit* hispc_ = nullptr;
  QLineEdit* workFolder_ = nullptr;
  QLabel* cacheSize_ = nullptr;
  QComboBox* gLevel_ = nullptr;
  QCheckBox* hdd_ = nullptr;
  QCheckBox* delhdd_ = nullptr;
  QCheckBox* mem_ = nullptr;
  QCheckBox* frame_ = nullptr;
  QComboBox* bigsiz_ = nullptr;
  QComboBox* smlsiz_ = nullptr;
  QCheckBox* doublebuff_ = nullptr;
  QCheckBox* scrolframeoff_ = nullptr;
  QAbstractButton* fillCache_ = nullptr;
  QAbstractButton* cleanCache_ = nullptr;
  QAbstractButton* emptyCache_ = nullptr;
  bool cacheCommandsEnabled_ = false;
  // "画像以外の管理"
  QListWidget* types_ = nullptr;
  QLineEdit* typeEdit_ = nullptr;
  QCheckBox* bigico_ = nullptr;
  // "フリー配置"
  QSpinBox* imgspace_ = nullptr;
  QCheckBox* tabline_ = nullptr;
  QCheckBox* imgshadow_ = nullptr;
  QCheckBox* printTitle_ = nullptr;
  // "印刷"
  QCheckBox* printSoftName_ = nullptr;
};

}  // namespace lumidex
