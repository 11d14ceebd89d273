// The modelling-language texts of one type, kept exactly as written: the
// latest text (what the editor shows and a compile reads) and the last text
// that compiled without errors. The "full" text carries both: the good text,
// preceded by the uncompiled latest text as a comment block, so that copying
// or saving a type loses neither and the copy still reads as one definition.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class CTypeTexts {
 public:
  const std::string& Latest() const { return m_latest; }
  // Empty when no text of the type has compiled without errors yet.
  const std::string& Good() const { return m_goodIsLatest ? m_latest : m_good; }
  bool HasGood() const { return m_hasGood; }
  // The latest text differs from the last good one (or there is none).
  bool HasUncompiledEdit() const { return !m_hasGood || (!m_goodIsLatest && m_latest != m_good); }

  // The good text with the latest embedded before it when they differ; the
  // latest text alone when there is no good one or nothing to embed.
  std::string Full() const;

  // A new latest text; the good text stays.
  void SetLatest(std::string text);
  // text compiled without errors: it becomes both the latest and the good text.
  void Accept(std::string text);
  // Restores both texts as they were kept (a file, a copy).
  void Restore(std::string good, std::string latest);
  // Renames the header of both texts (oldName -> newName); texts whose header
  // names something else stay as they are.
  void RenameHeaders(std::string_view oldName, std::string_view newName);

  // The parts of a full text: the embedded latest text, when there is one, and the rest.
  struct FullParts {
    std::optional<std::string> embeddedLatest;
    std::string good;
  };
  static FullParts SplitFull(std::string_view full);
  static std::string EmbedLatest(std::string_view latest, std::string_view good);

 private:
  std::string m_latest;
  std::string m_good;           // unused while m_goodIsLatest (most types: kept once, not twice)
  bool m_hasGood = false;
  bool m_goodIsLatest = false;
};
