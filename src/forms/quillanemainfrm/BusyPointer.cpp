#include "forms/quillanemainfrm/BusyPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace quillane {

BusyPointer::BusyPointer() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyPointer::~BusyPointer() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace quillane
