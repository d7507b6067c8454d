#include "platform/ui/screen_saver_inhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace lumidex {
namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kInterface = QStringLiteral("org.freedesktop.ScreenSaver");

}  // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QString applicationName, QObject* parent)
    : QObject(parent), applicationName_(std::move(applicationName)) {}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
  if (cookie_ != 0) SendUnInhibit(cookie_);
}

void ScreenSaverInhibitor::Inhibit(const QString& reason) {
  if (wanted_) return;
  wanted_ = true;
  if (pending_ || cookie_ != 0) return;  // the earlier call's answer serves
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Inhibit"));
  call << applicationName_ << reason;
  pending_ = true;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    w->deleteLater();
    pending_ = false;
    const QDBusPendingReply<uint32_t> reply = *w;
    const bool granted = !reply.isError();
    if (granted) {
      if (wanted_) {
        cookie_ = reply.value();
      } else {
        SendUnInhibit(reply.value());  // released while the call was on its way
      }
    }
    emit answered(granted);
  });
}

void ScreenSaverInhibitor::Release() {
  wanted_ = false;
  if (cookie_ == 0) return;
  SendUnInhibit(cookie_);
  cookie_ = 0;
}

void ScreenSaverInhibitor::SendUnInhibit(uint32_t cookie) const {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("UnInhibit"));
  call << cookie;
  bus.call(call, QDBus::NoBlock);
}

}  // namespace lumidex
