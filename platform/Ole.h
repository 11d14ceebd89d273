// Clipboard and drag-and-drop data: data objects holding several registered
// formats as bytes or streams, the clipboard with its owner window and owner
// process, drop targets and the drag loop.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Types.h"

class CWnd;

// Registered clipboard formats: one id per name for the life of the process.
CLIPFORMAT RegisterClipboardFormat(const std::string& name);
// The registered name of a format, empty when unknown.
std::string GetClipboardFormatName(CLIPFORMAT format);
constexpr CLIPFORMAT CF_TEXT = 1;

// A growable byte stream with a position (the memory stream of the OLE formats).
class CMemoryStream {
 public:
  CMemoryStream() = default;
  explicit CMemoryStream(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
  // Reads up to count bytes from the position; returns the number read.
  std::size_t Read(void* out, std::size_t count);
  void Write(const void* data, std::size_t count);
  enum class Origin { Begin, Current, End };
  std::size_t Seek(std::int64_t offset, Origin origin);  // clamps to [0, size]
  std::size_t Position() const { return m_pos; }
  std::size_t Size() const { return m_bytes.size(); }
  void SetSize(std::size_t size);
  const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
  std::string ReadAllText();  // from the start to the end, without a trailing terminator

 private:
  std::vector<std::uint8_t> m_bytes;
  std::size_t m_pos = 0;
};

constexpr DWORD TYMED_HGLOBAL = 1;
constexpr DWORD TYMED_ISTREAM = 4;

// A storage medium: bytes ("global memory") or a stream.
struct STGMEDIUM {
  DWORD tymed = 0;
  std::vector<std::uint8_t> hGlobal;
  std::shared_ptr<CMemoryStream> pstm;
  bool IsEmpty() const { return tymed == 0; }
  // Bytes, or a stream that is really there.
  bool IsValid() const;
  // A deep copy: a stream medium gets a stream of its own with the same bytes, at its start.
  STGMEDIUM Copy() const;
};

// The data of one clipboard entry or drag: formats and their media.
class COleDataSource {
 public:
  COleDataSource() = default;
  virtual ~COleDataSource() = default;

  void CacheGlobalData(CLIPFORMAT format, std::vector<std::uint8_t> bytes);
  void CacheStream(CLIPFORMAT format, std::shared_ptr<CMemoryStream> stream);
  // An invalid medium (no bytes and no stream) is not cached.
  void CacheData(CLIPFORMAT format, const STGMEDIUM& medium);
  void Empty() { m_entries.clear(); }

  bool HasFormat(CLIPFORMAT format) const { return m_entries.count(format) != 0; }
  const STGMEDIUM* Find(CLIPFORMAT format) const;
  std::vector<CLIPFORMAT> Formats() const;
  // A deep copy (streams copied), so later changes to this source do not show through.
  std::shared_ptr<COleDataSource> Copy() const;

  // Puts this data on the clipboard, owned by this process (a copy is kept).
  void SetClipboard();
  // Runs a drag through the provider; returns the drop effect (never one outside allowed).
  DROPEFFECT DoDragDrop(DROPEFFECT allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);

 private:
  std::map<CLIPFORMAT, STGMEDIUM> m_entries;
};

// Read side: attached to the clipboard or to the data of a drag.
class COleDataObject {
 public:
  COleDataObject() = default;
  explicit COleDataObject(std::shared_ptr<const COleDataSource> data) : m_data(std::move(data)) {}

  // Attaches to the clipboard's current contents; false when it is empty.
  bool AttachClipboard();
  void Attach(std::shared_ptr<const COleDataSource> data) { m_data = std::move(data); }
  void Release() { m_data.reset(); }
  bool IsAttached() const { return m_data != nullptr; }

  bool IsDataAvailable(CLIPFORMAT format) const;
  // A copy of the medium; false when the format is absent.
  bool GetData(CLIPFORMAT format, STGMEDIUM* medium) const;
  // The format as a stream positioned at its start (bytes are wrapped), or null.
  std::shared_ptr<CMemoryStream> GetFileData(CLIPFORMAT format) const;
  std::optional<std::vector<std::uint8_t>> GetGlobalData(CLIPFORMAT format) const;

 private:
  std::shared_ptr<const COleDataSource> m_data;
};

namespace Clipboard {
// The clipboard's owner window: a window of this process after SetClipboard,
// or a foreign window when another process wrote it.
HWND GetOwner();
// Contents; null when empty.
std::shared_ptr<const COleDataSource> Contents();
bool IsFormatAvailable(CLIPFORMAT format);
void Empty();
// Puts data on the clipboard as written by process processId: the owner window
// belongs to that process (for this process's own id, its hidden clipboard-owner window).
// Null data empties the clipboard.
void SetFromProcess(std::shared_ptr<const COleDataSource> data, DWORD processId);
// Observers: the desktop program mirrors the clipboard to the system's.
// An observer removed while others are being told is not called afterwards.
struct Observer {
  virtual ~Observer() = default;
  virtual void ClipboardChanged() = 0;
};
void AddObserver(Observer* observer);
void RemoveObserver(Observer* observer);
}  // namespace Clipboard

// Drives the drop-target side of a drag the way the system does. The provider
// (scripted or desktop) moves it over windows and drops it.
class DragDropSession {
 public:
  DragDropSession(std::shared_ptr<const COleDataSource> data, DROPEFFECT allowed);
  ~DragDropSession();

  // Moves the pointer over target (a window registered as drop target, or any
  // other window: no target). point is in target's client coordinates.
  // Returns the effect the target offers, limited to the allowed effects (the scroll bit kept).
  // A target destroyed or revoked during the drag is not called again.
  DROPEFFECT MoveTo(HWND target, CPoint point, DWORD keyState);
  // Drops at the current position. A drag with the right button offers the
  // target OnDropEx first; when it declines, OnDrop runs with the effect last
  // offered. A target that offered no effect gets OnDragLeave instead of a drop.
  // Returns the final effect (DROPEFFECT_NONE when nothing was dropped).
  DROPEFFECT Drop();
  // Leaves the current target without dropping.
  void Cancel();

  HWND CurrentTarget() const { return m_target; }
  DROPEFFECT LastEffect() const { return m_effect; }
  COleDataObject& Data() { return m_object; }

 private:
  void Leave();
  DROPEFFECT Filter(DROPEFFECT offered) const;
  COleDataObject m_object;
  DROPEFFECT m_allowed;
  HWND m_target = nullptr;
  bool m_entered = false;  // the target was told OnDragEnter and not yet left
  CPoint m_point;
  DWORD m_keys = 0;
  DROPEFFECT m_effect = DROPEFFECT_NONE;
};

// Registers a window as a drop target (what COleDropTarget::Register does).
class COleDropTarget {
 public:
  COleDropTarget() = default;
  COleDropTarget(const COleDropTarget&) = delete;
  COleDropTarget& operator=(const COleDropTarget&) = delete;
  // Registers window (revoking an earlier registration); false without a live window.
  bool Register(CWnd* window);
  // Harmless when nothing is registered or the window is gone.
  void Revoke();
  ~COleDropTarget() { Revoke(); }

 private:
  HWND m_window = nullptr;
};
