// SPDX-License-Identifier: GPL-3.0-or-later
// Shared bench-test set-up and input.
#include "benchtest.h"

#include "labs/common/bench_singlephase.h"
#include "labs/registry.h"
#include "shell/controls.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace ohmaris::test {

void BenchTestBase::init()
{
    QVERIFY(OpenWindow());
    Opened();
}

LabWindow *BenchFixture::Open(int lab, double start)
{
    Shell::reset();
    Shell &shell = Shell::instance();
    shell.setMessagesShown(false);
    int language = 1;
    if (!shell.LoadLanguage(language)) {
        QTest::qFail(qPrintable(shell.lastLanguageError()), __FILE__, __LINE__);
        return nullptr;
    }
    clock.set(start);
    setAppClock(&clock);
    RegisterLabWindows();
    m_window = shell.LabWindowFor(lab);
    if (!m_window)
        return nullptr;
    // The tests tick the bench themselves.
    m_window->setTimerHeld(true);
    m_window->Show();
    QCoreApplication::processEvents();
    return m_window;
}

void BenchFixture::Close()
{
    Shell::reset();
    setAppClock(nullptr);
    m_window = nullptr;
}

void BenchFixture::Reopen(double away)
{
    m_window->Unload();
    QVERIFY(!m_window->isLoaded());
    clock.advance(away);
    m_window->Show();
    QCoreApplication::processEvents();
}

void BenchFixture::Ticks(int count, double dt)
{
    for (int i = 0; i < count; ++i) {
        clock.advance(dt);
        m_window->Tick();
    }
}

void BenchFixture::TicksUntil(double time, double dt)
{
    while (clock.now() + dt <= time)
        Ticks(1, dt);
}

QWidget *BenchFixture::Control(const QString &name) const
{
    return m_window ? m_window->Control(name) : nullptr;
}

ohmaris::ClickArea *BenchFixture::Area(int index) const
{
    return m_window ? m_window->Control<ohmaris::ClickArea>(ArrayName(QStringLiteral("Image1"), index)) : nullptr;
}

QLineEdit *BenchFixture::Box(const QString &name) const
{
    return m_window ? m_window->Control<QLineEdit>(name) : nullptr;
}

void BenchFixture::ClickHotspot(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(Area(index), button, modifiers);
}

void BenchFixture::ClickKnob(const QString &box, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QWidget *knob = Control(box);
    QTest::mouseClick(knob, button, modifiers, knob->rect().center());
}

void BenchFixture::Click(const QString &control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(Control(control), button, modifiers);
}

void BenchFixture::ExpectDelayedTrip()
{
    auto *bench = dynamic_cast<SinglePhaseBench *>(m_window);
    QVERIFY2(bench, "not a single-phase bench");
    SinglePhaseCircuit &c = bench->circuit();
    const double start = c.Protection.OverloadStart;
    QVERIFY2(start > 0, "no overload running");
    TicksUntil(start + SupplyProtection::kDelaySeconds);
    QCOMPARE(c.SwitchState[SinglePhaseCircuit::kBreaker], std::int16_t(1));
    Ticks(1);
    QCOMPARE(c.SwitchState[SinglePhaseCircuit::kBreaker], std::int16_t(0));
    QVERIFY(c.RecalcPending);
}

void BenchFixture::FullVoltage(std::initializer_list<int> closed, int ticks)
{
    auto *bench = dynamic_cast<SinglePhaseBench *>(m_window);
    if (!bench) {
        QTest::qFail("not a single-phase bench", __FILE__, __LINE__);
        return;
    }
    bench->Regulator().setValue(1);
    bench->circuit().RecalcPending = true;
    for (int index : closed)
        ClickHotspot(index);
    Ticks(ticks);
}

void BenchFixture::TypeInto(const QString &box, const QString &keys)
{
    QLineEdit *e = Box(box);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, keys);
}

QPushButton *BenchFixture::Button(const QString &row, int index) const
{
    return m_window ? m_window->Control<QPushButton>(ArrayName(row, index)) : nullptr;
}

bool BenchFixture::MenuShown() const
{
    return m_window && m_window->contextMenu() && m_window->contextMenu()->isVisible();
}

void BenchFixture::CloseMenu() const
{
    if (m_window && m_window->contextMenu())
        m_window->contextMenu()->hide();
}

QString BenchFixture::RightClickKey(const QString &control, bool *menu)
{
    QWidget *c = Control(control);
    if (!c)
        return {};
    QTest::mouseClick(c, Qt::RightButton, Qt::NoModifier, c->rect().center());
    if (menu)
        *menu = MenuShown();
    CloseMenu();
    return Shell::instance().HelpKey;
}

void BenchFixture::AddHotspotKeyRows(const QStringList &keys)
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    for (int i = 0; i < keys.size(); ++i) {
        const QString name = ArrayName(QStringLiteral("Image1"), i);
        QTest::newRow(qPrintable(name)) << name << keys[i];
    }
}

void BenchFixture::AddSinglePhaseControlRows(const QString &meterKey)
{
    QTest::newRow("Picture3") << QStringLiteral("Picture3") << meterKey;
    QTest::newRow("Picture4") << QStringLiteral("Picture4") << meterKey;
    QTest::newRow("Command5(0)") << QStringLiteral("Command5(0)") << QStringLiteral("oSSS");
    QTest::newRow("Command6(3)") << QStringLiteral("Command6(3)") << QStringLiteral("oSSS");
    QTest::newRow("K-50 Command1") << QStringLiteral("Command1") << QStringLiteral("oSSSS");
    QTest::newRow("K-50 Picture8") << QStringLiteral("Picture8") << QStringLiteral("oW");
}

void BenchFixture::RightClickForHelp(const QString &control, const QString &key)
{
    QWidget *c = Control(control);
    QVERIFY2(c, qPrintable(control));
    QVERIFY2(!c->toolTip().trimmed().isEmpty(), qPrintable(control));
    QTest::mouseClick(c, Qt::RightButton, Qt::NoModifier, c->rect().center());
    QCOMPARE(Shell::instance().HelpKey, key);
    QVERIFY(MenuShown());
    CloseMenu();
}

QImage BenchFixture::Grab(const QString &control) const
{
    return Control(control)->grab().toImage();
}

bool BenchFixture::BladeRed(QPointF pivot, QPointF end) const
{
    // The pixel the middle falls in (rounding could pick a neighbour on the
    // blade's antialiased edge).
    const QPointF mid = (pivot + end) / 2 / kTwipsPerPixel;
    const QPoint pixel(int(std::floor(mid.x())), int(std::floor(mid.y())));
    return IsRed(Grab(QStringLiteral("Picture1")).pixelColor(pixel));
}

QRect BenchFixture::ChangedArea(const QImage &before, const QImage &after)
{
    QRect area;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

QList<QPoint> BenchFixture::ChangedPixels(const QImage &before, const QImage &after)
{
    QList<QPoint> out;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y))
                out << QPoint(x, y);
    return out;
}

QStringList BenchFixture::VisibleTexts() const
{
    QStringList all;
    if (!m_window || !m_window->form())
        return all;
    all << m_window->form()->windowTitle();
    for (QWidget *c : m_window->form()->findChildren<QWidget *>()) {
        all << c->toolTip();
        if (auto *l = qobject_cast<QLabel *>(c))
            all << l->text();
        if (auto *b = qobject_cast<QAbstractButton *>(c))
            all << b->text();
        if (auto *e = qobject_cast<QLineEdit *>(c))
            all << e->text();
    }
    return all;
}

} // namespace ohmaris::test
