// SPDX-License-Identifier: GPL-3.0-or-later
// The command line every tool shares: QCommandLineParser with --help and
// --version, a usage text that lists every option, and a refusal as one
// line on stderr with exit status 2. A tool adds its options and reads
// their values; adding an option is one Add() and one isSet(), value() or values().
#pragma once

#include "calc/labcalc.h"
#include "ohmaris_version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace ohmaris::tools {

// Exit status of a command line a tool refuses.
inline constexpr int kUsageError = 2;

class CommandLine {
public:
    enum class Result { Run, Help, Version, Refused };

    // `tool`: the program's name; `synopsis`: what follows it in the usage
    // line ("[OPTIONS] OUTDIR [SHEET ...]"); `about`: what the tool does, in
    // a few lines ending in a line feed.
    CommandLine(QString tool, QString synopsis, QString about)
        : m_tool(std::move(tool)), m_synopsis(std::move(synopsis)), m_about(std::move(about))
    {
        Add(m_help);
        Add(m_version);
    }

    // Adds an option to the parser and to the usage text.
    void Add(const QCommandLineOption &option)
    {
        m_parser.addOption(option);
        m_options << option;
    }
    const QList<QCommandLineOption> &options() const { return m_options; }
    // What the usage says --help does, when a tool's help is more than
    // the usage.
    void DescribeHelp(const QString &description) { m_options.first().setDescription(description); }

    // Parses `args`, the words after the program's name. After Refused,
    // Refusal() holds the line that says why.
    Result Parse(const QStringList &args)
    {
        if (!m_parser.parse(QStringList{m_tool} + args)) {
            const QStringList unknown = m_parser.unknownOptionNames();
            if (!unknown.isEmpty()) {
                m_refusal = QStringLiteral("unknown option %1").arg(QuotedArgument(Dashed(unknown.first())));
            } else {
                m_refusal = m_parser.errorText();
                if (m_refusal.endsWith(QLatin1Char('.')))
                    m_refusal.chop(1);
                if (!m_refusal.isEmpty())
                    m_refusal[0] = m_refusal[0].toLower();
            }
            return Result::Refused;
        }
        if (m_parser.isSet(m_help))
            return Result::Help;
        if (m_parser.isSet(m_version))
            return Result::Version;
        return Result::Run;
    }

    // For a tool's main(): parses the arguments after the program's name
    // and answers --help and --version on stdout (status 0) and a refusal,
    // or an argument a tool without positional ones was given, on stderr
    // (status 2). Returns that status, or -1 when the tool is to run.
    int ParseForMain(int argc, char **argv, bool takesArguments)
    {
        QStringList args;
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        switch (Parse(args)) {
        case Result::Help: return Print(stdout, Usage(), 0);
        case Result::Version: return Print(stdout, VersionText(), 0);
        case Result::Refused: return Refuse(m_refusal);
        case Result::Run: break;
        }
        if (!takesArguments && !positional().isEmpty())
            return Refuse(QStringLiteral("unexpected argument %1").arg(QuotedArgument(positional().first())));
        return -1;
    }

    bool isSet(const QCommandLineOption &option) const { return m_parser.isSet(option); }
    QString value(const QCommandLineOption &option) const { return m_parser.value(option); }
    // Every value of an option given more than once, in order.
    QStringList values(const QCommandLineOption &option) const { return m_parser.values(option); }
    QStringList positional() const { return m_parser.positionalArguments(); }

    // "usage: TOOL SYNOPSIS", what the tool does, and every option with its
    // value's name and what it does, wrapped to 79 columns.
    QString Usage() const
    {
        QString s = QStringLiteral("usage: %1 %2\n%3\noptions:\n").arg(m_tool, m_synopsis, m_about);
        QStringList heads;
        qsizetype width = 0;
        for (const QCommandLineOption &o : m_options) {
            QStringList names;
            for (const QString &n : o.names())
                names << Dashed(n);
            QString head = names.join(QStringLiteral(", "));
            if (!o.valueName().isEmpty())
                head += QLatin1Char(' ') + o.valueName();
            heads << head;
            width = std::max(width, head.size());
        }
        for (qsizetype i = 0; i < m_options.size(); ++i)
            s += Wrapped(QStringLiteral("  ") + heads.at(i).leftJustified(width) + QStringLiteral("  "),
                         m_options.at(i).description(), 79);
        return s;
    }

    // `text` after `start`, its words wrapped to `columns`, the lines after
    // the first indented as far as `start` is long; ends in a line feed.
    static QString Wrapped(const QString &start, const QString &text, qsizetype columns)
    {
        QString s;
        QString line = start;
        const qsizetype indent = start.size();
        for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (line.size() > indent && line.size() + 1 + word.size() > columns) {
                s += line + QLatin1Char('\n');
                line = QString(indent, QLatin1Char(' '));
            }
            if (line.size() > indent)
                line += QLatin1Char(' ');
            line += word;
        }
        return s + line + QLatin1Char('\n');
    }

    // "TOOL VERSION", one line.
    QString VersionText() const { return QStringLiteral("%1 %2\n").arg(m_tool, QLatin1String(kVersionText)); }

    // A refusal as the tool prints it: "TOOL: message", one line whatever
    // the message holds. Messages quote what they echo (QuotedArgument);
    // a control or line-breaking character that still reaches here is
    // escaped all the same, so stderr never gets a second line.
    QString RefusalLine(const QString &message) const
    {
        QString line;
        for (const QChar c : message) {
            switch (c.category()) {
            case QChar::Other_Control:
            case QChar::Other_Format:
            case QChar::Separator_Line:
            case QChar::Separator_Paragraph:
                line += c == QLatin1Char('\n')   ? QStringLiteral("\\n")
                        : c == QLatin1Char('\r') ? QStringLiteral("\\r")
                                                 : QStringLiteral("\\u{%1}").arg(c.unicode(), 4, 16, QLatin1Char('0'));
                break;
            default:
                line += c;
            }
        }
        return QStringLiteral("%1: %2\n").arg(m_tool, line);
    }
    // Why the last Parse() refused the command line.
    const QString &Refusal() const { return m_refusal; }

    // Prints `message` as a refusal on stderr; returns kUsageError.
    int Refuse(const QString &message) const { return Print(stderr, RefusalLine(message), kUsageError); }

    // An option's name as it is typed: "-h", "--help".
    static QString Dashed(const QString &name)
    {
        return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }

private:
    static int Print(FILE *f, const QString &text, int status)
    {
        const QByteArray bytes = text.toLocal8Bit();
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), f);
        std::fflush(f);
        return status;
    }

    QString m_tool, m_synopsis, m_about;
    QCommandLineParser m_parser;
    QList<QCommandLineOption> m_options;
    QCommandLineOption m_help{{QStringLiteral("h"), QStringLiteral("help")},
                              QStringLiteral("Print this help and exit.")};
    QCommandLineOption m_version{{QStringLiteral("v"), QStringLiteral("version")},
                                 QStringLiteral("Print the version and exit.")};
    QString m_refusal;
};

} // namespace ohmaris::tools
