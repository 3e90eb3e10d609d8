#include "platform/WildcardPattern.h"

namespace quillane {

namespace {

bool sameCharacter(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

bool matchesWildcard(QStringView name, QStringView pattern) {
    if (pattern == u"*.*")
        pattern = u"*";
    // Greedy match with one backtrack point: linear for patterns with a single star run.
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || sameCharacter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace quillane
