#include "qrwindow.h"

#include "controls.h"
#include "keyboard.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <qrencode.h>

namespace velmora {
namespace {

constexpr int kQuietZone = 4; // modules of white around the code, as scanners expect

} // namespace

QrMatrix encodeQr(const QByteArray& data)
{
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(static_cast<int>(data.size()), reinterpret_cast<const unsigned char*>(data.constData()), 0,
                          QR_ECLEVEL_M),
        &QRcode_free);
    QrMatrix matrix;
    if (!code) {
        return matrix;
    }
    matrix.size = code->width;
    matrix.dark.reserve(static_cast<std::size_t>(code->width * code->width));
    for (int i = 0; i < code->width * code->width; ++i) {
        matrix.dark.push_back((code->data[i] & 1) != 0);
    }
    return matrix;
}

QrCodeView::QrCodeView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QrCode"));
    setMinimumSize(180, 180);
}

void QrCodeView::setMatrix(QrMatrix matrix)
{
    matrix_ = std::move(matrix);
    update();
}

QSize QrCodeView::sizeHint() const
{
    return {300, 300};
}

void QrCodeView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (matrix_.isEmpty()) {
        return;
    }
    const int modules = matrix_.size + 2 * kQuietZone;
    const int scale = std::max(1, std::min(width(), height()) / modules);
    const int originX = (width() - modules * scale) / 2 + kQuietZone * scale;
    const int originY = (height() - modules * scale) / 2 + kQuietZone * scale;
    for (int y = 0; y < matrix_.size; ++y) {
        for (int x = 0; x < matrix_.size; ++x) {
            if (matrix_.at(x, y)) {
                painter.fillRect(originX + x * scale, originY + y * scale, scale, scale, Qt::black);
            }
        }
    }
}

QrWindow::QrWindow(QWidget* parent)
    : QDialog(parent),
      number_(makeNumberField(this, "QrNumber",
                              QStringLiteral("Numer w postaci międzynarodowej, same cyfry. Puste pole: telefon "
                                             "zapyta o odbiorcę."))),
      code_(new QrCodeView(this)), text_(new QLabel(this))
{
    setUpWindow(this, "QrWindow", QStringLiteral("Kod QR komendy"));

    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignHCenter);
    setPixelSize(text_, 14);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeLabel(this, nullptr,
                                QStringLiteral("Zeskanuj kod aparatem telefonu: otworzy się wiadomość SMS z gotową "
                                               "treścią komendy.")));
    layout->addWidget(makeBuddy(this, QStringLiteral("Numer karty SIM centrali (opcjonalnie):"), number_));
    layout->addWidget(number_);
    layout->addWidget(code_, 1);
    layout->addWidget(text_);
    QPushButton* close = makeButton(this, nullptr, QStringLiteral("Zamknij"));
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(number_, &QLineEdit::textChanged, this, &QrWindow::refresh);
    setUpKeyboard(this);
}

void QrWindow::showFor(const QString& command)
{
    command_ = command;
    refresh();
    exec();
}

QString QrWindow::payload() const
{
    return QStringLiteral("SMSTO:") + number_->text() + QLatin1Char(':') + command_;
}

void QrWindow::refresh()
{
    QrMatrix matrix = encodeQr(payload().toUtf8());
    text_->setText(matrix.isEmpty() ? QStringLiteral("Komenda jest za długa, by zmieścić się w kodzie QR.") : command_);
    code_->setMatrix(std::move(matrix));
}

} // namespace velmora
