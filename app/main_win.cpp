// The process entry: start-up, the message loop, the exit code of WM_QUIT.
#include <windows.h>

#include "app/error_box_win.h"
#include "app/main_window_win.h"
#include "numeric/arithmetic.h"
#include "numeric/fatal_error.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    quillora::SetFatalErrorReporter(quillora::ShowErrorBoxAndExit);
    quillora::ResetFloatingPointUnit();
    const HWND mainWindow = quillora::CreateMainWindow(instance);
    return quillora::RunMessageLoop(mainWindow);
}
