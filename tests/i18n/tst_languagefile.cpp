// Language-file reader: field format, block layout, faults reported with
// their place, encodings, language numbers and where the files are looked for.
#include "i18n/languagefile.h"
#include "ohmaris_version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace ohmaris;

namespace {

// A well-formed file whose items are "b<block>i<item>", one per line, which
// a test then damages on purpose.
struct Fixture {
    std::array<QStringList, kLanguageBlockCount> blocks;
    QString eol = QStringLiteral("\r\n");
    std::array<bool, kLanguageBlockCount> separatorBefore{};
    bool finalLineEnd = true;

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
        return out;
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

void TestLanguageFile::reportsFaults_data()
{
    QTest::addColumn<Damage>("edit");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("fragment");

    QTest::newRow("missing separator, CR LF") << Damage([](Fixture &f) { f.separatorBefore[4] = false; }) << 5 << 1
                                              << "separates block 4 from block 5";
    QTest::newRow("missing separator, LF") << Damage([](Fixture &f) {
        f.eol = QStringLiteral("\n");
        f.separatorBefore[1] = false;
    }) << 2 << 1 << "separates block 1 from block 2";
    QTest::newRow("too few items in a block") << Damage([](Fixture &f) { f.blocks[2].removeLast(); }) << 3 << 34
                                              << "too few items in block 3";
    QTest::newRow("too many items in a block") << Damage([](Fixture &f) {
        f.blocks[5].append(QStringLiteral("extra"));
    }) << 7 << 1 << "separates block 6 from block 7";
    QTest::newRow("file ends inside the last block") << Damage([](Fixture &f) {
        f.blocks[8] = f.blocks[8].mid(0, 19);
    }) << 9 << 20 << "the file ends";
    QTest::newRow("file ends after a block") << Damage([](Fixture &f) {
        for (int b = 3; b < kLanguageBlockCount; ++b)
            f.blocks[b].clear();
        for (int b = 3; b < kLanguageBlockCount; ++b)
            f.separatorBefore[b] = false;
    }) << 4 << 1 << "the file ends";
    QTest::newRow("extra empty line between blocks") << Damage([](Fixture &f) {
        f.blocks[6].prepend(QString());
    }) << 7 << 1 << "empty line";
    QTest::newRow("empty line inside a block") << Damage([](Fixture &f) { f.blocks[1].insert(10, QString()); })
                                               << 2 << 11 << "empty line";
    QTest::newRow("block does not end its line") << Damage([](Fixture &f) {
        f.blocks[1].last() += QStringLiteral(",b3i1");
        f.blocks[2].removeFirst();
        f.separatorBefore[2] = false;
    }) << 2 << 33 << "a block must end its line";
    QTest::newRow("closing quote missing") << Damage([](Fixture &f) {
        f.blocks[3][0] = QStringLiteral("\"Lab 3, parallel");
    }) << 4 << 1 << "closing double quote";
    QTest::newRow("text after the closing quote") << Damage([](Fixture &f) {
        f.blocks[3][1] = QStringLiteral("\"say \"hello\", twice\"");
    }) << 4 << 2 << "follows the closing double quote";
    QTest::newRow("NUL inside an item") << Damage([](Fixture &f) {
        f.blocks[4][2] = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("c");
    }) << 5 << 3 << "NUL";
    QTest::newRow("NUL inside a quoted item") << Damage([](Fixture &f) {
        f.blocks[8][34] = QStringLiteral("\"help") + QChar(u'\0') + QStringLiteral(", more\"");
    }) << 9 << 35 << "NUL";
    QTest::newRow("NUL alone as an item") << Damage([](Fixture &f) { f.blocks[0][0] = QString(QChar(u'\0')); })
                                          << 1 << 1 << "NUL";
}

void TestLanguageFile::reportsFaults()
{
    QFETCH(Damage, edit);
    QFETCH(int, block);
    QFETCH(int, item);
    QFETCH(QString, fragment);

    Fixture f;
    edit(f);
    const LanguageResult r = ParseLanguageText(f.text(), Language::Russian, QStringLiteral("/data/Rus.txt"));
    QVERIFY(!r.ok());
    QVERIFY(r.error.has_value());
    QCOMPARE(r.error->block, block);
    QCOMPARE(r.error->item, item);
    QVERIFY2(r.error->what.contains(fragment), qPrintable(r.error->what));
    const QString message = r.error->message();
    QVERIFY2(message.contains(QStringLiteral("/data/Rus.txt")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("block %1, item %2").arg(block).arg(item)), qPrintable(message));
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
// silently turned into code-page text: it is refused at its first bad byte.
void TestLanguageFile::refusesDamagedUtf8_data()
{
    QTest::addColumn<QString>("eol");
    QTest::addColumn<int>("goodItem"); // index of the block 1 item holding a dash
    QTest::addColumn<int>("badItem");  // index (0-based over the whole file) holding the bad byte
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("byteText");

    // Item index k of block 1 stands on line k + 1; block 2 starts on line 18.
    QTest::newRow("stray 0xFF after a dash, CR LF") << "\r\n" << 1 << 5 << QByteArray("\xFF") << 6 << "0xFF";
    QTest::newRow("cp1251 letter in a UTF-8 file, LF") << "\n" << 0 << 16 << QByteArray("\xCF") << 18 << "0xCF";
    QTest::newRow("bad byte before the first good sequence") << "\r\n" << 14 << 2 << QByteArray("\x96") << 3
                                                             << "0x96";
    QTest::newRow("sequence cut short by the line end") << "\n" << 3 << 9 << QByteArray("\xE2\x80") << 10
                                                        << "0xE2";
    QTest::newRow("lone CR ends lines too") << "\r" << 7 << 12 << QByteArray("\xC0\xAF") << 13 << "0xC0";
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
    QVERIFY2(message.contains(QStringLiteral("line %1:").arg(line)), qPrintable(message));
    QVERIFY2(message.contains(byteText) && message.contains(QStringLiteral("UTF-8")), qPrintable(message));
    QVERIFY(!message.contains(QLatin1Char('\n')));
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
