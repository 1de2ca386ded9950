// Where a loaded game resumes: the project's "Resume" file may name another frame for the
// frame a game was saved on.
#pragma once

#include <string>

namespace sw {

class CaseFolder;
class GameRuntime;
class ValueReader;

// The frame play resumes on for a game saved on `frameName`: the second name of the last pair
// of the resume file whose first name equals it without regard to case and whose second name
// is not empty; `frameName` itself when there is none, no file, or the file cannot be read.
std::string GetResumeLocation(GameRuntime& runtime, const std::string& frameName);
// The same, from the resume file's values (six values the player ignores, then the pairs).
std::string ResumeLocationIn(ValueReader& reader, const std::string& frameName,
                             const CaseFolder& letters);

}  // namespace sw
