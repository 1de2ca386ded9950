// Hands files, web addresses and mail links to the desktop, and runs external programs while
// the caller's event processing goes on.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/system/command_line.h"
#include "platform/system/path_resolver.h"

namespace sw {

// Opens a file, a URL or a "mailto:" link with the desktop's handler (xdg-open), detached:
// the call returns at once and leaves no child process behind. Throws VbError 53 when
// xdg-open is not installed or cannot be started; when the handler fails later, a line on
// standard error names the target.
void OpenWithDesktop(std::string_view target);

// Starts the program of a Windows-style command line (see ParseWindowsCommandLine) and waits
// for its end, calling pump after every check (every 100 ms) so that events keep being
// processed. A relative program name is looked up (letter case ignored) in folder, which is
// also the program's working folder; a bare name not found there is searched in PATH.
// Returns the exit status (128 + signal number when it was killed). An exception from pump
// ends the wait and passes on; the program then runs on unwatched.
// Throws VbError when the program cannot be started: 53 File not found, 70 Permission
// denied, 5 for an empty command or any other failure; the description says what failed.
int RunProgramAndWait(std::string_view command_line, const std::filesystem::path& folder,
                      const PathResolver& resolver, const std::function<void()>& pump);

// The same for a program file already found: `file` is started (never searched in PATH)
// with the command's program name and arguments, in `folder`.
int RunFileAndWait(const std::filesystem::path& file, const CommandLine& command,
                   const std::filesystem::path& folder, const std::function<void()>& pump);

}  // namespace sw
