#include "calendar/ui/tholiday_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "calendar/ui/calendar_marks.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr const char* kUnsavedQuestion = "祝日の内容が変更されています。変更を適用しますか？";
constexpr int kNoN = 5;        // index of "なし" in ComboBox1 ("1"-"5", "なし")
constexpr int kNoWeekday = 7;  // index of "なし" in ComboBox2 ("日"-"土", "なし")

// Item data of ListBox1 rows.
constexpr int kKindRole = Qt::UserRole;
constexpr int kDateRole = Qt::UserRole + 1;
constexpr int kNameRole = Qt::UserRole + 2;

QColor KindColour(DayKind kind) {
  switch (kind) {
    case DayKind::kEvent:
      return QColor(0x80, 0x00, 0x80);
    case DayKind::kOther:
      return QColor(0x00, 0x00, 0xFF);
    default:
      return QColor(0xFF, 0x00, 0x00);
  }
}

// Draws a ListBox1 row: the kind's mark, the date (with "*" for a rule) and
// the name cut with an ellipsis, coloured by kind unless selected, over a
// light line.
class HolidayRowDelegate : public QStyledItemDelegate {
 public:
  HolidayRowDelegate(const CalendarMarks& marks, QObject* parent)
      : QStyledItemDelegate(parent), marks_(marks) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const QRect r = option.rect;
    painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
    const auto kind = static_cast<DayKind>(index.data(kKindRole).toInt());
    const QPixmap& mark = marks_.HolidayMark(kind);
    painter->drawPixmap(r.left() + 1, r.top() + (r.height() - mark.height()) / 2, mark);
    painter->setPen(selected ? option.palette.highlightedText().color() : KindColour(kind));
    const QString date = index.data(kDateRole).toString();
    const QFontMetrics metrics(option.font);
    const QRect dateRect(r.left() + 20, r.top() + 1, metrics.horizontalAdvance(date), r.height() - 2);
    painter->drawText(dateRect, Qt::AlignLeft | Qt::AlignVCenter, date);
    const int nameLeft = r.left() + metrics.horizontalAdvance(date) + 28;
    const QRect nameRect(nameLeft, r.top(), r.right() - 3 - nameLeft, r.height());
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(index.data(kNameRole).toString(), Qt::ElideRight,
                                         nameRect.width()));
    painter->setPen(QColor(0xC0, 0xC0, 0xC0));
    painter->drawLine(r.left() + 18, r.bottom(), r.right() - 6, r.bottom());
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), 20));
    return size;
  }

 private:
  const CalendarMarks& marks_;
};

QLineEdit* MakeYearEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(4);
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit));
  edit->setFixedWidth(56);
  return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint = {}) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  if (!hint.isEmpty()) SetHint(button, hint);
  return button;
}

}  // namespace

THolidayDlg::THolidayDlg(const DataFolders& folders, FileStore& store,
                         const std::string& editedPath, const CalendarDate& cellDate,
                         std::function<void(const QString&)> help, QWidget* parent)
    : QDialog(parent), editor_(folders, store), help_(std::move(help)),
      marks_(std::make_unique<CalendarMarks>()) {
  setObjectName(QStringLiteral("HolidayDlg"));
  setWindowTitle(QStringLiteral("祝日ファイルの編集"));
  setModal(true);
  BuildControls();
  filling_ = true;
  DateTimePicker1->setDate(QDate(cellDate.year, cellDate.month, cellDate.day));
  filling_ = false;
  if (const Status opened = editor_.Open(editedPath); !opened.ok()) ShowError(opened);
  RefreshYearFiles();
  AfterOpen(cellDate.year);
  ConnectControls();
  DateTimePicker1Change();
}

THolidayDlg::~THolidayDlg() = default;

