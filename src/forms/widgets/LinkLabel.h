#pragma once

#include <QLabel>

namespace quillane {

// A label that stands for an address: the link pointer over it, and a press of the left button
// (no other) follows it; from the keyboard, Enter or Space does.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quillane
