#pragma once

#include "renamelist/ListColumns.h"
#include "renamelist/RenameEntry.h"
#include "rules/TextBuffer.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace quillane {

class RenamePlan;

// Rows first to last (counted from 0) whose cells or selected flags a command changed.
struct RowRange {
    qint32 first;
    qint32 last;
    friend bool operator==(const RowRange&, const RowRange&) = default;
};

// The ordered list of files the next rename run processes, with each row's selected flag, and
// the commands that edit it. Rows are counted from 0 here; the list shows them from 1.
// Every command but the sort is linear in the list's length.
class RenameList {
public:
    qint32 count() const { return static_cast<qint32>(m_entries.size()); }
    qint32 selectedCount() const { return m_selectedCount; }

    const RenameEntry& at(qint32 row) const { return m_entries[static_cast<std::size_t>(row)]; }
    // The row's name, as long as no name is added or written.
    QStringView filename(qint32 row) const {
        const TextPlace& place = at(row).filenameAt;
        return QStringView(m_filenames[place.segment]).sliced(place.start, place.length);
    }
    // The row's file's whole path.
    QString pathOf(qint32 row) const;
    // The row's new name, as long as no new name is written.
    QStringView renout(qint32 row) const {
        const TextPlace& place = at(row).renoutAt;
        return {m_renouts[place.segment].data() + place.start, place.length};
    }
    // After a sort the rows' names lie anywhere in memory: a pass over the rows asks for the
    // characters of the row `NamesAhead` on, so that the loads of several rows overlap.
    static constexpr qint32 NamesAhead = 8;
    void prefetchNames(qint32 row) const {
        prefetchFilename(row);
        if (row < count())
            __builtin_prefetch(renout(row).data());
    }
    // For the pass that writes the new names: where the old ones lie is being written over.
    void prefetchFilename(qint32 row) const {
        if (row < count())
            __builtin_prefetch(filename(row).constData());
    }
    QString cell(qint32 row, ListColumn column) const;
    void setCell(qint32 row, ListColumn column, QString text);

    // Gives rows their new names, each row once and in order, within one part of the list.
    class RenoutWriter {
    public:
        // The row's name is what `append(text)` appends to the text.
        template <typename Append> void write(qint32 row, const Append& append) {
            const qsizetype start = m_text.size();
            append(m_text);
            m_list.entry(row).renoutAt = {static_cast<quint32>(start),
                                          static_cast<quint32>(m_text.size() - start), m_segment};
            if (++m_written == SampleRows && !m_sized)
                makeRoom();
        }

    private:
        friend class RenameList;
        // A segment not sized by the names before gets room for the part's names, judged by its
        // first rows, so that it grows once and not by doubling, which holds two copies at once.
        static constexpr qint32 SampleRows = 1024;
        void makeRoom() {
            m_text.reserve(static_cast<qsizetype>(static_cast<double>(m_text.size()) / SampleRows *
                                                  m_rows * 1.25));
        }
        RenoutWriter(RenameList& list, TextBuffer& text, quint32 segment, qint32 rows, bool sized)
            : m_list(list), m_text(text), m_segment(segment), m_rows(rows), m_sized(sized) {}
        RenameList& m_list;
        TextBuffer& m_text;
        quint32 m_segment;
        qint32 m_rows;
        bool m_sized;
        qint32 m_written = 0;
    };
    // Every row's new name anew, laid out in row order, so that a refresh allocates nothing per
    // row and later passes read the names in the order they lie. The rows are shared out among
    // the cores in parts; `write` names every row of the part it is given, and reads no new name
    // meanwhile: the old ones are written over.
    void
    setRenouts(const std::function<void(qint32 first, qint32 end, RenoutWriter& names)>& write);
    void setSelected(qint32 row, bool selected);
    void setDates(qint32 row, FileDates dates) { entry(row).dates = dates; }
    // Every row's status as the plan, made for this list as it stands, says.
    void setStatuses(const RenamePlan& plan);

    // `file.directory` is expected in directory-cell form; callers adding many files from one
    // folder pass the same string, so the rows share it.
    void append(ListedFile file);
    void append(QString directory, QString filename) {
        append(ListedFile(std::move(directory), std::move(filename)));
    }
    // Room for `count` entries in all, so that a large batch is stored without spare space.
    void reserve(qint32 count) { m_entries.reserve(static_cast<std::size_t>(count)); }
    void clear();

    // Removes the selected rows, then selects the row that followed the last removed one, or the
    // new last row. Returns whether anything was removed.
    bool removeSelected();

    // Each selected row whose neighbour in that direction is free moves one place; blocks move
    // as a whole. Directory and filename move with the selection; the renout cells stay.
    std::optional<RowRange> moveUp();
    std::optional<RowRange> moveDown();
    // The selected rows to the top (bottom), each group keeping its order.
    std::optional<RowRange> moveToFirst();
    std::optional<RowRange> moveToLast();

    void selectAll();
    void deselectAll();
    void invertSelection();

    // A stable sort of whole rows; directory and filename compare as people read them (case
    // ignored, numbers by value), renout as plain text.
    void sortBy(ListColumn column, Qt::SortOrder order);

private:
    RenameEntry& entry(qint32 row) { return m_entries[static_cast<std::size_t>(row)]; }
    void writeRenout(qint32 row, QStringView name);
    TextPlace looseFilename(QStringView name);
    void useFilename(const TextPlace& place);
    void releaseFilename(const TextPlace& place);
    void dropUnusedFilenames();
    void clearFilenames();
    // The names of the loose text laid out in row order, so that the passes after a sort read
    // them in the order they lie, as before it.
    void relayLooseFilenames();
    void moveOnto(qint32 from, qint32 to);
    std::optional<RowRange> partition(qint32 first, qint32 last, bool selectedFirst);
    void setAllSelected(bool selected);

    std::vector<RenameEntry> m_entries;
    // The new names, each row's at its place. A refresh writes one segment for each part of the
    // list; a name written alone goes over its old one where it fits, or at the end of the loose
    // segment. What no row points at any more is dropped by the next refresh.
    std::vector<TextBuffer> m_renouts{1};
    std::optional<quint32> m_looseSegment;
    qint32 m_renoutRows = 0; // the rows of the refresh that wrote the segments
    // The names: texts that folder listings share with the list, each kept whole, and loose ones
    // for names added or written one at a time. A text no row's name lies in is dropped, and the
    // rest are copied into one once what no row needs outweighs what rows do.
    std::vector<QString> m_filenames;
    std::optional<quint32> m_sharedFilenames; // the listing's text the last rows added lie in
    std::optional<quint32> m_looseFilenames;
    std::vector<qsizetype> m_filenameUse; // the characters the rows' names take in each text
    qsizetype m_filenameTextChars = 0;
    qsizetype m_filenameChars = 0; // those the rows' names take in all
    qint32 m_selectedCount = 0;
};

} // namespace quillane
