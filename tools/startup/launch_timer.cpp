// Times programs from launch to their first visible dialog, taking turns:
//   launch_timer <runs> <program>...
// Prints each program's median in milliseconds. Each program is closed with
// WM_CLOSE once its dialog shows.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "process_dialog.h"

namespace {

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds to the visible dialog, or a negative figure when none showed.
double TimeLaunch(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    HWND dialog = nullptr;
    for (int tries = 0; tries < 20000 && (dialog = ProcessDialog(process.dwProcessId)) == nullptr; ++tries) Sleep(1);
    QueryPerformanceCounter(&end);
    if (dialog != nullptr) PostMessageA(dialog, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return dialog != nullptr ? Seconds(start, end) * 1000 : -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: launch_timer <runs> <program>...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<std::vector<double>> times(argc - 2);
    for (int run = 0; run < runs; ++run) {
        for (int p = 2; p < argc; ++p) times[p - 2].push_back(TimeLaunch(argv[p]));
    }
    for (int p = 2; p < argc; ++p) {
        std::vector<double>& t = times[p - 2];
        std::sort(t.begin(), t.end());
        std::printf("%s: median %.1f ms over %d runs (fastest %.1f, slowest %.1f)\n", argv[p], t[t.size() / 2], runs,
                    t.front(), t.back());
    }
    return 0;
}
