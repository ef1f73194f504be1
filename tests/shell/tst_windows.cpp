// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program walked control by control, in both languages,
// on the screen this test runs on (it is registered once per screen of a
// matrix of sizes and scale factors): each caption fits its control, nothing
// sticks out of its container or the window, no two controls cover each
// other unless one is laid over the other on purpose, labels stand level
// with the boxes beside them, every control of a bench stands where the
// design and the screen's one factor put it, every picture box draws inside
// itself, and every coloured button shows its colour as a flat fill.
#include "instruments/pribor.h"
#include "labs/registry.h"
#include "shell/aboutbox.h"
#include "shell/chooser.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/helpwindow.h"
#include "shell/labwindow.h"
#include "shell/picturebox.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QWindow>
#include <QDebug>

using namespace ohmaris;

namespace {

// Labels whose text centre may be this far from the centre of the box beside them.
constexpr double kLevelTolerancePx = 2.0;

QString ScreenName()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize s = screen->size();
    const qreal dpr = screen->devicePixelRatio();
    if (dpr == 1)
        return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
    return QStringLiteral("%1x%2 at %3 (%4x%5)")
        .arg(qRound(s.width() * dpr))
        .arg(qRound(s.height() * dpr))
        .arg(dpr)
        .arg(s.width())
        .arg(s.height());
}

ScaleFactors Factors()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    return ScreenScale(screen.width() * kTwipsPerPixel, screen.height() * kTwipsPerPixel);
}

QString LanguageName(int lang)
{
    return lang == 1 ? QStringLiteral("en") : QStringLiteral("ru");
}

QString Size(QSize s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

QString Rect(QRect r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The controls a window's code created: named, not Qt's own parts, shown.
QList<QWidget *> Controls(QWidget *window)
{
    QList<QWidget *> out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (w->isWindow() || name.isEmpty() || name.startsWith(QLatin1String("qt_"))
            || name == QLatin1String("client") || !w->isVisibleTo(window))
            continue;
        out.append(w);
    }
    return out;
}

bool IsLabel(const QWidget *w)
{
    const auto *l = qobject_cast<const QLabel *>(w);
    return l && !l->text().isEmpty();
}

// Where a label's text lies, in its parent's coordinates.
QRect LabelTextRect(const QLabel *l)
{
    const QRect cr = l->contentsRect();
    const int flags = int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect text = QFontMetrics(l->font()).boundingRect(cr, flags, l->text());
    return text.translated(l->pos());
}

// The part of its parent a control covers: a label only where its text is,
// an option button only where its mark and caption are.
QRect Covered(const QWidget *w)
{
    if (IsLabel(w))
        return LabelTextRect(static_cast<const QLabel *>(w)).intersected(w->geometry());
    if (qobject_cast<const QRadioButton *>(w) || qobject_cast<const QCheckBox *>(w)) {
        const QRect r = w->geometry();
        return QStyle::alignedRect(w->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter,
                                   w->sizeHint().boundedTo(r.size()), r);
    }
    return w->geometry();
}

// Neighbours designed to share a one-pixel edge, as a row of buttons does.
bool ShareAnEdge(const QWidget *a, const QWidget *b)
{
    const QRectF both = DesignRect(a).intersected(DesignRect(b));
    return DesignRect(a).isValid() && DesignRect(b).isValid()
           && std::min(both.width(), both.height()) <= kTwipsPerPixel;
}

QRect GroupBoxCaption(const QGroupBox *g)
{
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.lineWidth = 1;
    opt.midLineWidth = 0;
    opt.textAlignment = g->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (g->isFlat())
        opt.features |= QStyleOptionFrame::Flat;
    return g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
}

// What a control's text needs against what the control gives it; empty when it fits.
QString TextProblem(const QWidget *w)
{
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        if (l->text().isEmpty())
            return {};
        const QSize need = l->wordWrap() ? QSize(l->minimumSizeHint().width(), l->heightForWidth(l->width()))
                                         : l->sizeHint();
        if (need.width() > l->width() || need.height() > l->height())
            return QStringLiteral("text \"%1\" needs %2, the label is %3")
                .arg(l->text(), Size(need), Size(l->size()));
        return {};
    }
    if (const auto *b = qobject_cast<const QPushButton *>(w)) {
        if (b->text().isEmpty())
            return {};
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        const QSize need = QFontMetrics(b->font()).size(Qt::TextShowMnemonic, b->text());
        if (need.width() > room.width() || need.height() > room.height())
            return QStringLiteral("caption \"%1\" needs %2, the button gives %3")
                .arg(b->text(), Size(need), Size(room.size()));
        return {};
    }
    if (qobject_cast<const QRadioButton *>(w) || qobject_cast<const QCheckBox *>(w)) {
        const auto *b = static_cast<const QAbstractButton *>(w);
        const QSize need = b->sizeHint();
        if (need.width() > b->width() || need.height() > b->height())
            return QStringLiteral("caption \"%1\" needs %2, the button is %3")
                .arg(b->text(), Size(need), Size(b->size()));
        return {};
    }
    if (const auto *g = qobject_cast<const QGroupBox *>(w)) {
        if (g->title().isEmpty())
            return {};
        const QRect caption = GroupBoxCaption(g);
        if (!g->rect().contains(caption))
            return QStringLiteral("caption \"%1\" needs %2, the frame is %3")
                .arg(g->title(), Rect(caption), Size(g->size()));
        return {};
    }
    if (const auto *c = qobject_cast<const QComboBox *>(w)) {
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        opt.editable = c->isEditable();
        opt.frame = c->hasFrame();
        opt.currentText = c->currentText();
        const QRect room = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
        const QFontMetrics fm(c->font());
        const QSize need(fm.horizontalAdvance(c->currentText()), fm.height());
        if (need.width() > room.width() || need.height() > room.height())
            return QStringLiteral("entry \"%1\" needs %2, the list shows %3")
                .arg(c->currentText(), Size(need), Size(room.size()));
        return {};
    }
    if (const auto *e = qobject_cast<const QLineEdit *>(w)) {
        // The box clips its line to the inside of its frame.
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
        const int room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).height();
        const int need = QFontMetrics(e->font()).height();
        if (need > room)
            return QStringLiteral("text needs %1 px of height, the box gives %2 px").arg(need).arg(room);
    }
    return {};
}

