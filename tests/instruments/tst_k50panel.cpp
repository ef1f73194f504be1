// SPDX-License-Identifier: GPL-3.0-or-later
// K-50 panel: its controls, the range and power-direction state driven
// through the buttons, the pointer drive and the context-help keys.
#include "calc/meterdrive.h"
#include "instruments/k50panel.h"
#include "shell/controls.h"
#include "shell/fonts.h"

#include <QApplication>
#include <QtTest>
#include <memory>

using namespace ohmaris;

namespace {

struct HelpCall {
    QString key;
    Qt::MouseButton button;
};

QColor ButtonColour(QPushButton *b)
{
    return b->palette().color(QPalette::Button);
}

} // namespace

class TestK50Panel : public QObject {
    Q_OBJECT

    QWidget *client = nullptr;
    K50Panel *panel = nullptr;
    QList<HelpCall> calls;

private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void init()
    {
        calls.clear();
        client = new QWidget;
        client->resize(1024, 768);
        panel = new K50Panel(client);
        connect(panel, &K50Panel::helpRequested, this,
                [this](const QString &k, Qt::MouseButton b) { calls.append({k, b}); });
        client->show();
        QVERIFY(QTest::qWaitForWindowExposed(client));
    }

    void cleanup()
    {
        delete panel;
        delete client;
    }

    void controls()
    {
        const QStringList names{
            "Picture2", "Label4",       "Label9",       "Label1",       "Label2",       "Label3",
            "Command1", "Command2(0)",  "Command2(1)",  "Command2(2)",  "Command3(0)",  "Command3(1)",
            "Command3(2)", "Picture11", "Picture6",     "Picture7",     "Picture8",
        };
        for (const QString &n : names)
            QVERIFY2(client->findChild<QWidget *>(n), qPrintable(n));
        QCOMPARE(DesignRect(panel->Picture2()), QRectF(120, 240, 8775, 3855));
        QCOMPARE(DesignRect(client->findChild<QWidget *>("Command3(1)")), QRectF(1080, 1080, 735, 375));
        QCOMPARE(DesignRect(client->findChild<QWidget *>("Picture8")).topLeft(), QPointF(6060, 1560));
        QCOMPARE(panel->Picture2()->backColor(), QColor(192, 192, 192));
        QCOMPARE(panel->Command2(1)->text(), QStringLiteral("2,5 А"));

        QWidget other;
        K50Panel elsewhere(&other, QRectF(120, 120, 8775, 4215));
        QCOMPARE(DesignRect(elsewhere.Picture2()), QRectF(120, 120, 8775, 4215));
    }

