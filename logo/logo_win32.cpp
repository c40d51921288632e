#include "logo_win32.h"

#include "../base/quiet_drive_errors_win32.h"
#include "bitmap_file_win32.h"
#include "bitmap_reader.h"
#include "logo_image.h"

namespace {

constexpr char kLogoFile[] = "VELKLOGO.DIB";
constexpr int kFrameId = 2;

// The logo file's block, read whole; null when there is none. The file is
// closed again either way.
HGLOBAL ReadLogoFile() {
    OFSTRUCT found;
    QuietDriveErrors quiet; // the search goes along the PATH, which may name an empty drive
    const HFILE file = OpenFile(kLogoFile, &found, OF_READ);
    if (file == HFILE_ERROR) return nullptr;
    FileSource source(file);
    GlobalBlocks memory;
    BlockHandle block = ReadBitmapFile(source, memory);
    _lclose(file);
    return static_cast<HGLOBAL>(block);
}

// The memory DC holding the bitmap, and the bitmap's size; false, with the DC
// deleted, when one of the steps fails.
bool SelectIntoMemoryDc(HWND dialog, HBITMAP bitmap, LogoState& state) {
    HDC dialogDc = GetDC(dialog);
    state.memoryDc = CreateCompatibleDC(dialogDc);
    ReleaseDC(dialog, dialogDc);
    if (state.memoryDc == nullptr) return false;
    state.previousBitmap = SelectObject(state.memoryDc, bitmap);
    BITMAP description;
    if (state.previousBitmap != nullptr && GetObjectA(bitmap, sizeof description, &description) != 0) {
        state.width = description.bmWidth;
        state.height = description.bmHeight;
        return true;
    }
    if (state.previousBitmap != nullptr) SelectObject(state.memoryDc, state.previousBitmap);
    DeleteDC(state.memoryDc);
    return false;
}

} // namespace

LogoState logoState;

bool ProbeLogo() {
    HGLOBAL block = ReadLogoFile();
    if (block == nullptr) return false;
    GlobalFree(block);
    return true;
}

bool LoadLogo(HWND dialog) {
    HGLOBAL block = ReadLogoFile();
    if (block == nullptr) return false;
    const BYTE* bytes = static_cast<const BYTE*>(GlobalLock(block));
    HBITMAP bitmap = nullptr;
    logoState.palette = CreateBitmapPalette(bytes);
    if (logoState.palette != nullptr) {
        bitmap = CreateDeviceBitmap(bytes, logoState.palette, DIB_RGB_COLORS);
    }
    GlobalUnlock(block);
    GlobalFree(block);

    if (bitmap != nullptr && SelectIntoMemoryDc(dialog, bitmap, logoState)) return true;
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (logoState.palette != nullptr) DeleteObject(logoState.palette);
    logoState = LogoState{};
    return false;
}

void PaintLogo(HWND dialog, bool threeDControlsLoaded) {
    HWND frame = GetDlgItem(dialog, kFrameId);
    if (frame == nullptr) return; // the narrow layout has no frame
    HDC dc = GetDC(frame);
    RECT client;
    GetClientRect(frame, &client);
    const int inset = threeDControlsLoaded ? 2 : 1;
    StretchBlt(dc, inset, inset, client.right - 2 * inset, client.bottom - 2 * inset, logoState.memoryDc, 0, 0,
               logoState.width, logoState.height, SRCCOPY);
    ReleaseDC(frame, dc);
}

void RealizeLogoPalette(HWND dialog) {
    if (logoState.palette == nullptr) return;
    HDC dc = GetDC(dialog);
    HPALETTE previous = SelectPalette(dc, logoState.palette, FALSE);
    RealizePalette(dc);
    SelectPalette(dc, previous, FALSE);
    ReleaseDC(dialog, dc);
}

void DestroyLogo() {
    DeleteObject(SelectObject(logoState.memoryDc, logoState.previousBitmap));
    DeleteObject(logoState.palette);
    DeleteDC(logoState.memoryDc);
    logoState = LogoState{};
}

HPALETTE CreateBitmapPalette(const BYTE* block) {
    if (block == nullptr) return nullptr;
    const uint16_t entries = PaletteSize(block);
    if (entries == 0) return nullptr;
    auto* description = static_cast<LOGPALETTE*>(
        LocalAlloc(LPTR, sizeof(LOGPALETTE) + (entries - 1) * sizeof(PALETTEENTRY)));
    if (description == nullptr) return nullptr;
    description->palVersion = 0x300;
    description->palNumEntries = entries;
    static_assert(sizeof(PaletteColour) == sizeof(PALETTEENTRY), "one layout");
    FillPalette(block, reinterpret_cast<PaletteColour*>(description->palPalEntry));
    HPALETTE palette = CreatePalette(description);
    LocalFree(description);
    return palette;
}

HBITMAP CreateDeviceBitmap(const BYTE* block, HPALETTE palette, UINT colourUsage) {
    if (block == nullptr || !BlockHoldsPixels(block)) return nullptr;
    HDC screen = GetDC(nullptr);
    HPALETTE previous = nullptr;
    if (palette != nullptr) {
        previous = SelectPalette(screen, palette, FALSE);
        RealizePalette(screen);
    }
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(block);
    const BYTE* pixels = block + header->biSize + BitmapColorTableSize(block);
    HBITMAP bitmap = CreateDIBitmap(screen, header, CBM_INIT, pixels, reinterpret_cast<const BITMAPINFO*>(block),
                                    colourUsage);
    if (previous != nullptr) SelectPalette(screen, previous, FALSE);
    ReleaseDC(nullptr, screen);
    return bitmap;
}
