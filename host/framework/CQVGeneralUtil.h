// The host's rule for names of types, folders, forms and instances.
#pragma once

#include <string>

class CWnd;

class CQVGeneralUtil {
 public:
  // 1 when name is valid. Otherwise tells the user why in a message box over
  // window (the main window when null) and returns 0.
  static int IsValidName(const std::string& name, CWnd* window);
  // 1 when name is valid, 0 otherwise; says nothing.
  static int IsValidNameNoMessage(const std::string& name);
  // Why name is not valid, in the words IsValidName shows; empty when it is valid.
  static std::string NameComplaint(const std::string& name);

  // A valid name has 1 to kMaxNameLength characters: a letter or an underscore,
  // then letters, digits and underscores (ASCII).
  static constexpr std::size_t kMaxNameLength = 80;
};
