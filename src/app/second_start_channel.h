#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QObject>

class QLocalServer;
class QLocalSocket;

namespace lumidex {

// The window program's side of later starts on the same album: the first
// start, which holds the single-instance lock, listens on a local socket
// that only its user may open; a later start that cannot take the lock
// hands its files over there (the message of platform/instance_message.h)
// and ends instead of telling the user to drop them.
//
// Main thread only.
class SecondStartServer : public QObject {
  Q_OBJECT

 public:
  // Called once per message taken, from the event loop and after the sender
  // confirmed the answer (one that gave up waiting confirms nothing): the absolute paths sent,
  // possibly none (then the window only comes to the front). Paths are not checked for existence
  // here.
  using Handler = std::function<void(std::vector<std::string> paths)>;

  // Listens on `socketName` (a path in the user's runtime folder), replacing
  // a socket file a killed run left; the caller holds the single-instance
  // lock, so no live server owns that file. listening() is false when the
  // socket cannot be made; later starts then show their message.
  SecondStartServer(const std::string& socketName, Handler handler, QObject* parent);
  ~SecondStartServer() override;

  bool listening() const;

 private:
  void Accept();
  void Read(QLocalSocket* socket);

  QLocalServer* server_;
  const Handler handler_;
};

// A later start's side: sends `absolutePaths` to the window listening on
// `socketName` and waits up to `timeoutMs` in all for its answer. True when
// the window took them and was sent the confirmation on which it acts; false when no window answers
// in time, the socket is missing or the paths cannot be sent (then the caller shows its message).
bool HandToRunningWindow(const std::string& socketName,
                         const std::vector<std::string>& absolutePaths, int timeoutMs);

}  // namespace lumidex
