// Lab number to bench window. Each bench exposes one factory function,
// `CreateLabNWindow()`, in its bench.h.
#include "labs/registry.h"

#include "shell/labwindow.h"
#include "shell/shell.h"

#if __has_include("labs/lab1/bench.h")
#include "labs/lab1/bench.h"
#endif
#if __has_include("labs/lab2/bench.h")
#include "labs/lab2/bench.h"
#endif
#if __has_include("labs/lab3/bench.h")
#include "labs/lab3/bench.h"
#endif
#if __has_include("labs/lab4/bench.h")
#include "labs/lab4/bench.h"
#endif
#if __has_include("labs/lab5/bench.h")
#include "labs/lab5/bench.h"
#endif
#if __has_include("labs/lab6/bench.h")
#include "labs/lab6/bench.h"
#endif
#if __has_include("labs/lab7/bench.h")
#include "labs/lab7/bench.h"
#endif
#if __has_include("labs/lab8/bench.h")
#include "labs/lab8/bench.h"
#endif

namespace ohmaris {

namespace {
// A lab window whose bench is not built yet: the frame alone, with its
// title, menus, help and closing, and an empty bench.
class FrameOnlyWindow final : public LabWindow {
public:
    explicit FrameOnlyWindow(int lab) : LabWindow(LabSetup(lab)) {}

protected:
    void BuildControls(QWidget *) override {}
    void Timer1_Timer() override {}
};
} // namespace

void RegisterLabWindows()
{
    Shell &shell = Shell::instance();
    for (int lab = 1; lab <= 8; ++lab)
        shell.RegisterLab(lab, [lab] { return new FrameOnlyWindow(lab); });
    // Benches that exist replace the frame-only windows.
#if __has_include("labs/lab1/bench.h")
    shell.RegisterLab(1, &CreateLab1Window);
#endif
#if __has_include("labs/lab2/bench.h")
    shell.RegisterLab(2, &CreateLab2Window);
#endif
#if __has_include("labs/lab3/bench.h")
    shell.RegisterLab(3, &CreateLab3Window);
#endif
#if __has_include("labs/lab4/bench.h")
    shell.RegisterLab(4, &CreateLab4Window);
#endif
#if __has_include("labs/lab5/bench.h")
    shell.RegisterLab(5, &CreateLab5Window);
#endif
#if __has_include("labs/lab6/bench.h")
    shell.RegisterLab(6, &CreateLab6Window);
#endif
#if __has_include("labs/lab7/bench.h")
    shell.RegisterLab(7, &CreateLab7Window);
#endif
#if __has_include("labs/lab8/bench.h")
    shell.RegisterLab(8, &CreateLab8Window);
#endif
}

} // namespace ohmaris
