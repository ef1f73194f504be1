// SPDX-License-Identifier: GPL-3.0-or-later
// Design geometry, click areas and parameter boxes.
#include "shell/controls.h"

#include "calc/entry.h"
#include "shell/picturebox.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOption>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace ohmaris {

namespace {
constexpr const char *kDesignRect = "ohmarisDesignRect";
constexpr const char *kDesignFont = "ohmarisDesignFont";
constexpr const char *kOverlay = "ohmarisOverlay";
constexpr const char *kPlacedByBench = "ohmarisPlacedByBench";
constexpr const char *kButtonColour = "ohmarisButtonColour";
constexpr const char *kHelpKey = "ohmarisHelpKey";

// The control of the key press being handled (KeyboardPress).
QWidget *g_keyboardControl = nullptr;

// Draws a button's panel as a flat fill of its palette's button colour
// inside a thin raised edge (sunken while pressed). The application style
// shades the panel with a gradient, so a white, red or green button would
// not show white, red or green.
class FlatButtonStyle final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_PanelButtonCommand) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // The edge is laid as bands of fill, each over the last: a dark
        // frame, the shaded and the lit sides of the bevel inside it (with a
        // line of the button's colour between the bevel's shaded sides and
        // the frame), then the face. At a fractional scale factor lines one
        // pixel wide would be rounded each its own way and leave the fill
        // showing between them.
        const QPalette &pal = option->palette;
        const QRectF r = option->rect;
        const bool sunken = option->state & (State_Sunken | State_On);
        const QColor lit = pal.color(sunken ? QPalette::Mid : QPalette::Light);
        const QColor shade = pal.color(sunken ? QPalette::Light : QPalette::Mid);
        const double w = r.width(), h = r.height();
        painter->save();
        painter->translate(r.topLeft());
        painter->fillRect(QRectF(0, 0, w, h), pal.color(QPalette::Dark));
        painter->fillRect(QRectF(1, 1, w - 2, h - 2), pal.button());
        painter->fillRect(QRectF(1, 1, w - 3, h - 3), shade);
        painter->fillRect(QRectF(1, 1, w - 4, 1), lit);
        painter->fillRect(QRectF(1, 1, 1, h - 4), lit);
        painter->fillRect(QRectF(2, 2, w - 5, h - 5), pal.button());
        painter->restore();
    }
};

QStyle *FlatButtons()
{
    // One style for every coloured button, living as long as the application.
    static QPointer<FlatButtonStyle> style;
    if (!style) {
        style = new FlatButtonStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}
} // namespace

QRect TwipsToPixels(const QRectF &twips)
{
    return QRectF(twips.left() / kTwipsPerPixel, twips.top() / kTwipsPerPixel, twips.width() / kTwipsPerPixel,
                  twips.height() / kTwipsPerPixel)
        .toRect();
}

QString ArrayName(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void SetDesign(QWidget *w, const QString &name, double left, double top, double width, double height)
{
    w->setObjectName(name);
    const QRectF r(left, top, width, height);
    w->setProperty(kDesignRect, r);
    w->setGeometry(TwipsToPixels(r));
}

void SetDesignFont(QWidget *w, const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
    w->setProperty(kDesignFont, points);
}

QRectF DesignRect(const QWidget *w)
{
    const QVariant v = w->property(kDesignRect);
    return v.isValid() ? v.toRectF() : QRectF();
}

PictureBox *MakePicture(QWidget *parent, const QString &name, const QRectF &twips, double points, bool bold)
{
    return PlaceControl<PictureBox>(parent, name, twips, kBenchFont, points, bold);
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QRectF &twips, const QString &caption,
                  double points, bool bold)
{
    auto *label = PlaceControl<QLabel>(parent, name, twips, kBenchFont, points, bold);
    label->setText(caption);
    return label;
}

QPushButton *MakeButton(QWidget *parent, const QString &name, const QRectF &twips, const QString &caption,
                        double points, bool bold)
{
    auto *b = PlaceControl<BenchButton>(parent, name, twips, kBenchFont, points, bold);
    b->setText(caption);
    return b;
}

QGroupBox *MakeFrame(QWidget *parent, const QString &name, const QRectF &twips, double points, bool bold)
{
    return PlaceControl<QGroupBox>(parent, name, twips, kBenchFont, points, bold);
}

ParamBox *MakeParamBox(QWidget *parent, const QString &name, const QRectF &twips, double points,
                       ParamBox::Filter filter)
{
    auto *box = new ParamBox(parent, filter);
    SetDesign(box, name, twips.left(), twips.top(), twips.width(), twips.height());
    SetDesignFont(box, kBenchFont, points);
    return box;
}

double DesignFontSize(const QWidget *w)
{
    const QVariant v = w->property(kDesignFont);
    return v.isValid() ? v.toDouble() : 0.0;
}

void MarkOverlay(QWidget *w)
{
    w->setProperty(kOverlay, true);
}

bool IsOverlay(const QWidget *w)
{
    return w->property(kOverlay).toBool();
}

void MarkPlacedByBench(QWidget *w)
{
    w->setProperty(kPlacedByBench, true);
}

bool IsPlacedByBench(const QWidget *w)
{
    return w->property(kPlacedByBench).toBool();
}

QColor ButtonFaceColour()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor ActiveBorderColour()
{
    return QColor(180, 180, 180);
}

QColor SelectedRangeColour()
{
    return QColor(255, 255, 255);
}

QColor OtherRangeColour()
{
    return QColor(120, 120, 120);
}

void SetButtonColour(QPushButton *button, const QColor &colour)
{
    if (!button || ButtonColour(button) == colour)
        return;
    button->setProperty(kButtonColour, colour);
    if (button->style() != FlatButtons())
        button->setStyle(FlatButtons());
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, colour);
    button->setPalette(pal);
    button->setAutoFillBackground(true);
    button->update();
}

