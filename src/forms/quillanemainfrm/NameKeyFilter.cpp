#include "forms/quillanemainfrm/NameKeyFilter.h"

#include <QKeyEvent>

namespace quillane {

bool NameKeyFilter::isForbiddenInNames(QChar c) {
    return QStringView(u"\\/:*?\"<>|").contains(c);
}

namespace {

constexpr char TakesAnyText[] = "quillaneTakesAnyText";

} // namespace

void NameKeyFilter::setTakesAnyText(QObject* box, bool anyText) {
    box->setProperty(TakesAnyText, anyText);
}

bool NameKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !watched->property(TakesAnyText).toBool()) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && isForbiddenInNames(text.front()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillane
