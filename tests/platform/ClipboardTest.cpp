// Registered formats, memory streams, data objects and the clipboard with its
// owner window and owner process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/Ole.h"
#include "platform/Services.h"
#include "platform/Window.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::shared_ptr<CMemoryStream> StreamOf(const std::string& text) {
  auto stream = std::make_shared<CMemoryStream>();
  stream->Write(text.data(), text.size());
  return stream;  // left positioned at its end, as a writer leaves it
}

DWORD OwnerProcess() {
  DWORD pid = 0;
  GetWindowThreadProcessId(Clipboard::GetOwner(), &pid);
  return pid;
}

struct CountingObserver : Clipboard::Observer {
  int calls = 0;
  std::function<void()> onChange;
  void ClipboardChanged() override {
    ++calls;
    if (onChange) onChange();
  }
};

class ClipboardTest : public ::testing::Test {
 protected:
  void TearDown() override { Clipboard::Empty(); }
  CLIPFORMAT m_text = RegisterClipboardFormat("MORROW Modelling Language");
  CLIPFORMAT m_model = RegisterClipboardFormat("Explorer Model Type Format");
  CLIPFORMAT m_plain = RegisterClipboardFormat("Non-embedded Text");
};

}  // namespace

TEST(MemoryStream, ReadsWritesAndSeeksWithinItsBounds) {
  CMemoryStream stream;
  stream.Write("Model Tank", 10);
  EXPECT_EQ(stream.Position(), 10u);
  EXPECT_EQ(stream.Seek(6, CMemoryStream::Origin::Begin), 6u);
  stream.Write("Pump!", 5);  // overwrites and grows
  EXPECT_EQ(stream.Size(), 11u);
  char out[32] = {};
  stream.Seek(0, CMemoryStream::Origin::Begin);
  EXPECT_EQ(stream.Read(out, sizeof out), 11u);
  EXPECT_STREQ(out, "Model Pump!");
  EXPECT_EQ(stream.Read(out, sizeof out), 0u);

  EXPECT_EQ(stream.Seek(-100, CMemoryStream::Origin::Current), 0u);
  EXPECT_EQ(stream.Seek(100, CMemoryStream::Origin::Begin), 11u);
  EXPECT_EQ(stream.Seek(-3, CMemoryStream::Origin::End), 8u);
  EXPECT_EQ(stream.Seek(INT64_MIN, CMemoryStream::Origin::End), 0u);
  EXPECT_EQ(stream.Seek(INT64_MAX, CMemoryStream::Origin::Current), 11u);
  stream.SetSize(5);
  EXPECT_EQ(stream.Position(), 5u);
  EXPECT_EQ(stream.Read(nullptr, 4), 0u);
  stream.Write(nullptr, 4);
  EXPECT_EQ(stream.Size(), 5u);

  // Text stops at its terminator; whatever follows it is not text.
  CMemoryStream terminated(std::vector<std::uint8_t>{'E', 'n', 'd', '\n', 0, 'x'});
  EXPECT_EQ(terminated.ReadAllText(), "End\n");
  EXPECT_EQ(terminated.Position(), 6u);
}

TEST_F(ClipboardTest, SeveralFormatsRoundTripAsACopy) {
  COleDataSource source;
  auto stream = StreamOf("Model Tank\nEnd\n");
  source.CacheStream(m_text, stream);
  std::vector<std::uint8_t> address(18, 0xAB);
  source.CacheGlobalData(m_model, address);
  source.CacheGlobalData(m_plain, Bytes("BOOLEAN VB\n"));
  source.SetClipboard();

  // The clipboard holds a copy: later changes to the source do not show through.
  stream->Write("changed", 7);
  source.Empty();

  COleDataObject data;
  ASSERT_TRUE(data.AttachClipboard());
  EXPECT_TRUE(data.IsDataAvailable(m_text));
  EXPECT_TRUE(data.IsDataAvailable(m_model));
  EXPECT_TRUE(Clipboard::IsFormatAvailable(m_plain));
  EXPECT_FALSE(data.IsDataAvailable(RegisterClipboardFormat("KTR Copy Selection")));

  auto text = data.GetFileData(m_text);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Position(), 0u);
  EXPECT_EQ(text->ReadAllText(), "Model Tank\nEnd\n");
  // A second reader gets its own stream, again at the start.
  auto again = data.GetFileData(m_text);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->Position(), 0u);

  // Bytes are wrapped in a stream for readers that want one.
  auto wrapped = data.GetFileData(m_model);
  ASSERT_NE(wrapped, nullptr);
  EXPECT_EQ(wrapped->Bytes(), address);
  EXPECT_EQ(data.GetGlobalData(m_plain), Bytes("BOOLEAN VB\n"));
  EXPECT_EQ(data.GetGlobalData(m_text), Bytes("Model Tank\nEnd\n"));

  STGMEDIUM medium;
  ASSERT_TRUE(data.GetData(m_text, &medium));
  EXPECT_EQ(medium.tymed, TYMED_ISTREAM);
  medium.pstm->Write("x", 1);  // the reader's copy; the clipboard is untouched
  EXPECT_EQ(data.GetFileData(m_text)->ReadAllText(), "Model Tank\nEnd\n");
  EXPECT_FALSE(data.GetData(RegisterClipboardFormat("KTR Copy Selection"), &medium));
  EXPECT_FALSE(data.GetData(m_text, nullptr));
}

