#pragma once

#include "forms/quillanemainfrm/MainLayout.h"

#include <QHash>
#include <QString>
#include <QWidget>

namespace quillane {

// Stops the program with a message naming the mistake. The window wires itself by names, and a
// name that misses would leave a control unplaced or a command dead without any test noticing.
[[noreturn]] void wiringMistake(const QString& what);

// The controls the main window's layout places, each under its layout name.
class DesignedControls {
public:
    // Puts a new control on its parent under its name; a name taken already stops the program.
    template <typename Widget> Widget* add(QWidget* parent, const QString& name, Widget* widget) {
        widget->setParent(parent);
        widget->setObjectName(name);
        keep(name, widget);
        return widget;
    }

    // The control under a layout name; a name without one stops the program.
    QWidget* at(const QString& name) const;

    // Stops the program unless the design names every control and every control is in it.
    void checkAgainst(const QList<DesignRect>& design) const;

private:
    void keep(const QString& name, QWidget* widget);

    QHash<QString, QWidget*> m_controls;
};

} // namespace quillane
