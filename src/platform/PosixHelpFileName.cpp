#include "platform/HelpFileName.h"

namespace quillane {

QString helpFileName() {
    return QStringLiteral("Quillane.html");
}

} // namespace quillane
