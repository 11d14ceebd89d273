// A dialog as a person reads it, one line per control. The command line
// prints these lines and tests compare them, so the form stays stable.
#include <algorithm>

#include "platform/Dialog.h"
#include "platform/Menu.h"

namespace {

constexpr int kMostListedItems = 100;

bool TakesLabel(const CDialogItem& item) {
  return item.IsEditKind() || item.HasItems();
}

// "&Name" reads "Name"; "Print Level :" reads "Print Level".
std::string LabelText(const std::string& text) {
  std::string plain = PlainMenuText(text);
  std::size_t end = plain.find_last_not_of(" :");
  return end == std::string::npos ? std::string() : plain.substr(0, end + 1);
}

std::string OneLine(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    if (text[i] == '\n') {
      out += "\\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string StateSuffix(const CDialogItem& item) {
  std::string suffix;
  if (!item.IsWindowEnabled()) suffix += " (disabled)";
  return suffix;
}

std::string CheckMark(int check) {
  if (check == BST_CHECKED) return "[x]";
  if (check == BST_UNCHECKED) return "[ ]";
  return "[-]";
}

// The name in front of a value: the label just before it in template order, or the control's kind and id.
std::string NameOf(const CDialogItem& item, const CDialogItem* before) {
  if (before && before->Kind() == ControlKind::Static) {
    std::string label = LabelText(before->GetWindowText());
    if (!label.empty()) return label;
  }
  return std::string(ControlKindName(item.Kind())) + " " + std::to_string(static_cast<int>(item.GetDlgCtrlID()));
}

void DescribeEntries(const CDialogItem& item, std::vector<std::string>& lines) {
  int count = item.GetCount();
  int shown = std::min(count, kMostListedItems);
  for (int i = 0; i < shown; ++i) {
    std::string line = i == item.GetCurSel() ? "    > " : "      ";
    if (item.Kind() == ControlKind::CheckListBox) line += CheckMark(item.GetItemCheck(i)) + " ";
    lines.push_back(line + OneLine(item.GetItemText(i)));
  }
  if (count > shown) lines.push_back("      ... (" + std::to_string(count - shown) + " more)");
}

void DescribeItem(const CDialogItem& item, const CDialogItem* before, std::vector<std::string>& lines) {
  std::string text = OneLine(PlainMenuText(item.GetWindowText()));
  switch (item.Kind()) {
    case ControlKind::Static:
      if (!text.empty()) lines.push_back("  " + text);
      return;
    case ControlKind::GroupBox:
      if (!text.empty()) lines.push_back("  -- " + text + " --");
      return;
    case ControlKind::Edit:
    case ControlKind::RichEdit:
      lines.push_back("  " + NameOf(item, before) + ": " + OneLine(item.GetWindowText()) + StateSuffix(item));
      return;
    case ControlKind::CheckBox:
      lines.push_back("  " + CheckMark(item.GetCheck()) + " " + text + StateSuffix(item));
      return;
    case ControlKind::RadioButton:
      lines.push_back(std::string("  ") + (item.GetCheck() == BST_CHECKED ? "(o) " : "( ) ") + text + StateSuffix(item));
      return;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
      lines.push_back("  <" + text + ">" + StateSuffix(item));
      return;
    case ControlKind::ComboBox:
      lines.push_back("  " + NameOf(item, before) + ": " + OneLine(item.GetItemText(item.GetCurSel())) +
                      StateSuffix(item));
      DescribeEntries(item, lines);
      return;
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
      lines.push_back("  " + NameOf(item, before) + ":" + StateSuffix(item));
      DescribeEntries(item, lines);
      return;
    case ControlKind::ScrollBar:
      lines.push_back("  Scroll bar: " + std::to_string(item.GetScrollPos()) + " (" + std::to_string(item.ScrollMin()) +
                      "-" + std::to_string(item.ScrollMax()) + ")" + StateSuffix(item));
      return;
    case ControlKind::Icon:
      return;
  }
}

}  // namespace

std::vector<std::string> DescribeDialog(const CDialog& dialog) {
  std::vector<std::string> lines{dialog.GetWindowText()};
  std::vector<CDialogItem*> items = dialog.Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const CDialogItem& item = *items[i];
    if (!item.IsVisibleFlag()) continue;
    const CDialogItem* next = i + 1 < items.size() ? items[i + 1] : nullptr;
    bool labelOfNext = item.Kind() == ControlKind::Static && next && TakesLabel(*next) && next->IsVisibleFlag() &&
                       !LabelText(item.GetWindowText()).empty();
    if (labelOfNext) continue;
    DescribeItem(item, i > 0 ? items[i - 1] : nullptr, lines);
  }
  return lines;
}

std::vector<std::string> CDialog::Describe() const { return DescribeDialog(*this); }
