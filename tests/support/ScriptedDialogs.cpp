#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace quillane {

namespace {

template <typename Answer> Answer takeFirst(std::deque<Answer>& answers, Answer fallback) {
    if (answers.empty()) {
        ADD_FAILURE() << "a dialog was shown that the test did not expect";
        return fallback;
    }
    // Swapped into the fallback rather than moved into a new local: GCC's optimiser takes such a
    // moved-into optional for one that may be uninitialised.
    std::swap(fallback, answers.front());
    answers.pop_front();
    return fallback;
}

template <typename Kind> QList<Kind> requestsOf(const QList<ScriptedDialogs::Request>& requests) {
    QList<Kind> found;
    for (const ScriptedDialogs::Request& request : requests) {
        if (const auto* one = std::get_if<Kind>(&request))
            found.append(*one);
    }
    return found;
}

} // namespace

QList<MessageRequest> ScriptedDialogs::messages() const {
    return requestsOf<MessageRequest>(m_requests);
}

QList<ReportRequest> ScriptedDialogs::reports() const {
    return requestsOf<ReportRequest>(m_requests);
}

QList<ChoiceRequest> ScriptedDialogs::choices() const {
    return requestsOf<ChoiceRequest>(m_requests);
}

QList<TextRequest> ScriptedDialogs::textRequests() const {
    return requestsOf<TextRequest>(m_requests);
}

bool ScriptedDialogs::allAnswered() const {
    return m_messageAnswers.empty() && m_choiceAnswers.empty() && m_openFilesAnswers.empty() &&
           m_folderAnswers.empty() && m_textAnswers.empty();
}

int ScriptedDialogs::choose(const ChoiceRequest& request) {
    m_requests.append(request);
    return takeFirst(m_choiceAnswers, request.escapeButton);
}

MessageAnswer ScriptedDialogs::showMessage(const MessageRequest& request) {
    m_requests.append(request);
    if (m_whenAsked)
        m_whenAsked(request);
    return takeFirst(m_messageAnswers, request.defaultButton);
}

std::optional<OpenFilesResult> ScriptedDialogs::openFiles(const OpenFilesRequest& request) {
    m_requests.append(request);
    return takeFirst<std::optional<OpenFilesResult>>(m_openFilesAnswers, std::nullopt);
}

std::optional<QString> ScriptedDialogs::browseForFolder(const FolderRequest& request) {
    m_requests.append(request);
    return takeFirst<std::optional<QString>>(m_folderAnswers, std::nullopt);
}

std::optional<QString> ScriptedDialogs::askText(const TextRequest& request) {
    m_requests.append(request);
    return takeFirst<std::optional<QString>>(m_textAnswers, std::nullopt);
}

} // namespace quillane
