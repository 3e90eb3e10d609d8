#include "forms/quillanemainfrm/PaintThrottle.h"

#include <QCoreApplication>

namespace quillane {

PaintThrottle::PaintThrottle(int perSecond) : m_intervalMs(1000 / perSecond) {}

bool PaintThrottle::due() const {
    return !m_sinceLast.isValid() || m_sinceLast.elapsed() >= m_intervalMs;
}

void PaintThrottle::repaint() {
    if (!due())
        return;
    QCoreApplication::processEvents();
    m_sinceLast.start();
}

} // namespace quillane
