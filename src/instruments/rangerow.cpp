// SPDX-License-Identifier: GPL-3.0-or-later
// Range-button rows.
#include "instruments/rangerow.h"

#include "shell/controls.h"

namespace ohmaris {

RangeRow::RangeRow(QString helpKey, QObject *parent)
    : QObject(parent), m_key(std::move(helpKey)), m_selected(SelectedRangeColour()), m_other(OtherRangeColour())
{
}

void RangeRow::setColours(const QColor &selected, const QColor &other)
{
    m_selected = selected;
    m_other = other;
}

void RangeRow::Build(QWidget *parent, const QString &name, const std::vector<Button> &buttons, double points,
                     bool bold)
{
    m_buttons.clear();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const int index = int(i);
        QPushButton *b = MakeButton(parent, ArrayName(name, index), buttons[i].twips, buttons[i].caption, points, bold);
        connect(b, &QPushButton::clicked, this, [this, index] { Click(index); });
        connect(PressHelp::Install(b, m_key, PressHelp::Pass::LeftButton), &PressHelp::helpRequested, this,
                &RangeRow::helpRequested);
        m_buttons.emplace_back(b);
    }
}

QPushButton *RangeRow::button(int index) const
{
    return index >= 0 && index < count() ? m_buttons[std::size_t(index)].data() : nullptr;
}

void RangeRow::Highlight(int index)
{
    for (int k = 0; k < count(); ++k) {
        SetButtonColour(button(k), k == index ? m_selected : m_other);
        SetButtonOn(button(k), k == index);
    }
}

void RangeRow::Click(int index)
{
    if (index < 0 || index >= count())
        return;
    Highlight(index);
    Q_EMIT chosen(index);
    FocusAfterClick(m_focus);
}

} // namespace ohmaris
