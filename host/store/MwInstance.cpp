#include "host/store/MwInstance.h"

#include "host/com/DataObject.h"
#include "host/store/IFRoot.h"
#include "host/store/IFType.h"
#include "host/store/IFTypeDesc.h"
#include "host/store/IFTypePalette.h"
#include "host/store/IFValidity.h"

MwInstance::MwInstance(IFInstance* instance) { ReInit(instance); }

MwInstance::MwInstance(IFType* type, int index, DWORD flags) { SetBaseFromType(type, index, flags); }

MwInstance::MwInstance(IUnknown* object) {
  if (!object) return;
  if (CComPtr<IFInstance> instance = ComQuery<IFInstance>(object)) {
    ReInit(instance);
    return;
  }
  CComPtr<IFType> type;
  if (SUCCEEDED(TypeOf(object, &type)) && type) SetBaseFromType(type, 0, 1);
}

MwInstance::MwInstance(IFRoot* root, const std::string& name) {
  CComPtr<IFInstance> top;
  if (root && SUCCEEDED(root->ResolveName(name, &top))) ReInit(top);
}

MwInstance::MwInstance(IFInstance* base, const std::vector<std::string>& path) {
  ReInit(base);
  for (const std::string& name : path) {
    if (FAILED(Push(name))) {
      Clear();
      return;
    }
  }
}

bool MwInstance::SetBaseFromType(IFType* type, int index, DWORD flags) {
  CComPtr<IFInstance> instance;
  if (!type || FAILED(type->GetDefaultInstance(index, flags, &instance)) || !instance) return false;
  ReInit(instance);
  return true;
}

HRESULT MwInstance::ReInit(IFInstance* base) {
  m_stack.clear();
  if (!base) return E_POINTER;
  m_stack.push_back(Element{CComPtr<IFInstance>(base), nullptr});
  return S_OK;
}

IFInstance* MwInstance::Current() const { return m_stack.empty() ? nullptr : m_stack.back().instance.Get(); }

HRESULT MwInstance::Push(const std::string& propertyName) {
  IFInstance* current = Current();
  if (!current) return E_FAIL;
  CComPtr<IFPropertyDesc> property;
  CComPtr<IFInstance> child;
  HRESULT hr = current->GetProperty(propertyName, &property, &child);
  if (FAILED(hr)) return hr;
  if (!child) return E_FAIL;
  m_stack.push_back(Element{child, property});
  return S_OK;
}

HRESULT MwInstance::Push(IFPropertyDesc* property) {
  if (!property) return E_POINTER;
  std::string name;
  HRESULT hr = property->GetName(name);
  if (FAILED(hr)) return hr;
  return Push(name);
}

HRESULT MwInstance::Pop() {
  if (m_stack.empty()) return E_FAIL;
  m_stack.pop_back();
  return S_OK;
}

HRESULT MwInstance::StringPath(std::string& path) const {
  if (m_stack.empty()) return E_FAIL;
  std::string result;
  HRESULT hr = m_stack.front().instance->GetPath(result);
  if (FAILED(hr)) return hr;
  for (std::size_t i = 1; i < m_stack.size(); ++i) {
    std::string name;
    hr = m_stack[i].property ? m_stack[i].property->GetName(name) : m_stack[i].instance->GetName(name);
    if (FAILED(hr)) return hr;
    if (!result.empty()) result += '.';
    result += name;
  }
  path = std::move(result);
  return S_OK;
}

HRESULT MwInstance::ResolvePath(const std::string& dottedPath) {
  if (m_stack.empty()) return E_FAIL;
  if (dottedPath.empty()) return E_INVALIDARG;
  const std::size_t depth = m_stack.size();
  std::size_t start = 0;
  while (true) {
    const std::size_t dot = dottedPath.find('.', start);
    const std::string name = dottedPath.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    HRESULT hr = name.empty() ? E_INVALIDARG : Push(name);
    if (FAILED(hr)) {
      m_stack.resize(depth);
      return hr;
    }
    if (dot == std::string::npos) return S_OK;
    start = dot + 1;
  }
}

HRESULT MwInstance::GetProperty(const std::string& name, IFPropertyDesc** property) const {
  if (!property) return E_POINTER;
  IFInstance* current = Current();
  if (!current) return E_FAIL;
  return current->GetProperty(name, property, nullptr);
}

