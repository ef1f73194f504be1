// SPDX-License-Identifier: GPL-3.0-or-later
// The K-50 measuring set panel shared by the AC benches (labs 2 to 6): a
// voltmeter, an ammeter and a wattmeter with range buttons, a phase selector
// and a power-direction button. The panel creates its controls in the
// bench's window, keeps the range state, and turns the bench's per-phase
// voltage, current and power into pointer movements on every tick. The
// state rules are pure functions in ohmaris::k50.
#pragma once

#include "instruments/pribor.h"
#include "instruments/rangerow.h"
#include "instruments/switcher.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QRectF>
#include <array>
#include <cstdint>

namespace ohmaris {

namespace k50 {

constexpr std::array<float, 3> kCurrentRanges{1.0f, 2.5f, 5.0f};     // Command2(0..2), A
constexpr std::array<float, 3> kVoltageRanges{150.0f, 300.0f, 450.0f}; // Command3(0..2), V

struct Ranges {
    float K50CurrentRange = 5.0f;
    float K50VoltageRange = 450.0f;
    float K50PowerRange = 2250.0f; // always current range x voltage range
    std::int16_t PowerSign = 1;

    void SetCurrentRange(int index);
    void SetVoltageRange(int index);
    // The power-direction button: "+" becomes "-" (sign -1); any other
    // caption becomes "+" (sign +1). Returns the new caption.
    QString TogglePowerDirection(const QString &caption);
};

// Pointer targets in scale divisions: 150 divisions full scale on the
// voltmeter and the wattmeter, 100 on the ammeter.
struct Targets {
    double voltmeter = 0;
    double ammeter = 0;
    double wattmeter = 0;
};
Targets TargetsFor(const Ranges &r, float u, float i, float p, bool applyPowerSign);
// Whether a mouse-down on the phase selector opens the context-help pop-up:
// a right click turns the selector, so only with Shift alone held, or at
// the last position, where a right click cannot turn it further.
bool SelectorPopsUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float value, int positions);

} // namespace k50

// What a person reads from the K-50: the phase the selector stands at
// (1 A, 2 B, 3 C), the three meters on it at their ranges, and the power
// direction (+1 or -1).
struct K50Reading {
    int phase = 1;
    InstrumentReading voltmeter;
    InstrumentReading ammeter;
    InstrumentReading wattmeter;
    int powerSign = 1;
};

class K50Panel : public QObject {
    Q_OBJECT
    Q_PROPERTY(float K50CurrentRange READ K50CurrentRange NOTIFY rangesChanged)
    Q_PROPERTY(float K50VoltageRange READ K50VoltageRange NOTIFY rangesChanged)
    Q_PROPERTY(float K50PowerRange READ K50PowerRange NOTIFY rangesChanged)
    Q_PROPERTY(int PowerSign READ PowerSign NOTIFY powerSignChanged)
    Q_PROPERTY(int SelectedPhase READ SelectedPhase NOTIFY phaseChanged)

public:
    // Design rectangle of `Picture2` in the window (twips), where most
    // benches have it; a bench may give another.
    static constexpr QRectF kStandardPlace{120, 240, 8775, 3855};

    // Creates `Picture2` and every control inside it as children of the
    // bench's client widget, at design geometry (the frame rescales them),
    // binds the meters and the selector, and sets the load-time state:
    // 5 A, 450 V, 2250 W, "+", phase A, every pointer at 0.
    explicit K50Panel(QWidget *client, QRectF place = kStandardPlace);
    ~K50Panel() override;

    // Range state.
    float K50CurrentRange() const { return m_ranges.K50CurrentRange; }
    float K50VoltageRange() const { return m_ranges.K50VoltageRange; }
    float K50PowerRange() const { return m_ranges.K50PowerRange; }
    std::int16_t PowerSign() const { return m_ranges.PowerSign; }
    const k50::Ranges &ranges() const { return m_ranges; }

    // Phase selector position, rounded: 1 (A), 2 (B) or 3 (C).
    int SelectedPhase() const;

    // The three meters on the selected phase, with their ranges, and the
    // power direction.
    K50Reading Reading() const;
    // The power-direction button read as a two-way control ("K-50
    // direction", +1 or -1). The meters ("K-50 V", "K-50 A", "K-50 W") and
    // the phase selector ("K-50 phase") give their own readings.
    InstrumentReading DirectionReading() const;

    // Voltage, current and active power of phases A, B and C as the bench's
    // model gives them (0 where a phase is not connected).
    void SetReadings(const std::array<float, 3> &u, const std::array<float, 3> &i, const std::array<float, 3> &p);
    // Moves each pointer a fifth of the way to the reading of the selected
    // phase (stopping there once it is as good as reached, as every meter
    // does). `applyPowerSign`: whether the power direction enters the
    // wattmeter target (the three-phase labs).
    void Tick(bool applyPowerSign);
    // Whether Tick(applyPowerSign) would move no pointer: each has come to
    // rest on its reading.
    bool AtTargets(bool applyPowerSign) const;

    // Control handlers.
    void Command1_Click();
    void Command2_Click(int index);
    void Command3_Click(int index);

    Pribor &Voltmeter() { return m_voltmeter; }
    Pribor &Ammeter() { return m_ammeter; }
    Pribor &Wattmeter() { return m_wattmeter; }
    Switcher &Selector() { return m_selector; }

    PictureBox *Picture2() const { return m_picture2; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2(int index) const { return m_command2.button(index); }
    QPushButton *Command3(int index) const { return m_command3.button(index); }

Q_SIGNALS:
    // A press on the panel or one of its controls: the bench stores the
    // key; Qt::RightButton asks for the context-help pop-up. A right click
    // that only turns the phase selector is reported with Qt::NoButton.
    void helpRequested(const QString &helpKey, Qt::MouseButton button);
    // A click or double click on the phase selector (the three-phase labs
    // request a recomputation).
    void selectorTurned();
    // A range button chose a range (the power range follows both rows).
    void rangesChanged();
    void powerSignChanged(int sign);
    // The selector came to another phase.
    void phaseChanged(int phase);

private:
    void FocusPanel();
    // The pointer targets of the selected phase.
    k50::Targets TargetsNow(bool applyPowerSign) const;
    // The meters read at the ranges the rows chose; says so when a range
    // changed (the power range before the choice tells).
    void RangesChosen(float powerRangeBefore);

    k50::Ranges m_ranges;
    std::array<float, 3> m_u{}, m_i{}, m_p{};

    Pribor m_voltmeter;
    Pribor m_ammeter;
    Pribor m_wattmeter;
    Switcher m_selector;
    RangeRow m_command2{QStringLiteral("oSSS")};
    RangeRow m_command3{QStringLiteral("oSSS")};

    QPointer<PictureBox> m_picture2;
    QPointer<QPushButton> m_command1;
};

} // namespace ohmaris