QColor ButtonColour(const QPushButton *button)
{
    const QVariant v = button->property(kButtonColour);
    return v.isValid() ? v.value<QColor>() : QColor();
}

namespace {

// A control the rule makes taller than its place scaled once (the text
// boxes of the three-phase windows, whose height is scaled twice): `row` is
// that place, in pixels, and `height` the height the rule gives it.
struct GrownControl {
    QWidget *widget;
    QRectF row;
    double height;
};

// Free space between boxes stacked in a column, in pixels.
constexpr double kRowGapPx = 4.0;

// The grown control keeps the rule's extra height as far as its row allows:
// it grows about the middle of its place, so the labels beside it (scaled
// once) stay level with it, up to a small gap short of the controls above
// and below it in its column (a neighbour that grows as well takes half of
// the space between) and inside its container.
void FitIntoRow(const GrownControl &g, const QList<GrownControl> &grown)
{
    const QRectF row = g.row;
    const double middle = row.center().y();
    const QRectF inside = g.widget->parentWidget()->contentsRect();
    double half = std::min({g.height / 2, middle - inside.top(), inside.bottom() - middle});
    for (QObject *o : g.widget->parentWidget()->children()) {
        auto *n = qobject_cast<QWidget *>(o);
        if (!n || n == g.widget || n->isWindow() || !DesignRect(n).isValid())
            continue;
        const auto other = std::find_if(grown.begin(), grown.end(), [n](const GrownControl &x) { return x.widget == n; });
        const bool growsToo = other != grown.end();
        const QRectF place = growsToo ? other->row : QRectF(n->geometry());
        if (place.right() <= row.left() || place.left() >= row.right())
            continue; // not in this column
        if (place.top() >= row.bottom())
            half = std::min(half, growsToo ? (place.center().y() - middle - kRowGapPx) / 2
                                           : place.top() - middle - kRowGapPx);
        else if (place.bottom() <= row.top())
            half = std::min(half, growsToo ? (middle - place.center().y() - kRowGapPx) / 2
                                           : middle - place.bottom() - kRowGapPx);
    }
    const int height = qRound(std::max(row.height(), 2 * half));
    g.widget->setGeometry(qRound(row.left()), qRound(middle - height / 2.0), qRound(row.width()), height);
}

// Whether a control's line of text fits its height: the height a label
// asks for, the font's line in a button's or a box's contents. A wrapped
// label, a frame and any other control count as fitting.
bool LineFits(const QWidget *w)
{
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->wordWrap() || l->sizeHint().height() <= l->height();
    if (const auto *b = qobject_cast<const QPushButton *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        return b->fontMetrics().height() <= b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).height();
    }
    if (const auto *e = qobject_cast<const QLineEdit *>(w)) {
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
        return e->fontMetrics().height() <= e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).height();
    }
    return true;
}

