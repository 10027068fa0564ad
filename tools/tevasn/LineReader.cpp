#include "LineReader.h"

#include <cstring>

namespace tevasn {

bool LineReader::next(std::string_view* line) {
  while (true) {
    const char* start = block_.data() + begin_;
    const void* newline = std::memchr(start, '\n', end_ - begin_);
    if (newline != nullptr) {
      const std::size_t length = static_cast<const char*>(newline) - start;
      *line = std::string_view(start, length);
      begin_ += length + 1;
      ++number_;
      return true;
    }
    if (eof_) {
      if (begin_ == end_) return false;
      *line = std::string_view(start, end_ - begin_);  // the last line has no newline
      begin_ = end_;
      ++number_;
      return true;
    }
    // Keep the unfinished line, make room (a line longer than the block
    // doubles it), and read more.
    std::memmove(block_.data(), start, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    if (end_ == block_.size()) block_.resize(block_.size() * 2);
    const std::size_t got = std::fread(block_.data() + end_, 1, block_.size() - end_, input_);
    end_ += got;
    if (got == 0) eof_ = true;
  }
}

}  // namespace tevasn
