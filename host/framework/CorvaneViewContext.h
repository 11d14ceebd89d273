// What a SHOW_CORVANEVIEW request asks the host to open: the view class and
// what to show in it. Sent by pointer (lParam) to the application's main window;
// the host hands it to the new view's document (CRDocument::GetViewContext).
// Fields keep the meaning of the record's slots 0-9; the slot-7 uses are kept apart.
#pragma once

#include <optional>
#include <string>

#include "host/com/ComPtr.h"
#include "host/store/IFFolder.h"
#include "host/store/IFTypeDesc.h"

// Where a new window goes: show state (SW_*), position and size.
struct CorvaneWindowPlacement {
  int showState = 0;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
};

// Option words of text-editor views.
constexpr DWORD CORVANE_EDITOR_OPTIONS = 31;

struct tag_CorvaneViewContext {
  CLSID viewClass;                // slots 0-1: the document template or view class that shows it
  std::string libraryName;        // slot 3: first name of the instance path (the library), or a view's name
  std::string typeName;           // slot 4: second name (the type), pushed when not empty
  CComPtr<IFTypeDesc> typeDesc;   // slot 5: the type a view shows by descriptor
  std::string text;               // slot 6: the root node's class id text, or a view's mode text
  DWORD optionWord = 0;           // slot 7 as an option word
  CComPtr<IFFolder> folder;       // slot 7 for a user-folder root
  std::optional<CorvaneWindowPlacement> placement;  // slot 7 as a window placement
  CComPtr<IUnknown> dataSource;   // slot 8: a view's data source, or the group or equivalence to open at
  // Opening an Explorer at a group: the item to select in it (a variable or
  // equation name), or the equivalence whose number is given (0 for none).
  std::string openAtName;
  int openAtEquivalence = 0;
};

using CorvaneViewContext = tag_CorvaneViewContext;
