#include "app/qt/piece_images.h"

#include <QFileInfo>
#include <QImageReader>

#include "app/qt/data_files.h"

void PieceImageCache::NewFrame() {
  ++frame;
}

const QImage& PieceImageCache::Image(const char* path, QSize size) {
  // Looked up without copying the path: this runs for every piece of every frame.
  auto found = entries.find(QByteArray::fromRawData(path, static_cast<qsizetype>(qstrlen(path))));
  if (found == entries.end()) {
    found = entries.insert(QByteArray(path), Entry{});
  }
  Entry& entry = *found;
  if (entry.checkedInFrame != frame) {
    entry.checkedInFrame = frame;
    const QString file = LocateDataFile(path);
    const QFileInfo info(file);
    const qint64 bytes = file.isEmpty() ? -1 : info.size();
    const QDateTime modified = file.isEmpty() ? QDateTime() : info.lastModified();
    if (file != entry.file || bytes != entry.size || modified != entry.modified) {
      entry = Entry{file, bytes, modified, file.isEmpty() ? QImage() : Decode(file), {}, frame};
    }
  }
  if (entry.decoded.isNull() || size.isEmpty()) {
    static const QImage none;
    return none;
  }
  if (entry.scaled.size() != size) {
    entry.scaled = entry.decoded.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  return entry.scaled;
}

// The header is read first, so that a refused file costs no more than its first bytes; only a
// PNG of acceptable dimensions is decoded, and only one that decodes to its end is kept.
QImage PieceImageCache::Decode(const QString& file) {
  QImageReader reader(file);
  if (reader.format() != "png") {
    return {};
  }
  const QSize size = reader.size();
  if (size.isEmpty() || size.width() > kMaxSide || size.height() > kMaxSide) {
    return {};
  }
  QImage image;
  if (!reader.read(&image)) {
    return {};
  }
  // Drawing from the painter's own pixel format is a plain blend, with no conversion per piece.
  image.convertTo(QImage::Format_ARGB32_Premultiplied);
  return image;
}
