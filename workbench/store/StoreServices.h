// Installs the store's host services (parser, type catalogue, icon types) for
// the life of the object and puts back whatever was installed before.
#pragma once

#include "host/com/HostService.h"
#include "workbench/store/IconTypeService.h"
#include "workbench/store/StoreCatalogue.h"
#include "workbench/store/StoreParser.h"

class CStoreServices {
 public:
  CStoreServices() = default;
  CStoreServices(const CStoreServices&) = delete;
  CStoreServices& operator=(const CStoreServices&) = delete;

  CIconTypeService& IconTypes() { return m_iconTypes; }

 private:
  CStoreParser m_parser;
  CStoreCatalogue m_catalogue;
  CIconTypeService m_iconTypes;
  ScopedHostService<IQVParser> m_installParser{&m_parser};
  ScopedHostService<IFTypeCatalogue> m_installCatalogue{&m_catalogue};
  ScopedHostService<IQVIconTypes> m_installIconTypes{&m_iconTypes};
};
