#pragma once

#include <QString>
#include <QWidget>

namespace pellamar {

// Writes what the widget and its children show, as grab() would paint it,
// to a PNG file (8-bit RGB). The widget is painted a band of rows at a time
// and each band is compressed before the next is painted, so the whole
// picture is never held in memory. compression_level is zlib's, 0 to 9.
// Returns false when the file cannot be opened or written in full.
[[nodiscard]] bool WriteWidgetPng(QWidget& widget, const QString& path, int compression_level);

}  // namespace pellamar
