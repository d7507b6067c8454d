#include "calendar/ui/calendar_controls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kControlHeight = 23;
constexpr int kYearListWidth = 132;
constexpr int kDropButtonWidth = 18;
constexpr int kYearListPopupWidth = 280;

// A year list that rebuilds its items just before it drops down.
class YearListBox : public QComboBox {
 public:
  using QComboBox::QComboBox;
  std::function<void()> aboutToShow;

  void showPopup() override {
    if (aboutToShow) aboutToShow();
    QComboBox::showPopup();
  }
};

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setAutoRaise(true);
  button->setFixedHeight(kControlHeight);
  SetHint(button, hint);
  return button;
}

}  // namespace

CalendarControls::CalendarControls(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CalendarBarControls"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(1);

  using Step = MonthCalendar::Step;
  stepButtons_[static_cast<int>(Step::kYearBack)] =
      MakeButton(this, "SpeedButton3", QStringLiteral("-1年"), QStringLiteral("-1年"));
  stepButtons_[static_cast<int>(Step::kMonthBack)] =
      MakeButton(this, "SpeedButton1", QStringLiteral("◀"), QStringLiteral("-"));
  stepButtons_[static_cast<int>(Step::kMonthOn)] =
      MakeButton(this, "SpeedButton2", QStringLiteral("▶"), QStringLiteral("+"));
  stepButtons_[static_cast<int>(Step::kYearOn)] =
      MakeButton(this, "SpeedButton5", QStringLiteral("+1年"), QStringLiteral("+1年"));
  for (int tag = 0; tag < 4; ++tag) {
    stepButtons_[tag]->setProperty("tag", tag);
    connect(stepButtons_[tag], &QAbstractButton::clicked, this,
            [this, tag] { emit stepRequested(static_cast<Step>(tag)); });
  }

  auto* yearList = new YearListBox(this);
  yearList->setObjectName(QStringLiteral("ComboBox2"));
  yearList->setFixedSize(kYearListWidth, kControlHeight);
  yearList->setMaxVisibleItems(16);
  yearList->setIconSize(QSize(16, 16));
  yearList->view()->setMinimumWidth(kYearListPopupWidth);
  SetHint(yearList, QStringLiteral("アルバムリスト|選択した年に移動する"));
  connect(yearList, &QComboBox::activated, this,
          [this, yearList](int index) { emit yearChosen(yearList->itemText(index)); });
  yearList_ = yearList;

  caption_ = new QLabel(yearList_);
  caption_->setObjectName(QStringLiteral("Panel8"));
  caption_->setAlignment(Qt::AlignCenter);
  caption_->setAutoFillBackground(true);
  caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
  QFont captionFont = caption_->font();
  captionFont.setBold(true);
  captionFont.setPointSize(11);
  caption_->setFont(captionFont);
  SetHint(caption_, QStringLiteral("現在、カレンダーで表示している年月"));
  PlaceCaption();

  chooserButton_ =
      MakeButton(this, "SpeedButton38", QStringLiteral("移動"), QStringLiteral("指定した年に移動"));
  connect(chooserButton_, &QAbstractButton::clicked, this, &CalendarControls::chooserRequested);

  auto* today = new QToolButton(this);
  today->setObjectName(QStringLiteral("Panel4"));
  today->setFixedHeight(kControlHeight);
  today->setMinimumWidth(120);
  connect(today, &QAbstractButton::clicked, this, &CalendarControls::todayRequested);
  todayPanel_ = today;

  layout->addWidget(stepButtons_[static_cast<int>(Step::kYearBack)]);
  layout->addWidget(stepButtons_[static_cast<int>(Step::kMonthBack)]);
  layout->addWidget(yearList_);
  layout->addWidget(stepButtons_[static_cast<int>(Step::kMonthOn)]);
  layout->addWidget(stepButtons_[static_cast<int>(Step::kYearOn)]);
  layout->addWidget(chooserButton_);
  layout->addSpacing(6);
  layout->addWidget(todayPanel_);
  layout->addStretch(1);
  SetSchemeColours(CalendarSchemeColours{});
}

void CalendarControls::PlaceCaption() {
  caption_->setGeometry(0, 0, yearList_->width() - kDropButtonWidth, yearList_->height());
  caption_->raise();
}

void CalendarControls::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceCaption();
}

void CalendarControls::SetCaption(const QString& caption) { caption_->setText(caption); }

void CalendarControls::SetToday(const QString& text, const QString& hint) {
  todayPanel_->setText(text);
  SetHint(todayPanel_, hint);
}

void CalendarControls::SetYearItems(const std::vector<std::string>& items,
                                    const std::string& loadedYear, const QPixmap& icon) {
  yearList_->blockSignals(true);
  yearList_->clear();
  for (const std::string& item : items) yearList_->addItem(QIcon(icon), ToQString(item));
  int selected = -1;
  for (int i = 0; i < yearList_->count() && !loadedYear.empty(); ++i) {
    if (yearList_->itemText(i).contains(ToQString(loadedYear))) {
      selected = i;
      break;
    }
  }
  yearList_->setCurrentIndex(selected);
  yearList_->blockSignals(false);
}

void CalendarControls::SetSchemeColours(const CalendarSchemeColours& colours) {
  const QString light = ToQColor(colours.light).name();
  const QString text = ToQColor(colours.text).name();
  caption_->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; }").arg(light, text));
  yearList_->setStyleSheet(
      QStringLiteral("QComboBox { background: %1; color: %2; }").arg(light, text));
  todayPanel_->setStyleSheet(
      QStringLiteral("QToolButton { background: %1; color: %2; border: none; padding: 0 6px; }")
          .arg(text, ToQColor(colours.accent).name()));
}

void CalendarControls::SetYearListAboutToShow(std::function<void()> callback) {
  static_cast<YearListBox*>(yearList_)->aboutToShow = std::move(callback);
}

QAbstractButton* CalendarControls::stepButton(MonthCalendar::Step step) const {
  return stepButtons_[static_cast<int>(step)];
}

}  // namespace lumidex
