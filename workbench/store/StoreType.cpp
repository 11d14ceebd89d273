#include "workbench/store/StoreType.h"

#include "workbench/store/StoreTypeExtras.h"

#include <algorithm>

#include "host/store/HostClassIds.h"
#include "host/store/MwInstance.h"
#include "host/store/Status.h"
#include "host/store/TypeFlags.h"
#include "workbench/language/DefinitionParser.h"
#include "workbench/language/TypeReferences.h"
#include "workbench/store/IconPicture.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/TypeViews.h"

namespace {

DWORD NextIdentity() {
  static DWORD next = 0;
  return ++next;
}

DWORD KindFlags(StoreKind kind) {
  if (kind == StoreKind::Script) return FT_PLAINTEXT;
  if (kind == StoreKind::Task) return FT_TASK;
  return 0;
}

}  // namespace

CStoreType::CStoreType(StoreKind kind, std::string name, DWORD flags)
    : m_kind(kind), m_flags(flags | KindFlags(kind)), m_identity(NextIdentity()), m_name(std::move(name)) {
  if (kind == StoreKind::Form) More().formClass = CLSID_QVTableForm;
}

CStoreType::~CStoreType() {
  // The instance goes while everything of the type is still there.
  m_defaultInstance.Release();
}

CStoreType::Extras& CStoreType::More() {
  if (!m_extras) m_extras = std::make_unique<Extras>();
  return *m_extras;
}

bool CStoreType::IsBuiltIn() const { return (m_flags & (FT_SYSTEM | FT_BUILTIN)) != 0; }

CLSID CStoreType::ClassId() const {
  return m_kind == StoreKind::Form && Less() ? Less()->formClass : StoreKindClassId(m_kind);
}

// ---- what only some types keep ----

namespace {
const std::string kNoText;
const QVParseReport kNoReport;
const QVStreamDisplayRecord kDefaultDisplayRecord;
}  // namespace

CStore* CStoreType::Store() const { return Less() ? Less()->store.Get() : nullptr; }
void CStoreType::SetStore(CStore* store) { More().store.Set(store); }
CStoreType* CStoreType::OwnerType() const { return Less() ? Less()->owner.Get() : nullptr; }
void CStoreType::SetOwnerType(CStoreType* owner) { More().owner.Set(owner); }
void CStoreType::SetFormClass(REFCLSID formClass) { More().formClass = formClass; }
const QVParseReport& CStoreType::LastReport() const { return Less() ? Less()->lastReport : kNoReport; }
const std::string& CStoreType::Description() const { return Less() ? Less()->description : kNoText; }
void CStoreType::SetDescription(std::string description) { More().description = std::move(description); }
const std::string& CStoreType::Constraints() const { return Less() ? Less()->constraints : kNoText; }
void CStoreType::SetConstraints(std::string text) { More().constraints = std::move(text); }
const std::string& CStoreType::FileName() const { return Less() ? Less()->fileName : kNoText; }
void CStoreType::SetFileName(std::string fileName) { More().fileName = std::move(fileName); }
const std::string& CStoreType::FileText() const { return Less() ? Less()->fileText : kNoText; }
const std::string& CStoreType::FileBaseline() const { return Less() ? Less()->fileBaseline : kNoText; }
void CStoreType::SetFileOrigin(std::string text, std::string baseline) {
  More().fileText = std::move(text);
  More().fileBaseline = std::move(baseline);
}
bool CStoreType::IsTaskActive() const { return Less() && Less()->taskActive; }
int CStoreType::InstanceUses() const { return Less() ? Less()->instanceUses : 0; }
void CStoreType::AddInstanceUse() { ++More().instanceUses; }
void CStoreType::RemoveInstanceUse() {
  if (m_extras && m_extras->instanceUses > 0) --m_extras->instanceUses;
}
const QVStreamDisplayRecord& CStoreType::DisplayRecord() const {
  return Less() ? Less()->displayRecord : kDefaultDisplayRecord;
}
void CStoreType::SetDisplayRecord(const QVStreamDisplayRecord& record) { More().displayRecord = record; }

CStorePalette* CStoreType::OwnedPalette() {
  if (!OwnsPalette(m_kind)) return nullptr;
  if (!m_ownedPalette) m_ownedPalette = MakeComObject<CStorePalette>(m_name, this);
  return m_ownedPalette;
}

