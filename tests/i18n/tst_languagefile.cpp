// SPDX-License-Identifier: GPL-3.0-or-later
// Language-file reader: field format, block layout, faults reported with
// their place, encodings, what is read at all (a regular file of sane size),
// language numbers and where the files are looked for.
#include "i18n/languagefile.h"
#include "ohmaris_version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>

using namespace ohmaris;

namespace {

// A well-formed file whose items are "b<block>i<item>", one per line, which
// a test then damages on purpose.
struct Fixture {
    std::array<QStringList, kLanguageBlockCount> blocks;
    QString eol = QStringLiteral("\r\n");
    std::array<bool, kLanguageBlockCount> separatorBefore{};
    bool finalLineEnd = true;
    QString trailer; // after the last line

    Fixture()
    {
        for (int b = 0; b < kLanguageBlockCount; ++b) {
            separatorBefore[b] = b > 0;
            for (int n = 1; n <= kLanguageBlockSizes[b]; ++n)
                blocks[b].append(QStringLiteral("b%1i%2").arg(b + 1).arg(n));
        }
    }

    QString text() const
    {
        QString out;
        for (int b = 0; b < kLanguageBlockCount; ++b) {
            if (separatorBefore[b])
                out += eol;
            for (const QString &line : blocks[b])
                out += line + eol;
        }
        if (!finalLineEnd)
            out.chop(eol.size());
        return out + trailer;
    }
};

using Damage = std::function<void(Fixture &)>;

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(bytes) == bytes.size();
}

} // namespace

Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(ohmaris::Language)

class TestLanguageFile : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetLanguageDirectoryOverride(QString()); }

    void readsItems_data();
    void readsItems();
    void reportsFaults_data();
    void reportsFaults();
    void utf8Validation_data();
    void utf8Validation();
    void decodesByLanguage_data();
    void decodesByLanguage();
    void refusesDamagedUtf8_data();
    void refusesDamagedUtf8();
    void refusesBytesTheCodePageLacks_data();
    void refusesBytesTheCodePageLacks();
    void readsOnlyARegularFileOfSaneSize_data();
    void readsOnlyARegularFileOfSaneSize();
    void nulInAFileIsPlaced();
    void missingFileIsNamed();
    void loadClampsAndResolves_data();
    void loadClampsAndResolves();
    void defaultDirectories();
};

void TestLanguageFile::readsItems_data()
{
    QTest::addColumn<Damage>("edit");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("expected");

    QTest::newRow("CR LF, last item of the file") << Damage([](Fixture &) {}) << 9 << 35 << "b9i35";
    QTest::newRow("LF only, first item after a separator")
        << Damage([](Fixture &f) { f.eol = QStringLiteral("\n"); }) << 5 << 1 << "b5i1";
    QTest::newRow("quoted item keeps its comma") << Damage([](Fixture &f) {
        f.blocks[2][3] = QStringLiteral("\"K-50 phase selector: A, B, C\"");
    }) << 3 << 4 << "K-50 phase selector: A, B, C";
    QTest::newRow("quoted comma does not shift later items") << Damage([](Fixture &f) {
        f.blocks[2][3] = QStringLiteral("\"a, b\"");
    }) << 3 << 5 << "b3i5";
    QTest::newRow("several items on a line, blanks before an item skipped") << Damage([](Fixture &f) {
        f.blocks[1][0] = QStringLiteral("first,   second ,\tthird");
        f.blocks[1].removeAt(1);
        f.blocks[1].removeAt(1);
    }) << 2 << 2 << "second";
    QTest::newRow("empty quoted item") << Damage([](Fixture &f) { f.blocks[3][2] = QStringLiteral("\"\""); }) << 4
                                       << 3 << "";
    QTest::newRow("blanks inside quotes are kept") << Damage([](Fixture &f) {
        f.blocks[3][2] = QStringLiteral("  \" padded \"  ");
    }) << 4 << 3 << " padded ";
    QTest::newRow("blank lines after the last block") << Damage([](Fixture &f) {
        f.trailer = QStringLiteral("\r\n  \r\n\t\r\n");
    }) << 9 << 35 << "b9i35";
    QTest::newRow("no line end after the last item") << Damage([](Fixture &f) {
        f.finalLineEnd = false;
        f.blocks[8].last() += QStringLiteral("X");
    }) << 9 << 35 << "b9i35X";
}

