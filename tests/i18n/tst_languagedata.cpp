// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped language files: both load completely from beside the program,
// the Russian one also saved in Windows-1251, every help key lands on its
// element's topic, and the captions made from parts of items read sensibly.
#include "i18n/captionmap.h"
#include "i18n/helptopics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <iconv.h>

using namespace ohmaris;

Q_DECLARE_METATYPE(ohmaris::Language)
Q_DECLARE_METATYPE(ohmaris::CaptionRole)

namespace {

LanguageTable Load(Language language)
{
    int number = int(language);
    const LanguageResult r = LoadLanguageTable(number);
    if (!r.ok())
        qFatal("%s", qPrintable(r.error->message()));
    return *r.table;
}

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// UTF-8 text in Windows-1251, converted by the C library (not by the
// reader's own table), as an editor would save it; empty if some character
// has no place in the code page.
QByteArray ToWindows1251(QByteArray utf8)
{
    const iconv_t cd = iconv_open("CP1251", "UTF-8");
    if (cd == iconv_t(-1))
        return {};
    QByteArray out(utf8.size(), '\0');
    char *in = utf8.data();
    std::size_t inLeft = std::size_t(utf8.size());
    char *to = out.data();
    std::size_t outLeft = std::size_t(out.size());
    const std::size_t done = iconv(cd, &in, &inLeft, &to, &outLeft);
    iconv_close(cd);
    if (done == std::size_t(-1) || inLeft != 0)
        return {};
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}

void AddLanguageRows(const char *name)
{
    QTest::addRow("%s, English", name) << Language::English;
    QTest::addRow("%s, Russian", name) << Language::Russian;
}

} // namespace

class TestLanguageData : public QObject {
    Q_OBJECT

private slots:
    void filesLoadCompletely_data();
    void filesLoadCompletely();
    void russianInWindows1251ReadsTheSame();
    void russianWithABrokenByteIsRefused();
    void helpKeysFindTheirTopics_data();
    void helpKeysFindTheirTopics();
    void onlyTheFirstTopicBeginsWithO_data();
    void onlyTheFirstTopicBeginsWithO();
    void derivedCaptionsReadWell_data();
    void derivedCaptionsReadWell();
};

void TestLanguageData::filesLoadCompletely_data()
{
    QTest::addColumn<Language>("language");
    AddLanguageRows("all items");
}

void TestLanguageData::filesLoadCompletely()
{
    QFETCH(Language, language);
    const QString path = LanguageFilePath(language);
    QCOMPARE(QFileInfo(path).absolutePath(), QDir::cleanPath(QCoreApplication::applicationDirPath() + "/Data"));

    const LanguageResult r = ReadLanguageFile(path, language);
    QVERIFY2(r.ok(), r.error ? qPrintable(r.error->message()) : "");
    int count = 0;
    for (int b = 1; b <= kLanguageBlockCount; ++b) {
        const QStringList items = r.table->block(b);
        for (int n = 0; n < items.size(); ++n) {
            const QString &item = items.at(n);
            const QString where = QStringLiteral("block %1 item %2").arg(b).arg(n + 1);
            QVERIFY2(!item.isEmpty(), qPrintable(where));
            QVERIFY2(item == item.trimmed(), qPrintable(where));
            ++count;
        }
    }
    QCOMPARE(count, kLanguageItemCount);
    QVERIFY(!r.table->message(3).isEmpty());
    QVERIFY(r.table->message(3) != r.table->message(4));
    // Every place a caption goes gets a visible text.
    for (const CaptionTarget &t : CaptionTargets()) {
        for (const QString &text : t.items(*r.table))
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(t.window + QLatin1Char('.') + t.control));
    }
}

void TestLanguageData::russianInWindows1251ReadsTheSame()
{
    const QString path = LanguageFilePath(Language::Russian);
    const QByteArray utf8 = FileBytes(path);
    const QByteArray cp1251 = ToWindows1251(utf8);
    QVERIFY2(!cp1251.isEmpty(), "Rus.txt holds a character that Windows-1251 lacks");
    // The file holds byte pairs that happen to be valid UTF-8 ("Щё").
    QVERIFY(ScanUtf8(cp1251).validSequences > 0);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("Rus.txt"));
    QVERIFY(WriteFile(copy, cp1251));
    const LanguageResult fromUtf8 = ReadLanguageFile(path, Language::Russian);
    const LanguageResult fromCp1251 = ReadLanguageFile(copy, Language::Russian);
    QVERIFY2(fromCp1251.ok(), fromCp1251.error ? qPrintable(fromCp1251.error->message()) : "");
    QVERIFY(fromUtf8.ok());
    for (int b = 1; b <= kLanguageBlockCount; ++b)
        QCOMPARE(fromCp1251.table->block(b), fromUtf8.table->block(b));
    for (const CaptionTarget &t : CaptionTargets())
        QCOMPARE(t.items(*fromCp1251.table), t.items(*fromUtf8.table));
    const HelpContent help = HelpTopics(*fromCp1251.table);
    QCOMPARE(help.titles, HelpTopics(*fromUtf8.table).titles);
    QCOMPARE(help.texts, HelpTopics(*fromUtf8.table).texts);
}

