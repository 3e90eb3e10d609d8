#include "platform/PathHandOver.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QtEndian>

#include <memory>

namespace quillane {

namespace {

constexpr qsizetype LengthBytes = 4;
// Far above what a command line can carry, and still a bound on what a stranger makes us hold.
constexpr quint32 LargestMessage = 16 * 1024 * 1024;
constexpr char Taken = '\x06';
// A copy that has just taken the lock may not listen yet; one busy with a long command answers
// when it is done.
constexpr int ConnectTries = 20;
constexpr int ConnectPauseMs = 100;
constexpr int AnswerWaitMs = 10000;

} // namespace

QByteArray handOverMessage(const QStringList& paths) {
    QByteArray body;
    for (const QString& path : paths) {
        body += path.toUtf8();
        body += '\0';
    }
    QByteArray message(LengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(body.size()), message.data());
    return message + body;
}

HandOverRead readHandOverMessage(QByteArrayView buffer) {
    if (buffer.size() < LengthBytes)
        return {};
    const quint32 length = qFromBigEndian<quint32>(buffer.data());
    if (length > LargestMessage)
        return {HandOverRead::State::Malformed, {}, 0};
    const qsizetype whole = LengthBytes + static_cast<qsizetype>(length);
    if (buffer.size() < whole)
        return {};
    const QByteArrayView body = buffer.sliced(LengthBytes, length);
    if (!body.isEmpty() && body.back() != '\0')
        return {HandOverRead::State::Malformed, {}, 0};
    HandOverRead read{HandOverRead::State::Whole, {}, whole};
    qsizetype start = 0;
    while (start < body.size()) {
        const qsizetype end = body.indexOf('\0', start);
        if (end > start)
            read.paths.append(QString::fromUtf8(body.sliced(start, end - start)));
        start = end + 1;
    }
    return read;
}

PathHandOverServer::PathHandOverServer(const QString& name,
                                       std::function<void(const QStringList&)> take)
    : m_server(std::make_unique<QLocalServer>()), m_take(std::move(take)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(),
                     [this] { accept(); });
    // Only the holder of the single-instance lock comes here, so a socket under the name is a
    // dead copy's.
    QLocalServer::removeServer(name);
    m_server->listen(name);
}

PathHandOverServer::~PathHandOverServer() = default;

bool PathHandOverServer::listening() const {
    return m_server->isListening();
}

void PathHandOverServer::accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received] {
            *received += socket->readAll();
            const HandOverRead read = readHandOverMessage(*received);
            if (read.state == HandOverRead::State::Incomplete)
                return;
            if (read.state == HandOverRead::State::Whole) {
                socket->write(&Taken, 1);
                socket->flush();
                m_take(read.paths);
            }
            socket->disconnectFromServer();
        });
    }
}

bool handPathsOver(const QString& name, const QStringList& paths) {
    QLocalSocket socket;
    for (int attempt = 0; attempt < ConnectTries; ++attempt) {
        socket.connectToServer(name);
        if (socket.waitForConnected(ConnectPauseMs))
            break;
        QThread::msleep(ConnectPauseMs);
    }
    if (socket.state() != QLocalSocket::ConnectedState)
        return false;
    socket.write(handOverMessage(paths));
    const QDeadlineTimer deadline(AnswerWaitMs);
    while (socket.bytesAvailable() < 1 && !deadline.hasExpired())
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == Taken;
}

} // namespace quillane
