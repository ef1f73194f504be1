// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz harnesses share: a broken promise prints what broke and
// aborts, which libFuzzer (and the replay driver) report as a crash.
#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace ohmaris::fuzz {

[[noreturn]] inline void Broken(const char *file, int line, const char *condition, const QString &detail)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toUtf8().constData());
    std::abort();
}

// A text for the report, with line breaks and controls visible.
inline QString Shown(const QString &text)
{
    QString s;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            s += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            s += c;
    }
    return QLatin1Char('"') + s + QLatin1Char('"');
}

} // namespace ohmaris::fuzz

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::ohmaris::fuzz::Broken(__FILE__, __LINE__, #condition, (detail));                     \
    } while (false)