CStoreInstance* CStoreType::DefaultInstance() {
  if (!m_defaultInstance) m_defaultInstance = MakeComObject<CStoreInstance>(this);
  return m_defaultInstance;
}

bool CStoreType::IsUsable() const {
  if (m_deleted) return false;
  switch (m_kind) {
    case StoreKind::Simulation:
    case StoreKind::Library: return Store() != nullptr;
    case StoreKind::Form: {
      const CStoreType* owner = OwnerType();
      return owner && owner->IsUsable();
    }
    default: {
      const CStorePalette* palette = HoldingPalette();
      return palette && palette->IsUsable();
    }
  }
}

CStoreType* CStoreType::HoldingLibrary() const {
  const CStoreType* type = this;
  for (int depth = 0; type && depth < 16; ++depth) {
    if (type->m_kind == StoreKind::Library) return const_cast<CStoreType*>(type);
    if (type->m_kind == StoreKind::Simulation) return nullptr;
    if (type->m_kind == StoreKind::Form) {
      type = type->OwnerType();
      continue;
    }
    const CStorePalette* palette = type->HoldingPalette();
    type = palette ? palette->Owner() : nullptr;
  }
  return nullptr;
}

bool CStoreType::IsInReadOnlyLibrary() const {
  CStoreType* library = HoldingLibrary();
  const CStorePalette* palette = library ? library->OwnedPalette() : nullptr;
  return palette && palette->IsReadOnly();
}

void CStoreType::AttachToPalette(CStorePalette* palette) { m_palette.Set(palette); }
void CStoreType::DetachFromPalette() { m_palette.Reset(); }

void CStoreType::MarkDeleted() {
  m_deleted = true;
  if (m_extras) m_extras->taskActive = false;
}

void CStoreType::SetName(std::string name, bool renameTextHeaders) {
  const std::string previous = m_name;
  m_name = std::move(name);
  if (m_ownedPalette) m_ownedPalette->SetName(m_name);
  if (m_kind == StoreKind::Icon) {
    m_texts.SetLatest(SetIconNameInText(m_texts.Latest(), m_name));
    CStorePalette* palette = HoldingPalette();
    CStoreType* model = palette ? palette->Owner() : nullptr;
    if (model && model->m_extras && model->m_extras->defaultIcon == previous) model->m_extras->defaultIcon = m_name;
  } else if (renameTextHeaders && !previous.empty()) {
    m_texts.RenameHeaders(previous, m_name);
  }
  TextChanged();
}

void CStoreType::RenameReferences(std::string_view oldName, std::string_view newName) {
  ReferenceRename latest = RenameTypeReferences(m_texts.Latest(), oldName, newName);
  if (latest.replaced == 0 && !m_texts.HasGood()) return;
  std::string good = m_texts.Good();
  if (m_texts.HasGood()) good = RenameTypeReferences(good, oldName, newName).text;
  m_texts.Restore(std::move(good), std::move(latest.text));
  TextChanged();
}

// ---- texts ----

bool CStoreType::IsPlainText() const { return (m_flags & FT_PLAINTEXT) != 0; }

void CStoreType::SetText(std::string text) {
  m_texts.SetLatest(std::move(text));
  TextChanged();
}

void CStoreType::RestoreTexts(std::string good, std::string latest, bool hasErrors) {
  m_texts.Restore(std::move(good), std::move(latest));
  m_hasErrors = hasErrors;
  if (hasErrors && m_extras) m_extras->taskActive = false;
  TextChanged();
  UpdateCompiledFolder();
}

void CStoreType::RecordCompile(std::string text, QVParseReport report) {
  m_hasErrors = report.HasErrors();
  if (m_hasErrors) {
    m_texts.SetLatest(std::move(text));
    if (m_extras) m_extras->taskActive = false;
  } else {
    m_texts.Accept(std::move(text));
  }
  if (m_extras || !report.Empty()) More().lastReport = std::move(report);
  TextChanged();
  UpdateCompiledFolder();
}

namespace {
unsigned g_definitionsGeneration = 0;
}  // namespace

unsigned CStoreType::DefinitionsGeneration() { return g_definitionsGeneration; }

void CStoreType::NoteDefinitionsChanged() { ++g_definitionsGeneration; }

