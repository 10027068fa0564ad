#include <cctype>
#include <cstdio>

#include "Commands.h"
#include "Text.h"

namespace tevasn {

namespace {

bool is_option(const std::string& arg) {
  if (arg.size() < 2 || arg[0] != '-') return false;
  return arg[1] == '-' || std::isalpha(static_cast<unsigned char>(arg[1])) != 0;
}

}  // namespace

bool parse_command_line(const Args& args, bool decode_options, CommandLine* out,
                        std::string* reason) {
  *out = CommandLine();
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || !is_option(arg)) {
      out->positional.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "--help" || arg == "-h") {
      out->help = true;
    } else if (decode_options && arg == "--hex") {
      out->hex = true;
    } else if (decode_options && arg.rfind("--prefix=", 0) == 0) {
      out->has_prefix = true;
      out->prefix = arg.substr(9);
    } else if (decode_options && arg == "--prefix") {
      if (i + 1 == args.size()) {
        *reason = "option --prefix needs a value";
        return false;
      }
      out->has_prefix = true;
      out->prefix = args[++i];
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

}  // namespace tevasn
