#include "workbench/store/TypeTexts.h"

#include "workbench/language/DefinitionHeader.h"

namespace {

// The comment lines that carry an uncompiled text in front of the good one.
constexpr std::string_view kBegin = "//<uncompiled latest version>";
constexpr std::string_view kEnd = "//</uncompiled latest version>";
constexpr std::string_view kLinePrefix = "//|";

// The line starting at position, without its line feed; position moves past it.
std::string_view NextLine(std::string_view text, std::size_t& position) {
  const std::size_t end = text.find('\n', position);
  const std::size_t stop = end == std::string_view::npos ? text.size() : end;
  std::string_view line = text.substr(position, stop - position);
  position = end == std::string_view::npos ? text.size() : end + 1;
  return line;
}

}  // namespace

std::string CTypeTexts::EmbedLatest(std::string_view latest, std::string_view good) {
  std::string full;
  full.reserve(latest.size() + good.size() + 64);
  full.append(kBegin).push_back('\n');
  // Every line of latest, the last (possibly empty) piece included, so the
  // text comes back byte for byte whether or not it ends with a line feed.
  std::size_t start = 0;
  while (true) {
    const std::size_t end = latest.find('\n', start);
    full.append(kLinePrefix);
    full.append(latest.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    full.push_back('\n');
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  full.append(kEnd).push_back('\n');
  full.append(good);
  return full;
}

CTypeTexts::FullParts CTypeTexts::SplitFull(std::string_view full) {
  FullParts parts;
  parts.good = std::string(full);
  // The block may follow other comments (a file's own) that belong to the good text.
  std::size_t position = 0;
  std::size_t blockStart = std::string_view::npos;
  while (position < full.size()) {
    const std::size_t lineStart = position;
    if (NextLine(full, position) == kBegin) {
      blockStart = lineStart;
      break;
    }
  }
  if (blockStart == std::string_view::npos) return parts;
  std::string latest;
  bool first = true;
  while (position < full.size()) {
    std::string_view line = NextLine(full, position);
    if (line == kEnd) {
      parts.embeddedLatest = std::move(latest);
      parts.good = std::string(full.substr(0, blockStart)) + std::string(full.substr(position));
      return parts;
    }
    if (line.substr(0, kLinePrefix.size()) != kLinePrefix) return parts;  // damaged block: keep the text whole
    if (!first) latest.push_back('\n');
    latest.append(line.substr(kLinePrefix.size()));
    first = false;
  }
  return parts;
}

std::string CTypeTexts::Full() const {
  if (!HasUncompiledEdit() || !m_hasGood) return m_latest;
  return EmbedLatest(m_latest, m_good);
}

void CTypeTexts::SetLatest(std::string text) {
  if (m_goodIsLatest) {
    m_good = std::move(m_latest);
    m_goodIsLatest = false;
  }
  m_latest = std::move(text);
}

void CTypeTexts::Accept(std::string text) {
  m_latest = std::move(text);
  m_good.clear();
  m_hasGood = true;
  m_goodIsLatest = true;
}

void CTypeTexts::Restore(std::string good, std::string latest) {
  m_hasGood = !good.empty();
  m_goodIsLatest = m_hasGood && good == latest;
  m_good = m_goodIsLatest ? std::string() : std::move(good);
  m_latest = std::move(latest);
}

void CTypeTexts::RenameHeaders(std::string_view oldName, std::string_view newName) {
  if (std::optional<std::string> renamed = RenameDefinitionHeader(m_latest, oldName, newName))
    m_latest = std::move(*renamed);
  if (!m_hasGood || m_goodIsLatest) return;
  if (std::optional<std::string> renamed = RenameDefinitionHeader(m_good, oldName, newName))
    m_good = std::move(*renamed);
}
