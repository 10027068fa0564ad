// Runs the tevasn program with arguments and standard input, and collects
// what it writes and its exit status.
#ifndef TEVASN_TESTS_TOOLRUNNER_H
#define TEVASN_TESTS_TOOLRUNNER_H

#include <string>
#include <vector>

struct ToolResult {
  int status = -1;  ///< exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

/// Runs the tool built with these tests; `input` becomes its standard input.
ToolResult run_tool(const std::vector<std::string>& args, const std::string& input = "");

#endif  // TEVASN_TESTS_TOOLRUNNER_H
