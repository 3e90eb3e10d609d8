#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace quillane {

// One file type offered by the add-files dialog.
struct FileFilter {
    QString Description;
    QString Patterns; // wildcard patterns separated by ","

    // "Description (Patterns)", as the filter is listed to the user.
    QString label() const;
    // With neither half the entry counts as absent.
    bool isEmpty() const { return Description.isEmpty() && Patterns.isEmpty(); }
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// The user's file types in the order the add-files dialog offers them.
class FileFilterSet {
public:
    FileFilterSet() = default;
    explicit FileFilterSet(QList<FileFilter> filters) : m_filters(std::move(filters)) {}

    // All Files, Jpeg and Mpeg, the set a new or repaired store receives.
    static FileFilterSet defaults();

    const QList<FileFilter>& filters() const { return m_filters; }
    qint32 count() const { return static_cast<qint32>(m_filters.size()); }

    QStringList labels() const;
    // Label and patterns of each filter, all joined by "|", with the patterns separated by ";".
    QString BuildDialogFilter() const;
    // The same filters as Qt's file dialog takes them, one entry each: "Jpeg (*.jpg *.jpeg)".
    QStringList dialogFilters() const;

    friend bool operator==(const FileFilterSet&, const FileFilterSet&) = default;

private:
    QList<FileFilter> m_filters;
};

} // namespace quillane
