/* A stand-in for Windows' uiautomationcore.dll, for check-installer: it says
 * that a screen reader listens, and writes each notification a program
 * raises, the text a screen reader would speak, as a line of UTF-8 to
 * C:\notifications.txt. Everything else succeeds and does nothing.
 * Its functions are the ones Qt looks up in uiautomationcore.dll. */
#include <windows.h>
#include <oleauto.h>

typedef void Provider;

BOOL WINAPI UiaClientsAreListening(void) { return TRUE; }

LRESULT WINAPI UiaReturnRawElementProvider(HWND window, WPARAM wParam, LPARAM lParam, Provider *provider)
{
    (void)window, (void)wParam, (void)lParam, (void)provider;
    return 0;
}

HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, Provider **provider)
{
    (void)window;
    *provider = NULL;
    return E_NOTIMPL;
}

HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(Provider *provider, int property, VARIANT before,
                                                      VARIANT after)
{
    (void)provider, (void)property, (void)before, (void)after;
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationEvent(Provider *provider, int event)
{
    (void)provider, (void)event;
    return S_OK;
}

HRESULT WINAPI UiaRaiseNotificationEvent(Provider *provider, int kind, int processing, BSTR text,
                                         BSTR activity)
{
    (void)provider, (void)kind, (void)processing, (void)activity;
    char line[4096];
    int length = WideCharToMultiByte(CP_UTF8, 0, text, (int)SysStringLen(text), line, sizeof line - 1, NULL, NULL);
    line[length] = '\n';
    HANDLE log = CreateFileW(L"C:\\notifications.txt", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (log == INVALID_HANDLE_VALUE)
        return E_FAIL;
    DWORD written;
    WriteFile(log, line, (DWORD)length + 1, &written, NULL);
    CloseHandle(log);
    return S_OK;
}
