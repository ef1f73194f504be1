// Lab number to bench window, from the lab table.
#include "labs/registry.h"

#include "labs/labtable.h"
#include "shell/chooser.h"
#include "shell/labwindow.h"
#include "shell/shell.h"

namespace ohmaris {

namespace {
// A lab window whose bench is not built: the frame alone.
class FrameOnlyWindow final : public LabWindow {
public:
    explicit FrameOnlyWindow(int lab) : LabWindow(LabSetup(lab)) {}

protected:
    void BuildControls(QWidget *) override {}
    void Timer1_Timer() override {}
    bool AtRest() override { return true; }
};
} // namespace

void RegisterLabWindows()
{
    Shell &shell = Shell::instance();
    for (int lab = 1; lab <= Chooser::LabCount; ++lab)
        shell.RegisterLab(lab, [lab] { return std::make_unique<FrameOnlyWindow>(lab); });
    LabTable::ForEach([&shell]<class Lab>() { shell.RegisterLab(Lab::kNumber, &Lab::CreateWindow); });
}

} // namespace ohmaris
