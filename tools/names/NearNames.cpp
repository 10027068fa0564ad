#include "NearNames.h"

#include <algorithm>

namespace tevasn_names {

std::string folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::size_t name_distance(const std::string& key, const std::string& typed) {
  if (typed.size() >= 4 && key.find(typed) != std::string::npos) return 1;
  std::vector<std::size_t> row(key.size() + 1);
  for (std::size_t j = 0; j <= key.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= typed.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= key.size(); ++j) {
      const std::size_t above = row[j];
      row[j] =
          std::min({above + 1, row[j - 1] + 1, diagonal + (typed[i - 1] == key[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  // row[j]: the edits from `typed` to the first j letters of `key`.
  const std::size_t prefix = *std::min_element(row.begin(), row.end()) + 1;
  return std::min(row.back(), prefix);
}

NearNames::NearNames(std::string_view typed)
    : typed_(folded(typed)), most_(std::max<std::size_t>(2, typed.size() / 3)) {}

void NearNames::offer(std::string_view candidate, std::string_view shown) {
  const std::size_t d = name_distance(folded(candidate), typed_);
  if (d > most_) return;
  for (Near& near : near_) {
    if (near.shown == shown) {
      near.distance = std::min(near.distance, d);
      return;
    }
  }
  near_.push_back({d, std::string(shown)});
}

std::vector<std::string> NearNames::best(std::size_t limit) const {
  std::vector<Near> ranked = near_;
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const Near& a, const Near& b) { return a.distance < b.distance; });
  std::vector<std::string> out;
  for (std::size_t i = 0; i < ranked.size() && out.size() < limit; ++i) {
    out.push_back(std::move(ranked[i].shown));
  }
  return out;
}

}  // namespace tevasn_names
