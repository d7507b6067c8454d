#include "mainwindow/ui/splash_screen.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "foundation/app_identity.h"

namespace lumidex {
namespace {

QPixmap SplashPicture() {
  QPixmap picture(200, 80);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(0, 0, 199, 79);

  QFont title("Noto Serif CJK JP");
  title.setPointSize(16);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(Qt::blue);
  painter.drawText(QRect(15, 5, 185, 30), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromUtf8(kAppTitle.data(), static_cast<int>(kAppTitle.size())));

  QFont small("Noto Sans CJK JP");
  small.setPointSize(10);
  painter.setFont(small);
  painter.setPen(Qt::black);
  painter.drawText(QRect(60, 40, 140, 20), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("読み込み中..."));
  painter.drawText(QRect(156, 62, 44, 18), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Tsubame"));
  return picture;
}

}  // namespace

SplashScreen::SplashScreen() : QSplashScreen(SplashPicture()) {}

}  // namespace lumidex
