#include "app/second_start_channel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <memory>

#include "platform/instance_message.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// A sender that connects and then says nothing is dropped after this long,
// so it cannot keep a connection open.
constexpr int kReadTimeoutMs = 2000;

// How often a later start tries to connect while the first start is still
// between taking the lock and listening.
constexpr int kConnectRetryMs = 100;

// The confirmation is one byte to a window that has just answered.
constexpr int kConfirmTimeoutMs = 1000;

}  // namespace

SecondStartServer::SecondStartServer(const std::string& socketName, Handler handler,
                                     QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), handler_(std::move(handler)) {
  const QString name = ToQString(socketName);
  QLocalServer::removeServer(name);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  server_->setMaxPendingConnections(8);
  connect(server_, &QLocalServer::newConnection, this, &SecondStartServer::Accept);
  server_->listen(name);
}

SecondStartServer::~SecondStartServer() = default;

bool SecondStartServer::listening() const { return server_->isListening(); }

void SecondStartServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    auto reader = std::make_shared<platform::InstanceMessageReader>();
    socket->setReadBufferSize(64 * 1024);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] {
      using State = platform::InstanceMessageReader::State;
      if (reader->state() == State::kComplete) {
        // The sender's confirmation: only now does the window act, later,
        // so that this slot returns before the window works on the files,
        // which may take long and ask questions.
        char confirmation = 0;
        if (socket->read(&confirmation, 1) != 1) return;
        socket->disconnectFromServer();
        if (confirmation != platform::kInstanceMessageConfirmed) return;
        QTimer::singleShot(0, this, [this, paths = reader->paths()] { handler_(paths); });
        return;
      }
      while (socket->bytesAvailable() > 0 && reader->state() == State::kNeedMore) {
        const QByteArray bytes = socket->read(64 * 1024);
        reader->Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
      }
      switch (reader->state()) {
        case State::kNeedMore:
          return;
        case State::kInvalid:
          socket->abort();
          return;
        case State::kComplete:
          break;
      }
      socket->write(&platform::kInstanceMessageTaken, 1);
      socket->flush();
    });
    QPointer<QLocalSocket> guarded(socket);
    QTimer::singleShot(kReadTimeoutMs, this, [guarded] {
      if (guarded && guarded->state() != QLocalSocket::UnconnectedState) guarded->abort();
    });
  }
}

bool HandToRunningWindow(const std::string& socketName,
                         const std::vector<std::string>& absolutePaths, int timeoutMs) {
  const std::string message = platform::EncodeInstanceMessage(absolutePaths);
  if (message.empty()) return false;
  const QDeadlineTimer deadline(timeoutMs);
  QLocalSocket socket;
  for (;;) {
    socket.connectToServer(ToQString(socketName));
    if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) break;
    if (deadline.remainingTime() <= kConnectRetryMs) return false;
    QThread::msleep(kConnectRetryMs);
  }
  socket.write(message.data(), static_cast<qint64>(message.size()));
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
  }
  while (socket.bytesAvailable() < 1) {
    if (deadline.hasExpired() ||
        !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
      return false;
    }
  }
  char answer = 0;
  if (socket.read(&answer, 1) != 1 || answer != platform::kInstanceMessageTaken) return false;
  socket.write(&platform::kInstanceMessageConfirmed, 1);
  return socket.waitForBytesWritten(kConfirmTimeoutMs);
}

}  // namespace lumidex
