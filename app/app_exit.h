#pragma once
// Leaving the program. Whatever the way out, the same is saved, and only once: the Learning List,
// the main window's position (option slots 1 and 2) and the exclude flag (slot 15). Scores,
// the completed count and the other options are written as they change.
#include <functional>

// Saves what leaving saves; nothing before the study data has been loaded. False when a file
// could not be written.
bool App_SaveState();

// The orderly way out ("Exit", the caption bar's close glyph): hides the main window, saves,
// closes it and ends the message loop with code 0 (1 when saving failed).
void App_Exit();

// Every other way out (the window manager's close, a termination signal): saves as App_Exit
// does and ends with `code` (1 when saving failed and `code` was 0). When the message loop is at
// its top level it ends as App_Exit does; otherwise (a message box or a secondary screen is
// waiting, or the start-up has not finished) the process ends at once.
void App_Leave(int code);

// The session is ending (logout): saves, and keeps running until told to quit.
void App_SaveForSession();
// The application is about to quit for a reason of its own: saves unless already saved.
void App_SaveBeforeQuit();

// Whether the message loop has been asked to end, and with which code (the start-up checks it
// before entering the loop).
bool App_ExitRequested(int* code);
void App_ClearExitRequest();
// The start-up says when its message loop runs; only then is the loop told to end.
void App_SetMessageLoopRunning(bool running);

// How the process ends at once; tests record the code instead.
void set_process_ender(std::function<void(int code)> ender);

extern const char* const kMessageSaveFailed;