void THolidayDlg::BuildControls() {
  auto* top = new QHBoxLayout(this);

  // The list of the file's lines with its tool row.
  auto* left = new QVBoxLayout;
  auto* tools = new QHBoxLayout;
  SpeedButton5 = MakeSpeedButton(this, "SpeedButton5", QString(), QStringLiteral("日付で整列"));
  SpeedButton1 = MakeSpeedButton(this, "SpeedButton1", QStringLiteral("名前順"), QStringLiteral("名前で整列"));
  Button31 = MakeButton(this, "Button31", QStringLiteral("↑"), QStringLiteral("上に移動"));
  Button32 = MakeButton(this, "Button32", QStringLiteral("↓"), QStringLiteral("下に移動"));
  for (QPushButton* b : {Button31, Button32}) b->setFixedWidth(32);
  SpeedButton2 = MakeSpeedButton(this, "SpeedButton2", QStringLiteral("適用"),
                                 QStringLiteral("適用|変更した内容を保存する"));
  SpeedButton3 = MakeSpeedButton(this, "SpeedButton3", QStringLiteral("汎用"),
                                 QStringLiteral("汎用の祝日ファイルを編集する"));
  tools->addWidget(SpeedButton5, 1);
  for (QWidget* w : {static_cast<QWidget*>(SpeedButton1), static_cast<QWidget*>(Button31),
                     static_cast<QWidget*>(Button32), static_cast<QWidget*>(SpeedButton2),
                     static_cast<QWidget*>(SpeedButton3)}) {
    tools->addWidget(w);
  }
  left->addLayout(tools);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->setItemDelegate(new HolidayRowDelegate(*marks_, ListBox1));
  ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  ListBox1->setMinimumSize(300, 360);
  left->addWidget(ListBox1, 1);
  top->addLayout(left, 1);

  // The entry fields.
  auto* right = new QVBoxLayout;
  auto* kindBox = new QGroupBox(QStringLiteral("データ形式"), this);
  kindBox->setObjectName(QStringLiteral("RadioGroup1"));
  auto* kindLayout = new QHBoxLayout(kindBox);
  RadioGroup1 = new QButtonGroup(this);
  const char* kinds[] = {"祝日", "行事", "その他"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(kinds[i]), kindBox);
    RadioGroup1->addButton(radio, i);
    kindLayout->addWidget(radio);
  }
  RadioGroup1->button(0)->setChecked(true);
  right->addWidget(kindBox);

  Panel5 = new QLabel(this);
  Panel5->setObjectName(QStringLiteral("Panel5"));
  Panel5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel5->setAlignment(Qt::AlignCenter);
  Panel5->setMinimumHeight(26);
  right->addWidget(Panel5);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QStringLiteral("月／日"), this), 0, 0);
  DateTimePicker1 = new QDateEdit(this);
  DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
  DateTimePicker1->setCalendarPopup(true);
  DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  DateTimePicker1->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
  DateTimePicker1->setDateRange(QDate(kFirstShownYear, 1, 1), QDate(kLastShownYear, 12, 31));
  fields->addWidget(DateTimePicker1, 0, 1, 1, 3);

  auto* rule = new QHBoxLayout;
  rule->addWidget(new QLabel(QStringLiteral("第"), this));
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->addItems({"1", "2", "3", "4", "5", QStringLiteral("なし")});
  rule->addWidget(ComboBox1);
  ComboBox2 = new QComboBox(this);
  ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
  for (int weekday = 1; weekday <= 7; ++weekday) ComboBox2->addItem(ToQString(RuleWeekdayCharacter(weekday)));
  ComboBox2->addItem(QStringLiteral("なし"));
  rule->addWidget(ComboBox2);
  rule->addWidget(new QLabel(QStringLiteral("曜日"), this));
  rule->addStretch();
  fields->addLayout(rule, 1, 1, 1, 3);

  Label9 = new QLabel(QStringLiteral("祝日名"), this);
  Label9->setObjectName(QStringLiteral("Label9"));
  fields->addWidget(Label9, 2, 0);
  Edit6 = new QLineEdit(this);
  Edit6->setObjectName(QStringLiteral("Edit6"));
  fields->addWidget(Edit6, 2, 1, 1, 3);

  fields->addWidget(new QLabel(QStringLiteral("適用年"), this), 3, 0);
  auto* years = new QHBoxLayout;
  years->addWidget(new QLabel(QStringLiteral("開始"), this));
  NumberEdit2 = MakeYearEdit(this, "NumberEdit2");
  years->addWidget(NumberEdit2);
  years->addWidget(new QLabel(QStringLiteral("～"), this));
  years->addWidget(new QLabel(QStringLiteral("終了"), this));
  NumberEdit3 = MakeYearEdit(this, "NumberEdit3");
  years->addWidget(NumberEdit3);
  years->addStretch();
  fields->addLayout(years, 3, 1, 1, 3);
  right->addLayout(fields);

  auto* entryButtons = new QHBoxLayout;
  Button1 = MakeButton(this, "Button1", QStringLiteral("追加"));
  Button2 = MakeButton(this, "Button2", QStringLiteral("置換"));
  Button3 = MakeButton(this, "Button3", QStringLiteral("削除"));
  for (QPushButton* b : {Button1, Button2, Button3}) entryButtons->addWidget(b);
  right->addLayout(entryButtons);

  // The per-year files.
  auto* filesBox = new QGroupBox(QStringLiteral("年別の祝日ファイル"), this);
  auto* files = new QGridLayout(filesBox);
  ListBox2 = new QListWidget(filesBox);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox2->setMaximumHeight(110);
  files->addWidget(ListBox2, 0, 1, 3, 1);
  SpeedButton4 = MakeSpeedButton(filesBox, "SpeedButton4", QStringLiteral("←"),
                                 QStringLiteral("選択した年の祝日ファイルを開く"));
  files->addWidget(SpeedButton4, 0, 0);
  NumberEdit1 = MakeYearEdit(filesBox, "NumberEdit1");
  SetHint(NumberEdit1, QStringLiteral("新規で作成する年を入力"));
  files->addWidget(NumberEdit1, 0, 2);
  Button4 = MakeButton(filesBox, "Button4", QStringLiteral("新規"), QStringLiteral("新規で祝日ファイルを作成"));
  files->addWidget(Button4, 1, 2);
  Button5 = MakeButton(filesBox, "Button5", QStringLiteral("削除"));
  files->addWidget(Button5, 2, 2);
  right->addWidget(filesBox);
  right->addStretch();

  auto* bottom = new QHBoxLayout;
  SpeedButton6 = MakeSpeedButton(this, "SpeedButton6", QStringLiteral("ヘルプ"), QStringLiteral("ヘルプ"));
  OKBtn = MakeButton(this, "OKBtn", QStringLiteral("閉じる"));
  bottom->addWidget(SpeedButton6);
  bottom->addStretch();
  bottom->addWidget(OKBtn);
  right->addLayout(bottom);
  top->addLayout(right);
}

