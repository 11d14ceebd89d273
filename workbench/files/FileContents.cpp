#include "workbench/files/FileContents.h"

#include <algorithm>

#include "workbench/language/TextCase.h"

FileOwnedItems& FileContents::OwnedBy(const std::string& owner) {
  for (FileOwnedItems& items : owned)
    if (EqualsNoCase(items.owner, owner)) return items;
  owned.push_back(FileOwnedItems{});
  owned.back().owner = owner;
  return owned.back();
}

const FileOwnedItems* FileContents::FindOwned(const std::string& owner) const {
  for (const FileOwnedItems& items : owned)
    if (EqualsNoCase(items.owner, owner)) return &items;
  return nullptr;
}

const FileDefinition* FileContents::FindDefinition(const std::string& name) const {
  for (const FileDefinition& d : definitions)
    if (EqualsNoCase(d.name, name)) return &d;
  return nullptr;
}

namespace {

bool HoldsNothing(const FileOwnedItems& items) {
  return items.forms.empty() && items.icons.empty() && items.scripts.empty() && items.tasks.empty() &&
         items.defaultForm.empty() && items.defaultIcon.empty();
}

std::vector<const FileOwnedItems*> NonEmptySorted(const std::vector<FileOwnedItems>& list) {
  std::vector<const FileOwnedItems*> out;
  for (const FileOwnedItems& items : list)
    if (!HoldsNothing(items)) out.push_back(&items);
  std::stable_sort(out.begin(), out.end(), [](const FileOwnedItems* x, const FileOwnedItems* y) {
    return LowerAscii(x->owner) < LowerAscii(y->owner);
  });
  return out;
}

}  // namespace

bool SameOwnedItems(const std::vector<FileOwnedItems>& a, const std::vector<FileOwnedItems>& b) {
  const auto x = NonEmptySorted(a);
  const auto y = NonEmptySorted(b);
  if (x.size() != y.size()) return false;
  for (std::size_t i = 0; i < x.size(); ++i)
    if (!EqualsNoCase(x[i]->owner, y[i]->owner) || !(*x[i] == *y[i])) return false;
  return true;
}