void TestLanguageFile::readsItems()
{
    QFETCH(Damage, edit);
    QFETCH(int, block);
    QFETCH(int, item);
    QFETCH(QString, expected);

    Fixture f;
    edit(f);
    const LanguageResult r = ParseLanguageText(f.text(), Language::English, QStringLiteral("fixture.txt"));
    QVERIFY2(r.ok(), r.error ? qPrintable(r.error->message()) : "");
    QCOMPARE(r.table->item(block, item), expected);
    for (int b = 1; b <= kLanguageBlockCount; ++b)
        QCOMPARE(r.table->block(b).size(), kLanguageBlockSizes[b - 1]);
}

// Lines of the fixture: block 1 on lines 1-16, block 2 on 18-50, block 3 on
// 52-85, block 4 on 87-95, block 5 on 97-107, block 6 on 109-117, block 7 on
// 119-144, block 8 on 146-172, block 9 on 174-208, each after an empty line.
void TestLanguageFile::reportsFaults_data()
{
    QTest::addColumn<Damage>("edit");
    QTest::addColumn<int>("block"); // 0: the fault is placed by its line alone
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("fragment");

    QTest::newRow("missing separator, CR LF") << Damage([](Fixture &f) { f.separatorBefore[4] = false; }) << 5 << 1
                                              << 96 << "separates block 4 from block 5";
    QTest::newRow("missing separator, LF") << Damage([](Fixture &f) {
        f.eol = QStringLiteral("\n");
        f.separatorBefore[1] = false;
    }) << 2 << 1 << 17 << "separates block 1 from block 2";
    QTest::newRow("too few items in a block") << Damage([](Fixture &f) { f.blocks[2].removeLast(); }) << 3 << 34
                                              << 85 << "too few items in block 3";
    QTest::newRow("an extra line in block 6") << Damage([](Fixture &f) {
        f.blocks[5].append(QStringLiteral("extra"));
    }) << 6 << 10 << 118 << "too many items in block 6: 10 where it holds 9; this is the first item too many";
    QTest::newRow("an unquoted comma splits an item of block 4") << Damage([](Fixture &f) {
        f.blocks[3][2] = QStringLiteral("Ammeter A1, the first branch");
    }) << 4 << 4 << 89 << "too many items in block 4: 10 where it holds 9; this item begins after an unquoted comma";
    QTest::newRow("too many items in a block laid out several a line") << Damage([](Fixture &f) {
        f.blocks[3] = QStringList{"b4i1,b4i2,b4i3", "b4i4, b4i5, b4i6", "b4i7,b4i8,b4i9,b4i10"};
    }) << 4 << 10 << 89 << "too many items in block 4: 10 where it holds 9; this is the first item too many";
    QTest::newRow("an item after the last one on its line, block 4") << Damage([](Fixture &f) {
        f.blocks[3].last() += QStringLiteral(",extra");
    }) << 4 << 10 << 95 << "too many items in block 4: 10 where it holds 9; this item begins after an unquoted comma";
    QTest::newRow("an unquoted comma in a help title") << Damage([](Fixture &f) {
        f.blocks[8][1] = QStringLiteral("The voltage regulator AT, autotransformer");
    }) << 9 << 3 << 175 << "too many items in block 9: 36 where it holds 35; this item begins after an unquoted comma";
    QTest::newRow("an extra line at the end of block 9") << Damage([](Fixture &f) {
        f.blocks[8].append(QStringLiteral("extra"));
    }) << 9 << 36 << 209 << "too many items in block 9: 36 where it holds 35; this is the first item too many";
    QTest::newRow("text after the last block") << Damage([](Fixture &f) {
        f.trailer = QStringLiteral("\r\n\r\nb10i1\r\n");
    }) << 0 << 0 << 211 << "text after the last block: block 9 ends with its item 35 on line 208";
    QTest::newRow("a line without its line end after the last block") << Damage([](Fixture &f) {
        f.eol = QStringLiteral("\n");
        f.trailer = QStringLiteral("\n   junk");
    }) << 0 << 0 << 210 << "nothing but empty lines may follow it";
    QTest::newRow("file ends inside the last block") << Damage([](Fixture &f) {
        f.blocks[8] = f.blocks[8].mid(0, 19);
    }) << 9 << 20 << 193 << "the file ends";
    QTest::newRow("file ends after a block") << Damage([](Fixture &f) {
        for (int b = 3; b < kLanguageBlockCount; ++b)
            f.blocks[b].clear();
        for (int b = 3; b < kLanguageBlockCount; ++b)
            f.separatorBefore[b] = false;
    }) << 4 << 1 << 86 << "the file ends";
    QTest::newRow("extra empty line between blocks") << Damage([](Fixture &f) {
        f.blocks[6].prepend(QString());
    }) << 7 << 1 << 119 << "empty line";
    QTest::newRow("empty line inside a block") << Damage([](Fixture &f) { f.blocks[1].insert(10, QString()); })
                                               << 2 << 11 << 28 << "empty line";
    QTest::newRow("block does not end its line") << Damage([](Fixture &f) {
        f.blocks[1].last() += QStringLiteral(",b3i1");
        f.blocks[2].removeFirst();
        f.separatorBefore[2] = false;
    }) << 2 << 33 << 50 << "a block must end its line";
    QTest::newRow("closing quote missing") << Damage([](Fixture &f) {
        f.blocks[3][0] = QStringLiteral("\"Lab 3, parallel");
    }) << 4 << 1 << 87 << "closing double quote";
    QTest::newRow("text after the closing quote") << Damage([](Fixture &f) {
        f.blocks[3][1] = QStringLiteral("\"say \"hello\", twice\"");
    }) << 4 << 2 << 88 << "follows the closing double quote";
    QTest::newRow("NUL inside an item") << Damage([](Fixture &f) {
        f.blocks[4][2] = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("c");
    }) << 5 << 3 << 99 << "NUL";
    QTest::newRow("NUL inside a quoted item") << Damage([](Fixture &f) {
        f.blocks[8][34] = QStringLiteral("\"help") + QChar(u'\0') + QStringLiteral(", more\"");
    }) << 9 << 35 << 208 << "NUL";
    QTest::newRow("NUL alone as an item") << Damage([](Fixture &f) { f.blocks[0][0] = QString(QChar(u'\0')); })
                                          << 1 << 1 << 1 << "NUL";
}