// Everything wrong with one window's layout, one line per fault.
QStringList LayoutProblems(QWidget *window, const QString &where)
{
    QStringList problems;
    const auto report = [&](const QWidget *w, const QString &what) {
        problems << QStringLiteral("%1: %2 %3: %4").arg(where, window->objectName(), w->objectName(), what);
    };
    const QList<QWidget *> controls = Controls(window);
    for (QWidget *w : controls) {
        if (const QString p = TextProblem(w); !p.isEmpty())
            report(w, p);

        // Inside its container. A control parked wholly outside (the hidden
        // cancel buttons, click areas out of reach) is out of sight on purpose.
        const QWidget *parent = w->parentWidget();
        const QRect r = w->geometry();
        if (parent && !r.isEmpty() && parent->rect().intersects(r) && !parent->rect().contains(r))
            report(w, QStringLiteral("%1 sticks out of %2 %3").arg(Rect(r), parent->objectName(), Size(parent->size())));

        if (const auto *g = qobject_cast<const QGroupBox *>(parent); g && !g->title().isEmpty()) {
            const QRect caption = GroupBoxCaption(g);
            if (Covered(w).intersects(caption))
                report(w, QStringLiteral("%1 covers the caption of %2 %3")
                              .arg(Rect(Covered(w)), g->objectName(), Rect(caption)));
        }
    }

    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget *a = controls.at(i);
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QWidget *b = controls.at(j);
            if (a->parentWidget() != b->parentWidget())
                continue;
            const bool onPurpose = IsOverlay(a) || IsOverlay(b) || qobject_cast<ClickArea *>(a)
                                   || qobject_cast<ClickArea *>(b) || ShareAnEdge(a, b);
            const QRect both = Covered(a).intersected(Covered(b));
            if (!onPurpose && !both.isEmpty())
                report(a, QStringLiteral("overlaps %1 by %2").arg(b->objectName(), Size(both.size())));

            // A label beside a text box stands level with it.
            QWidget *label = IsLabel(a) ? a : IsLabel(b) ? b : nullptr;
            QWidget *box = qobject_cast<QLineEdit *>(a) ? a : qobject_cast<QLineEdit *>(b) ? b : nullptr;
            if (!label || !box || IsOverlay(label))
                continue;
            const QRectF text = LabelTextRect(static_cast<QLabel *>(label));
            const QRectF field = box->geometry();
            const bool sameRow = text.top() < field.bottom() && field.top() < text.bottom();
            const bool beside = text.right() <= field.left() || field.right() <= text.left();
            const double offset = text.center().y() - field.center().y();
            if (sameRow && beside && std::abs(offset) > kLevelTolerancePx)
                report(label, QStringLiteral("text is %1 px off the middle of %2").arg(offset).arg(box->objectName()));
        }
    }
    return problems;
}