void CStoreType::TextChanged() {
  NoteDefinitionsChanged();
  ++m_textVersion;
  m_parsed.reset();
  m_parsedValid = false;
  std::optional<std::vector<std::string>> old = std::move(m_references);
  m_references.reset();
  if (CStorePalette* palette = HoldingPalette(); palette && !m_deleted)
    palette->NoteTextChanged(this, old ? *old : std::vector<std::string>{});
}

void CStoreType::UpdateCompiledFolder() {
  if (CStorePalette* palette = HoldingPalette(); palette && !m_deleted) palette->NoteCompileState(this);
}

const Definition* CStoreType::ParsedDefinition() const {
  if (!m_parsedValid) {
    m_parsedValid = true;
    m_parsed.reset();
    if (DefinitionKindOf(m_kind) && !m_texts.Latest().empty()) {
      CBoundedReport discard = CBoundedReport::Discarding();
      if (std::optional<Definition> definition = ParseDefinition(m_texts.Latest(), discard))
        m_parsed = std::make_shared<const Definition>(std::move(*definition));
    }
  }
  return m_parsed.get();
}

const std::vector<std::string>& CStoreType::ReferencedNames() const {
  if (!m_references) {
    const Definition* definition = ParsedDefinition();
    m_references = definition ? ReferencedTypeNames(*definition) : std::vector<std::string>{};
  }
  return *m_references;
}

std::string CStoreType::PhysicalQuantity() const {
  if (m_kind != StoreKind::Variable && m_kind != StoreKind::Parameter) return {};
  // A type based on another takes that type's quantity. Bases may run in a
  // circle (the checker refuses one, but a file may hold it): each type is asked once.
  std::vector<const CStoreType*> seen;
  for (const CStoreType* type = this; type && std::find(seen.begin(), seen.end(), type) == seen.end();) {
    seen.push_back(type);
    const Definition* definition = type->ParsedDefinition();
    if (!definition) return {};
    if (const Property* property = definition->FindProperty("PhysicalQuantity")) {
      if (std::optional<std::string> text = property->String()) return *text;
      return property->text;
    }
    if (definition->base.empty()) return {};
    const CStorePalette* palette = type->HoldingPalette();
    const CStoreType* base = palette ? palette->FindVisible(definition->base) : nullptr;
    type = base && base->m_kind == m_kind ? base : nullptr;
  }
  return {};
}

// ---- tasks ----

bool CStoreType::IsTaskActivatable() const { return m_kind == StoreKind::Task && !m_hasErrors && IsUsable(); }

HRESULT CStoreType::SetTaskActive(bool active) {
  if (m_kind != StoreKind::Task) return E_NOINTERFACE;
  if (!IsUsable()) return FE_STALE;
  if (active && !IsTaskActivatable()) return E_FAIL;
  More().taskActive = active;
  return S_OK;
}

// ---- folders that list the type ----

void CStoreType::NoteHeldBy(CStoreFolder* folder) { m_folders.emplace_back(folder); }

void CStoreType::NoteReleasedBy(CStoreFolder* folder) {
  std::erase_if(m_folders, [&](const CBackLink<CStoreFolder>& link) { return !link || link.Get() == folder; });
}

std::vector<CStoreFolder*> CStoreType::HoldingFolders() const {
  std::vector<CStoreFolder*> list;
  for (const auto& link : m_folders)
    if (CStoreFolder* folder = link.Get()) list.push_back(folder);
  return list;
}

std::vector<CComPtr<CStoreType>> CStoreType::OwnedOfKind(StoreKind kind) {
  // Asking makes nothing: a type whose palette was never made owns nothing yet.
  return m_ownedPalette ? m_ownedPalette->TypesOfKind(kind) : std::vector<CComPtr<CStoreType>>{};
}

// ---- COM ----

HRESULT CStoreType::QueryInterface(REFIID iid, void** out) {
  HRESULT hr = CComObject::QueryInterface(iid, out);
  if (hr == S_OK || !out) return hr;
  return MakeTypeView(this, iid, out);
}

HRESULT CStoreType::GetName(std::string& name) {
  name = m_name;
  return S_OK;
}

HRESULT CStoreType::GetClassID(CLSID* classId) {
  if (!classId) return E_POINTER;
  *classId = ClassId();
  return S_OK;
}

HRESULT CStoreType::GetFlags(DWORD* flags) {
  if (!flags) return E_POINTER;
  *flags = m_flags;
  return S_OK;
}

HRESULT CStoreType::GetIdentity(DWORD* identity) {
  if (!identity) return E_POINTER;
  *identity = m_identity;
  return S_OK;
}

HRESULT CStoreType::GetTypeDesc(IFTypeDesc** desc) {
  if (!desc) return E_POINTER;
  return CComPtr<IFTypeDesc>(this).CopyTo(desc);
}

HRESULT CStoreType::GetTypePalette(IFTypePalette** palette) {
  if (!palette) return E_POINTER;
  *palette = nullptr;
  CStorePalette* holding = nullptr;
  if (m_kind == StoreKind::Simulation || m_kind == StoreKind::Library) {
    holding = OwnedPalette();
  } else if (m_kind == StoreKind::Form) {
    CStoreType* owner = OwnerType();
    holding = owner ? owner->OwnedPalette() : nullptr;
  } else {
    holding = HoldingPalette();
  }
  if (!holding) return FE_STALE;
  return CComPtr<IFTypePalette>(holding).CopyTo(palette);
}

HRESULT CStoreType::GetOwnedPalette(IFTypePalette** palette) {
  if (!palette) return E_POINTER;
  *palette = nullptr;
  CStorePalette* owned = OwnedPalette();
  if (!owned) return E_NOINTERFACE;
  return CComPtr<IFTypePalette>(owned).CopyTo(palette);
}

HRESULT CStoreType::GetDefaultInstance(int index, DWORD flags, IFInstance** instance) {
  if (!instance) return E_POINTER;
  *instance = nullptr;
  if (index != 0 || flags != 1) return E_INVALIDARG;
  return CComPtr<IFInstance>(DefaultInstance()).CopyTo(instance);
}

HRESULT CStoreType::SetName(const std::string& name) {
  if (!IsUsable()) return FE_STALE;
  if (m_kind == StoreKind::Form) return OwnerType()->RenameForm(std::string(m_name), name);
  if (m_kind == StoreKind::Icon) {
    CStorePalette* palette = HoldingPalette();
    CStoreType* model = palette ? palette->Owner() : nullptr;
    return model ? model->RenameIcon(m_name, name) : FE_STALE;
  }
  CStorePalette* palette = HoldingPalette();
  if (!palette) return E_FAIL;
  return palette->RenameType(m_name, name);
}

HRESULT CStoreType::GetPalette(IFTypePalette** palette) { return GetTypePalette(palette); }

HRESULT CStoreType::GetType(IFType** type) {
  if (!type) return E_POINTER;
  return CComPtr<IFType>(this).CopyTo(type);
}

HRESULT CStoreType::HasErrors(bool* errors) {
  if (!errors) return E_POINTER;
  *errors = m_hasErrors;
  return S_OK;
}

HRESULT CStoreType::IsUsable(bool* usable) {
  if (!usable) return E_POINTER;
  *usable = IsUsable();
  return S_OK;
}

HRESULT CStoreType::GetNames(std::string& libraryName, std::string& typeName) {
  if (m_kind == StoreKind::Simulation || m_kind == StoreKind::Library) {
    libraryName = m_name;
    typeName = m_name;
    return S_OK;
  }
  CStoreType* top = HoldingLibrary();
  if (!top) {
    CStore* store = nullptr;
    for (const CStoreType* t = this; t && !store;) {
      if (t->m_kind == StoreKind::Simulation) store = t->Store();
      const CStorePalette* palette = t->m_kind == StoreKind::Form ? nullptr : t->HoldingPalette();
      t = t->m_kind == StoreKind::Form ? t->OwnerType() : (palette ? palette->Owner() : nullptr);
    }
    top = store ? store->SimulationType() : nullptr;
  }
  if (!top) return FE_STALE;
  libraryName = top->m_name;
  typeName = m_name;
  return S_OK;
}

HRESULT CStoreType::IsLibraryType(bool* inLibrary) {
  if (!inLibrary) return E_POINTER;
  *inLibrary = HoldingLibrary() != nullptr;
  return S_OK;
}

CStoreType* StoreTypeOf(IUnknown* object) {
  if (!object) return nullptr;
  if (auto* type = dynamic_cast<CStoreType*>(object)) return type;
  CComPtr<IFType> type;
  if (FAILED(MwInstance::TypeOf(object, &type)) || !type) return nullptr;
  return dynamic_cast<CStoreType*>(type.Get());
}
