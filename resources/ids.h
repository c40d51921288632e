// Resource, control and string identifiers shared by the resource script and the code.
#ifndef TARVEX_RESOURCES_IDS_H
#define TARVEX_RESOURCES_IDS_H

// Icons and dialogs
#define IDI_PROGRAM 100
#define IDD_MAIN_NARROW 101
#define IDD_MAIN_WIDE 102
#define IDD_ABOUT 103
#define IDD_PROCESSOR_TEST 104

// Strings
#define IDS_NO_MEMORY 10
#define IDS_PROGRAM_CAPTION 11
#define IDS_NOT_TESTED 21
#define IDS_CONFIRM_CLOSE 22
#define IDS_NEED_WINDOWS_95 23
#define IDS_WRITING 30
#define IDS_READING 31
#define IDS_DELETING 32
#define IDS_CANNOT_OPEN_FILE 34
#define IDS_NO_SPACE 35
#define IDS_LOW_SPACE 36
#define IDS_FREE_OF 37
#define IDS_NOT_STORED 38
#define IDS_TESTING_CPU 64
#define IDS_TESTING_CACHE 65
#define IDS_TESTING_MEMORY 66
// Frame sizes: 250 + (17 - column control) + 3 x NTSC + 6 x TV cropping
#define IDS_FRAME_SIZES 250

// Controls without an identifier of their own
#define IDC_NONE -1

// Main dialog (the processor test dialog shares 1, 70 and 71)
#define IDC_CLOSE 1
#define IDC_LOGO_FRAME 2
#define IDC_DRIVE_LIST 12
#define IDC_REACHABLE_RATE 14
#define IDC_FRAME_QUARTER 15
#define IDC_FRAME_HALF 16
#define IDC_FRAME_FULL 17
#define IDC_RATIO_QUARTER 18
#define IDC_RATIO_HALF 19
#define IDC_RATIO_FULL 20
#define IDC_HELP_BUTTON 70
#define IDC_START_TEST 71
#define IDC_STORE 72
#define IDC_INFO 73
#define IDC_MORE 74
#define IDC_RESULT_GROUP 82
#define IDC_PAL 83
#define IDC_NTSC 84
#define IDC_READ_BAR 200
#define IDC_WRITE_BAR 201
#define IDC_WRITE_RATE 203
#define IDC_READ_RATE 204
#define IDC_ISA 400
#define IDC_PCI 401
#define IDC_RATE_11K 408
#define IDC_RATE_22K 409
#define IDC_RATE_44K 410
#define IDC_MONO 411
#define IDC_STEREO 412
#define IDC_DMA_8 413
#define IDC_DMA_16 414
#define IDC_SAMPLE_8 415
#define IDC_SAMPLE_16 416
#define IDC_AUDIO_RECORDING 417
#define IDC_TV_CROPPING 418
#define IDC_AUDIO_CARD_LABEL 419

// Processor and memory test dialog
#define IDC_PROCESSOR_LABEL 24
#define IDC_CACHE_LABEL 25
#define IDC_MEMORY_LABEL 26
#define IDC_PROCESSOR_BAR 402
#define IDC_CACHE_BAR 403
#define IDC_MEMORY_BAR 404
#define IDC_PROCESSOR_VALUE 405
#define IDC_CACHE_VALUE 406
#define IDC_MEMORY_VALUE 407

#endif
