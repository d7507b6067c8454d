#include "mainwindow/ui/toption_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "mainwindow/colour_scheme.h"
#include "mainwindow/help_topic.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QComboBox* Choice(QWidget* parent, const char* name, const QStringList& items, bool editable = false) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(editable);
  box->addItems(items);
  return box;
}

QSpinBox* Number(QWidget* parent, const char* name, int low, int high) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(low, high);
  return box;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint = {}) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) SetHint(button, hint);
  return button;
}

QStringList Heights(int from, int to) {
  QStringList list;
  for (int h = from; h <= to; h += 8) list << QString::number(h);
  return list;
}

QStringList ToQStringList(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << ToQString(line);
  return list;
}

constexpr char kWorkFolderPrompt[] =
    "ファイルキャッシュで使用する作業フォルダを変更します。ドライブ又はフォルダを選択して下さい。"
    "選択したフォルダには 『jpgdat』 フォルダが自動的に作成されます。";

}  // namespace

TOptionDlg::TOptionDlg(const OptionDialogValues& values, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OptionDlg"));
  setWindowTitle(QStringLiteral("オプション"));

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("PageControl1"));
  tabs_->addTab(BuildCalendarTab(), QStringLiteral("カレンダー"));
  tabs_->addTab(BuildPicturesTab(), QStringLiteral("画像表示"));
  tabs_->addTab(BuildOtherFilesTab(), QStringLiteral("画像以外の管理"));
  tabs_->addTab(BuildFreeLayoutTab(), QStringLiteral("フリー配置"));
  tabs_->addTab(BuildPrintingTab(), QStringLiteral("印刷"));

  auto* ok = Button(this, "OKBtn", QStringLiteral("OK"));
  auto* cancel = Button(this, "CancelBtn", QStringLiteral("キャンセル"));
  auto* help = Button(this, "HelpBtn", QStringLiteral("Help"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(CurrentHelpTopic()); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);

  Show(values);
  connect(hdd_, &QCheckBox::toggled, this, &TOptionDlg::UpdateCacheStates);
  connect(delhdd_, &QCheckBox::toggled, this, &TOptionDlg::UpdateCacheStates);
  UpdateCacheStates();
}

QWidget* TOptionDlg::BuildCalendarTab() {
  auto* page = new QWidget;
  monday_ = Check(page, "MondayChk", QStringLiteral("カレンダーに月日を表示する"));
  holSw_ = Check(page, "HolSwChk", QStringLiteral("カレンダーに祝日を表示する"));
  dayshadow_ = Check(page, "DayShadowChk", QStringLiteral("カレンダーの日付の下に影を付ける"));
  vClose_ = Check(page, "VCloseChk", QStringLiteral("画像の拡大表示部をマウスの左ボタンで閉じる"));
  langfrg_ = Check(page, "LangFrgChk", QStringLiteral("曜日を英語で表記する"));
  linestyle_ = Choice(page, "LineStyleBox", {QStringLiteral("実線"), QStringLiteral("点線"), QStringLiteral("一点鎖線")});
  QStringList schemes;
  for (int n = 0; n < kSchemeCount; ++n) schemes << ToQString(SchemeName(n));
  scheme_ = Choice(page, "ColourSchemeBox", schemes);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("区切り線のスタイル"), linestyle_);
  form->addRow(QStringLiteral("配色"), scheme_);
  auto* layout = new QVBoxLayout(page);
  for (QCheckBox* box : {monday_, holSw_, dayshadow_, vClose_, langfrg_}) layout->addWidget(box);
  layout->addLayout(form);
  layout->addStretch(1);
  return page;
}

