// The run the crash tests kill: renames the files of a folder with a journal, and dies by SIGKILL
// where told.
//
//   journal_crash_child FOLDER JOURNAL OUTPUT MODE [N]
//
// OUTPUT is "-" for renaming in place, or the custom output folder. MODE "change" kills the run
// at its Nth change on disk, before the change is made; "ask" writes FOLDER/../asked when the
// run asks a question and then waits for ever; "run" runs to the end unless killed.
#include "tests/journal/CrashRun.h"
#include "tests/journal/CrashingFileSystem.h"

#include <QCoreApplication>

#include <signal.h>
#include <thread>

namespace {

using namespace quillane;

// A question left open, as when the user logs out with the box on screen.
class OpenQuestion final : public Dialogs {
public:
    explicit OpenQuestion(QString marker) : m_marker(std::move(marker)) {}
    MessageAnswer showMessage(const MessageRequest&) override {
        QFile marker(m_marker);
        if (marker.open(QIODevice::WriteOnly))
            marker.close();
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    void showReport(const ReportRequest&) override {}
    int choose(const ChoiceRequest& request) override { return request.escapeButton; }
    std::optional<OpenFilesResult> openFiles(const OpenFilesRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const FolderRequest&) override { return {}; }
    std::optional<QString> askText(const TextRequest&) override { return {}; }

private:
    QString m_marker;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5)
        return 2;
    const QString& folder = args[1];
    const QString& output = args[3];
    const QString& mode = args[4];
    PosixFileSystem real;
    CrashingFileSystem files(real, mode == u"change" ? args.value(5).toInt() : 0,
                             [] { ::raise(SIGKILL); });
    OpenQuestion asking(QDir(folder).absoluteFilePath(QStringLiteral("../asked")));
    crash::AnswerNo answering;
    Dialogs& dialogs = mode == u"ask" ? static_cast<Dialogs&>(asking) : answering;

    RunJournal journal(args[2]);
    RenameList list = crash::listOf(folder);
    RunSettings settings;
    if (output != u"-") {
        settings.outputWhereFileIs = false;
        settings.customOutputDir = output;
    }
    const std::unique_ptr<RunRecorder> recorder =
        journal.recordRun(RunKind::Rename, 0, std::nullopt);
    const RunResult result =
        RenameRun(list, files, dialogs, std::move(settings), {}, recorder.get()).run();
    return result.completed ? 0 : 1;
}
