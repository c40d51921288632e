// The program caption and the string table, as every window of the program uses them.
#ifndef TARVEX_BASE_PROGRAM_TEXT_WIN32_H
#define TARVEX_BASE_PROGRAM_TEXT_WIN32_H

#include <windows.h>

#include <cstdint>

constexpr int kCaptionSize = 80;

// String 11, loaded once at start-up: the title of every message box.
extern char programCaption[kCaptionSize];

// Loads a string of this program's string table; an empty text when there is none.
void LoadText(uint16_t stringId, char* buffer, int size);

// A message box with the string's text, titled with the program caption. Tests
// link their own, which records the text and flags and answers as told.
int ShowMessage(HWND owner, uint16_t stringId, uint32_t flags);

#endif
