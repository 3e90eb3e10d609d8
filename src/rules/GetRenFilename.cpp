#include "rules/GetRenFilename.h"

#include "rules/AffixValue.h"
#include "rules/CaseModes.h"
#include "rules/ReplaceChain.h"
#include "rules/TextBuffer.h"

#include <QStringView>

namespace quillane {

namespace {

QString stampOf(const RenameRuleSet& rules, const DateTimeStamper& stamper, FileDates dates) {
    qint32 minutes = dates.modified;
    switch (rules.StampSource) {
    case StampMoment::Now:
        return stamper.stampNow(rules.StampFormat);
    case StampMoment::FileModified:
        break;
    case StampMoment::PhotoTaken:
        // A file that tells no time taken falls back to its modification time.
        if (dates.taken != FileDates::None)
            minutes = dates.taken;
        break;
    }
    const std::optional<LocalDateTime> moment = FileDates::momentOf(minutes);
    return moment ? stamper.stampAt(rules.StampFormat, *moment) : QString();
}

} // namespace

QString GetRenFilename(QStringView FilenameIn, qint32 ListIndex, const RenameRuleSet& rules,
                       const DateTimeStamper& stamper, FileDates dates) {
    TextBuffer name;
    BuildRenFilename(name, FilenameIn, ListIndex, rules, stamper, dates);
    return name.toString();
}

void BuildRenFilename(TextBuffer& name, QStringView FilenameIn, qint32 ListIndex,
                      const RenameRuleSet& rules, const DateTimeStamper& stamper, FileDates dates) {
    const qsizetype lastDot = FilenameIn.lastIndexOf(u'.');

    // A base no rule changes is only read: no copy of it, and no count of a text the rule set
    // shares with the other cores.
    QString changed;
    QStringView base;
    if (rules.NewFilenameOn) {
        base = rules.NewFilename;
    } else {
        base = lastDot < 0 ? FilenameIn : FilenameIn.first(lastDot);
        if (rules.ReplaceOn) {
            changed = ApplyReplaceChain(base.toString(), rules);
            base = changed;
        }
    }

    QStringView extension;
    if (rules.NewExtensionOn)
        extension = rules.NewExtension;
    else if (lastDot >= 0)
        extension = FilenameIn.sliced(lastDot + 1);

    // After the replace chain, so that searches compare against the name as it was.
    if (rules.CaseMode != 0) {
        changed = ApplyCaseMode(rules.CaseMode, base.toString());
        base = changed;
    }
    const QString stamp = rules.StampOn ? stampOf(rules, stamper, dates) : QString();

    if (rules.StampAsPrefix)
        name << stamp;
    appendAffixValue(name, rules.Prefix, ListIndex);
    name << base;
    appendAffixValue(name, rules.Suffix, ListIndex);
    if (!rules.StampAsPrefix)
        name << stamp;
    if (!extension.isEmpty())
        name << QChar(u'.') << extension;
}

} // namespace quillane
