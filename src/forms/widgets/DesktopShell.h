#pragma once

#include "platform/Shell.h"

namespace quillane {

// Hands documents and addresses to the desktop's registered programs.
class DesktopShell final : public Shell {
public:
    bool open(const QString& documentOrAddress) override;
    bool startProgram(const QString& program) override;
};

} // namespace quillane
