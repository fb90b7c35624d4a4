#pragma once

// The update library's one entry. The program calls it once, a few seconds
// after start, with the address of the update file ("http://host/Update.txt")
// and the flag 1. It returns at once; the check runs in the background and,
// when the update file names a newer version than this one, tells the user
// with a desktop notification. It never blocks or fails the caller: a missing
// or slow network, a bad address or a bad file end the check quietly.
// The result is always 0.
extern "C" int BeginUpdate(const char* url, int flag);
