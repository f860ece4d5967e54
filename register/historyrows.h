#pragma once

#include "unitregister.h"

#include <QSqlQuery>

namespace velmora {

// The columns of a history row in the order readHistoryRow() reads them, for a query on `history h`.
#define VELMORA_HISTORY_COLUMNS                                                                                        \
    "h.id, h.sent, h.at, h.title, h.text, h.stage, h.stage_at, h.detail, h.technical, h.delivery, h.delivery_at, "     \
    "h.delivery_detail, h.delivery_technical"

// A history row read from `query`, its columns starting at `first`; none when the row holds no message (a
// unit without any in a LEFT JOIN).
std::optional<RecordedMessage> readHistoryRow(const QSqlQuery& query, int first);

// The stored form of a stage: numbers fixed here, apart from the enum's order, since files outlive builds.
int stageCode(SendProgress::Stage stage);
// A stored stage read back; an unknown number reads as Failed.
SendProgress::Stage stageOf(int code);

// A text received from a unit as it is stored: one that starts as a command does, with four digits and "#", is kept
// from its "#", since a unit echoing a command echoes its code.
QString receivedWithoutCode(const QString& text);

} // namespace velmora