QString RectF(const QRectF &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x(), 0, 'f', 1).arg(r.y(), 0, 'f', 1).arg(r.width(), 0, 'f', 1)
        .arg(r.height(), 0, 'f', 1);
}

// Whether the edges of `r` lie within a pixel of those of `expected`; only
// the left and right edges when `heightToo` is false.
bool WithinAPixel(const QRect &r, const QRectF &expected, bool heightToo = true)
{
    const QRectF a(r);
    const auto near = [](double x, double y) { return std::abs(x - y) <= 1.0 + 1e-6; };
    return near(a.left(), expected.left()) && near(a.right(), expected.right())
           && (!heightToo || (near(a.top(), expected.top()) && near(a.bottom(), expected.bottom())));
}

// Where the frame put the bench and its controls, against the design and the
// screen's one factor: the scaled design screen centred in the window, each
// control at its design rectangle times the factor (in its parent), within a
// pixel. A control the rule gives more height than the factor (a text box
// of the three-phase windows) keeps its column and the middle of its scaled
// place; an instrument keeps its own shape, so only its width is checked.
QStringList PlacementProblems(LabWindow *w, const QString &where)
{
    QStringList problems;
    const auto report = [&](const QString &name, const QString &what) {
        problems << QStringLiteral("%1: %2 %3: %4").arg(where, w->formName(), name, what);
    };
    const ScaleFactors f = Factors();
    QWidget *form = w->form();
    QWidget *bench = w->client();
    QWidget *frame = bench->parentWidget();
    const QRectF area(BenchArea(form->width() * kTwipsPerPixel, form->height() * kTwipsPerPixel, f).topLeft()
                          / kTwipsPerPixel,
                      BenchArea(form->width() * kTwipsPerPixel, form->height() * kTwipsPerPixel, f).size()
                          / kTwipsPerPixel);
    // The bench's widget is the design screen's place, cut at the window's
    // bottom edge.
    QRectF visible = area;
    visible.setBottom(frame->height());
    if (!WithinAPixel(bench->geometry(), visible))
        report(QStringLiteral("bench"), QStringLiteral("%1 instead of %2 (the design screen at %3, centred)")
                                            .arg(Rect(bench->geometry()), RectF(visible))
                                            .arg(double(f.ScaleX)));
    if (!frame->rect().contains(bench->geometry()))
        report(QStringLiteral("bench"),
               QStringLiteral("%1 leaves the window's %2").arg(Rect(bench->geometry()), Size(frame->size())));

    // Every control the design puts on its screen is whole in the window: a
    // bench cut at the window's edge would hide it (parked controls lie
    // beyond the design screen, the hidden cancel button off the screen's
    // right edge).
    const QRectF designScreen(0, 0, kDesignWidthTwips, kDesignHeightTwips);
    for (QWidget *c : bench->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRectF design = DesignRect(c);
        if (!design.isValid() || !c->isVisibleTo(form) || !designScreen.intersects(design)
            || c->objectName() == QLatin1String(w->frame().cancelButton))
            continue;
        const QRect inFrame = c->geometry().translated(bench->pos());
        if (!frame->rect().contains(inFrame))
            report(c->objectName(), QStringLiteral("%1 is not whole in the window's %2")
                                        .arg(Rect(inFrame), Size(frame->size())));
    }

    for (QWidget *c : bench->findChildren<QWidget *>()) {
        const QRectF design = DesignRect(c);
        if (!design.isValid() || !c->isVisibleTo(form) || IsPlacedByBench(c))
            continue;
        const QWidget *parent = c->parentWidget();
        if (parent && !parent->rect().intersects(c->geometry()))
            continue; // parked out of sight on purpose (the hidden cancel button)
        const ScaledControl s = ScaleControl(c->objectName(), design, DesignFontSize(c), f, w->frame().scaling);
        if (s.skipped)
            continue;
        const QRectF expected(s.rect.topLeft() / kTwipsPerPixel, s.rect.size() / kTwipsPerPixel);
        const auto *box = qobject_cast<const PictureBox *>(c);
        const double once = design.height() * double(f.ScaleY) / kTwipsPerPixel;
        bool placed;
        if (box && box->instrument()) {
            placed = WithinAPixel(c->geometry(), expected, false)
                     && std::abs(c->geometry().top() - expected.top()) <= 1.0;
        } else if (expected.height() > once + 0.5) {
            const QRectF row(expected.left(), expected.top(), expected.width(), once);
            placed = WithinAPixel(c->geometry(), row, false)
                     && std::abs(QRectF(c->geometry()).center().y() - row.center().y()) <= 1.0
                     && c->height() >= once - 1.0;
        } else {
            placed = WithinAPixel(c->geometry(), expected);
        }
        if (!placed)
            report(c->objectName(), QStringLiteral("%1 instead of %2, its design %3 times %4")
                                        .arg(Rect(c->geometry()), RectF(expected), RectF(design))
                                        .arg(double(f.ScaleX)));
    }
    return problems;
}

