#include "bench/BenchSupport.h"
#include "tools/StandaloneMainWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

namespace quillane {
namespace {

using namespace Qt::StringLiterals;

constexpr qint32 Entries = 100'000;

// The process's resident memory in megabytes, as the system counts it.
double residentMegabytes() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

// One key typed into the new-name box of a window listing 100,000 files, until the preview on
// screen shows the new names. Keys alternate between a letter and backspace so the name stays
// short.
void BM_MainWindow_KeyToRepaintedPreview(benchmark::State& state) {
    SilentDialogs dialogs;
    StandaloneMainWindow standalone(dialogs);
    quillanemainfrm& window = standalone.window();
    QCoreApplication::processEvents();
    const double emptyWindowMegabytes = residentMegabytes();
    QList<ListedFile> listed;
    listed.reserve(Entries);
    for (qint32 i = 0; i < Entries; ++i)
        listed.append(
            {u"/home/user/Pictures/Trip"_s, u"DSC_%1 (copy).JPG"_s.arg(i, 6, 10, QChar(u'0'))});
    window.renameList().appendEntries(listed);
    listed.clear();
    window.RefreshRenOutputLst();

    auto* box = window.findChild<QLineEdit*>(u"new_filename_txt"_s);
    QWidget* preview = window.findChild<QTableView*>(u"grdThis"_s)->viewport();
    box->setFocus();
    bool typeLetter = true;
    for (auto _ : state) {
        QTest::keyClick(box, typeLetter ? Qt::Key_A : Qt::Key_Backspace);
        preview->repaint();
        typeLetter = !typeLetter;
    }
    benchmark::DoNotOptimize(window.renameList().list().cell(Entries - 1, ListColumn::Renout));
    state.counters["rss_MB"] = residentMegabytes();
    state.counters["rss_empty_window_MB"] = emptyWindowMegabytes;
}
// One run only: a second run would find the first one's freed memory still counted as resident.
BENCHMARK(BM_MainWindow_KeyToRepaintedPreview)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace
} // namespace quillane
