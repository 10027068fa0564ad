#include <cctype>
#include <cstdio>

#include "Commands.h"
#include "KnownTables.h"
#include "TevAsnTable.h"
#include "Text.h"

namespace tevasn {

namespace {

bool is_option(const std::string& arg) {
  if (arg.size() < 2 || arg[0] != '-') return false;
  return arg[1] == '-' || std::isalpha(static_cast<unsigned char>(arg[1])) != 0;
}

// A value option: "--NAME VALUE" or "--NAME=VALUE". 0 when `arg` is not
// this option, 1 when it was read, -1 when its value is missing.
int value_option(const Args& args, std::size_t* i, const char* name, std::string* value) {
  const std::string& arg = args[*i];
  const std::string option = std::string("--") + name;
  if (arg.rfind(option + "=", 0) == 0) {
    *value = arg.substr(option.size() + 1);
    return 1;
  }
  if (arg != option) return 0;
  if (*i + 1 == args.size()) return -1;
  *value = args[++*i];
  return 1;
}

// The octet policy of an --octets MODE.
bool octets_mode(const std::string& mode, ETevOctetsAs* as) {
  if (mode == "text") {
    *as = TEV_OCTETS_TEXT;
  } else if (mode == "hex") {
    *as = TEV_OCTETS_HEX;
  } else if (mode == "auto") {
    *as = TEV_OCTETS_AUTO;
  } else {
    return false;
  }
  return true;
}

bool takes_mibs(Options options) {
  return options == Options::kDecode || options == Options::kTable || options == Options::kTables;
}

}  // namespace

bool parse_command_line(const Args& args, Options options, CommandLine* out, std::string* reason) {
  *out = CommandLine();
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    int got = 0;
    std::string mode;
    std::string value;
    if (options_ended || !is_option(arg)) {
      out->positional.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "--help" || arg == "-h") {
      out->help = true;
    } else if (options == Options::kDecode && arg == "--hex") {
      out->octets = TEV_OCTETS_HEX;
    } else if (options == Options::kDecode &&
               (got = value_option(args, &i, "octets", &mode)) != 0) {
      if (got < 0 || !octets_mode(mode, &out->octets)) {
        *reason = "option --octets needs text, hex or auto";
        return false;
      }
    } else if (options == Options::kDecode && arg == "--values") {
      out->values = true;
    } else if (options == Options::kDecode &&
               (got = value_option(args, &i, "table", &out->table)) != 0) {
      if (got < 0) {
        *reason = "option --table needs a table name";
        return false;
      }
      out->has_table = true;
    } else if (options == Options::kTable &&
               (got = value_option(args, &i, "format", &out->format)) != 0) {
      if (got < 0 || (out->format != "tsv" && out->format != "csv" && out->format != "json")) {
        *reason = "option --format needs tsv, csv or json";
        return false;
      }
    } else if (options == Options::kTable && arg == "--numeric") {
      out->numeric = true;
    } else if (takes_mibs(options) && (got = value_option(args, &i, "mib-dir", &value)) != 0) {
      if (got < 0) {
        *reason = "option --mib-dir needs a directory";
        return false;
      }
      out->mib_dirs.push_back(value);
    } else if (takes_mibs(options) && (got = value_option(args, &i, "mib", &value)) != 0) {
      if (got < 0) {
        *reason = "option --mib needs a module name or file";
        return false;
      }
      out->mibs.push_back(value);
    } else if (options == Options::kSort && arg == "--check") {
      out->check = true;
    } else if (options == Options::kDecode &&
               (got = value_option(args, &i, "prefix", &out->prefix)) != 0) {
      if (got < 0) {
        *reason = "option --prefix needs a value";
        return false;
      }
      out->has_prefix = true;
    } else if (options == Options::kDecode &&
               (got = value_option(args, &i, "entry", &out->entry)) != 0) {
      if (got < 0) {
        *reason = "option --entry needs a value";
        return false;
      }
      out->has_entry = true;
    } else {
      *reason = "unknown option " + quoted(arg);
      return false;
    }
  }
  return true;
}

void report(const std::string& command, const std::string& message) {
  std::fprintf(stderr, "tevasn%s%s: %s\n", command.empty() ? "" : " ", command.c_str(),
               message.c_str());
}

int usage_error(const std::string& command, const std::string& message) {
  report(command, message);
  std::fprintf(stderr, "Try 'tevasn %s%s--help'.\n", command.c_str(), command.empty() ? "" : " ");
  return kExitUsage;
}

bool load_mibs(const char* command, const CommandLine& line, KnownTables* known, int* status) {
  *status = kExitOk;
  if (!KnownTables::supported() && (!line.mib_dirs.empty() || !line.mibs.empty())) {
    report(command, "built without MIB support (libsmi): --mib-dir and --mib are not available");
    *status = kExitUsage;
    return false;
  }
  std::vector<std::string> errors;
  if (!known->load(line.mib_dirs, line.mibs, &errors)) *status = kExitBadInput;
  for (const std::string& error : errors) report(command, error);
  return true;
}

bool start_command(const char* command, const Args& args, Options options, CommandLine* line,
                   int* status) {
  std::string reason;
  if (!parse_command_line(args, options, line, &reason)) {
    *status = usage_error(command, reason);
    return false;
  }
  if (line->help) {
    *status = print_help(command) ? kExitOk : kExitUsage;
    return false;
  }
  return true;
}

}  // namespace tevasn
