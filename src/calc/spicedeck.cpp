// SPDX-License-Identifier: GPL-3.0-or-later
// The ngspice deck writer shared by the labs' netlists.
#include "calc/spicedeck.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace ohmaris {

namespace {

template <class T>
QString ShortestText(T value)
{
    char buf[64];
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value);
    if (r.ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buf, int(r.ptr - buf));
}

// Width of one printed number ("-1.234567890123e+00" and a tab) and of the
// name before an array; the print width keeps an array on one line.
constexpr int kNumberWidth = 24;
constexpr int kNameWidth = 48;

} // namespace

QString SpiceNumber(double value)
{
    return ShortestText(value);
}

QString SpiceNumber(float value)
{
    return ShortestText(value);
}

QString ActivePowerExpression(const QString &voltage, const QString &current)
{
    return QStringLiteral("real(%1)*real(%2)+imag(%1)*imag(%2)").arg(voltage, current);
}

SpiceDeck::SpiceDeck(const QString &title)
    : title_(title)
{
    Comment(QStringLiteral("Written by ohmaris-calc --netlist; run it with: ngspice -b FILE"));
}

void SpiceDeck::Comment(const QString &text)
{
    cards_ << (text.isEmpty() ? QStringLiteral("*") : QStringLiteral("* ") + text);
}

void SpiceDeck::Card(const QString &card, const QString &comment)
{
    cards_ << (comment.isEmpty() ? card : card + QStringLiteral(" $ ") + comment);
}

void SpiceDeck::Switch(const QString &name, int state, const QString &from, const QString &to, const QString &what)
{
    if (state != 0)
        Card(QStringLiteral("V%1 %2 %3 0").arg(name, from, to), QStringLiteral("%1 closed: a wire (%2)").arg(name, what));
    else
        Comment(QStringLiteral("%1 open: left out (%2)").arg(name, what));
}

void SpiceDeck::Command(const QString &command, const QString &comment)
{
    if (!comment.isEmpty())
        commands_ << QStringLiteral("* ") + comment;
    commands_ << command;
}

void SpiceDeck::Quantity(const QString &name, const QString &expression, const QString &comment)
{
    Command(QStringLiteral("let %1 = %2").arg(name, expression), comment);
    printed_.append({name, 1});
}

void SpiceDeck::Quantity(const QString &name, const QStringList &expressions, const QString &comment)
{
    Command(QStringLiteral("let %1 = vector(%2)").arg(name).arg(expressions.size()), comment);
    for (qsizetype i = 0; i < expressions.size(); ++i)
        commands_ << QStringLiteral("let %1[%2] = %3").arg(name).arg(i).arg(expressions.at(i));
    printed_.append({name, int(std::max<qsizetype>(2, expressions.size()))});
}

void SpiceDeck::VectorQuantity(const QString &name, int length, const QString &expression, const QString &comment)
{
    Command(QStringLiteral("let %1 = %2").arg(name, expression), comment);
    printed_.append({name, std::max(2, length)});
}

QString SpiceDeck::Text() const
{
    int longest = 1;
    for (const Printed &p : printed_)
        longest = std::max(longest, p.length);

    QStringList lines;
    lines << title_ << cards_;
    lines << QStringLiteral(".control")
          << QStringLiteral("* Twelve significant digits")
          << QStringLiteral("set numdgt=12")
          << QStringLiteral("* A line wide enough for the longest array")
          << QStringLiteral("set width=%1").arg(std::max(80, kNameWidth + kNumberWidth * longest))
          << commands_;
    if (!printed_.isEmpty()) {
        lines << QStringLiteral("* The quantities, under the calculator's names (ngspice prints them in lower case)");
        for (const Printed &p : printed_)
            lines << (p.length == 1 ? QStringLiteral("print %1") : QStringLiteral("print line %1")).arg(p.name);
    }
    lines << QStringLiteral("* Done: leave ngspice with status 0") << QStringLiteral("quit 0")
          << QStringLiteral(".endc") << QStringLiteral(".end");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace ohmaris