void TestLanguageData::russianWithABrokenByteIsRefused()
{
    // 0xFF put inside the first em dash of the file: the message names
    // that byte and its place, not the dash's first byte.
    QByteArray bytes = FileBytes(LanguageFilePath(Language::Russian));
    const qsizetype dash = bytes.indexOf("\xE2\x80\x94");
    QVERIFY(dash > 0);
    bytes.insert(dash + 1, '\xFF');
    const int line = int(bytes.left(dash).count('\n')) + 1;
    const qsizetype column = dash + 1 - (bytes.lastIndexOf('\n', dash) + 1) + 1;

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("Rus.txt"));
    QVERIFY(WriteFile(copy, bytes));
    const LanguageResult r = ReadLanguageFile(copy, Language::Russian);
    QVERIFY(!r.ok());
    QCOMPARE(r.error->message(),
             QStringLiteral("Language file %1: line %2: byte 0xFF (byte %3 of the line) is not UTF-8, though the "
                            "file is UTF-8 elsewhere; save the file as UTF-8 throughout")
                 .arg(copy)
                 .arg(line)
                 .arg(column));
}

void TestLanguageData::helpKeysFindTheirTopics_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("symbol"); // the title begins with the element's symbol and a dash

    const QList<QPair<QString, QString>> keys{
        {"oA", "A"},     {"oAA", "AT"},   {"oV", "V"},       {"oVV", "V(t)"},    {"oR", "R"},
        {"oE", "E"},     {"oL", "L"},     {"oC", "C"},       {"oS", "S"},        {"oSS", "SA"},
        {"oSSS", "SB"},  {"oSSSS", QStringLiteral(u"S±")}, {"oSSSSS", "SF"}, {"oK", "K-50"}, {"oW", "W"},
    };
    for (const Language language : {Language::English, Language::Russian}) {
        const char *name = language == Language::English ? "English" : "Russian";
        for (const auto &[key, symbol] : keys)
            QTest::addRow("%s %s", name, qPrintable(key)) << language << key << symbol;
    }
}

void TestLanguageData::helpKeysFindTheirTopics()
{
    QFETCH(Language, language);
    QFETCH(QString, key);
    QFETCH(QString, symbol);
    const HelpContent help = HelpTopics(Load(language));
    const int index = HelpTopicIndex(key, help.titles);
    QVERIFY(index > 0);
    QVERIFY2(help.titles.at(index).startsWith(symbol + QStringLiteral(" — ")), qPrintable(help.titles.at(index)));
    QVERIFY(help.texts.at(index).size() > 100);
}

void TestLanguageData::onlyTheFirstTopicBeginsWithO_data()
{
    QTest::addColumn<Language>("language");
    AddLanguageRows("titles");
}

void TestLanguageData::onlyTheFirstTopicBeginsWithO()
{
    QFETCH(Language, language);
    const HelpContent help = HelpTopics(Load(language));
    QCOMPARE(help.titles.size(), kHelpTopicCount);
    QCOMPARE(HelpTopicIndex(QString(), help.titles), 0);
    const QRegularExpression startsWithO(QStringLiteral("^[OoОо]"));
    QVERIFY(startsWithO.match(help.titles.first()).hasMatch());
    for (int k = 1; k < help.titles.size(); ++k)
        QVERIFY2(!startsWithO.match(help.titles.at(k)).hasMatch(), qPrintable(help.titles.at(k)));
}

void TestLanguageData::derivedCaptionsReadWell_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<CaptionRole>("role");
    QTest::addColumn<QString>("pattern");

    const QString word = QStringLiteral("^\\w[^—]*\\w$"); // a plain caption, no symbol left over
    for (const Language language : {Language::English, Language::Russian}) {
        const char *name = language == Language::English ? "English" : "Russian";
        QTest::addRow("%s regulator caption", name) << language << "Form2" << "Label8" << CaptionRole::Text << word;
        QTest::addRow("%s coil caption", name) << language << "Form3" << "Label7" << CaptionRole::Text << word;
        QTest::addRow("%s lab 4 coil 1 caption", name)
            << language << "Form6" << "Label7" << CaptionRole::Text << QStringLiteral("^\\w[^—]* L1$");
        QTest::addRow("%s lab 4 coil 2 tip", name)
            << language << "Form6" << "Image1(8)" << CaptionRole::ToolTip << QStringLiteral("^ L2 — \\w.*\\w $");
        QTest::addRow("%s lab 7 source tip", name)
            << language << "Form7" << "Image1(2)" << CaptionRole::ToolTip << QStringLiteral("^ E — \\w.*\\w $");
        // The lab 8 instrument housings print their tip from its fifth character.
        for (const char *housing : {"Picture2", "Picture3", "Picture5"})
            QTest::addRow("%s lab 8 %s housing", name, housing)
                << language << "Form8" << housing << CaptionRole::ToolTip << QStringLiteral("^ \\S{2}: \\w+ $");
    }
}

void TestLanguageData::derivedCaptionsReadWell()
{
    QFETCH(Language, language);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(CaptionRole, role);
    QFETCH(QString, pattern);

    const LanguageTable table = Load(language);
    const CaptionTarget *target = nullptr;
    for (const CaptionTarget &t : CaptionTargets()) {
        if (t.window == window && t.control == control && t.role == role)
            target = &t;
    }
    QVERIFY(target);
    const QString text = target->text(table);
    const QRegularExpression re(pattern, QRegularExpression::UseUnicodePropertiesOption);
    QVERIFY2(re.match(text).hasMatch(), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestLanguageData)
#include "tst_languagedata.moc"
