#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velmora {

class ErrorBox;

// Where a window's files are chosen: the platform's file dialogs in the program, a script in tests. An empty path
// means the user chose none.
class FileChoice {
public:
    virtual ~FileChoice() = default;
    virtual QString chooseToOpen(QWidget* parent) = 0;
    virtual QString chooseToSave(QWidget* parent) = 0;

    // Reads (or writes) the file the user chooses with `act`, which returns why it could not; the error box says
    // that. Returns the file's path once done; empty when none was chosen or it was refused.
    using FileAct = std::function<QString(const QString& path)>;
    QString open(QWidget* parent, ErrorBox& errors, const FileAct& act);
    QString save(QWidget* parent, ErrorBox& errors, const FileAct& act);

protected:
    FileChoice() = default;
    FileChoice(const FileChoice&) = default;
    FileChoice& operator=(const FileChoice&) = default;
};

// What the dialogs say of one kind of file: their titles, the filter of the files they list, and the suffix a file
// chosen to save gets when typed without one.
struct FileKind {
    QString openTitle;
    QString saveTitle;
    QString filter;
    QString suffix;
};

// Plan files (see planstore.h) and units files (see register/unitsfile.h).
FileKind planFileKind();
FileKind unitsFileKind();

class FileDialogs final : public FileChoice {
public:
    explicit FileDialogs(FileKind kind) : kind_(std::move(kind)) {}

    QString chooseToOpen(QWidget* parent) override;
    QString chooseToSave(QWidget* parent) override;

private:
    FileKind kind_;
};

} // namespace velmora
