// What only some types keep (see CStoreType::Extras): shared by the files
// that implement CStoreType.
#pragma once

#include <string>
#include <vector>

#include "host/ParseReport.h"
#include "host/model/IQVStreamType.h"
#include "workbench/store/BackLink.h"
#include "workbench/store/StoreType.h"

class CStore;

struct CStoreType::Extras {
  CLSID formClass{};             // forms
  CBackLink<CStoreType> owner;   // forms
  CBackLink<CStore> store;       // libraries and the simulation
  std::string fileName;          // libraries and the simulation
  std::string fileText;          // libraries and the simulation: the file as last read or written
  std::string fileBaseline;      // ... and what the program made of it, as the writer writes it
  QVParseReport lastReport;      // types made or compiled by the parser
  std::string description;
  std::string constraints;             // flowsheets
  QVStreamDisplayRecord displayRecord;  // streams
  bool taskActive = false;             // tasks
  int instanceUses = 0;
  bool formsMade = false;  // forms of model-like types and the simulation
  std::vector<CComPtr<CStoreType>> forms;
  std::string defaultForm;
  std::string defaultIcon;  // models
};
