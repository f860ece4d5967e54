#pragma once

#include "sendquestions.h"

#include <QStringList>

namespace velmora::test {

// Answers each question as told at once, and remembers it: the yes-or-no questions in `asked`, the questions before
// commands that wipe a unit ("Wyślij" or "Anuluj") in `warned`.
class ScriptedQuestions final : public SendQuestions {
public:
    bool ask(const QString& question) override
    {
        asked << question;
        return answer;
    }

    bool confirmSending(const QString& question) override
    {
        warned << question;
        return send;
    }

    bool answer = true;
    bool send = true;
    QStringList asked;
    QStringList warned;
};

} // namespace velmora::test