// Picture boxes draw inside themselves: a box's painting, made on a sheet a
// margin larger all round, leaves the margin empty but for the smoothing of
// an edge (half a pixel, so one pixel is let pass).
QStringList DrawingProblems(QWidget *window, const QString &where)
{
    QStringList problems;
    constexpr int kMargin = 12;
    for (PictureBox *box : window->findChildren<PictureBox *>()) {
        if (!box->isVisibleTo(window) || box->size().isEmpty())
            continue;
        QImage sheet(box->size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32_Premultiplied);
        sheet.fill(Qt::transparent);
        {
            QPainter p(&sheet);
            p.translate(kMargin, kMargin);
            Q_EMIT box->painting(p);
        }
        const QRect allowed = QRect(QPoint(kMargin, kMargin), box->size()).adjusted(-1, -1, 1, 1);
        QRect outside;
        for (int y = 0; y < sheet.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(sheet.constScanLine(y));
            for (int x = 0; x < sheet.width(); ++x)
                if (qAlpha(line[x]) > 64 && !allowed.contains(x, y))
                    outside |= QRect(x - kMargin, y - kMargin, 1, 1);
        }
        if (!outside.isEmpty())
            problems << QStringLiteral("%1: %2 %3 (%4) draws at %5, outside the box")
                            .arg(where, window->objectName(), box->objectName(), Size(box->size()), Rect(outside));
        // A meter's numbers stand clear of each other and of the ticks,
        // inside its dial.
        if (const auto *meter = qobject_cast<const Pribor *>(box->instrument()))
            for (const QString &fault : meter::ScaleLabelFaults(meter->FaceGeometry(), meter->scale(),
                                                                 meter->ScaleNumbers()))
                problems << QStringLiteral("%1: %2 %3 (%4): %5")
                                .arg(where, window->objectName(), box->objectName(), Size(box->size()), fault);
    }
    return problems;
}

// Every fault on a line of its own (a failure message is cut short), the
// first and the count in the failure.
QString Failures(const QStringList &problems)
{
    for (const QString &p : problems)
        qWarning().noquote() << p;
    return QStringLiteral("%1 (%2 faults in all, each listed above)").arg(problems.value(0)).arg(problems.size());
}

