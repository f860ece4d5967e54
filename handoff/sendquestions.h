#pragma once

#include "questionbox.h"

namespace velmora {

// Where the windows that send ask the user first: the yes-or-no questions of QuestionBox ("Tak", "Nie"), and the
// question before commands that wipe what the unit holds, whose buttons name the act ("Wyślij", "Anuluj") and whose
// default is the safe one. The program shows modal boxes; tests answer as they please.
class SendQuestions : public QuestionBox {
public:
    // True when the user pressed "Wyślij"; "Anuluj", the default, and closing the box answer no.
    virtual bool confirmSending(const QString& question) = 0;
};

// The program's modal boxes: ModalQuestionBox's for the yes-or-no questions.
class ModalSendQuestions final : public SendQuestions {
public:
    bool ask(const QString& question) override;
    bool confirmSending(const QString& question) override;
};

} // namespace velmora
