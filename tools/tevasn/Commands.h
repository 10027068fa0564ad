// The commands of tevasn. Each takes the arguments after its name, writes its
// results to standard output and its complaints to standard error, and
// returns the exit status.
#ifndef TEVASN_TOOL_COMMANDS_H
#define TEVASN_TOOL_COMMANDS_H

#include <string>
#include <vector>

#include "TevAsnTypes.h"

namespace tevasn {

constexpr int kExitOk = 0;        ///< everything worked
constexpr int kExitBadInput = 1;  ///< some value or identifier was bad
constexpr int kExitUsage = 2;     ///< the command line itself was wrong

using Args = std::vector<std::string>;

int run_encode(const Args& args);
int run_decode(const Args& args);
int run_show(const Args& args);
int run_sort(const Args& args);
int run_format(const Args& args);  // Format.cpp
int run_parse(const Args& args);   // Format.cpp
int run_table(const Args& args);   // Table.cpp
int run_tables(const Args& args);  // Table.cpp

/// Prints the help of format or parse; false for any other command.
bool print_display_help(const std::string& command);

/// Prints the help of `command` ("" for the tool) to standard output; false
/// when there is no such command.
bool print_help(const std::string& command);

/// Prints "tevasn COMMAND: message" and a hint to standard error; returns kExitUsage.
int usage_error(const std::string& command, const std::string& message);

/// Prints "tevasn COMMAND: message" to standard error.
void report(const std::string& command, const std::string& message);

/// The options and positional arguments of one command line.
struct CommandLine {
  bool help = false;
  /// decode's octet policy.
  ETevOctetsAs octets = TEV_OCTETS_AUTO;
  bool values = false;
  bool check = false;
  bool has_prefix = false;
  std::string prefix;
  bool has_entry = false;
  std::string entry;
  bool has_table = false;
  std::string table;
  /// table's output: tsv, csv or json.
  std::string format = "tsv";
  bool numeric = false;
  /// MIB modules to load: every module file of each --mib-dir, each --mib.
  std::vector<std::string> mib_dirs;
  std::vector<std::string> mibs;
  Args positional;
};

/// Which options a command takes besides --help.
enum class Options {
  kNone,    ///< --help only
  kDecode,  ///< --octets MODE, --hex, --values, --prefix BASE, --entry ENTRY, --table NAME
  kSort,    ///< --check
  kTable,   ///< --format FORMAT, --numeric
  kTables   ///< --mib-dir DIR and --mib MODULE only (which kDecode and kTable take too)
};

/// Splits `args` into options and positional arguments. An argument starting
/// with "-" and a letter, or with "--", is an option; "--" ends the options.
/// False with a reason for an unknown or incomplete option.
bool parse_command_line(const Args& args, Options options, CommandLine* out, std::string* reason);

class KnownTables;

/// Loads the MIB modules of --mib-dir and --mib into `known`, reporting each
/// one not loaded. False when the command must stop (the tool is built
/// without MIB support: *status is kExitUsage); otherwise *status is
/// kExitBadInput when a module was not loaded, else kExitOk.
bool load_mibs(const char* command, const CommandLine& line, KnownTables* known, int* status);

/// The start of every command: reads `args` into `line`. False when the
/// command is already done (a usage error reported, or --help printed), with
/// the exit status in `*status`.
bool start_command(const char* command, const Args& args, Options options, CommandLine* line,
                   int* status);

}  // namespace tevasn

#endif  // TEVASN_TOOL_COMMANDS_H
