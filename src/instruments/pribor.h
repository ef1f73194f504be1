// SPDX-License-Identifier: GPL-3.0-or-later
// Pribor: the analogue panel meter of the lab benches (ammeters, voltmeters,
// wattmeters). It has no window of its own: it draws its whole face into the
// picture box it is bound to through PicCtl, every time that box paints.
// The scale geometry is a set of pure functions in ohmaris::meter so it can be
// checked without painting.
#pragma once

#include "instruments/instrument.h"

#include <QFont>
#include <QObject>
#include <QRectF>
#include <QStringList>
#include <QPixmap>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <vector>

namespace ohmaris {

namespace meter {

// The properties that shape the scale.
struct Scale {
    float Min = 0.0f;
    float Max = 100.0f;
    float Smallchange = 2.0f;
    float Bigchange = 10.0f;
    short Shcala = 1;  // 1 linear, 2 square-law
    short Systema = 0; // 2 (moving iron) drops the minor ticks of the first 5 degrees
};

// Half-angle of the scale arc for a face of width w and height h.
double HalfAngle(double w, double h);
// Pointer angle of scale value x (radians, counter-clockwise from the x axis):
// Min at pi/2 + A, Max at pi/2 - A, the fraction raised to the power Shcala.
double ValueAngle(const Scale &s, double halfAngle, double x);

// Range a pointer value is clamped into: three tick steps below Min, and
// 4 - Shcala tick steps above Max.
struct ValueLimits {
    float low;
    float high;
};
ValueLimits Limits(const Scale &s);
float ClampValue(const Scale &s, float v);

// One step of the tick loop.
struct Tick {
    double theta = 0;      // angle of the tick
    bool major = false;    // a numbered (long) tick position
    bool drawn = false;    // whether a line is drawn there
    bool labelled = false; // whether its number is printed
    double label = 0;      // the number, rounded to one decimal
};
// The tick loop of the face, in order from Min to Max. A scale that would
// need more than kMaxTicks ticks draws none, so a face never stalls.
constexpr int kMaxTicks = 2000;
std::vector<Tick> Ticks(const Scale &s, double halfAngle);

// Radius factor endpoints of the tick marks and the pointer.
constexpr double kMajorInner = 1.07, kMajorOuter = 1.18;
constexpr double kMinorInner = 1.10, kMinorOuter = 1.15;
constexpr double kLabelRadius = 1.27;
constexpr double kNeedleJoint = 0.8, kNeedleTip = 1.2;

// Face layout for a face of width w and height h (y up): the pivot lies
// below the visible area, the scale arc above the grey lower panel.
struct Geometry {
    double w = 0, h = 0;
    double cx = 0, cy = 0; // pivot
    double r = 0;          // radius of the scale
    double a = 0;          // half-angle of the scale
};
Geometry GeometryFor(double w, double h);
// Point at radius factor f on the ray of angle theta.
QPointF RayPoint(const Geometry &g, double f, double theta);
// Top-left corner of a tick number of width tw and height th: negative
// numbers sit further right, so their minus sign does not push them off
// their tick.
QPointF LabelTopLeft(const Geometry &g, double theta, double label, double tw, double th);

// A number of the scale as the face prints it: its value, its text (with
// the leading blank of a non-negative number), the text's top-left corner
// (y up, as the face draws) and the rectangle its digits cover (y down, in
// the face's pixels).
struct ScaleLabel {
    double value = 0;
    QString text;
    QPointF topLeft;
    QRectF ink;
};
// The numbers of the scale in the given font, from Min to Max.
std::vector<ScaleLabel> ScaleLabels(const Geometry &g, const Scale &s, const QFont &font);
// What keeps the numbers from standing clear, one line for each number
// that touches another, lies on a tick or leaves the dial; empty when every
// number stands clear.
QStringList ScaleLabelFaults(const Geometry &g, const Scale &s, const std::vector<ScaleLabel> &labels);
// The font of the scale's numbers on a face whose base font is `face`.
QFont ScaleLabelFont(const Geometry &g, const Scale &s, const QFont &face);

} // namespace meter

class Pribor : public Instrument {
    Q_OBJECT
    Q_PROPERTY(int Shcala READ Shcala WRITE setShcala NOTIFY scaleChanged)
    Q_PROPERTY(int Systema READ Systema WRITE setSystema NOTIFY scaleChanged)
    Q_PROPERTY(float KlassT READ KlassT WRITE setKlassT NOTIFY scaleChanged)
    Q_PROPERTY(int Tok READ Tok WRITE setTok NOTIFY scaleChanged)
    Q_PROPERTY(float Max READ Max WRITE setMax NOTIFY scaleChanged)
    Q_PROPERTY(float Min READ Min WRITE setMin NOTIFY scaleChanged)
    Q_PROPERTY(float Smallchange READ Smallchange WRITE setSmallchange NOTIFY scaleChanged)
    Q_PROPERTY(float Bigchange READ Bigchange WRITE setBigchange NOTIFY scaleChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption NOTIFY scaleChanged)
    Q_PROPERTY(QString Unit READ Unit WRITE setUnit NOTIFY scaleChanged)
    Q_PROPERTY(float Range READ Range WRITE setRange NOTIFY scaleChanged)
    Q_PROPERTY(float Value READ Value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(bool AtRest READ AtRest NOTIFY atRestChanged)

public:
    explicit Pribor(QObject *parent = nullptr);
    ~Pribor() override;

    // Binding (PicCtl) is the instrument's: the meter keeps its box 0.9
    // times as high as wide and repaints it when bound.

    // Setters silently ignore values that would break the meter: a scale
    // law other than 1 or 2, a system other than 1..3, a kind of current
    // other than 1 or 2, Min >= Max, Smallchange >= Bigchange, and values
    // that are not finite numbers (or a tick step that is not positive).
    // A setter that changes nothing signals nothing and repaints nothing.
    void setShcala(int v);
    short Shcala() const { return m_scale.Shcala; }
    void setSystema(int v);
    short Systema() const { return m_scale.Systema; }
    void setKlassT(float v);
    float KlassT() const { return m_klass; }
    void setTok(int v);
    short Tok() const { return m_tok; }
    void setMax(float v);
    float Max() const { return m_scale.Max; }
    void setMin(float v);
    float Min() const { return m_scale.Min; }
    void setSmallchange(float v);
    float Smallchange() const { return m_scale.Smallchange; }
    void setBigchange(float v);
    float Bigchange() const { return m_scale.Bigchange; }
    // What the scale reads in: its unit, and the value in that unit its
    // upper end (Max) stands for, the meter's range (0: the scale's numbers
    // are the unit's already). Neither is drawn; a range that is negative
    // or not a finite number is ignored.
    void setUnit(const QString &v);
    QString Unit() const { return m_unit; }
    void setRange(float v);
    float Range() const { return m_range; }
    // Pointer position in scale units, clamped to meter::Limits. Set from
    // outside the drive, the pointer stands where it is put, at rest.
    void setValue(float v);
    float Value() const { return m_value; }
    // One tick of the pointer drive towards `target` (scale units): the
    // pointer takes MeterStep, or, once its tip is less than a tenth of a
    // pixel from where the target puts it, stops at the target. A meter
    // that is not bound to a box has no pixels and always takes MeterStep.
    // The pointer is at rest once it stands where the target puts it (the
    // target clamped as a value is), or once a step no longer moves it.
    void StepTowards(double target);
    bool AtRest() const { return m_atRest; }
    // Whether StepTowards(target) would leave the pointer where it is: the
    // pointer has come to rest on the target.
    bool AtTarget(double target) const;
    // How far the pointer tip lies from where value `v` would put it, in
    // the bound box's pixels (0 when unbound).
    double TipDistance(double v) const;
    void setCaption(const QString &v);
    QString Caption() const { return m_caption; }

    const meter::Scale &scale() const { return m_scale; }

    // The face's layout in the bound box and the scale's numbers as it
    // prints them (an empty face and no numbers while unbound).
    meter::Geometry FaceGeometry() const;
    std::vector<meter::ScaleLabel> ScaleNumbers() const;

    // The pointer's reading in the meter's unit at its range, with the
    // scale's tick step and the error the accuracy class allows.
    InstrumentReading Reading() const override;

    // Draws the face into a painter over an area of the given size (pixels);
    // the bound box's paint handler calls this.
    void Pic1_Paint(QPainter &p) override;
    // Gives back the pictures of the face kept for painting; the next paint
    // draws them again. Done by itself when the bound box goes away (its
    // window closed), so a closed lab keeps no faces.
    void ReleaseFace();
    // Whether pictures of the face are kept now.
    bool FaceCached() const { return !m_under.isNull() || !m_over.isNull(); }

    QAccessibleInterface *CreateAccessible(PictureBox *box) override;

Q_SIGNALS:
    // The pointer moved (from the drive or set from outside).
    void valueChanged(float value);
    // The pointer came to rest (true) or the drive set it moving (false).
    void atRestChanged(bool atRest);
    // Any other property changed: what the face shows or how it reads.
    void scaleChanged();

protected:
    int ShapeHeight(int width) const override;
    void Bound(PictureBox *box) override;
    // Its kind by its unit and its name: "Ammeter A1".
    QString DefaultSpokenName() const override;

private:
    void FaceChanged();
    // Moves the pointer, repainting what it covers and signalling.
    bool MovePointer(float v);
    void SetAtRest(bool atRest);
    // Asks for the repaint of what the pointer covers at either value.
    void RepaintPointer(float from, float to);
    // The value StepTowards(target) gives the pointer.
    float StepValue(double target) const;
    void BuildFace(const QSize &size, const QFont &font, qreal dpr);

    meter::Scale m_scale;
    float m_klass = 0.5f;
    short m_tok = 1;
    float m_value = 0.0f;
    bool m_atRest = true;
    QString m_caption = QStringLiteral("Амперметр");
    QString m_unit;
    float m_range = 0.0f;

    // The face without the pointer, drawn once per size and property set:
    // m_under (the whole box: the dial, ticks, numbers and caption inside
    // the one-pixel border) lies below the pointer, m_over (the case,
    // inside the border) above it.
    QPixmap m_under;
    QPixmap m_over;
    bool m_faceValid = false;
    QSize m_faceSize;
    QFont m_faceFont;
};

// One meter of a bench as its table row gives it; `Min` is 0 unless
// stated, and the pointer starts at 0. The name is the caption unless
// given; the range 0 reads the scale in its unit.
struct MeterSpec {
    QString caption;
    float max = 100.0f;
    float bigchange = 10.0f;
    float smallchange = 2.0f;
    float klass = 0.5f;
    short shcala = 1;
    short tok = 1;
    short systema = 1;
    float min = 0.0f;
    QString unit = QStringLiteral("A");
    float range = 0.0f;
    QString name = QString();
};

// The one place a meter is set up: binds it to its box (PicCtl first),
// sets every property of the row, the scale limits and steps in an order
// every valid row passes the setters' checks in, and the pointer to 0.
void SetUpMeter(Pribor &meter, PictureBox *box, const MeterSpec &setup);

} // namespace ohmaris
