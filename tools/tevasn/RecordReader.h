// Records of a walk as snmpwalk prints them: a STRING holding newlines spans
// several lines and a long Hex-STRING wraps, so one record is its first line
// and the lines that continue it.
#ifndef TEVASN_TOOL_RECORDREADER_H
#define TEVASN_TOOL_RECORDREADER_H

#include <cstdio>
#include <string>
#include <string_view>

#include "LineReader.h"

namespace tevasn {

/// Every line begins a record except the lines inside a quoted STRING that
/// has not closed yet, and the lines of hex pairs after a Hex-STRING.
class RecordReader {
 public:
  explicit RecordReader(std::FILE* input) : lines_(input) {}

  /// The next record, its lines joined by '\n'; false at the end of the
  /// input. The view is valid until the next call.
  bool next(std::string_view* record);
  /// Number of the first line of the record `next` gave last, from 1.
  unsigned long number() const { return number_; }
  /// Lines of the record `next` gave last.
  unsigned long line_count() const { return line_count_; }

  /// Whether a quoted STRING is still open after `text`, given whether it
  /// was open before it. A record's first line opens one when its value
  /// starts with a quote.
  static bool quote_open_after(std::string_view text, bool open);

 private:
  bool read_line();

  LineReader lines_;
  std::string record_;
  std::string pending_;  // the line read ahead, which begins the next record
  bool has_pending_ = false;
  unsigned long pending_number_ = 0;
  unsigned long number_ = 0;
  unsigned long line_count_ = 0;
};

}  // namespace tevasn

#endif  // TEVASN_TOOL_RECORDREADER_H
