#pragma once

#include "platform/PathHandOver.h"
#include "platform/SystemQueries.h"

#include <QLockFile>
#include <QString>

#include <memory>

namespace quillane {

// The queries on this host: a version outside the NT family here, and a lock file in the user's
// runtime folder for the single instance (a lock left by a copy that died is taken over; a name
// that holds something other than a regular file is not read and the program starts). Paths go
// from a later start to the running copy over a local socket named after the lock.
class HostSystemQueries final : public SystemQueries {
public:
    HostSystemQueries();
    // A lock at `lockPath` (tests).
    explicit HostSystemQueries(const QString& lockPath);
    ~HostSystemQueries() override;

    PlatformVersion platformVersion() const override;
    bool earlierInstanceRunning() override;
    bool handPathsToEarlierInstance(const QStringList& paths) override;
    void takePathsFromLaterStarts(std::function<void(const QStringList&)> take) override;

private:
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<PathHandOverServer> m_handOver;
};

} // namespace quillane
