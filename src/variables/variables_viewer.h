// The Debug menu's "View variables status...": every integer and variant variable with its
// value, in information boxes of at most 25 lines.
#pragma once

#include <string>
#include <vector>

namespace sw {

class GameRuntime;
class VariableStore;

// The listing, one entry a line: an introduction, the integer variables, the variant
// variables. Throws VbError when a value cannot be turned into text.
std::vector<std::string> VariablesStatusLines(const VariableStore& store);

// The listing cut into the texts of its boxes (CR LF line breaks): a new box every 25 lines,
// each later box starting with a line of 52 blanks, the last one ending with an extra CR LF.
std::vector<std::string> VariablesStatusPages(const std::vector<std::string>& lines);

// Shows the boxes; an error shows "Error displaying variables status. " and its description.
void ViewVariablesStatus(GameRuntime& runtime, const VariableStore& store);

}  // namespace sw
