// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz harness of the language-file reader: any bytes, read as an English and
// as a Russian file, come back as a full table or as one error that names
// the file; the UTF-8 scan agrees with Qt's decoder and blames a byte that
// is wrong; a file is read as its code page only when every byte is a
// character of it; a table written out again reads back item for item.
#include "fuzzcheck.h"

#include "i18n/languagefile.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>

using namespace ohmaris;
using ohmaris::fuzz::Shown;

namespace {

// Upper bound of the 1-based line numbers a text can have.
qsizetype LineCount(QStringView text)
{
    return text.count(QLatin1Char('\n')) + text.count(QLatin1Char('\r')) + 1;
}

qsizetype LineCount(const QByteArray &bytes)
{
    return bytes.count('\n') + bytes.count('\r') + 1;
}

// UTF-8 as it is, a byte order mark included, and a sequence cut short at
// the end replaced like any other bad one.
QString StrictUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    return decoder(bytes);
}

QString Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.left(64).toHex(' ')) + (bytes.size() > 64 ? QStringLiteral(" ...") : QString());
}

void CheckScan(const QByteArray &bytes)
{
    const Utf8Scan scan = ScanUtf8(bytes);
    FUZZ_CHECK(IsValidUtf8(bytes) == (scan.firstBad < 0), QString());
    if (scan.firstBad < 0) {
        // Valid for the scan means Qt reads it without replacing anything.
        FUZZ_CHECK(StrictUtf8(bytes).toUtf8() == bytes, Hex(bytes));
        bool high = false;
        for (const char c : bytes)
            high = high || static_cast<unsigned char>(c) >= 0x80;
        FUZZ_CHECK((scan.validSequences > 0) == high && scan.breaks == 0 && scan.blamed < 0, Hex(bytes));
        return;
    }
    FUZZ_CHECK(scan.breaks >= 1, Hex(bytes));
    FUZZ_CHECK(scan.firstBad < bytes.size(), QString::number(scan.firstBad));
    FUZZ_CHECK(static_cast<unsigned char>(bytes[scan.firstBad]) >= 0x80, QString::number(scan.firstBad));
    // Everything before the first bad byte is whole UTF-8, and Qt finds the
    // fault at the same place.
    const QByteArray before = bytes.left(scan.firstBad);
    FUZZ_CHECK(StrictUtf8(before).toUtf8() == before, Hex(bytes));
    FUZZ_CHECK(StrictUtf8(bytes.mid(scan.firstBad, 4)).startsWith(QChar(QChar::ReplacementCharacter)),
               Hex(bytes.mid(scan.firstBad, 4)));
    // The blamed byte is an upper byte of the broken character; when it is
    // not the character's first, the character is whole without it.
    FUZZ_CHECK(scan.blamed >= scan.firstBad && scan.blamed <= scan.firstBad + 3 && scan.blamed < bytes.size()
                   && static_cast<unsigned char>(bytes[scan.blamed]) >= 0x80,
               QString::number(scan.blamed));
    if (scan.blamed != scan.firstBad) {
        const QByteArray without = bytes.mid(scan.firstBad, scan.blamed - scan.firstBad) + bytes.mid(scan.blamed + 1, 3);
        FUZZ_CHECK(!StrictUtf8(without).startsWith(QChar(QChar::ReplacementCharacter)), Hex(without));
    }
}

bool IsC1(QChar c)
{
    return c.unicode() >= 0x80 && c.unicode() <= 0x9F;
}

