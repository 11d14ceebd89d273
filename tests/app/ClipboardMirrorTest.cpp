#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/clipboard/ClipboardMime.h"
#include "app/clipboard/ClipboardMirror.h"
#include "platform/Ole.h"
#include "platform/Services.h"
#include "platform/Window.h"
#include "tests/app/AppTestSupport.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return std::vector<std::uint8_t>(text.begin(), text.end()); }

DWORD OwnerProcess() {
  DWORD process = 0;
  GetWindowThreadProcessId(Clipboard::GetOwner(), &process);
  return process;
}

class ClipboardMirrorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    Clipboard::Empty();
    QGuiApplication::clipboard()->clear();
  }
  void TearDown() override { Clipboard::Empty(); }

  const CLIPFORMAT language = RegisterClipboardFormat("MORROW Modelling Language");
  const CLIPFORMAT handle = RegisterClipboardFormat("Explorer Variable Type Format");
};

TEST_F(ClipboardMirrorTest, WhatThisProcessCopiesIsOnTheSystemClipboardWithItsProcessId) {
  ClipboardMirror mirror(*QGuiApplication::clipboard());
  COleDataSource data;
  data.CacheGlobalData(language, Bytes("Model Tank\nEnd"));
  auto stream = std::make_shared<CMemoryStream>();
  stream->Write("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
  data.CacheStream(handle, stream);
  data.CacheGlobalData(CF_TEXT, Bytes(std::string("Tank\0", 5)));
  data.SetClipboard();

  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(mime, nullptr);
  EXPECT_EQ(mime->data(MimeTypeOfFormat("MORROW Modelling Language")), QByteArray("Model Tank\nEnd"));
  EXPECT_EQ(MimeTypeOfFormat("MORROW Modelling Language"), "application/x-vortan-MORROW%20Modelling%20Language");
  EXPECT_EQ(mime->data(MimeTypeOfFormat("Explorer Variable Type Format")).size(), 8) << "streams go as their bytes";
  EXPECT_EQ(mime->data(kProcessIdMimeType).toULongLong(), GetCurrentProcessId());
  EXPECT_EQ(mime->text(), "Tank") << "CF_TEXT is plain text for every program";
  EXPECT_EQ(OwnerProcess(), GetCurrentProcessId()) << "the platform clipboard stays this process's own";

  Clipboard::Empty();
  const QMimeData* after = QGuiApplication::clipboard()->mimeData();  // null once cleared on some platforms
  EXPECT_TRUE(after == nullptr || !after->hasFormat(kProcessIdMimeType));
}

TEST_F(ClipboardMirrorTest, AnotherProcessesDataComesBackAsWrittenThereSoInProcessFormatsAreRefused) {
  ClipboardMirror mirror(*QGuiApplication::clipboard());
  COleDataSource data;
  data.CacheGlobalData(language, Bytes("Stream Water\nEnd"));
  data.CacheGlobalData(handle, Bytes("12345678"));
  const DWORD other = GetCurrentProcessId() + 7;
  QGuiApplication::clipboard()->setMimeData(MimeDataFromSource(data, other).release());

  ASSERT_NE(Clipboard::Contents(), nullptr);
  EXPECT_EQ(OwnerProcess(), other) << "readers see that another process wrote it";
  EXPECT_NE(OwnerProcess(), GetCurrentProcessId());
  COleDataObject read;
  ASSERT_TRUE(read.AttachClipboard());
  auto text = read.GetGlobalData(language);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(std::string(text->begin(), text->end()), "Stream Water\nEnd");
}

TEST_F(ClipboardMirrorTest, OtherProgramsAndDamagedEntriesAreReadSafely) {
  ClipboardMirror mirror(*QGuiApplication::clipboard());
  COleDataSource ours;
  ours.CacheGlobalData(language, Bytes("Model A\nEnd"));
  ours.SetClipboard();

  auto* plain = new QMimeData;
  plain->setText("copied elsewhere");
  QGuiApplication::clipboard()->setMimeData(plain);
  ASSERT_NE(Clipboard::Contents(), nullptr);
  EXPECT_FALSE(Clipboard::IsFormatAvailable(language)) << "the old contents are replaced";
  EXPECT_TRUE(Clipboard::IsFormatAvailable(CF_TEXT));
  EXPECT_NE(OwnerProcess(), GetCurrentProcessId());

  auto* damaged = new QMimeData;
  damaged->setData(kProcessIdMimeType, "not a number");
  damaged->setData("application/x-vortan-", "no name");
  damaged->setData(MimeTypeOfFormat("MORROW Modelling Language"), "Model B\nEnd");
  QGuiApplication::clipboard()->setMimeData(damaged);
  EXPECT_TRUE(Clipboard::IsFormatAvailable(language));
  EXPECT_NE(OwnerProcess(), GetCurrentProcessId()) << "an unreadable writer counts as another program";

  auto* nothing = new QMimeData;
  nothing->setData("image/png", "\x89PNG");
  QGuiApplication::clipboard()->setMimeData(nothing);
  EXPECT_EQ(Clipboard::Contents(), nullptr) << "nothing the program can read: the clipboard is empty";
}

}  // namespace
