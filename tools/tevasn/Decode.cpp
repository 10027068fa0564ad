// tevasn decode [--octets MODE] [--values] (--prefix BASE | --entry ENTRY) TYPE... [OID...]
// tevasn decode [--octets MODE] [--values] [--table NAME] [OID...]
#include <charconv>
#include <cstdio>
#include <unordered_map>

#include "Commands.h"
#include "Identifier.h"
#include "KnownTables.h"
#include "LineReader.h"
#include "RecordReader.h"
#include "TevAsnCatalog.h"
#include "TevAsnTablePtr.h"
#include "Text.h"
#include "Types.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

const char kCommand[] = "decode";

// Decodes instance identifiers below a column (--prefix) or a table entry
// (--entry) with the companion library, one row object reused for all.
class Decoder {
 public:
  Decoder(Identifier prefix, TevAsnIndexLayoutPtr layout, ETevOctetsAs octets)
      : prefix_(std::move(prefix)), layout_(std::move(layout)), octets_(octets) {}
  // `label`, when not empty, begins every line (the table's name).
  Decoder(TevAsnTableEntryPtr entry, ETevOctetsAs octets, std::string label = "")
      : entry_(std::move(entry)), octets_(octets), label_(std::move(label)) {}

  bool make_row(std::string* reason) {
    const ITevAsnIndexLayout* layout = entry_ != nullptr ? entry_->get_layout() : layout_.get();
    long err = ASN_OK;
    row_.reset(layout->create_row(&err));
    if (row_ == nullptr) *reason = tev_error_message(err);
    return row_ != nullptr;
  }

  // Decodes one identifier and adds its line to `out`, or says why not. With
  // `value` (--values) the line ends in a TAB and that text as it is.
  bool decode(std::string_view field, const std::string_view* value, OutputBuffer* out,
              std::string* reason) {
    std::uint32_t sub_ids[ASN_MAX_SUB_IDS];
    unsigned long count = 0;
    long rc = tev_parse_sub_ids(field.data(), static_cast<unsigned long>(field.size()), sub_ids,
                                ASN_MAX_SUB_IDS, &count, &why_);
    if (rc == ASN_OK && count == 0) return refuse("empty object identifier", reason);
    if (rc == ASN_OK) {
      if (entry_ != nullptr) {
        rc = entry_->split(sub_ids, count, nullptr, row_.get(), &why_);
      } else {
        const std::size_t n = prefix_.sub_ids.size();
        const long relation = tev_compare_sub_ids(prefix_.sub_ids.data(),
                                                  static_cast<unsigned long>(n), sub_ids, count);
        if (relation == 0) return refuse("is the prefix itself, with no index after it", reason);
        if (relation != 1) return refuse("does not lie below the prefix " + prefix_.dotted, reason);
        rc = layout_->decode(sub_ids + n, count - static_cast<unsigned long>(n), row_.get(), &why_);
        if (rc != ASN_OK) return refuse(words_of(rc) + entry_hint(sub_ids, count), reason);
      }
    }
    unsigned long length = 0;
    const char* text = rc == ASN_OK ? row_->get_text(octets_, &length, &rc) : nullptr;
    if (rc != ASN_OK) return refuse(words_of(rc), reason);
    if (!label_.empty()) {
      out->append(label_);
      out->append('\t');
    }
    if (entry_ != nullptr) {
      char column[24];
      char* end = std::to_chars(column, column + sizeof column - 1, row_->get_column()).ptr;
      *end++ = '\t';
      out->append(std::string_view(column, static_cast<std::size_t>(end - column)));
    }
    out->append(std::string_view(text, length));
    if (value != nullptr) {
      out->append('\t');
      out->append(*value);
    }
    out->append('\n');
    return true;
  }

 private:
  std::string words_of(long rc) const {
    return why_.length() != 0 ? std::string(why_.data(), why_.length()) : tev_error_message(rc);
  }

  // When the prefix ends in .1 and the identifier decodes once the
  // sub-identifier after it is taken as a column, the prefix is most likely a
  // table entry: says so, and what to use instead.
  std::string entry_hint(const std::uint32_t* sub_ids, unsigned long count) {
    const std::size_t n = prefix_.sub_ids.size();
    if (n == 0 || prefix_.sub_ids[n - 1] != 1 || count < n + 2 || sub_ids[n] == 0) return "";
    const long rc = layout_->decode(sub_ids + n + 1, count - static_cast<unsigned long>(n) - 1,
                                    row_.get(), nullptr);
    if (rc != ASN_OK) return "";
    return "; " + prefix_.dotted + " looks like a table entry with column " +
           std::to_string(sub_ids[n]) + " after it: use --entry " + prefix_.dotted;
  }

