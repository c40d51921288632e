// The shipped program itself, built without a C runtime, started as a user would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <windows.h>

namespace {

// Names given by their Linux paths, which Wine shows on drive Z:.
std::string FromEnvironment(const char* variable) {
    const char* path = std::getenv(variable);
    std::string windowsPath = std::string("Z:") + (path != nullptr ? path : "");
    for (char& c : windowsPath) {
        if (c == '/') c = '\\';
    }
    return windowsPath;
}

struct FoundWindow {
    DWORD process;
    HWND window;
};

BOOL CALLBACK MatchProcess(HWND window, LPARAM found) {
    auto& f = *reinterpret_cast<FoundWindow*>(found);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != f.process || std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    f.window = window;
    return FALSE;
}

// Starts the program with a command tail, waits for its main dialog, lets check
// look at it, closes it and returns the exit code.
DWORD RunProgram(const std::string& program, void (*check)(HWND dialog)) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\" fromCONFIG";
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start " << program;
        return 255;
    }
    FoundWindow found{process.dwProcessId, nullptr};
    for (int tries = 0; tries < 100 && found.window == nullptr; ++tries) {
        Sleep(100);
        EnumWindows(MatchProcess, reinterpret_cast<LPARAM>(&found));
    }
    EXPECT_NE(found.window, nullptr) << "no main dialog";
    if (found.window != nullptr) {
        check(found.window);
        PostMessageA(found.window, WM_CLOSE, 0, 0);
    }
    DWORD exitCode = 255;
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 254);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

void ShowsTheDriveList(HWND dialog) {
    EXPECT_GT(SendDlgItemMessageA(dialog, 12, CB_GETCOUNT, 0, 0), 0);
    char caption[80] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_TRUE(std::string(caption) == "Tarvex" || std::string(caption) == "Tarvex (Durotest)") << caption;
}

TEST(Program, ShowsItsMainDialogAndEndsWithExitCodeZero) {
    EXPECT_EQ(RunProgram(FromEnvironment("TARVEX_PROGRAM"), ShowsTheDriveList), 0u);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(Program, UsesTheThreeDControlsLibraryOnlyWhenItIsComplete) {
    const struct {
        const char* variable;
        const char* calls;
    } cases[] = {
        {"TARVEX_CTL3D_FULL", "register autosubclass unregister free "},
        {"TARVEX_CTL3D_PARTIAL", "free "},
    };
    for (const auto& c : cases) {
        // The library is looked for beside the program first.
        const std::string folder = std::string("C:\\ctl3d-") + c.variable;
        CreateDirectoryA(folder.c_str(), nullptr);
        const std::string program = folder + "\\tarvex.exe";
        ASSERT_TRUE(CopyFileA(FromEnvironment("TARVEX_PROGRAM").c_str(), program.c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(FromEnvironment(c.variable).c_str(), (folder + "\\CTL3D.DLL").c_str(), FALSE));
        DeleteFileA((folder + "\\calls.txt").c_str());

        EXPECT_EQ(RunProgram(program, [](HWND) {}), 0u);
        EXPECT_EQ(ReadAll(folder + "\\calls.txt"), c.calls) << c.variable;
    }
}

} // namespace
