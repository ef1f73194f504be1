// SPDX-License-Identifier: GPL-3.0-or-later
// The window every single-phase AC bench is built on (labs 2 to 4): the K-50
// panel, two meters with their range rows, the regulator and its panel, the
// schematic with its click areas, the tick and its order, the switch and
// knob handling. A bench adds its own panels, its schematic's load side and
// the circuit it computes. CoilCapacitorBench adds what labs 2 and 3 share:
// the variant selector with its panel and the capacitance box.
#pragma once

#include "instruments/switcher.h"
#include "labs/common/bench_ac.h"
#include "labs/common/singlephase.h"
#include "labs/common/singlephase_layout.h"
#include "shell/controls.h"

#include <QPointer>
#include <QRectF>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QLabel;

namespace ohmaris {

class ParamBox;
class PictureBox;
class Schematic;

// What tells the single-phase benches apart, as their design tables give it.
struct SinglePhaseDesign {
    // Help keys of Image1(0..n-1); the first `toggles` of them are switches
    // a left click opens and closes (SwitchState[index]).
    std::vector<QString> hotspotKeys;
    // Their labels on the schematic ("SF", "S1", "K-50").
    std::vector<QString> hotspotLabels;
    int toggles = 2;
    // Rails: the bottom one `railBottom` units above the picture's bottom
    // edge, the top one `railGap` units above it.
    double railBottom = 8;
    double railGap = 20;
    // Picture3 and Picture4 and their range rows Command5 and Command6.
    std::array<MeterSpec, 2> meters;
    QString meterHelpKey;
    std::array<float, 4> ranges{};
    std::array<QString, 4> rangeCaptions;
    // The regulator panel Picture10.
    QRectF regulatorPanel{1080, 4200, 3855, 1575};
    // Whether the K-50's power-direction switch enters the wattmeter's
    // target (lab 4) or changes only its own caption (labs 2 and 3).
    bool powerSignEnters = false;
};

// The caption on top of a knob panel: the panel's full width, centred,
// wrapping, `height` twips high at design.
QLabel *MakePanelCaption(QWidget *panel, const QString &name, double height);

class SinglePhaseBench : public AcBench {
    Q_OBJECT
public:
    // What the schematic shows of the bench's state, compared from tick to
    // tick so the picture is redrawn only when it changed.
    using SchematicState = std::array<std::int16_t, 8>;

    SinglePhaseBench(const LabFrame &frame, SinglePhaseDesign design);
    ~SinglePhaseBench() override;

    AcGrid Grid() const;
    Switcher &Regulator() { return m_regulator; }
    SinglePhaseCircuit &circuit() { return Circuit(); }

    // Nothing to compute, no overload being timed, and every pointer, the
    // K-50's too, on its reading.
    bool AtRest() override;

    // Handlers, public so tests can drive them as the controls do.
    void Image1_MouseDown(int index, Qt::MouseButton button);
    // What click area `index` stands for: its key and label, a switch's
    // state; a bench adds what its schematic shows besides (a variant).
    virtual Hotspot HotspotAt(int index);
    void Command5_Click(int index) { Ranges(0).Click(index); }
    void Command6_Click(int index) { Ranges(1).Click(index); }

protected:
    // The circuit the bench shows and computes.
    virtual SinglePhaseCircuit &Circuit() = 0;
    // The bench's own controls, after the shared ones.
    virtual void BuildBench(QWidget *client) { Q_UNUSED(client); }
    // The bench's own load steps, after the shared ones.
    virtual void LoadBench() {}
    // Reads the knob positions the computation takes into `c`: the
    // regulator's step, then the bench's own (ReadOwnKnobs). The tick reads
    // them into the model before it computes; a bench's settings read them
    // into a copy, so they say what the knobs show now.
    void ReadKnobsInto(SinglePhaseCircuit &c) const;
    virtual void ReadOwnKnobs(SinglePhaseCircuit &c) const { Q_UNUSED(c); }
    // How a coil's variant is said aloud.
    static QString VariantWords(int variant);
    // What the schematic shows: every switch state but the regulator's step;
    // a bench whose picture shows more adds it after them.
    virtual SchematicState Shown();
    // The load side of the schematic, after the supply side.
    virtual void DrawLoadSide(Schematic &s, const AcGrid &g) = 0;
    // Image1(0..n-1) over the elements, in Picture1's twips.
    virtual std::vector<QRectF> Hotspots(const AcGrid &g) const = 0;

