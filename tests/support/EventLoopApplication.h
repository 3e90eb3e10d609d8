#pragma once

#include <QCoreApplication>

namespace quillane {

// An application for a test that takes word from other threads, which only an event loop hands
// on.
class EventLoopApplication {
    int m_argc = 1;
    char m_name[8] = "tests";
    char* m_argv[2] = {m_name, nullptr};
    QCoreApplication m_application{m_argc, m_argv};
};

} // namespace quillane