void THolidayDlg::ConnectControls() {
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, &THolidayDlg::ListBox1SelectionChanged);
  connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
  connect(ListBox1, &QWidget::customContextMenuRequested, this, &THolidayDlg::ShowListMenu);
  connect(SpeedButton5, &QAbstractButton::clicked, this, [this] { Sort(false); });
  connect(SpeedButton1, &QAbstractButton::clicked, this, [this] { Sort(true); });
  connect(Button31, &QPushButton::clicked, this, [this] { Button31Click(-1); });
  connect(Button32, &QPushButton::clicked, this, [this] { Button31Click(1); });
  connect(SpeedButton2, &QAbstractButton::clicked, this, [this] { SpeedButton2Click(); });
  connect(SpeedButton3, &QAbstractButton::clicked, this, &THolidayDlg::SpeedButton3Click);
  connect(RadioGroup1, &QButtonGroup::idClicked, this, [this] { FormChanged(); });
  connect(DateTimePicker1, &QDateEdit::dateChanged, this, &THolidayDlg::DateTimePicker1Change);
  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(ComboBox1); });
  connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox1Change(ComboBox2); });
  connect(Edit6, &QLineEdit::textChanged, this, [this] { FormChanged(); });
  connect(NumberEdit2, &QLineEdit::textChanged, this, [this] { FormChanged(); });
  connect(NumberEdit3, &QLineEdit::textChanged, this, [this] { FormChanged(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(0); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button1Click(1); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button1Click(2); });
  connect(ListBox2, &QListWidget::itemClicked, this, [this] {
    Button5->setEnabled(true);
    SpeedButton4->setEnabled(true);
  });
  connect(ListBox2, &QListWidget::itemDoubleClicked, this, &THolidayDlg::ListBox2DblClick);
  connect(SpeedButton4, &QAbstractButton::clicked, this, &THolidayDlg::ListBox2DblClick);
  connect(NumberEdit1, &QLineEdit::textChanged, this, [this](const QString& text) {
    Button4->setEnabled(editor_.CanCreateYearFile(ToStdString(text)));
  });
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(0); });
  connect(Button5, &QPushButton::clicked, this, [this] { Button4Click(1); });
  connect(SpeedButton6, &QAbstractButton::clicked, this, [this] {
    if (help_) help_(QStringLiteral("HolEditDlg"));
  });
  connect(OKBtn, &QPushButton::clicked, this, &THolidayDlg::reject);
}

int THolidayDlg::workingYear() const { return DateTimePicker1->date().year(); }

void THolidayDlg::AfterOpen(int workingYear) {
  filling_ = true;
  const QDate date = DateTimePicker1->date();
  QDate moved(workingYear, date.month(), std::min(date.day(), QDate(workingYear, date.month(), 1).daysInMonth()));
  if (moved.isValid()) DateTimePicker1->setDate(moved);
  filling_ = false;
  SpeedButton5->setText(ToQString(editor_.FileCaption()));
  RefreshList();
  RefreshButtons();
}

