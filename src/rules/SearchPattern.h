#pragma once

#include <QString>
#include <QStringView>

#include <memory>

struct pcre2_real_code_16;

namespace quillane {

// The search text of the replace chain's first step read as a Perl-compatible regular
// expression, compiled once for a whole refresh and shared by every copy of the rules. Matching
// goes to PCRE2 directly: Qt's wrapper allocates several times per match, which costs more than
// the match itself on a file name.
class SearchPattern {
public:
    // No pattern: replaces nothing.
    SearchPattern() = default;
    SearchPattern(const QString& what, bool ignoreCase);

    bool isCompiled() const { return m_code != nullptr; }
    // Why the text does not compile, with the place in it; empty when it compiles.
    const QString& problem() const { return m_problem; }

    // Every match in `text` replaced by `with`, scanning from the left, where $0 stands for the
    // whole match and $1 to $9 for its groups (a group that took no part stands for nothing).
    // A name on which matching fails, for example because it would backtrack without end, is
    // left as it is.
    QString replaced(const QString& text, QStringView with) const;

private:
    std::shared_ptr<pcre2_real_code_16> m_code;
    QString m_problem;
};

} // namespace quillane
