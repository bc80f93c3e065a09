#include "platform/threads.h"

#include <windows.h>

#include <new>

namespace {

struct WorkerStart {
    void (*entry)(void*);
    void* parameter;
};

DWORD WINAPI WorkerMain(LPVOID raw) {
    const WorkerStart start = *static_cast<WorkerStart*>(raw);
    delete static_cast<WorkerStart*>(raw);
    start.entry(start.parameter);
    return 0;
}

}  // namespace

bool StartWorkerThread(void (*entry)(void*), void* parameter) {
    auto* start = new (std::nothrow) WorkerStart{entry, parameter};
    if (!start) return false;
    HANDLE thread = CreateThread(nullptr, 1048576, WorkerMain, start, 0, nullptr);
    if (!thread) {
        delete start;
        return false;
    }
    CloseHandle(thread);
    return true;
}
