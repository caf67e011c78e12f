// What a Windows screen reader meets of a window, through Microsoft's UI Automation client interfaces:
//   read-window TITLE_PREFIX SECONDS
// Finds the top-level window whose title begins with TITLE_PREFIX (waiting up to 30 s), prints its tree,
// one element a line as "ControlType: name" (the type alone where the name is empty), indented two blanks
// a level, then "listening", then "focus: ControlType: name" each time the focus moves, for SECONDS, then
// "after" and the tree again. Each line is flushed at once, in UTF-8. Exits with 1, saying why, where UI
// Automation or the window is missing.
#include <windows.h>

#include <uiautomation.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

// UIA_ButtonControlTypeId (50000) and on, in their order.
const char *const Control_Types[] = {
    "Button",     "Calendar", "CheckBox", "ComboBox",    "Edit",         "Hyperlink",   "Image",
    "ListItem",   "List",     "Menu",     "MenuBar",     "MenuItem",     "ProgressBar", "RadioButton",
    "ScrollBar",  "Slider",   "Spinner",  "StatusBar",   "Tab",          "TabItem",     "Text",
    "ToolBar",    "ToolTip",  "Tree",     "TreeItem",    "Custom",       "Group",       "Thumb",
    "DataGrid",   "DataItem", "Document", "SplitButton", "Window",       "Pane",        "Header",
    "HeaderItem", "Table",    "TitleBar", "Separator",   "SemanticZoom", "AppBar"};

std::string Utf8(const wchar_t *text)
{
    if (!text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string converted(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, converted.data(), size, nullptr, nullptr);
    return converted;
}

// "ControlType: name"; Wine answers the plain property getters only in part, the Ex form in full.
std::string Describe(IUIAutomationElement *element)
{
    VARIANT type, name;
    VariantInit(&type);
    VariantInit(&name);
    element->GetCurrentPropertyValueEx(UIA_ControlTypePropertyId, TRUE, &type);
    element->GetCurrentPropertyValueEx(UIA_NamePropertyId, TRUE, &name);
    const int index = type.vt == VT_I4 ? type.lVal - UIA_ButtonControlTypeId : -1;
    std::string line = index >= 0 && index < int(sizeof Control_Types / sizeof *Control_Types)
                           ? Control_Types[index]
                           : "Type " + std::to_string(type.vt == VT_I4 ? type.lVal : 0);
    if (name.vt == VT_BSTR && SysStringLen(name.bstrVal) > 0)
        line += ": " + Utf8(name.bstrVal);
    VariantClear(&type);
    VariantClear(&name);
    return line;
}

void Say(const std::string &line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Print_Tree(IUIAutomationTreeWalker *walker, IUIAutomationElement *element, int depth)
{
    Say(std::string(2 * depth, ' ') + Describe(element));
    IUIAutomationElement *child = nullptr;
    walker->GetFirstChildElement(element, &child);
    while (child) {
        Print_Tree(walker, child, depth + 1);
        IUIAutomationElement *next = nullptr;
        walker->GetNextSiblingElement(child, &next);
        child->Release();
        child = next;
    }
}

// The screen reader's ear for the focus: the one COM object of this program.
struct Focus_Listener : IUIAutomationFocusChangedEventHandler {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (id == IID_IUnknown || id == IID_IUIAutomationFocusChangedEventHandler) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement *sender) override
    {
        Say("focus: " + Describe(sender));
        return S_OK;
    }
};

HWND Found;
std::wstring Prefix;

BOOL CALLBACK Match_Title(HWND window, LPARAM)
{
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (IsWindowVisible(window) && std::wstring(title).rfind(Prefix, 0) == 0) {
        Found = window;
        return FALSE;
    }
    return TRUE;
}

int Fail(const char *why, HRESULT result)
{
    std::fprintf(stderr, "read-window: %s (0x%08lx)\n", why, static_cast<unsigned long>(result));
    return 1;
}

} // namespace

int main()
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 3) {
        std::fputs("usage: read-window TITLE_PREFIX SECONDS\n", stderr);
        return 2;
    }
    Prefix = arguments[1];
    _setmode(_fileno(stdout), _O_BINARY); // lines end in \n, as the check reads them
    const int seconds = _wtoi(arguments[2]);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation *automation = nullptr;
    HRESULT result = CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                                      reinterpret_cast<void **>(&automation));
    if (FAILED(result))
        return Fail("no UI Automation client (CUIAutomation)", result);
    for (int tenth = 0; !Found && tenth < 300; ++tenth) {
        EnumWindows(Match_Title, 0);
        if (!Found)
            Sleep(100);
    }
    if (!Found)
        return Fail("no window whose title begins so within 30 s", E_FAIL);
    IUIAutomationElement *window = nullptr;
    IUIAutomationTreeWalker *walker = nullptr;
    if (FAILED(result = automation->ElementFromHandle(Found, &window)))
        return Fail("the window has no UI Automation element", result);
    // Wine has no ready-made walkers; one made from a condition that every element meets walks the same.
    IUIAutomationCondition *every = nullptr;
    if (FAILED(result = automation->CreateTrueCondition(&every)))
        return Fail("no condition for every element", result);
    if (FAILED(result = automation->CreateTreeWalker(every, &walker)) || !walker)
        return Fail("no tree walker", result);
    Print_Tree(walker, window, 0);
    Focus_Listener listener;
    if (FAILED(result = automation->AddFocusChangedEventHandler(nullptr, &listener)))
        return Fail("no focus events", result);
    Say("listening");
    Sleep(seconds * 1000);
    automation->RemoveAllEventHandlers();
    Say("after");
    Print_Tree(walker, window, 0);
    return 0;
}
