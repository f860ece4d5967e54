#include "smslogwindow.h"

#include "controls.h"
#include "keyboard.h"
#include "screenfit.h"
#include "smslog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace velmora {

SmsLogWindow::SmsLogWindow(SmsLog& log, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SmsLog"));
    setWindowTitle(QStringLiteral("Dziennik SMS"));
    setModal(true);

    auto* list = new QTableView(this);
    list->setObjectName(QStringLiteral("SmsLogList"));
    list->setAccessibleName(QStringLiteral("Wiadomości wysłane i odebrane"));
    list->setModel(&log);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->horizontalHeader()->setSectionResizeMode(SmsLog::Text, QHeaderView::Stretch);
    connect(&log, &QAbstractItemModel::rowsInserted, list, &QTableView::scrollToBottom);

    QPushButton* close = makeButton(this, "SmsLogClose", QStringLiteral("Zamknij"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(close, 0, Qt::AlignRight);
    setUpKeyboard(this);
    fitToScreen(this, {760, 360});
}

} // namespace velmora