QWidget* TOptionDlg::BuildPicturesTab() {
  auto* page = new QWidget;
  alfha_ = Number(page, "AlfhaSpin", 10, 255);
  hispc_ = new QLineEdit(page);
  hispc_->setObjectName(QStringLiteral("HispcEdit"));
  workFolder_ = new QLineEdit(page);
  workFolder_->setObjectName(QStringLiteral("WorkFolderEdit"));
  auto* browse = Button(page, "WorkFolderBtn", QStringLiteral("参照"));
  connect(browse, &QPushButton::clicked, this, &TOptionDlg::BrowseWorkFolder);
  cacheSize_ = new QLabel(page);
  cacheSize_->setObjectName(QStringLiteral("CacheSizeLabel"));
  gLevel_ = Choice(page, "GLevelBox",
                   {QStringLiteral("なし"), QStringLiteral("低画質"), QStringLiteral("中画質"), QStringLiteral("高画質")});
  hdd_ = Check(page, "HddChk", QStringLiteral("ディスクキャッシュを使用する"));
  delhdd_ = Check(page, "DelHddChk", QStringLiteral("終了時に削除する"));
  mem_ = Check(page, "MemChk", QStringLiteral("メモリキャッシュを使用する"));
  frame_ = Check(page, "FrameChk", QStringLiteral("画像に枠を付ける"));
  bigsiz_ = Choice(page, "BigSizBox", Heights(96, 128), true);
  smlsiz_ = Choice(page, "SmlSizBox", Heights(40, 96), true);
  doublebuff_ = Check(page, "DoubleBuffChk", QStringLiteral("ダブルバッファリング"));
  scrolframeoff_ = Check(page, "ScrolFrameOffChk", QStringLiteral("簡素化スクロール"));
  fillCache_ = Button(page, "FillCacheBtn", QStringLiteral("キャッシュの作成"));
  cleanCache_ = Button(page, "CleanCacheBtn", QStringLiteral("キャッシュの掃除"),
                       QStringLiteral("キャッシュの掃除|ディスクキャッシュから不要ファイルを削除する"));
  emptyCache_ = Button(page, "EmptyCacheBtn", QStringLiteral("全て削除"),
                       QStringLiteral("全て削除|ディスクキャッシュから全てのファイルを削除する"));
  connect(fillCache_, &QAbstractButton::clicked, this, &TOptionDlg::fillCacheClicked);
  connect(cleanCache_, &QAbstractButton::clicked, this, &TOptionDlg::cleanCacheClicked);
  connect(emptyCache_, &QAbstractButton::clicked, this, &TOptionDlg::emptyCacheClicked);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("画像の透明度"), alfha_);
  form->addRow(QStringLiteral("高画質で表示するファイル形式"), hispc_);
  form->addRow(QStringLiteral("検索したファイルの画質レベル"), gLevel_);
  auto* sizes = new QHBoxLayout;
  sizes->addWidget(new QLabel(QStringLiteral("大きい画像の高さ"), page));
  sizes->addWidget(bigsiz_);
  sizes->addSpacing(12);
  sizes->addWidget(new QLabel(QStringLiteral("小さい画像の高さ"), page));
  sizes->addWidget(smlsiz_);
  sizes->addStretch(1);

  auto* list = new QGroupBox(QStringLiteral("リスト表示"), page);
  auto* listLayout = new QVBoxLayout(list);
  listLayout->addLayout(sizes);
  auto* listChecks = new QHBoxLayout;
  for (QCheckBox* box : {frame_, doublebuff_, scrolframeoff_}) listChecks->addWidget(box);
  listChecks->addStretch(1);
  listLayout->addLayout(listChecks);
  listLayout->addWidget(mem_);

  auto* cache = new QGroupBox(QStringLiteral("ディスクキャッシュ"), page);
  auto* cacheLayout = new QVBoxLayout(cache);
  auto* cacheChecks = new QHBoxLayout;
  cacheChecks->addWidget(hdd_);
  cacheChecks->addWidget(delhdd_);
  cacheChecks->addStretch(1);
  cacheChecks->addWidget(cacheSize_);
  cacheLayout->addLayout(cacheChecks);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(new QLabel(QStringLiteral("作業フォルダ"), page));
  folderRow->addWidget(workFolder_, 1);
  folderRow->addWidget(browse);
  cacheLayout->addLayout(folderRow);
  auto* cacheButtons = new QHBoxLayout;
  cacheButtons->addWidget(fillCache_);
  cacheButtons->addWidget(cleanCache_);
  cacheButtons->addWidget(emptyCache_);
  cacheButtons->addStretch(1);
  cacheLayout->addLayout(cacheButtons);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addWidget(list);
  layout->addWidget(cache);
  layout->addStretch(1);
  return page;
}

