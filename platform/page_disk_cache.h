#pragma once

// The loader's disk cache: one plain file per page in a folder, its head the
// cache record Qt keeps for the page, its rest the body as it arrived.

#include <QAbstractNetworkCache>
#include <QNetworkCacheMetaData>
#include <QString>
#include <QStringList>

#include <map>

namespace platform {

class PageDiskCache : public QAbstractNetworkCache {
 public:
  explicit PageDiskCache(const QString& folder, QObject* parent = nullptr);
  ~PageDiskCache() override;

  QString folder() const { return folder_; }

  // The entry files, in a stable order.
  QStringList EntryFiles() const;
  // The record at the head of an entry file; invalid when it is none.
  static QNetworkCacheMetaData EntryMetaData(const QString& file);

  QNetworkCacheMetaData metaData(const QUrl& url) override;
  void updateMetaData(const QNetworkCacheMetaData& metaData) override;
  QIODevice* data(const QUrl& url) override;
  bool remove(const QUrl& url) override;
  qint64 cacheSize() const override;
  QIODevice* prepare(const QNetworkCacheMetaData& metaData) override;
  void insert(QIODevice* device) override;
  void clear() override;

  // The folder is trimmed back, oldest entries first, when it grows past this.
  static constexpr qint64 kMaximumSize = 50 * 1024 * 1024;

 private:
  QString EntryFile(const QUrl& url) const;
  bool Write(const QNetworkCacheMetaData& metaData, const QByteArray& body);
  void Trim();

  QString folder_;
  std::map<QIODevice*, QNetworkCacheMetaData> preparing_;
  qint64 size_ = 0;
};

}  // namespace platform
