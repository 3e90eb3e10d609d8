#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace quillane {

// Gives a window's shortcut keys to its commands while one of its text boxes has the focus: a
// box claims editing keys of its own, and which ones depends on the platform theme (Ctrl+U
// empties an X11 box, Ctrl+Y redoes in a Windows one). Select-all stays the box's.
class WindowShortcutFilter : public QObject {
    Q_OBJECT

public:
    // Watches every text box the window holds now.
    static void installOnTextBoxes(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowShortcutFilter(QWidget* window);
    bool isWindowShortcut(const QKeyEvent& key) const;

    QWidget* m_window;
};

} // namespace quillane
