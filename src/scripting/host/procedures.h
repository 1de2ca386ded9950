// Loading the project's procedures file ("Procedures" in the configuration folder): three
// header lines, then the source, scrambled line by line when the project says so.
#pragma once

#include <string>

namespace sw {

class GameRuntime;

// The procedures text from a file's bytes: header lines skipped, lines joined with CR LF,
// no line break after the last. Throws VbError 62 when the file ends within its header.
std::string ProceduresFromBytes(const std::string& bytes, bool scrambled, int16_t nameSum);

// Reads the project's procedures as the game does before every new game: empty when there
// is no file; on a failure the message "Error loading projet procedures." and empty text.
std::string LoadProcedures(GameRuntime& runtime);

}  // namespace sw
