// tevasn sort [--check]
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "Commands.h"
#include "Identifier.h"
#include "LineReader.h"
#include "RecordReader.h"
#include "TevAsnTable.h"
#include "TevAsnTablePtr.h"
#include "Text.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

const char kCommand[] = "sort";

struct Line {
  std::string text;
  std::vector<std::uint32_t> sub_ids;
  unsigned long number;
};

// The identifier at the start of `text` (its first field); false with a
// reason when there is none.
bool first_identifier(std::string_view text, std::vector<std::uint32_t>* sub_ids,
                      std::string* field, std::string* reason) {
  static const char kBlanks[] = " \t\r\n\v\f";
  const std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) {
    *field = "";
    *reason = "no identifier on the line";
    return false;
  }
  std::size_t end = text.find_first_of(kBlanks, start);
  if (end == std::string_view::npos) end = text.size();
  const std::string_view word = text.substr(start, end - start);
  field->assign(word.data(), word.size());
  std::uint32_t ids[ASN_MAX_SUB_IDS];
  unsigned long count = 0;
  CTevAsnBuffer why;
  const long rc = tev_parse_sub_ids(word.data(), static_cast<unsigned long>(word.size()), ids,
                                    ASN_MAX_SUB_IDS, &count, &why);
  if (rc != ASN_OK || count == 0) {
    *reason = rc != ASN_OK ? std::string(why.data(), why.length()) : "empty object identifier";
    return false;
  }
  sub_ids->assign(ids, ids + count);
  return true;
}

// Whether `b` comes after `a` in a walk.
bool comes_after(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  const long relation = tev_compare_sub_ids(a.data(), static_cast<unsigned long>(a.size()),
                                            b.data(), static_cast<unsigned long>(b.size()));
  return relation == 1 || relation == 3;
}

void complain(unsigned long number, const std::string& field, const std::string& reason,
              const char* outcome) {
  report(kCommand,
         "line " + std::to_string(number) + ": " + quoted(field) + ": " + reason + outcome);
}

int check_order() {
  RecordReader reader(stdin);
  std::string_view text;
  std::vector<std::uint32_t> previous;
  std::vector<std::uint32_t> current;
  unsigned long previous_number = 0;
  std::string field;
  std::string reason;
  bool bad = false;
  while (reader.next(&text)) {
    if (!first_identifier(text, &current, &field, &reason)) {
      complain(reader.number(), field, reason, " (skipped)");
      bad = true;
      continue;
    }
    if (previous_number != 0 && !comes_after(previous, current)) {
      std::fwrite(text.data(), 1, text.size(), stdout);
      std::fputc('\n', stdout);
      report(kCommand, "line " + std::to_string(reader.number()) + ": " + quoted(field) +
                           " does not come after line " + std::to_string(previous_number) +
                           " in walk order");
      return kExitBadInput;
    }
    previous.swap(current);
    previous_number = reader.number();
  }
  return bad ? kExitBadInput : kExitOk;
}

}  // namespace

int run_sort(const Args& args) {
  CommandLine line;
  int status = kExitOk;
  if (!start_command(kCommand, args, Options::kSort, &line, &status)) return status;
  std::string reason;
  if (!line.positional.empty()) {
    return usage_error(kCommand, "reads standard input; no arguments besides --check");
  }
  if (line.check) return check_order();

  RecordReader reader(stdin);
  std::string_view text;
  std::vector<Line> lines;
  std::vector<Line> others;  // without an identifier: kept last, in input order
  std::string field;
  while (reader.next(&text)) {
    Line item{std::string(text), {}, reader.number()};
    if (first_identifier(text, &item.sub_ids, &field, &reason)) {
      lines.push_back(std::move(item));
    } else {
      complain(item.number, field, reason, " (kept at the end)");
      others.push_back(std::move(item));
    }
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const Line& a, const Line& b) { return comes_after(a.sub_ids, b.sub_ids); });
  OutputBuffer out(stdout);
  for (const std::vector<Line>* group : {&lines, &others}) {
    for (const Line& item : *group) {
      out.append(item.text);
      out.append('\n');
    }
  }
  return others.empty() ? kExitOk : kExitBadInput;
}

}  // namespace tevasn