void TestLanguageFile::reportsFaults()
{
    QFETCH(Damage, edit);
    QFETCH(int, block);
    QFETCH(int, item);
    QFETCH(int, line);
    QFETCH(QString, fragment);

    Fixture f;
    edit(f);
    const LanguageResult r = ParseLanguageText(f.text(), Language::Russian, QStringLiteral("/data/Rus.txt"));
    QVERIFY(!r.ok());
    QVERIFY(r.error.has_value());
    QVERIFY2(r.error->what.contains(fragment), qPrintable(r.error->what));
    QCOMPARE(r.error->block, block);
    QCOMPARE(r.error->item, item);
    QCOMPARE(r.error->line, line);
    const QString message = r.error->message();
    QVERIFY2(message.startsWith(QStringLiteral("Language file /data/Rus.txt: ")), qPrintable(message));
    const QString place = block > 0 ? QStringLiteral("block %1, item %2 (line %3): ").arg(block).arg(item).arg(line)
                                    : QStringLiteral("line %1: ").arg(line);
    QVERIFY2(message.contains(place), qPrintable(message));
    QVERIFY(!message.contains(QLatin1Char('\n')));
}

void TestLanguageFile::utf8Validation_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");

    QTest::newRow("ascii") << QByteArray("Version, 1") << true;
    QTest::newRow("cyrillic") << QByteArray("\xD0\x9F\xD1\x80\xD0\xB8") << true;
    QTest::newRow("four-byte sequence") << QByteArray("\xF0\x9F\x98\x80") << true;
    QTest::newRow("lone cp1251 letter") << QByteArray("\xCF\xF0\xE8") << false;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("cut at the end") << QByteArray("ok \xE2\x82") << false;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
}

void TestLanguageFile::utf8Validation()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(IsValidUtf8(bytes), valid);
}

