#include "forms/quillanemainfrm/PaintThrottle.h"

#include <QCoreApplication>

namespace quillane {

PaintThrottle::PaintThrottle(int perSecond) : m_intervalMs(1000 / perSecond) {}

void PaintThrottle::repaint() {
    if (m_sinceLast.isValid() && m_sinceLast.elapsed() < m_intervalMs)
        return;
    QCoreApplication::processEvents();
    m_sinceLast.start();
}

} // namespace quillane
