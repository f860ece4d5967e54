#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace velmora {

// Makes `bytes` the whole content of the file at `path`, or leaves the file as it was: a reader never sees half a
// file. Returns why it failed, in Qt's words; nothing once the file is written.
std::optional<QString> writeWholeFile(const QString& path, std::string_view bytes);

} // namespace velmora
