// SPDX-License-Identifier: GPL-3.0-or-later
// Shared AC bench pieces.
#include "labs/common/bench_ac.h"

namespace ohmaris {

AcBench::AcBench(const LabFrame &frame, int meters, std::function<float(int, int)> range)
    : LabWindow(frame), m_meterCount(meters)
{
    for (int k = 0; k < m_meterCount; ++k) {
        RangeRow &row = m_rows[std::size_t(k)];
        connect(&row, &RangeRow::chosen, this, [this, range, k](int i) { Meter(k).setRange(range(k, i)); });
        connect(&row, &RangeRow::helpRequested, this,
                [this](const QString &key, Qt::MouseButton b) { ContextHelp(key, b); });
    }
}

AcBench::~AcBench() = default;

void AcBench::BuildK50(QWidget *client, const QRectF &place, std::function<void()> selectorTurned)
{
    m_k50 = std::make_unique<K50Panel>(client, place);
    connect(m_k50.get(), &K50Panel::helpRequested, this,
            [this](const QString &key, Qt::MouseButton b) { ContextHelp(key, b); });
    if (selectorTurned)
        connect(m_k50.get(), &K50Panel::selectorTurned, this, std::move(selectorTurned));
}

void AcBench::AppendReadings(std::vector<InstrumentReading> &out) const
{
    if (m_k50)
        out.push_back(m_k50->DirectionReading());
}

void AcBench::FocusRangesOn(QWidget *target)
{
    for (RangeRow &row : m_rows)
        row.setFocusTarget(target);
}

} // namespace ohmaris
