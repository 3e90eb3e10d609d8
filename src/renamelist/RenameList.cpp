#include "renamelist/RenameList.h"

#include "platform/PathText.h"
#include "renamelist/ListColumns.h"
#include "renamelist/RenamePlan.h"
#include "renamelist/RowChunks.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <string>
#include <string_view>
#include <utility>

namespace quillane {

namespace {

void extend(std::optional<RowRange>& range, qint32 first, qint32 last) {
    if (!range)
        range = RowRange{first, last};
    else
        range = RowRange{std::min(range->first, first), std::max(range->last, last)};
}

// The columns whose texts rows hold as strings: the others' the list keeps apart.
const QString& storedCell(const RenameEntry& e, ListColumn column) {
    Q_ASSERT_X(column == ListColumn::Directory || column == ListColumn::Status, "storedCell",
               "names are read with filename() and renout()");
    return column == ListColumn::Directory ? e.directory : statusText(e.status);
}

// A segment's places are counted in 32 bits.
constexpr std::size_t LargestSegment = std::numeric_limits<quint32>::max();

bool fitsASegment(qsizetype size) {
    return static_cast<std::size_t>(size) <= LargestSegment;
}

} // namespace

QString RenameList::pathOf(qint32 row) const {
    return pathIn(at(row).directory, filename(row));
}

QString RenameList::cell(qint32 row, ListColumn column) const {
    if (column == ListColumn::Renout)
        return renout(row).toString();
    if (column == ListColumn::Filename)
        return filename(row).toString();
    return storedCell(at(row), column);
}

void RenameList::setCell(qint32 row, ListColumn column, QString text) {
    RenameEntry& e = entry(row);
    switch (column) {
    case ListColumn::Directory:
        e.directory = std::move(text);
        e.dates = {};
        return;
    case ListColumn::Filename:
        releaseFilename(e.filenameAt);
        e.filenameAt = looseFilename(text);
        e.dates = {};
        dropUnusedFilenames();
        return;
    case ListColumn::Renout:
        writeRenout(row, text);
        return;
    case ListColumn::Status:
        // Only a plan sets it.
        Q_ASSERT_X(false, "RenameList::setCell", "the status column is not written as text");
        return;
    }
}

void RenameList::writeRenout(qint32 row, QStringView name) {
    TextPlace& place = entry(row).renoutAt;
    if (name.size() <= place.length) {
        m_renouts[place.segment].overwrite(place.start, name);
        place.length = static_cast<quint32>(name.size());
        return;
    }
    if (!m_looseSegment || !fitsASegment(m_renouts[*m_looseSegment].size() + name.size())) {
        m_looseSegment = static_cast<quint32>(m_renouts.size());
        m_renouts.emplace_back();
    }
    TextBuffer& loose = m_renouts[*m_looseSegment];
    place = {static_cast<quint32>(loose.size()), static_cast<quint32>(name.size()),
             *m_looseSegment};
    loose << name;
}

void RenameList::setRenouts(
    const std::function<void(qint32 first, qint32 end, RenoutWriter& names)>& write) {
    // The old names are not read meanwhile, so their segments take the new ones: a segment of
    // the size the names need is there already, with no page of it to be touched for the first
    // time. A list of the same length is cut into the same parts, and each takes its own.
    std::vector<TextBuffer> spare = std::move(m_renouts);
    qsizetype stored = 0;
    for (const TextBuffer& segment : spare)
        stored += segment.size();
    const double perRow = count() > 0 ? static_cast<double>(stored) / count() : 0;
    const bool sameParts = count() == m_renoutRows;
    const qint32 parts = rowChunkCount(count());
    spare.resize(std::max(spare.size(), static_cast<std::size_t>(parts)));
    std::vector<TextBuffer> segments(static_cast<std::size_t>(parts));
    forRowChunks(count(), [&](qint32 part, qint32 first, qint32 end) {
        TextBuffer& text = segments[static_cast<std::size_t>(part)];
        text = std::move(spare[static_cast<std::size_t>(part)]);
        // Room for names somewhat longer than the last ones, as a key typed makes them, so that a
        // segment seldom grows: growing copies it all and leaves the old block behind. One with
        // room enough keeps what it has, for the same reason.
        const auto expected = static_cast<double>(
            sameParts ? text.size() : static_cast<qsizetype>(perRow * (end - first)));
        text.clear();
        if (static_cast<double>(text.capacity()) < expected * 1.125)
            text.reserve(static_cast<qsizetype>(expected * 1.25));
        RenoutWriter names(*this, text, static_cast<quint32>(part), end - first, stored > 0);
        write(first, end, names);
    });
    m_renouts = std::move(segments);
    m_renoutRows = count();
    m_looseSegment.reset();
}

void RenameList::setStatuses(const RenamePlan& plan) {
    forRowChunks(count(), [&](qint32 first, qint32 end) {
        for (qint32 row = first; row < end; ++row)
            entry(row).status = plan.status(row);
    });
}

void RenameList::setSelected(qint32 row, bool selected) {
    RenameEntry& e = entry(row);
    if (e.selected == selected)
        return;
    e.selected = selected;
    m_selectedCount += selected ? 1 : -1;
}

void RenameList::append(ListedFile file) {
    RenameEntry& added = m_entries.emplace_back();
    added.directory = std::move(file.directory);
    // A text that holds more than the one name is a listing's, kept whole for the rows of its
    // files; a name of its own is copied, so that no row keeps a string.
    if (file.nameLength == 0 || file.nameLength == file.text.size() ||
        !fitsASegment(file.text.size())) {
        added.filenameAt = looseFilename(file.filename());
        return;
    }
    if (!m_sharedFilenames ||
        m_filenames[*m_sharedFilenames].constData() != file.text.constData()) {
        m_sharedFilenames = static_cast<quint32>(m_filenames.size());
        m_filenameTextChars += file.text.size();
        m_filenames.push_back(std::move(file.text));
        m_filenameUse.push_back(0);
    }
    added.filenameAt = {static_cast<quint32>(file.nameAt), static_cast<quint32>(file.nameLength),
                        *m_sharedFilenames};
    useFilename(added.filenameAt);
}

TextPlace RenameList::looseFilename(QStringView name) {
    if (!m_looseFilenames || !fitsASegment(m_filenames[*m_looseFilenames].size() + name.size())) {
        m_looseFilenames = static_cast<quint32>(m_filenames.size());
        m_filenames.emplace_back();
        m_filenameUse.push_back(0);
    }
    QString& loose = m_filenames[*m_looseFilenames];
    // An empty name is placed at the start, where it stays valid once its text is let go.
    const TextPlace place{static_cast<quint32>(name.isEmpty() ? 0 : loose.size()),
                          static_cast<quint32>(name.size()), *m_looseFilenames};
    loose.append(name);
    m_filenameTextChars += name.size();
    useFilename(place);
    return place;
}

void RenameList::useFilename(const TextPlace& place) {
    m_filenameChars += place.length;
    m_filenameUse[place.segment] += place.length;
}

void RenameList::releaseFilename(const TextPlace& place) {
    m_filenameChars -= place.length;
    qsizetype& use = m_filenameUse[place.segment];
    use -= place.length;
    // A text no row's name lies in is let go at once, unless names are still added to it.
    if (use == 0 && place.segment != m_looseFilenames) {
        if (place.segment == m_sharedFilenames)
            m_sharedFilenames.reset();
        m_filenameTextChars -= m_filenames[place.segment].size();
        m_filenames[place.segment] = QString();
    }
}

void RenameList::dropUnusedFilenames() {
    // Room for a small list's edits, so that it is not copied after every few.
    constexpr qsizetype Slack = 64 * 1024;
    if (m_filenameTextChars <= 2 * m_filenameChars + Slack)
        return;
    const std::vector<QString> texts = std::move(m_filenames);
    const qsizetype chars = m_filenameChars;
    clearFilenames();
    m_filenames.emplace_back().reserve(std::min(chars, static_cast<qsizetype>(LargestSegment)));
    m_filenameUse.push_back(0);
    m_looseFilenames = 0;
    for (RenameEntry& e : m_entries) {
        const TextPlace& place = e.filenameAt;
        e.filenameAt =
            looseFilename(QStringView(texts[place.segment]).sliced(place.start, place.length));
    }
}

void RenameList::clear() {
    m_entries.clear();
    m_renouts.assign(1, {});
    m_renoutRows = 0;
    m_looseSegment.reset();
    clearFilenames();
    m_selectedCount = 0;
}

void RenameList::clearFilenames() {
    m_filenames.clear();
    m_filenameUse.clear();
    m_sharedFilenames.reset();
    m_looseFilenames.reset();
    m_filenameTextChars = 0;
    m_filenameChars = 0;
}

bool RenameList::removeSelected() {
    if (m_selectedCount == 0)
        return false;
    // One compaction pass; `lastRemovedAt` is where the row after the last removed one lands.
    std::size_t kept = 0;
    qint32 lastRemovedAt = 0;
    for (std::size_t row = 0; row < m_entries.size(); ++row) {
        if (m_entries[row].selected) {
            lastRemovedAt = static_cast<qint32>(kept);
            releaseFilename(m_entries[row].filenameAt);
        } else {
            if (kept != row)
                m_entries[kept] = std::move(m_entries[row]);
            ++kept;
        }
    }
    m_entries.resize(kept);
    dropUnusedFilenames();
    m_selectedCount = 0;
    if (count() > 0)
        setSelected(std::min(lastRemovedAt, count() - 1), true);
    return true;
}

void RenameList::moveOnto(qint32 from, qint32 to) {
    RenameEntry& source = entry(from);
    RenameEntry& target = entry(to);
    std::swap(source.directory, target.directory);
    std::swap(source.filenameAt, target.filenameAt);
    std::swap(source.selected, target.selected);
}

std::optional<RowRange> RenameList::moveUp() {
    std::optional<RowRange> changed;
    for (qint32 row = 1; row < count(); ++row) {
        if (at(row).selected && !at(row - 1).selected) {
            moveOnto(row, row - 1);
            extend(changed, row - 1, row);
        }
    }
    return changed;
}

std::optional<RowRange> RenameList::moveDown() {
    std::optional<RowRange> changed;
    for (qint32 row = count() - 2; row >= 0; --row) {
        if (at(row).selected && !at(row + 1).selected) {
            moveOnto(row, row + 1);
            extend(changed, row, row + 1);
        }
    }
    return changed;
}

// Repeating the one-place moves until they stop gives exactly a stable partition of the rows up
// to the farthest selected one; the renout cells belong to positions and stay.
std::optional<RowRange> RenameList::partition(qint32 first, qint32 last, bool selectedFirst) {
    const auto begin = m_entries.begin() + first;
    const auto end = m_entries.begin() + last + 1;
    const bool alreadyInPlace = std::is_partitioned(
        begin, end, [&](const RenameEntry& e) { return e.selected == selectedFirst; });
    if (alreadyInPlace)
        return std::nullopt;
    std::vector<TextPlace> renouts;
    renouts.reserve(static_cast<std::size_t>(end - begin));
    for (auto it = begin; it != end; ++it)
        renouts.push_back(it->renoutAt);
    std::stable_partition(begin, end,
                          [&](const RenameEntry& e) { return e.selected == selectedFirst; });
    for (auto [it, renout] = std::pair{begin, renouts.begin()}; it != end; ++it, ++renout)
        it->renoutAt = *renout;
    return RowRange{first, last};
}

std::optional<RowRange> RenameList::moveToFirst() {
    if (m_selectedCount == 0)
        return std::nullopt;
    const auto lastSelected = std::find_if(m_entries.rbegin(), m_entries.rend(),
                                           [](const RenameEntry& e) { return e.selected; });
    return partition(0, static_cast<qint32>(m_entries.rend() - lastSelected) - 1, true);
}

std::optional<RowRange> RenameList::moveToLast() {
    if (m_selectedCount == 0)
        return std::nullopt;
    const auto firstSelected = std::find_if(m_entries.begin(), m_entries.end(),
                                            [](const RenameEntry& e) { return e.selected; });
    return partition(static_cast<qint32>(firstSelected - m_entries.begin()), count() - 1, false);
}

void RenameList::setAllSelected(bool selected) {
    for (RenameEntry& e : m_entries)
        e.selected = selected;
    m_selectedCount = selected ? count() : 0;
}

void RenameList::selectAll() {
    setAllSelected(true);
}

void RenameList::deselectAll() {
    setAllSelected(false);
}

void RenameList::invertSelection() {
    for (RenameEntry& e : m_entries)
        e.selected = !e.selected;
    m_selectedCount = count() - m_selectedCount;
}

void RenameList::sortBy(ListColumn column, Qt::SortOrder order) {
    const auto byRow = [](quint32 a, quint32 b) {
        return a < b;
    };
    // The rows of one folder share its directory, and every row of one status its text.
    const SharedTexts shared = column == ListColumn::Directory || column == ListColumn::Status
                                   ? SharedTexts::Anywhere
                                   : SharedTexts::Consecutive;
    const auto orderBy = [&](const auto& textAt) {
        if (columnLayout(column).sortType == SortType::Natural)
            return keyOrder(naturalSortKeys(m_entries.size(), textAt, shared), order, byRow);
        return keyOrder(plainSortKeys(m_entries.size(), textAt, shared), order, byRow);
    };
    const auto textAt = [&](auto text) {
        return [this, text](std::size_t row) {
            return (this->*text)(static_cast<qint32>(row));
        };
    };
    const std::vector<quint32> sorted =
        column == ListColumn::Renout     ? orderBy(textAt(&RenameList::renout))
        : column == ListColumn::Filename ? orderBy(textAt(&RenameList::filename))
                                         : orderBy([&](std::size_t row) -> const QString& {
                                               return storedCell(m_entries[row], column);
                                           });
    // In place, cycle by cycle: a second array of a million rows would double the list's memory.
    // A cycle jumps about the list, so the row a few steps on is asked for early.
    constexpr int StepsAhead = 4;
    const auto prefetchRow = [&](std::size_t row) {
        const auto* bytes = reinterpret_cast<const char*>(&m_entries[row]);
        __builtin_prefetch(bytes);
        __builtin_prefetch(bytes + sizeof(RenameEntry) - 1);
    };
    std::vector<bool> placed(sorted.size());
    bool moved = false;
    for (std::size_t start = 0; start < sorted.size(); ++start) {
        if (placed[start] || sorted[start] == start)
            continue;
        moved = true;
        RenameEntry held = std::move(m_entries[start]);
        std::size_t at = start;
        std::size_t ahead = start;
        for (int step = 0; step < StepsAhead; ++step)
            ahead = sorted[ahead];
        while (sorted[at] != start) {
            ahead = sorted[ahead];
            prefetchRow(ahead);
            m_entries[at] = std::move(m_entries[sorted[at]]);
            placed[at] = true;
            at = sorted[at];
        }
        m_entries[at] = std::move(held);
        placed[at] = true;
    }
    if (moved)
        relayLooseFilenames();
}

void RenameList::relayLooseFilenames() {
    // Only where most names are loose: the pass reads every row.
    if (!m_looseFilenames || 2 * m_filenameUse[*m_looseFilenames] < m_filenameChars)
        return;
    const quint32 loose = *m_looseFilenames;
    const QString& before = m_filenames[loose];
    const auto isLoose = [&](const TextPlace& place) {
        return place.segment == loose && place.length > 0;
    };
    // Each chunk of rows lays its names at the place the chunks before it leave off.
    std::vector<qsizetype> chunkStarts(static_cast<std::size_t>(rowChunkCount(count())) + 1);
    forRowChunks(count(), [&](qint32 chunk, qint32 first, qint32 end) {
        qsizetype length = 0;
        for (qint32 row = first; row < end; ++row) {
            if (const TextPlace& place = at(row).filenameAt; isLoose(place))
                length += place.length;
        }
        chunkStarts[static_cast<std::size_t>(chunk) + 1] = length;
    });
    std::partial_sum(chunkStarts.begin(), chunkStarts.end(), chunkStarts.begin());
    QString laid(chunkStarts.back(), Qt::Uninitialized);
    QChar* const out = laid.data();
    forRowChunks(count(), [&](qint32 chunk, qint32 first, qint32 end) {
        qsizetype start = chunkStarts[static_cast<std::size_t>(chunk)];
        for (qint32 row = first; row < end; ++row) {
            // Not beyond the chunk: the rows there are another thread's to write.
            if (row + NamesAhead < end)
                prefetchFilename(row + NamesAhead);
            TextPlace& place = entry(row).filenameAt;
            if (!isLoose(place))
                continue;
            std::copy_n(before.constData() + place.start, place.length, out + start);
            place.start = static_cast<quint32>(start);
            start += place.length;
        }
    });
    m_filenameTextChars += laid.size() - before.size();
    m_filenames[loose] = std::move(laid);
}

} // namespace quillane
