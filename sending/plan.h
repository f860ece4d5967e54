#pragma once

#include "headedtable.h"
#include "sender.h"

#include <chrono>
#include <optional>
#include <vector>

namespace velmora {

// A unit's configuration gathered page by page, a table of its rows for the plan window, sent in order by its
// sender (sender.h). Every row carries the plan's one IKU code; a row that went out is never sent again. Lives for
// the run.
class Plan final : public HeadedTable {
    Q_OBJECT

public:
    enum Column { Position, Title, Command, State, ColumnCount };
    // The columns' headings, for every list of a plan's rows.
    static QStringList headings();

    // One command: the operation's title and the command from its first "#", without the IKU code.
    struct Item {
        QString title;
        QString command;

        bool operator==(const Item&) const = default;
    };

    static constexpr std::chrono::milliseconds kConfirmationTimeout = std::chrono::minutes(5);

    explicit Plan(Outbox& outbox, std::chrono::milliseconds confirmationTimeout = kConfirmationTimeout,
                  QObject* parent = nullptr);

    // Appends a page's command, IKU code and all. The first command sets the plan's code when it has none; a
    // command with another code is refused and the plan left as it was. Returns the refusal, empty if added.
    QString add(const QString& title, const QString& command);

    // Puts these rows in place of all others, waiting to be sent and without an IKU code until one is set.
    // Not while the plan is being sent.
    bool replace(const std::vector<Item>& items);
    std::vector<Item> items() const;

    QString iku() const { return iku_; }
    // Gives every row this code in place of its first four characters. Not while the plan is being sent.
    void setIku(const QString& iku);

    // Move or remove one row; nothing happens while the plan is being sent or for a row out of range.
    bool moveUp(int row);
    bool moveDown(int row);
    bool remove(int row);

    bool isSending() const { return sender_.isSending(); }
    bool hasUnsentRows() const;
    // Whether the row is still to go out: a row that went out is never sent again.
    bool isUnsent(int row) const;
    // Rows still to go out that changed since the plan was last saved or opened: closing the program loses them.
    bool hasUnsavedRows() const;
    // The rows as they stand are kept in the file, and the status says so.
    void markSaved(const QString& fileName);
    // A whole code and a row to send.
    bool canSend() const;

    // Sends the rows not yet sent, in order, to the number ("+" and digits) on the route. With
    // `waitForConfirmation` each waits for the previous to be delivered or answered.
    void send(Route* route, const QString& number, bool waitForConfirmation, bool consented);
    // Lets the message on its way finish and sends no other.
    void stop();

    QString status() const { return status_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    void sendingChanged(bool sending);
    void statusChanged(const QString& status);
    void ikuChanged(const QString& iku);
    void countChanged(int count);

private:
    struct Row {
        int id;
        Item item;
    };

    int indexOf(int id) const;
    std::optional<int> firstUnsent() const;
    bool move(int from, int to);
    QString stateText(const Row& row) const;

    void changed();
    void showState(int id);
    void showEnd(const Sender::End& end);
    void setStatus(const QString& status);
    QString resumeHint() const;

    Sender sender_;
    std::vector<Row> rows_;
    QString iku_;
    int nextId_ = 0;
    QString status_;
    bool unsaved_ = false;
    bool statusSaysSaved_ = false;
};

} // namespace velmora
