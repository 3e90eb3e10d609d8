#include "forms/widgets/LinkLabel.h"

#include <QMouseEvent>

namespace quillane {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    QPalette link = palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    setPalette(link);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT activated();
    QLabel::mousePressEvent(event);
}

} // namespace quillane
