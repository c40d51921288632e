// The logo in the wide main dialog's picture frame: read from VELKLOGO.DIB,
// kept as a palette and a device bitmap in a memory DC while the dialog lives.
#ifndef TARVEX_LOGO_LOGO_WIN32_H
#define TARVEX_LOGO_LOGO_WIN32_H

#include <windows.h>

// The logo's objects, valid from a LoadLogo that succeeded until DestroyLogo.
struct LogoState {
    HPALETTE palette;
    HDC memoryDc;          // holds the logo bitmap
    HGDIOBJ previousBitmap; // what the memory DC held before
    LONG width;
    LONG height;
};

extern LogoState logoState;

// Whether the logo file can be found and read: the wide layout needs it.
bool ProbeLogo();
// Makes the logo's objects; false when there is no logo to show.
bool LoadLogo(HWND dialog);
// Stretches the logo into control 2 inside a margin of 1 pixel, or 2 where the
// 3-D controls draw the frame; draws nothing in a dialog without the frame.
void PaintLogo(HWND dialog, bool threeDControlsLoaded);
void RealizeLogoPalette(HWND dialog);
void DestroyLogo();

// The logo's palette: the colour table's, or the fixed one for a 24-bit image
// without a table; null for none.
HPALETTE CreateBitmapPalette(const BYTE* block);
// The device bitmap of a reader's block; null when the block does not hold
// what the platform would read, or the platform refuses it.
HBITMAP CreateDeviceBitmap(const BYTE* block, HPALETTE palette, UINT colourUsage);

#endif
