#include "mainwindow/ui/splash_screen.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include "foundation/app_identity.h"

namespace lumidex {
namespace {

// Draws `text` at the top left of `box`, its font made smaller, a point at
// a time, until the text fits the box's width: the fonts here are wider
// than the ones the picture's places were chosen for, and a cut caption
// looks broken.
void DrawFitted(QPainter& painter, QFont font, const QRect& box, const QString& text) {
  while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(text) > box.width()) {
    font.setPointSize(font.pointSize() - 1);
  }
  painter.setFont(font);
  painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

QPixmap SplashPicture() {
  QPixmap picture(200, 80);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(0, 0, 199, 79);

  QFont title("Noto Serif CJK JP");
  title.setPointSize(16);
  title.setBold(true);
  painter.setPen(Qt::blue);
  DrawFitted(painter, title, QRect(15, 5, 180, 30),
             QString::fromUtf8(kAppTitle.data(), static_cast<int>(kAppTitle.size())));

  QFont small("Noto Sans CJK JP");
  small.setPointSize(10);
  painter.setPen(Qt::black);
  DrawFitted(painter, small, QRect(60, 40, 135, 20), QStringLiteral("読み込み中..."));
  DrawFitted(painter, small, QRect(156, 62, 40, 18), QStringLiteral("Tsubame"));
  return picture;
}

}  // namespace

SplashScreen::SplashScreen() : QSplashScreen(SplashPicture()) {}

}  // namespace lumidex
