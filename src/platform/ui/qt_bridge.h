#pragma once

// Conversions between the core's plain types and Qt's. Every Qt layer uses
// these; there is no second copy.

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "foundation/colour.h"

namespace lumidex {

// UTF-8 text of the core as a QString.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A QString as the core's UTF-8 text.
inline std::string ToStdString(const QString& text) { return text.toUtf8().toStdString(); }

// A 0x00BBGGRR colour as a QColor.
inline QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

}  // namespace lumidex
