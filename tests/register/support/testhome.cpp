#include "testhome.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace velmora::test {
namespace {

// The variables that decide where the program and the keyring daemon keep their files, and what they are set
// to under the test's home.
const std::pair<const char*, const char*> kPlaces[] = {
    {"HOME", ""},
    {"XDG_DATA_HOME", "/.local/share"},
    {"XDG_CONFIG_HOME", "/.config"},
    {"XDG_CACHE_HOME", "/.cache"},
    {"XDG_RUNTIME_DIR", "/run"},
};

} // namespace

TestHome::TestHome()
{
    for (const auto& [name, under] : kPlaces) {
        previous_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qputenv(name, QFile::encodeName(folder_.path() + QString::fromUtf8(under)));
    }
    // The keyring daemon wants its runtime folder to exist and be the user's alone.
    QDir().mkdir(folder_.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TestHome::~TestHome()
{
    for (const auto& [name, value] : previous_) {
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }
}

QStringList TestHome::files() const
{
    QStringList found;
    QDirIterator it(folder_.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        found << it.next();
    }
    return found;
}

QStringList TestHome::filesHolding(const QString& text) const
{
    const QByteArray utf8 = text.toUtf8();
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * qsizetype(sizeof(char16_t)));
    QStringList holding;
    for (const QString& path : files()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            continue; // a socket of the keyring daemon
        }
        const QByteArray bytes = file.readAll();
        if (bytes.contains(utf8) || bytes.contains(utf16)) {
            holding << path;
        }
    }
    return holding;
}

QByteArray hashOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

} // namespace velmora::test
