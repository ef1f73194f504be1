// Schematic of the single-phase AC benches, drawn in the picture's own twips
// (y downwards) on a grid of u = picture width / 100. The supply side
// (terminals, breaker "SF", regulator "AT", K-50 block) is the same in labs
// 2 to 4 and is drawn relative to the two rails; the load side here is lab
// 2's: the coil in its dashed box, the voltmeters V1 and V2, the capacitor
// and its bypass switch "S". Geometry is kept in pure functions so tests can
// check that each hotspot covers its element.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <array>

class QPainter;

namespace ohmaris {

// Rails and wire of an AC schematic, in twips.
struct AcGrid {
    double u = 0;  // the grid unit, `DrawUnit`
    double h = 0;  // picture height
    double x0 = 0; // left wire, 6u
    double y0 = 0; // bottom rail
    double y1 = 0; // top rail
    double X(double units) const { return units * u; }
    double Mid() const { return (y0 + y1) / 2; }
};

// Labs 2 and 3: bottom rail H - 8u, top rail H - 28u.
AcGrid Lab2Grid(double drawUnit, double height);

// What the schematic shows of the bench's state.
struct Lab2SchematicState {
    int breaker = 0; // SwitchState[0]
    int bypass = 0;  // SwitchState[1]
    int variant = 1; // SwitchState[2], shown as the coil's subscripts
};

// The drawing style: the picture's font and the background it is filled with.
struct SchematicStyle {
    QFont font;
    double points = 12;
    QColor back;
};

// Supply side, shared with labs 3 and 4.
QRectF BreakerHotspot(const AcGrid &g);
QRectF RegulatorHotspot(const AcGrid &g);
QRectF K50Hotspot(const AcGrid &g);
// Pivot and free end of the breaker blade (it lies in the top rail).
QPointF BreakerPivot(const AcGrid &g);
QPointF BreakerBladeEnd(const AcGrid &g, int state);
void DrawSupplySide(QPainter &p, const AcGrid &g, int breaker, const SchematicStyle &style);

// Lab 2: `Image1`(0..7) in twips.
constexpr int kLab2HotspotCount = 8;
std::array<QRectF, kLab2HotspotCount> Lab2Hotspots(const AcGrid &g);
// The elements each hotspot lies over, for the tests: the bypass blade.
QPointF BypassPivot(const AcGrid &g);
QPointF BypassBladeEnd(const AcGrid &g, int state);
// Where the coil's two labels stand (their union), inside the dashed box.
QRectF CoilLabelArea(const AcGrid &g, const SchematicStyle &style);

// The whole lab 2 picture, background first.
void DrawLab2Schematic(QPainter &p, const AcGrid &g, const Lab2SchematicState &s, const SchematicStyle &style);

} // namespace ohmaris
