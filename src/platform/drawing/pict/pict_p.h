#pragma once

// Inside the platform layer only: the PICT reader behind the image plugin.

#include <QByteArray>
#include <QImage>

#include <optional>

class QIODevice;

namespace platform {

// Largest width or height of a picture, or of any pixel map inside it, that
// the reader accepts; anything larger is refused before memory is taken.
inline constexpr int kMaxPictSide = 4096;

// Largest PICT file read into memory.
inline constexpr qint64 kMaxPictFileBytes = 128 * 1024 * 1024;

// Decodes a PICT file (with or without its 512-byte file header), version 1
// or 2. Only the raster opcodes paint; every other opcode is stepped over.
// Damaged input never reads out of bounds: it gives a null image, or the
// picture with the rows decoded before the damage. RGB32 on white, the size
// of the picture's frame, or for an extended version 2 header the size of
// its bounds at the header's resolution, which the image's dots per metre
// keep.
QImage decodePict(const QByteArray &file);

// The rest of a PICT file from `in`, or nothing when it holds more than
// kMaxPictFileBytes. A file is read by its own size, never into a buffer of
// the bound's; a pipe or socket in pieces up to the bound.
std::optional<QByteArray> readPictBytes(QIODevice &in);

// True when the bytes begin like a PICT picture (at 0 or after the header).
bool looksLikePict(const QByteArray &head);

} // namespace platform
