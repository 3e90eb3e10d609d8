#pragma once

#include "gathering/FileFilterSet.h"

#include <QList>

namespace quillane {

// What pressing "add" did with the two inputs.
enum class FilterAddOutcome { Added, NeedFileType, NeedDescription, NothingToAdd };

// The filters being edited in the custom file filter dialog, each with its selected flag.
class FilterListEditor {
public:
    struct Entry {
        FileFilter filter;
        bool selected = false;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    explicit FilterListEditor(const FileFilterSet& set = {});

    const QList<Entry>& entries() const { return m_entries; }
    FileFilterSet filterSet() const;
    bool isEmpty() const { return m_entries.isEmpty(); }

    void setSelected(qsizetype index, bool selected) { m_entries[index].selected = selected; }
    void selectAll(bool selected);

    // Appends a filter unless a half is missing; the patterns hint counts as missing patterns.
    FilterAddOutcome add(const QString& description, const QString& patterns);
    // False when nothing was selected.
    bool removeSelected();
    // Each selected entry moves one place, selected blocks as a whole; false when the list is
    // empty or nothing is selected.
    bool moveUp();
    bool moveDown();
    // The default filters, the first one selected.
    void reset();

private:
    bool anySelected() const;

    QList<Entry> m_entries;
};

} // namespace quillane
