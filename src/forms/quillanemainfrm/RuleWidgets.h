#pragma once

#include "rules/AffixEditor.h"

#include <QString>
#include <QWidget>

class QLineEdit;

namespace quillane {

// Enables or disables a rule input with its colour: a disabled box is also read-only and shows
// the button face, an enabled one the window background.
void setInputEnabled(QWidget* input, bool enabled);

// Shows what is wrong with a box's text in the error colour and in its tool tip; an empty
// problem gives the box its plain look back.
void showInputProblem(QLineEdit* box, const QString& problem);

// Lets a text box take only what the limit allows while typing.
void setEntryLimit(QLineEdit* box, const TextEntryLimit& limit);

} // namespace quillane