HRESULT MwInstance::CurrentType(IFType** type) const {
  if (!type) return E_POINTER;
  IFInstance* current = Current();
  if (!current) return E_FAIL;
  return current->GetType(type);
}

HRESULT MwInstance::CurrentProperty(IFPropertyDesc** property) const {
  if (!property) return E_POINTER;
  if (m_stack.empty()) return E_FAIL;
  const Element& top = m_stack.back();
  if (top.property) return top.property.CopyTo(property);
  return top.instance->GetPropertyDesc(property);
}

HRESULT MwInstance::CurrentTypePalette(IFTypePalette** palette) const {
  if (!palette) return E_POINTER;
  CComPtr<IFType> type;
  HRESULT hr = CurrentType(&type);
  if (FAILED(hr)) return hr;
  if (!type) return E_FAIL;
  CComPtr<IFTypePalette> owned;
  if (SUCCEEDED(type->GetOwnedPalette(&owned)) && owned) return owned.CopyTo(palette);
  return type->GetTypePalette(palette);
}

HRESULT MwInstance::QueryInstance(REFIID iid, void** out) const {
  if (!out) return E_POINTER;
  *out = nullptr;
  IFInstance* current = Current();
  if (!current) return E_FAIL;
  return current->QueryInterface(iid, out);
}

HRESULT MwInstance::QueryType(REFIID iid, void** out) const {
  if (!out) return E_POINTER;
  *out = nullptr;
  CComPtr<IFType> type;
  HRESULT hr = CurrentType(&type);
  if (FAILED(hr)) return hr;
  if (!type) return E_FAIL;
  return type->QueryInterface(iid, out);
}

HRESULT MwInstance::NewInstance(IFType* type, const std::string& name) {
  IFInstance* current = Current();
  if (!current) return E_FAIL;
  if (!type) return E_POINTER;
  CComPtr<IFInstance> child;
  HRESULT hr = current->CreateChild(name, type, &child);
  if (FAILED(hr)) return hr;
  if (!child) return E_FAIL;
  CComPtr<IFPropertyDesc> property;
  child->GetPropertyDesc(&property);
  m_stack.push_back(Element{child, property});
  return S_OK;
}

HRESULT MwInstance::SetString(const std::string& formatName, const std::string& text) {
  CComPtr<IDataObject> data;
  if (FAILED(QueryType(&data)) && FAILED(QueryInstance(&data))) return E_NOINTERFACE;
  return WriteDataObjectText(data, formatName, text);
}

HRESULT MwInstance::GetString(const std::string& formatName, std::string& text) const {
  CComPtr<IDataObject> data;
  if (FAILED(QueryType(&data)) && FAILED(QueryInstance(&data))) return E_NOINTERFACE;
  return ReadDataObjectText(data, formatName, text);
}

bool MwInstance::IsValid() const {
  IFInstance* current = Current();
  if (!current) return false;
  CComPtr<IFValidity> validity = ComQuery<IFValidity>(current);
  if (!validity) return true;
  bool valid = false;
  return SUCCEEDED(validity->IsValid(&valid)) && valid;
}

bool MwInstance::IsDefaultInstance() const {
  IFInstance* current = Current();
  if (!current) return false;
  CComPtr<IFType> type;
  CComPtr<IFInstance> defaultInstance;
  if (FAILED(current->GetType(&type)) || !type) return false;
  if (FAILED(type->GetDefaultInstance(0, 1, &defaultInstance)) || !defaultInstance) return false;
  return IsSameObject(current, defaultInstance);
}

HRESULT MwInstance::TypeOf(IUnknown* object, IFType** type) {
  if (!type) return E_POINTER;
  *type = nullptr;
  if (!object) return E_POINTER;
  if (CComPtr<IFType> direct = ComQuery<IFType>(object)) return direct.CopyTo(type);
  if (CComPtr<IFTypeDesc> desc = ComQuery<IFTypeDesc>(object)) return desc->GetType(type);
  if (CComPtr<IFInstance> instance = ComQuery<IFInstance>(object)) return instance->GetType(type);
  if (CComPtr<IFTypePalette> palette = ComQuery<IFTypePalette>(object)) return palette->GetOwnerType(type);
  return E_NOINTERFACE;
}
