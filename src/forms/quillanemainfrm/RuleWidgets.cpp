#include "forms/quillanemainfrm/RuleWidgets.h"

#include "forms/quillanemainfrm/StatusColours.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace quillane {

void setInputEnabled(QWidget* input, bool enabled) {
    input->setEnabled(enabled);
    if (auto* box = qobject_cast<QLineEdit*>(input))
        box->setReadOnly(!enabled);
    QPalette palette = input->palette();
    const QPalette::ColorRole paint =
        textBoxColour(enabled) == BoxColour::WindowBackground ? QPalette::Base : QPalette::Button;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, QApplication::palette(input).color(paint));
    input->setPalette(palette);
}

void showInputProblem(QLineEdit* box, const QString& problem) {
    QPalette palette = box->palette();
    const QColor plain = QApplication::palette(box).color(QPalette::Text);
    palette.setColor(
        QPalette::Text,
        problem.isEmpty() ? plain : errorColour(palette.color(QPalette::Active, QPalette::Base)));
    box->setPalette(palette);
    box->setToolTip(problem);
}

void setEntryLimit(QLineEdit* box, const TextEntryLimit& limit) {
    box->setMaxLength(limit.maxLength > 0 ? limit.maxLength : 32767);
    const bool hasDigitsOnly = box->validator() != nullptr;
    if (limit.digitsOnly == hasDigitsOnly)
        return;
    if (limit.digitsOnly) {
        static const QRegularExpression digits(QStringLiteral("[0-9]*"));
        box->setValidator(new QRegularExpressionValidator(digits, box));
    } else {
        delete box->validator();
        box->setValidator(nullptr);
    }
}

} // namespace quillane