TEST_F(ClipboardTest, TheOwnerTellsWhichProcessWroteIt) {
  COleDataSource source;
  source.CacheGlobalData(m_model, std::vector<std::uint8_t>(18, 1));
  source.SetClipboard();
  ASSERT_TRUE(IsWindow(Clipboard::GetOwner()));
  EXPECT_EQ(OwnerProcess(), GetCurrentProcessId());
  HWND ownOwner = Clipboard::GetOwner();
  EXPECT_FALSE(CWnd::FromHandle(ownOwner)->IsWindowVisible());
  // Another process's data, and its owner, are the clipboard mirror's tests' case.
  Clipboard::Empty();
  source.SetClipboard();
  EXPECT_EQ(Clipboard::GetOwner(), ownOwner);  // one owner window for the process
}

TEST_F(ClipboardTest, EmptyingLeavesNothingToRead) {
  COleDataSource source;
  source.CacheGlobalData(m_plain, Bytes("x"));
  source.SetClipboard();
  COleDataObject before;
  ASSERT_TRUE(before.AttachClipboard());

  Clipboard::Empty();
  EXPECT_EQ(Clipboard::Contents(), nullptr);
  EXPECT_EQ(Clipboard::GetOwner(), nullptr);
  EXPECT_FALSE(Clipboard::IsFormatAvailable(m_plain));
  COleDataObject after;
  EXPECT_FALSE(after.AttachClipboard());
  EXPECT_FALSE(after.IsDataAvailable(m_plain));
  EXPECT_EQ(after.GetFileData(m_plain), nullptr);
  EXPECT_FALSE(after.GetGlobalData(m_plain).has_value());
  // A reader attached earlier keeps what it attached to.
  EXPECT_EQ(before.GetGlobalData(m_plain), Bytes("x"));

  Clipboard::SetFromProcess(nullptr, 1234);
  EXPECT_EQ(Clipboard::GetOwner(), nullptr);
}

TEST_F(ClipboardTest, MediaWithoutDataAreNotCached) {
  COleDataSource source;
  source.CacheStream(m_text, nullptr);
  STGMEDIUM empty;
  source.CacheData(m_plain, empty);
  STGMEDIUM streamWithoutStream;
  streamWithoutStream.tymed = TYMED_ISTREAM;
  source.CacheData(m_model, streamWithoutStream);
  EXPECT_TRUE(source.Formats().empty());

  STGMEDIUM bytes;
  bytes.tymed = TYMED_HGLOBAL;
  bytes.hGlobal = Bytes("ok");
  source.CacheData(m_plain, bytes);
  EXPECT_EQ(source.Formats(), std::vector<CLIPFORMAT>{m_plain});
  ASSERT_NE(source.Find(m_plain), nullptr);
  EXPECT_EQ(source.Find(m_text), nullptr);
}

TEST_F(ClipboardTest, ObserversHearEveryChangeAndCanLeaveMidway) {
  CountingObserver first, second;
  Clipboard::AddObserver(&first);
  Clipboard::AddObserver(&second);
  Clipboard::AddObserver(&first);  // once is enough
  COleDataSource source;
  source.CacheGlobalData(m_plain, Bytes("x"));
  source.SetClipboard();
  Clipboard::Empty();
  EXPECT_EQ(first.calls, 2);
  EXPECT_EQ(second.calls, 2);

  // The first observer removes the second while being told: the second is not called.
  first.onChange = [&] { Clipboard::RemoveObserver(&second); };
  source.SetClipboard();
  EXPECT_EQ(first.calls, 3);
  EXPECT_EQ(second.calls, 2);
  Clipboard::RemoveObserver(&first);
  Clipboard::Empty();
  EXPECT_EQ(first.calls, 3);
}
