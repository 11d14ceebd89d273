// Clipboard and drag payloads that name host objects: they resolve only in the
// process that wrote them, only while the object exists, and only when they
// have exactly their length.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/HostObjectHandles.h"
#include "host/model/IRModelType.h"
#include "platform/Services.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"

namespace {

using namespace explorer_test;
using ClipboardPayloadTest = ExplorerStoreTest;

std::shared_ptr<COleDataSource> WithBytes(CLIPFORMAT format, std::vector<std::uint8_t> bytes) {
  auto source = std::make_shared<COleDataSource>();
  source->CacheStream(format, std::make_shared<CMemoryStream>(std::move(bytes)));
  return source;
}

std::vector<std::uint8_t> PayloadOf(const COleDataSource& source, CLIPFORMAT format) {
  const STGMEDIUM* medium = source.Find(format);
  return medium && medium->pstm ? medium->pstm->Bytes() : std::vector<std::uint8_t>{};
}

TEST_F(ClipboardPayloadTest, WhatAnotherProcessWroteYieldsNoObject) {
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow");
  auto source = std::make_shared<COleDataSource>();
  OfferHostObject(*source, CF_EXPLORER_VARIABLE_TYPE, AsType(flow));
  // The very bytes this process would accept, put there by another process.
  Clipboard::SetFromProcess(source, GetCurrentProcessId() + 1);
  EXPECT_FALSE(ClipboardWrittenHere());
  EXPECT_FALSE(ReadHostObjectFromClipboard(CF_EXPLORER_VARIABLE_TYPE));

  // A handle made up by another process does not resolve here either.
  std::vector<std::uint8_t> foreign = PayloadOf(*source, CF_EXPLORER_VARIABLE_TYPE);
  foreign[4] ^= 0x5A;  // the writer's process id sits in the upper half
  COleDataObject forged(WithBytes(CF_EXPLORER_VARIABLE_TYPE, foreign));
  EXPECT_FALSE(ReadHostObject(forged, CF_EXPLORER_VARIABLE_TYPE));
  Clipboard::Empty();
  EXPECT_FALSE(ReadHostObjectFromClipboard(CF_EXPLORER_VARIABLE_TYPE));
}

TEST_F(ClipboardPayloadTest, StaleHandlesAndPayloadsOfTheWrongLengthYieldNoObject) {
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow");
  auto source = std::make_shared<COleDataSource>();
  OfferHostObject(*source, CF_EXPLORER_VARIABLE_TYPE, AsType(flow));
  std::vector<std::uint8_t> bytes = PayloadOf(*source, CF_EXPLORER_VARIABLE_TYPE);

  for (std::size_t size : {0u, 4u, 7u, 9u, 16u}) {
    std::vector<std::uint8_t> wrong = bytes;
    wrong.resize(size, 0);
    COleDataObject data(WithBytes(CF_EXPLORER_VARIABLE_TYPE, wrong));
    EXPECT_FALSE(ReadHostObject(data, CF_EXPLORER_VARIABLE_TYPE)) << size;
  }
  COleDataObject zero(WithBytes(CF_EXPLORER_VARIABLE_TYPE, std::vector<std::uint8_t>(8, 0)));
  EXPECT_FALSE(ReadHostObject(zero, CF_EXPLORER_VARIABLE_TYPE));

  // The type deleted since it was copied: its handle no longer resolves.
  COleDataObject data(source);
  ASSERT_TRUE(ReadHostObject(data, CF_EXPLORER_VARIABLE_TYPE));
  ASSERT_EQ(Simulation().Delete("Flow"), S_OK);
  EXPECT_FALSE(ReadHostObject(data, CF_EXPLORER_VARIABLE_TYPE));

  // A revoked handle, and one forgotten when the table made room, resolve to nothing.
  CStoreType& pump = build.Model(Simulation(), "Pump");
  auto pumped = std::make_shared<COleDataSource>();
  OfferHostObject(*pumped, CF_EXPLORER_TASK, AsType(pump));
  COleDataObject pumpData(pumped);
  std::vector<std::uint8_t> handleBytes = PayloadOf(*pumped, CF_EXPLORER_TASK);
  CHostObjectHandles::Handle handle = 0;
  for (int i = 7; i >= 0; --i) handle = (handle << 8) | handleBytes[i];
  CHostObjectHandles::Revoke(handle);
  EXPECT_FALSE(ReadHostObject(pumpData, CF_EXPLORER_TASK));

  OfferHostObject(*pumped, CF_EXPLORER_TASK, AsType(pump));
  for (std::size_t i = 0; i < CHostObjectHandles::kCapacity; ++i)
    OfferHostObject(*std::make_shared<COleDataSource>(), CF_EXPLORER_TASK,
                    AsType(build.Model(Simulation(), "M" + std::to_string(i))));
  EXPECT_EQ(CHostObjectHandles::Count(), CHostObjectHandles::kCapacity);
  EXPECT_FALSE(ReadHostObject(COleDataObject(pumped), CF_EXPLORER_TASK));
}

TEST_F(ClipboardPayloadTest, ModelTypesTravelWithTheirStreamMarkAndWriterProcess) {
  CStoreType& steam = build.Type(Simulation(), StoreKind::Stream, "Steam");
  CComPtr<IRModelType> modelType = ComQuery<IRModelType>(static_cast<IFType*>(&steam));
  ASSERT_TRUE(modelType);
  auto source = std::make_shared<COleDataSource>();
  ASSERT_TRUE(OfferModelType(*source, modelType, true));
  std::vector<std::uint8_t> bytes = PayloadOf(*source, CF_EXPLORER_MODEL_TYPE);
  ASSERT_EQ(bytes.size(), kModelTypePayloadSize);
  std::vector<std::uint8_t> companion = PayloadOf(*source, CF_QELI_MODEL_TYPE);
  ASSERT_EQ(companion.size(), kQeliModelTypePayloadSize);
  EXPECT_TRUE(std::equal(companion.begin(), companion.end(), bytes.begin()));
  EXPECT_EQ(bytes[16], 1);  // the stream-type mark
  DWORD writer = bytes[18] | (bytes[19] << 8) | (bytes[20] << 16) | (static_cast<DWORD>(bytes[21]) << 24);
  EXPECT_EQ(writer, GetCurrentProcessId());

  std::optional<ModelTypePayload> read = ReadModelType(COleDataObject(source));
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->streamType);
  EXPECT_TRUE(IsSameObject(read->modelType, modelType));

  // Written by another process: the stored process id is not ours.
  std::vector<std::uint8_t> foreign = bytes;
  foreign[18] ^= 0x01;
  EXPECT_FALSE(ReadModelType(COleDataObject(WithBytes(CF_EXPLORER_MODEL_TYPE, foreign))));
  // Cut short, or the companion format alone.
  std::vector<std::uint8_t> shortened(bytes.begin(), bytes.begin() + 21);
  EXPECT_FALSE(ReadModelType(COleDataObject(WithBytes(CF_EXPLORER_MODEL_TYPE, shortened))));
  EXPECT_FALSE(ReadModelType(COleDataObject(WithBytes(CF_QELI_MODEL_TYPE, companion))));
}

}  // namespace
