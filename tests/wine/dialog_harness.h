// Dialogs made from the real templates with the real procedures, driven by
// messages and read back, for the Wine tests; and the stand-ins for the message
// box and help helpers, which record what would have been shown or asked for
// and answer as told, so that no box or help viewer blocks a test.
#ifndef TARVEX_TESTS_WINE_DIALOG_HARNESS_H
#define TARVEX_TESTS_WINE_DIALOG_HARNESS_H

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// A modeless dialog from the template; destroyed with its quit message drained.
class TestDialog {
public:
    TestDialog(int templateId, DLGPROC procedure);
    ~TestDialog();
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND Handle() const { return dialog_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    std::string Text(int id) const;
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    bool HasFocus(int id) const { return GetFocus() == Control(id); }
    // The controls' states in one line: each id, with "x" when checked, "-" when disabled,
    // "h" when hidden and, for a static control, ":" and its text ("72- 400x 14:3100 kB/s").
    std::string Describe(std::initializer_list<int> ids) const;
    // Shows the dialog and paints whatever is invalid now.
    void Paint();
    // Every caption the dialog got from now on.
    const std::vector<std::string>& Captions();

private:
    static LRESULT CALLBACK RecordCaption(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND dialog_;
};

// A file named by its Linux path in an environment variable, as Wine shows it on drive Z:.
std::string FromEnvironment(const char* variable);

// The whole content of a file; empty when it cannot be read.
std::string ReadAll(const std::string& path);

// A file in the Windows folder.
std::string WindowsFile(const char* name);

// The position of drive C: in the process-wide drive list, or -1.
int SlotOfDriveC();

// Delivers what is posted, as the modal loop would; drops quit messages.
void PumpMessages();

struct RecordedMessage {
    HWND owner;
    std::string text;
    uint32_t flags;
};

extern std::vector<RecordedMessage> recordedMessages;
extern int messageAnswer;
extern std::vector<UINT> helpCommands;

#endif
