#include "workbench/views/FormDefinition.h"

#include <cctype>
#include <sstream>

#include "workbench/language/TextCase.h"

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

std::vector<std::string> Words(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::optional<double> Number(const std::string& word) {
  try {
    std::size_t used = 0;
    const double value = std::stod(word, &used);
    if (used == word.size()) return value;
  } catch (...) {
  }
  return std::nullopt;
}

// "DisplayAs : Plot" inside a settings block; other settings are kept out of the way.
void ReadSetting(std::string_view setting, int line, CFormDefinition& form) {
  setting = Trimmed(setting);
  if (setting.empty()) return;
  const std::size_t colon = setting.find(':');
  if (colon == std::string_view::npos) {
    form.problems.push_back("line " + std::to_string(line) + ": a setting is written \"Name : Value\"");
    return;
  }
  const std::string_view name = Trimmed(setting.substr(0, colon));
  const std::string_view value = Trimmed(setting.substr(colon + 1));
  if (!EqualsNoCase(name, "DisplayAs")) return;
  for (const char* known : {"Table", "Plot", "History"}) {
    if (EqualsNoCase(value, known)) {
      form.displayAs = known;
      return;
    }
  }
  form.problems.push_back("line " + std::to_string(line) + ": DisplayAs is Table, Plot or History, not \"" +
                          std::string(value) + "\"");
}

class CFormTextReader {
 public:
  CFormTextReader(FormLayout layout, CFormDefinition& form) : m_form(form) { m_form.layout = layout; }

  void Line(std::string_view text, int line) {
    text = Trimmed(text);
    if (m_inSettings) {
      Settings(text, line);
      return;
    }
    if (text.empty() || text.starts_with("//")) return;
    if (text.front() == '{') {
      m_inSettings = true;
      Settings(text.substr(1), line);
      return;
    }
    Statement(Words(text), line);
  }

  void End(int line) {
    if (m_inSettings) m_form.problems.push_back("line " + std::to_string(line) + ": the settings block has no \"}\"");
  }

 private:
  void Settings(std::string_view text, int line) {
    const std::size_t close = text.find('}');
    ReadSetting(text.substr(0, close), line, m_form);
    if (close != std::string_view::npos) m_inSettings = false;
  }

  void Problem(int line, const std::string& what) {
    m_form.problems.push_back("line " + std::to_string(line) + ": " + what);
  }

  void Statement(const std::vector<std::string>& words, int line) {
    const bool axisWord = words.size() >= 2 && (EqualsNoCase(words[0], "X") || EqualsNoCase(words[0], "Y"));
    if (axisWord && EqualsNoCase(words[0], "X")) {
      XAxis(words, line);
      return;
    }
    if (axisWord) {
      if (m_form.layout != FormLayout::Plot) {
        Problem(line, "only plot forms have Y trends");
        return;
      }
      Variable(std::vector<std::string>(words.begin() + 1, words.end()), line);
      return;
    }
    Variable(words, line);
  }

  void XAxis(const std::vector<std::string>& words, int line) {
    if (m_form.layout == FormLayout::Table) {
      Problem(line, "a table has no axes");
    } else if (m_form.layout == FormLayout::Plot) {
      if (words.size() != 2 || !EqualsNoCase(words[1], "Time")) Problem(line, "a plot's horizontal axis is Time");
    } else {
      std::string label;
      for (std::size_t i = 1; i < words.size(); ++i) label += (i > 1 ? " " : "") + words[i];
      m_form.axisLabel = label;
    }
  }

  void Variable(const std::vector<std::string>& words, int line) {
    if (words.empty() || !IsVariablePath(words[0])) {
      Problem(line, "\"" + (words.empty() ? std::string() : words[0]) + "\" is not a variable path");
      return;
    }
    FormVariable variable{words[0], std::nullopt, std::nullopt, line};
    if (words.size() == 3 && m_form.layout == FormLayout::Plot) {
      variable.low = Number(words[1]);
      variable.high = Number(words[2]);
      if (!variable.low || !variable.high || !(*variable.low < *variable.high)) {
        Problem(line, "an axis range is two numbers, the lower first");
        variable.low.reset();
        variable.high.reset();
      }
    } else if (words.size() != 1) {
      Problem(line, "one variable a line");
      return;
    }
    m_form.variables.push_back(std::move(variable));
  }

  CFormDefinition& m_form;
  bool m_inSettings = false;
};

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

}  // namespace

bool IsVariablePath(std::string_view path) {
  bool atStart = true;
  for (char c : path) {
    if (c == '.') {
      if (atStart) return false;
      atStart = true;
    } else if (atStart ? IsNameStart(c) : IsNameChar(c)) {
      atStart = false;
    } else {
      return false;
    }
  }
  return !atStart;
}

CFormDefinition ParseFormText(FormLayout layout, std::string_view text) {
  CFormDefinition form;
  CFormTextReader reader(layout, form);
  int line = 0;
  while (!text.empty() || line == 0) {
    ++line;
    const std::size_t end = text.find('\n');
    reader.Line(text.substr(0, end), line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  reader.End(line);
  return form;
}
