#pragma once

#include <QStringList>

namespace quillane {

// The entries of the "Ren Format: " list, in CaseMode order.
const QStringList& caseModeEntries();

// The entries of the date/time list, in StampFormat order.
const QStringList& stampFormatEntries();

// The entries of the stamp's source list, in StampMoment order.
const QStringList& stampSourceEntries();

} // namespace quillane
