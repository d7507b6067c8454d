// The print dialog's construction: controls, layout and wiring.
#include "printing/ui/tprinter_set_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QPageSetupDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/ui/control_hint.h"
#include "printing/ui/layout_list.h"
#include "printing/ui/sheet_preview.h"

namespace lumidex {

namespace {

QSpinBox* MillimetreField(QWidget* parent, const char* name, int low, int high, int value) {
  auto* field = new QSpinBox(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setRange(low, high);
  field->setValue(value);
  SetHint(field, QStringLiteral("ミリ単位"));
  return field;
}

QToolButton* PageButton(QWidget* parent, const char* name, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setAutoRepeatDelay(500);
  button->setAutoRepeatInterval(500);
  return button;
}

}  // namespace

TPrinterSetDlg::TPrinterSetDlg(QWidget* parent, QPrinter& printer, PrintSettings& settings,
                               std::vector<std::string> chosen)
    : QDialog(parent),
      printer_(&printer),
      settings_(&settings),
      state_(std::make_unique<PrintDialogState>(PrintList(std::move(chosen)))) {
  *settings_ = Clamped(*settings_);
  BuildFull();
  ConnectFull();
  ShowPaperName();
  RefreshPreview();
}

TPrinterSetDlg::TPrinterSetDlg(QWidget* parent, int verticalAlign, int printTarget)
    : QDialog(parent) {
  BuildSmall(verticalAlign, printTarget);
}

TPrinterSetDlg::~TPrinterSetDlg() = default;

void TPrinterSetDlg::BuildFull() {
  setObjectName(QStringLiteral("PrinterSetDlg"));
  setWindowTitle(QStringLiteral("画像一覧の印刷"));
  resize(600, 526);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 0);
  auto* header = new QHBoxLayout;
  auto* listHeader = new QLabel(QStringLiteral("  利用可能なレイアウト"), this);
  listHeader->setObjectName(QStringLiteral("Panel4"));
  header->addWidget(listHeader);
  header->addWidget(new QLabel(QStringLiteral("プレビュー"), this), 1, Qt::AlignHCenter);
  column->addLayout(header);

  auto* middle = new QHBoxLayout;
  layoutList_ = new LayoutList(this);
  SetHint(layoutList_, QStringLiteral("ここにドロップした画像はプレビューから削除する"));
  layoutList_->SetSettings(*settings_);
  layoutList_->setFixedWidth(150);
  middle->addWidget(layoutList_);
  preview_ = new SheetPreview(this);
  SetHint(preview_, QStringLiteral("ドラッグ＆ドロップで画像を移動、又は入れ換える"));
  middle->addWidget(preview_, 1);
  column->addLayout(middle, 1);

