#include "forms/quillanemainfrm/RunInputGate.h"

#include <QApplication>
#include <QKeyEvent>

namespace quillane {

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

RunInputGate::RunInputGate(QWidget* stopButton, std::function<void()> stop)
    : m_stopButton(stopButton), m_stop(std::move(stop)) {
    qApp->installEventFilter(this);
}

RunInputGate::~RunInputGate() {
    qApp->removeEventFilter(this);
}

bool RunInputGate::eventFilter(QObject* watched, QEvent* event) {
    if (!isUserInput(event->type()) || QApplication::activeModalWidget() != nullptr)
        return false;
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_stop();
        return true;
    }
    // A window hands its input on to the widget under it, which is where it is told apart.
    if (watched->isWindowType())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool onStop =
        m_stopButton && widget && (widget == m_stopButton || m_stopButton->isAncestorOf(widget));
    return !onStop;
}

} // namespace quillane
