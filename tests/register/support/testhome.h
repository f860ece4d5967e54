#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::test {

// A home folder of the test's own: HOME and the XDG folders point into a temporary folder for as long as this
// object lives, so that QStandardPaths, the keyring daemon and the register write nowhere else.
class TestHome {
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    bool isValid() const { return folder_.isValid(); }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    // Every file under the home whose bytes hold `text`, as UTF-8 or UTF-16 (SQLite may keep either).
    QStringList filesHolding(const QString& text) const;
    // Every file under the home.
    QStringList files() const;

private:
    QTemporaryDir folder_;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> previous_;
};

// A file's SHA-256, or empty when it cannot be read.
QByteArray hashOf(const QString& path);

} // namespace velmora::test
