#pragma once

#include "rules/DateTimeStamper.h"
#include "rules/FileDates.h"
#include "rules/RenameRuleSet.h"
#include "rules/TextBuffer.h"

#include <QString>
#include <QtGlobal>

namespace quillane {

// The new name of a file called FilenameIn (no directory) at list position ListIndex (0 for the
// first row): [stamp] prefix base suffix [stamp] . extension. Rejects nothing: an empty name, a
// duplicate or characters the file system refuses are returned as they are. A stamp of the
// file's own dates is empty while they are not read.
QString GetRenFilename(QStringView FilenameIn, qint32 ListIndex, const RenameRuleSet& rules,
                       const DateTimeStamper& stamper, FileDates dates = {});
// The same name appended to `name`, so that one buffer serves many names.
void BuildRenFilename(TextBuffer& name, QStringView FilenameIn, qint32 ListIndex,
                      const RenameRuleSet& rules, const DateTimeStamper& stamper, FileDates dates);

} // namespace quillane
