#include "main_dialog.h"

#include <initializer_list>

#include "../base/help_win32.h"
#include "../bench/disk_test_win32.h"
#include "../bench/drive_table_win32.h"
#include "../bench/estimate_win32.h"
#include "../config/capture_config_win32.h"
#include "../logo/logo_win32.h"
#include "../resources/ids.h"
#include "program.h"
#include "result_figures.h"
#include "secondary_dialogs.h"

namespace {

constexpr int kTextSize = 200;
constexpr COLORREF kBarColour = RGB(0, 192, 192);

uint16_t selectedDrive;
bool logoLoaded;

DriveEntry& SelectedEntry() {
    return driveTable.entry[selectedDrive];
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void EnableControl(HWND dialog, int id, bool enable) {
    EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

void Focus(HWND dialog, int id) {
    SetFocus(GetDlgItem(dialog, id));
}

// Invalidates the dialog's area under a control.
void InvalidateUnder(HWND dialog, int id, BOOL erase) {
    RECT screen;
    GetWindowRect(GetDlgItem(dialog, id), &screen);
    POINT corners[2] = {{screen.left, screen.top}, {screen.right, screen.bottom}};
    ScreenToClient(dialog, &corners[0]);
    ScreenToClient(dialog, &corners[1]);
    const RECT area{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    InvalidateRect(dialog, &area, erase);
}

void InvalidateBars(HWND dialog) {
    InvalidateUnder(dialog, IDC_WRITE_BAR, TRUE);
    InvalidateUnder(dialog, IDC_READ_BAR, TRUE);
}

void InvalidateResultFrame(HWND dialog) {
    InvalidateUnder(dialog, IDC_RESULT_GROUP, FALSE);
}

void Estimate(HWND dialog) {
    EstimateDataRate(dialog, SelectedEntry(), captureOptions, captureBoard);
}

void CentreOnScreen(HWND dialog) {
    RECT window;
    GetWindowRect(dialog, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    MoveWindow(dialog, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
               width, height, FALSE);
}

BOOL Initialise(HWND dialog) {
    CentreOnScreen(dialog);

    const AudioSettings& audio = captureOptions.audio;
    CheckRadioButton(dialog, IDC_ISA, IDC_PCI, IDC_ISA - 1 + captureOptions.boardType);
    CheckRadioButton(dialog, IDC_PAL, IDC_NTSC, IDC_PAL + captureOptions.videoNorm);
    CheckDlgButton(dialog, IDC_AUDIO_RECORDING, BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_TV_CROPPING, BST_UNCHECKED);
    CheckRadioButton(dialog, IDC_RATE_11K, IDC_RATE_44K, IDC_RATE_11K + audio.sampleRate);
    CheckRadioButton(dialog, IDC_MONO, IDC_STEREO, IDC_MONO + audio.channels);
    CheckRadioButton(dialog, IDC_SAMPLE_8, IDC_SAMPLE_16, IDC_SAMPLE_8 + audio.sampleWidth);
    CheckRadioButton(dialog, IDC_DMA_8, IDC_DMA_16, IDC_DMA_8 + audio.dmaWidth);

    selectedDrive = 0;
    const uint16_t count = FillDriveTable(dialog, driveTable, driveList);
    FillDriveCombo(dialog, IDC_DRIVE_LIST, driveList, count, 0);

    EnableControl(dialog, IDC_HELP_BUTTON, true);
    ShowWindow(GetDlgItem(dialog, IDC_MORE), SW_HIDE);
    switch (captureBoard.boardKind) {
    case kNoBoardDriver: EnableControl(dialog, IDC_STORE, false); break;
    case kIsaDriverOnly: EnableControl(dialog, IDC_PCI, false); break;
    case kPciInterface: EnableControl(dialog, IDC_ISA, false); break;
    default: break;
    }

    logoLoaded = LoadLogo(dialog);
    return TRUE;
}

// Whether the platform handed out the paint's own context for this control.
bool PaintsControl(HWND dialog, int id, HDC paintDc) {
    HWND control = GetDlgItem(dialog, id);
    HDC dc = GetDC(control);
    ReleaseDC(control, dc);
    return dc == paintDc;
}

void SetRatioText(HWND dialog, int id, const Ratio& ratio, bool shown) {
    char text[kTextSize] = "";
    if (shown) wsprintfA(text, "%ld,%ld:1", ratio.whole, ratio.tenth);
    SetDlgItemTextA(dialog, id, text);
}

void PaintResultTexts(HWND dialog, const DriveEntry& entry) {
    char text[kTextSize];
    wsprintfA(text, "%ld kB/s", entry.reachableRate);
    SetDlgItemTextA(dialog, IDC_REACHABLE_RATE, text);

    // With no reachable rate no compression will do: no ratios rather than "0,0:1".
    const bool ratios = entry.compression != 0;
    const FrameRatios frame = RatiosFor(entry.compression);
    SetRatioText(dialog, IDC_RATIO_FULL, frame.full, ratios);
    SetRatioText(dialog, IDC_RATIO_HALF, frame.half, ratios);
    SetRatioText(dialog, IDC_RATIO_QUARTER, frame.quarter, ratios);

    const bool ntsc = Checked(dialog, IDC_NTSC);
    const bool cropping = Checked(dialog, IDC_TV_CROPPING);
    for (int column : {IDC_FRAME_QUARTER, IDC_FRAME_HALF, IDC_FRAME_FULL}) {
        LoadText(FrameSizeStringId(column, ntsc, cropping), text, kTextSize);
        SetDlgItemTextA(dialog, column, text);
    }
}

void PaintBar(HWND dialog, int id, uint32_t rate) {
    HWND bar = GetDlgItem(dialog, id);
    HDC dc = GetDC(bar);
    RECT client;
    GetClientRect(bar, &client);
    const uint32_t width = BarWidth(client.right - client.left, rate);
    const RECT filled{client.left + 1, client.top + 1, client.left + 1 + static_cast<LONG>(width), client.bottom - 1};
    HBRUSH brush = CreateSolidBrush(kBarColour);
    HGDIOBJ previous = SelectObject(dc, brush);
    FillRect(dc, &filled, brush);
    SelectObject(dc, previous);
    DeleteObject(brush);
    ReleaseDC(bar, dc);
}

void ShowRate(HWND dialog, int id, uint32_t rate) {
    char text[kTextSize];
    wsprintfA(text, "%ld kB/s", rate);
    HWND label = GetDlgItem(dialog, id);
    ShowWindow(label, SW_SHOW);
    SetWindowTextA(label, text);
}

void PaintBars(HWND dialog, const DriveEntry& entry) {
    PaintBar(dialog, IDC_WRITE_BAR, entry.writeRate);
    PaintBar(dialog, IDC_READ_BAR, entry.readRate);
    ShowRate(dialog, IDC_WRITE_RATE, entry.writeRate);
    ShowRate(dialog, IDC_READ_RATE, entry.readRate);
}

void PaintMinimised(HWND dialog, HDC dc) {
    RECT client;
    GetClientRect(dialog, &client);
    DrawIcon(dc, (client.right - GetSystemMetrics(SM_CXICON)) / 2, (client.bottom - GetSystemMetrics(SM_CYICON)) / 2,
             programIcon);
}

BOOL Paint(HWND dialog) {
    // The middle and right columns only exist for the PCI board.
    const bool pci = captureOptions.boardType == kPciBoard;
    for (int id : {IDC_FRAME_HALF, IDC_RATIO_HALF, IDC_FRAME_FULL, IDC_RATIO_FULL}) EnableControl(dialog, id, pci);

    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (IsIconic(dialog)) {
        PaintMinimised(dialog, dc);
        EndPaint(dialog, &paint);
        return TRUE;
    }

    const bool audio = Checked(dialog, IDC_AUDIO_RECORDING);
    for (int id : {IDC_RATE_11K, IDC_RATE_22K, IDC_RATE_44K, IDC_MONO, IDC_STEREO, IDC_SAMPLE_8, IDC_SAMPLE_16,
                   IDC_DMA_8, IDC_DMA_16, IDC_AUDIO_CARD_LABEL}) {
        EnableControl(dialog, id, audio);
    }

    bool texts = true;
    bool bars = true;
    if (PaintsControl(dialog, IDC_RESULT_GROUP, dc)) bars = false;
    for (int id : {IDC_WRITE_BAR, IDC_READ_BAR}) {
        if (PaintsControl(dialog, id, dc)) {
            texts = false;
            bars = true;
        }
    }

    const DriveEntry& entry = SelectedEntry();
    if (entry.tested == 0) {
        ShowWindow(GetDlgItem(dialog, IDC_WRITE_RATE), SW_HIDE);
        ShowWindow(GetDlgItem(dialog, IDC_READ_RATE), SW_HIDE);
    } else {
        if (texts) PaintResultTexts(dialog, entry);
        if (bars) PaintBars(dialog, entry);
    }

    if (logoLoaded) PaintLogo(dialog, threeDControls.library != nullptr);
    EndPaint(dialog, &paint);
    return FALSE;
}

BOOL EraseBackground(HWND dialog, HDC dc) {
    if (!IsIconic(dialog)) return FALSE;
    RECT client;
    GetClientRect(dialog, &client);
    HBRUSH desktop = CreateSolidBrush(GetSysColor(COLOR_BACKGROUND));
    FillRect(dc, &client, desktop);
    DeleteObject(desktop);
    return TRUE;
}

void SelectDrive(HWND dialog) {
    selectedDrive = GetSelectedDriveKey(dialog, IDC_DRIVE_LIST, driveList);
    if (SelectedEntry().tested == 1) {
        Estimate(dialog);
        InvalidateBars(dialog);
        return;
    }
    for (int id : {IDC_FRAME_QUARTER, IDC_FRAME_HALF, IDC_FRAME_FULL, IDC_RATIO_QUARTER, IDC_RATIO_HALF,
                   IDC_RATIO_FULL, IDC_REACHABLE_RATE}) {
        SetDlgItemTextA(dialog, id, "");
    }
    InvalidateBars(dialog);
    InvalidateResultFrame(dialog);
}

BOOL StartTest(HWND dialog) {
    if (RunDiskTest(dialog, SelectedEntry(), driveList.item[selectedDrive], captureOptions.boardType,
                    runFlags.testAttempted) == 0) {
        return TRUE;
    }
    Estimate(dialog);
    InvalidateBars(dialog);
    InvalidateResultFrame(dialog);
    if (captureBoard.boardKind != kNoBoardDriver) Focus(dialog, IDC_STORE);
    return FALSE;
}

void Store(HWND dialog) {
    const DriveEntry& entry = SelectedEntry();
    if (entry.tested == 0) {
        ShowMessage(dialog, IDS_NOT_TESTED, MB_OK | MB_ICONEXCLAMATION);
        Focus(dialog, IDC_START_TEST);
        return;
    }
    if (!StoreDriveResults(entry.reachableRate, entry.formatClass, driveList.item[selectedDrive].rootPath,
                           captureOptions.boardType)) {
        // Nothing counts as stored, so closing will still ask.
        ShowMessage(dialog, IDS_NOT_STORED, MB_OK | MB_ICONHAND);
        Focus(dialog, IDC_STORE);
        return;
    }
    Focus(dialog, IDC_DRIVE_LIST);
    runFlags.resultsStored = 1;
}

void RunModal(HWND owner, int templateId, DLGPROC procedure) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, procedure, 0);
}

// Applies an option button's choice; false for any other command.
bool ApplyOption(int id) {
    AudioSettings& audio = captureOptions.audio;
    switch (id) {
    case IDC_PAL:
    case IDC_NTSC:
    case IDC_AUDIO_RECORDING:
    case IDC_TV_CROPPING: return true; // the buttons hold these themselves
    case IDC_ISA: captureOptions.boardType = kIsaBoard; return true;
    case IDC_PCI: captureOptions.boardType = kPciBoard; return true;
    case IDC_RATE_11K:
    case IDC_RATE_22K:
    case IDC_RATE_44K: audio.sampleRate = static_cast<uint16_t>(id - IDC_RATE_11K); return true;
    case IDC_MONO:
    case IDC_STEREO: audio.channels = static_cast<uint16_t>(id - IDC_MONO); return true;
    case IDC_DMA_8:
    case IDC_DMA_16: audio.dmaWidth = static_cast<uint16_t>(id - IDC_DMA_8); return true;
    case IDC_SAMPLE_8:
    case IDC_SAMPLE_16: audio.sampleWidth = static_cast<uint16_t>(id - IDC_SAMPLE_8); return true;
    default: return false;
    }
}

BOOL Command(HWND dialog, int id, int notification) {
    switch (id) {
    case IDC_CLOSE:
        RequestHelp(dialog, HELP_QUIT);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        return TRUE;
    case IDC_DRIVE_LIST:
        if (notification == CBN_SELCHANGE) SelectDrive(dialog);
        return TRUE;
    case IDC_HELP_BUTTON: RequestHelp(dialog, HELP_INDEX); return TRUE;
    case IDC_START_TEST: return StartTest(dialog);
    case IDC_STORE: Store(dialog); return FALSE;
    case IDC_INFO: RunModal(dialog, IDD_ABOUT, AboutDialogProc); return TRUE;
    case IDC_MORE: RunModal(dialog, IDD_PROCESSOR_TEST, ProcessorTestDialogProc); return TRUE;
    default: break;
    }
    if (!ApplyOption(id)) return FALSE;
    Estimate(dialog);
    InvalidateResultFrame(dialog);
    return TRUE;
}

BOOL Close(HWND dialog) {
    if (runFlags.resultsStored == 0 && runFlags.testAttempted == 1 && captureBoard.boardKind != kNoBoardDriver &&
        ShowMessage(dialog, IDS_CONFIRM_CLOSE, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_TASKMODAL) ==
            IDNO) {
        Focus(dialog, IDC_STORE);
        return TRUE;
    }
    DeleteTestFiles(dialog, driveTable, driveList);
    EndDialog(dialog, 0);
    return TRUE;
}

} // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return Initialise(dialog);
    case WM_COMMAND: return Command(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_PAINT: return Paint(dialog);
    case WM_ERASEBKGND: return EraseBackground(dialog, reinterpret_cast<HDC>(wParam));
    case WM_CLOSE: return Close(dialog);
    case WM_ENDSESSION:
        DeleteTestFiles(dialog, driveTable, driveList);
        return TRUE;
    case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(programIcon);
    case WM_QUERYNEWPALETTE:
        if (logoLoaded) RealizeLogoPalette(dialog);
        return FALSE;
    case WM_DESTROY:
        if (logoLoaded) DestroyLogo();
        PostQuitMessage(0);
        return FALSE;
    default: return FALSE;
    }
}
