// What the explorer core's tests share: nodes of small test classes, a window
// that records the registered messages it is sent or posted, and a fixture
// that starts the module with a fresh registry and a scripted user.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerModule.h"
#include "explorer/core/HostObjectHandles.h"
#include "platform/Window.h"
#include "tests/support/ScopedConfigDir.h"
#include "tests/support/TestUserInterface.h"

namespace explorer_test {

inline const GUID kLeafClass = GUID::FromString("{5E5E0001-0000-4000-8000-00000000AA01}");
inline const GUID kOtherLeafClass = GUID::FromString("{5E5E0002-0000-4000-8000-00000000AA02}");
inline const GUID kFolderClass = GUID::FromString("{5E5E0003-0000-4000-8000-00000000AA03}");

// A leaf whose class id and texts a test chooses.
class TestLeaf : public CExplorerObject {
 public:
  TestLeaf(IFInstance* type, CWnd* owner, int readOnly = 0, const GUID& classId = kLeafClass)
      : CExplorerObject(ForType{}, type, owner, readOnly), m_classId(classId) {}
  TestLeaf(ForInstance, IFInstance* instance, UINT openIcon, UINT normalIcon, CWnd* owner)
      : CExplorerObject(ForInstance{}, instance, openIcon, normalIcon, owner, 0), m_classId(kLeafClass) {}
  TestLeaf(ForType, IFInstance* type, UINT openIcon, UINT normalIcon, CWnd* owner)
      : CExplorerObject(ForType{}, type, openIcon, normalIcon, owner, 0), m_classId(kLeafClass) {}

  std::map<int, std::string> texts;  // by aspect

  const GUID& GetClassID() override { return m_classId; }
  int GetClassName(std::string& name) override {
    name = "Test Leaf";
    return 1;
  }
  CExplorerObject* Clone() override { return new TestLeaf(m_pType, m_pOwner, m_bReadOnly, m_classId); }
  int GetDisplayText(EOAspect aspect, std::string& text) override {
    auto it = texts.find(aspect);
    if (it == texts.end()) return 0;
    text = it->second;
    return 1;
  }
  using CExplorerObject::PostToOwner;

 private:
  GUID m_classId;
};

// A container of a chosen class with no children of its own.
class TestFolder : public CExplorerContainerObject {
 public:
  TestFolder(IFInstance* type, CExplorerExclusionList* list, CWnd* owner, const GUID& classId = kFolderClass)
      : CExplorerContainerObject(ForType{}, type, list, owner, 0), m_classId(classId) {}

  const GUID& GetClassID() override { return m_classId; }
  int GetClassName(std::string& name) override {
    name = "Test Folder";
    return 1;
  }
  CExplorerObject* Clone() override { return new TestFolder(m_pType, m_pExclusionList, m_pOwner, m_classId); }
  int IsEmpty() override { return 1; }
  int ShowContents(CListCtrl&) override { return 0; }
  HTREEITEM ShowContents(CTreeCtrl&, HTREEITEM) override { return nullptr; }

 private:
  GUID m_classId;
};

struct RecordedMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::string text;  // wParam read as text where the test asks for it
};

// A window that records the registered messages it receives and answers 1.
class RecordingWindow : public CWnd {
 public:
  RecordingWindow() { Create("Recorder", "", 0, CRect(0, 0, 100, 100), nullptr, 0); }
  ~RecordingWindow() override {
    if (m_hWnd) DestroyWindow();
  }
  std::vector<RecordedMessage> received;
  // Called with each recorded message while it is being handled.
  std::function<void(const RecordedMessage&)> onMessage;

  int Count(UINT message) const {
    int n = 0;
    for (const RecordedMessage& m : received) n += m.message == message;
    return n;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message < kFirstRegisteredId) return CWnd::WindowProc(message, wParam, lParam);
    received.push_back({message, wParam, lParam, {}});
    if (onMessage) onMessage(received.back());
    return 1;
  }
};

// A fresh registry, the module started, a scripted user that fails the test
// on any prompt it was not told to expect.
class ExplorerCoreTest : public ::testing::Test {
 protected:
  ExplorerCoreTest() { ExplorerModule::Initialize(); }
  ~ExplorerCoreTest() override {
    MessageQueue::Clear();
    CHostObjectHandles::Clear();
  }

  ScopedConfigDir config;
  TestUserInterface ui;
};

}  // namespace explorer_test