    // Each meter is 0.9 times as high as it is wide and stands whole inside
    // the panel, scaled by the screen's one factor like every control.
    void metersFitThePanel_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1280x1024") << QSize(1280, 1024);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("1366x768") << QSize(1366, 768);
    }
    void metersFitThePanel()
    {
        QFETCH(QSize, screen);
        QWidget window;
        window.resize(screen);
        K50Panel wide(&window);
        const ScaleFactors f = ScreenScale(screen.width() * kTwipsPerPixel, screen.height() * kTwipsPerPixel);
        ScaleDesignedControls(&window, f, ScalingVariant::Plain);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char *name : {"Picture6", "Picture7", "Picture8"}) {
            auto *box = window.findChild<QWidget *>(name);
            QVERIFY2(wide.Picture2()->rect().contains(box->geometry()), name);
            QVERIFY(std::abs(box->height() - 0.9 * box->width()) <= 1);
            QVERIFY(std::abs(box->width() - 2415 * double(f.ScaleX) / kTwipsPerPixel) <= 1);
        }
    }

    void loadState()
    {
        QCOMPARE(panel->K50CurrentRange(), 5.0f);
        QCOMPARE(panel->K50VoltageRange(), 450.0f);
        QCOMPARE(panel->K50PowerRange(), 2250.0f);
        QCOMPARE(panel->PowerSign(), std::int16_t(1));
        QCOMPARE(panel->Command1()->text(), QStringLiteral("+"));
        QCOMPARE(panel->SelectedPhase(), 1);
        QCOMPARE(ButtonColour(panel->Command3(2)), SelectedRangeColour());
        QCOMPARE(ButtonColour(panel->Command2(2)), SelectedRangeColour());
        QCOMPARE(ButtonColour(panel->Command3(0)), OtherRangeColour());

        struct Expected {
            Pribor *m;
            const char *caption;
            float max, big, small;
            short systema;
        };
        const Expected meters[] = {
            {&panel->Voltmeter(), "V", 150, 25, 5, 2},
            {&panel->Ammeter(), "А", 100, 10, 2, 2},
            {&panel->Wattmeter(), "W", 150, 25, 5, 3},
        };
        for (const Expected &e : meters) {
            QCOMPARE(e.m->Caption(), QString::fromUtf8(e.caption));
            QCOMPARE(e.m->Max(), e.max);
            QCOMPARE(e.m->Min(), 0.0f);
            QCOMPARE(e.m->Bigchange(), e.big);
            QCOMPARE(e.m->Smallchange(), e.small);
            QCOMPARE(e.m->KlassT(), 0.5f);
            QCOMPARE(e.m->Shcala(), short(1));
            QCOMPARE(e.m->Tok(), short(2));
            QCOMPARE(e.m->Systema(), e.systema);
            QCOMPARE(e.m->Value(), 0.0f);
        }
        QCOMPARE(panel->Selector().Min(), 225.0f);
        QCOMPARE(panel->Selector().Max(), 135.0f);
        QCOMPARE(panel->Selector().Polojenii(), 3);
    }

    void ranges_data()
    {
        QTest::addColumn<int>("voltage");
        QTest::addColumn<int>("current");
        QTest::addColumn<float>("power");
        QTest::newRow("150 V, 1 A") << 0 << 0 << 150.0f;
        QTest::newRow("300 V, 2.5 A") << 1 << 1 << 750.0f;
        QTest::newRow("450 V, 5 A") << 2 << 2 << 2250.0f;
        QTest::newRow("150 V, 5 A") << 0 << 2 << 750.0f;
        QTest::newRow("450 V, 1 A") << 2 << 0 << 450.0f;
    }

    void ranges()
    {
        QFETCH(int, voltage);
        QFETCH(int, current);
        QFETCH(float, power);
        QTest::mouseClick(panel->Command3(voltage), Qt::LeftButton);
        QTest::mouseClick(panel->Command2(current), Qt::LeftButton);
        QCOMPARE(panel->K50VoltageRange(), k50::kVoltageRanges[size_t(voltage)]);
        QCOMPARE(panel->K50CurrentRange(), k50::kCurrentRanges[size_t(current)]);
        QCOMPARE(panel->K50PowerRange(), power);
        // The other row's order does not matter.
        QTest::mouseClick(panel->Command2(current), Qt::LeftButton);
        QTest::mouseClick(panel->Command3(voltage), Qt::LeftButton);
        QCOMPARE(panel->K50PowerRange(), power);
    }

    void highlight()
    {
        for (int i : {1, 0, 2, 2}) {
            QTest::mouseClick(panel->Command3(i), Qt::LeftButton);
            for (int j = 0; j < 3; ++j)
                QCOMPARE(ButtonColour(panel->Command3(j)), j == i ? QColor(Qt::white) : OtherRangeColour());
            QCOMPARE(panel->K50VoltageRange(), k50::kVoltageRanges[size_t(i)]);
        }
        QCOMPARE(ButtonColour(panel->Command2(2)), QColor(Qt::white));
    }

    void powerDirection()
    {
        QTest::mouseClick(panel->Command1(), Qt::LeftButton);
        QCOMPARE(panel->Command1()->text(), QStringLiteral("-"));
        QCOMPARE(panel->PowerSign(), std::int16_t(-1));
        QTest::mouseClick(panel->Command1(), Qt::LeftButton);
        QCOMPARE(panel->Command1()->text(), QStringLiteral("+"));
        QCOMPARE(panel->PowerSign(), std::int16_t(1));
        // Any other caption counts as "-".
        k50::Ranges r;
        QCOMPARE(r.TogglePowerDirection(QStringLiteral("?")), QStringLiteral("+"));
        QCOMPARE(r.PowerSign, std::int16_t(1));
    }

    void clicksMoveFocusToThePanel()
    {
        client->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(client));
        QTest::mouseClick(panel->Command2(0), Qt::LeftButton);
        QVERIFY(panel->Picture2()->hasFocus());
    }

    void targets()
    {
        k50::Ranges r;
        const k50::Targets at450 = k50::TargetsFor(r, 220, 1, 400, false);
        r.SetVoltageRange(0);
        const k50::Targets at150 = k50::TargetsFor(r, 220, 1, 400, false);
        QCOMPARE(at150.voltmeter, 3 * at450.voltmeter);
        QCOMPARE(at450.ammeter, 20.0);               // 1 A on the 5 A range
        QCOMPARE(at450.wattmeter, 400.0 * 150 / 2250);
        QCOMPARE(at150.wattmeter, 400.0 * 150 / 750); // the power range follows
        r.PowerSign = -1;
        QCOMPARE(k50::TargetsFor(r, 220, 1, 400, true).wattmeter, -400.0 * 150 / 750);
        QCOMPARE(k50::TargetsFor(r, 220, 1, 400, false).wattmeter, 400.0 * 150 / 750);
        QCOMPARE(MeterStep(0, 100), 20.0f);
        QCOMPARE(MeterStep(50, 100), 60.0f);
    }

    void drive_data()
    {
        QTest::addColumn<bool>("applySign");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<float>("watts");
        QTest::newRow("single-phase lab ignores the direction") << false << true << 165.0f;
        QTest::newRow("three-phase lab, direction +") << true << false << 165.0f;
        QTest::newRow("three-phase lab, direction -") << true << true << -15.0f;
    }

    void drive()
    {
        QFETCH(bool, applySign);
        QFETCH(bool, reverse);
        QFETCH(float, watts);
        if (reverse)
            QTest::mouseClick(panel->Command1(), Qt::LeftButton);
        // Readings far beyond every range stop three divisions past the end.
        panel->SetReadings({5000, 0, 0}, {100, 0, 0}, {1e6f, 0, 0});
        for (int i = 0; i < 100; ++i)
            panel->Tick(applySign);
        QCOMPARE(panel->Voltmeter().Value(), 165.0f);
        QCOMPARE(panel->Ammeter().Value(), 106.0f);
        QCOMPARE(panel->Wattmeter().Value(), watts);
    }

    void driveFollowsRangeAndPhase()
    {
        panel->SetReadings({220, 0, 0}, {1, 0, 0}, {200, 0, 0});
        panel->Tick(false);
        QCOMPARE(panel->Voltmeter().Value(), float(0.2 * (220.0 * 150 / 450)));
        QCOMPARE(panel->Ammeter().Value(), float(0.2 * 20));
        for (int i = 0; i < 150; ++i)
            panel->Tick(false);
        QVERIFY(std::fabs(panel->Voltmeter().Value() - 220.0f * 150 / 450) < 1e-3);
        QTest::mouseClick(panel->Command3(0), Qt::LeftButton);
        for (int i = 0; i < 150; ++i)
            panel->Tick(false);
        QVERIFY(std::fabs(panel->Voltmeter().Value() - 165.0f) < 1e-3); // 220 V is off the 150 V scale
        QTest::mouseClick(panel->Command3(2), Qt::LeftButton);
        for (int i = 0; i < 150; ++i)
            panel->Tick(false);
        // Phase B carries nothing in a single-phase lab: the pointers fall back.
        QTest::mouseClick(panel->Selector().Pic1(), Qt::RightButton, {}, panel->Selector().Pic1()->rect().center());
        QCOMPARE(panel->SelectedPhase(), 2);
        for (int i = 0; i < 60; ++i)
            panel->Tick(false);
        QVERIFY(std::fabs(panel->Voltmeter().Value()) < 0.01);
        QVERIFY(std::fabs(panel->Ammeter().Value()) < 0.01);
        QVERIFY(std::fabs(panel->Wattmeter().Value()) < 0.01);
        // Phase C of a three-phase reading.
        panel->SetReadings({0, 0, 219.4f}, {0, 0, 1}, {0, 0, -50});
        QTest::mouseClick(panel->Selector().Pic1(), Qt::RightButton, {}, panel->Selector().Pic1()->rect().center());
        QCOMPARE(panel->SelectedPhase(), 3);
        panel->Tick(true);
        QCOMPARE(panel->Ammeter().Value(), float(0.2 * 100 / 5));
    }

    // What a person reads from the panel on each phase: the three meters at
    // the chosen ranges (to the scale's reading of the pointer at rest on
    // its target) and the power direction.
    void readingOnEachPhase_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("voltageButton");
        QTest::addColumn<int>("currentButton");
        QTest::addColumn<bool>("reverse");
        QTest::newRow("A at 450 V, 5 A") << 1 << 2 << 2 << false;
        QTest::newRow("B at 300 V, 2.5 A, reversed") << 2 << 1 << 1 << true;
        QTest::newRow("C at 150 V, 1 A") << 3 << 0 << 0 << false;
    }
    void readingOnEachPhase()
    {
        QFETCH(int, phase);
        QFETCH(int, voltageButton);
        QFETCH(int, currentButton);
        QFETCH(bool, reverse);
        const std::array<float, 3> u{220.0f, 127.5f, 99.0f}, i{4.2f, 1.7f, 0.6f}, p{800.0f, 60.0f, 45.0f}; // reversed, B stays on the scale
        panel->SetReadings(u, i, p);
        QTest::mouseClick(panel->Command3(voltageButton), Qt::LeftButton);
        QTest::mouseClick(panel->Command2(currentButton), Qt::LeftButton);
        if (reverse)
            QTest::mouseClick(panel->Command1(), Qt::LeftButton);
        PictureBox *selector = panel->Selector().Pic1();
        for (int k = 1; k < phase; ++k)
            QTest::mouseClick(selector, Qt::RightButton, {}, selector->rect().center());
        // A meter learns its target from the drive: tick until every one
        // has come to rest on it.
        const auto resting = [this] {
            return panel->Voltmeter().AtRest() && panel->Ammeter().AtRest() && panel->Wattmeter().AtRest();
        };
        int ticks = 0;
        do
            panel->Tick(true);
        while (!resting() && ++ticks < 200);
        QVERIFY(resting());

        const K50Reading r = panel->Reading();
        const std::size_t j = std::size_t(phase - 1);
        const float volts = k50::kVoltageRanges[std::size_t(voltageButton)];
        const float amps = k50::kCurrentRanges[std::size_t(currentButton)];
        QCOMPARE(r.phase, phase);
        QCOMPARE(r.powerSign, reverse ? -1 : 1);
        QCOMPARE(r.voltmeter.name, QStringLiteral("K-50 V"));
        QCOMPARE(r.ammeter.name, QStringLiteral("K-50 A"));
        QCOMPARE(r.wattmeter.name, QStringLiteral("K-50 W"));
        QCOMPARE(r.voltmeter.unit, QStringLiteral("V"));
        QCOMPARE(r.ammeter.unit, QStringLiteral("A"));
        QCOMPARE(r.wattmeter.unit, QStringLiteral("W"));
        QCOMPARE(r.voltmeter.range, double(volts));
        QCOMPARE(r.ammeter.range, double(amps));
        QCOMPARE(r.wattmeter.range, double(volts) * amps);
        // Class 0.5 of the full scale.
        QCOMPARE(r.ammeter.error, 0.005 * amps);
        const auto near = [](double read, double expected) { return std::fabs(read - expected) < 1e-4 * std::max(1.0, expected); };
        QVERIFY2(near(r.voltmeter.value, u[j]), qPrintable(QString::number(r.voltmeter.value)));
        QVERIFY2(near(r.ammeter.value, i[j]), qPrintable(QString::number(r.ammeter.value)));
        QVERIFY2(near(r.wattmeter.value, (reverse ? -1 : 1) * p[j]), qPrintable(QString::number(r.wattmeter.value)));

        // The selector and the direction button read on their own.
        QCOMPARE(panel->Selector().Reading().name, QStringLiteral("K-50 phase"));
        QCOMPARE(panel->Selector().Reading().value, double(phase));
        QCOMPARE(panel->DirectionReading().name, QStringLiteral("K-50 direction"));
        QCOMPARE(panel->DirectionReading().value, reverse ? -1.0 : 1.0);
    }

    void signalsWhatChanges()
    {
        QSignalSpy ranges(panel, &K50Panel::rangesChanged);
        QSignalSpy sign(panel, &K50Panel::powerSignChanged);
        QSignalSpy phases(panel, &K50Panel::phaseChanged);
        QTest::mouseClick(panel->Command2(0), Qt::LeftButton);
        QTest::mouseClick(panel->Command1(), Qt::LeftButton);
        PictureBox *selector = panel->Selector().Pic1();
        QTest::mouseClick(selector, Qt::RightButton, {}, selector->rect().center());
        QCOMPARE(ranges.count(), 1);
        QCOMPARE(panel->property("K50PowerRange").toFloat(), 450.0f);
        QCOMPARE(sign.count(), 1);
        QCOMPARE(sign.at(0).at(0).toInt(), -1);
        QCOMPARE(phases.count(), 1);
        QCOMPARE(phases.at(0).at(0).toInt(), 2);
    }

    void selectorClicks()
    {
        int recalc = 0;
        connect(panel, &K50Panel::selectorTurned, this, [&recalc] { ++recalc; });
        PictureBox *box = panel->Selector().Pic1();
        const QPoint centre = box->rect().center();
        QTest::mouseClick(box, Qt::RightButton, {}, centre);
        QCOMPARE(panel->SelectedPhase(), 2);
        QTest::mouseClick(box, Qt::LeftButton, {}, centre);
        QCOMPARE(panel->SelectedPhase(), 1);
        QCOMPARE(recalc, 2);
    }

    void helpKeys_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::newRow("power direction") << "Command1" << "oSSSS";
        QTest::newRow("current range") << "Command2(1)" << "oSSS";
        QTest::newRow("voltage range") << "Command3(2)" << "oSSS";
        QTest::newRow("title") << "Label4" << "oK";
        QTest::newRow("direction label") << "Label9" << "oK";
        QTest::newRow("panel") << "Picture2" << "oK";
        QTest::newRow("voltmeter") << "Picture6" << "oV";
        QTest::newRow("ammeter") << "Picture7" << "oA";
        QTest::newRow("wattmeter") << "Picture8" << "oW";
    }

    void helpKeys()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        QWidget *w = client->findChild<QWidget *>(control);
        QVERIFY(w);
        // Right click: one call with the key that asks for the pop-up (the
        // panel behind the control does not answer as well).
        QTest::mouseClick(w, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].key, key);
        QCOMPARE(calls[0].button, Qt::RightButton);
        // Left press: the key is stored, no pop-up.
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls[1].key, key);
        QCOMPARE(calls[1].button, Qt::LeftButton);
    }

    void selectorHelpPopup_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("after");
        QTest::newRow("right click at A only turns") << 1 << int(Qt::NoModifier) << int(Qt::NoButton) << 2;
        QTest::newRow("right click at B only turns") << 2 << int(Qt::NoModifier) << int(Qt::NoButton) << 3;
        QTest::newRow("Shift alone pops up") << 1 << int(Qt::ShiftModifier) << int(Qt::RightButton) << 2;
        QTest::newRow("Shift with Control does not")
            << 1 << int(Qt::ShiftModifier | Qt::ControlModifier) << int(Qt::NoButton) << 2;
        QTest::newRow("at C the pop-up opens") << 3 << int(Qt::NoModifier) << int(Qt::RightButton) << 3;
        QTest::newRow("at C with Shift it opens once") << 3 << int(Qt::ShiftModifier) << int(Qt::RightButton) << 3;
    }

    void selectorHelpPopup()
    {
        QFETCH(int, position);
        QFETCH(int, modifiers);
        QFETCH(int, reported);
        QFETCH(int, after);
        panel->Selector().setValue(float(position));
        PictureBox *box = panel->Selector().Pic1();
        QTest::mouseClick(box, Qt::RightButton, Qt::KeyboardModifiers(modifiers), box->rect().center());
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].key, QStringLiteral("oSS"));
        QCOMPARE(int(calls[0].button), reported);
        QCOMPARE(panel->SelectedPhase(), after);
    }

    void outlivesItsControls()
    {
        // The window unloads first: the panel keeps working on its state.
        delete client;
        client = nullptr;
        panel->Command2_Click(0);
        panel->Command1_Click();
        QCOMPARE(panel->PowerSign(), std::int16_t(-1));
        QCOMPARE(panel->K50PowerRange(), 450.0f);
        panel->SetReadings({100, 0, 0}, {1, 0, 0}, {10, 0, 0});
        panel->Tick(true);
        QVERIFY(panel->Voltmeter().Value() > 0);
    }

    void removesItsControls()
    {
        QPointer<QWidget> box = panel->Picture2();
        delete panel;
        panel = nullptr;
        QVERIFY(box.isNull());
        QVERIFY(!client->findChild<QWidget *>("Command1"));
    }
};

QTEST_MAIN(TestK50Panel)
#include "tst_k50panel.moc"
