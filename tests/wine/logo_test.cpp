// Our logo painted into the wide dialog's frame, and the layout it decides on.
#include <gtest/gtest.h>

#include <string>

#include "../../logo/logo_win32.h"
#include "../../resources/ids.h"
#include "dialog_harness.h"

namespace {

// The logo's top row is its darkest blue, its bottom row its lightest teal.
constexpr COLORREF kTop = RGB(10, 30, 80);
constexpr COLORREF kBottom = RGB(30, 160, 170);

TEST(Logo, FillsTheFrameInsideItsMarginAndLeavesNothingBehind) {
    ASSERT_TRUE(CopyFileA(FromEnvironment("TARVEX_LOGO").c_str(), "VELKLOGO.DIB", FALSE)); // found here first
    for (bool threeD : {false, true}) {
        TestDialog dialog(IDD_MAIN_WIDE, InertDialogProc);
        dialog.Paint();
        ASSERT_TRUE(LoadLogo(dialog.Handle()));
        PaintLogo(dialog.Handle(), threeD);

        HWND frame = dialog.Control(IDC_LOGO_FRAME);
        RECT client;
        GetClientRect(frame, &client);
        const int in = threeD ? 2 : 1;
        const int right = client.right - 1 - in, bottom = client.bottom - 1 - in;
        HDC dc = GetDC(frame);
        EXPECT_EQ(GetPixel(dc, in, in), kTop);
        EXPECT_EQ(GetPixel(dc, right, in), kTop);
        EXPECT_EQ(GetPixel(dc, in, bottom), kBottom);
        EXPECT_EQ(GetPixel(dc, right, bottom), kBottom);
        for (COLORREF margin : {GetPixel(dc, in - 1, in), GetPixel(dc, in, in - 1), GetPixel(dc, right + 1, bottom),
                                GetPixel(dc, right, bottom + 1)}) {
            EXPECT_TRUE(margin != kTop && margin != kBottom) << threeD;
        }
        ReleaseDC(frame, dc);

        const LogoState objects = logoState;
        HGDIOBJ bitmap = GetCurrentObject(objects.memoryDc, OBJ_BITMAP);
        DestroyLogo();
        EXPECT_EQ(GetObjectType(bitmap) + GetObjectType(objects.palette) + GetObjectType(objects.memoryDc), 0u);
    }
    DeleteFileA("VELKLOGO.DIB");
}

} // namespace
