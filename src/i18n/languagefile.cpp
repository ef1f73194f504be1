// SPDX-License-Identifier: GPL-3.0-or-later
// Language-file reader: encoding detection, the two Windows code pages, the
// field reader and the block layout check.
#include "i18n/languagefile.h"
#include "calc/boundedfile.h"
#include "ohmaris_version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ohmaris {

namespace {

// Upper halves (0x80..0xFF) of the two code pages. Bytes the code page leaves
// undefined map to the C1 control of the same number, as Windows maps them;
// a file holding one is refused.
constexpr std::array<char16_t, 128> kWindows1251{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

constexpr std::array<char16_t, 128> kWindows1252{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, // C8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, // E8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF, // F8
};

QString DecodeCodePage(QByteArrayView bytes, const std::array<char16_t, 128> &upper)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(QChar(b < 0x80 ? char16_t(b) : upper[b - 0x80]));
    }
    return text;
}

QString &DirectoryOverride()
{
    static QString directory;
    return directory;
}

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool IsLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// The 1-based line of a byte and its 1-based place within the line,
// counting CR LF, LF and a lone CR as one line end each, as the field reader
// does.
struct LineColumn {
    int line = 1;
    int column = 1;
};
LineColumn LineColumnAt(QByteArrayView bytes, qsizetype offset)
{
    LineColumn at;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < offset; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
            ++at.line;
            lineStart = i + 1;
        }
    }
    at.column = int(offset - lineStart + 1);
    return at;
}

// The continuation bytes a lead byte takes, and the range of the first of
// them (the narrower ranges rule out overlong forms, surrogates and code
// points above U+10FFFF). `extra` is 0 for a byte that starts no character.
struct Utf8Lead {
    int extra = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
};
Utf8Lead LeadOf(unsigned char b)
{
    if (b >= 0xC2 && b <= 0xDF)
        return {1, 0x80, 0xBF};
    if (b == 0xE0)
        return {2, 0xA0, 0xBF};
    if (b == 0xED)
        return {2, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF)
        return {2, 0x80, 0xBF};
    if (b == 0xF0)
        return {3, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3)
        return {3, 0x80, 0xBF};
    if (b == 0xF4)
        return {3, 0x80, 0x8F};
    return {};
}

// How many of the bytes after the lead at `start` continue its character,
// leaving out the byte at `skip` (-1: none); stops at the first that does
// not, or at the end.
int Continuations(QByteArrayView bytes, qsizetype start, const Utf8Lead &lead, qsizetype skip = -1)
{
    int count = 0;
    for (qsizetype p = start + 1; count < lead.extra && p < bytes.size(); ++p) {
        if (p == skip)
            continue;
        const auto b = static_cast<unsigned char>(bytes[p]);
        const bool fits = count == 0 ? b >= lead.low && b <= lead.high : (b & 0xC0) == 0x80;
        if (!fits)
            break;
        ++count;
    }
    return count;
}

// A file is read as its code page only when the places where UTF-8 breaks
// are at least this many times its valid multi-byte characters.
constexpr qsizetype kCodePageBreaksPerSequence = 10;

// Sequential field reader over the decoded text of one file.
class FieldReader {
public:
    FieldReader(const QString &text, const QString &fileName) : m_text(text), m_file(fileName) {}

