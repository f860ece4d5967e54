#pragma once

#include <QString>

namespace velmora {

// Where the program asks the user to agree before it acts. The program shows a modal yes/no box; tests answer
// as they please.
class QuestionBox {
public:
    virtual ~QuestionBox() = default;
    // True when the user agreed; returns when the box is closed.
    virtual bool ask(const QString& question) = 0;
};

// A modal question box with the buttons "Tak" and "Nie"; closing it answers no.
class ModalQuestionBox final : public QuestionBox {
public:
    bool ask(const QString& question) override;
};

} // namespace velmora
