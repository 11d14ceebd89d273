// What the user changed on the flowsheet's variables (value, fixing status,
// bounds), by variable path. Kept in the simulation file and applied over
// the declarations and the flowsheet's Spec statements at every instantiation.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "workbench/simulation/Flowsheet.h"

struct VariableChange {
  std::optional<double> value;
  std::optional<VariableSpec> spec;
  std::optional<double> lower;
  std::optional<double> upper;

  bool Empty() const { return !value && !spec && !lower && !upper; }
  // Sets on target (a variable, or a change kept earlier) what this change holds.
  template <class Target>
  void ApplyTo(Target& target) const {
    if (value) target.value = *value;
    if (spec) target.spec = *spec;
    if (lower) target.lower = *lower;
    if (upper) target.upper = *upper;
  }
};

// Lower-case path -> (path as the user named it, change). Ordered, so a file
// writes the changes in the same order every time.
class CFlowsheetValues {
 public:
  struct Entry {
    std::string path;
    VariableChange change;
  };

  VariableChange* Find(std::string_view path);
  const VariableChange* Find(std::string_view path) const;
  VariableChange& Change(const std::string& path);
  void Remove(std::string_view path);
  // Changes under a unit follow its new name ("T101.Level" -> "T105.Level").
  void RenameUnit(std::string_view oldPath, std::string_view newPath);
  // Forgets the changes of a unit and of everything inside it.
  void RemoveUnit(std::string_view path);
  const std::map<std::string, Entry>& Entries() const { return m_entries; }
  void Clear() { m_entries.clear(); }

 private:
  std::map<std::string, Entry> m_entries;
};