void CheckDecoding(const QByteArray &bytes, Language language, const DecodedLanguageText &d)
{
    const Utf8Scan scan = ScanUtf8(bytes);
    const auto decode = [language](const QByteArray &b) {
        return language == Language::Russian ? DecodeWindows1251(b) : DecodeWindows1252(b);
    };
    if (!d.text) {
        FUZZ_CHECK(scan.firstBad >= 0, QString());
        FUZZ_CHECK(d.badLine >= 1 && d.badLine <= LineCount(bytes) && d.badColumn >= 1, QString::number(d.badLine));
        if (d.codePage) {
            // Refused as the code page: the byte named is one it leaves undefined.
            FUZZ_CHECK(IsC1(decode(QByteArray(1, char(d.badByte))).at(0)), QString::number(d.badByte));
        } else {
            // Refused as damaged UTF-8: the file does hold valid UTF-8
            // characters, and the byte named is the one the scan blames.
            FUZZ_CHECK(scan.validSequences > 0, Hex(bytes));
            FUZZ_CHECK(d.badByte == static_cast<unsigned char>(bytes[scan.blamed]), QString::number(d.badByte));
        }
        return;
    }
    const QString &text = *d.text;
    if (scan.firstBad < 0) {
        FUZZ_CHECK(!d.codePage, QString());
        // One leading byte order mark is dropped (Qt drops a second one too).
        const QString strict = StrictUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
        FUZZ_CHECK(text == strict || (strict.startsWith(QChar(QChar::ByteOrderMark)) && text == strict.mid(1)),
                   Shown(text.left(80)));
        return;
    }
    // A code page: one character per byte, ASCII kept, no upper byte
    // becomes ASCII (it would turn into a comma, a quote or a line end), and
    // none is left undefined; and UTF-8 breaks far more often than it holds.
    FUZZ_CHECK(d.codePage && scan.breaks > scan.validSequences, Hex(bytes));
    FUZZ_CHECK(text.size() == bytes.size(), QString::number(text.size()));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80)
            FUZZ_CHECK(text.at(i).unicode() == b, QString::number(i));
        else
            FUZZ_CHECK(text.at(i).unicode() >= 0xA0,
                       QStringLiteral("language %1 byte %2").arg(int(language)).arg(b, 2, 16));
    }
}

// A table as a file again: each block on one line, an item in quotes unless
// it holds a quote itself (then the reader read it bare, so it has no comma
// and no blank at either end).
QString WriteBack(const LanguageTable &table, const QString &lineEnd)
{
    QString s;
    for (int b = 1; b <= kLanguageBlockCount; ++b) {
        if (b > 1)
            s += lineEnd + lineEnd;
        const QStringList items = table.block(b);
        for (qsizetype n = 0; n < items.size(); ++n) {
            const QString &item = items.at(n);
            if (n > 0)
                s += QLatin1Char(',');
            if (!item.contains(QLatin1Char('"'))) {
                s += QLatin1Char('"') + item + QLatin1Char('"');
                continue;
            }
            FUZZ_CHECK(!item.contains(QLatin1Char(',')), Shown(item));
            FUZZ_CHECK(!item.startsWith(QLatin1Char(' ')) && !item.startsWith(QLatin1Char('\t'))
                           && !item.startsWith(QLatin1Char('"')),
                       Shown(item));
            FUZZ_CHECK(!item.endsWith(QLatin1Char(' ')) && !item.endsWith(QLatin1Char('\t')), Shown(item));
            s += item;
        }
    }
    return s + lineEnd;
}

