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
#include <type_traits>

#include "foundation/extension_lists.h"
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

QComboBox* Choice(QWidget* parent, const char* name, const QStringList& items,
                  bool editable = false) {
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

QPushButton* Button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint = {}) {
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

std::vector<std::string> LinesOf(const QListWidget* list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list->count(); ++i) lines.push_back(ToStdString(list->item(i)->text()));
  return lines;
}

// The kinds of binding between a control and a field of the settings.
template <typename Binding>
Binding Bind(QCheckBox* box, bool Settings::*field) {
  return {[box, field](const Settings& s) { box->setChecked(s.*field); },
          [box, field](Settings& s) { s.*field = box->isChecked(); }};
}

template <typename Binding>
Binding Bind(QSpinBox* box, int Settings::*field) {
  return {[box, field](const Settings& s) { box->setValue(s.*field); },
          [box, field](Settings& s) { s.*field = box->value(); }};
}

// A choice whose item index is the value; `shown` gives the item a value
// shows (values outside the items may need one).
template <typename Binding>
Binding BindIndex(QComboBox* box, int Settings::*field, int (*shown)(int) = nullptr) {
  return {[box, field, shown](const Settings& s) {
            box->setCurrentIndex(shown != nullptr ? shown(s.*field) : s.*field);
          },
          [box, field](Settings& s) { s.*field = box->currentIndex(); }};
}

// A field shown as text: `text` gives the control's text for the settings,
// `take` puts the text back into the edited settings.
template <typename Binding, typename Control>
Binding BindText(Control* control, std::function<std::string(const Settings&)> text,
                 std::function<void(Settings&, const std::string&)> take) {
  auto show = [control, text](const Settings& s) {
    if constexpr (std::is_same_v<Control, QComboBox>) {
      control->setCurrentText(ToQString(text(s)));
    } else {
      control->setText(ToQString(text(s)));
    }
  };
  auto back = [control, take](Settings& s) {
    if constexpr (std::is_same_v<Control, QComboBox>) {
      take(s, ToStdString(control->currentText()));
    } else {
      take(s, ToStdString(control->text()));
    }
  };
  return {show, back};
}

constexpr char kWorkFolderPrompt[] =
    "ファイルキャッシュで使用する作業フォルダを変更します。ドライブ又はフォルダを選択して下さい。"
    "選択したフォルダには 『jpgdat』 フォルダが自動的に作成されます。";

}  // namespace

TOptionDlg::TOptionDlg(const Settings& settings, const OptionContext& context, QWidget* parent)
    : QDialog(parent), opened_(settings), context_(context) {
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
  ok_ = ok;
  cancel_ = cancel;
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

  bindings_ = Bindings();
  for (const Binding& binding : bindings_) binding.show(opened_);
  connect(hdd_, &QCheckBox::toggled, this, &TOptionDlg::UpdateCacheStates);
  connect(delhdd_, &QCheckBox::toggled, this, &TOptionDlg::UpdateCacheStates);
  UpdateCacheStates();
}

