// Inside the platform room: what the POSIX and the WebAssembly builds
// share, and the one step of it each does its own way.
#pragma once

// Waits until the descriptor has bytes to read, or has ended: poll on a
// POSIX system, a short sleep under node.
void waitUntilReadable(int file);

// Reads as readBytes does, waiting with waitUntilReadable while an input
// left non-blocking has nothing yet.
long readWaiting(int file, char* bytes, long size);