void CheckResult(const LanguageResult &r, Language language, const QString &fileName, qsizetype lines,
                 const QString &lineEnd)
{
    FUZZ_CHECK(r.table.has_value() != r.error.has_value(), QString());
    if (r.error) {
        const LanguageError &e = *r.error;
        const QString message = e.message();
        FUZZ_CHECK(e.file == fileName, e.file);
        FUZZ_CHECK(message.startsWith(QStringLiteral("Language file ") + fileName + QStringLiteral(": ")),
                   Shown(message));
        FUZZ_CHECK(!message.contains(QLatin1Char('\n')) && !message.contains(QLatin1Char('\r')), Shown(message));
        FUZZ_CHECK(!e.what.isEmpty(), Shown(message));
        FUZZ_CHECK(e.block >= 0 && e.block <= kLanguageBlockCount, Shown(message));
        // Only a block with too many items names an item past its count.
        const bool tooMany = e.what.startsWith(QStringLiteral("too many items"));
        if (e.block > 0)
            FUZZ_CHECK(e.item >= 1 && (tooMany || e.item <= kLanguageBlockSizes[std::size_t(e.block - 1)])
                           && e.line >= 1,
                       Shown(message));
        else
            FUZZ_CHECK(e.item == 0, Shown(message));
        FUZZ_CHECK(e.line >= 0 && e.line <= lines, Shown(message));
        return;
    }
    const LanguageTable &table = *r.table;
    FUZZ_CHECK(table.language() == language, QString());
    for (int b = 1; b <= kLanguageBlockCount; ++b) {
        const QStringList items = table.block(b);
        const int size = kLanguageBlockSizes[std::size_t(b - 1)];
        FUZZ_CHECK(items.size() == size, QStringLiteral("block %1 has %2 items").arg(b).arg(items.size()));
        for (int n = 1; n <= size; ++n) {
            const QString &item = items.at(n - 1);
            FUZZ_CHECK(table.item(b, n) == item, QString());
            FUZZ_CHECK(!item.contains(QChar(u'\0')) && !item.contains(QLatin1Char('\n'))
                           && !item.contains(QLatin1Char('\r')),
                       QStringLiteral("block %1 item %2: %3").arg(b).arg(n).arg(Shown(item)));
        }
        FUZZ_CHECK(table.item(b, size + 1).isEmpty() && table.item(b, 0).isEmpty(), QString());
    }
    FUZZ_CHECK(table.item(0, 1).isEmpty() && table.item(kLanguageBlockCount + 1, 1).isEmpty(), QString());
    FUZZ_CHECK(table.messages().size() == kMessageCount, QString());
    for (int i = 0; i < kMessageCount; ++i)
        FUZZ_CHECK(table.message(i) == table.item(1, 11 + i), QString::number(i));

    const QString written = WriteBack(table, lineEnd);
    const LanguageResult again = ParseLanguageText(written, language, fileName);
    FUZZ_CHECK(again.ok(), again.error ? again.error->message() + QLatin1Char(' ') + Shown(written) : QString());
    for (int b = 1; b <= kLanguageBlockCount; ++b)
        FUZZ_CHECK(again.table->block(b) == table.block(b), QStringLiteral("block %1 of %2").arg(b).arg(Shown(written)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CheckScan(bytes);
    // The written-back file takes each of the three line ends in turn.
    static const QString lineEnds[] = {QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r")};
    const QString &lineEnd = lineEnds[size % 3];

    std::optional<QString> englishText;
    std::optional<LanguageResult> englishResult;
    for (const Language language : {Language::English, Language::Russian}) {
        const QString fileName = QStringLiteral("/fuzz/Data/") + LanguageFileName(language);
        const DecodedLanguageText decoded = DecodeLanguageBytes(bytes, language);
        CheckDecoding(bytes, language, decoded);
        const LanguageResult r = ParseLanguageBytes(bytes, language, fileName);
        const qsizetype lines = decoded.text ? LineCount(*decoded.text) : LineCount(bytes);
        CheckResult(r, language, fileName, lines, lineEnd);
        if (!decoded.text) {
            FUZZ_CHECK(r.error && r.error->block == 0 && r.error->line == decoded.badLine, QString());
            continue;
        }
        if (language == Language::English) {
            englishText = decoded.text;
            englishResult = r;
        } else if (englishText == decoded.text) {
            // The same text reads the same way whichever language it is for.
            FUZZ_CHECK(englishResult->ok() == r.ok(), QString());
            if (r.ok()) {
                for (int b = 1; b <= kLanguageBlockCount; ++b)
                    FUZZ_CHECK(englishResult->table->block(b) == r.table->block(b), QString::number(b));
            } else {
                const LanguageError &e = *englishResult->error;
                FUZZ_CHECK(e.block == r.error->block && e.item == r.error->item && e.line == r.error->line
                               && e.what == r.error->what,
                           e.message() + QStringLiteral(" / ") + r.error->message());
            }
        }
    }
    return 0;
}
