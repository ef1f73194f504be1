// SPDX-License-Identifier: GPL-3.0-or-later
// The binding of an instrument to its picture box.
#include "instruments/instrument.h"

#include "shell/accessible.h"

namespace ohmaris {

Instrument::Instrument(BoxUse use, QObject *parent) : QObject(parent), m_use(use) {}

Instrument::~Instrument()
{
    Release();
}

void Instrument::Release()
{
    // A box let go of paints its own background again and names no
    // instrument.
    m_binding.Release();
    if (m_box) {
        if (m_use.opaque)
            m_box->setAttribute(Qt::WA_OpaquePaintEvent, false);
        if (m_box->instrument() == this)
            m_box->setInstrument(nullptr);
    }
    m_box = nullptr;
}

void Instrument::setPicCtl(PictureBox *box)
{
    Release();
    m_box = box;
    if (box) {
        box->setInstrument(this);
        // An interface made for the box before it showed an instrument.
        ForgetAccessible(box);
        if (m_use.opaque)
            box->setAttribute(Qt::WA_OpaquePaintEvent);
        Track(connect(box, &PictureBox::painting, this, [this](QPainter &p) { Pic1_Paint(p); }));
        Track(connect(box, &PictureBox::resized, this, &Instrument::KeepShape));
    }
    Bound(box);
    if (box) {
        KeepShape();
        if (m_use.repaintOnBind)
            box->update();
    }
}

void Instrument::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    Q_EMIT nameChanged(m_name);
}

QString Instrument::SpokenName() const
{
    return m_spokenName ? m_spokenName() : DefaultSpokenName();
}

void Instrument::Repaint()
{
    if (m_box)
        m_box->update();
}

void Instrument::KeepShape()
{
    if (!m_box)
        return;
    const int h = ShapeHeight(m_box->width());
    if (m_box->height() != h)
        m_box->resize(m_box->width(), h);
}

} // namespace ohmaris