  bool refuse(const std::string& words, std::string* reason) {
    *reason = words;
    why_.assign(nullptr, 0);
    return false;
  }

  Identifier prefix_;
  TevAsnIndexLayoutPtr layout_;
  TevAsnTableEntryPtr entry_;
  TevAsnIndexRowPtr row_;
  ETevOctetsAs octets_;
  std::string label_;
  CTevAsnBuffer why_;
};

// A decoder of a catalogue table's entry; null with a reason when its layout
// cannot be made.
std::unique_ptr<Decoder> table_decoder(const TevCatalogTable& table, ETevOctetsAs octets,
                                       bool labelled, std::string* reason) {
  CTevAsnBuffer why;
  long err = ASN_OK;
  TevAsnTableEntryPtr entry(tev_create_table_entry(table.entry_oid, table.layout, &why, &err));
  if (entry == nullptr) {
    *reason = why.length() != 0 ? std::string(why.data(), why.length()) : tev_error_message(err);
    return nullptr;
  }
  auto decoder =
      std::make_unique<Decoder>(std::move(entry), octets, labelled ? table.name : std::string());
  if (!decoder->make_row(reason)) return nullptr;
  return decoder;
}

// The decoder of each identifier: the one the command line names, or, with
// none named, the one of the known table the identifier lies in.
class Decoders {
 public:
  explicit Decoders(std::unique_ptr<Decoder> only) : only_(std::move(only)) {}
  Decoders(const KnownTables* known, ETevOctetsAs octets) : known_(known), octets_(octets) {}

  Decoder* find(std::string_view field, std::string* reason) {
    if (only_ != nullptr) return only_.get();
    std::uint32_t sub_ids[ASN_MAX_SUB_IDS];
    unsigned long count = 0;
    CTevAsnBuffer why;
    if (tev_parse_sub_ids(field.data(), static_cast<unsigned long>(field.size()), sub_ids,
                          ASN_MAX_SUB_IDS, &count, &why) != ASN_OK) {
      *reason = std::string(why.data(), why.length());
      return nullptr;
    }
    const TevCatalogTable* table = known_->find_by_oid(sub_ids, count);
    if (table == nullptr) {
      *reason = "lies in no known table";
      return nullptr;
    }
    std::unique_ptr<Decoder>& decoder = by_table_[table];
    if (decoder == nullptr) decoder = table_decoder(*table, octets_, true, reason);
    return decoder.get();
  }

 private:
  std::unique_ptr<Decoder> only_;
  const KnownTables* known_ = nullptr;
  ETevOctetsAs octets_ = TEV_OCTETS_AUTO;
  std::unordered_map<const TevCatalogTable*, std::unique_ptr<Decoder>> by_table_;
};

// Decodes one identifier and prints its row or the complaint, naming the
// input line when there is one (`line` 0: an argument); false when bad.
bool decode_and_print(Decoders* decoders, std::string_view field, const std::string_view* value,
                      unsigned long line, OutputBuffer* out) {
  std::string reason;
  Decoder* decoder = decoders->find(field, &reason);
  if (decoder == nullptr || !decoder->decode(field, value, out, &reason)) {
    out->flush();
    const std::string where = line == 0 ? "" : "line " + std::to_string(line) + ": ";
    report(kCommand, where + quoted(field) + ": " + reason);
    return false;
  }
  return true;
}

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The value part of a walk line: what follows the first " = ", as it is
// (tabs included); empty when the line has none.
std::string_view value_part(std::string_view line) {
  const std::size_t equals = line.find(" = ");
  return equals == std::string_view::npos ? std::string_view() : line.substr(equals + 3);
}

int decode_standard_input(Decoders* decoders, bool values) {
  RecordReader reader(stdin);
  OutputBuffer out(stdout);
  std::string_view line;
  unsigned long identifiers = 0;
  bool bad = false;
  while (reader.next(&line)) {
    // The first field: from the first non-blank to the next blank.
    std::size_t start = 0;
    while (start < line.size() && is_blank(line[start])) ++start;
    if (start == line.size()) continue;  // a blank line
    std::size_t end = start;
    while (end < line.size() && !is_blank(line[end])) ++end;
    ++identifiers;
    const std::string_view value = value_part(line);
    if (!decode_and_print(decoders, line.substr(start, end - start), values ? &value : nullptr,
                          reader.number(), &out)) {
      bad = true;
    }
  }
  out.flush();
  if (identifiers == 0) {
    report(kCommand, "no identifiers on standard input");
    return kExitBadInput;
  }
  return bad ? kExitBadInput : kExitOk;
}

}  // namespace

