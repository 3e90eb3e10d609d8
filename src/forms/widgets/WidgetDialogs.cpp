#include "forms/widgets/WidgetDialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillane {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton boxButton(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::YesToAll:
        return QMessageBox::YesToAll;
    case MessageAnswer::NoToAll:
        return QMessageBox::NoToAll;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoToAll:
        return QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::YesToAll:
        return MessageAnswer::YesToAll;
    case QMessageBox::NoToAll:
        return MessageAnswer::NoToAll;
    default:
        break;
    }
    return MessageAnswer::Ok;
}

} // namespace

void WidgetDialogs::setOwnerWindow(DialogOwner owner, QWidget* window) {
    m_owners.at(static_cast<std::size_t>(owner)) = window;
}

QWidget* WidgetDialogs::ownerWindow(DialogOwner owner) const {
    // A QPointer turns a window that has since been destroyed into nullptr.
    return m_owners.at(static_cast<std::size_t>(owner)).data();
}

MessageAnswer WidgetDialogs::showMessage(const MessageRequest& request) {
    const QMessageBox::StandardButtons buttons = boxButtons(request.buttons);
    QMessageBox box(boxIcon(request.icon), request.title, request.text, buttons,
                    ownerWindow(request.owner));
    // File names may hold < > &, which must not be read as markup.
    box.setTextFormat(Qt::PlainText);
    const QMessageBox::StandardButton fallback =
        buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    // A default the buttons do not include falls back to the answer Escape gives.
    const QMessageBox::StandardButton wanted = boxButton(request.defaultButton);
    box.setDefaultButton(buttons.testFlag(wanted) ? wanted : fallback);
    box.setEscapeButton(fallback);
    if (request.keptOnTop)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();

    // Closing the box any other way than a button counts as its escape button.
    QAbstractButton* clicked = box.clickedButton();
    return answerOf(clicked ? box.standardButton(clicked) : fallback);
}

void WidgetDialogs::showReport(const ReportRequest& request) {
    QDialog box(ownerWindow(request.owner));
    box.setObjectName(QStringLiteral("ReportBox"));
    box.setWindowTitle(request.title);
    auto* layout = new QVBoxLayout(&box);
    auto* text = new QLabel(request.text);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    layout->addWidget(text);
    // A blank line between two, as a long line wraps.
    auto* lines = new QPlainTextEdit(request.lines.join(u"\n\n"));
    lines->setObjectName(QStringLiteral("ReportLines"));
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(lines);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.resize(640, 360);
    box.exec();
}

int WidgetDialogs::choose(const ChoiceRequest& request) {
    QMessageBox box(boxIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    ownerWindow(request.owner));
    box.setObjectName(QStringLiteral("ChoiceBox"));
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> buttons;
    for (const QString& caption : request.buttons)
        buttons.append(box.addButton(caption, QMessageBox::AcceptRole));
    if (request.defaultButton >= 0 && request.defaultButton < buttons.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons[request.defaultButton]));
    if (request.escapeButton >= 0 && request.escapeButton < buttons.size())
        box.setEscapeButton(buttons[request.escapeButton]);
    // A few lines show at once; many also in full, scrolling.
    constexpr qsizetype Shown = 10;
    QStringList shown = request.lines.mid(0, Shown);
    if (request.lines.size() > Shown) {
        shown.append(QStringLiteral("... and %1 more.").arg(request.lines.size() - Shown));
        box.setDetailedText(request.lines.join(u'\n'));
    }
    box.setInformativeText(shown.join(u'\n'));
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen >= 0 ? static_cast<int>(chosen) : request.escapeButton;
}

std::optional<OpenFilesResult> WidgetDialogs::openFiles(const OpenFilesRequest& request) {
    QFileDialog dialog(ownerWindow(request.owner), request.title, request.initialDirectory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDefaultSuffix(QString());
    if (!request.filters.isEmpty()) {
        dialog.setNameFilters(request.filters);
        if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
            dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList paths = dialog.selectedFiles();
    if (paths.isEmpty())
        return std::nullopt;
    return OpenFilesResult{paths};
}

std::optional<QString> WidgetDialogs::browseForFolder(const FolderRequest& request) {
    QFileDialog dialog(ownerWindow(request.owner), request.title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.constFirst().isEmpty())
        return std::nullopt;
    return QFileInfo(chosen.constFirst()).absoluteFilePath();
}

std::optional<QString> WidgetDialogs::askText(const TextRequest& request) {
    QInputDialog dialog(ownerWindow(request.owner));
    dialog.setObjectName(QStringLiteral("TextBox"));
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.label);
    if (!request.choices.isEmpty()) {
        dialog.setComboBoxItems(request.choices);
        dialog.setComboBoxEditable(request.anyText);
        // A new name starts empty; a choice among the ones there starts on the first.
        if (request.anyText)
            dialog.setTextValue(QString());
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace quillane
