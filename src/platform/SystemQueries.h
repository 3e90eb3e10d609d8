#pragma once

#include <QStringList>

#include <functional>

namespace quillane {

struct PlatformVersion {
    bool ntFamily = false; // the Windows NT family
    int major = 0;
    int minor = 0;
};

// What the program asks of the operating system at start-up.
class SystemQueries {
public:
    virtual ~SystemQueries() = default;

    virtual PlatformVersion platformVersion() const = 0;
    // Takes the single-instance lock; true when an earlier copy of the program holds it.
    virtual bool earlierInstanceRunning() = 0;
    // Gives paths to the earlier copy; true once it has taken them.
    virtual bool handPathsToEarlierInstance(const QStringList& paths) = 0;
    // From now on the paths later starts hand over go to `take`.
    virtual void takePathsFromLaterStarts(std::function<void(const QStringList&)> take) = 0;
};

} // namespace quillane