void TestLanguageFile::decodesByLanguage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QByteArray>("prefix"); // bytes before the file's first item
    QTest::addColumn<QByteArray>("item");   // bytes of block 1 item 1
    QTest::addColumn<QString>("expected");

    QTest::newRow("cp1251 for Russian") << Language::Russian << QByteArray() << QByteArray("\xC2\xE5\xF0\xF1\xE8\xFF")
                                        << QStringLiteral(u"Версия");
    QTest::newRow("cp1251 upper half outside the alphabet")
        << Language::Russian << QByteArray() << QByteArray("\xA8\xB8\xB9\x96\xB5") << QStringLiteral(u"Ёё№–µ");
    QTest::newRow("cp1252 for English") << Language::English << QByteArray() << QByteArray("Caf\xE9 \x80 \x93\xB5")
                                        << QStringLiteral(u"Café € “µ");
    QTest::newRow("cp1251 bytes in an English file read as cp1252")
        << Language::English << QByteArray() << QByteArray("\xCF\xF0") << QStringLiteral(u"Ïð");
    QTest::newRow("UTF-8 without BOM") << Language::English << QByteArray()
                                       << QByteArray("\xD0\x92\xD0\xB5\xD1\x80\xD1\x81\xD0\xB8\xD1\x8F")
                                       << QStringLiteral(u"Версия");
    QTest::newRow("UTF-8 BOM skipped") << Language::Russian << QByteArray("\xEF\xBB\xBF")
                                       << QByteArray("\xD0\x92\xD0\xB5\xD1\x80\xD1\x81\xD0\xB8\xD1\x8F")
                                       << QStringLiteral(u"Версия");
    QTest::newRow("cp1251 text holding byte pairs that are valid UTF-8")
        << Language::Russian << QByteArray()
        << QByteArray("\xD9\xB8\xEB\xEA\xED\xE8\xF2\xE5 \xEF\xEE \xEA\xED\xEE\xEF\xEA\xE5")
        << QStringLiteral(u"Щёлкните по кнопке");
    QTest::newRow("cp1251 bytes that only look like UTF-8 lead bytes")
        << Language::Russian << QByteArray() << QByteArray("\xC2\xD0\xDF\xE0") << QStringLiteral(u"ВРЯа");
}

void TestLanguageFile::decodesByLanguage()
{
    QFETCH(Language, language);
    QFETCH(QByteArray, prefix);
    QFETCH(QByteArray, item);
    QFETCH(QString, expected);

    Fixture f;
    f.blocks[0][0] = QStringLiteral("@ITEM@");
    QByteArray bytes = prefix + f.text().toLatin1();
    bytes.replace("@ITEM@", item);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lang.txt"));
    QVERIFY(WriteFile(path, bytes));
    const LanguageResult r = ReadLanguageFile(path, language);
    QVERIFY2(r.ok(), r.error ? qPrintable(r.error->message()) : "");
    QCOMPARE(r.table->item(1, 1), expected);
    QCOMPARE(r.table->item(1, 2), QStringLiteral("b1i2"));
    QCOMPARE(r.table->language(), language);
}

// A file that is UTF-8 but for some bytes is neither read as UTF-8 nor
// silently turned into code-page text: it is refused at the byte that is
// wrong, named with its line and its place in the line.
void TestLanguageFile::refusesDamagedUtf8_data()
{
    QTest::addColumn<QString>("eol");
    QTest::addColumn<int>("goodItem"); // index of the block 1 item holding a dash
    QTest::addColumn<int>("badItem");  // index (0-based over the whole file) holding the bad bytes
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("byteText"); // the byte named and its place in the line

    // Item index k of block 1 stands on line k + 1; block 2 starts on line 18.
    QTest::newRow("stray 0xFF after a dash, CR LF") << "\r\n" << 1 << 5 << QByteArray("\xFF") << 6
                                                    << "byte 0xFF (byte 5 of the line)";
    QTest::newRow("0xFF inserted inside a dash") << "\r\n" << 1 << 5 << QByteArray("\xE2\xFF\x80\x94") << 6
                                                 << "byte 0xFF (byte 6 of the line)";
    QTest::newRow("lead byte inserted inside a dash") << "\n" << 14 << 3 << QByteArray("\xE2\x80\xD0\x94") << 4
                                                      << "byte 0xD0 (byte 7 of the line)";
    QTest::newRow("cp1251 letter in a UTF-8 file, LF") << "\n" << 0 << 16 << QByteArray("\xCF") << 18
                                                       << "byte 0xCF (byte 5 of the line)";
    QTest::newRow("bad byte before the first good sequence") << "\r\n" << 14 << 2 << QByteArray("\x96") << 3
                                                             << "byte 0x96 (byte 5 of the line)";
    QTest::newRow("sequence cut short by the line end") << "\n" << 3 << 9 << QByteArray("\xE2\x80") << 10
                                                        << "byte 0xE2 (byte 6 of the line)";
    QTest::newRow("lone CR ends lines too") << "\r" << 7 << 12 << QByteArray("\xC0\xAF") << 13
                                            << "byte 0xC0 (byte 6 of the line)";
}