    // Reads item `item` of block `block`; on failure fills m_error.
    bool readItem(int block, int item, QString &out)
    {
        if (m_lineStart && restOfLineIsBlank()) {
            if (atEnd() || restIsBlank())
                return fail(block, item, QStringLiteral("the file ends before this item (too few items)"));
            return fail(block, item,
                        QStringLiteral("an empty line stands where this item was expected "
                                       "(too few items in block %1, or an extra empty line)")
                            .arg(block));
        }
        m_itemLine = m_line;
        m_itemAfterComma = !m_lineStart;
        skipBlanks();
        if (atEnd())
            return fail(block, item, QStringLiteral("the file ends before this item (too few items)"));

        if (peek() == QLatin1Char('"')) {
            ++m_pos;
            const qsizetype start = m_pos;
            while (!atEnd() && peek() != QLatin1Char('"') && !IsLineEnd(peek()))
                ++m_pos;
            if (atEnd() || peek() != QLatin1Char('"'))
                return fail(block, item, QStringLiteral("the closing double quote is missing"));
            out = m_text.mid(start, m_pos - start);
            ++m_pos;
            skipBlanks();
            if (!atEnd() && peek() != QLatin1Char(',') && !IsLineEnd(peek()))
                return fail(block, item, QStringLiteral("text follows the closing double quote"));
        } else {
            const qsizetype start = m_pos;
            while (!atEnd() && peek() != QLatin1Char(',') && !IsLineEnd(peek()))
                ++m_pos;
            qsizetype end = m_pos;
            while (end > start && IsBlank(m_text.at(end - 1)))
                --end;
            out = m_text.mid(start, end - start);
        }
        // A NUL never belongs to a caption: it would cut the text short
        // wherever it is shown, so the file is damaged.
        if (out.contains(QChar(u'\0')))
            return fail(block, item, QStringLiteral("the item holds a NUL character (byte 0)"));
        consumeDelimiter();
        return true;
    }

    // Where a block's items end: at an empty line or at the end of the file.
    bool atBlockEnd() const { return atEnd() || (m_lineStart && restOfLineIsBlank()); }

    // At a block's end: skips the empty line after it, where the next block
    // starts.
    bool skipSeparator(int finishedBlock)
    {
        const int next = finishedBlock + 1;
        if (atEnd())
            return fail(next, 1, QStringLiteral("the file ends before block %1 (too few items)").arg(next));
        skipBlanks();
        consumeDelimiter();
        return true;
    }

    // The line the last item read (or tried) begins on, and whether it
    // begins after a comma rather than at the start of its line.
    int itemLine() const { return m_itemLine; }
    bool itemAfterComma() const { return m_itemAfterComma; }

    bool restIsBlank() const
    {
        for (qsizetype p = m_pos; p < m_text.size(); ++p) {
            if (!IsBlank(m_text.at(p)) && !IsLineEnd(m_text.at(p)))
                return false;
        }
        return true;
    }
    // The line of the first character from here on that is neither a blank
    // nor a line end.
    int contentLine() const
    {
        int line = m_line;
        for (qsizetype p = m_pos; p < m_text.size(); ++p) {
            const QChar c = m_text.at(p);
            if (!IsBlank(c) && !IsLineEnd(c))
                break;
            if (c == QLatin1Char('\n')
                || (c == QLatin1Char('\r') && (p + 1 >= m_text.size() || m_text.at(p + 1) != QLatin1Char('\n'))))
                ++line;
        }
        return line;
    }

    // A fault found by looking further than the items read, placed at `line`.
    LanguageError errorAt(int block, int item, int line, const QString &what) const
    {
        LanguageError e;
        e.file = m_file;
        e.block = block;
        e.item = item;
        e.line = line;
        e.what = what;
        return e;
    }

    LanguageError error() const { return m_error; }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return m_text.at(m_pos); }
    void skipBlanks()
    {
        while (!atEnd() && IsBlank(peek()))
            ++m_pos;
    }
    bool restOfLineIsBlank() const
    {
        qsizetype p = m_pos;
        while (p < m_text.size() && IsBlank(m_text.at(p)))
            ++p;
        return p >= m_text.size() || IsLineEnd(m_text.at(p));
    }
    // Consumes the comma or the line end (CR LF, LF or a lone CR) after an item.
    void consumeDelimiter()
    {
        if (atEnd()) {
            m_lineStart = true;
            return;
        }
        if (peek() == QLatin1Char(',')) {
            ++m_pos;
            m_lineStart = false;
            return;
        }
        if (peek() == QLatin1Char('\r')) {
            ++m_pos;
            if (!atEnd() && peek() == QLatin1Char('\n'))
                ++m_pos;
        } else if (peek() == QLatin1Char('\n')) {
            ++m_pos;
        }
        ++m_line;
        m_lineStart = true;
    }
    bool fail(int block, int item, const QString &what)
    {
        m_error = errorAt(block, item, m_line, what);
        return false;
    }

    const QString &m_text;
    QString m_file;
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_lineStart = true;
    int m_itemLine = 1;
    bool m_itemAfterComma = false;
    LanguageError m_error;
};