QWidget* TOptionDlg::BuildOtherFilesTab() {
  auto* page = new QWidget;
  types_ = new QListWidget(page);
  types_->setObjectName(QStringLiteral("TypesList"));
  typeEdit_ = new QLineEdit(page);
  typeEdit_->setObjectName(QStringLiteral("TypeEdit"));
  auto* add = Button(page, "AddTypeBtn", QStringLiteral("追加"));
  auto* replace = Button(page, "ReplaceTypeBtn", QStringLiteral("置換"));
  auto* remove = Button(page, "DeleteTypeBtn", QStringLiteral("削除"));
  bigico_ = Check(page, "BigIcoChk", QStringLiteral("大きいアイコンで表示"));
  connect(add, &QPushButton::clicked, this, &TOptionDlg::AddType);
  connect(replace, &QPushButton::clicked, this, &TOptionDlg::ReplaceType);
  connect(remove, &QPushButton::clicked, this, &TOptionDlg::DeleteType);
  connect(types_, &QListWidget::currentTextChanged, typeEdit_, &QLineEdit::setText);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(typeEdit_);
  buttons->addWidget(add);
  buttons->addWidget(replace);
  buttons->addWidget(remove);
  buttons->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addWidget(types_, 1);
  row->addLayout(buttons);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("画像以外に登録できるファイルの拡張子"), page));
  layout->addLayout(row, 1);
  layout->addWidget(bigico_);
  return page;
}

QWidget* TOptionDlg::BuildFreeLayoutTab() {
  auto* page = new QWidget;
  imgspace_ = Number(page, "ImgSpaceSpin", 8, 32);
  tabline_ = Check(page, "TabLineChk", QStringLiteral("タブを複数行で表示する"));
  imgshadow_ = Check(page, "ImgShadowChk", QStringLiteral("画像に影を付ける"));
  printTitle_ = Check(page, "PrintTitleChk", QStringLiteral("タイトルを印刷する"));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("画像の間隔"), imgspace_);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  for (QCheckBox* box : {tabline_, imgshadow_, printTitle_}) layout->addWidget(box);
  layout->addStretch(1);
  return page;
}

