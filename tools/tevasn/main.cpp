// tevasn: SNMP table index values to instance identifiers and back.
#include <cstdio>
#include <exception>
#include <new>

#include "Commands.h"
#include "Text.h"

using namespace tevasn;

namespace {

int run(const Args& args) {
  if (args.empty()) {
    return usage_error(
        "", "needs a command: encode, decode, show, sort, table, tables, format, parse or help");
  }
  const std::string& command = args[0];
  const Args rest(args.begin() + 1, args.end());
  if (command == "encode") return run_encode(rest);
  if (command == "decode") return run_decode(rest);
  if (command == "show") return run_show(rest);
  if (command == "sort") return run_sort(rest);
  if (command == "format") return run_format(rest);
  if (command == "parse") return run_parse(rest);
  if (command == "table") return run_table(rest);
  if (command == "tables") return run_tables(rest);
  if (command == "--version") {
    std::printf("tevasn %s\n", TEVASN_VERSION);
    return kExitOk;
  }
  if (command == "help" || command == "--help" || command == "-h") {
    const std::string topic = rest.empty() ? "" : rest[0];
    if (rest.size() > 1 || !print_help(topic)) {
      return usage_error("", "no help for " + quoted(topic));
    }
    return kExitOk;
  }
  return usage_error("", "unknown command " + quoted(command));
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const int status = run(Args(argv + 1, argv + argc));
    if (std::fflush(stdout) != 0) {
      std::fputs("tevasn: cannot write the output\n", stderr);
      return kExitBadInput;
    }
    return status;
  } catch (const std::bad_alloc&) {
    std::fputs("tevasn: out of memory\n", stderr);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tevasn: internal error: %s\n", e.what());
  } catch (...) {
    std::fputs("tevasn: internal error\n", stderr);
  }
  return kExitBadInput;
}
