#pragma once

#include <QLabel>
#include <QRect>

namespace pellamar {

// A label of UTF-8 text at its place in `parent` (device pixels).
inline QLabel* Caption(const char* utf8, const QRect& geometry, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(utf8), parent);
  label->setGeometry(geometry);
  return label;
}

}  // namespace pellamar
