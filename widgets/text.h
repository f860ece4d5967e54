#pragma once

#include <QLineEdit>
#include <QList>
#include <QString>
#include <array>
#include <string>
#include <string_view>

namespace velmora {

// The command library speaks UTF-8; these are the only crossings between it and Qt's strings.
inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A lone surrogate half would cross as "?", a character every rule allows; as U+FFFD every rule refuses it.
inline std::string toUtf8(const QString& text)
{
    if (text.isValidUtf16()) {
        return text.toStdString();
    }
    const QList<uint> characters = text.toUcs4();
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size())
        .toStdString();
}

// The fields' texts, each as toUtf8 gives it: what a composer reads from a column of fields.
template <std::size_t N> std::array<std::string, N> textsOf(const std::array<QLineEdit*, N>& fields)
{
    std::array<std::string, N> texts;
    for (std::size_t i = 0; i < N; ++i) {
        texts[i] = toUtf8(fields[i]->text());
    }
    return texts;
}

} // namespace velmora
