// `make soak`: kills a run of 10,000 files a hundred times at random moments, recovers each time
// with a random answer, and prints what was stranded or lost in all. Both must be 0.
#include "tests/journal/CrashRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <thread>

using namespace quillane;
using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    constexpr int Files = 10'000;
    constexpr int Kills = 100;

    // How long a whole run takes here, so that the kills spread over all of it.
    qint64 wholeRunMs = 0;
    {
        QTemporaryDir root(crash::scratchBase() + u"/quillane-soak-XXXXXX"_s);
        const QString folder = root.filePath(u"files"_s);
        QDir().mkpath(folder);
        crash::makeFiles(folder, Files, 0, true);
        QElapsedTimer timer;
        timer.start();
        const pid_t child = crash::startChild(
            QUILLANE_CRASH_CHILD, {folder, root.filePath(u"journal.sqlite3"_s), u"-"_s, u"run"_s});
        (void)crash::killedBySigkill(child);
        wholeRunMs = timer.elapsed();
    }
    std::printf("a whole run of %d files: %lld ms\n", Files, static_cast<long long>(wholeRunMs));

    crash::Tally total;
    int killed = 0;
    int recovered = 0;
    QRandomGenerator random(20261207);
    for (int kill = 0; kill < Kills; ++kill) {
        QTemporaryDir root(crash::scratchBase() + u"/quillane-soak-XXXXXX"_s);
        const QString folder = root.filePath(u"files"_s);
        QDir().mkpath(folder);
        crash::makeFiles(folder, Files, 0, true);
        const QString journal = root.filePath(u"journal.sqlite3"_s);
        const pid_t child =
            crash::startChild(QUILLANE_CRASH_CHILD, {folder, journal, u"-"_s, u"run"_s});
        std::this_thread::sleep_for(
            std::chrono::milliseconds(random.bounded(static_cast<int>(wholeRunMs) + 1)));
        ::kill(child, SIGKILL);
        killed += crash::killedBySigkill(child) ? 1 : 0;
        const RunKind way = random.bounded(2) == 0 ? RunKind::Finish : RunKind::PutBack;
        recovered += crash::recover(journal, way) ? 1 : 0;
        const crash::Tally found = crash::tally(folder, {}, Files, 0, true);
        total.stranded += found.stranded;
        total.lost += found.lost;
        total.duplicated += found.duplicated;
        total.misplaced += found.misplaced;
        if (RunJournal(journal).openRun())
            ++total.stranded;
    }
    std::printf("kills: %d of %d runs, %d recovered\n", killed, Kills, recovered);
    std::printf("files stranded: %d\ncontents lost: %d\n", total.stranded, total.lost);
    std::printf("contents twice: %d\nunder another name: %d\n", total.duplicated, total.misplaced);
    return total.clean() ? 0 : 1;
}
