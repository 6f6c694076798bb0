#pragma once

#include <QByteArray>
#include <QImage>

// A version 2 PICT file of one direct 32-bit pixel map, packed one colour
// component at a time, behind the 512-byte file header.
QByteArray WritePict(const QImage &image);
