// Feeds arbitrary bytes to the journal's readers, as `league recover` meets a
// damaged journal, then checks what they read: a journal that decodes writes
// back to the same bytes, and a journal made of the input's pieces and cut
// anywhere reads back as far as it goes, every field it reads true to the
// whole journal.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/store/transaction.h"

namespace {

// The input's pieces between NUL bytes: the operation's name, then a path,
// old and new bytes for each change; an empty piece for old or new bytes
// stands for no file.
league::Journal journal_of(std::string_view bytes) {
  std::vector<std::string> pieces{{}};
  for (const char byte : bytes) {
    if (byte == '\0')
      pieces.emplace_back();
    else
      pieces.back() += byte;
  }
  league::Journal journal{pieces[0], {}};
  const auto contents = [](const std::string& piece) {
    return piece.empty() ? std::nullopt : std::optional<std::string>(piece);
  };
  for (std::size_t i = 1; i + 2 < pieces.size(); i += 3)
    journal.entries.push_back({pieces[i], contents(pieces[i + 1]), contents(pieces[i + 2])});
  return journal;
}

bool fits(const league::JournalRemains::Contents& read, const std::optional<std::string>& whole) {
  return (!read.read && !read.sum) || read.fit(whole);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const auto journal = league::decode_journal(bytes)) {
    if (bytes.starts_with("league journal 2\n") && league::encode_journal(*journal) != bytes)
      std::abort();
  }
  league::read_journal_remains(bytes);

  const league::Journal made = journal_of(bytes);
  const std::string encoded = league::encode_journal(made);
  const auto back = league::decode_journal(encoded);
  if (!back || back->what != made.what || back->entries.size() != made.entries.size()) std::abort();
  // Cut at a place the input picks, the whole journal included.
  const std::size_t cut = size == 0 ? encoded.size() : encoded.size() * data[0] / 255;
  const league::JournalRemains remains = league::read_journal_remains(encoded.substr(0, cut));
  if (!remains.what.empty() && remains.what != made.what) std::abort();
  if (remains.entries.size() > made.entries.size()) std::abort();
  for (std::size_t i = 0; i < remains.entries.size(); ++i) {
    const league::JournalRemains::Entry& entry = remains.entries[i];
    if (entry.path != made.entries[i].path ||
        !fits(entry.old_contents, made.entries[i].old_contents) ||
        !fits(entry.new_contents, made.entries[i].new_contents))
      std::abort();
  }
  return 0;
}
