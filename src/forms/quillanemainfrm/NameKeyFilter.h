#pragma once

#include <QObject>

namespace quillane {

// Drops typed characters that no file name may hold before a text box sees them. Pasted text
// is not filtered.
class NameKeyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    static bool isForbiddenInNames(QChar c);
    // A box that takes a pattern rather than name text takes every character.
    static void setTakesAnyText(QObject* box, bool anyText);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quillane
