#include "ToolRunner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// A temporary file that is removed with its object.
class TempFile {
 public:
  TempFile() {
    const char* dir = std::getenv("TMPDIR");
    path_ = std::string(dir != nullptr ? dir : "/tmp") + "/tevasn-test-XXXXXX";
    const int fd = mkstemp(path_.data());
    if (fd >= 0) close(fd);
  }
  ~TempFile() { unlink(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::string& path() const { return path_; }
  void write(const std::string& content) const {
    std::ofstream(path_, std::ios::binary) << content;
  }
  std::string read() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }

 private:
  std::string path_;
};

void redirect(const std::string& path, int flags, int target) {
  const int fd = open(path.c_str(), flags, 0600);
  if (fd < 0 || dup2(fd, target) < 0) _exit(126);
  close(fd);
}

}  // namespace

ToolResult run_tool(const std::vector<std::string>& args, const std::string& input) {
  TempFile in;
  TempFile out;
  TempFile err;
  in.write(input);
  // The emulator's words (separated by '|') come first, when the build has one.
  std::vector<std::string> words;
  std::istringstream emulator(TEVASN_TOOL_EMULATOR);
  for (std::string word; std::getline(emulator, word, '|');) {
    if (!word.empty()) words.push_back(word);
  }
  words.emplace_back(TEVASN_TOOL);
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    redirect(in.path(), O_RDONLY, 0);
    redirect(out.path(), O_WRONLY | O_TRUNC, 1);
    redirect(err.path(), O_WRONLY | O_TRUNC, 2);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  ToolResult result;
  int wait_status = 0;
  if (child > 0 && waitpid(child, &wait_status, 0) == child && WIFEXITED(wait_status)) {
    result.status = WEXITSTATUS(wait_status);
  }
  result.out = out.read();
  result.err = err.read();
  return result;
}

void print_row(const char* name, const std::vector<std::string>& words, std::ostream* os) {
  *os << name << ":";
  for (const std::string& word : words) *os << ' ' << word;
}
