// The piece images as decoded pictures, kept from frame to frame while their files stay as they
// were.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QString>

#include "app/common/data_files.h"

// Decoding the four PNG files for every piece of every frame took nearly all of a frame's time,
// and scaling them to the cell size for every piece most of what remained, so each file is decoded
// once and kept, along with a copy at the size last asked for. The files stay the truth: at the
// first use of a file in each frame its size and modification time are looked at again, so a file
// replaced while the game runs shows at the next frame and a removed one disappears. A file that is
// not a PNG, is truncated, or claims dimensions no piece needs (a small file that would decode into
// gigabytes) is refused before or while decoding; it gives a null image, remembered until the file
// changes, so the pieces that use it stay undrawn and the others are drawn as usual.
class PieceImageCache {
 public:
  // The largest width or height accepted.
  static constexpr int kMaxSide = kMaxPieceImageSide;

  // Starts a frame: each file is looked at again before its first use in the frame.
  void NewFrame();

  // The picture of the data file at path (found as LocateDataFile finds it), scaled to size
  // without smoothing, or a null image when there is none, it was refused, or size is empty.
  // Valid until the next call.
  const QImage& Image(const char* path, QSize size);

 private:
  struct Entry {
    QString file;
    qint64 size = -1;
    QDateTime modified;
    QImage decoded;
    QImage scaled;
    quint64 checkedInFrame = 0;
  };

  static QImage Decode(const QString& file);

  QHash<QByteArray, Entry> entries;
  quint64 frame = 1;
};