// Every control of the dialog and the setting it edits, tab by tab.
std::vector<TOptionDlg::Binding> TOptionDlg::Bindings() const {
  using S = Settings;
  const OptionContext& context = context_;
  return {
      // "カレンダー"
      Bind<Binding>(monday_, &S::monday),
      Bind<Binding>(holSw_, &S::holSw),
      Bind<Binding>(dayshadow_, &S::dayshadow),
      Bind<Binding>(vClose_, &S::vClose),
      Bind<Binding>(langfrg_, &S::langfrg),
      BindIndex<Binding>(linestyle_, &S::linestyle),
      BindIndex<Binding>(scheme_, &S::clrNo, &EffectiveSchemeNumber),
      // "画像表示"
      Bind<Binding>(alfha_, &S::alfha),
      BindText<Binding>(
          hispc_, [](const S& s) { return HighQualityTypesText(s.hispc); },
          [](S& s, const std::string& text) { s.hispc = HighQualityTypesFromText(text); }),
      BindText<Binding>(
          workFolder_, [context](const S&) { return CacheFolderText(context.cacheDir); },
          [context](S& s, const std::string& text) {
            s.wdir = EditedCacheFolder(text, context.cacheDir, s.wdir);
          }),
      BindIndex<Binding>(gLevel_, &S::gLevel),
      Bind<Binding>(hdd_, &S::hdd),
      Bind<Binding>(delhdd_, &S::delhdd),
      Bind<Binding>(mem_, &S::mem),
      Bind<Binding>(frame_, &S::frame),
      BindText<Binding>(
          bigsiz_, [](const S& s) { return PictureHeightText(s.bigsiz); },
          [](S& s, const std::string& text) {
            s.bigsiz = PictureHeightFromText(text, kLargePictureFallback);
          }),
      BindText<Binding>(
          smlsiz_, [](const S& s) { return PictureHeightText(s.smlsiz); },
          [](S& s, const std::string& text) {
            s.smlsiz = PictureHeightFromText(text, kSmallPictureFallback);
          }),
      Bind<Binding>(doublebuff_, &S::doublebuff),
      Bind<Binding>(scrolframeoff_, &S::scrolframeoff),
      // "画像以外の管理": the managed types in use, as a list.
      Binding{[this, context](const S&) {
                types_->clear();
                types_->addItems(ToQStringList(context.managedTypes));
              },
              [this, context](S& s) {
                s.extlist = EditedManagedTypes(LinesOf(types_), context.managedTypes, s.extlist);
              }},
      Bind<Binding>(bigico_, &S::bigico),
      // "フリー配置"
      Bind<Binding>(imgspace_, &S::imgspace),
      Bind<Binding>(tabline_, &S::tabline),
      Bind<Binding>(imgshadow_, &S::imgshadow),
      Bind<Binding>(printTitle_, &S::printTitle),
      // "印刷"
      Bind<Binding>(printSoftName_, &S::printSoftName),
  };
}

Settings TOptionDlg::Edited() const {
  Settings edited = opened_;
  for (const Binding& binding : bindings_) binding.take(edited);
  return edited;
}

QWidget* TOptionDlg::BuildCalendarTab() {
  auto* page = new QWidget;
  monday_ = Check(page, "MondayChk", QStringLiteral("カレンダーに月日を表示する"));
  holSw_ = Check(page, "HolSwChk", QStringLiteral("カレンダーに祝日を表示する"));
  dayshadow_ = Check(page, "DayShadowChk", QStringLiteral("カレンダーの日付の下に影を付ける"));
  vClose_ = Check(page, "VCloseChk", QStringLiteral("画像の拡大表示部をマウスの左ボタンで閉じる"));
  langfrg_ = Check(page, "LangFrgChk", QStringLiteral("曜日を英語で表記する"));
  linestyle_ = Choice(page, "LineStyleBox",
                      {QStringLiteral("実線"), QStringLiteral("点線"), QStringLiteral("一点鎖線")});
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
                   {QStringLiteral("なし"), QStringLiteral("低画質"), QStringLiteral("中画質"),
                    QStringLiteral("高画質")});
  hdd_ = Check(page, "HddChk", QStringLiteral("ディスクキャッシュを使用する"));
  delhdd_ = Check(page, "DelHddChk", QStringLiteral("終了時に削除する"));
  mem_ = Check(page, "MemChk", QStringLiteral("メモリキャッシュを使用する"));
  frame_ = Check(page, "FrameChk", QStringLiteral("画像に枠を付ける"));
  bigsiz_ = Choice(page, "BigSizBox", Heights(96, 128), true);
  smlsiz_ = Choice(page, "SmlSizBox", Heights(40, 96), true);
  doublebuff_ = Check(page, "DoubleBuffChk", QStringLiteral("ダブルバッファリング"));
  scrolframeoff_ = Check(page, "ScrolFrameOffChk", QStringLiteral("簡素化スクロール"));
  fillCache_ = Button(page, "FillCacheBtn", QStringLiteral("キャッシュの作成"));
  cleanCache_ =
      Button(page, "CleanCacheBtn", QStringLiteral("キャッシュの掃除"),
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
  const QString folder = QFileDialog::getExistingDirectory(
      this, QString::fromUtf8(kWorkFolderPrompt), workFolder_->text());
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
