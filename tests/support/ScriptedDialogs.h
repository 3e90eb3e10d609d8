#pragma once

#include "platform/Dialogs.h"

#include <QList>

#include <deque>
#include <optional>
#include <variant>

namespace quillane {

// Dialogs for tests: records every request and answers from queues the test fills. A request
// with no queued answer fails the test.
class ScriptedDialogs final : public Dialogs {
public:
    using Request = std::variant<MessageRequest, OpenFilesRequest, FolderRequest>;

    void answerMessage(MessageAnswer answer) { m_messageAnswers.push_back(answer); }
    void answerOpenFiles(std::optional<OpenFilesResult> result) {
        m_openFilesAnswers.push_back(std::move(result));
    }
    void answerFolder(std::optional<QString> folder) {
        m_folderAnswers.push_back(std::move(folder));
    }

    // Every request, in the order it was made.
    const QList<Request>& requests() const { return m_requests; }
    QList<MessageRequest> messages() const;
    // Whether every queued answer was used.
    bool allAnswered() const;

    MessageAnswer showMessage(const MessageRequest& request) override;
    std::optional<OpenFilesResult> openFiles(const OpenFilesRequest& request) override;
    std::optional<QString> browseForFolder(const FolderRequest& request) override;

private:
    QList<Request> m_requests;
    std::deque<MessageAnswer> m_messageAnswers;
    std::deque<std::optional<OpenFilesResult>> m_openFilesAnswers;
    std::deque<std::optional<QString>> m_folderAnswers;
};

} // namespace quillane
