#pragma once

#include "platform/PathText.h"
#include "renamelist/RenameList.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillane {

// A folder of small files named "name=content", and a list of them to rename.
class RunFolder {
public:
    explicit RunFolder(const QStringList& files) {
        for (const QString& file : files) {
            const QStringList parts = file.split(u'=');
            QDir(dir.path()).mkpath(QFileInfo(parts[0]).path());
            QFile out(dir.filePath(parts[0]));
            EXPECT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(parts.value(1).toUtf8());
        }
    }

    QString path() const { return dir.path(); }

    // A new file in the folder, or one written over, as a user or another program might.
    void write(const QString& name, const QByteArray& content) const {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Every file below the folder as "relative/name=content", sorted.
    QStringList contents() const {
        QStringList found;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            QFile in(file);
            EXPECT_TRUE(in.open(QIODevice::ReadOnly));
            found.append(QDir(dir.path()).relativeFilePath(file) + u'=' +
                         QString::fromUtf8(in.readAll()));
        }
        found.sort();
        return found;
    }

    QTemporaryDir dir;
};

// The words of a table's cell, separated by spaces.
inline QStringList words(const char* text) {
    return QString::fromUtf8(text).split(u' ', Qt::SkipEmptyParts);
}

// "old>new" rows, "sub/old>new" for a file in a subfolder.
inline RenameList listOf(const RunFolder& folder, const QStringList& renames) {
    RenameList list;
    for (const QString& rename : renames) {
        const QStringList parts = rename.split(u'>');
        const QString path = folder.dir.filePath(parts[0]);
        list.append(folderOf(path), fileNameOf(path));
        list.setCell(list.count() - 1, ListColumn::Renout, parts.value(1));
    }
    return list;
}

} // namespace quillane
