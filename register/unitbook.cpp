#include "unitbook.h"

#include "ikucode.h"

#include <QTimer>
#include <algorithm>

namespace velmora {
namespace {

std::optional<QString> codeFault(const QString& code)
{
    const bool digits = std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits) {
        return QString::fromUtf8(kIkuDigitsMessage);
    }
    if (!code.isEmpty() && !isCompleteIku(code.toStdString())) {
        return QString::fromUtf8(kIkuLengthMessage);
    }
    return std::nullopt;
}

bool reached(const KeyringReply& reply)
{
    return reply.status == KeyringReply::Status::Done || reply.status == KeyringReply::Status::NotFound;
}

} // namespace

UnitBook::UnitBook(UnitRegister& units, Keyring& keyring, QObject* parent)
    : QObject(parent), units_(units), keyring_(keyring)
{}

std::variant<Unit, QString> UnitBook::write(qint64 id, const UnitFields& fields)
{
    if (id == 0) {
        return units_.add(fields);
    }
    if (QString refusal = units_.edit(id, fields); !refusal.isEmpty()) {
        return refusal;
    }
    return *units_.unit(id);
}

void UnitBook::save(qint64 id, const UnitFields& fields, const std::optional<QString>& code,
                    std::function<void(const UnitSaved&)> done)
{
    const auto answer = [this, done](UnitSaved saved) { QTimer::singleShot(0, this, [done, saved] { done(saved); }); };
    if (auto fault = code ? codeFault(*code) : std::nullopt) {
        return answer({*fault, {}, {}});
    }
    const std::variant<Unit, QString> written = write(id, fields);
    if (const auto* refusal = std::get_if<QString>(&written)) {
        return answer({*refusal, {}, {}});
    }
    const Unit unit = std::get<Unit>(written);
    if (!code) {
        return answer({{}, unit, {}});
    }
    const auto stored = [unit, done, removing = code->isEmpty()](const KeyringReply& reply) {
        if (reached(reply)) {
            return done({{}, unit, {}});
        }
        done({{},
              unit,
              removing ? QStringLiteral("Kod IKU nie został usunięty: brak dostępu do magazynu haseł systemu.")
                       : QStringLiteral("Kod IKU nie został zapisany: brak dostępu do magazynu haseł systemu.")});
    };
    if (code->isEmpty()) {
        keyring_.remove(unit.codeKey, this, stored);
    } else {
        keyring_.store(unit.codeKey, *code, this, stored);
    }
}

void UnitBook::remove(qint64 id, std::function<void(const UnitRemoved&)> done)
{
    const std::optional<Unit> unit = units_.unit(id);
    const QString refusal = units_.remove(id);
    if (!refusal.isEmpty() || !unit) {
        QTimer::singleShot(0, this, [done, refusal] { done({refusal, {}}); });
        return;
    }
    keyring_.remove(unit->codeKey, this, [done](const KeyringReply& reply) {
        done({{},
              reached(reply) ? QString()
                             : QStringLiteral("Centrala została usunięta, ale jej kodu IKU nie usunięto z magazynu "
                                              "haseł systemu: brak do niego dostępu.")});
    });
}

void UnitBook::readCode(const Unit& unit, std::function<void(const KeyringReply&)> done)
{
    keyring_.read(unit.codeKey, this, std::move(done));
}

} // namespace velmora
