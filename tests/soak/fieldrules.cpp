#include "fieldrules.h"

#include "detectornames.h"
#include "encoding.h"
#include "ikucode.h"
#include "smscentre.h"
#include "systemparameters.h"
#include "testmessages.h"
#include "text.h"
#include "usernames.h"
#include "usernumbers.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace velmora::soak {
namespace {

void add(std::vector<FieldRule>& rules, const char* page, std::initializer_list<const char*> fields,
         const InputRule& rule)
{
    for (const char* field : fields) {
        rules.push_back({QLatin1String(page), QLatin1String(field), rule});
    }
}

bool holdsCodesUpTo(std::string_view text, int highest)
{
    for (Utf8Reader reader(text); !reader.atEnd();) {
        if (windows1250Code(reader.next()) > highest) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<FieldRule> fieldRules()
{
    std::vector<FieldRule> rules;
    add(rules, "TForm12", {"Edit1"}, ikuCodeRule());
    add(rules, "TForm13", {"Edit3"}, ikuCodeRule());
    add(rules, "TForm13", {"Edit1"}, smsCentreNumberRule());
    add(rules, "TForm13", {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8"}, userNumberRule());
    add(rules, "TForm2", {"Edit1"}, smsCentreNumberRule());
    add(rules, "TForm3", {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}, userNumberRule());
    add(rules, "TForm5", {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"}, detectorNameRule());
    add(rules, "TForm5", {"Edit11"}, headerRule());
    add(rules, "TForm6", {"Edit1"}, valueRule(ValueSetting::DailySmsLimit));
    add(rules, "TForm6", {"Edit2"}, valueRule(ValueSetting::ArmingTime));
    add(rules, "TForm6", {"Edit3"}, valueRule(ValueSetting::DisarmingTime));
    add(rules, "TForm6", {"Edit4"}, balanceCheckNumberRule());
    add(rules, "TForm6", {"Edit5"}, valueRule(ValueSetting::BalanceCheckByQuantity));
    add(rules, "TForm6", {"Edit6"}, valueRule(ValueSetting::BalanceCheckByTime));
    add(rules, "TForm7", {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit11"},
        userNameRule());
    add(rules, "Tform11", {"Edit1", "Edit4"}, testUserIndexRule());
    add(rules, "Tform11", {"Edit2"}, testSmsPeriodRule());
    add(rules, "Tform11", {"Edit3"}, testTextRule());
    add(rules, "Tform11", {"Edit5"}, testClipPeriodRule());
    return rules;
}

bool isEmptyOrCompleteCommand(const QString& text)
{
    if (text.isEmpty()) {
        return true;
    }
    const std::string message = toUtf8(text);
    // A character that does not survive the crossing to UTF-8 (a lone surrogate) would reach the phone
    // as something else.
    if (toQString(message) != text) {
        return false;
    }
    const std::string_view view(message);
    if (view.size() < 6 || !isDigitsOnly(view.substr(0, 4)) || view[4] != '#') {
        return false;
    }
    if (view[5] == 'K') {
        return view.size() > 6 && holdsCodesUpTo(view.substr(6), 255);
    }
    const std::size_t codeEnd = view.find('#', 5);
    const std::string_view code = view.substr(5, codeEnd - 5);
    return codeEnd != std::string_view::npos && !code.empty() &&
           std::all_of(code.begin(), code.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); }) &&
           view.ends_with('#') && holdsCodesUpTo(view, 125);
}

} // namespace velmora::soak
