// The lab 5 bench, window Form4: a three-phase four-wire supply with the
// breaker SF, the K-50 measuring set, switches S1..S4, a star load of three
// R-X_L-X_C branches, the ammeter A1 in the neutral wire and the voltmeter V1
// between the star point and the neutral. The line voltage and the nine
// element values are typed into the frames on the right.
#pragma once

#include "instruments/k50panel.h"
#include "instruments/pribor.h"
#include "labs/lab5/layout.h"
#include "labs/lab5/model.h"
#include "shell/labwindow.h"

#include <array>
#include <memory>

class QGroupBox;
class QPushButton;

namespace ohmaris {

class ClickArea;
class ParamBox;
class PictureBox;

class Lab5Window : public LabWindow {
    Q_OBJECT
public:
    Lab5Window();
    ~Lab5Window() override;

    // Window state: lives for the whole run. The load sequence resets the
    // entries and the ranges; the switches and the overload clock stay.
    Lab5Model model;
    float DrawUnit = 0.0f;

    // Instrument objects, bound to the new picture boxes at every load.
    Pribor meterA1; // Picture3
    Pribor meterV1; // Picture4
    // The K-50 set, recreated with the controls at every load.
    K50Panel *k50() const { return m_k50.get(); }

    // Handlers, public so tests drive them the way the controls do.
    void Image1_MouseDown(int index, Qt::MouseButton button);
    void Text1_Change();
    void Text2_Change(int index);
    void Command5_Click(int index);
    void Command6_Click(int index);
    // One tick's meter drive (A1, V1, then the K-50 on the phase its
    // selector stands at) and the protection.
    void UpdateInstruments();

    const Lab5Grid &grid() const { return m_grid; }

protected:
    void BuildControls(QWidget *client) override;
    void FormLoad() override;
    void Timer1_Timer() override;
    void FormUnload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LayoutClickAreas();
    void RangeClick(std::array<QPushButton *, 4> &buttons, int index);
    void FocusSchematic();

    struct Controls {
        PictureBox *Picture1 = nullptr;
        PictureBox *Picture3 = nullptr;
        PictureBox *Picture4 = nullptr;
        std::array<QPushButton *, 4> Command5{};
        std::array<QPushButton *, 4> Command6{};
        QGroupBox *Frame1 = nullptr;
        ParamBox *Text1 = nullptr;
        std::array<QGroupBox *, 3> Frame2{};
        std::array<ParamBox *, 9> Text2{};
        std::array<ClickArea *, kLab5ClickAreas> Image1{};
    };
    Controls c;
    std::unique_ptr<K50Panel> m_k50;
    Lab5Grid m_grid;
};

LabWindow *CreateLab5Window();

} // namespace ohmaris