  sliderPanel_ = new QWidget(this);
  sliderPanel_->setObjectName(QStringLiteral("Panel7"));
  auto* sliderRow = new QHBoxLayout(sliderPanel_);
  sliderRow->setContentsMargins(0, 0, 0, 0);
  slider_ = new QSlider(Qt::Horizontal, sliderPanel_);
  slider_->setObjectName(QStringLiteral("MyTrackBar1"));
  sliderRow->addWidget(slider_);
  sliderPanel_->hide();
  column->addWidget(sliderPanel_);
  column->addWidget(BuildBottomBar());

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* close = new QPushButton(QStringLiteral("閉じる"), this);
  close->setObjectName(QStringLiteral("CancelBtn"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(close);
  auto* helpButton = new QPushButton(QStringLiteral("Help"), this);
  helpButton->setObjectName(QStringLiteral("SpeedButton6"));
  connect(helpButton, &QPushButton::clicked, this, [this] {
    if (help_) help_(QStringLiteral("PrintDlg"));
  });
  buttons->addWidget(helpButton);
  buttons->addStretch();
  column->addLayout(buttons);
  statusBar_ = new QStatusBar(this);
  statusBar_->setObjectName(QStringLiteral("StatusBar1"));
  column->addWidget(statusBar_);

  settingsPanel_ = BuildSettingsPanel();
  settingsPanel_->hide();
  BuildMenu();
}

QWidget* TPrinterSetDlg::BuildBottomBar() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  paperName_ = new QLabel(bar);
  paperName_->setObjectName(QStringLiteral("StaticText1"));
  paperName_->setFrameShape(QFrame::Panel);
  SetHint(paperName_, QStringLiteral("用紙サイズ"));
  row->addWidget(paperName_, 1);
  fine_ = MakeCheckBox(bar, "CheckBox3", QStringLiteral("高画質"), QStringLiteral("High Definition Preview"));
  fine_->setChecked(settings_->fineScaling);
  row->addWidget(fine_);
  frames_ = MakeCheckBox(bar, "CheckBox8", QStringLiteral("枠"),
                         QStringLiteral("印刷サイズの枠を描画する（右クリックで色変更）"));
  frames_->setChecked(settings_->cellFrames);
  row->addWidget(frames_);
  auto* print = MakeSpeedButton(bar, "SpeedButton1", QStringLiteral("印刷"), QStringLiteral("Printing"));
  connect(print, &QAbstractButton::clicked, this, &TPrinterSetDlg::SpeedButton1Click);
  row->addWidget(print);
  row->addWidget(new QLabel(QStringLiteral("回数"), bar));
  uses_ = new QSpinBox(bar);
  uses_->setObjectName(QStringLiteral("NumberEdit1"));
  uses_->setRange(1, PrintList::kMaxUses);
  SetHint(uses_, QStringLiteral("使用回数|各画像を使う回数（1～") + QString::number(PrintList::kMaxUses) +
                     QStringLiteral("）"));
  row->addWidget(uses_);
  auto* settingsButton = MakeSpeedButton(bar, "SpeedButton2", QStringLiteral("設定"), QStringLiteral("設定"));
  connect(settingsButton, &QAbstractButton::clicked, this, [this] {
    settingsPanel_->setVisible(!settingsPanel_->isVisible());
    if (settingsPanel_->isVisible()) {
      settingsPanel_->adjustSize();
      settingsPanel_->move(layoutList_->x() + 2,
                           layoutList_->geometry().bottom() - 1 - settingsPanel_->height());
      settingsPanel_->raise();
    }
    layoutList_->update();
  });
  row->addWidget(settingsButton);
  auto* setup = MakeSpeedButton(bar, "SpeedButton3", QStringLiteral("設定…"), QStringLiteral("プリンタの設定"));
  connect(setup, &QAbstractButton::clicked, this, [this] {
    QPageSetupDialog dialog(printer_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    landscape_->blockSignals(true);
    landscape_->setChecked(printer_->pageLayout().orientation() == QPageLayout::Landscape);
    landscape_->blockSignals(false);
    DropCaches();
    RefreshPreview();
    ShowPaperName();
  });
  row->addWidget(setup);
  row->addWidget(new QLabel(QStringLiteral("ページ"), bar));
  auto* down = PageButton(bar, "SpDownBtn", Qt::LeftArrow);
  auto* up = PageButton(bar, "SpUpBtn", Qt::RightArrow);
  row->addWidget(down);
  row->addWidget(up);
  connect(down, &QToolButton::clicked, this, [this] { ShowPage(state_->page() - 1); });
  connect(up, &QToolButton::clicked, this, [this] { ShowPage(state_->page() + 1); });
  pageText_ = new QLineEdit(QStringLiteral("0/0"), bar);
  pageText_->setObjectName(QStringLiteral("NumberEdit7"));
  pageText_->setReadOnly(true);
  pageText_->setFixedWidth(64);
  row->addWidget(pageText_);
  landscape_ = MakeCheckBox(bar, "CheckBox1", QStringLiteral("横向"), QStringLiteral("Sideways|印刷の向きを横にする"));
  landscape_->setChecked(printer_->pageLayout().orientation() == QPageLayout::Landscape);
  row->addWidget(landscape_);
  exchange_ = MakeCheckBox(bar, "CheckBox2", QStringLiteral("入換え"),
                           QStringLiteral("Exchange|ドラッグ＆ドロップで入れ換える"));
  row->addWidget(exchange_);
  count_ = new QLabel(QString::number(state_->list().size()), bar);
  count_->setObjectName(QStringLiteral("StaticText2"));
  SetHint(count_, QStringLiteral("画像数"));
  row->addWidget(count_);
  return bar;
}

QWidget* TPrinterSetDlg::BuildSettingsPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel6"));
  panel->setFrameShape(QFrame::Panel);
  panel->setAutoFillBackground(true);
  auto* grid = new QGridLayout(panel);
  grid->addWidget(new QLabel(QStringLiteral("上と左の余白"), panel), 0, 0, 1, 4);
  grid->addWidget(new QLabel(QStringLiteral("上"), panel), 1, 0);
  marginTop_ = MillimetreField(panel, "UpDown2", 0, kMaxMargin, settings_->marginTop);
  grid->addWidget(marginTop_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("左"), panel), 1, 2);
  marginLeft_ = MillimetreField(panel, "UpDown3", 0, kMaxMargin, settings_->marginLeft);
  grid->addWidget(marginLeft_, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("画像の間隔"), panel), 2, 0, 1, 2);
  spacing_ = MillimetreField(panel, "UpDown4", kMinSpacing, kMaxSpacing, settings_->spacing);
  grid->addWidget(spacing_, 2, 2, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("カスタムサイズ"), panel), 3, 0, 1, 4);
  grid->addWidget(new QLabel(QStringLiteral("横"), panel), 4, 0);
  customWidth_ = MillimetreField(panel, "UpDown5", kMinCustomSide, kMaxCustomSide, settings_->customWidth);
  grid->addWidget(customWidth_, 4, 1);
  grid->addWidget(new QLabel(QStringLiteral("縦"), panel), 4, 2);
  customHeight_ = MillimetreField(panel, "UpDown6", kMinCustomSide, kMaxCustomSide, settings_->customHeight);
  grid->addWidget(customHeight_, 4, 3);
  printName_ = MakeCheckBox(panel, "CheckBox4", QStringLiteral("ソフト名を印刷する"));
  printName_->setChecked(settings_->printName);
  fillCell_ = MakeCheckBox(panel, "CheckBox5", QStringLiteral("印刷サイズに合わせる"));
  fillCell_->setChecked(settings_->fillCell);
  keepRatio_ = MakeCheckBox(panel, "CheckBox6", QStringLiteral("縦横の比率を維持"));
  keepRatio_->setChecked(settings_->keepRatio);
  keepRatio_->setEnabled(settings_->fillCell);
  pageNumbers_ = MakeCheckBox(panel, "CheckBox7", QStringLiteral("ページ番号を印刷する"));
  pageNumbers_->setChecked(settings_->pageNumbers);
  onePage_ = MakeCheckBox(panel, "CheckBox9", QStringLiteral("1ページ印刷する"));
  int row = 5;
  for (QCheckBox* box : {printName_, fillCell_, keepRatio_, pageNumbers_, onePage_}) {
    grid->addWidget(box, row++, 0, 1, 4);
  }
  auto* close = MakeSpeedButton(panel, "SpeedButton32", QStringLiteral("閉じる"), QStringLiteral("閉じる"));
  connect(close, &QAbstractButton::clicked, panel, &QWidget::hide);
  grid->addWidget(close, row, 3);
  return panel;
}

