// scenewright-vbs: runs VBScript files the way the player's host does, for authors checking
// their procedures. Usage: scenewright-vbs FILE...
#include <fstream>
#include <iostream>
#include <sstream>

#include "vbsrunner/runner.h"
#include "vbsrunner/terminal_text.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: scenewright-vbs FILE...\n";
    return 2;
  }
  std::vector<sw::vbsrunner::ScriptFile> files;
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::cerr << argv[i] << ": cannot open file\n";
      return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    files.push_back({argv[i], sw::vbsrunner::ScriptFileText(text.str())});
  }
  return sw::vbsrunner::RunScripts(files, std::cout, std::cerr);
}
