// SPDX-License-Identifier: GPL-3.0-or-later
// What every AC bench (labs 2 to 6) has besides the frame: the K-50 panel,
// the bench's own meters with their range rows, and the drawing unit of its
// schematic. The single-phase and the three-phase benches build on it.
#pragma once

#include "instruments/k50panel.h"
#include "instruments/pribor.h"
#include "instruments/rangerow.h"
#include "shell/labwindow.h"

#include <QRectF>
#include <array>
#include <functional>
#include <memory>

namespace ohmaris {

// Fonts of the AC benches' controls (points).
namespace acfont {
inline constexpr double kSchematic = 12;
inline constexpr double kPanel = 12;
inline constexpr double kMeter = 9.75;
inline constexpr double kButton = 9.75;
} // namespace acfont

class AcBench : public LabWindow {
    Q_OBJECT
public:
    static constexpr int kMaxMeters = 3;

    float DrawUnit() const { return m_drawUnit; }
    Pribor &Meter(int k) { return m_meters[std::size_t(k)]; }
    RangeRow &Ranges(int k) { return m_rows[std::size_t(k)]; }
    K50Panel *K50() const { return m_k50.get(); }

protected:
    // `range(meter, button)` puts the meter's range where a click on a
    // range button does, and returns it; the meter reads at it from then on.
    AcBench(const LabFrame &frame, int meters, std::function<float(int meter, int button)> range);
    ~AcBench() override;

    // Makes the K-50 panel at `place` with the controls; its help goes to
    // the frame, and a turn of its selector asks for a recomputation when
    // `selectorRecalcs`.
    void BuildK50(QWidget *client, const QRectF &place, std::function<void()> selectorTurned = {});
    // The panel goes with the controls.
    void FormUnload() override { m_k50.reset(); }
    // The range rows hand the focus to the schematic.
    void FocusRangesOn(QWidget *target);
    void setDrawUnit(float u) { m_drawUnit = u; }
    // The K-50's power direction, which is no instrument of its own.
    void AppendReadings(std::vector<InstrumentReading> &out) const override;
    int meterCount() const { return m_meterCount; }

private:
    int m_meterCount;
    float m_drawUnit = 0.0f;
    std::array<Pribor, kMaxMeters> m_meters;
    std::array<RangeRow, kMaxMeters> m_rows;
    std::unique_ptr<K50Panel> m_k50; // made with the controls
};

} // namespace ohmaris
