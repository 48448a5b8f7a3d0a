#pragma once

// Text between the framework's Strings and Qt; only the user-interface part includes this.

#include <QString>

#include "framework/core/String.h"

namespace fw {

inline QString ToQString(const String& text) { return QString::fromStdString(text.Bytes()); }
inline String FromQString(const QString& text) { return String(text.toStdString()); }

// The text as a caption, where Qt would otherwise take "&" for a mnemonic.
inline QString MnemonicFree(const String& text) { return ToQString(text).replace('&', QStringLiteral("&&")); }

}  // namespace fw
