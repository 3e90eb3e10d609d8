#pragma once

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
};

} // namespace quillane
