#include "bench/BenchSupport.h"
#include "platform/PosixFileSystem.h"
#include "renamelist/ListSelectionSync.h"
#include "renamelist/RefreshRenOutputLst.h"
#include "renamelist/RenameListModel.h"

#include <QItemSelectionModel>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

constexpr qint32 Entries = 100'000;

// 100 folders of 1,000 camera files each, the names shuffled.
QList<ListedFile> hundredThousandFiles() {
    return cameraFiles(Entries);
}

// The list anew, with every third row selected.
void fill(RenameListModel& model, const QList<ListedFile>& entries) {
    model.clear();
    model.appendEntries(entries);
    for (qint32 row = 0; row < Entries; row += 3)
        model.setSelected(row, true);
}

// The files of the shared tree, folder by folder.
QList<ListedFile> filesOnDisk() {
    QList<ListedFile> entries;
    entries.reserve(Entries);
    for (int top = 0; top < 10; ++top) {
        for (int sub = 0; sub < 10; ++sub) {
            const QString folder =
                hundredThousandFileTree().path() + u"/album %1/day %2"_s.arg(top).arg(sub);
            for (int file = 0; file < 1000; ++file)
                entries.append({folder, u"IMG_%1.JPG"_s.arg(file)});
        }
    }
    return entries;
}

// Runs `work` once per iteration; returns the milliseconds each took.
template <typename Work> double msPerIteration(benchmark::State& state, Work work) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
               .count() /
           static_cast<double>(state.iterations());
}

// Keystrokes' refreshes: new names, and every status against 100 folders on disk. With a second
// rule set the refreshes take turns, so that each one changes every name, as typing does.
double timeRefreshes(benchmark::State& state, const RenameRuleSet& rules,
                     const RenameRuleSet& otherRules) {
    PosixFileSystem files;
    RenameListModel model(files);
    model.appendEntries(filesOnDisk());
    model.refreshRenOutput(rules, DateTimeStamper::system());
    bool other = false;
    const double ms = msPerIteration(state, [&] {
        other = !other;
        model.refreshRenOutput(other ? otherRules : rules, DateTimeStamper::system());
    });
    state.counters["peak_MB"] = peakMegabytes();
    return ms;
}
double timeRefreshes(benchmark::State& state, const RenameRuleSet& rules) {
    return timeRefreshes(state, rules, rules);
}

double namesOnlyMs = 0;

// The new names alone, as a refresh was before statuses: the floor of the next one.
void BM_RefreshNamesOnly_100k(benchmark::State& state) {
    RenameList list;
    for (const ListedFile& file : filesOnDisk())
        list.append(file);
    const RenameRuleSet rules;
    namesOnlyMs =
        msPerIteration(state, [&] { RefreshRenOutputLst(list, rules, DateTimeStamper::system()); });
}
BENCHMARK(BM_RefreshNamesOnly_100k)->Unit(benchmark::kMillisecond);

// A refresh as a keystroke makes it under the rules at start-up.
void BM_RefreshRenOutputLst_100k(benchmark::State& state) {
    state.counters["to_names_only"] = timeRefreshes(state, RenameRuleSet()) / namesOnlyMs;
}
BENCHMARK(BM_RefreshRenOutputLst_100k)->Unit(benchmark::kMillisecond);

RenameRuleSet searching(const QString& what, const QString& with, bool pattern) {
    RenameRuleSet rules;
    rules.NewFilenameOn = false;
    rules.ReplaceOn = true;
    rules.ReplaceRegex = pattern;
    rules.ReplaceWhat = what;
    rules.ReplaceWith = with;
    rules.prepareReplacePattern();
    return rules;
}

double plainSearchMs = 0;

// Every name changed by a plain search: the floor of the pattern below, which changes them alike.
void BM_RefreshRenOutputLst_PlainSearch_100k(benchmark::State& state) {
    plainSearchMs = timeRefreshes(state, searching(u"IMG_"_s, u"photo "_s, false),
                                  searching(u"IMG_"_s, u"Photo "_s, false));
}
BENCHMARK(BM_RefreshRenOutputLst_PlainSearch_100k)->Unit(benchmark::kMillisecond);

void BM_RefreshRenOutputLst_Pattern_100k(benchmark::State& state) {
    const double ms = timeRefreshes(state, searching(u"^IMG_(\\d+)$"_s, u"photo $1"_s, true),
                                    searching(u"^IMG_(\\d+)$"_s, u"Photo $1"_s, true));
    state.counters["to_plain_search"] = ms / plainSearchMs;
}
BENCHMARK(BM_RefreshRenOutputLst_Pattern_100k)->Unit(benchmark::kMillisecond);

// Times one list command on a freshly filled list of 100,000 rows.
template <typename Command> void runCommand(benchmark::State& state, Command command) {
    const QList<ListedFile> entries = hundredThousandFiles();
    PosixFileSystem files;
    RenameListModel model(files);
    for (auto _ : state) {
        state.PauseTiming();
        fill(model, entries);
        state.ResumeTiming();
        command(model);
    }
}

void BM_Remove_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.removeSelected(); });
}
void BM_MoveUp_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.moveUp(); });
}
void BM_MoveDown_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.moveDown(); });
}
void BM_MoveToFirst_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.moveToFirst(); });
}
void BM_MoveToLast_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.moveToLast(); });
}
void BM_SelectAll_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.selectAll(); });
}
void BM_InvertSelection_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.invertSelection(); });
}
void BM_SortByFilename_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.clickColumn(ListColumn::Filename); });
}
void BM_SortByDirectory_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.clickColumn(ListColumn::Directory); });
}
void BM_Clear_100k(benchmark::State& s) {
    runCommand(s, [](auto& m) { m.clear(); });
}

// Inverting a scattered selection and showing it in a view's selection model.
void BM_InvertShownSelection_100k(benchmark::State& state) {
    const QList<ListedFile> entries = hundredThousandFiles();
    PosixFileSystem files;
    RenameListModel model(files);
    QItemSelectionModel selection(&model);
    const ListSelectionSync sync(model, selection);
    fill(model, entries);
    for (auto _ : state)
        model.invertSelection();
}

BENCHMARK(BM_Remove_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveUp_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveDown_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveToFirst_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveToLast_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAll_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InvertSelection_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByFilename_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByDirectory_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Clear_100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InvertShownSelection_100k)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillane
