// Memory streams, storage media and the two sides of a data object: the
// source that caches formats and the reader attached to a clipboard or a drag.
#include <algorithm>
#include <cstring>

#include "platform/Ole.h"
#include "platform/Services.h"
#include "platform/UserInterface.h"

// ---------------------------------------------------------------- CMemoryStream

std::size_t CMemoryStream::Read(void* out, std::size_t count) {
  if (!out || m_pos >= m_bytes.size()) return 0;
  std::size_t n = std::min(count, m_bytes.size() - m_pos);
  std::memcpy(out, m_bytes.data() + m_pos, n);
  m_pos += n;
  return n;
}

void CMemoryStream::Write(const void* data, std::size_t count) {
  if (!data || count == 0) return;
  if (count > m_bytes.size() - m_pos) m_bytes.resize(m_pos + count);
  std::memcpy(m_bytes.data() + m_pos, data, count);
  m_pos += count;
}

std::size_t CMemoryStream::Seek(std::int64_t offset, Origin origin) {
  std::int64_t size = static_cast<std::int64_t>(m_bytes.size());
  std::int64_t base = origin == Origin::Begin ? 0 : origin == Origin::Current ? static_cast<std::int64_t>(m_pos) : size;
  // Clamp before adding so that extreme offsets cannot overflow.
  offset = std::clamp(offset, -size, size);
  m_pos = static_cast<std::size_t>(std::clamp<std::int64_t>(base + offset, 0, size));
  return m_pos;
}

void CMemoryStream::SetSize(std::size_t size) {
  m_bytes.resize(size);
  m_pos = std::min(m_pos, size);
}

std::string CMemoryStream::ReadAllText() {
  auto end = std::find(m_bytes.begin(), m_bytes.end(), std::uint8_t{0});
  m_pos = m_bytes.size();
  return std::string(m_bytes.begin(), end);
}

// ---------------------------------------------------------------- STGMEDIUM

bool STGMEDIUM::IsValid() const {
  return tymed == TYMED_HGLOBAL || (tymed == TYMED_ISTREAM && pstm != nullptr);
}

STGMEDIUM STGMEDIUM::Copy() const {
  STGMEDIUM copy;
  if (!IsValid()) return copy;
  copy.tymed = tymed;
  if (tymed == TYMED_HGLOBAL) {
    copy.hGlobal = hGlobal;
  } else {
    copy.pstm = std::make_shared<CMemoryStream>(pstm->Bytes());
  }
  return copy;
}

// ---------------------------------------------------------------- COleDataSource

void COleDataSource::CacheGlobalData(CLIPFORMAT format, std::vector<std::uint8_t> bytes) {
  STGMEDIUM medium;
  medium.tymed = TYMED_HGLOBAL;
  medium.hGlobal = std::move(bytes);
  m_entries[format] = std::move(medium);
}

void COleDataSource::CacheStream(CLIPFORMAT format, std::shared_ptr<CMemoryStream> stream) {
  if (!stream) return;
  STGMEDIUM medium;
  medium.tymed = TYMED_ISTREAM;
  medium.pstm = std::move(stream);
  m_entries[format] = std::move(medium);
}

void COleDataSource::CacheData(CLIPFORMAT format, const STGMEDIUM& medium) {
  if (medium.IsValid()) m_entries[format] = medium;
}

const STGMEDIUM* COleDataSource::Find(CLIPFORMAT format) const {
  auto it = m_entries.find(format);
  return it == m_entries.end() ? nullptr : &it->second;
}

std::vector<CLIPFORMAT> COleDataSource::Formats() const {
  std::vector<CLIPFORMAT> formats;
  formats.reserve(m_entries.size());
  for (const auto& entry : m_entries) formats.push_back(entry.first);
  return formats;
}

std::shared_ptr<COleDataSource> COleDataSource::Copy() const {
  auto copy = std::make_shared<COleDataSource>();
  for (const auto& [format, medium] : m_entries) copy->m_entries[format] = medium.Copy();
  return copy;
}

void COleDataSource::SetClipboard() { Clipboard::SetFromProcess(Copy(), GetCurrentProcessId()); }

DROPEFFECT COleDataSource::DoDragDrop(DROPEFFECT allowed) {
  // The source acts on the result (a move deletes the original), so never report more than it allowed.
  return UI().DoDragDrop(*this, allowed) & allowed;
}

// ---------------------------------------------------------------- COleDataObject

bool COleDataObject::AttachClipboard() {
  m_data = Clipboard::Contents();
  return m_data != nullptr;
}

bool COleDataObject::IsDataAvailable(CLIPFORMAT format) const { return m_data && m_data->HasFormat(format); }

bool COleDataObject::GetData(CLIPFORMAT format, STGMEDIUM* medium) const {
  const STGMEDIUM* found = m_data ? m_data->Find(format) : nullptr;
  if (!found || !medium) return false;
  *medium = found->Copy();
  return true;
}

std::shared_ptr<CMemoryStream> COleDataObject::GetFileData(CLIPFORMAT format) const {
  const STGMEDIUM* found = m_data ? m_data->Find(format) : nullptr;
  if (!found || !found->IsValid()) return nullptr;
  if (found->tymed == TYMED_HGLOBAL) return std::make_shared<CMemoryStream>(found->hGlobal);
  return std::make_shared<CMemoryStream>(found->pstm->Bytes());
}

std::optional<std::vector<std::uint8_t>> COleDataObject::GetGlobalData(CLIPFORMAT format) const {
  const STGMEDIUM* found = m_data ? m_data->Find(format) : nullptr;
  if (!found || !found->IsValid()) return std::nullopt;
  if (found->tymed == TYMED_HGLOBAL) return found->hGlobal;
  return found->pstm->Bytes();
}
