#pragma once

#include "platform/Dialogs.h"

#include <QList>

#include <deque>
#include <functional>
#include <optional>
#include <variant>

namespace quillane {

// Dialogs for tests: records every request and answers from queues the test fills. A request
// with no queued answer fails the test.
class ScriptedDialogs final : public Dialogs {
public:
    using Request = std::variant<MessageRequest, ReportRequest, ChoiceRequest, OpenFilesRequest,
                                 FolderRequest, TextRequest>;

    void answerMessage(MessageAnswer answer) { m_messageAnswers.push_back(answer); }
    // Runs before each message box is answered, as a user might act while one is open.
    void whenAsked(std::function<void(const MessageRequest&)> act) { m_whenAsked = std::move(act); }
    void answerChoice(int button) { m_choiceAnswers.push_back(button); }
    void answerOpenFiles(std::optional<OpenFilesResult> result) {
        m_openFilesAnswers.push_back(std::move(result));
    }
    void answerFolder(std::optional<QString> folder) {
        m_folderAnswers.push_back(std::move(folder));
    }
    void answerText(std::optional<QString> text) { m_textAnswers.push_back(std::move(text)); }

    // Every request, in the order it was made.
    const QList<Request>& requests() const { return m_requests; }
    QList<MessageRequest> messages() const;
    // Reports need no answer.
    QList<ReportRequest> reports() const;
    QList<ChoiceRequest> choices() const;
    QList<TextRequest> textRequests() const;
    // Whether every queued answer was used.
    bool allAnswered() const;

    MessageAnswer showMessage(const MessageRequest& request) override;
    void showReport(const ReportRequest& request) override { m_requests.append(request); }
    int choose(const ChoiceRequest& request) override;
    std::optional<OpenFilesResult> openFiles(const OpenFilesRequest& request) override;
    std::optional<QString> browseForFolder(const FolderRequest& request) override;
    std::optional<QString> askText(const TextRequest& request) override;

private:
    QList<Request> m_requests;
    std::function<void(const MessageRequest&)> m_whenAsked;
    std::deque<MessageAnswer> m_messageAnswers;
    std::deque<int> m_choiceAnswers;
    std::deque<std::optional<OpenFilesResult>> m_openFilesAnswers;
    std::deque<std::optional<QString>> m_folderAnswers;
    std::deque<std::optional<QString>> m_textAnswers;
};

} // namespace quillane
