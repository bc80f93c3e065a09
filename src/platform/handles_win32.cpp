#include "platform/handles.h"

#include <atomic>

namespace {
std::atomic<long> g_live[static_cast<int>(HandleKind::KindCount)];
}

long LiveHandles(HandleKind kind) { return g_live[static_cast<int>(kind)].load(); }
void CountHandleOpened(HandleKind kind) { ++g_live[static_cast<int>(kind)]; }
void CountHandleClosed(HandleKind kind) { --g_live[static_cast<int>(kind)]; }
