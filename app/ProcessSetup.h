#pragma once
// Process-wide settings made once at the very start of main, before any window exists.

// Ignores SIGXFSZ: under a file-size limit a write then fails with EFBIG, the save reports its
// message and the typed values stay, instead of the signal ending the program.
void PrepareProcess();
