#pragma once
// Right-trimming as the reports and the calculator do it: trailing blanks only.
#include <QString>

namespace vinaxo {

inline QString RightTrimmed(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return n == s.size() ? s : s.left(n);
}

} // namespace vinaxo