int run_decode(const Args& args) {
  CommandLine line;
  int status = kExitOk;
  if (!start_command(kCommand, args, Options::kDecode, &line, &status)) return status;
  std::string reason;
  if (line.has_prefix + line.has_entry + line.has_table > 1) {
    return usage_error(kCommand, "takes one of --prefix, --entry and --table");
  }
  // TYPEs come first; the first argument that starts like an identifier
  // begins the identifiers.
  std::size_t first_oid = 0;
  std::vector<std::string> words;
  for (; first_oid < line.positional.size(); ++first_oid) {
    const std::string& arg = line.positional[first_oid];
    if (!arg.empty() && (arg[0] == '.' || (arg[0] >= '0' && arg[0] <= '9'))) break;
    words.push_back(arg);
  }
  const bool by_name = !line.has_prefix && !line.has_entry;
  if (by_name && !words.empty()) {
    return usage_error(kCommand,
                       "takes no TYPE without --prefix or --entry (the table's layout "
                       "comes from the catalogue): " +
                           quoted(words[0]));
  }
  if (!by_name && words.empty()) return usage_error(kCommand, "needs at least one TYPE");
  if (line.values && first_oid != line.positional.size()) {
    return usage_error(kCommand, "--values reads standard input, not OID arguments");
  }

  KnownTables known;
  int loaded = kExitOk;
  if (!load_mibs(kCommand, line, &known, &loaded)) return loaded;
  std::unique_ptr<Decoders> decoders;
  if (line.has_table) {
    const TevCatalogTable* table = known.find(line.table, &reason);
    if (table == nullptr) {
      report(kCommand, reason);
      return kExitBadInput;
    }
    std::unique_ptr<Decoder> decoder = table_decoder(*table, line.octets, false, &reason);
    if (decoder == nullptr) {
      report(kCommand, std::string(table->name) + ": " + reason);
      return kExitBadInput;
    }
    decoders = std::make_unique<Decoders>(std::move(decoder));
  } else if (by_name) {
    decoders = std::make_unique<Decoders>(&known, line.octets);
  } else {
    std::unique_ptr<Decoder> decoder;
    if (line.has_prefix) {
      Identifier prefix;
      if (!parse_identifier(line.prefix, false, &prefix, &reason)) {
        return usage_error(kCommand, "prefix " + quoted(line.prefix) + ": " + reason);
      }
      TevAsnIndexLayoutPtr layout;
      std::vector<TypeChoice> types;
      if (!parse_layout(words, 0, &layout, &types, &reason, true)) {
        return usage_error(kCommand, reason);
      }
      decoder = std::make_unique<Decoder>(std::move(prefix), std::move(layout), line.octets);
    } else {
      // The layout alone first: its reasons count the user's arguments.
      TevAsnIndexLayoutPtr layout;
      std::vector<TypeChoice> types;
      std::string text;
      if (!parse_layout(words, 0, &layout, &types, &reason, true) ||
          !entry_layout_text(words, &text, &reason)) {
        return usage_error(kCommand, reason);
      }
      CTevAsnBuffer why;
      long err = ASN_OK;
      TevAsnTableEntryPtr entry(
          tev_create_table_entry(line.entry.c_str(), text.c_str(), &why, &err));
      if (entry == nullptr) {
        return usage_error(kCommand, why.length() != 0 ? std::string(why.data(), why.length())
                                                       : std::string(tev_error_message(err)));
      }
      decoder = std::make_unique<Decoder>(std::move(entry), line.octets);
    }
    if (!decoder->make_row(&reason)) {
      report(kCommand, "cannot make a row: " + reason);
      return kExitBadInput;
    }
    decoders = std::make_unique<Decoders>(std::move(decoder));
  }
  if (first_oid == line.positional.size()) {
    const int status = decode_standard_input(decoders.get(), line.values);
    return status != kExitOk ? status : loaded;
  }
  OutputBuffer out(stdout);
  bool bad = false;
  for (std::size_t i = first_oid; i < line.positional.size(); ++i) {
    if (!decode_and_print(decoders.get(), line.positional[i], nullptr, 0, &out)) bad = true;
  }
  return bad ? kExitBadInput : loaded;
}

}  // namespace tevasn
