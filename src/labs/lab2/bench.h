// Lab 2 bench, window `Form2`: the series coil-capacitor circuit with its
// schematic, the K-50 panel, voltmeters V1 and V2 with their range buttons,
// the variant and regulator knobs and the capacitance box. The window object
// lives for the whole run and owns the model and the instruments; the
// controls live from load to unload.
#pragma once

#include "instruments/k50panel.h"
#include "instruments/pribor.h"
#include "instruments/switcher.h"
#include "labs/lab2/model.h"
#include "shell/labwindow.h"

#include <QPointer>
#include <array>
#include <memory>

class QLabel;
class QPushButton;

namespace ohmaris {

class ClickArea;
class ParamBox;
class PictureBox;

LabWindow *CreateLab2Window();

class Lab2Bench : public LabWindow {
    Q_OBJECT
public:
    Lab2Bench();
    ~Lab2Bench() override;

    Lab2Model &Model() { return m_model; }
    float DrawUnit() const { return m_drawUnit; }
    Pribor &V1() { return m_v1; }
    Pribor &V2() { return m_v2; }
    Switcher &VariantSwitch() { return m_variant; }
    Switcher &Regulator() { return m_regulator; }
    K50Panel *K50() const { return m_k50.get(); }

    // Handlers, public so tests can drive them as the controls do.
    void Image1_MouseDown(int index, Qt::MouseButton button);
    void Command5_Click(int index);
    void Command6_Click(int index);
    void Text1_Change();
    // Redraws the schematic at once. The drawing is where the variant
    // number is taken from its knob, and it clears RecalcPending.
    void Picture1_Paint();

protected:
    void BuildControls(QWidget *client) override;
    void FormLoad() override;
    void Timer1_Timer() override;
    void FormUnload() override;
    void LanguageChanged() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One tick's meter drive: V1, V2, the K-50 meters, then the protection.
    void UpdateInstruments(double now);
    void RangeClick(std::array<QPointer<QPushButton>, 4> &row, int index, float &range);
    void LayoutHotspots();
    void PaintSchematic(QPainter &p);

    Lab2Model m_model;
    float m_drawUnit = 0.0f;

    // Instrument objects: made once, bound to the new boxes at every load.
    Pribor m_v1;
    Pribor m_v2;
    Switcher m_variant;
    Switcher m_regulator;
    std::unique_ptr<K50Panel> m_k50; // made with the controls

    QPointer<PictureBox> m_picture1;
    QPointer<PictureBox> m_picture3;
    QPointer<PictureBox> m_picture4;
    QPointer<PictureBox> m_picture5;
    QPointer<PictureBox> m_picture9;
    QPointer<PictureBox> m_picture10;
    QPointer<PictureBox> m_picture12;
    QPointer<QLabel> m_label7;
    QPointer<QLabel> m_label8;
    QPointer<QLabel> m_label6;
    QPointer<ParamBox> m_text1;
    std::array<QPointer<ClickArea>, 8> m_image1;
    std::array<QPointer<QPushButton>, 4> m_command5;
    std::array<QPointer<QPushButton>, 4> m_command6;
};

} // namespace ohmaris
