#include "Console.hpp"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <initializer_list>
#endif

void attachParentConsole()
{
#ifdef _WIN32
    // A redirected output (a pipe, a file) is already in place: keep it.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE && GetFileType(output) != FILE_TYPE_UNKNOWN)
        return;
    // Started from Explorer there is no console to attach to, and none is made.
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    for (std::FILE* stream : {stdout, stderr}) {
        if (std::freopen("CONOUT$", "w", stream) == nullptr)
            return;
    }
#endif
}
