#include "platform/page_disk_cache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace platform {
namespace {

constexpr quint32 kMagic = 0x52534331;  // "RSC1"
constexpr auto kStreamVersion = QDataStream::Qt_6_4;
const QString kSuffix = QStringLiteral(".page");

QUrl Key(const QUrl& url) { return url.adjusted(QUrl::RemoveFragment); }

// Reads the head of an open entry file; the file is left at the body.
QNetworkCacheMetaData ReadHead(QFile& file) {
  QDataStream in(&file);
  in.setVersion(kStreamVersion);
  quint32 magic = 0;
  in >> magic;
  if (magic != kMagic) return {};
  QNetworkCacheMetaData meta;
  in >> meta;
  return in.status() == QDataStream::Ok ? meta : QNetworkCacheMetaData();
}

qint64 FolderSize(const QString& folder) {
  qint64 size = 0;
  for (const QFileInfo& info : QDir(folder).entryInfoList({QLatin1Char('*') + kSuffix}, QDir::Files))
    size += info.size();
  return size;
}

}  // namespace

PageDiskCache::PageDiskCache(const QString& folder, QObject* parent)
    : QAbstractNetworkCache(parent), folder_(folder) {
  QDir().mkpath(folder_);
  size_ = FolderSize(folder_);
}

PageDiskCache::~PageDiskCache() {
  for (const auto& [device, meta] : preparing_) delete device;
}

QString PageDiskCache::EntryFile(const QUrl& url) const {
  const QByteArray hash =
      QCryptographicHash::hash(Key(url).toEncoded(), QCryptographicHash::Sha1).toHex();
  return folder_ + QLatin1Char('/') + QString::fromLatin1(hash) + kSuffix;
}

// Listed without a name filter: a filter is a regular expression per name,
// and this runs twice for every purge.
QStringList PageDiskCache::EntryFiles() const {
  QStringList files;
  for (QDirIterator it(folder_, QDir::Files); it.hasNext();) {
    const QString file = it.next();
    if (file.endsWith(kSuffix)) files << file;
  }
  files.sort();
  return files;
}

QNetworkCacheMetaData PageDiskCache::EntryMetaData(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return ReadHead(f);
}

QNetworkCacheMetaData PageDiskCache::metaData(const QUrl& url) {
  const QNetworkCacheMetaData meta = EntryMetaData(EntryFile(url));
  return meta.url() == Key(url) ? meta : QNetworkCacheMetaData();
}

void PageDiskCache::updateMetaData(const QNetworkCacheMetaData& metaData) {
  QFile file(EntryFile(metaData.url()));
  if (!file.open(QIODevice::ReadOnly) || !ReadHead(file).isValid()) return;
  const QByteArray body = file.readAll();
  file.close();
  QNetworkCacheMetaData meta = metaData;
  meta.setUrl(Key(metaData.url()));
  Write(meta, body);
}

QIODevice* PageDiskCache::data(const QUrl& url) {
  QFile file(EntryFile(url));
  if (!file.open(QIODevice::ReadOnly) || ReadHead(file).url() != Key(url)) return nullptr;
  auto* buffer = new QBuffer;
  buffer->setData(file.readAll());
  buffer->open(QIODevice::ReadOnly);
  return buffer;
}

bool PageDiskCache::remove(const QUrl& url) {
  // A page still being written is dropped with it.
  for (auto it = preparing_.begin(); it != preparing_.end();) {
    if (it->second.url() == Key(url)) {
      delete it->first;
      it = preparing_.erase(it);
    } else {
      ++it;
    }
  }
  const QString file = EntryFile(url);
  const qint64 fileSize = QFileInfo(file).size();
  if (!QFile::remove(file)) return false;
  size_ = std::max<qint64>(0, size_ - fileSize);
  return true;
}

qint64 PageDiskCache::cacheSize() const { return size_; }

QIODevice* PageDiskCache::prepare(const QNetworkCacheMetaData& metaData) {
  if (!metaData.isValid() || !metaData.url().isValid() || !metaData.saveToDisk()) return nullptr;
  auto* buffer = new QBuffer;
  buffer->open(QIODevice::ReadWrite);
  QNetworkCacheMetaData meta = metaData;
  meta.setUrl(Key(metaData.url()));
  preparing_[buffer] = meta;
  return buffer;
}

void PageDiskCache::insert(QIODevice* device) {
  const auto it = preparing_.find(device);
  if (it == preparing_.end()) return;
  const QNetworkCacheMetaData meta = it->second;
  preparing_.erase(it);
  const QByteArray body = static_cast<QBuffer*>(device)->data();
  delete device;
  if (Write(meta, body)) Trim();
}

void PageDiskCache::clear() {
  for (const QString& file : EntryFiles()) QFile::remove(file);
  size_ = 0;
}

bool PageDiskCache::Write(const QNetworkCacheMetaData& metaData, const QByteArray& body) {
  const QString path = EntryFile(metaData.url());
  const qint64 oldSize = QFileInfo(path).size();
  // No sync to disk: a cache entry cut short by a crash reads as no entry.
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QDataStream out(&file);
  out.setVersion(kStreamVersion);
  out << kMagic << metaData;
  if (file.write(body) != body.size()) {
    file.close();
    QFile::remove(path);
    return false;
  }
  file.close();
  size_ += QFileInfo(path).size() - oldSize;
  return true;
}

void PageDiskCache::Trim() {
  if (size_ <= kMaximumSize) return;
  QFileInfoList entries =
      QDir(folder_).entryInfoList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Time | QDir::Reversed);
  size_ = FolderSize(folder_);
  for (const QFileInfo& entry : entries) {
    if (size_ <= kMaximumSize * 9 / 10) break;
    if (QFile::remove(entry.filePath())) size_ -= entry.size();
  }
}

}  // namespace platform
