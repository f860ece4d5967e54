#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

// The command library speaks UTF-8; these are the only crossings between it and Qt's strings.
inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toUtf8(const QString& text)
{
    return text.toStdString();
}

} // namespace velmora
