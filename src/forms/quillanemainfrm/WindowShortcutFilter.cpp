#include "forms/quillanemainfrm/WindowShortcutFilter.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace quillane {

WindowShortcutFilter::WindowShortcutFilter(QWidget* window) : QObject(window), m_window(window) {}

void WindowShortcutFilter::installOnTextBoxes(QWidget* window) {
    auto* filter = new WindowShortcutFilter(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(filter);
}

bool WindowShortcutFilter::isWindowShortcut(const QKeyEvent& key) const {
    // Read at each key, so that actions added or given other keys later count as well.
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction*> actions = m_window->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [&](const QAction* action) {
        return action->shortcuts().contains(pressed);
    });
}

bool WindowShortcutFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    // A text box keeps its own select-all and undo.
    if (key.matches(QKeySequence::SelectAll) || key.matches(QKeySequence::Undo) ||
        !isWindowShortcut(key))
        return QObject::eventFilter(watched, event);
    // Left unclaimed, the override lets the shortcut run its command. The key itself arrives
    // only when that command is off, and must not edit the box then either.
    if (type == QEvent::ShortcutOverride)
        event->ignore();
    return true;
}

} // namespace quillane