// Relative luminance of a colour and the contrast ratio of two, as the
// usual accessibility rules define them (1 : 1 to 21 : 1).
double Luminance(const QColor &c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor CentrePixel(QPushButton *b)
{
    // The caption is blanked for the grab so the centre shows the fill.
    const QString caption = b->text();
    b->setText(QString());
    const QImage image = b->grab().toImage();
    b->setText(caption);
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private:
    int m_lang = 1;
    QString where() const { return QStringLiteral("[%1 %2]").arg(LanguageName(m_lang), ScreenName()); }

    void start(int lang)
    {
        Shell::reset();
        Shell &shell = Shell::instance();
        shell.setMessagesShown(false);
        RegisterLabWindows();
        m_lang = lang;
        QVERIFY2(shell.LoadLanguage(lang), qPrintable(shell.lastLanguageError()));
    }

    LabWindow *openLab(int lab)
    {
        Chooser *c = Shell::instance().chooser();
        c->show();
        c->Option1_Click(lab - 1);
        c->Command2_Click();
        LabWindow *w = Shell::instance().LabWindowFor(lab);
        if (!w || !w->isLoaded())
            return w;
        // A bench the window cuts is loaded again to fit once shown: the
        // form waited for may be replaced by a new one meanwhile.
        const auto exposed = [w] {
            const QWidget *form = w->form();
            return form && form->windowHandle() && form->windowHandle()->isExposed();
        };
        if (!QTest::qWaitFor(exposed))
            return nullptr;
        QTest::qWait(0);
        return exposed() ? w : nullptr;
    }

private Q_SLOTS:
    void cleanup() { Shell::reset(); }

    void shellWindows_data()
    {
        QTest::addColumn<int>("lang");
        QTest::newRow("en") << 1;
        QTest::newRow("ru") << 2;
    }
    void shellWindows()
    {
        QFETCH(int, lang);
        start(lang);
        Shell &shell = Shell::instance();
        QStringList problems;

        Chooser *chooser = shell.chooser();
        chooser->show();
        QVERIFY(QTest::qWaitForWindowExposed(chooser));
        problems << LayoutProblems(chooser, where());

        // The help window at every topic.
        shell.ShowHelp(nullptr);
        HelpWindow *help = shell.help();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QVERIFY(help->Combo1->count() > 0);
        for (int topic = 0; topic < help->Combo1->count(); ++topic) {
            help->Combo1->setCurrentIndex(topic);
            problems << LayoutProblems(help, where() + QStringLiteral(" topic %1").arg(topic));
        }

        shell.ShowAbout(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(shell.about()));
        problems << LayoutProblems(shell.about(), where());
        QVERIFY2(problems.isEmpty(), qPrintable(Failures(problems)));
    }

    void labWindows_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<int>("lab");
        for (int lang : {1, 2})
            for (int lab = 1; lab <= Chooser::LabCount; ++lab)
                QTest::addRow("%s lab %d", lang == 1 ? "en" : "ru", lab) << lang << lab;
    }
    void labWindows()
    {
        QFETCH(int, lang);
        QFETCH(int, lab);
        start(lang);
        LabWindow *w = openLab(lab);
        QVERIFY(w && w->isLoaded());
        const QStringList problems = LayoutProblems(w->form(), where()) + PlacementProblems(w, where())
                                     + DrawingProblems(w->form(), where());
        QVERIFY2(problems.isEmpty(), qPrintable(Failures(problems)));
    }

    // On a screen of twice the density a meter's face is drawn in the
    // screen's own pixels: its cached pictures made at the device pixel
    // ratio, not a picture of half the pixels blown up (which would equal
    // itself taken down to half its pixels and blown up again).
    void metersAreSharp_data()
    {
        QTest::addColumn<int>("lab");
        for (int lab = 1; lab <= 7; ++lab)
            QTest::addRow("lab %d", lab) << lab;
    }
    void metersAreSharp()
    {
        QFETCH(int, lab);
        const qreal dpr = QGuiApplication::primaryScreen()->devicePixelRatio();
        if (dpr < 2)
            QSKIP("a screen of scale factor 2 or more only");
        start(1);
        LabWindow *w = openLab(lab);
        QVERIFY(w && w->isLoaded());
        int meters = 0;
        for (PictureBox *box : w->form()->findChildren<PictureBox *>()) {
            if (!qobject_cast<Pribor *>(box->instrument()) || !box->isVisibleTo(w->form()))
                continue;
            ++meters;
            const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown.size(), box->size() * dpr);
            const QImage coarse = shown.scaled(box->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                      .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            qsizetype fine = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    fine += shown.pixel(x, y) != coarse.pixel(x, y) ? 1 : 0;
            // Numbers, ticks and the pointer's smoothed edges: a few in a
            // hundred pixels at least.
            QVERIFY2(fine * 100 >= shown.width() * shown.height(),
                     qPrintable(QStringLiteral("%1: only %2 of %3 pixels finer than the box's own")
                                    .arg(box->objectName())
                                    .arg(fine)
                                    .arg(shown.width() * shown.height())));
        }
        QVERIFY(meters > 0);
    }

    // Whatever colour a bench gives a button is the colour on the screen.
    void colouredButtonsAreFlat_data() { labWindows_data(); }
    void colouredButtonsAreFlat()
    {
        QFETCH(int, lang);
        QFETCH(int, lab);
        start(lang);
        LabWindow *w = openLab(lab);
        QVERIFY(w && w->isLoaded());
        QStringList problems;
        for (QPushButton *b : w->form()->findChildren<QPushButton *>()) {
            const QColor set = ButtonColour(b);
            if (!set.isValid() || !b->isVisibleTo(w->form()))
                continue;
            const QColor shown = CentrePixel(b);
            if (shown != set)
                problems << QStringLiteral("%1: %2 %3 shows %4 instead of %5")
                                .arg(where(), w->formName(), b->objectName(), shown.name(), set.name());
            // The frame runs round the whole edge, in the screen's pixels:
            // the fill shows nowhere on it.
            const QImage image = b->grab().toImage();
            int onEdge = 0;
            for (int x = 0; x < image.width(); ++x)
                onEdge += (image.pixelColor(x, 0) == set) + (image.pixelColor(x, image.height() - 1) == set);
            for (int y = 0; y < image.height(); ++y)
                onEdge += (image.pixelColor(0, y) == set) + (image.pixelColor(image.width() - 1, y) == set);
            if (onEdge > 0)
                problems << QStringLiteral("%1: %2 %3 shows its fill on %4 pixels of its edge")
                                .arg(where(), w->formName(), b->objectName())
                                .arg(onEdge);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(Failures(problems)));
    }

    // A click on a range or channel button: the button takes the colour its
    // bench gives it, and the rest of its row the colour of the others.
    void clickedButtonColour_data()
    {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QColor>("otherColour");
        const QColor white(255, 255, 255);
        const QColor face = OtherRangeColour();
        QTest::newRow("lab 2 K-50 150 V") << 2 << "Command3(0)" << white << "Command3(2)" << face;
        QTest::newRow("lab 2 K-50 1 A") << 2 << "Command2(0)" << white << "Command2(1)" << face;
        QTest::newRow("lab 5 K-50 300 V") << 5 << "Command3(1)" << white << "Command3(0)" << face;
        QTest::newRow("lab 5 A1 0.5 A") << 5 << "Command5(0)" << white << "Command5(3)" << face;
        QTest::newRow("lab 5 V1 150 V") << 5 << "Command6(1)" << white << "Command6(2)" << face;
        QTest::newRow("lab 7 A1 0.25 A") << 7 << "Command4(0)" << QColor(0, 255, 0) << "Command4(2)" << face;
        QTest::newRow("lab 7 channel 1 on") << 7 << "Command3" << QColor(255, 0, 0) << "" << QColor();
    }
    // The chosen range of a row is seen at a glance: on the screen its
    // button and each other button of the row differ by a contrast of at
    // least 3 : 1, whichever button was chosen.
    void rangeButtonsStandOut_data()
    {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("count");
        QTest::newRow("lab 2 K-50 volts") << 2 << "Command3" << 3;
        QTest::newRow("lab 2 K-50 amperes") << 2 << "Command2" << 3;
        QTest::newRow("lab 2 V1") << 2 << "Command5" << 4;
        QTest::newRow("lab 3 A2") << 3 << "Command6" << 4;
        QTest::newRow("lab 4 A1") << 4 << "Command5" << 4;
        QTest::newRow("lab 5 A1") << 5 << "Command5" << 4;
        QTest::newRow("lab 6 K-50 volts") << 6 << "Command3" << 3;
        QTest::newRow("lab 6 A3") << 6 << "Command7" << 3;
        QTest::newRow("lab 7 A1") << 7 << "Command4" << 3;
    }
    void rangeButtonsStandOut()
    {
        QFETCH(int, lab);
        QFETCH(QString, row);
        QFETCH(int, count);
        start(1);
        LabWindow *w = openLab(lab);
        QVERIFY(w && w->isLoaded());
        double least = 21;
        for (int chosen = 0; chosen < count; ++chosen) {
            auto *b = w->Control<QPushButton>(ArrayName(row, chosen));
            QVERIFY2(b, qPrintable(ArrayName(row, chosen)));
            QTest::mouseClick(b, Qt::LeftButton);
            const QColor shown = CentrePixel(b);
            for (int other = 0; other < count; ++other)
                if (other != chosen)
                    least = std::min(least, Contrast(shown, CentrePixel(w->Control<QPushButton>(ArrayName(row, other)))));
        }
        qInfo("%s: chosen against other range buttons %.2f : 1", QTest::currentDataTag(), least);
        QVERIFY2(least >= 3.0, qPrintable(QStringLiteral("contrast %1 : 1").arg(least, 0, 'f', 2)));
    }

    void clickedButtonColour()
    {
        QFETCH(int, lab);
        QFETCH(QString, button);
        QFETCH(QColor, colour);
        QFETCH(QString, other);
        QFETCH(QColor, otherColour);
        start(1);
        LabWindow *w = openLab(lab);
        QVERIFY(w && w->isLoaded());
        auto *b = w->Control<QPushButton>(button);
        QVERIFY2(b, qPrintable(button));
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(CentrePixel(b), colour);
        if (!other.isEmpty())
            QCOMPARE(CentrePixel(w->Control<QPushButton>(other)), otherColour);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestWindows t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_windows.moc"
