#pragma once

#include "platform/Dialogs.h"

#include <chrono>
#include <functional>

namespace quillane {

// No box ever opens while a benchmark runs.
class SilentDialogs final : public Dialogs {
public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        return request.defaultButton;
    }
    void showReport(const ReportRequest&) override {}
    std::optional<OpenFilesResult> openFiles(const OpenFilesRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const FolderRequest&) override { return {}; }
};

inline double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace quillane
