#include "Console.hpp"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>

namespace {
// A stream redirected to a file, a pipe or NUL is the player's choice and
// stays as it is; a console handle passed on by the prompt, or none at all,
// is not a redirection.
bool redirected(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN
           && GetConsoleMode(handle, &mode) == 0;
}
}  // namespace
#endif

void attachParentConsole()
{
#ifdef _WIN32
    // Each stream is judged on its own: "2>errors.txt" keeps the file for
    // standard error and still shows standard output in the prompt.
    const bool outputKept = redirected(STD_OUTPUT_HANDLE);
    const bool errorKept = redirected(STD_ERROR_HANDLE);
    if (outputKept && errorKept)
        return;
    // Started from Explorer there is no console to attach to, and none is made.
    // A console already attached (Wine attaches a windowed program to its
    // prompt's) is used alike.
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return;
    if (!outputKept && std::freopen("CONOUT$", "w", stdout) == nullptr)
        return;
    if (!errorKept && std::freopen("CONOUT$", "w", stderr) == nullptr)
        return;
#endif
}
