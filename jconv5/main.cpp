// jconv5: builds JFile 5 databases from Tomekit's CSV + IFO and turns JFile
// databases back into CSV. See jconv5/pdb/CommandLine.h for the contract.
#include "jconv5/pdb/CommandLine.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return jconv5::RunJconv5(args, std::cerr);
}
