// SPDX-License-Identifier: GPL-3.0-or-later
// Caption table: formatting rules, completeness against the item layout,
// and the help window's keyboard selection of topics.
#include "i18n/captionmap.h"
#include "i18n/helptopics.h"
#include "labs/labtable.h"
#include "ohmaris_version.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace ohmaris;

namespace {

// A table whose items are "b<block>i<item>", with a few realistic items
// where a rule cuts or splices the text.
LanguageTable MarkedTable(Language language = Language::English)
{
    std::array<QStringList, kLanguageBlockCount> blocks;
    for (int b = 0; b < kLanguageBlockCount; ++b) {
        for (int n = 1; n <= kLanguageBlockSizes[b]; ++n)
            blocks[b].append(QStringLiteral("b%1i%2").arg(b + 1).arg(n));
    }
    blocks[0][0] = QStringLiteral("Version");
    blocks[1][22] = QStringLiteral("E1 — EMF source");      // block 2 item 23
    blocks[2][25] = QStringLiteral("V");                    // block 3 item 26
    blocks[2][28] = QStringLiteral("AT — Voltage regulator"); // block 3 item 29
    blocks[2][29] = QStringLiteral("L — Inductive coil");     // block 3 item 30
    return LanguageTable(language, blocks);
}

const CaptionTarget *Find(const QString &window, const QString &control, CaptionRole role)
{
    for (const CaptionTarget &t : CaptionTargets()) {
        if (t.window == window && t.control == control && t.role == role)
            return &t;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(ohmaris::CaptionRole)

class TestCaptionMap : public QObject {
    Q_OBJECT

private slots:
    void formattingRules_data();
    void formattingRules();
    void comboItems();
    void aboutLinesFollowLanguage();
    void everyUsedItemReachesAWindow();
    void targetsAreWellFormedAndUnique();
    void helpContent();
    void helpTopicSelection_data();
    void helpTopicSelection();
    void handTypingInTheList();
};

void TestCaptionMap::formattingRules_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<CaptionRole>("role");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tool tip padded") << "Form1" << "Picture2" << CaptionRole::ToolTip << " b2i8 ";
    QTest::newRow("lab window title") << "Form6" << "" << CaptionRole::WindowTitle << " b6i7";
    QTest::newRow("chooser option of lab 4") << "frmSplash" << "Option1(3)" << CaptionRole::Text << " b6i7";
    QTest::newRow("chooser option of lab 5") << "frmSplash" << "Option1(4)" << CaptionRole::Text << " b5i1";
    QTest::newRow("menu item unchanged") << "Form8" << "MnuHelpAvtor" << CaptionRole::Text << "b2i5";
    QTest::newRow("about title is padded like a tip") << "frmAbout" << "" << CaptionRole::WindowTitle << " b2i5 ";
    QTest::newRow("frame caption and its tip") << "Form1" << "Frame1" << CaptionRole::ToolTip << " b2i17 ";
    QTest::newRow("version line") << "frmSplash" << "lblversion" << CaptionRole::Text << QStringLiteral("Version ") + QLatin1String(kVersionText);
    // No-break spaces inside the quotes: a quote never wraps onto a line alone.
    QTest::newRow("quoted program title") << "frmSplash" << "Label2" << CaptionRole::Text
                                          << "\"\u00A0b1i3\u00A0\"";
    QTest::newRow("about title on two lines") << "frmAbout" << "lblTitle" << CaptionRole::Text
                                              << "b1i2\n\"\u00A0b1i3\u00A0\"";
    QTest::newRow("about description") << "frmAbout" << "lblDescription" << CaptionRole::Text
                                       << "b1i8 \"b1i3\". b1i9";
    QTest::newRow("150 V range") << "Form5" << "Command3(0)" << CaptionRole::Text << "150 V";
    QTest::newRow("lab 4 150 V range too") << "Form6" << "Command3(0)" << CaptionRole::Text << "150 V";
    QTest::newRow("750 V range of V2") << "Form2" << "Command6(3)" << CaptionRole::Text << "750 V";
    QTest::newRow("450 V range of lab 5 V1") << "Form4" << "Command6(3)" << CaptionRole::Text << "450 V";
    QTest::newRow("unit after line voltage") << "Form4" << "Label6" << CaptionRole::Text << " V";
    QTest::newRow("K-50 title padded") << "Form3" << "Label4" << CaptionRole::Text << " b3i2 ";
    QTest::newRow("microfarad label padded") << "Form2" << "Label6" << CaptionRole::Text << " b3i32 ";
    QTest::newRow("microfarad label of lab 7") << "Form7" << "Label10" << CaptionRole::Text << "b3i32";
    QTest::newRow("regulator caption from the sixth character")
        << "Form6" << "Label8" << CaptionRole::Text << "Voltage regulator";
    QTest::newRow("coil caption from the fifth character") << "Form2" << "Label7" << CaptionRole::Text
                                                           << "Inductive coil";
    QTest::newRow("lab 4 first coil caption") << "Form6" << "Label7" << CaptionRole::Text << "Inductive coil L1";
    QTest::newRow("lab 4 second coil caption") << "Form6" << "Label11" << CaptionRole::Text << "Inductive coil L2";
    QTest::newRow("lab 4 second coil tip") << "Form6" << "Image1(8)" << CaptionRole::ToolTip
                                           << " L2 — Inductive coil ";
    QTest::newRow("lab 4 second selector tip") << "Form6" << "Picture16" << CaptionRole::ToolTip << " b3i33 L2 ";
    QTest::newRow("lab 7 source without its index") << "Form7" << "Image1(2)" << CaptionRole::ToolTip
                                                    << " E — EMF source ";
    QTest::newRow("lab 8 source button tip") << "Form8" << "Command2(2)" << CaptionRole::ToolTip << " b8i16 (E3) ";
    QTest::newRow("help window title") << "Spravka" << "" << CaptionRole::WindowTitle << " b9i1";
    QTest::newRow("fixed language item") << "Form3" << "MnuRussian" << CaptionRole::Text << QStringLiteral(u"Русский");
}

void TestCaptionMap::formattingRules()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(CaptionRole, role);
    QFETCH(QString, expected);

    const CaptionTarget *target = Find(window, control, role);
    QVERIFY2(target, qPrintable(window + QLatin1Char('.') + control));
    QCOMPARE(target->text(MarkedTable()), expected);
}

void TestCaptionMap::comboItems()
{
    const CaptionTarget *target = Find(QStringLiteral("Form7"), QStringLiteral("Combo1"), CaptionRole::ComboItems);
    QVERIFY(target);
    QCOMPARE(target->items(MarkedTable()), (QStringList{"b7i8", "b7i9", "b7i10", "b7i11", "b7i12"}));
}

void TestCaptionMap::aboutLinesFollowLanguage()
{
    const CaptionTarget *developer = Find(QStringLiteral("frmAbout"), QStringLiteral("lblDisclaimer"), CaptionRole::Text);
    const CaptionTarget *contact = Find(QStringLiteral("frmAbout"), QStringLiteral("Label1"), CaptionRole::Text);
    QVERIFY(developer && contact);
    QCOMPARE(developer->text(MarkedTable(Language::Russian)), AboutDeveloperLine(Language::Russian));
    QVERIFY(AboutDeveloperLine(Language::Russian) != AboutDeveloperLine(Language::English));
    QVERIFY(AboutTranslatorLine(Language::Russian) != AboutTranslatorLine(Language::English));
    QCOMPARE(contact->text(MarkedTable(Language::Russian)), contact->text(MarkedTable(Language::English)));
}

void TestCaptionMap::everyUsedItemReachesAWindow()
{
    // Items that the windows read and never show.
    const QSet<QString> unused{"b1i4", "b1i5", "b1i6", "b1i10", "b1i11", "b1i12", "b1i13", "b1i14", "b1i15",
                               "b1i16", "b6i6"};
    // Every rule leaves "b<k>i<n>" recognisable; the derived ones are fed
    // marked items here so that a wrong item number shows up too.
    std::array<QStringList, kLanguageBlockCount> blocks;
    for (int b = 0; b < kLanguageBlockCount; ++b) {
        for (int n = 1; n <= kLanguageBlockSizes[b]; ++n)
            blocks[b].append(QStringLiteral("@@@@@b%1i%2@").arg(b + 1).arg(n));
    }
    const LanguageTable table(Language::English, blocks);
    const QRegularExpression marker(QStringLiteral("b(\\d)i(\\d+)"));
    QSet<QString> seen;
    for (const CaptionTarget &t : CaptionTargets()) {
        for (const QString &text : t.items(table)) {
            for (auto m = marker.globalMatch(text); m.hasNext();)
                seen.insert(m.next().captured(0));
        }
    }
    QSet<QString> expected;
    for (int b = 1; b <= 8; ++b) {
        for (int n = 1; n <= kLanguageBlockSizes[b - 1]; ++n) {
            const QString key = QStringLiteral("b%1i%2").arg(b).arg(n);
            if (!unused.contains(key))
                expected.insert(key);
        }
    }
    expected.insert(QStringLiteral("b9i1")); // the help window title; topics come from HelpTopics()
    QCOMPARE(seen - expected, QSet<QString>());
    QCOMPARE(expected - seen, QSet<QString>());
}

void TestCaptionMap::targetsAreWellFormedAndUnique()
{
    QSet<QString> windows{"frmSplash", "frmAbout", "Spravka"};
    for (const LabFrame &frame : LabTable::kFrames)
        windows.insert(QLatin1String(frame.form));
    const QRegularExpression name(QStringLiteral("^[A-Za-z]+[0-9]*(\\([0-9]+\\))?$"));
    QSet<QString> keys;
    for (const CaptionTarget &t : CaptionTargets()) {
        const QString key = t.window + QLatin1Char('.') + t.control + QLatin1Char('#') + QString::number(int(t.role));
        QVERIFY2(windows.contains(t.window), qPrintable(key));
        QVERIFY2(t.control.isEmpty() == (t.role == CaptionRole::WindowTitle), qPrintable(key));
        QVERIFY2(t.control.isEmpty() || name.match(t.control).hasMatch(), qPrintable(key));
        QVERIFY2(!keys.contains(key), qPrintable(QStringLiteral("twice: ") + key));
        keys.insert(key);
    }
    // Each lab window has its whole menu, each option its lab.
    for (int lab = 1; lab <= kLabCount; ++lab) {
        const QString form = QLatin1String(LabTable::kFrames[std::size_t(lab - 1)].form);
        for (const char *action : {"MnuExit", "MnuLanguage", "MnuEnglish", "MnuRussian", "MnuHelp", "MnuHelpSpravka",
                                   "MnuHelpAvtor", "MnuQestionWhat"})
            QVERIFY2(Find(form, QString::fromLatin1(action), CaptionRole::Text), qPrintable(form + action));
        QVERIFY(Find(form, QString(), CaptionRole::WindowTitle));
        QVERIFY(Find(QStringLiteral("frmSplash"), QStringLiteral("Option1(%1)").arg(lab - 1), CaptionRole::Text));
    }
}

void TestCaptionMap::helpContent()
{
    const HelpContent help = HelpTopics(MarkedTable());
    QCOMPARE(help.windowTitle, QStringLiteral(" b9i1"));
    QCOMPARE(help.titles.size(), kHelpTopicCount);
    QCOMPARE(help.texts.size(), kHelpTopicCount);
    QCOMPARE(help.titles.first(), QStringLiteral("b9i2"));
    QCOMPARE(help.texts.first(), QStringLiteral("b9i3"));
    QCOMPARE(help.titles.last(), QStringLiteral("b9i34"));
    QCOMPARE(help.texts.last(), QStringLiteral("b9i35"));
}

void TestCaptionMap::helpTopicSelection_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");