void THolidayDlg::RefreshList() {
  const QSignalBlocker blocker(ListBox1);
  ListBox1->clear();
  const HolidayEditList& list = editor_.list();
  for (int row = 0; row < list.size(); ++row) {
    const HolidayRowView view = RowViewOf(list.lines()[static_cast<size_t>(row)], workingYear());
    auto* item = new QListWidgetItem(ToQString(list.lines()[static_cast<size_t>(row)]));
    item->setData(kKindRole, static_cast<int>(view.kind));
    item->setData(kDateRole, ToQString(view.date + (view.rule ? "*" : "")));
    item->setData(kNameRole, ToQString(view.name));
    ListBox1->addItem(item);
    item->setSelected(list.IsSelected(row));
  }
  if (list.current() >= 0) {
    ListBox1->setCurrentRow(list.current(), QItemSelectionModel::NoUpdate);
    ListBox1->scrollToItem(ListBox1->item(list.current()));
  }
}

void THolidayDlg::RefreshYearFiles() {
  ListBox2->clear();
  for (const std::string& name : editor_.YearFileNames()) {
    auto* item = new QListWidgetItem(ToQString(name.substr(0, 4)) + QStringLiteral("年"));
    item->setData(Qt::UserRole, ToQString(name));
    ListBox2->addItem(item);
  }
  Button5->setEnabled(false);
  SpeedButton4->setEnabled(false);
  Button4->setEnabled(editor_.CanCreateYearFile(ToStdString(NumberEdit1->text())));
}

void THolidayDlg::RefreshButtons() {
  SpeedButton2->setEnabled(editor_.modified());
  Button3->setEnabled(!editor_.list().SelectedRows().empty());
}

HolidayEntryForm THolidayDlg::ReadForm() const {
  HolidayEntryForm form;
  form.kind = static_cast<DayKind>(std::max(0, RadioGroup1->checkedId()));
  const QDate date = DateTimePicker1->date();
  form.date = CalendarDate{date.year(), date.month(), date.day()};
  form.ruleN = ComboBox1->currentIndex() == kNoN ? 0 : ComboBox1->currentIndex() + 1;
  form.ruleWeekday = ComboBox2->currentIndex() == kNoWeekday ? 0 : ComboBox2->currentIndex() + 1;
  form.startYear = ToStdString(NumberEdit2->text());
  form.endYear = ToStdString(NumberEdit3->text());
  form.name = ToStdString(Edit6->text());
  return form;
}

void THolidayDlg::ShowForm(const HolidayEntryForm& form) {
  filling_ = true;
  RadioGroup1->button(static_cast<int>(form.kind))->setChecked(true);
  DateTimePicker1->setDate(QDate(form.date.year, form.date.month, form.date.day));
  ComboBox1->setCurrentIndex(form.ruleN == 0 ? kNoN : form.ruleN - 1);
  ComboBox2->setCurrentIndex(form.ruleWeekday == 0 ? kNoWeekday : form.ruleWeekday - 1);
  Edit6->setText(ToQString(form.name));
  NumberEdit2->setText(ToQString(form.startYear));
  NumberEdit3->setText(ToQString(form.endYear));
  filling_ = false;
  FormChanged();
}

// Every change of kind, date, rule boxes, name or years: the label, the date
// in words, the end field and "追加"/"置換" follow.
void THolidayDlg::FormChanged() {
  if (filling_) return;
  const HolidayEntryForm form = ReadForm();
  const char* labels[] = {"祝日名", "行事名", "その他"};
  Label9->setText(QString::fromUtf8(labels[std::clamp(static_cast<int>(form.kind), 0, 2)]));
  Panel5->setText(ToQString(Panel5Text(form)));
  NumberEdit3->setEnabled(EndYearEnabled(form));
  const bool storable = CanStoreEntry(form);
  Button1->setEnabled(storable);
  Button2->setEnabled(storable && editor_.list().current() >= 0);
}

void THolidayDlg::ListBox1SelectionChanged() {
  HolidayEditList& list = editor_.list();
  for (int row = 0; row < list.size(); ++row) list.SetSelected(row, ListBox1->item(row)->isSelected());
  list.SetCurrent(ListBox1->currentRow());
  RefreshButtons();
}

void THolidayDlg::ListBox1Click() {
  const HolidayEditList& list = editor_.list();
  if (list.SelectedRows().empty() || list.current() < 0) return;
  if (const auto form = FormOfLine(list.lines()[static_cast<size_t>(list.current())], workingYear())) {
    ShowForm(*form);
  }
  Button1->setEnabled(false);
  Button2->setEnabled(false);
  RefreshButtons();
}

