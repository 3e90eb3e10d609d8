#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLocalServer;

namespace quillane {

// A later start's paths as they travel to the running copy: the count of bytes that follow (four
// bytes, most significant first), then each path in UTF-8 ended by a NUL, which no path holds.
QByteArray handOverMessage(const QStringList& paths);

struct HandOverRead {
    enum class State { Incomplete, Whole, Malformed };
    State state = State::Incomplete;
    QStringList paths;
    qsizetype used = 0; // bytes of the buffer the whole message took
};

// Reads the message at the front of `buffer`, which may hold only its beginning so far.
HandOverRead readHandOverMessage(QByteArrayView buffer);

// The running copy's end: takes the paths later starts send to `name`, a local socket only this
// user can reach. A socket file a copy that died left under the name is replaced.
class PathHandOverServer {
public:
    PathHandOverServer(const QString& name, std::function<void(const QStringList&)> take);
    ~PathHandOverServer();
    PathHandOverServer(const PathHandOverServer&) = delete;
    PathHandOverServer& operator=(const PathHandOverServer&) = delete;

    bool listening() const;

private:
    void accept();

    std::unique_ptr<QLocalServer> m_server;
    std::function<void(const QStringList&)> m_take;
};

// A later start's end: gives the paths to the copy listening at `name`; true once that copy
// has taken them.
bool handPathsOver(const QString& name, const QStringList& paths);

} // namespace quillane
