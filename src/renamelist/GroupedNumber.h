#pragma once

#include <QString>
#include <QtGlobal>

namespace quillane {

// A count as the user's locale writes it, such as "4,998".
QString grouped(qint64 number);

} // namespace quillane
