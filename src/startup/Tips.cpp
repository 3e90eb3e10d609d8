#include "startup/Tips.h"

namespace quillane {

QStringList tipsFromText(const QString& text) {
    QStringList tips;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == u'\r')
            --lineEnd;
        tips.append(text.sliced(start, lineEnd - start));
        start = end + 1;
    }
    return tips;
}

std::optional<QStringList> LoadTips(const QString& path, FileSystem& files) {
    if (path.isEmpty())
        return std::nullopt;
    const TextFileResult read = files.readTextFile(path);
    if (!read.result.ok())
        return std::nullopt;
    return tipsFromText(read.text);
}

qsizetype pickTip(qsizetype count, QRandomGenerator& random) {
    return static_cast<qsizetype>(random.bounded(static_cast<quint64>(count)));
}

} // namespace quillane