void TestLanguageFile::refusesDamagedUtf8()
{
    QFETCH(QString, eol);
    QFETCH(int, goodItem);
    QFETCH(int, badItem);
    QFETCH(QByteArray, bad);
    QFETCH(int, line);
    QFETCH(QString, byteText);

    Fixture f;
    f.eol = eol;
    f.blocks[0][goodItem] = QStringLiteral("@GOOD@");
    const int badBlock = badItem < 16 ? 0 : 1;
    f.blocks[badBlock][badItem - 16 * badBlock] += QStringLiteral("@BAD@");
    QByteArray bytes = f.text().toLatin1();
    bytes.replace("@GOOD@", "a \xE2\x80\x94 b"); // an em dash in UTF-8
    bytes.replace("@BAD@", bad);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Rus.txt"));
    QVERIFY(WriteFile(path, bytes));
    const LanguageResult r = ReadLanguageFile(path, Language::Russian);
    QVERIFY2(!r.ok(), qPrintable(r.table ? r.table->item(1, goodItem + 1) : QString()));
    QCOMPARE(r.error->line, line);
    const QString message = r.error->message();
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("line %1: ").arg(line) + byteText + QStringLiteral(" is not UTF-8")),
             qPrintable(message));
    QVERIFY(!message.contains(QLatin1Char('\n')));
}

// A file read as its code page must be text of it: a byte the code page
// leaves undefined is named, not turned into a control character.
void TestLanguageFile::refusesBytesTheCodePageLacks_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0x98 in Windows-1251") << Language::Russian << QByteArray("\xCF\xF0\x98\xE8")
                                          << "line 1: byte 0x98 (byte 3 of the line) is neither UTF-8 nor a character "
                                             "of Windows-1251";
    QTest::newRow("0x81 in Windows-1252") << Language::English << QByteArray("Caf\xE9 \x81")
                                          << "line 1: byte 0x81 (byte 6 of the line) is neither UTF-8 nor a character "
                                             "of Windows-1252";
}

void TestLanguageFile::refusesBytesTheCodePageLacks()
{
    QFETCH(Language, language);
    QFETCH(QByteArray, item);
    QFETCH(QString, expected);

    Fixture f;
    f.blocks[0][0] = QStringLiteral("@ITEM@");
    QByteArray bytes = f.text().toLatin1();
    bytes.replace("@ITEM@", item);
    const LanguageResult r = ParseLanguageBytes(bytes, language, QStringLiteral("lang.txt"));
    QVERIFY(!r.ok());
    QCOMPARE(r.error->message(), QStringLiteral("Language file lang.txt: ") + expected);
}

// Only a regular file of sane size is read, and a pipe or a device is
// refused at once, before anything waits on it or reads it without end.
void TestLanguageFile::readsOnlyARegularFileOfSaneSize_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("fragment"); // empty: the file loads

    QTest::newRow("a named pipe") << "fifo" << "not a regular file but a named pipe";
    QTest::newRow("a link to /dev/zero") << "zero" << "not a regular file but a character device";
    QTest::newRow("a folder") << "folder" << "not a regular file but a folder";
    QTest::newRow("2 MiB") << "large" << "too large: 2097152 bytes, where at most 1048576 bytes (1 MiB) are read";
    QTest::newRow("a link to a good file") << "link" << "";
    QTest::newRow("a good file padded to 1 MiB") << "full" << "";
}

