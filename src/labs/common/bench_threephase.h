// SPDX-License-Identifier: GPL-3.0-or-later
// The window both three-phase benches are built on (labs 5 and 6): the K-50
// panel on three phases, the bench's own meters with their range rows, the
// line-voltage frame and the three element frames, the schematic with its
// click areas, the tick and its order. A bench adds its schematic and the
// circuit it computes. The switch states and the overload clock belong to
// the circuit, so they survive a visit to the chooser; the entries and the
// ranges start again from their defaults at every load.
#pragma once

#include "labs/common/bench_ac.h"
#include "labs/common/threephase.h"
#include "shell/controls.h"

#include <QColor>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QGroupBox;

namespace ohmaris {

class ParamBox;
class PictureBox;
class Schematic;

// One of the bench's own meters with its range row.
struct ThreePhaseMeter {
    QString box;      // "Picture3"
    QRectF place;     // twips
    MeterSpec setup;
    QString helpKey;  // of the meter box
    QString row;      // "Command5"
    std::vector<RangeRow::Button> buttons;
    std::vector<float> ranges; // by button; the last is the load-time range
};

struct ThreePhaseDesign {
    QRectF k50Place = K50Panel::kStandardPlace;
    std::vector<ThreePhaseMeter> meters;
    QRectF frame1;                 // line voltage
    std::array<double, 3> frame2Tops{};
    double frame2Left = 12120;
    QRectF picture1;               // schematic
    double drawUnitDivisor = 90;   // DrawUnit = Picture1 width / divisor
    int hotspots = 0;
    // The lab's layout: the click areas Image1(0..hotspots-1) in the
    // schematic's twips for a picture of the given size and drawing unit,
    // and their help keys.
    std::function<std::vector<QRectF>(double width, double height, double drawUnit)> clickAreas;
    const char *(*clickAreaKey)(int index) = nullptr;
    const char *(*clickAreaLabel)(int index) = nullptr;
};

class ThreePhaseBench : public AcBench {
    Q_OBJECT
public:
    ThreePhaseBench(const LabFrame &frame, ThreePhaseDesign design);
    ~ThreePhaseBench() override;

    ThreePhaseCircuit &circuit() { return Circuit(); }

    // Nothing to compute, no overload being timed, and every pointer, the
    // K-50's too, on its reading.
    bool AtRest() override;

    // Handlers, public so tests drive them the way the controls do.
    void Image1_MouseDown(int index, Qt::MouseButton button);
    void Text1_Change();
    void Text2_Change(int index);
    // One tick's meter drive (the bench's meters, then the K-50 on the phase
    // its selector stands at) and the protection.
    void UpdateInstruments();

protected:
    virtual ThreePhaseCircuit &Circuit() = 0;
    virtual void DrawSchematic(Schematic &s, double width, double height, double drawUnit) = 0;
    PictureBox *Picture1() const { return m_picture1; }
    // Picture1's size in twips.
    double PictureWidth() const;
    double PictureHeight() const;

private:
    void BuildControls(QWidget *client) final;
    void FormLoad() final;
    void Timer1_Timer() final;
    void LayoutClickAreas();
    // Asks for the schematic's repaint, noting the switch states it shows.
    void RedrawSchematic();
    using Switches = std::array<std::int16_t, 16>;
    Switches SwitchesNow();

    ThreePhaseDesign m_design;

    QPointer<PictureBox> m_picture1;
    std::array<QPointer<PictureBox>, ThreePhaseCircuit::kMaxMeters> m_meterBoxes;
    QPointer<ParamBox> m_text1;
    std::array<QPointer<ParamBox>, 9> m_text2;
    ClickAreas m_image1;
    Switches m_schematicShown{};
};

// A three-phase lab's window: the shared bench on the lab's model, its
// schematic's grid (`gridFor` a picture's size and drawing unit) and its
// drawing from the switch states.
template <class LabModel, class LabGrid>
class ThreePhaseWindow : public ThreePhaseBench {
public:
    using Switches = decltype(LabModel::SwitchState);
    using GridFor = LabGrid (*)(double width, double height, double drawUnit);
    using Draw = void (*)(Schematic &, const LabGrid &, const Switches &);

    ThreePhaseWindow(const LabFrame &frame, ThreePhaseDesign design, GridFor gridFor, Draw draw)
        : ThreePhaseBench(frame, std::move(design)), m_gridFor(gridFor), m_draw(draw)
    {
    }

    LabModel &Model() { return m_model; }
    bool RecalcDue() const override { return m_model.RecalcPending; }
    Quantities ModelResults() const override { return m_model.Results(); }
    std::vector<CalcSetting> Settings() const override { return CalcSettings(m_model); }
    // The grid of the schematic as it stands.
    LabGrid Grid() const
    {
        return Picture1() ? m_gridFor(PictureWidth(), PictureHeight(), DrawUnit()) : LabGrid{};
    }

protected:
    ThreePhaseCircuit &Circuit() final { return m_model; }
    void DrawSchematic(Schematic &s, double width, double height, double drawUnit) final
    {
        m_draw(s, m_gridFor(width, height, drawUnit), m_model.SwitchState);
    }

private:
    LabModel m_model;
    GridFor m_gridFor;
    Draw m_draw;
};

} // namespace ohmaris