struct ItemPlace {
    int item = 0;
    int line = 0;
};

// The items of a block that begin after a comma rather than at the start
// of their line: the first of them, and whether they stand on more than
// one line.
struct CommaItems {
    std::optional<ItemPlace> first;
    bool severalLines = false;
    void note(const ItemPlace &place)
    {
        if (!first)
            first = place;
        else if (place.line != first->line)
            severalLines = true;
    }
};

// Block `block` goes on past its count (`ahead` stands after its last item).
// Counts the items up to the next empty line and says what is wrong: when
// they are exactly the next block or blocks, the empty line before the next
// block is missing; otherwise the block has too many items. In a block laid
// out one item a line (as the shipped files are) but for one line, that
// line's comma split an item in two, and the fault is placed at the item
// after the comma; otherwise at the first item too many.
LanguageError SurplusError(FieldReader ahead, int block, CommaItems afterComma)
{
    const int size = kLanguageBlockSizes[std::size_t(block - 1)];
    int surplus = 0;
    bool counted = true;
    ItemPlace first;
    bool firstAfterComma = false;
    while (!ahead.atBlockEnd()) {
        QString item;
        const bool read = ahead.readItem(block, size + surplus + 1, item);
        ++surplus;
        const ItemPlace place{size + surplus, ahead.itemLine()};
        if (surplus == 1) {
            first = place;
            firstAfterComma = ahead.itemAfterComma();
        }
        if (ahead.itemAfterComma())
            afterComma.note(place);
        if (!read) {
            counted = false;
            break;
        }
    }

    int following = 0;
    for (int next = block + 1; counted && next <= kLanguageBlockCount && following < surplus; ++next) {
        following += kLanguageBlockSizes[std::size_t(next - 1)];
        if (following != surplus)
            continue;
        if (firstAfterComma) {
            return ahead.errorAt(block, size, first.line,
                                 QStringLiteral("the line goes on after the last item of block %1; a block "
                                                "must end its line, and an empty line must follow it")
                                     .arg(block));
        }
        return ahead.errorAt(block + 1, 1, first.line,
                             QStringLiteral("the empty line that separates block %1 from block %2 is missing")
                                 .arg(block)
                                 .arg(block + 1));
    }

    const QString count = counted ? QString::number(size + surplus) : QStringLiteral("more than %1").arg(size);
    const bool oneCommaLine = afterComma.first && !afterComma.severalLines;
    const ItemPlace at = oneCommaLine ? *afterComma.first : first;
    return ahead.errorAt(block, at.item, at.line,
                         QStringLiteral("too many items in block %1: %2 where it holds %3; %4")
                             .arg(block)
                             .arg(count)
                             .arg(size)
                             .arg(oneCommaLine ? QStringLiteral("this item begins after an unquoted comma "
                                                              "(an item that holds a comma must be in double quotes)")
                                             : QStringLiteral("this is the first item too many")));
}

} // namespace

int ClampLanguage(int language)
{
    if (language < 1)
        return 1;
    if (language > 2)
        return 2;
    return language;
}

Language LanguageFromNumber(int language)
{
    return ClampLanguage(language) == 2 ? Language::Russian : Language::English;
}

QString LanguageFileName(Language language)
{
    return language == Language::Russian ? QStringLiteral("Rus.txt") : QStringLiteral("Eng.txt");
}

void SetLanguageDirectoryOverride(const QString &directory) { DirectoryOverride() = directory; }

QString LanguageDirectoryOverride() { return DirectoryOverride(); }

QStringList LanguageDirectoryCandidates()
{
    if (!DirectoryOverride().isEmpty())
        return {QDir::cleanPath(DirectoryOverride())};
    const QString appDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return {QDir::cleanPath(appDir + QStringLiteral("/Data")),
            QDir::cleanPath(appDir + QStringLiteral("/../share/ohmaris/Data"))};
}

