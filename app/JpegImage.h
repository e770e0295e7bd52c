#pragma once
// JPEG pictures of the About box, decoded by libjpeg. A picture that libjpeg cannot decode
// cleanly (corrupt, truncated, unsupported colour space) gives an empty image; it never ends
// the process.

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a whole JPEG file held in memory. Empty image on any error or warning.
QImage DecodeJpeg(const QByteArray& data);

// Reads the file (a resource path such as ":/pictures/x.jpg" included) and decodes it.
QImage LoadJpegFile(const QString& path);
