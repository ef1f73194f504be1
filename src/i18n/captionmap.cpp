// The caption table: block by block, every place an item of the language
// file is written to, with its formatting rule.
#include "i18n/captionmap.h"

#include <initializer_list>
#include <utility>

namespace ohmaris {

namespace {

using Compute = std::function<QStringList(const LanguageTable &)>;

const QStringList kLabWindows{QStringLiteral("Form1"), QStringLiteral("Form2"), QStringLiteral("Form3"),
                              QStringLiteral("Form4"), QStringLiteral("Form5"), QStringLiteral("Form6"),
                              QStringLiteral("Form7"), QStringLiteral("Form8")};
// The AC benches that carry the K-50 panel (labs 2 to 6).
const QStringList kK50Windows{QStringLiteral("Form2"), QStringLiteral("Form3"), QStringLiteral("Form4"),
                              QStringLiteral("Form5"), QStringLiteral("Form6")};

QString Element(const QString &name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }

QString AsTip(const QString &text) { return QLatin1Char(' ') + text + QLatin1Char(' '); }
QString AsTitle(const QString &text) { return QLatin1Char(' ') + text; }

class Builder {
public:
    std::vector<CaptionTarget> targets;

    void add(const QString &window, const QString &control, CaptionRole role, Compute compute)
    {
        targets.push_back(CaptionTarget{window, control, role, std::move(compute)});
    }
    void addText(const QString &window, const QString &control, CaptionRole role,
                 std::function<QString(const LanguageTable &)> make)
    {
        add(window, control, role, [make = std::move(make)](const LanguageTable &t) { return QStringList{make(t)}; });
    }