void TestLanguageFile::readsOnlyARegularFileOfSaneSize()
{
    QFETCH(QString, kind);
    QFETCH(QString, fragment);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Eng.txt"));
    const QByteArray good = Fixture().text().toUtf8();
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("large")) {
        QVERIFY(WriteFile(path, good + QByteArray(2 * 1024 * 1024 - good.size(), ' ')));
    } else if (kind == QLatin1String("link")) {
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("real.txt")), good));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real.txt")), path));
    } else if (kind == QLatin1String("full")) {
        QVERIFY(WriteFile(path, good + QByteArray(kLanguageFileMaxBytes - good.size(), '\n')));
    }
    SetLanguageDirectoryOverride(dir.path());
    int language = 1;
    QElapsedTimer clock;
    clock.start();
    const LanguageResult r = LoadLanguageTable(language);
    QVERIFY2(clock.elapsed() < 5000, "the reader waited or read for seconds");
    if (fragment.isEmpty()) {
        QVERIFY2(r.ok(), r.error ? qPrintable(r.error->message()) : "");
        QCOMPARE(r.table->item(9, 35), QStringLiteral("b9i35"));
        return;
    }
    QVERIFY(!r.ok());
    QCOMPARE(r.error->message(), QStringLiteral("Language file %1: %2").arg(path, fragment));
}

void TestLanguageFile::nulInAFileIsPlaced()
{
    // Through the file reader: the message names the file, block, item and
    // the line of the item that holds the NUL byte.
    Fixture f;
    f.blocks[1][4] = QStringLiteral("Exit@NUL@");
    QByteArray bytes = f.text().toUtf8();
    bytes.replace("@NUL@", QByteArray(1, '\0'));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Eng.txt"));
    QVERIFY(WriteFile(path, bytes));
    const LanguageResult r = ReadLanguageFile(path, Language::English);
    QVERIFY(!r.ok());
    QCOMPARE(r.error->block, 2);
    QCOMPARE(r.error->item, 5);
    QCOMPARE(r.error->line, 22); // block 2 starts on line 18
    const QString message = r.error->message();
    QVERIFY2(message.contains(path) && message.contains(QStringLiteral("block 2, item 5 (line 22)")),
             qPrintable(message));
}

void TestLanguageFile::missingFileIsNamed()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SetLanguageDirectoryOverride(dir.path());
    int language = 2;
    const LanguageResult r = LoadLanguageTable(language);
    QVERIFY(!r.ok());
    const QString expectedPath = dir.path() + QStringLiteral("/Rus.txt");
    QCOMPARE(r.error->file, expectedPath);
    QCOMPARE(r.error->block, 0);
    QVERIFY2(r.error->message().contains(expectedPath), qPrintable(r.error->message()));
    QVERIFY2(r.error->message().contains(QStringLiteral("not found")), qPrintable(r.error->message()));
}

void TestLanguageFile::loadClampsAndResolves_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("clamped");
    QTest::addColumn<QString>("firstItem");

    QTest::newRow("0, never set: English") << 0 << 1 << "English fixture";
    QTest::newRow("negative: English") << -3 << 1 << "English fixture";
    QTest::newRow("1: English") << 1 << 1 << "English fixture";
    QTest::newRow("2: Russian") << 2 << 2 << QStringLiteral(u"Русский образец");
    QTest::newRow("7: Russian") << 7 << 2 << QStringLiteral(u"Русский образец");
}

void TestLanguageFile::loadClampsAndResolves()
{
    QFETCH(int, language);
    QFETCH(int, clamped);
    QFETCH(QString, firstItem);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Fixture eng;
    eng.blocks[0][0] = QStringLiteral("English fixture");
    Fixture rus;
    rus.blocks[0][0] = QStringLiteral(u"Русский образец");
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("Eng.txt")), eng.text().toUtf8()));
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("Rus.txt")), rus.text().toUtf8()));
    SetLanguageDirectoryOverride(dir.path());

    QCOMPARE(ClampLanguage(language), clamped);
    int current = language;
    const LanguageResult r = LoadLanguageTable(current);
    QCOMPARE(current, clamped);
    QVERIFY2(r.ok(), r.error ? qPrintable(r.error->message()) : "");
    QCOMPARE(r.table->item(1, 1), firstItem);
    QCOMPARE(r.table->versionText(), firstItem + QLatin1Char(' ') + QLatin1String(kVersionText));
    QCOMPARE(int(r.table->language()), clamped);
}

void TestLanguageFile::defaultDirectories()
{
    // Beside the program first, then the installed layout.
    const QStringList dirs = LanguageDirectoryCandidates();
    const QString app = QCoreApplication::applicationDirPath();
    QCOMPARE(dirs.size(), 2);
    QCOMPARE(dirs.at(0), QDir::cleanPath(app + QStringLiteral("/Data")));
    QCOMPARE(dirs.at(1), QDir::cleanPath(app + QStringLiteral("/../share/ohmaris/Data")));
}

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
