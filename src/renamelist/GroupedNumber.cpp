#include "renamelist/GroupedNumber.h"

#include <QLocale>

namespace quillane {

// The C locale groups no digits, so English stands in for it.
QString grouped(qint64 number) {
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    return locale.toString(number);
}

} // namespace quillane
