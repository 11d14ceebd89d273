// What the property-sheet and file-dialog tests share: the module started
// with a fresh registry, the stand-in host's application with a builder, a
// scripted user who can also work a file dialog step by step, a scratch
// directory, and small host objects whose answers a test chooses.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>

#include "explorer/core/ExplorerModule.h"
#include "host/com/ComObject.h"
#include "host/model/IQVNotes.h"
#include "host/model/IQVStreamType.h"
#include "host/model/IRModel.h"
#include "host/store/IFInstance.h"
#include "platform/FileDialog.h"
#include "platform/PropertySheet.h"
#include "platform/Window.h"
#include "tests/support/ScopedConfigDir.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/TestUserInterface.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StoreType.h"

namespace dialogs_test {

// A scripted user that works a file dialog with the queued steps (choose a
// filter, type, press OK...) before it falls back to the queued answers.
class DialogUser : public TestUserInterface {
 public:
  void WorkFileDialog(std::function<void(CFileDialog&)> steps) { m_fileSteps.push_back(std::move(steps)); }

  void RunFileDialog(CFileDialog& dialog) override {
    if (m_fileSteps.empty()) return TestUserInterface::RunFileDialog(dialog);
    auto steps = std::move(m_fileSteps.front());
    m_fileSteps.pop_front();
    steps(dialog);
    if (!dialog.IsEnded()) dialog.UserCancel();
  }

  // The message boxes shown so far.
  std::vector<UiPrompt> Messages() const {
    std::vector<UiPrompt> messages;
    for (const UiPrompt& prompt : Prompts())
      if (prompt.kind == "message") messages.push_back(prompt);
    return messages;
  }

  ~DialogUser() override { EXPECT_TRUE(m_fileSteps.empty()) << "file dialog steps left unused"; }

 private:
  std::deque<std::function<void(CFileDialog&)>> m_fileSteps;
};

class DialogsTest : public ::testing::Test {
 protected:
  DialogsTest() { ExplorerModule::Initialize(); }
  ~DialogsTest() override;

  ScopedConfigDir config;
  DialogUser ui;
  CWorkbenchApp app;
  CStoreBuilder build{app.Document().Store()};
  ScratchDirectory scratch;

  CStorePalette& Simulation() { return *app.Document().Store().SimulationPalette(); }
};

// The text of control id on the sheet's active page.
std::string ActiveText(CPropertySheet& sheet, int id);
// Whether control id of the sheet's active page is visible.
bool ActiveVisible(CPropertySheet& sheet, int id);

// ---- host objects a test controls

// The "UserNotes" of an instance.
class FakeNotes : public CComObject<IFInstance, IQVNotes> {
 public:
  explicit FakeNotes(std::string value) : value(std::move(value)) {}
  std::string value;
  int writes = 0;
  HRESULT writeResult = S_OK;

  HRESULT GetValue(std::string& text) override {
    text = value;
    return S_OK;
  }
  HRESULT SetValue(const std::string& text) override {
    if (FAILED(writeResult)) return writeResult;
    ++writes;
    value = text;
    return S_OK;
  }
  HRESULT GetName(std::string& name) override {
    name = "UserNotes";
    return S_OK;
  }
  HRESULT GetPath(std::string&) override { return E_NOTIMPL; }
  HRESULT GetType(IFType**) override { return E_NOTIMPL; }
  HRESULT GetClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT GetAttributes(DWORD*) override { return E_NOTIMPL; }
  HRESULT GetProperty(const std::string&, IFPropertyDesc**, IFInstance**) override { return E_FAIL; }
  HRESULT GetPropertyDesc(IFPropertyDesc**) override { return E_FAIL; }
  HRESULT EnumProperties(DWORD, IEnum<IFPropertyDesc>**) override { return E_NOTIMPL; }
  HRESULT CreateChild(const std::string&, IFType*, IFInstance**) override { return E_NOTIMPL; }
};

// A block's model and instance in one, with its notes child (or none).
class FakeBlock : public CComObject<IRModel, IFInstance> {
 public:
  explicit FakeBlock(FakeNotes* notes) : m_notes(notes) {}

  HRESULT GetName(std::string& name) override {
    name = "B1";
    return S_OK;
  }
  HRESULT GetDescription(std::string& description) override {
    description.clear();
    return S_OK;
  }
  HRESULT GetModelType(IRModelType**) override { return E_FAIL; }
  HRESULT GetInstance(IFInstance** instance) override {
    return CComPtr<IFInstance>(static_cast<IFInstance*>(this)).CopyTo(instance);
  }
  HRESULT GetPath(std::string&) override { return E_NOTIMPL; }
  HRESULT GetType(IFType**) override { return E_NOTIMPL; }
  HRESULT GetClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT GetAttributes(DWORD*) override { return E_NOTIMPL; }
  HRESULT GetProperty(const std::string& name, IFPropertyDesc**, IFInstance** value) override {
    if (name != "UserNotes" || !m_notes) return E_FAIL;
    return CComPtr<IFInstance>(m_notes.Get()).CopyTo(value);
  }
  HRESULT GetPropertyDesc(IFPropertyDesc**) override { return E_FAIL; }
  HRESULT EnumProperties(DWORD, IEnum<IFPropertyDesc>**) override { return E_NOTIMPL; }
  HRESULT CreateChild(const std::string&, IFType*, IFInstance**) override { return E_NOTIMPL; }

 private:
  CComPtr<FakeNotes> m_notes;
};

// A stream type's display record.
class FakeStreamType : public CComObject<IQVStreamType> {
 public:
  explicit FakeStreamType(QVStreamDisplayRecord record) : record(record) {}
  QVStreamDisplayRecord record;
  int writes = 0;
  bool readable = true;

  HRESULT GetDisplayRecord(QVStreamDisplayRecord* out) override {
    if (!readable) return E_FAIL;
    *out = record;
    return S_OK;
  }
  HRESULT SetDisplayRecord(const QVStreamDisplayRecord& in) override {
    ++writes;
    record = in;
    return S_OK;
  }
};

}  // namespace dialogs_test
