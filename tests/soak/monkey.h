#pragma once

#include "fieldrules.h"

#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <vector>

class QLineEdit;
class QWidget;

namespace velmora {
class DisplayBand;
}

namespace velmora::test {
class RecordingErrorBox;
}

namespace velmora::soak {

// A user who does anything, fast: types and pastes any text into any field, ticks boxes, picks radio items,
// presses every button and opens and closes the pages, in a stream drawn from one seed. After every action
// each guarded field must hold text its rule accepts, each result field nothing or a whole command, and each
// error box a message. The stream stops at the first broken rule, so the seed and the action number replay it.
class Monkey final : public QObject {
    Q_OBJECT

public:
    Monkey(QWidget* mainPage, test::RecordingErrorBox& errors, quint64 seed);

    // Runs `actions` actions, then closes every page; returns when the main page is alone again.
    void run(int actions);

    int actionsDone() const { return done_; }
    // Empty while every rule held; else what broke, at which action, after what.
    const QString& fault() const { return fault_; }
    // Guarded fields without a rule here, and rules whose field is missing or unguarded.
    const QStringList& unmappedFields() const { return unmapped_; }
    // objectNames of the windows acted on.
    const QSet<QString>& windowsVisited() const { return visited_; }

signals:
    void finished();

private:
    struct WatchedField {
        QPointer<QLineEdit> field;
        QString name;
        InputRule rule;
    };

    void mapFields(const std::vector<FieldRule>& rules);
    void step();
    void act(QWidget* top);
    void openFromMainPage();
    void sendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(QLineEdit* field);
    void paste(QLineEdit* field);
    void commitInput(QLineEdit* field);
    void edit(QLineEdit* field);
    void click(QWidget* top);
    void verify();
    void broke(const QString& what);

    QString someText(bool shortText);
    QString digits(int count);
    template <typename T> T* pick(const QList<T*>& widgets);

    QWidget* mainPage_;
    test::RecordingErrorBox& errors_;
    QRandomGenerator random_;
    std::vector<WatchedField> fields_;
    std::vector<DisplayBand*> bands_;
    QStringList unmapped_;
    int actions_ = 0;
    int done_ = 0;
    QSet<QString> visited_;
    QString lastAction_;
    QString fault_;
};

} // namespace velmora::soak
