#include "app/clipboard/ClipboardMime.h"

#include <QMimeData>
#include <QUrl>

#include "platform/Services.h"

namespace {

const QString kFormatPrefix = QStringLiteral("application/x-vortan-");
const QString kPlainText = QStringLiteral("text/plain");

QByteArray BytesOf(const STGMEDIUM& medium) {
  const std::vector<std::uint8_t>* bytes = nullptr;
  if (medium.tymed == TYMED_HGLOBAL) bytes = &medium.hGlobal;
  if (medium.tymed == TYMED_ISTREAM && medium.pstm) bytes = &medium.pstm->Bytes();
  if (!bytes) return {};
  return QByteArray(reinterpret_cast<const char*>(bytes->data()), static_cast<qsizetype>(bytes->size()));
}

std::vector<std::uint8_t> VectorOf(const QByteArray& bytes) {
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// The process id a writer gave; 0 when it is absent or not a number.
DWORD ProcessIdOf(const QMimeData& mime) {
  if (!mime.hasFormat(QString::fromLatin1(kProcessIdMimeType))) return 0;
  bool ok = false;
  qulonglong id = mime.data(QString::fromLatin1(kProcessIdMimeType)).trimmed().toULongLong(&ok);
  return ok && id > 0 && id <= 0xFFFFFFFFull ? static_cast<DWORD>(id) : 0;
}

}  // namespace

QString MimeTypeOfFormat(const std::string& formatName) {
  return kFormatPrefix + QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(formatName)));
}

std::unique_ptr<QMimeData> MimeDataFromSource(const COleDataSource& data, DWORD processId) {
  auto mime = std::make_unique<QMimeData>();
  for (CLIPFORMAT format : data.Formats()) {
    const STGMEDIUM* medium = data.Find(format);
    if (!medium || !medium->IsValid()) continue;
    QByteArray bytes = BytesOf(*medium);
    if (format == CF_TEXT) {
      int end = bytes.indexOf('\0');
      mime->setData(kPlainText, end >= 0 ? bytes.left(end) : bytes);
      continue;
    }
    std::string name = GetClipboardFormatName(format);
    if (!name.empty()) mime->setData(MimeTypeOfFormat(name), bytes);
  }
  mime->setData(QString::fromLatin1(kProcessIdMimeType), QByteArray::number(static_cast<qulonglong>(processId)));
  return mime;
}

std::unique_ptr<QMimeData> MimeDataFromSource(const COleDataSource& data) {
  return MimeDataFromSource(data, GetCurrentProcessId());
}

MimeContents SourceFromMimeData(const QMimeData& mime) {
  MimeContents contents;
  auto data = std::make_shared<COleDataSource>();
  const QString pidType = QString::fromLatin1(kProcessIdMimeType);
  bool ownFormats = false;
  for (const QString& type : mime.formats()) {
    if (type == pidType || !type.startsWith(kFormatPrefix)) continue;
    QString name = QUrl::fromPercentEncoding(type.mid(kFormatPrefix.size()).toLatin1());
    if (name.isEmpty() || name.size() > 255) continue;
    CLIPFORMAT format = RegisterClipboardFormat(name.toStdString());
    if (!format) continue;
    data->CacheGlobalData(format, VectorOf(mime.data(type)));
    ownFormats = true;
  }
  if (mime.hasFormat(kPlainText)) {
    QByteArray text = mime.data(kPlainText);
    text.append('\0');
    data->CacheGlobalData(CF_TEXT, VectorOf(text));
  }
  contents.processId = ProcessIdOf(mime);
  contents.writtenByThisProgram = ownFormats || contents.processId != 0;
  if (!data->Formats().empty()) contents.data = std::move(data);
  return contents;
}
