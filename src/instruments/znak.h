// SPDX-License-Identifier: GPL-3.0-or-later
// Znak: the seven-segment numeric display (oscilloscope readouts, digital
// meters). A row of digit cells, green segments on dark green glass, each
// cell with its own decimal point. What the cells show is computed by the
// pure function znak::Encode; the object only stores it and draws it.
#pragma once

#include "instruments/instrument.h"

#include <QObject>
#include <QPointer>
#include <array>

namespace ohmaris {

namespace znak {

constexpr int kMaxDigits = 9;
enum Code : short { Minus = 10, LetterE = 11, LetterR = 12 };

// Segments lit per code: bottom, middle, top, lower left, upper left,
// lower right, upper right.
extern const std::array<std::array<bool, 7>, 13> kSegments;

struct Display {
    std::array<short, kMaxDigits + 1> cells{}; // codes of cells 1..Digits
    int firstCell = 1;   // cells left of it are dark
    int dotPlace = 1;    // the lit point, counted from the right; 1 = none
    double stored = 1.0; // the value as rounded for display
};

// What `digits` cells show for the value v: digits right-aligned, rounded
// to the places that fit, the minus in the cell before the first digit, and
// E, Er or Err when the number does not fit. A count of digits outside
// 1..kMaxDigits is taken as the nearest end of that range.
Display Encode(double v, int digits);
// Whether two displays show the same (and store the same value).
bool SameDisplay(const Display &a, const Display &b);

// Whether segment j (1..7) of cell k is lit, the dark cells and the minus
// before a lone zero accounted for; `digits` is brought into range as in
// Encode, and a cell or segment outside it is dark.
bool SegmentLit(const Display &d, int digits, int k, int j);
// Whether the point of cell k is lit.
bool PointLit(const Display &d, int k);
// Whether the cells show a number (not the E, Er or Err of an overflow).
bool ShowsNumber(const Display &d);

} // namespace znak

class Znak : public Instrument {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(int Digits READ Digits WRITE setDigits NOTIFY digitsChanged)
    Q_PROPERTY(bool Enable READ Enable WRITE setEnable NOTIFY enableChanged)
    Q_PROPERTY(QString Unit READ Unit WRITE setUnit NOTIFY unitChanged)

public:
    explicit Znak(QObject *parent = nullptr);
    ~Znak() override;

    // Binding (PicCtl) is the instrument's: the box's height follows the
    // cells (1.5 x width / Digits); binding does not repaint.

    // A value that shows as the cells already show changes nothing.
    void setValue(double v);
    double Value() const { return m_display.stored; }
    // The value last handed over, before rounding: what the cells encode.
    double GivenValue() const { return m_given; }
    // 1..9; anything else is ignored. Clears the cells.
    void setDigits(int v);
    int Digits() const { return m_digits; }
    // A disabled display shows every segment dim.
    void setEnable(bool v);
    bool Enable() const { return m_enable; }
    // The unit of the number shown (not drawn), for its reading.
    void setUnit(const QString &v);
    QString Unit() const { return m_unit; }

    // The number the display shows, in its unit; none while it is dark or
    // shows an overflow.
    InstrumentReading Reading() const override;
    QAccessibleInterface *CreateAccessible(PictureBox *box) override;

    const znak::Display &display() const { return m_display; }

    void Pic1_Paint(QPainter &p) override;

Q_SIGNALS:
    // What the cells show changed: the value as shown.
    void valueChanged(double value);
    void digitsChanged(int digits);
    void enableChanged(bool enable);
    void unitChanged(const QString &unit);

protected:
    int ShapeHeight(int width) const override;

private:
    int m_digits = 5;
    bool m_enable = true;
    double m_given = 1.0;
    znak::Display m_display;
    QString m_unit;
};

// The one place a display is set up: binds it to its box (PicCtl first),
// then its digits, unit, lit state and value.
struct IndicatorSpec {
    QString name;
    int digits = 5;
    double value = 0.0;
    bool enable = true;
    QString unit;
    // What the display is called aloud, in the language of the moment;
    // its name when not given.
    Instrument::Words spokenName = {};
};
void SetUpIndicator(Znak &display, PictureBox *box, const IndicatorSpec &setup);

} // namespace ohmaris
