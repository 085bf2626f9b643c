// Stands in for the product program in the sample product: shows the command
// line it was started with, so that shortcuts and file associations can be tried.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, GetCommandLineW(), L"Quillmark (sample)", MB_OK | MB_ICONINFORMATION);
    return 0;
}
