#pragma once

#include "forms/widgets/DialogOwners.h"
#include "platform/Dialogs.h"

#include <QPointer>
#include <QWidget>

#include <array>

namespace quillane {

// The program's message boxes and file and folder dialogs as real Qt windows, each owned by the
// window its request names (or by no window while that one is not registered).
class WidgetDialogs : public Dialogs, public DialogOwners {
public:
    // The window that owns the dialogs asked for on behalf of `owner`.
    void setOwnerWindow(DialogOwner owner, QWidget* window) override;

    MessageAnswer showMessage(const MessageRequest& request) override;
    void showReport(const ReportRequest& request) override;
    int choose(const ChoiceRequest& request) override;
    std::optional<OpenFilesResult> openFiles(const OpenFilesRequest& request) override;
    std::optional<QString> browseForFolder(const FolderRequest& request) override;
    std::optional<QString> askText(const TextRequest& request) override;

private:
    QWidget* ownerWindow(DialogOwner owner) const;

    std::array<QPointer<QWidget>, 3> m_owners;
};

} // namespace quillane
