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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quillane
