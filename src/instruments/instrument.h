// SPDX-License-Identifier: GPL-3.0-or-later
// What every instrument of a bench shares (the pointer meter, the numeric
// display, the rotary knob): the binding to the picture box it draws into,
// the box's shape rule and the request to repaint it, written once here;
// the name the bench gives it; what a person reads from it at any moment;
// and what a screen reader is told of it (its accessible interface, made
// by the one factory of the program through the box it is bound to). An
// instrument has no window of its own: from its binding on, the box's paint
// event (and for a knob its mouse and key events) are handled by it.
#pragma once

#include "calc/reading.h"
#include "shell/picturebox.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QAccessibleInterface;
class QPainter;

namespace ohmaris {

class Instrument : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName NOTIFY nameChanged)

public:
    ~Instrument() override;

    // Binds the box the instrument draws into and releases the one bound
    // before (PicCtl); nullptr only releases. The box takes the
    // instrument's shape at once and keeps it when resized.
    void setPicCtl(PictureBox *box);
    PictureBox *Pic1() const { return m_box; }

    // The instrument's name on its bench, as the schematic labels it ("A1",
    // "V2", "K-50 A"); it goes into every reading.
    QString Name() const { return m_name; }
    void setName(const QString &name);

    // What the instrument is called aloud, in the language of the moment
    // ("Ammeter A1", "Voltage regulator"); a meter says its kind and its
    // name unless the bench gives words of its own.
    using Words = std::function<QString()>;
    void setSpokenName(Words words) { m_spokenName = std::move(words); }
    QString SpokenName() const;

    // The accessible interface of the bound box `box`, for the program's
    // accessibility factory: a meter's value, a knob's position, a
    // display's number.
    virtual QAccessibleInterface *CreateAccessible(PictureBox *box) = 0;

    // What a person reads from the instrument now.
    virtual InstrumentReading Reading() const = 0;

    // Draws the instrument into the bound box's painter; the box's paint
    // handler calls it. Changes no state.
    virtual void Pic1_Paint(QPainter &p) = 0;

Q_SIGNALS:
    void nameChanged(const QString &name);

protected:
    // How the instrument treats its box: whether it paints every pixel of
    // it (so nothing behind it needs painting), and whether binding asks
    // for a repaint.
    struct BoxUse {
        bool opaque = true;
        bool repaintOnBind = false;
    };
    explicit Instrument(BoxUse use, QObject *parent = nullptr);

    // The box's height for a width: the instrument's shape.
    virtual int ShapeHeight(int width) const = 0;
    // After a box is bound, for what an instrument adds to the binding (its
    // own connections through Track, settings of the box) and for what it
    // kept of the box it had before.
    virtual void Bound(PictureBox *box) { Q_UNUSED(box); }

    // A connection that lasts as long as the binding.
    void Track(QMetaObject::Connection c) { m_binding.Add(std::move(c)); }
    // Asks for the repaint of the whole bound box, if any.
    void Repaint();
    // Brings the bound box to the instrument's shape.
    void KeepShape();
    // The spoken name when the bench gives none.
    virtual QString DefaultSpokenName() const { return m_name; }

    // The bound box (null when none or when it is gone); only setPicCtl
    // changes it.
    QPointer<PictureBox> m_box;

private:
    void Release();

    BoxUse m_use;
    BoxBinding m_binding;
    QString m_name;
    Words m_spokenName;
};

} // namespace ohmaris