    // A knob of the bench: a press sets the help key "oSS" (the pop-up
    // opening only at position 1 or with Shift alone), a turn asks for a
    // recomputation.
    void BindKnob(Switcher &knob);
    // Asks for the schematic's repaint, noting the switch states it shows.
    void RedrawSchematic();
    void LayoutHotspots();
    // A knob's position as a whole number, as the tick reads it.
    static std::int16_t KnobPosition(const Switcher &knob);
    PictureBox *Picture1() const { return m_picture1; }

private:
    void BuildControls(QWidget *client) final;
    void FormLoad() final;
    void Timer1_Timer() final;
    // One tick's meter drive: the two meters, the K-50 meters, then the
    // protection.
    void UpdateInstruments(double now);
    void PaintSchematic(QPainter &p);
    // Whether the switch states differ from those the schematic was last
    // asked to show.
    bool SchematicChanged();

    SinglePhaseDesign m_design;
    Switcher m_regulator;

    QPointer<PictureBox> m_picture1;
    QPointer<PictureBox> m_picture10;
    QPointer<PictureBox> m_picture12;
    QPointer<QLabel> m_label8;
    std::array<QPointer<PictureBox>, 2> m_meterBoxes;
    ClickAreas m_image1;
    SchematicState m_schematicShown{};
};

// The design both coil-and-capacitor labs (2 and 3) share: the click areas'
// help keys (breaker, capacitor switch, regulator, K-50, coil, capacitor, the
// two meters), the two switches, the rails H - 8u and H - 28u; they differ in
// their meters, whose boxes carry `meterHelpKey`.
SinglePhaseDesign CoilCapacitorDesign(const std::array<MeterSpec, 2> &meters, const QString &meterHelpKey,
                                      const std::array<float, 4> &ranges,
                                      const std::array<QString, 4> &rangeCaptions);

// What a coil-and-capacitor lab adds to its design: where its capacitance
// box stands, its click areas and the load side of its schematic.
struct CoilCapacitorLayout {
    // Left edge of the capacitance label "С =" (twips); the box and its
    // unit follow at the design distances.
    double boxLeft = 11640;
    std::function<std::vector<QRectF>(const AcGrid &)> hotspots;
    void (*drawLoadSide)(Schematic &, const AcGrid &, const CoilCapacitorCircuit &) = nullptr;
};

class CoilCapacitorBench : public SinglePhaseBench {
    Q_OBJECT
public:
    CoilCapacitorBench(const LabFrame &frame, SinglePhaseDesign design, CoilCapacitorLayout layout);

    Switcher &VariantSwitch() { return m_variant; }
    void Text1_Change();

protected:
    virtual CoilCapacitorCircuit &Coil() = 0;
    SinglePhaseCircuit &Circuit() final { return Coil(); }
    void BuildBench(QWidget *client) override;
    void LoadBench() override;
    void ReadOwnKnobs(SinglePhaseCircuit &c) const override;
    void LanguageChanged() override;
    Hotspot HotspotAt(int index) override;
    void DrawLoadSide(Schematic &s, const AcGrid &g) final { m_layout.drawLoadSide(s, g, Coil()); }
    std::vector<QRectF> Hotspots(const AcGrid &g) const final { return m_layout.hotspots(g); }

private:
    CoilCapacitorLayout m_layout;
    Switcher m_variant;
    QPointer<PictureBox> m_picture5;
    QPointer<PictureBox> m_picture9;
    QPointer<QLabel> m_label7;
    QPointer<QLabel> m_label6;
    QPointer<ParamBox> m_text1;
};

// A coil-and-capacitor lab's window: the shared bench on the lab's model.
template <class LabModel>
class CoilCapacitorWindow : public CoilCapacitorBench {
public:
    using CoilCapacitorBench::CoilCapacitorBench;
    LabModel &Model() { return m_model; }
    bool RecalcDue() const override { return m_model.RecalcPending; }
    Quantities ModelResults() const override { return m_model.Results(); }
    std::vector<CalcSetting> Settings() const override
    {
        LabModel now = m_model;
        ReadKnobsInto(now);
        return CalcSettings(now);
    }

protected:
    CoilCapacitorCircuit &Coil() final { return m_model; }

private:
    LabModel m_model;
};

} // namespace ohmaris
