#pragma once

#include "platform/Shell.h"

#include <QStringList>

namespace quillane {

// A shell for tests: remembers what it was asked to open or start, and succeeds.
class RecordingShell final : public Shell {
public:
    bool open(const QString& documentOrAddress) override {
        opened.append(documentOrAddress);
        return true;
    }
    bool startProgram(const QString& program) override {
        started.append(program);
        return true;
    }

    QStringList opened;
    QStringList started;
};

} // namespace quillane
