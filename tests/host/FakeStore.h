// A tiny in-memory store for the host helpers' tests: instances with named
// properties, types with a default instance, texts and scripts. Back links
// (instance to type) are not counted, so the test keeps its types alive while
// it uses their instances.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/com/ComEnum.h"
#include "host/com/DataObject.h"
#include "host/store/IFInstance.h"
#include "host/store/IFPropertyDesc.h"
#include "host/store/IFType.h"
#include "host/store/IFTypeDesc.h"
#include "host/store/IFTypePalette.h"
#include "host/store/IFValidity.h"
#include "host/store/IQVScriptOwner.h"

namespace fake {

class Property : public CComObject<IFPropertyDesc> {
 public:
  Property(std::string name, DWORD flags) : m_name(std::move(name)), m_flags(flags) {}
  HRESULT GetName(std::string& name) override { name = m_name; return S_OK; }
  HRESULT GetType(IFType** type) override { *type = nullptr; return E_FAIL; }
  HRESULT GetFlags(DWORD* flags) override { *flags = m_flags; return S_OK; }

 private:
  std::string m_name;
  DWORD m_flags;
};

class Instance : public CComObject<IFInstance, IFValidity> {
 public:
  explicit Instance(std::string name, IFType* type = nullptr, std::string path = {})
      : m_name(std::move(name)), m_path(std::move(path)), m_type(type) {}

  // Adds a child held by a property of the same name.
  CComPtr<Instance> AddChild(const std::string& name, DWORD flags = 0, IFType* type = nullptr) {
    CComPtr<Instance> child = MakeComObject<Instance>(name, type);
    child->m_holder = MakeComObject<Property>(name, flags).Get();
    m_children.push_back(child);
    return child;
  }
  bool valid = true;
  int createCalls = 0;

  HRESULT GetName(std::string& name) override { name = m_name; return S_OK; }
  HRESULT GetPath(std::string& path) override { path = m_path; return S_OK; }
  HRESULT GetType(IFType** type) override {
    *type = m_type;
    if (!m_type) return E_FAIL;
    m_type->AddRef();
    return S_OK;
  }
  HRESULT GetClassID(CLSID* id) override { *id = GUID_NULL; return S_OK; }
  HRESULT GetAttributes(DWORD* attributes) override { *attributes = 0; return S_OK; }
  HRESULT GetProperty(const std::string& name, IFPropertyDesc** property, IFInstance** value) override {
    for (auto& child : m_children) {
      if (child->m_name != name) continue;
      if (property) child->m_holder.CopyTo(property);
      if (value) CComPtr<IFInstance>(child.Get()).CopyTo(value);
      return S_OK;
    }
    return E_FAIL;
  }
  HRESULT GetPropertyDesc(IFPropertyDesc** property) override {
    *property = nullptr;
    return m_holder ? m_holder.CopyTo(property) : E_FAIL;
  }
  HRESULT EnumProperties(DWORD, IEnum<IFPropertyDesc>** properties) override {
    *properties = nullptr;
    return E_NOTIMPL;
  }
  HRESULT CreateChild(const std::string& name, IFType* type, IFInstance** child) override {
    ++createCalls;
    for (auto& c : m_children) {
      if (c->m_name == name) return E_FAIL;
    }
    CComPtr<Instance> made = AddChild(name, 0, type);
    return CComPtr<IFInstance>(made.Get()).CopyTo(child);
  }
  HRESULT IsValid(bool* isValid) override { *isValid = valid; return S_OK; }

 private:
  std::string m_name;
  std::string m_path;
  IFType* m_type;  // not counted
  CComPtr<IFPropertyDesc> m_holder;
  std::vector<CComPtr<Instance>> m_children;
};

class Type : public CComObject<IFType, IDataObject, IQVScriptOwner> {
 public:
  explicit Type(std::string name, DWORD flags = 0) : m_name(std::move(name)), m_flags(flags) {
    m_default = MakeComObject<Instance>(m_name, this);
  }
  Instance* DefaultInstance() { return m_default; }
  std::map<CLIPFORMAT, std::string> texts;
  std::vector<CComPtr<IFType>> scripts;

  HRESULT GetName(std::string& name) override { name = m_name; return S_OK; }
  HRESULT GetClassID(CLSID* id) override { *id = GUID_NULL; return S_OK; }
  HRESULT GetFlags(DWORD* flags) override { *flags = m_flags; return S_OK; }
  HRESULT GetIdentity(DWORD* identity) override { *identity = 1; return S_OK; }
  HRESULT GetTypeDesc(IFTypeDesc** desc) override { *desc = nullptr; return E_NOTIMPL; }
  HRESULT GetTypePalette(IFTypePalette** palette) override { *palette = nullptr; return E_FAIL; }
  HRESULT GetOwnedPalette(IFTypePalette** palette) override { *palette = nullptr; return E_NOINTERFACE; }
  HRESULT GetDefaultInstance(int index, DWORD flags, IFInstance** instance) override {
    *instance = nullptr;
    if (index != 0 || flags != 1) return E_INVALIDARG;
    return CComPtr<IFInstance>(m_default.Get()).CopyTo(instance);
  }
  HRESULT GetData(CLIPFORMAT format, STGMEDIUM* medium) override {
    auto it = texts.find(format);
    if (it == texts.end()) return E_FAIL;
    medium->tymed = TYMED_ISTREAM;
    medium->pstm = std::make_shared<CMemoryStream>();
    medium->pstm->Write(it->second.data(), it->second.size());
    medium->pstm->Seek(0, CMemoryStream::Origin::Begin);
    return S_OK;
  }
  HRESULT SetData(CLIPFORMAT format, const STGMEDIUM& medium) override {
    if (medium.tymed != TYMED_ISTREAM || !medium.pstm) return E_INVALIDARG;
    texts[format] = medium.pstm->ReadAllText();
    return S_OK;
  }
  HRESULT QueryGetData(CLIPFORMAT format) override { return texts.count(format) ? S_OK : S_FALSE; }
  HRESULT EnumScripts(IEnum<IFType>** list) override { return MakeEnum(scripts, list); }

 private:
  std::string m_name;
  DWORD m_flags;
  CComPtr<Instance> m_default;
};

}  // namespace fake