QString LanguageFilePath(Language language)
{
    const QStringList candidates = LanguageDirectoryCandidates();
    const QString name = LanguageFileName(language);
    for (const QString &dir : candidates) {
        const QString path = dir + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return candidates.first() + QLatin1Char('/') + name;
}

QString LanguageError::message() const
{
    QString where;
    if (block > 0) {
        where = QStringLiteral("block %1").arg(block);
        if (item > 0)
            where += QStringLiteral(", item %1").arg(item);
        if (line > 0)
            where += QStringLiteral(" (line %1)").arg(line);
        where += QStringLiteral(": ");
    } else if (line > 0) {
        where = QStringLiteral("line %1: ").arg(line);
    }
    return QStringLiteral("Language file %1: %2%3").arg(file, where, what);
}

LanguageTable::LanguageTable(Language language, const std::array<QStringList, kLanguageBlockCount> &blocks)
    : m_language(language), m_blocks(blocks)
{
    for (int b = 0; b < kLanguageBlockCount; ++b) {
        QStringList &list = m_blocks[b];
        const int size = kLanguageBlockSizes[b];
        if (list.size() > size)
            list = list.mid(0, size);
        while (list.size() < size)
            list.append(QString());
    }
}

QString LanguageTable::item(int block, int item) const
{
    if (block < 1 || block > kLanguageBlockCount)
        return {};
    return m_blocks[block - 1].value(item - 1);
}

QStringList LanguageTable::block(int block) const
{
    if (block < 1 || block > kLanguageBlockCount)
        return {};
    return m_blocks[block - 1];
}

QString LanguageTable::message(int index) const
{
    if (index < 0 || index >= kMessageCount)
        return {};
    return item(1, 11 + index);
}

QStringList LanguageTable::messages() const { return m_blocks[0].mid(10, kMessageCount); }

QString LanguageTable::versionText() const
{
    return item(1, 1) + QLatin1Char(' ') + QLatin1String(kVersionText);
}

Utf8Scan ScanUtf8(QByteArrayView bytes)
{
    Utf8Scan scan;
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        const Utf8Lead lead = LeadOf(b0);
        const int whole = Continuations(bytes, i, lead);
        if (lead.extra > 0 && whole == lead.extra) {
            ++scan.validSequences;
            i += lead.extra + 1;
            continue;
        }
        // UTF-8 breaks here. Was the character whole but for one stray
        // upper byte inside it? Then that byte is the one to blame, and the
        // scan goes on after the character.
        ++scan.breaks;
        const qsizetype breaker = i + 1 + whole;
        const bool strayInside = lead.extra > 0 && breaker < n
                                 && static_cast<unsigned char>(bytes[breaker]) >= 0x80
                                 && Continuations(bytes, i, lead, breaker) == lead.extra;
        if (scan.firstBad < 0) {
            scan.firstBad = i;
            scan.blamed = strayInside ? breaker : i;
        }
        i += strayInside ? lead.extra + 2 : whole + 1;
    }
    return scan;
}

bool IsValidUtf8(QByteArrayView bytes)
{
    return ScanUtf8(bytes).firstBad < 0;
}

bool BreaksOutnumberUtf8(const Utf8Scan &scan)
{
    return scan.breaks > 0 && scan.breaks >= kCodePageBreaksPerSequence * scan.validSequences;
}

QString DecodeWindows1251(QByteArrayView bytes) { return DecodeCodePage(bytes, kWindows1251); }

QString DecodeWindows1252(QByteArrayView bytes) { return DecodeCodePage(bytes, kWindows1252); }

qsizetype FirstUndefinedInCodePage(QByteArrayView bytes, Language language)
{
    const auto &upper = language == Language::Russian ? kWindows1251 : kWindows1252;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80 && b <= 0x9F && upper[b - 0x80] == b)
            return i;
    }
    return -1;
}

