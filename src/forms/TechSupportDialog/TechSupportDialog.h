#pragma once

#include "platform/Shell.h"

#include <QDialog>

namespace quillane {

// Where to report bugs and find updates, each address a link.
class TechSupportDialog : public QDialog {
    Q_OBJECT

public:
    TechSupportDialog(Shell& shell, QWidget* owner);
};

} // namespace quillane
