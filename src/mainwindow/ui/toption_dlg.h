#pragma once

#include <QDialog>
#include <functional>
#include <vector>

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
// "カレンダー", "画像表示", "画像以外の管理", "フリー配置", "印刷". It edits a
// copy of the settings: one table binds each control to the setting it
// shows (as text or a list where the setting is not a plain value) and
// takes it back. Taking the edited copy over (TakeOverOptions) is the
// window's job, after OK. Cancel changes nothing.
//
// The disk cache buttons ("キャッシュの作成", "キャッシュの掃除", "全て削除")
// only emit their signals; they stay disabled until the owner of the cache
// commands calls EnableCacheCommands.
class TOptionDlg : public QDialog {
  Q_OBJECT

 public:
  // Shows `settings`, with the cache folder and the managed types of
  // `context` (the folder that holds the cache folder, and the list).
  TOptionDlg(const Settings& settings, const OptionContext& context, QWidget* parent = nullptr);

  // The settings the dialog was opened on, every bound field taken back
  // from its control as it holds it now.
  Settings Edited() const;

  // Shows the disk cache size (free space / cache size) on "画像表示".
  void SetCacheSizeText(const QString& text);
  void EnableCacheCommands();

  // The help topic of the tab shown now.
  QString CurrentHelpTopic() const;
  QTabWidget* tabs() const { return tabs_; }
  QAbstractButton* fillCacheButton() const { return fillCache_; }
  QAbstractButton* cleanCacheButton() const { return cleanCache_; }
  QAbstractButton* emptyCacheButton() const { return emptyCache_; }
  QAbstractButton* okButton() const { return ok_; }
  QAbstractButton* cancelButton() const { return cancel_; }

 signals:
  // The "Help" button: the window shows `topic`.
  void helpRequested(const QString& topic);
  void fillCacheClicked();
  void cleanCacheClicked();
  void emptyCacheClicked();

 private:
  // One control and the setting it edits: how the control shows the
  // settings, and how the edited copy takes the control's value back.
  struct Binding {
    std::function<void(const Settings&)> show;
    std::function<void(Settings&)> take;
  };

  QWidget* BuildCalendarTab();
  QWidget* BuildPicturesTab();
  QWidget* BuildOtherFilesTab();
  QWidget* BuildFreeLayoutTab();
  QWidget* BuildPrintingTab();
  std::vector<Binding> Bindings() const;
  void UpdateCacheStates();
  void BrowseWorkFolder();
  void AddType();
  void ReplaceType();
  void DeleteType();

  const Settings opened_;
  const OptionContext context_;
  std::vector<Binding> bindings_;
  QTabWidget* tabs_ = nullptr;
  QAbstractButton* ok_ = nullptr;
  QAbstractButton* cancel_ = nullptr;
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
