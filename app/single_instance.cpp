#include "single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

#include <unistd.h>

namespace {
constexpr int kConnectTimeoutMs = 1000;
}

QString single_instance_name() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("brushwise"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("brushwise-%1").arg(::getuid()));
}

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] { accept(); });
}

SingleInstance::~SingleInstance() {
    server_.close();
}

bool SingleInstance::another_copy_runs() {
    if (ask_running_copy()) return true;
    if (listen()) return false;
    // Either a copy has started at the same moment, or a copy that ended abnormally left its
    // socket behind.
    if (ask_running_copy()) return true;
    QLocalServer::removeServer(name_);
    listen();
    return false;
}

bool SingleInstance::ask_running_copy() const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool SingleInstance::listen() {
    return server_.listen(name_);
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto read_request = [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > qint64(sizeof kShowRequest)) socket->abort();
                return;
            }
            const QByteArray request = socket->readLine(sizeof kShowRequest);
            if (request == kShowRequest && on_show_) on_show_();
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, read_request);
        read_request();
    }
}
