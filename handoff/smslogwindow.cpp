#include "smslogwindow.h"

#include "controls.h"
#include "keyboard.h"
#include "rowtable.h"
#include "screenfit.h"
#include "smslog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace velmora {

SmsLogWindow::SmsLogWindow(SmsLog& log, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SmsLog"));
    setWindowTitle(QStringLiteral("Dziennik SMS"));
    setModal(true);

    QTableView* list = makeRowTable(this, "SmsLogList", QStringLiteral("Wiadomości wysłane i odebrane"), log);
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->horizontalHeader()->setSectionResizeMode(SmsLog::Text, QHeaderView::Stretch);
    connect(&log, &QAbstractItemModel::rowsInserted, list, &QTableView::scrollToBottom);
    // Says so while there is nothing to list; the log only grows.
    QLabel* empty =
        makeLabel(this, "SmsLogEmpty", QStringLiteral("Nie wysłano ani nie odebrano jeszcze żadnej wiadomości."));
    empty->setVisible(log.rowCount() == 0);
    connect(&log, &QAbstractItemModel::rowsInserted, empty, &QWidget::hide);

    QPushButton* close = makeButton(this, "SmsLogClose", QStringLiteral("Zamknij"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(empty);
    layout->addWidget(list);
    layout->addWidget(close, 0, Qt::AlignRight);
    setUpKeyboard(this);
    fitToScreen(this, {760, 360});
}

} // namespace velmora