QWidget* TOptionDlg::BuildPrintingTab() {
  auto* page = new QWidget;
  printSoftName_ = Check(page, "PrintSoftNameChk", QStringLiteral("ソフト名を印刷する"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(printSoftName_);
  layout->addStretch(1);
  return page;
}

void TOptionDlg::Show(const OptionDialogValues& v) {
  monday_->setChecked(v.monday);
  holSw_->setChecked(v.holSw);
  dayshadow_->setChecked(v.dayshadow);
  vClose_->setChecked(v.vClose);
  langfrg_->setChecked(v.langfrg);
  linestyle_->setCurrentIndex(v.linestyle);
  scheme_->setCurrentIndex(EffectiveSchemeNumber(v.clrNo));
  alfha_->setValue(v.alfha);
  hispc_->setText(ToQString(v.hispcText));
  workFolder_->setText(ToQString(v.cacheFolder));
  gLevel_->setCurrentIndex(v.gLevel);
  hdd_->setChecked(v.hdd);
  delhdd_->setChecked(v.delhdd);
  mem_->setChecked(v.mem);
  frame_->setChecked(v.frame);
  bigsiz_->setCurrentText(ToQString(v.bigsizText));
  smlsiz_->setCurrentText(ToQString(v.smlsizText));
  doublebuff_->setChecked(v.doublebuff);
  scrolframeoff_->setChecked(v.scrolframeoff);
  types_->addItems(ToQStringList(v.managedTypes));
  bigico_->setChecked(v.bigico);
  imgspace_->setValue(v.imgspace);
  tabline_->setChecked(v.tabline);
  imgshadow_->setChecked(v.imgshadow);
  printTitle_->setChecked(v.printTitle);
  printSoftName_->setChecked(v.printSoftName);
}

OptionDialogValues TOptionDlg::Values() const {
  OptionDialogValues v;
  v.monday = monday_->isChecked();
  v.holSw = holSw_->isChecked();
  v.dayshadow = dayshadow_->isChecked();
  v.vClose = vClose_->isChecked();
  v.langfrg = langfrg_->isChecked();
  v.linestyle = linestyle_->currentIndex();
  v.clrNo = scheme_->currentIndex();
  v.alfha = alfha_->value();
  v.hispcText = ToStdString(hispc_->text());
  v.cacheFolder = ToStdString(workFolder_->text());
  v.gLevel = gLevel_->currentIndex();
  v.hdd = hdd_->isChecked();
  v.delhdd = delhdd_->isChecked();
  v.mem = mem_->isChecked();
  v.frame = frame_->isChecked();
  v.bigsizText = ToStdString(bigsiz_->currentText());
  v.smlsizText = ToStdString(smlsiz_->currentText());
  v.doublebuff = doublebuff_->isChecked();
  v.scrolframeoff = scrolframeoff_->isChecked();
  for (int i = 0; i < types_->count(); ++i) v.managedTypes.push_back(ToStdString(types_->item(i)->text()));
  v.bigico = bigico_->isChecked();
  v.imgspace = imgspace_->value();
  v.tabline = tabline_->isChecked();
  v.imgshadow = imgshadow_->isChecked();
  v.printTitle = printTitle_->isChecked();
  v.printSoftName = printSoftName_->isChecked();
  return v;
}

void TOptionDlg::SetCacheSizeText(const QString& text) { cacheSize_->setText(text); }

void TOptionDlg::EnableCacheCommands() {
  cacheCommandsEnabled_ = true;
  UpdateCacheStates();
}

QString TOptionDlg::CurrentHelpTopic() const {
  return ToQString(OptionHelpTopic(static_cast<OptionTab>(tabs_->currentIndex())));
}

// "終了時に削除する" only while the disk cache is used; cleaning and filling
// only while the cache is used and not deleted at exit.
void TOptionDlg::UpdateCacheStates() {
  delhdd_->setEnabled(hdd_->isChecked());
  const bool cacheKept = hdd_->isChecked() && !delhdd_->isChecked();
  fillCache_->setEnabled(cacheCommandsEnabled_ && cacheKept);
  cleanCache_->setEnabled(cacheCommandsEnabled_ && cacheKept);
  emptyCache_->setEnabled(cacheCommandsEnabled_);
}

void TOptionDlg::BrowseWorkFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, QString::fromUtf8(kWorkFolderPrompt), workFolder_->text());
  if (!folder.isEmpty()) workFolder_->setText(folder);
}

void TOptionDlg::AddType() {
  const QString text = typeEdit_->text().trimmed();
  if (text.isEmpty()) return;
  types_->addItem(text);
  types_->setCurrentRow(types_->count() - 1);
}

void TOptionDlg::ReplaceType() {
  const QString text = typeEdit_->text().trimmed();
  if (QListWidgetItem* item = types_->currentItem(); item && !text.isEmpty()) item->setText(text);
}

void TOptionDlg::DeleteType() { delete types_->takeItem(types_->currentRow()); }

}  // namespace lumidex
