// What the tests of type leaves and Add entries share: the stand-in host with
// a builder, a scripted user, a window standing for the Explorer that records
// the registered messages nodes send or post to it, and readers of menus,
// editor sessions and prompts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "explorer/core/ExplorerMessages.h"
#include "platform/Menu.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "workbench/document/EditorSession.h"

namespace leaf_test {

using Strings = std::vector<std::string>;
using explorer_test::MenuTexts;

class LeafTest : public explorer_test::ExplorerStoreTest {
 protected:
  LeafTest() {
    ui.onProblem = [](const std::string& problem) { ADD_FAILURE() << problem; };
  }

  explorer_test::RecordingWindow frame;

  static std::string Text(CExplorerObject& node, EOAspect aspect) {
    std::string text;
    node.GetDisplayText(aspect, text);
    return text;
  }

  // The editor sessions opened so far.
  const std::vector<std::unique_ptr<CEditorSession>>& Sessions() { return app.Editor().Sessions(); }
  CEditorSession* LastSession() { return Sessions().empty() ? nullptr : Sessions().back().get(); }

  // Captions and texts of the prompts shown so far, "caption: text".
  Strings PromptLines() const {
    Strings lines;
    for (const UiPrompt& prompt : ui.Prompts()) lines.push_back(prompt.caption + ": " + prompt.text);
    return lines;
  }
  int Posted(UINT message) {
    MessageQueue::Pump();
    return frame.Count(message);
  }
};

}  // namespace leaf_test
