// A scripted user-interface provider installed for one test: an unexpected
// prompt, an answer that does not fit, or an answer left unused fails the test.
#pragma once

#include <string>
#include <vector>

#include "platform/UserInterface.h"

class TestUserInterface : public ScriptedUserInterface {
 public:
  TestUserInterface();
  ~TestUserInterface() override;
  // Checks now that every queued answer was taken (also done at destruction).
  void ExpectAllAnswersUsed();
  // Every prompt so far as "caption: text", and the latest one ("<none>" before any).
  std::vector<std::string> Messages() const;
  std::string LastMessage() const;

 private:
  IUserInterface* m_previous;
  bool m_checked = false;
};
