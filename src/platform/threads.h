#pragma once
// Worker threads: a stack of 1,048,576 bytes, the handle closed at once,
// nobody waits. The entry must not let an exception escape.

// Starts entry(parameter) on a new thread; false if the thread could not be
// created.
bool StartWorkerThread(void (*entry)(void* parameter), void* parameter);
