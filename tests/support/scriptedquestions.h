#pragma once

#include "questionbox.h"

#include <QStringList>

namespace velmora::test {

// Answers each question as told at once, and remembers it.
class ScriptedQuestions final : public QuestionBox {
public:
    bool ask(const QString& question) override
    {
        asked << question;
        return answer;
    }

    bool answer = true;
    QStringList asked;
};

} // namespace velmora::test