DecodedLanguageText DecodeLanguageBytes(const QByteArray &bytes, Language language)
{
    DecodedLanguageText decoded;
    const Utf8Scan scan = ScanUtf8(bytes);
    if (scan.firstBad < 0) {
        QByteArrayView view(bytes);
        if (view.startsWith("\xEF\xBB\xBF"))
            view = view.sliced(3);
        decoded.text = QString::fromUtf8(view);
        return decoded;
    }
    qsizetype bad = scan.blamed;
    if (BreaksOutnumberUtf8(scan)) {
        decoded.codePage = true;
        bad = FirstUndefinedInCodePage(bytes, language);
        if (bad < 0) {
            decoded.text = language == Language::Russian ? DecodeWindows1251(bytes) : DecodeWindows1252(bytes);
            return decoded;
        }
    }
    decoded.badByte = static_cast<unsigned char>(bytes[bad]);
    const LineColumn at = LineColumnAt(bytes, bad);
    decoded.badLine = at.line;
    decoded.badColumn = at.column;
    return decoded;
}

LanguageResult ParseLanguageText(const QString &text, Language language, const QString &fileName)
{
    FieldReader reader(text, fileName);
    std::array<QStringList, kLanguageBlockCount> blocks;
    int lastItemLine = 0;
    for (int b = 1; b <= kLanguageBlockCount; ++b) {
        if (b > 1 && !reader.skipSeparator(b - 1))
            return {std::nullopt, reader.error()};
        QStringList &items = blocks[std::size_t(b - 1)];
        CommaItems afterComma;
        for (int n = 1; n <= kLanguageBlockSizes[std::size_t(b - 1)]; ++n) {
            QString value;
            if (!reader.readItem(b, n, value))
                return {std::nullopt, reader.error()};
            if (reader.itemAfterComma())
                afterComma.note(ItemPlace{n, reader.itemLine()});
            items.append(value);
        }
        lastItemLine = reader.itemLine();
        if (!reader.atBlockEnd())
            return {std::nullopt, SurplusError(reader, b, afterComma)};
    }
    if (!reader.restIsBlank()) {
        const int last = kLanguageBlockCount;
        return {std::nullopt,
                reader.errorAt(0, 0, reader.contentLine(),
                               QStringLiteral("text after the last block: block %1 ends with its item %2 on "
                                              "line %3, and nothing but empty lines may follow it")
                                   .arg(last)
                                   .arg(kLanguageBlockSizes[std::size_t(last - 1)])
                                   .arg(lastItemLine))};
    }
    return {LanguageTable(language, blocks), std::nullopt};
}

LanguageResult ParseLanguageBytes(const QByteArray &bytes, Language language, const QString &fileName)
{
    const DecodedLanguageText decoded = DecodeLanguageBytes(bytes, language);
    if (!decoded.text) {
        LanguageError error;
        error.file = fileName;
        error.line = decoded.badLine;
        const QString hex = QStringLiteral("%1").arg(uint(decoded.badByte), 2, 16, QLatin1Char('0')).toUpper();
        if (decoded.codePage) {
            error.what = QStringLiteral("byte 0x%1 (byte %2 of the line) is neither UTF-8 nor a character of %3")
                             .arg(hex)
                             .arg(decoded.badColumn)
                             .arg(language == Language::Russian ? QStringLiteral("Windows-1251")
                                                                : QStringLiteral("Windows-1252"));
        } else {
            error.what = QStringLiteral("byte 0x%1 (byte %2 of the line) is not UTF-8, though the file is "
                                        "UTF-8 elsewhere; save the file as UTF-8 throughout")
                             .arg(hex)
                             .arg(decoded.badColumn);
        }
        return {std::nullopt, error};
    }
    return ParseLanguageText(*decoded.text, language, fileName);
}

LanguageResult ReadLanguageFile(const QString &path, Language language)
{
    const BoundedFile file = ReadBoundedFile(path, kLanguageFileMaxBytes);
    if (!file.bytes) {
        LanguageError error;
        error.file = path;
        error.what = file.error;
        return {std::nullopt, error};
    }
    return ParseLanguageBytes(*file.bytes, language, path);
}

LanguageResult LoadLanguageTable(int &language)
{
    language = ClampLanguage(language);
    const Language lang = LanguageFromNumber(language);
    return ReadLanguageFile(LanguageFilePath(lang), lang);
}

} // namespace ohmaris
