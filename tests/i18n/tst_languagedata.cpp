// The shipped language files: both load completely from beside the program,
// every help key lands on its element's topic, and the captions made from
// parts of items read sensibly.
#include "i18n/captionmap.h"
#include "i18n/helptopics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

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
