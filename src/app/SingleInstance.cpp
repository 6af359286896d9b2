#include "app/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace sibylon {
namespace {

constexpr char kActivate[] = "activate\n";
constexpr int kTimeoutMs = 1000;

}  // namespace

SingleInstance::SingleInstance(const QString& app_folder, QObject* parent) : QObject(parent) {
  const QByteArray hash =
      QCryptographicHash::hash(app_folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  server_name_ = QStringLiteral("sibylon-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

bool SingleInstance::HandOverToRunning() {
  QLocalSocket socket;
  socket.connectToServer(server_name_);
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  socket.write(kActivate);
  socket.flush();
  socket.waitForBytesWritten(kTimeoutMs);
  // Wait for the running instance to take the message before this one disappears.
  socket.waitForReadyRead(kTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

void SingleInstance::Listen() {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(server_name_)) {
    // A socket file left behind by a program that crashed: nobody answered it above.
    QLocalServer::removeServer(server_name_);
    server_->listen(server_name_);
  }
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
      connect(client, &QLocalSocket::readyRead, this, [this, client] {
        if (client->readAll().contains("activate")) {
          client->write("ok\n");
          client->flush();
          emit ActivationRequested();
        }
      });
      connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    }
  });
}

}  // namespace sibylon