void THolidayDlg::Button1Click(int tag) {
  HolidayEditList& list = editor_.list();
  if (tag == 2) {
    if (!list.DeleteSelected()) return;
  } else {
    Result<std::string> line = MakeHolidayLine(ReadForm());
    if (!line.ok()) {
      ShowError(line.status());
      return;
    }
    if (tag == 0) {
      list.Add(std::move(line).value());
    } else if (!list.Replace(std::move(line).value())) {
      return;
    }
  }
  editor_.MarkModified();
  RefreshList();
  Button1->setEnabled(false);
  Button2->setEnabled(false);
  RefreshButtons();
}

void THolidayDlg::Button31Click(int direction) {
  if (!editor_.list().MoveSelected(direction)) return;
  editor_.MarkModified();
  RefreshList();
  RefreshButtons();
}

void THolidayDlg::Sort(bool byName) {
  if (byName) {
    editor_.list().SortByName();
  } else {
    editor_.list().SortByDate();
  }
  editor_.MarkModified();
  RefreshList();
  RefreshButtons();
}

void THolidayDlg::DateTimePicker1Change() {
  if (filling_) return;
  // A new date is a fixed date: both rule boxes become unset.
  ComboBox1->setCurrentIndex(kNoN);
  ComboBox2->setCurrentIndex(kNoWeekday);
  // Rules are listed with their dates in the working year.
  RefreshList();
  FormChanged();
}

void THolidayDlg::ComboBox1Change(QComboBox* box) {
  if (box->currentIndex() == (box == ComboBox1 ? kNoN : kNoWeekday)) {
    ComboBox1->setCurrentIndex(kNoN);
    ComboBox2->setCurrentIndex(kNoWeekday);
  }
  FormChanged();
}

bool THolidayDlg::SpeedButton2Click() {
  const Status applied = editor_.Apply();
  if (!applied.ok()) ShowError(applied);
  RefreshButtons();
  return applied.ok();
}

bool THolidayDlg::ConfirmUnsaved() {
  if (!editor_.modified()) return true;
  if (QMessageBox::question(this, QStringLiteral("適用の確認"), QString::fromUtf8(kUnsavedQuestion),
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    return SpeedButton2Click();
  }
  if (const Status reverted = editor_.Revert(); !reverted.ok()) ShowError(reverted);
  return true;
}

void THolidayDlg::reject() {
  if (ConfirmUnsaved()) QDialog::reject();
}

void THolidayDlg::SpeedButton3Click() {
  if (!ConfirmUnsaved()) return;
  if (const Status opened = editor_.OpenGeneralFile(); !opened.ok()) ShowError(opened);
  AfterOpen(QDate::currentDate().year());
}

void THolidayDlg::ListBox2DblClick() {
  QListWidgetItem* item = ListBox2->currentItem();
  if (item == nullptr || !ConfirmUnsaved()) return;
  const std::string name = ToStdString(item->data(Qt::UserRole).toString());
  if (const Status opened = editor_.OpenYearFile(name); !opened.ok()) {
    ShowError(opened);
    return;
  }
  AfterOpen(editor_.editedYear().value_or(workingYear()));
  SpeedButton4->setEnabled(false);
}

void THolidayDlg::Button4Click(int tag) {
  if (tag == 0) {
    Result<std::string> created = editor_.CreateYearFile(ToStdString(NumberEdit1->text()));
    if (!created.ok()) ShowError(created.status());
    RefreshYearFiles();
    return;
  }
  QListWidgetItem* item = ListBox2->currentItem();
  if (item == nullptr) return;
  const QString name = item->data(Qt::UserRole).toString();
  if (QMessageBox::question(this, QStringLiteral("削除確認"),
                            name.left(4) + QStringLiteral("年の祝日ファイルを削除します。よろしいですか？"),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  if (const Status deleted = editor_.DeleteYearFile(ToStdString(name)); !deleted.ok()) ShowError(deleted);
  RefreshYearFiles();
}

void THolidayDlg::ShowListMenu(const QPoint& point) {
  QMenu menu(this);
  QAction* copy = menu.addAction(QStringLiteral("コピー(&C)"));
  copy->setStatusTip(QStringLiteral("祝日ファイルの内容をコピー"));
  QAction* paste = menu.addAction(QStringLiteral("貼り付け(&P)"));
  paste->setVisible(editor_.CanPaste());
  QAction* chosen = menu.exec(ListBox1->viewport()->mapToGlobal(point));
  if (chosen == copy) {
    editor_.Copy();
  } else if (chosen == paste && editor_.Paste()) {
    RefreshList();
    RefreshButtons();
  }
}

void THolidayDlg::ShowError(const Status& status) {
  QMessageBox::warning(this, windowTitle(), ToQString(status.message()));
}

}  // namespace lumidex
