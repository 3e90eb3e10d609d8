#pragma once

#include <QElapsedTimer>

namespace quillane {

// Lets the windows repaint during a long operation on their own thread, at most `perSecond`
// times a second however often it is asked. The user's input is delivered too, for a
// RunInputGate to sort.
class PaintThrottle {
public:
    explicit PaintThrottle(int perSecond = 30);

    void repaint();
    // Whether the next repaint would draw.
    bool due() const;

private:
    QElapsedTimer m_sinceLast;
    qint64 m_intervalMs;
};

} // namespace quillane
