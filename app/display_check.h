#pragma once
// Starting without a graphical session: the program says so and ends with code 1, instead of
// letting the platform layer abort.

extern const char* const kMessageNoDisplay;

// False when no platform is named (QT_QPA_PLATFORM) and neither DISPLAY nor WAYLAND_DISPLAY is
// set: there is no desktop to show windows on.
bool display_expected(const char* qpa_platform, const char* display, const char* wayland_display);
// The same from the environment.
bool display_expected();

// Until the application object exists: the platform layer's own warnings are held back, and a
// fatal platform failure (no display could be reached) prints kMessageNoDisplay and ends the
// process with code 1. end_display_watch puts the held-back warnings out and stops watching.
void begin_display_watch();
void end_display_watch();
