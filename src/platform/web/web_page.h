#pragma once
// The page's functions that the platform calls (web_library.js).
#include <cstdint>

extern "C" {
void web_present(const std::uint32_t* pixels, int width, int height, int left, int top);
// A box over the picture, or none when pixels is null; its text is also told to screen readers.
void web_show_box(const std::uint32_t* pixels, int width, int height, const char* text);
void web_set_title(const char* caption);
int web_client_width();
int web_client_height();
double web_window_left();
double web_window_top();
double web_window_scale();
// The sample of the audio clock where the game's voices stand now (a little ahead of what
// plays), or -1 while the page makes no sound.
double web_audio_clock();
// A sound's samples at the output's rate, for the page's mixer.
void web_audio_sound(int sound, const std::int16_t* samples, int count);
// A request to a voice ("play", "stop", "rewind") at a sample of the audio clock.
void web_audio_request(const char* request, int sound, double at);
// Every voice as it stands at a sample of the audio clock: playing (0 or 1) and position, in pairs.
void web_audio_voices(const int* voices, int count, double at);
int web_storage_usable();
int web_storage_length(const char* name);
int web_storage_read(const char* name, std::uint8_t* target, int capacity);
int web_storage_write(const char* name, const std::uint8_t* bytes, int length);
int web_storage_rename(const char* from, const char* to);
void web_storage_remove(const char* name);
// Moves a stored file to a name that holds nothing yet: 0, -1 when the name is taken, or the
// game's error code.
int web_storage_move_to_free_name(const char* from, const char* to);
void web_download(const std::uint8_t* bytes, int length, const char* name);
void web_show_startup_error(const char* text);
void web_note(const char* text);
}
