#include "platform/Sockets.h"

#ifdef _WIN32
#include <cstdlib>
#include <winsock2.h>
#endif

namespace {

bool g_bForceFailure = false;

} // namespace

void ForceSocketLayerFailure(bool bFail) { g_bForceFailure = bFail; }

bool StartSocketLayer()
{
    if (g_bForceFailure)
        return false;
#ifdef _WIN32
    // Version 1.1 exactly: a layer that grants another version counts as failed and is
    // released again at once.
    WSADATA data;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0)
        return false;
    if (data.wVersion != MAKEWORD(1, 1)) {
        WSACleanup();
        return false;
    }
    std::atexit([] { WSACleanup(); });
#endif
    return true;
}
