/* What a screen reader does on meeting a window, for check-installer: it
 * asks the first window whose title begins with the argument for its UI
 * Automation root, after which a program hands it its notifications. Exit
 * status 1 when no such window is found. */
#include <wchar.h>
#include <windows.h>

#define UiaRootObjectId -25

static const wchar_t *title_start;
static HWND found;

static BOOL CALLBACK Look_At(HWND window, LPARAM unused)
{
    (void)unused;
    wchar_t title[256];
    if (GetWindowTextW(window, title, 256) && wcsncmp(title, title_start, wcslen(title_start)) == 0) {
        found = window;
        return FALSE;
    }
    return TRUE;
}

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 2)
        return 2;
    title_start = argv[1];
    EnumWindows(Look_At, 0);
    if (!found)
        return 1;
    DWORD_PTR answer;
    SendMessageTimeoutW(found, WM_GETOBJECT, 0, (LPARAM)UiaRootObjectId, SMTO_ABORTIFHUNG, 5000, &answer);
    return 0;
}
