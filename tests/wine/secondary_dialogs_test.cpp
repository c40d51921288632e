// The about box and the processor test dialog from their real templates.
#include <gtest/gtest.h>


#include "../../app/secondary_dialogs.h"
#include "../../base/program_text_win32.h"
#include "../../resources/ids.h"
#include "dialog_harness.h"

namespace {

TEST(AboutDialog, EndsOnOkAndEscapeWhateverTheNotification) {
    for (int id : {IDOK, IDCANCEL}) {
        TestDialog about(IDD_ABOUT, AboutDialogProc);
        EXPECT_EQ(AboutDialogProc(about.Handle(), WM_INITDIALOG, 0, 0), FALSE);
        EXPECT_EQ(AboutDialogProc(about.Handle(), WM_COMMAND, MAKEWPARAM(71, 0), 0), FALSE);
        about.Paint();
        EXPECT_EQ(AboutDialogProc(about.Handle(), WM_COMMAND, MAKEWPARAM(id, 0x1234), 0), TRUE);
        EXPECT_FALSE(IsWindowVisible(about.Handle())) << id;
    }
}

TEST(ProcessorTestDialog, StartShowsItsStagesAndEndsWithTheProgramCaption) {
    LoadText(IDS_PROGRAM_CAPTION, programCaption, sizeof programCaption);
    TestDialog test(IDD_PROCESSOR_TEST, ProcessorTestDialogProc);
    EXPECT_TRUE(test.Enabled(IDC_HELP_BUTTON));
    recordedMessages.clear();
    const std::vector<std::string>& captions = test.Captions();
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(ProcessorTestDialogProc(test.Handle(), WM_COMMAND, MAKEWPARAM(IDC_START_TEST, 0), 0), TRUE);
    }
    const char* const stages[] = {"Testing CPU speed...", "Testing bandwidth 2nd level cache...",
                                  "Testing memory bandwidth...", "Tarvex (Durotest)"};
    ASSERT_EQ(captions.size(), 8u);
    for (size_t i = 0; i < captions.size(); ++i) EXPECT_EQ(captions[i], stages[i % 4]) << i;
    EXPECT_TRUE(recordedMessages.empty());
    for (int id = IDC_PROCESSOR_BAR; id <= IDC_MEMORY_VALUE; ++id) EXPECT_EQ(test.Text(id), "") << id;
}

} // namespace
