// What the store's tests share: a store with the host services installed, a
// builder on it, the texts new types are made from, and small readers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/com/DataObject.h"
#include "host/store/IFFolder.h"
#include "host/store/IFFolderCollection.h"
#include "host/store/IFTypeTable.h"
#include "host/store/Status.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreServices.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TextFormats.h"

class StoreTest : public ::testing::Test {
 protected:
  CStoreServices services;
  CStore store;
  CStoreBuilder build{store};

  CStorePalette& Simulation() { return *store.SimulationPalette(); }
  IFType* SimulationType() { return store.SimulationType(); }

  // The type table of a palette, as the explorer reaches it.
  static CComPtr<IFTypeTable> Table(CStorePalette& palette) {
    CComPtr<IFTypeTable> table;
    EXPECT_EQ(palette.GetTypeTable(&table), S_OK);
    return table;
  }
  // A named folder of a palette, as the explorer reaches it (no creation).
  static CComPtr<IFFolder> NamedFolder(CStorePalette& palette, const std::string& name) {
    CComPtr<IFFolderCollection> folders;
    CComPtr<IFFolder> folder;
    if (SUCCEEDED(Table(palette)->GetFolderCollection(&folders))) folders->GetFolder(name, false, &folder);
    return folder;
  }
  // The names of the types a folder lists, in order.
  static std::vector<std::string> TypeNames(IFFolder* folder) {
    std::vector<std::string> names;
    CComPtr<IEnum<IFTypeDesc>> types;
    if (!folder || FAILED(folder->EnumTypes(&types))) return names;
    CComPtr<IFTypeDesc> desc;
    while (types->Next(&desc) == S_OK) {
      std::string name;
      desc->GetName(name);
      names.push_back(name);
    }
    return names;
  }
  static std::string Text(CStoreType* type, std::string_view format = kModellingLanguageFormat) {
    return Text(static_cast<IFType*>(type), format);
  }
  static std::string Text(IUnknown* type, std::string_view format = kModellingLanguageFormat) {
    std::string text;
    CComPtr<IDataObject> data = ComQuery<IDataObject>(type);
    if (data) ReadDataObjectText(data, std::string(format), text);
    return text;
  }
};

// "3:message" for each error of a report.
std::vector<std::string> ErrorLines(const QVParseReport& report);
