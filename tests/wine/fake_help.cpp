#include "fake_help.h"

std::vector<HelpRequest> helpRequests;

void RequestHelp(HWND window, UINT command) {
    helpRequests.push_back({window, command});
}
