#pragma once
// Files that outlast the page: kept byte for byte in the browser's local storage under a name.
// The program itself works on an ordinary file in the page's memory: at start the stored bytes
// become that file, and after each change its bytes are stored again. Whatever is stored,
// damaged or short, becomes the file exactly as it is stored.
#include <string>

namespace zarvo {

// Copies the bytes stored under `name` into the file at `path`; answers false (and leaves the
// file alone) when nothing is stored or the page has no storage.
bool Restore_Stored_File(const char* name, const char* path);

// Stores the bytes of the file at `path` under `name`; answers false when the file cannot be
// read or the storage refuses them.
bool Store_File(const char* name, const char* path);

// From now on the page calls the program's zarvo_stored_elsewhere() whenever another page of
// the same site (another tab) changes what is stored under `name`.
void Watch_Stored_File(const char* name);

// The text stored under `name`; false when there is none.
bool Stored_Text(const char* name, std::string& text);
// Stores the text under `name`; false when the storage refuses it.
bool Store_Text(const char* name, const std::string& text);

}  // namespace zarvo
