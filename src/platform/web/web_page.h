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
int web_audio_running();
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
