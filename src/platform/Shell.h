#pragma once

#include <QString>

namespace quillane {

// Hands documents, web and mail addresses and programs to the desktop.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a file, a web address or a mail address with the program registered for it.
    virtual bool open(const QString& documentOrAddress) = 0;
    virtual bool startProgram(const QString& program) = 0;
};

} // namespace quillane
