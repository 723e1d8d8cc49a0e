#pragma once

// True when both paths name one existing file (the same device and inode),
// however they are spelled. False when either is null or does not exist.
bool SameExistingFile(const char* first, const char* second);
