#include "forms/widgets/WidgetDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

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
    }
    return QMessageBox::Ok;
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
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    const QMessageBox::StandardButtons buttons =
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(boxIcon(request.icon), request.title, request.text, buttons,
                    ownerWindow(request.owner));
    // File names may hold < > &, which must not be read as markup.
    box.setTextFormat(Qt::PlainText);
    const QMessageBox::StandardButton fallback = yesNo ? QMessageBox::No : QMessageBox::Ok;
    // A default the buttons do not include falls back to the answer Escape gives.
    const QMessageBox::StandardButton wanted = boxButton(request.defaultButton);
    box.setDefaultButton(buttons.testFlag(wanted) ? wanted : fallback);
    box.setEscapeButton(fallback);
    if (request.keptOnTop)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();

    // Closing the box any other way than a button counts as its escape button.
    QAbstractButton* clicked = box.clickedButton();
    const QMessageBox::StandardButton answer = clicked ? box.standardButton(clicked) : fallback;
    if (answer == QMessageBox::Yes)
        return MessageAnswer::Yes;
    if (answer == QMessageBox::No)
        return MessageAnswer::No;
    return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
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

} // namespace quillane
