#include "forms/quillanemainfrm/DesignedControls.h"

#include <QSet>

namespace quillane {

void wiringMistake(const QString& what) {
    qFatal("The main window is wired wrongly: %s", qPrintable(what));
}

void DesignedControls::keep(const QString& name, QWidget* widget) {
    if (m_controls.contains(name))
        wiringMistake(QStringLiteral("two controls are named %1").arg(name));
    m_controls.insert(name, widget);
}

QWidget* DesignedControls::at(const QString& name) const {
    QWidget* control = m_controls.value(name);
    if (control == nullptr)
        wiringMistake(QStringLiteral("the layout names %1, which no control has").arg(name));
    return control;
}

void DesignedControls::checkAgainst(const QList<DesignRect>& design) const {
    QSet<QString> designed;
    for (const DesignRect& entry : design) {
        at(QString(entry.control));
        designed.insert(entry.control);
    }
    for (auto control = m_controls.cbegin(); control != m_controls.cend(); ++control)
        if (!designed.contains(control.key()))
            wiringMistake(
                QStringLiteral("the control %1 has no place in the layout").arg(control.key()));
}

} // namespace quillane