    // Titles: O, A, V, S, S, R, a
    QTest::newRow("empty key: first topic") << "" << -1 << 0;
    QTest::newRow("oA") << "oA" << -1 << 1;
    QTest::newRow("oSS") << "oSS" << -1 << 4;
    QTest::newRow("third S wraps to the first S") << "oSSS" << -1 << 3;
    QTest::newRow("case ignored: second A is lower case") << "oAA" << -1 << 6;
    QTest::newRow("unknown letter keeps the selection") << "oVX" << -1 << 2;
    QTest::newRow("Cyrillic o returns to the first topic") << QStringLiteral(u"oS\u043ER") << -1 << 5;
    QTest::newRow("retyped from a hand-picked topic") << "oA" << 5 << 1;
}

void TestCaptionMap::helpTopicSelection()
{
    QFETCH(QString, key);
    QFETCH(int, start);
    QFETCH(int, expected);
    const QStringList titles{"Overview", "Ammeter", "Voltmeter", "Switch", "Selector", "Resistor", "autotransformer"};
    QCOMPARE(HelpTopicIndex(key, titles, start), expected);
}

void TestCaptionMap::handTypingInTheList()
{
    const QStringList titles{"Overview", "Ammeter", "Voltmeter", "Switch", "Selector"};
    QCOMPARE(HelpTopicAfterKey(QChar(u's'), titles, 4), 3); // wraps past the end
    QCOMPARE(HelpTopicAfterKey(QChar(u'v'), titles, -1), 2);
    QCOMPARE(HelpTopicAfterKey(QChar(u'x'), titles, -1), -1);
    QCOMPARE(HelpTopicAfterKey(QChar(u'O'), QStringList(), -1), -1);
}

QTEST_GUILESS_MAIN(TestCaptionMap)
#include "tst_captionmap.moc"
