// The shipped program itself, built without a C runtime, started as a user would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "../../bench/drive_table.h"
#include "../../tools/startup/process_dialog.h"
#include "../../tools/window_bitmap.h"
#include "harness.h"

namespace {

// Starts the program in its own folder, as Explorer does, with a command tail;
// waits for its main dialog, lets check look at it, closes it and returns the exit code.
DWORD RunProgram(const std::string& program, void (*check)(HWND dialog)) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\" fromCONFIG";
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start " << program;
        return 255;
    }
    HWND dialog = nullptr;
    for (int tries = 0; tries < 100 && (dialog = ProcessDialog(process.dwProcessId)) == nullptr; ++tries) Sleep(100);
    EXPECT_NE(dialog, nullptr) << "no main dialog";
    if (dialog != nullptr) {
        check(dialog);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
    DWORD exitCode = 255;
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 254);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

// Waits for a window the program opens over its main dialog.
HWND Opened(HWND dialog, const char* caption) {
    for (int tries = 0; tries < 100; ++tries, Sleep(50)) {
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32770", caption)) != nullptr;) {
            if (GetWindow(w, GW_OWNER) == dialog) return w;
        }
    }
    ADD_FAILURE() << "no window " << caption;
    return nullptr;
}

// Sends a window the command that should close it, and waits for it, and the
// help viewer the command should let go, to go.
void Close(HWND window, WPARAM command, HWND viewer = nullptr) {
    PostMessageA(window, WM_COMMAND, command, 0);
    for (int tries = 0; tries < 100 && (IsWindow(window) || IsWindow(viewer)); ++tries) Sleep(50);
    EXPECT_EQ(std::make_pair(IsWindow(window), IsWindow(viewer)), std::make_pair(FALSE, FALSE)) << "window, viewer";
}

// Help over a dialog: the viewer opens and finds the help beside the program,
// which runs in its own folder, so it reports no fault.
HWND OpensTheHelp(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, 70, 0);
    HWND viewer = nullptr;
    for (int tries = 0; tries < 100 && !IsWindowVisible(viewer = FindWindowA("MS_WINHELP", nullptr)); ++tries) {
        Sleep(50);
    }
    EXPECT_TRUE(IsWindowVisible(viewer)) << "no help viewer";
    DWORD viewerProcess = 0;
    GetWindowThreadProcessId(viewer, &viewerProcess);
    EXPECT_EQ(ProcessDialog(viewerProcess), nullptr) << "the viewer reports a fault";
    if (std::getenv("TARVEX_HELP_SCREENSHOT") != nullptr) {
        Sleep(500); // the viewer lays out its buttons after its text
        SaveWindowBitmap(viewer, FromEnvironment("TARVEX_HELP_SCREENSHOT"));
    }
    return viewer;
}

std::string SystemIni(const char* key) {
    char value[32] = "";
    GetPrivateProfileStringA("velkCI.DLL", key, "", value, sizeof value, "SYSTEM.INI");
    return value;
}

// A user's run on a machine with the PCI board, the ISA codec and NTSC: drive C:'s
// free and total megabytes, whatever the version (Windows 95 to ME would give at
// most 2 GB through the older call); Store before a test, in a box titled with the
// program caption; Info; Start test on C:; Store; and Help, left by Close. The
// help, which takes its time, in one run only.
std::string shownRate;
bool withHelp;

