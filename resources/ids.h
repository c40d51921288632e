// Control and string identifiers shared by the resource script and the code.
#ifndef TARVEX_RESOURCES_IDS_H
#define TARVEX_RESOURCES_IDS_H

// Strings
#define IDS_NO_MEMORY 10
#define IDS_PROGRAM_CAPTION 11
#define IDS_WRITING 30
#define IDS_READING 31
#define IDS_DELETING 32
#define IDS_CANNOT_OPEN_FILE 34
#define IDS_NO_SPACE 35
#define IDS_LOW_SPACE 36
#define IDS_FREE_OF 37
#define IDS_NOT_STORED 38

// Controls of the main dialog
#define IDC_NTSC 84
#define IDC_AUDIO_RECORDING 417
#define IDC_TV_CROPPING 418

#endif
