// SPDX-License-Identifier: GPL-3.0-or-later
// Instrument sheet of the gallery: pointer meters with the benches' scales,
// numeric indicators at their edge cases, rotary knobs of every size used,
// and the K-50 panel at two screen sizes.
#include "gallery.h"

#include "instruments/k50panel.h"
#include "instruments/pribor.h"
#include "instruments/switcher.h"
#include "instruments/znak.h"
#include "shell/controls.h"
#include "shell/picturebox.h"
#include "shell/scaling.h"

#include <QFont>
#include <QLabel>
#include <QWidget>
#include <memory>
#include <vector>

namespace ohmaris::gallery {

namespace {

// A meter as a bench row gives it (set up as the benches set theirs up),
// with the pointer put at `value`.
struct MeterSample {
    MeterSpec setup;
    float value;
};

void RenderMeters(const QString &outDir)
{
    const auto meter = [](const char *caption, float min, float max, float small, float big, short shcala,
                          short systema, short tok, float klass, float value) {
        return MeterSample{{QString::fromUtf8(caption), max, big, small, klass, shcala, tok, systema, min}, value};
    };
    const MeterSample samples[] = {
        meter("A1", -1.5f, 1.5f, 0.1f, 0.5f, 1, 1, 1, 1.5f, 0.73f),
        meter("A", 0, 2, 0.05f, 0.5f, 1, 1, 1, 1, 1.2f),
        meter("mA", -25, 25, 1, 5, 1, 1, 1, 1.5f, -12),
        meter("A1", 0, 100, 2, 10, 1, 2, 2, 1.5f, 51.7f),
        meter("V", 0, 150, 5, 25, 1, 2, 2, 0.5f, 97),
        meter("W", 0, 150, 5, 25, 1, 3, 2, 0.5f, 40),
        meter("V", 0, 100, 2, 10, 2, 2, 2, 1.5f, 50),
        meter("A2", 0, 100, 2, 10, 1, 1, 2, 1, 500),
        meter("A2", 0, 100, 2, 10, 1, 1, 1, 1, -500),
        meter("mkA", 0, 100, 2, 10, 1, 1, 1, 1.5f, 33),
        // A fresh meter draws no system symbol: systema 0 is left as it is.
        meter("Амперметр", 0, 100, 2, 10, 1, 0, 1, 0.5f, 0),
    };
    QWidget sheet;
    sheet.setAutoFillBackground(true);
    sheet.setPalette(QPalette(QColor(192, 192, 192)));
    const int perRow = 4, cellW = 240, cellH = 230;
    const int n = int(std::size(samples));
    sheet.resize(perRow * cellW + 10, ((n + perRow - 1) / perRow) * cellH + 10);
    std::vector<std::unique_ptr<Pribor>> meters;
    for (int i = 0; i < n; ++i) {
        auto *box = new PictureBox(&sheet);
        box->setGeometry(10 + (i % perRow) * cellW, 10 + (i / perRow) * cellH, cellW - 10, cellH - 10);
        QFont f(QStringLiteral("Times New Roman"));
        f.setPointSizeF(9.75);
        box->setFont(f);
        meters.push_back(std::make_unique<Pribor>());
        SetUpMeter(*meters.back(), box, samples[i].setup);
        meters.back()->setValue(samples[i].value);
    }
    SaveWidget(&sheet, outDir, QStringLiteral("instruments-meters"));
}

void RenderIndicators(const QString &outDir)
{
    struct Sample {
        int digits;
        double value;
        bool enable;
    };
    static const Sample samples[] = {
        {1, 9, true},     {1, 10, true},   {2, 90, true},    {2, 9.87, true},  {3, -5, true},
        {3, -0.4, true},  {2, 123, true},  {5, 123456, true}, {5, 3.14159, true}, {5, -0.0123, true},
        {2, -0.4, true},  {5, 88888, false}, {8, -1234.5678, true},
    };
    QWidget sheet;
    sheet.setAutoFillBackground(true);
    sheet.setPalette(QPalette(QColor(192, 192, 192)));
    const int n = int(std::size(samples));
    sheet.resize(720, n * 70 + 150);
    std::vector<std::unique_ptr<Znak>> displays;
    for (int i = 0; i < n; ++i) {
        const Sample &s = samples[i];
        auto *box = new PictureBox(&sheet);
        const bool big = i == n - 1; // one large display shows the segment shapes
        box->setGeometry(10, 10 + 70 * i, (big ? 80 : 40) * s.digits, 60);
        auto *label = new QLabel(&sheet);
        label->setText(QStringLiteral("%1 digits, Value %2%3")
                           .arg(s.digits)
                           .arg(s.value)
                           .arg(s.enable ? QString() : QStringLiteral(", disabled")));
        label->setGeometry(big ? 10 : 380, big ? 140 + 70 * i : 10 + 70 * i, 250, 30);
        displays.push_back(std::make_unique<Znak>());
        SetUpIndicator(*displays.back(), box, {QString(), s.digits, s.value, s.enable, QString()});
    }
    SaveWidget(&sheet, outDir, QStringLiteral("instruments-indicators"));
}

void RenderKnobs(const QString &outDir)
{
    struct Sample {
        float min, max;
        int positions;
        float value;
    };
    static const Sample samples[] = {
        {225, 135, 3, 1}, {225, 135, 3, 3}, {220, 140, 3, 2},   {0, 360, 5, 1},    {0, 360, 5, 4},
        {45, 315, 7, 1},  {45, 315, 7, 4},  {300, 30, 9, 1},    {300, 30, 9, 6},   {45, 315, 13, 13},
        {45, 315, 13, 7}, {0, 360, 8, 1},
    };
    QWidget sheet;
    sheet.setAutoFillBackground(true);
    sheet.setPalette(QPalette(QColor(192, 192, 192)));
    const int n = int(std::size(samples));
    const int cell = 80;
    sheet.resize(6 * cell + 10, ((n + 5) / 6) * (cell + 20) + 10);
    std::vector<std::unique_ptr<Switcher>> knobs;
    for (int i = 0; i < n; ++i) {
        const Sample &s = samples[i];
        auto *box = new PictureBox(&sheet);
        box->setGeometry(10 + (i % 6) * cell, 10 + (i / 6) * (cell + 20), 57, 57);
        auto *label = new QLabel(QStringLiteral("%1 pos, at %2").arg(s.positions).arg(s.value), &sheet);
        label->setGeometry(10 + (i % 6) * cell, 10 + (i / 6) * (cell + 20) + 60, cell, 16);
        knobs.push_back(std::make_unique<Switcher>());
        SetUpKnob(*knobs.back(), box, {QString(), s.min, s.max, s.positions, s.value});
    }
    SaveWidget(&sheet, outDir, QStringLiteral("instruments-knobs"));
}

void RenderPanel(const QString &outDir, int width, int height, double readingScale)
{
    QWidget client;
    client.setAutoFillBackground(true);
    client.resize(width, height);
    K50Panel panel(&client);
    ScaleDesignedControls(&client, ScreenScale(width * kTwipsPerPixel, height * kTwipsPerPixel), ScalingVariant::Plain);
    panel.Command3_Click(1);
    panel.Command2_Click(0);
    panel.Command1_Click();
    panel.SetReadings({float(220 * readingScale), 0, 0}, {float(0.75 * readingScale), 0, 0},
                      {float(120 * readingScale), 0, 0});
    for (int i = 0; i < 60; ++i)
        panel.Tick(false);
    QWidget *box = panel.Picture2();
    client.resize(box->geometry().right() + 10, box->geometry().bottom() + 10);
    SaveWidget(&client, outDir, QStringLiteral("instruments-k50-%1x%2").arg(width).arg(height));
}

void Render(const QString &outDir)
{
    RenderMeters(outDir);
    RenderIndicators(outDir);
    RenderKnobs(outDir);
    RenderPanel(outDir, 1024, 768, 1.0);
    RenderPanel(outDir, 1280, 1024, 1.0);
}

GallerySheet sheet("instruments", &Render);

} // namespace

} // namespace ohmaris::gallery
