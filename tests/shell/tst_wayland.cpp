// SPDX-License-Identifier: GPL-3.0-or-later
// The program under a Wayland compositor (run by wayland_smoke.sh inside a
// headless weston): the chooser opens every lab, each lab window comes up
// maximised with its bench whole in the room the compositor gives it and
// its timer running, its help window and about box owned by it, and closes
// back to the chooser; Qt says nothing (every message Qt prints counts as a
// fault).
#include "labs/registry.h"
#include "shell/aboutbox.h"
#include "shell/chooser.h"
#include "shell/fonts.h"
#include "shell/helpwindow.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace ohmaris;

namespace {

QStringList &Messages()
{
    static QStringList messages;
    return messages;
}

QtMessageHandler g_previous = nullptr;

// Qt Test's own lines (qInfo of the test) pass; anything else Qt or the
// program says is recorded, and shown as it comes.
void Record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtInfoMsg)
        Messages() << message;
    if (g_previous)
        g_previous(type, context, message);
}

QString Rect(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What of a shown lab window's bench is out of its window: empty when the
// bench stands whole in it.
QString CutOff(LabWindow *w)
{
    if (!w->isLoaded() || !w->form()->isVisible())
        return QStringLiteral("not shown");
    const QWidget *bench = w->client();
    const QWidget *frame = bench->parentWidget();
    if (!frame->rect().contains(bench->geometry()))
        return QStringLiteral("bench %1 leaves the window's %2x%3")
            .arg(Rect(bench->geometry()))
            .arg(frame->width())
            .arg(frame->height());
    for (QWidget *c : bench->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (c->isVisibleTo(w->form()) && bench->rect().intersects(c->geometry())
            && !bench->rect().contains(c->geometry()))
            return QStringLiteral("%1 at %2 leaves the bench %3").arg(c->objectName(), Rect(c->geometry()),
                                                                      Rect(bench->rect()));
    return {};
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        const QScreen *screen = QGuiApplication::primaryScreen();
        qInfo("screen %s, available %s", qPrintable(Rect(screen->geometry())),
              qPrintable(Rect(screen->availableGeometry())));
        Shell &shell = Shell::instance();
        shell.setMessagesShown(false);
        RegisterLabWindows();
        int english = 1;
        QVERIFY2(shell.LoadLanguage(english), qPrintable(shell.lastLanguageError()));
        shell.ShowChooser();
        QVERIFY(QTest::qWaitForWindowExposed(shell.chooser()));
    }

    // Lab 6 first: its bench reaches lowest, and the first window shown
    // learns what room the compositor gives a maximised window.
    void everyLab_data()
    {
        QTest::addColumn<int>("lab");
        for (int lab : {6, 1, 2, 3, 4, 5, 7, 8})
            QTest::addRow("lab %d", lab) << lab;
    }
    void everyLab()
    {
        QFETCH(int, lab);
        Shell &shell = Shell::instance();
        Chooser *chooser = shell.chooser();
        chooser->Option1_Click(lab - 1);
        chooser->Command2_Click();
        LabWindow *w = shell.LabWindowFor(lab);
        QVERIFY(w && w->isLoaded());
        QVERIFY(!chooser->isVisible());
        const QPointer<LabForm> first = w->form();
        // The compositor maximises it: it fills what the desktop leaves,
        // and the bench stands whole in it (loaded again to fit, if the
        // room turned out smaller than the screen).
        QTRY_VERIFY(w->isLoaded() && (w->form()->windowState() & Qt::WindowMaximized)
                    && QTest::qWaitForWindowExposed(w->form()));
        QTest::qWait(300); // the compositor's sizes settle
        QTRY_COMPARE(CutOff(w), QString());
        LabForm *form = w->form();
        const QWidget *bench = w->client();
        const QWidget *frame = bench->parentWidget();
        qInfo("%s: window %dx%d, bench %s in %dx%d%s, %s", qPrintable(w->formName()), form->width(),
              form->height(), qPrintable(Rect(bench->geometry())), frame->width(), frame->height(),
              first == form ? "" : " (loaded again to fit)", form->isActiveWindow() ? "active" : "not active");
        // Its timer has started whether or not the compositor gave it the
        // focus: it runs, or rests once nothing is due.
        QVERIFY(w->TimerRunning() || w->TimerResting());

        // The help window and the about box: owned by the lab window.
        w->MnuHelpSpravka_Click();
        QVERIFY(QTest::qWaitForWindowExposed(shell.help()));
        QCOMPARE(shell.help()->windowHandle()->transientParent(), form->windowHandle());
        w->MnuHelpAvtor_Click();
        QVERIFY(QTest::qWaitForWindowExposed(shell.about()));
        QCOMPARE(shell.about()->windowHandle()->transientParent(), form->windowHandle());

        // The window's close command (what the compositor sends for its
        // close button) unloads the lab, the help window with it, and
        // brings the chooser back.
        shell.about()->close();
        form->close();
        QTRY_VERIFY(!w->isLoaded());
        QTRY_VERIFY(chooser->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(chooser));
        QVERIFY(!shell.help()->isVisible());
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join(QStringLiteral("; "))));
    }

    void cleanupTestCase()
    {
        Shell::reset();
        QVERIFY2(Messages().isEmpty(), qPrintable(Messages().join(QStringLiteral("; "))));
    }
};

int main(int argc, char **argv)
{
    g_previous = qInstallMessageHandler(Record);
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    TestWayland t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_wayland.moc"
