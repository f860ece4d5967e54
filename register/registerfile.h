#pragma once

#include <QString>

namespace velmora {

// What lies at the register's path, judged before the program writes anything to it.
struct RegisterFileCheck {
    enum class Verdict {
        Absent,   // no file: nothing to read, and nothing is made until the first unit is added
        Empty,    // a file without a register in it yet, as a first add killed before its commit leaves it
        Register, // this program's register, of a schema version it knows
        Refused,  // anything else, left exactly as it is
    };

    Verdict verdict = Verdict::Absent;
    // Refused: the sentence for the error box, naming the file and why.
    QString refusal;
};

// The register's schema as this program knows it: its SQLite application id and newest version.
struct RegisterSchemaId {
    int applicationId;
    int newestVersion;
};

// Looks at the file without changing it: its first bytes, then, opened read-only, its application id,
// schema version (PRAGMA user_version) and PRAGMA quick_check. Any file SQLite makes beside it for the
// reading (the -shm of a file in write-ahead logging) is taken away again.
RegisterFileCheck checkRegisterFile(const QString& path, RegisterSchemaId schema);

// The sentence for the error box when the register cannot be used for the run.
QString unavailableRegister(const QString& path, const QString& why);

} // namespace velmora