// A font scaled with its control mostly keeps fitting it, but a font's line
// height is rounded to whole pixels on its own: a control designed just high
// enough for its text can come out a pixel short. Its font then steps down a
// little (never below nine tenths of the scaled size) until the line fits.
void FitFontToLine(QWidget *w)
{
    const double scaled = w->font().pointSizeF();
    while (!LineFits(w) && w->font().pointSizeF() - 0.25 >= 0.9 * scaled) {
        QFont smaller = w->font();
        smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
        w->setFont(smaller);
    }
}

} // namespace

void ScaleDesignedControls(QWidget *root, ScaleFactors factors, ScalingVariant variant)
{
    QList<GrownControl> grown;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        const QRectF design = DesignRect(w);
        if (!design.isValid())
            continue;
        const ScaledControl s = ScaleControl(w->objectName(), design, DesignFontSize(w), factors, variant);
        if (s.skipped)
            continue;
        w->setGeometry(TwipsToPixels(s.rect));
        if (s.fontSize > 0) {
            QFont font = w->font();
            font.setPointSizeF(s.fontSize);
            w->setFont(font);
            FitFontToLine(w);
        }
        QRectF once = s.rect;
        once.setHeight(double(float(design.height() * double(factors.ScaleY))));
        if (s.rect.height() > once.height() + kTwipsPerPixel / 2)
            grown.append({w, QRectF(once.topLeft() / kTwipsPerPixel, once.size() / kTwipsPerPixel),
                          s.rect.height() / kTwipsPerPixel});
    }
    // After the whole pass, so every neighbour stands at its final place.
    for (const GrownControl &g : grown)
        FitIntoRow(g, grown);
}

ClickArea::ClickArea(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::TabFocus);
}

void ClickArea::setDescribe(Describe describe)
{
    m_describe = std::move(describe);
    const Hotspot h = this->describe();
    SetHelpKey(this, h.key);
    m_toldClosed = h.closed;
    m_toldDetail = h.detail;
}

void ClickArea::Press(Qt::MouseButton button)
{
    Q_EMIT mouseDown(button, Qt::NoModifier);
    NoteChange();
}

void ClickArea::NoteChange()
{
    if (!QAccessible::isActive() || !m_describe)
        return;
    const Hotspot h = describe();
    if (h.closed != m_toldClosed) {
        m_toldClosed = h.closed;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent e(this, changed);
        QAccessible::updateAccessibility(&e);
    }
    if (h.detail != m_toldDetail) {
        m_toldDetail = h.detail;
        QAccessibleEvent e(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
}

void ClickAreas::NoteChanges()
{
    if (!QAccessible::isActive())
        return;
    for (const QPointer<ClickArea> &a : m_areas)
        if (a)
            a->NoteChange();
}

void ClickAreas::PlaceArea(ClickArea *area, const QRect &pixels)
{
    area->setGeometry(pixels);
    QWidget *picture = area->parentWidget();
    const bool reachable = picture && picture->rect().intersects(pixels);
    const Qt::FocusPolicy policy = reachable ? Qt::TabFocus : Qt::NoFocus;
    if (area->focusPolicy() != policy)
        area->setFocusPolicy(policy);
    if (!reachable && area->hasFocus() && picture)
        picture->setFocus(Qt::OtherFocusReason);
}

void ClickAreas::Raise()
{
    if (m_areas.empty() || !m_areas.front())
        return;
    const QObjectList &children = m_areas.front()->parent()->children();
    // The widgets among the picture's last children, from the top down,
    // against the areas from the last.
    auto child = children.crbegin();
    bool onTop = true;
    for (auto area = m_areas.crbegin(); onTop && area != m_areas.crend(); ++area) {
        while (child != children.crend() && !(*child)->isWidgetType())
            ++child;
        onTop = child != children.crend() && *child == area->data();
        if (onTop)
            ++child;
    }
    if (onTop)
        return;
    for (const QPointer<ClickArea> &a : m_areas)
        if (a)
            a->raise();
}

void ClickArea::mousePressEvent(QMouseEvent *e)
{
    Q_EMIT mouseDown(e->button(), e->modifiers());
    NoteChange();
}

void ClickArea::mouseDoubleClickEvent(QMouseEvent *e)
{
    // A fast second click toggles again, as a second press should.
    mousePressEvent(e);
}

void ClickArea::keyPressEvent(QKeyEvent *e)
{
    switch (BenchKeyOf(e->key(), e->modifiers())) {
    case BenchKey::Press: {
        const KeyboardPress press(this);
        Press(Qt::LeftButton);
        break;
    }
    case BenchKey::Help: {
        const KeyboardPress press(this);
        Press(Qt::RightButton);
        break;
    }
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

void ClickArea::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter p(this);
    DrawFocusMark(p, this);
}

ParamBox::ParamBox(QWidget *parent, Filter filter) : QLineEdit(parent), m_filter(filter)
{
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ParamBox::keyPressEvent(QKeyEvent *e)
{
    // Navigation and editing keys that type no character keep working;
    // the clipboard shortcuts (paste, cut and copy too: a box never touches
    // the clipboard) do nothing, and any typed character goes through the
    // filter, which refuses all but digits, one comma and backspace.
    const QString text = e->text();
    const bool typesCharacter = !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QChar(8));
    if (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Copy)
        || e->key() == Qt::Key_Insert) {
        e->accept();
        return;
    }
    if (!typesCharacter) {
        switch (e->key()) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home: case Qt::Key_End:
        case Qt::Key_Delete: case Qt::Key_Backspace: case Qt::Key_Tab: case Qt::Key_Backtab:
            QLineEdit::keyPressEvent(e);
            return;
        default:
            if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier) && !e->matches(QKeySequence::SelectAll)) {
                e->accept(); // no editing shortcuts besides select-all
                return;
            }
            QLineEdit::keyPressEvent(e);
            return;
        }
    }
    // A read-only box keeps its text: the filter's own insert and
    // backspace would bypass the flag.
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const int key = text.at(0).unicode();
    const int filtered = m_filter == Filter::Decimal ? DecimalKeyFilter(key, this->text(), cursorPosition())
                                                     : DigitKeyFilter(key);
    if (filtered == 0) {
        e->accept();
        return;
    }
    if (filtered == kBackspace) {
        backspace();
        return;
    }
    insert(QString(QChar(filtered)));
}

