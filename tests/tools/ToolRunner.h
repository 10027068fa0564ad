// Runs the tevasn program with arguments and standard input, and collects
// what it writes and its exit status.
#ifndef TEVASN_TESTS_TOOLRUNNER_H
#define TEVASN_TESTS_TOOLRUNNER_H

#include <ostream>
#include <string>
#include <vector>

struct ToolResult {
  int status = -1;  ///< exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

/// Runs the tool built with these tests; `input` becomes its standard input.
ToolResult run_tool(const std::vector<std::string>& args, const std::string& input = "");

/// Writes a parameterised row as gtest names it on failure: its name and the
/// words it gives the tool ("ipv6_prefix: decode --prefix 1.3 ipv6").
void print_row(const char* name, const std::vector<std::string>& words, std::ostream* os);

#endif  // TEVASN_TESTS_TOOLRUNNER_H
