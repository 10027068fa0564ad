// Reading standard input line by line in large blocks, and writing standard
// output through one large buffer: a walk of a million lines costs a few
// hundred reads and writes, not a call per line.
#ifndef TEVASN_TOOL_LINEREADER_H
#define TEVASN_TOOL_LINEREADER_H

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tevasn {

class LineReader {
 public:
  explicit LineReader(std::FILE* input) : input_(input), block_(1 << 16) {}

  /// The next line without its end-of-line character; false at the end of
  /// the input. The view is valid until the next call.
  bool next(std::string_view* line);
  /// Number of the line `next` gave last, from 1.
  unsigned long number() const { return number_; }

 private:
  std::FILE* input_;
  std::vector<char> block_;
  std::size_t begin_ = 0;  // start of the unread part of block_
  std::size_t end_ = 0;    // end of the data in block_
  bool eof_ = false;
  unsigned long number_ = 0;
};

class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* output) : output_(output) { text_.reserve(kFlushAt + 4096); }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;
  ~OutputBuffer() { flush(); }

  void append(std::string_view text) {
    text_.append(text.data(), text.size());
    if (text_.size() >= kFlushAt) flush();
  }
  void append(char c) { text_.push_back(c); }
  void flush() {
    if (!text_.empty()) std::fwrite(text_.data(), 1, text_.size(), output_);
    text_.clear();
  }

 private:
  static constexpr std::size_t kFlushAt = 1 << 16;
  std::FILE* output_;
  std::string text_;
};

}  // namespace tevasn

#endif  // TEVASN_TOOL_LINEREADER_H