void ParamBox::mousePressEvent(QMouseEvent *e)
{
    // The middle button pastes the selection on X11: refused like any paste.
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        return;
    }
    QLineEdit::mousePressEvent(e);
}

void ParamBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void ParamBox::contextMenuEvent(QContextMenuEvent *e)
{
    e->accept();
}

void ParamBox::dragEnterEvent(QDragEnterEvent *e)
{
    e->ignore();
}

void ParamBox::dropEvent(QDropEvent *e)
{
    e->ignore();
}

void ParamBox::paintEvent(QPaintEvent *e)
{
    QLineEdit::paintEvent(e);
    if (hasFocus()) {
        QPainter p(this);
        DrawFocusMark(p, this);
    }
}

} // namespace ohmaris

namespace ohmaris {

PressHelp::PressHelp(QWidget *control, const QString &key, Pass pass) : QObject(control), m_key(key), m_pass(pass)
{
}

PressHelp *PressHelp::Install(QWidget *control, const QString &key, Pass pass)
{
    SetHelpKey(control, key);
    auto *h = new PressHelp(control, key, pass);
    control->installEventFilter(h);
    return h;
}

bool PressHelp::eventFilter(QObject *watched, QEvent *event)
{
    // Installed on its parent only, so `watched` needs no checking.
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
    Q_EMIT helpRequested(m_key, button);
    return !(m_pass == Pass::LeftButton && button == Qt::LeftButton);
}

} // namespace ohmaris

namespace ohmaris {

BenchKey BenchKeyOf(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key == Qt::Key_F10)
        return held == Qt::ShiftModifier ? BenchKey::Help : BenchKey::None;
    if (held != Qt::NoModifier)
        return BenchKey::None;
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return BenchKey::Press;
    case Qt::Key_Menu:
        return BenchKey::Help;
    case Qt::Key_Right:
    case Qt::Key_Up:
        return BenchKey::Clockwise;
    case Qt::Key_Left:
    case Qt::Key_Down:
        return BenchKey::Anticlockwise;
    case Qt::Key_Home:
        return BenchKey::First;
    case Qt::Key_End:
        return BenchKey::Last;
    default:
        return BenchKey::None;
    }
}

KeyboardPress::KeyboardPress(QWidget *control) : m_previous(g_keyboardControl)
{
    g_keyboardControl = control;
}

KeyboardPress::~KeyboardPress()
{
    g_keyboardControl = m_previous;
}

QWidget *KeyboardPress::Control()
{
    return g_keyboardControl;
}

void FocusAfterClick(QWidget *target)
{
    if (target && !KeyboardPress::Control())
        target->setFocus();
}