    // Caption as the item stands.
    void text(const QString &window, const QString &control, int block, int item)
    {
        addText(window, control, CaptionRole::Text, [=](const LanguageTable &t) { return t.item(block, item); });
    }
    // Tool tip: one space, the item, one space.
    void tip(const QString &window, const QString &control, int block, int item)
    {
        addText(window, control, CaptionRole::ToolTip,
                [=](const LanguageTable &t) { return AsTip(t.item(block, item)); });
    }
    void tips(const QString &window, std::initializer_list<QString> controls, int block, int item)
    {
        for (const QString &c : controls)
            tip(window, c, block, item);
    }
    // A lab title: the chooser's option (one space before) and the window title.
    void labTitle(int option, const QString &window, int block, int item)
    {
        addText(QStringLiteral("frmSplash"), Element(QStringLiteral("Option1"), option), CaptionRole::Text,
                [=](const LanguageTable &t) { return AsTitle(t.item(block, item)); });
        addText(window, QString(), CaptionRole::WindowTitle,
                [=](const LanguageTable &t) { return AsTitle(t.item(block, item)); });
    }
    // The same item on one menu item of every lab window.
    void menu(const QString &action, int block, int item)
    {
        for (const QString &w : kLabWindows)
            text(w, action, block, item);
    }
    // A number and a unit symbol: "150 " + item.
    void rangeCaption(const QString &window, const QString &control, const QString &number, int block, int item)
    {
        addText(window, control, CaptionRole::Text,
                [=](const LanguageTable &t) { return number + QLatin1Char(' ') + t.item(block, item); });
    }
};

QString I(const QString &name, int index) { return Element(name, index); }

void Block1(Builder &b)
{
    const QString splash = QStringLiteral("frmSplash");
    const QString about = QStringLiteral("frmAbout");
    auto version = [](const LanguageTable &t) { return t.versionText(); };
    b.addText(splash, QStringLiteral("lblversion"), CaptionRole::Text, version);
    b.addText(about, QStringLiteral("lblVersion"), CaptionRole::Text, version);
    b.text(splash, QStringLiteral("lblProductName"), 1, 2);
    // The spaces inside the quotes do not break, so a wrapped title never
    // leaves a quote alone on a line.
    b.addText(splash, QStringLiteral("Label2"), CaptionRole::Text,
              [](const LanguageTable &t) { return QStringLiteral("\"\u00A0%1\u00A0\"").arg(t.item(1, 3)); });
    // A line break between the product name and the quoted title.
    b.addText(about, QStringLiteral("lblTitle"), CaptionRole::Text, [](const LanguageTable &t) {
        return QStringLiteral("%1\n\"\u00A0%2\u00A0\"").arg(t.item(1, 2), t.item(1, 3));
    });
    b.text(splash, QStringLiteral("Command2"), 1, 7);
    b.addText(about, QStringLiteral("lblDescription"), CaptionRole::Text, [](const LanguageTable &t) {
        return QStringLiteral("%1 \"%2\". %3").arg(t.item(1, 8), t.item(1, 3), t.item(1, 9));
    });
    b.addText(about, QStringLiteral("lblDisclaimer"), CaptionRole::Text,
              [](const LanguageTable &t) { return AboutDeveloperLine(t.language()); });
    b.addText(about, QStringLiteral("Label1"), CaptionRole::Text,
              [](const LanguageTable &) { return AboutContactLine(); });
    b.addText(about, QStringLiteral("Label2"), CaptionRole::Text,
              [](const LanguageTable &t) { return AboutTranslatorLine(t.language()); });
}

void Block2(Builder &b)
{
    const QString f1 = QStringLiteral("Form1");
    b.labTitle(0, f1, 2, 1);
    b.menu(QStringLiteral("MnuExit"), 2, 2);
    b.text(QStringLiteral("frmSplash"), QStringLiteral("Command1"), 2, 2);
    b.menu(QStringLiteral("MnuHelp"), 2, 3);
    b.menu(QStringLiteral("MnuHelpSpravka"), 2, 4);
    b.menu(QStringLiteral("MnuHelpAvtor"), 2, 5);
    b.addText(QStringLiteral("frmAbout"), QString(), CaptionRole::WindowTitle,
              [](const LanguageTable &t) { return AsTip(t.item(2, 5)); });
    b.menu(QStringLiteral("MnuLanguage"), 2, 6);
    b.menu(QStringLiteral("MnuQestionWhat"), 2, 7);
    for (const QString &w : kLabWindows) {
        b.addText(w, QStringLiteral("MnuEnglish"), CaptionRole::Text, [](const LanguageTable &) {
            return EnglishMenuCaption();
        });
        b.addText(w, QStringLiteral("MnuRussian"), CaptionRole::Text, [](const LanguageTable &) {
            return RussianMenuCaption();
        });
    }

    // Item 8: ammeter A1 wherever it stands.
    b.tip(f1, QStringLiteral("Picture2"), 2, 8);
    b.tips(QStringLiteral("Form3"), {QStringLiteral("Picture3"), I("Image1", 6)}, 2, 8);
    b.tips(QStringLiteral("Form4"), {QStringLiteral("Picture3"), I("Image1", 16)}, 2, 8);
    b.tips(QStringLiteral("Form5"), {QStringLiteral("Picture3"), I("Image1", 8)}, 2, 8);
    b.tips(QStringLiteral("Form6"), {QStringLiteral("Picture3"), I("Image1", 5)}, 2, 8);
    b.tips(QStringLiteral("Form7"), {QStringLiteral("Picture3"), I("Image1", 3)}, 2, 8);
    // Item 9: ammeter A3.
    b.tip(f1, QStringLiteral("Picture3"), 2, 9);
    b.tips(QStringLiteral("Form5"), {I("Image1", 10), QStringLiteral("Picture5")}, 2, 9);
    // Item 10: ammeter A2.
    b.tip(f1, QStringLiteral("Picture4"), 2, 10);
    b.tips(QStringLiteral("Form3"), {QStringLiteral("Picture4"), I("Image1", 7)}, 2, 10);
    b.tips(QStringLiteral("Form5"), {I("Image1", 9), QStringLiteral("Picture4")}, 2, 10);
    b.tips(QStringLiteral("Form6"), {QStringLiteral("Picture4"), I("Image1", 6)}, 2, 10);
    b.tips(QStringLiteral("Form7"), {QStringLiteral("Picture2"), I("Image1", 4)}, 2, 10);
    b.tip(f1, QStringLiteral("Picture5"), 2, 11);
    // Items 12 and 13: switches S1 and S2 of labs 1 and 7; 14 to 16: S3 to S5 of lab 1.
    for (int k = 0; k < 2; ++k) {
        b.tip(f1, I("Image1", 13 + k), 2, 12 + k);
        b.tip(QStringLiteral("Form7"), I("Image1", k), 2, 12 + k);
    }
    for (int k = 0; k < 3; ++k)
        b.tip(f1, I("Image1", 15 + k), 2, 14 + k);
    b.text(f1, QStringLiteral("Frame1"), 2, 17);
    b.tip(f1, QStringLiteral("Frame1"), 2, 17);
    // Item 18: the volt symbol; item 19: the ohm symbol.
    for (int k : {0, 2})
        b.text(f1, I("Label3", k), 2, 18);
    b.text(QStringLiteral("Form7"), QStringLiteral("Label2"), 2, 18);
    for (const char *l : {"Label20", "Label29", "Label38", "Label47"})
        b.text(QStringLiteral("Form8"), QString::fromLatin1(l), 2, 18);
    for (int k : {1, 3, 4, 5, 6})
        b.text(f1, I("Label3", k), 2, 19);
    for (int k : {0, 1})
        b.text(QStringLiteral("Form6"), I("Label6", k), 2, 19);
    for (const char *l : {"Label4", "Label7"})
        b.text(QStringLiteral("Form7"), QString::fromLatin1(l), 2, 19);
    for (const char *l : {"Label1", "Label15", "Label17"})
        b.text(QStringLiteral("Form8"), QString::fromLatin1(l), 2, 19);
    b.tip(f1, QStringLiteral("Picture15"), 2, 20);
    // Items 21 to 33: the thirteen elements of the lab 1 schematic.
    for (int k = 0; k <= 12; ++k)
        b.tip(f1, I("Image1", k), 2, 21 + k);
    // The lab 7 source is "E": item 23 ("E1 ...") without its second character.
    b.addText(QStringLiteral("Form7"), I("Image1", 2), CaptionRole::ToolTip, [](const LanguageTable &t) {
        QString s = t.item(2, 23);
        s.remove(1, 1);
        return AsTip(s);
    });
    // Items 30 and 31: resistors R1 and R2 of labs 7 and 4.
    b.tip(QStringLiteral("Form7"), I("Image1", 7), 2, 30);
    b.tip(QStringLiteral("Form6"), I("Image1", 9), 2, 30);
    b.tip(QStringLiteral("Form7"), I("Image1", 8), 2, 31);
    b.tip(QStringLiteral("Form6"), I("Image1", 10), 2, 31);
}

void Block3(Builder &b)
{
    const QString f2 = QStringLiteral("Form2");
    const QString f3 = QStringLiteral("Form3");
    const QString f4 = QStringLiteral("Form4");
    const QString f5 = QStringLiteral("Form5");
    const QString f6 = QStringLiteral("Form6");
    const QString f7 = QStringLiteral("Form7");
    b.labTitle(1, f2, 3, 1);
    for (const QString &w : kK50Windows) {
        b.addText(w, QStringLiteral("Label4"), CaptionRole::Text,
                  [](const LanguageTable &t) { return AsTip(t.item(3, 2)); });
        b.text(w, QStringLiteral("Label9"), 3, 3);
    }
    // Item 4: the K-50 set, panel and schematic block.
    for (const QString &w : kK50Windows)
        b.tip(w, QStringLiteral("Picture2"), 3, 4);
    b.tip(f2, I("Image1", 3), 3, 4);
    b.tip(f3, I("Image1", 3), 3, 4);
    b.tip(f4, I("Image1", 5), 3, 4);
    b.tip(f5, I("Image1", 7), 3, 4);
    b.tip(f6, I("Image1", 4), 3, 4);
    // Items 5 and 6: voltmeters V1 and V2.
    b.tips(f2, {QStringLiteral("Picture3"), I("Image1", 6)}, 3, 5);
    b.tips(f4, {QStringLiteral("Picture4"), I("Image1", 15)}, 3, 5);
    b.tips(f2, {QStringLiteral("Picture4"), I("Image1", 7)}, 3, 6);
    // Items 7 to 17: the K-50 panel's meters, selector and buttons.
    for (const QString &w : kK50Windows) {
        b.tip(w, QStringLiteral("Picture6"), 3, 7);
        b.tip(w, QStringLiteral("Picture7"), 3, 8);
        b.tip(w, QStringLiteral("Picture8"), 3, 9);
        b.tip(w, QStringLiteral("Picture11"), 3, 10);
        b.tip(w, QStringLiteral("Command1"), 3, 11);
        for (int k = 0; k < 3; ++k) {
            b.tip(w, I("Command2", k), 3, 12 + k);
            b.tip(w, I("Command3", k), 3, 15 + k);
        }
    }
    // Items 18 to 25: voltmeter range buttons of labs 2 and 5.
    for (int k = 0; k < 3; ++k) {
        b.tip(f2, I("Command5", k), 3, 18 + k);
        b.tip(f4, I("Command6", k), 3, 18 + k);
    }
    b.tip(f2, I("Command5", 3), 3, 21);
    for (int k = 0; k < 4; ++k)
        b.tip(f2, I("Command6", k), 3, 22 + k);
    // Item 26: the volt symbol after the range numbers. Lab 4's 150 V button
    // is set as well, so it never keeps its design caption in another language.
    for (const QString &w : kK50Windows) {
        b.rangeCaption(w, I("Command3", 0), QStringLiteral("150"), 3, 26);
        b.rangeCaption(w, I("Command3", 1), QStringLiteral("300"), 3, 26);
        b.rangeCaption(w, I("Command3", 2), QStringLiteral("450"), 3, 26);
    }
    const QStringList twoVoltmeterRanges{QStringLiteral("50"), QStringLiteral("150"), QStringLiteral("300"),
                                         QStringLiteral("750")};
    for (int k = 0; k < 4; ++k) {
        b.rangeCaption(f2, I("Command5", k), twoVoltmeterRanges.at(k), 3, 26);
        b.rangeCaption(f2, I("Command6", k), twoVoltmeterRanges.at(k), 3, 26);
    }
    const QStringList starVoltmeterRanges{QStringLiteral("50"), QStringLiteral("150"), QStringLiteral("300"),
                                          QStringLiteral("450")};
    for (int k = 0; k < 4; ++k)
        b.rangeCaption(f4, I("Command6", k), starVoltmeterRanges.at(k), 3, 26);
    for (const QString &w : {f4, f5}) {
        b.addText(w, QStringLiteral("Label6"), CaptionRole::Text,
                  [](const LanguageTable &t) { return AsTitle(t.item(3, 26)); });
    }
    // Item 27: breaker SF; item 28: switches.
    for (const QString &w : kK50Windows)
        b.tip(w, I("Image1", 0), 3, 27);
    b.tip(f2, I("Image1", 1), 3, 28);
    b.tip(f3, I("Image1", 1), 3, 28);
    for (int k = 1; k <= 4; ++k)
        b.tip(f4, I("Image1", k), 3, 28);
    for (int k = 1; k <= 6; ++k)
        b.tip(f5, I("Image1", k), 3, 28);
    b.tip(f6, I("Image1", 1), 3, 28);
    b.tip(f6, I("Image1", 2), 3, 28);
    // Item 29: regulator "AT ..."; its panel caption drops the symbol (from the sixth character).
    b.tip(f2, I("Image1", 2), 3, 29);
    b.tip(f3, I("Image1", 2), 3, 29);
    b.tip(f6, I("Image1", 3), 3, 29);
    for (const QString &w : {f2, f3, f6}) {
        b.addText(w, QStringLiteral("Label8"), CaptionRole::Text,
                  [](const LanguageTable &t) { return t.item(3, 29).mid(5); });
    }
    // Item 30: the coil "L ..."; its panel caption from the fifth character.
    b.tip(f2, I("Image1", 4), 3, 30);
    b.tip(f3, I("Image1", 4), 3, 30);
    for (int k = 9; k <= 11; ++k)
        b.tip(f4, I("Image1", k), 3, 30);
    for (int k = 14; k <= 16; ++k)
        b.tip(f5, I("Image1", k), 3, 30);
    b.tip(f7, I("Image1", 10), 3, 30);
    for (const QString &w : {f2, f3}) {
        b.addText(w, QStringLiteral("Label7"), CaptionRole::Text,
                  [](const LanguageTable &t) { return t.item(3, 30).mid(4); });
    }
    // Lab 4 has two coils: "L1 ..." and "L2 ...", and selector captions ending in L1 and L2.
    for (int n = 1; n <= 2; ++n) {
        const QString digit = QString::number(n);
        b.addText(f6, I("Image1", 6 + n), CaptionRole::ToolTip, [digit](const LanguageTable &t) {
            QString s = t.item(3, 30);
            s.insert(1, digit);
            return AsTip(s);
        });
        b.addText(f6, n == 1 ? QStringLiteral("Label7") : QStringLiteral("Label11"), CaptionRole::Text,
                  [digit](const LanguageTable &t) {
                      const QString s = t.item(3, 30);
                      return s.mid(4) + QLatin1Char(' ') + s.left(1) + digit;
                  });
    }
    // Item 31: capacitors.
    b.tip(f2, I("Image1", 5), 3, 31);
    b.tip(f3, I("Image1", 5), 3, 31);
    for (int k = 12; k <= 14; ++k)
        b.tip(f4, I("Image1", k), 3, 31);
    for (int k = 17; k <= 19; ++k)
        b.tip(f5, I("Image1", k), 3, 31);
    b.tip(f7, I("Image1", 9), 3, 31);
    // Item 32: the microfarad symbol.
    for (const QString &w : {f2, f3}) {
        b.addText(w, QStringLiteral("Label6"), CaptionRole::Text,
                  [](const LanguageTable &t) { return AsTip(t.item(3, 32)); });
    }
    b.text(f7, QStringLiteral("Label10"), 3, 32);
    // Item 33: the variant selector; lab 4 names which coil each selector sets.
    b.tip(f2, QStringLiteral("Picture9"), 3, 33);
    b.tip(f3, QStringLiteral("Picture9"), 3, 33);
    b.addText(f6, QStringLiteral("Picture9"), CaptionRole::ToolTip,
              [](const LanguageTable &t) { return QLatin1Char(' ') + t.item(3, 33) + QStringLiteral(" L1 "); });
    b.addText(f6, QStringLiteral("Picture16"), CaptionRole::ToolTip,
              [](const LanguageTable &t) { return QLatin1Char(' ') + t.item(3, 33) + QStringLiteral(" L2 "); });
    // Item 34: the regulator knob.
    for (const QString &w : {f2, f3, f6})
        b.tip(w, QStringLiteral("Picture12"), 3, 34);
}

void Block4(Builder &b)
{
    const QString f3 = QStringLiteral("Form3");
    const QString f4 = QStringLiteral("Form4");
    const QString f5 = QStringLiteral("Form5");
    const QString f6 = QStringLiteral("Form6");
    b.labTitle(2, f3, 4, 1);
    // Ammeter range buttons of labs 3 to 6 (the values differ per bench).
    b.tip(f3, I("Command5", 0), 4, 2);
    b.tip(f4, I("Command5", 0), 4, 2);
    b.tip(f3, I("Command5", 1), 4, 3);
    b.tip(f4, I("Command5", 1), 4, 3);
    b.tip(f5, I("Command5", 0), 4, 3);
    b.tip(f6, I("Command5", 0), 4, 3);
    b.tip(f3, I("Command5", 2), 4, 4);
    b.tip(f4, I("Command5", 3), 4, 4);
    b.tip(f5, I("Command5", 2), 4, 4);
    b.tip(f6, I("Command5", 2), 4, 4);
    b.tip(f3, I("Command5", 3), 4, 5);
    b.tip(f6, I("Command5", 3), 4, 5);
    b.tip(f3, I("Command6", 0), 4, 6);
    b.tip(f3, I("Command6", 1), 4, 7);
    b.tip(f5, I("Command6", 0), 4, 7);
    b.tip(f6, I("Command6", 0), 4, 7);
    b.tip(f3, I("Command6", 2), 4, 8);
    b.tip(f5, I("Command6", 2), 4, 8);
    b.tip(f6, I("Command6", 2), 4, 8);
    b.tip(f3, I("Command6", 3), 4, 9);
    b.tip(f6, I("Command6", 3), 4, 9);
}

void Block5(Builder &b)
{
    const QString f4 = QStringLiteral("Form4");
    const QString f5 = QStringLiteral("Form5");
    b.labTitle(4, f4, 5, 1);
    b.tip(f4, I("Command5", 2), 5, 2);
    b.tip(f5, I("Command5", 1), 5, 2);
    b.tip(QStringLiteral("Form6"), I("Command5", 1), 5, 2);
    b.tip(f4, I("Command6", 3), 5, 3);
    for (int k = 0; k < 3; ++k) {
        b.tip(f4, I("Image1", 6 + k), 5, 4 + k);
        b.tip(f5, I("Image1", 11 + k), 5, 4 + k);
    }
    for (const QString &w : {f4, f5}) {
        b.text(w, QStringLiteral("Frame1"), 5, 7);
        for (int k = 0; k < 3; ++k)
            b.text(w, I("Frame2", k), 5, 8 + k);
        for (int k = 0; k < 9; ++k)
            b.text(w, I("Label8", k), 5, 11);
    }
}

void Block6(Builder &b)
{
    const QString f5 = QStringLiteral("Form5");
    const QString f6 = QStringLiteral("Form6");
    b.labTitle(5, f5, 6, 1);
    b.tip(f5, I("Command6", 1), 6, 2);
    b.tip(f6, I("Command6", 1), 6, 2);
    for (int k = 0; k < 3; ++k)
        b.tip(f5, I("Command7", k), 6, 3 + k);
    // Item 6 is read and not used.
    b.labTitle(3, f6, 6, 7);
    b.text(f6, QStringLiteral("Label10"), 6, 8);
    b.tip(f6, QStringLiteral("Picture14"), 6, 9);
}

void Block7(Builder &b)
{
    const QString f7 = QStringLiteral("Form7");
    const QString f8 = QStringLiteral("Form8");
    b.labTitle(6, f7, 7, 1);
    b.text(f7, QStringLiteral("Frame1"), 7, 2);
    b.text(f8, QStringLiteral("Frame1"), 7, 2);
    b.text(f7, QStringLiteral("Label12"), 7, 3);
    b.text(f7, QStringLiteral("Label13"), 7, 4);
    b.text(f7, QStringLiteral("Label14"), 7, 5);
    b.text(f8, QStringLiteral("Label9"), 7, 5);
    b.text(f7, QStringLiteral("Label15"), 7, 6);
    b.text(f7, QStringLiteral("Command1"), 7, 7);
    b.add(f7, QStringLiteral("Combo1"), CaptionRole::ComboItems, [](const LanguageTable &t) {
        QStringList items;
        for (int k = 8; k <= 12; ++k)
            items.append(t.item(7, k));
        return items;
    });
    b.tips(f7, {I("Image1", 5), QStringLiteral("Picture11"), QStringLiteral("Picture12")}, 7, 9);
    b.tips(f7, {I("Image1", 6), QStringLiteral("Picture5"), QStringLiteral("Picture6")}, 7, 10);
    b.tip(f7, QStringLiteral("Picture9"), 7, 13);
    for (int k = 0; k < 3; ++k) {
        b.tip(f7, I("Command4", k), 7, 14 + k);
        b.tip(f7, I("Command6", k), 7, 17 + k);
    }
    b.tip(f7, QStringLiteral("Picture7"), 7, 20);
    b.tip(f8, QStringLiteral("Picture10"), 7, 20);
    b.tip(f7, QStringLiteral("Picture8"), 7, 21);
    b.tip(f7, QStringLiteral("Picture4"), 7, 22);
    b.tip(f8, QStringLiteral("Picture11"), 7, 22);
    b.tip(f7, QStringLiteral("Picture10"), 7, 23);
    b.text(f7, QStringLiteral("Label16"), 7, 24);
    b.text(f7, QStringLiteral("Label17"), 7, 24);
    b.text(f8, QStringLiteral("Label10"), 7, 24);
    b.tips(f7, {QStringLiteral("Picture14"), QStringLiteral("Picture15")}, 7, 25);
    b.tip(f8, QStringLiteral("Picture9"), 7, 25);
    b.text(f7, QStringLiteral("Label18"), 7, 26);
}

void Block8(Builder &b)
{
    const QString f8 = QStringLiteral("Form8");
    b.labTitle(7, f8, 8, 1);
    for (const char *l : {"Label55", "Label56", "Label57"})
        b.text(f8, QString::fromLatin1(l), 8, 2);
    b.tips(f8, {QStringLiteral("Picture2"), QStringLiteral("Picture4"), QStringLiteral("Label55"), I("Image1", 9)}, 8,
           3);
    b.tips(f8, {QStringLiteral("Picture3"), QStringLiteral("Picture8"), QStringLiteral("Label56"), I("Image1", 8)}, 8,
           4);
    b.tips(f8, {QStringLiteral("Picture5"), QStringLiteral("Picture6"), QStringLiteral("Label57"), I("Image1", 10)},
           8, 5);
    b.text(f8, QStringLiteral("Label2"), 8, 6);
    b.text(f8, QStringLiteral("Label3"), 8, 7);
    b.text(f8, QStringLiteral("Label4"), 8, 7);
    b.text(f8, QStringLiteral("Label23"), 8, 8);
    for (const char *l : {"Label26", "Label35", "Label44", "Label53"})
        b.text(f8, QString::fromLatin1(l), 8, 9);
    for (int k = 0; k < 4; ++k) {
        b.text(f8, I("Frame2", k), 8, 10 + k);
        b.tip(f8, I("Image1", 14 + k), 8, 10 + k);
    }
    b.text(f8, I("Label58", 0), 8, 14);
    b.text(f8, I("Label58", 1), 8, 15);
    for (int k = 0; k < 4; ++k) {
        const QString source = QStringLiteral(" (E%1) ").arg(k + 1);
        b.addText(f8, I("Command2", k), CaptionRole::ToolTip,
                  [source](const LanguageTable &t) { return QLatin1Char(' ') + t.item(8, 16) + source; });
    }
    for (int k = 0; k < 8; ++k)
        b.tip(f8, I("Image1", k), 8, 17 + k);
    for (int k = 0; k < 3; ++k)
        b.tip(f8, I("Image1", 11 + k), 8, 25 + k);
}

void Block9(Builder &b)
{
    b.addText(QStringLiteral("Spravka"), QString(), CaptionRole::WindowTitle,
              [](const LanguageTable &t) { return AsTitle(t.item(9, 1)); });
}

std::vector<CaptionTarget> BuildTargets()
{
    Builder b;
    Block1(b);
    Block2(b);
    Block3(b);
    Block4(b);
    Block5(b);
    Block6(b);
    Block7(b);
    Block8(b);
    Block9(b);
    return std::move(b.targets);
}

} // namespace

const std::vector<CaptionTarget> &CaptionTargets()
{
    static const std::vector<CaptionTarget> targets = BuildTargets();
    return targets;
}

QString AboutDeveloperLine(Language language)
{
    if (language == Language::Russian)
        return QStringLiteral("Разработка: команда проекта Ohmaris. Программа предназначена для учебных целей. "
                              "Свободная программа: GNU GPL версии 3 или более поздней.");
    return QStringLiteral("Developed by the Ohmaris project team. The program is intended for teaching. "
                          "Free software under the GNU GPL, version 3 or later.");
}

QString AboutContactLine() { return QStringLiteral("E-mail: ohmaris@example.org"); }

QString AboutTranslatorLine(Language language)
{
    if (language == Language::Russian)
        return QStringLiteral("Перевод на английский язык: команда проекта Ohmaris.");
    return QStringLiteral("English translation: the Ohmaris project team.");
}

QString EnglishMenuCaption() { return QStringLiteral("English"); }

QString RussianMenuCaption() { return QStringLiteral("Русский"); }

} // namespace ohmaris
