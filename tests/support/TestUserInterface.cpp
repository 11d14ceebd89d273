#include "tests/support/TestUserInterface.h"

#include <gtest/gtest.h>

#include "platform/Window.h"

TestUserInterface::TestUserInterface() : m_previous(SetUserInterface(this)) {
  onProblem = [](const std::string& problem) { ADD_FAILURE() << "user interface: " << problem; };
}

TestUserInterface::~TestUserInterface() {
  if (!m_checked) ExpectAllAnswersUsed();
  SetUserInterface(m_previous);
}

void TestUserInterface::ExpectAllAnswersUsed() {
  m_checked = true;
  EXPECT_EQ(PendingAnswers(), 0u) << "answers left unused";
}

std::vector<std::string> TestUserInterface::Messages() const {
  std::vector<std::string> messages;
  for (const UiPrompt& prompt : Prompts()) messages.push_back(prompt.caption + ": " + prompt.text);
  return messages;
}

std::string TestUserInterface::LastMessage() const {
  return Prompts().empty() ? "<none>" : Messages().back();
}
