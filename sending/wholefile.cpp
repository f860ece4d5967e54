#include "wholefile.h"

#include <QSaveFile>

namespace velmora {

std::optional<QString> writeWholeFile(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    const auto size = qint64(bytes.size());
    // Qt 6.4's commit() may report success after a write the disk cut short; flush() does not.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size || !file.flush() || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace velmora
