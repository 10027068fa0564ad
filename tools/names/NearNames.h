// NearNames: the names nearest to one a user typed, for "did you mean" in the
// tool's messages (layout words, tables of loaded MIB modules). Names are
// compared in lower case.
#ifndef TEVASN_NAMES_NEARNAMES_H
#define TEVASN_NAMES_NEARNAMES_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tevasn_names {

/// `text` with ASCII letters in lower case.
std::string folded(std::string_view text);

/// How far `typed` is from `key` (both folded): the edits that turn one into
/// the other, or one more than the edits to a start of `key` when fewer; a
/// `typed` of four or more letters inside `key` counts as 1.
std::size_t name_distance(const std::string& key, const std::string& typed);

/// Gathers candidates near a typed name; each is offered under the name to
/// show for it (a table offered by its entry name is shown by its table name).
class NearNames {
 public:
  explicit NearNames(std::string_view typed);

  /// Considers `candidate`; near enough (within a third of the typed length,
  /// at least 2) it may be shown as `shown`.
  void offer(std::string_view candidate, std::string_view shown);

  /// At most `limit` shown names, nearest first, in offer order among equals,
  /// each once.
  std::vector<std::string> best(std::size_t limit) const;

 private:
  struct Near {
    std::size_t distance;
    std::string shown;
  };
  std::string typed_;
  std::size_t most_;
  std::vector<Near> near_;
};

}  // namespace tevasn_names

#endif  // TEVASN_NAMES_NEARNAMES_H