void TestsDriveC(HWND dialog) {
    EXPECT_TRUE(IsDlgButtonChecked(dialog, 84)); // NTSC
    for (int id : {72, 400, 401}) EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, id))) << id; // Store, both boards
    char text[kDriveTextSize] = "";
    SendDlgItemMessageA(dialog, 12, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("(C:)"));
    GetDlgItemTextA(dialog, 12, text, sizeof text);
    const std::string item = text; // "(C:) 123456MB free of 234567MB"
    ULARGE_INTEGER available, total;
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, nullptr));
    EXPECT_NEAR(std::atof(text + 5), static_cast<double>(available.QuadPart >> 20), 64) << item;
    EXPECT_EQ(item.substr(item.rfind(' ') + 1), std::to_string(total.QuadPart >> 20) + "MB");

    PostMessageA(dialog, WM_COMMAND, 72, 0);
    HWND box = Opened(dialog, "Tarvex (Durotest)");
    EXPECT_NE(FindWindowExA(box, nullptr, "Static", "Hard disk not yet tested"), nullptr);
    Close(box, IDOK);
    for (WPARAM close : {WPARAM{IDOK}, MAKEWPARAM(IDCANCEL, 0x1234)}) { // OK, and Escape with a notification
        PostMessageA(dialog, WM_COMMAND, 73, 0);
        Close(Opened(dialog, "For your information"), close);
    }

    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(12, CBN_SELCHANGE), 0);
    PostMessageA(dialog, WM_COMMAND, 71, 0);
    char rate[32] = "";
    for (int tries = 0; tries < 300 && rate[0] == '\0'; ++tries, Sleep(100)) {
        GetDlgItemTextA(dialog, 14, rate, sizeof rate);
    }
    shownRate = rate;
    Sleep(300); // the bars follow the texts in the same paint
    if (std::getenv("TARVEX_SCREENSHOT") != nullptr) SaveWindowBitmap(dialog, FromEnvironment("TARVEX_SCREENSHOT"));
    PostMessageA(dialog, WM_COMMAND, 72, 0);
    if (withHelp) Close(dialog, IDOK, OpensTheHelp(dialog));
}

TEST(Program, TestsDriveCAndEndsWithExitCodeZeroFromWindows95On) {
    const std::string systemIni = WindowsFile("system.ini"), winIni = WindowsFile("win.ini");
    const std::string systemIniBefore = ReadAll(systemIni), winIniBefore = ReadAll(winIni);
    WritePrivateProfileStringA("velkCI.DLL", "RQ7ToMemory", "8000", "SYSTEM.INI");
    WritePrivateProfileStringA("drivers", "VIDC.MJPG", "VideoRQ3.drv", "SYSTEM.INI");
    WriteProfileStringA("intl", "iCountry", "1");
    // The prefix's own version, then 4.0, 4.10 and 4.90, the highest minor that runs.
    for (const std::string version : {"", "win95", "win98", "winme"}) {
        if (!version.empty()) {
            RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine", "Version", REG_SZ, version.c_str(),
                            static_cast<DWORD>(version.size() + 1));
        }
        WritePrivateProfileStringA("velkCI.DLL", "DataRate", nullptr, "SYSTEM.INI");
        withHelp = version.empty();
        EXPECT_EQ(RunProgram(FromEnvironment("TARVEX_PROGRAM"), TestsDriveC), 0u) << version;
        EXPECT_EQ(GetFileAttributesA(kTestFile), INVALID_FILE_ATTRIBUTES); // deleted at close
        EXPECT_EQ(SystemIni("DataRate") + " kB/s", shownRate);
        EXPECT_EQ(SystemIni("CaptureDrive") + SystemIni("DefCapFormat"), "C:LOW");
    }
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Wine", "Version");
    for (const auto& [path, before] : {std::make_pair(systemIni, systemIniBefore), {winIni, winIniBefore}}) {
        std::ofstream(path, std::ios::binary) << before; // as it was, with what the user had
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // and nothing cached of it
    }
}

// A copy of the program in a folder of its own, with or without a logo beside
// it: the wide layout only with a logo that can be read.
TEST(Program, TakesTheLogoBesideIt) {
    static bool wide;
    const struct { const char* folder; std::string logo; bool wide; } cases[] = {
        {"C:\\logo-ours", ReadAll(FromEnvironment("TARVEX_LOGO")), true},
        {"C:\\logo-rejected", std::string("\x40\0\0\0", 4) + std::string(60, 'x'), false},
        {"C:\\logo-none", "", false},
    };
    for (const auto& c : cases) {
        const std::string folder = std::string(c.folder) + "\\";
        CreateDirectoryA(c.folder, nullptr);
        ASSERT_TRUE(CopyFileA(FromEnvironment("TARVEX_PROGRAM").c_str(), (folder + "tarvex.exe").c_str(), FALSE));
        if (!c.logo.empty()) std::ofstream(folder + "VELKLOGO.DIB", std::ios::binary) << c.logo;
        EXPECT_EQ(RunProgram(folder + "tarvex.exe", [](HWND dialog) { wide = GetDlgItem(dialog, 2) != nullptr; }), 0u);
        EXPECT_EQ(wide, c.wide) << c.folder;
    }
}

} // namespace
