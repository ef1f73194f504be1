// SPDX-License-Identifier: GPL-3.0-or-later
// Gallery sheet of the lab protocol: lab 2's window with its Protocol menu
// open, its protocol window with three rows (one taken while the pointers
// still moved), and the printed protocol as a PDF (pdftoppm turns its
// pages into pictures), in each asked-for language.
#include "gallery.h"

#include "calc/clock.h"
#include "labs/lab2/bench.h"
#include "shell/protocolactions.h"
#include "shell/protocolwindow.h"
#include "shell/shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>

namespace {

using namespace ohmaris;

void renderProtocol(const QString &out)
{
    for (int lang : gallery::Languages()) {
        FakeClock clock;
        clock.setDateTime(QDateTime(QDate(2025, 3, 14), QTime(10, 15, 30)));
        setAppClock(&clock);
        auto *bench = static_cast<Lab2Window *>(gallery::OpenLab(2));
        int l = lang;
        Shell::instance().LoadLanguage(l);
        LabProtocol &protocol = bench->Protocol();

        // Full voltage, breaker closed: a row once the pointers rest.
        bench->Regulator().setValue(1);
        bench->Model().RecalcPending = true;
        bench->Image1_MouseDown(0, Qt::LeftButton);
        gallery::Ticks(bench, 120, &clock);
        protocol.Record();
        // The K-50 at 1 A and 150 V: a row while the pointers move, then
        // one at rest.
        bench->K50()->Command2_Click(0);
        bench->K50()->Command3_Click(0);
        gallery::Ticks(bench, 2, &clock);
        protocol.Record();
        gallery::Ticks(bench, 120, &clock);
        protocol.Record();

        const QString suffix = lang == 1 ? QStringLiteral("-en") : QStringLiteral("-ru");
        // The lab window with its Protocol menu open under the menu bar.
        QWidget *form = bench->form();
        auto *menu = form->findChild<QMenu *>(QStringLiteral("MnuProtocolMenu"));
        auto *bar = form->findChild<QMenuBar *>();
        const QPoint at = bar->mapTo(form, bar->actionGeometry(menu->menuAction()).bottomLeft());
        bar->setActiveAction(menu->menuAction());
        menu->popup(form->mapToGlobal(at));
        QCoreApplication::processEvents();
        QPixmap shot = form->grab();
        {
            QPainter p(&shot);
            p.drawPixmap(at, menu->grab());
        }
        menu->hide();
        bar->setActiveAction(nullptr);
        QLabel picture;
        picture.setPixmap(shot);
        picture.resize(shot.size() / shot.devicePixelRatio());
        gallery::SaveWidget(&picture, out, QStringLiteral("protocol-menu") + suffix);

        protocol.ShowWindow();
        gallery::SaveWidget(protocol.window(), out, QStringLiteral("protocol-window") + suffix);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setOutputFileName(QDir(out).filePath(QStringLiteral("protocol-print") + suffix + QStringLiteral(".pdf")));
        protocol.PrintTo(printer);
        gallery::FinishLab();
    }
}

const gallery::GallerySheet kProtocol("protocol", renderProtocol);

} // namespace