std::vector<int> ReadingOrder(const std::vector<QRectF> &rects, Qt::Orientation lines)
{
    const bool rows = lines == Qt::Horizontal;
    const auto across = [rows](const QRectF &r) { return rows ? r.top() : r.left(); };
    const auto middle = [rows](const QRectF &r) { return rows ? r.center().y() : r.center().x(); };
    const auto along = [rows](const QRectF &r) { return rows ? r.left() : r.top(); };
    std::vector<int> byStart(rects.size());
    for (std::size_t i = 0; i < rects.size(); ++i)
        byStart[i] = int(i);
    std::stable_sort(byStart.begin(), byStart.end(), [&](int a, int b) {
        const QRectF &ra = rects[std::size_t(a)], &rb = rects[std::size_t(b)];
        return across(ra) != across(rb) ? across(ra) < across(rb) : along(ra) < along(rb);
    });
    std::vector<int> order;
    std::size_t next = 0;
    while (next < byStart.size()) {
        const double limit = middle(rects[std::size_t(byStart[next])]);
        std::size_t end = next + 1;
        while (end < byStart.size() && across(rects[std::size_t(byStart[end])]) < limit)
            ++end;
        std::vector<int> line(byStart.begin() + std::ptrdiff_t(next), byStart.begin() + std::ptrdiff_t(end));
        std::stable_sort(line.begin(), line.end(), [&](int a, int b) {
            return along(rects[std::size_t(a)]) < along(rects[std::size_t(b)]);
        });
        order.insert(order.end(), line.begin(), line.end());
        next = end;
    }
    return order;
}

void SetHelpKey(QWidget *w, const QString &key)
{
    if (w)
        w->setProperty(kHelpKey, key);
}

QString HelpKeyOf(const QWidget *w)
{
    return w ? w->property(kHelpKey).toString() : QString();
}

int FocusMarkWidth(int screenHeight)
{
    return std::max(2, int(std::lround(2.0 * screenHeight / 768.0)));
}

void DrawFocusMark(QPainter &p, const QWidget *w)
{
    if (!w->hasFocus())
        return;
    const QScreen *screen = w->screen();
    const int k = FocusMarkWidth(screen ? screen->geometry().height() : 768);
    const QRect r = w->rect();
    if (r.width() <= 2 * k || r.height() <= 2 * k)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    // Filled strips, so the frame lies inside the control whatever the
    // pen's rounding.
    const QColor blue(0, 0, 255);
    p.fillRect(QRect(r.left(), r.top(), r.width(), k), blue);
    p.fillRect(QRect(r.left(), r.bottom() - k + 1, r.width(), k), blue);
    p.fillRect(QRect(r.left(), r.top(), k, r.height()), blue);
    p.fillRect(QRect(r.right() - k + 1, r.top(), k, r.height()), blue);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(r.adjusted(k, k, -k - 1, -k - 1));
    p.restore();
}

BenchButton::BenchButton(QWidget *parent) : QPushButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
}

void BenchButton::setOn(bool on)
{
    const bool changed = !m_showsState || on != m_on;
    m_showsState = true;
    m_on = on;
    if (changed && QAccessible::isActive()) {
        QAccessible::State s;
        s.checked = true;
        QAccessibleStateChangeEvent e(this, s);
        QAccessible::updateAccessibility(&e);
    }
}

void SetButtonOn(QPushButton *button, bool on)
{
    if (auto *b = qobject_cast<BenchButton *>(button))
        b->setOn(on);
}

void BenchButton::keyPressEvent(QKeyEvent *e)
{
    switch (BenchKeyOf(e->key(), e->modifiers())) {
    case BenchKey::Press:
        if (e->key() != Qt::Key_Space) {
            const KeyboardPress press(this);
            click();
            e->accept();
            return;
        }
        break; // Space presses on its press and clicks on its release
    case BenchKey::Help:
        if (PressHelp *help = findChild<PressHelp *>(QString(), Qt::FindDirectChildrenOnly)) {
            const KeyboardPress press(this);
            help->Request(Qt::RightButton);
        }
        e->accept();
        return;
    default:
        break;
    }
    const KeyboardPress press(this);
    QPushButton::keyPressEvent(e);
}

void BenchButton::keyReleaseEvent(QKeyEvent *e)
{
    const KeyboardPress press(this);
    QPushButton::keyReleaseEvent(e);
}

void BenchButton::paintEvent(QPaintEvent *e)
{
    QPushButton::paintEvent(e);
    if (hasFocus()) {
        QPainter p(this);
        DrawFocusMark(p, this);
    }
}

} // namespace ohmaris