void TPrinterSetDlg::BuildMenu() {
  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("PopupMenu1"));
  copy_ = menu_->addAction(QStringLiteral("移動コピー(&C)"));
  copy_->setObjectName(QStringLiteral("Copy1"));
  paste_ = menu_->addAction(QStringLiteral("ここに移動(&P)"));
  paste_->setObjectName(QStringLiteral("Paste1"));
  correction_ = menu_->addAction(QStringLiteral("画像の位置補正"));
  correction_->setObjectName(QStringLiteral("N1"));
}

void TPrinterSetDlg::BuildSmall(int verticalAlign, int printTarget) {
  setObjectName(QStringLiteral("PrinterSetDlg"));
  setWindowTitle(QStringLiteral("フリー配置の印刷"));
  setFixedSize(258, 205);
  auto* column = new QVBoxLayout(this);
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  auto* row = new QHBoxLayout(panel);
  auto* alignGroup = new QGroupBox(QStringLiteral("垂直位置揃え"), panel);
  alignGroup->setObjectName(QStringLiteral("RadioGroup1"));
  auto* alignColumn = new QVBoxLayout(alignGroup);
  const QString aligns[] = {QStringLiteral("上揃え"), QStringLiteral("中央揃え"), QStringLiteral("下揃え")};
  auto* targetGroup = new QGroupBox(QStringLiteral("印刷対象"), panel);
  targetGroup->setObjectName(QStringLiteral("RadioGroup2"));
  auto* targetColumn = new QVBoxLayout(targetGroup);
  const QString targets[] = {QStringLiteral("全て"), QStringLiteral("選択"), QStringLiteral("画像")};
  for (int i = 0; i < 3; ++i) {
    align_[i] = new QRadioButton(aligns[i], alignGroup);
    align_[i]->setChecked(i == verticalAlign);
    alignColumn->addWidget(align_[i]);
    target_[i] = new QRadioButton(targets[i], targetGroup);
    target_[i]->setChecked(i == printTarget);
    targetColumn->addWidget(target_[i]);
  }
  row->addWidget(alignGroup);
  row->addWidget(targetGroup);
  column->addWidget(panel);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* helpButton = new QPushButton(QStringLiteral("Help"), this);
  helpButton->setObjectName(QStringLiteral("SpeedButton6"));
  connect(helpButton, &QPushButton::clicked, this, [this] {
    if (help_) help_(QStringLiteral("Printer"));
  });
  for (QPushButton* button : {ok, cancel, helpButton}) buttons->addWidget(button);
  buttons->addStretch();
  column->addLayout(buttons);
}

int TPrinterSetDlg::verticalAlign() const {
  for (int i = 0; i < 3; ++i) {
    if (align_[i] && align_[i]->isChecked()) return i;
  }
  return 1;
}

int TPrinterSetDlg::printTarget() const {
  for (int i = 0; i < 3; ++i) {
    if (target_[i] && target_[i]->isChecked()) return i;
  }
  return 0;
}

bool TPrinterSetDlg::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip && statusBar_ != nullptr) {
    statusBar_->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QDialog::event(event);
}

}  // namespace lumidex
