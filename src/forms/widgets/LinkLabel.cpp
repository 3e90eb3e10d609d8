#include "forms/widgets/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quillane {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QPalette link = palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    setPalette(link);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        Q_EMIT activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT activated();
    QLabel::mousePressEvent(event);
}

} // namespace quillane
