#pragma once

#include <string_view>

namespace penderlin {

// The four registration values the program shows and replaces, as the buttons name them.
enum class RegistrationField { User, Company, CdKey, ProductId };

constexpr std::wstring_view ValueName(RegistrationField field) {
    switch (field) {
    case RegistrationField::User:
        return L"RegisteredOwner";
    case RegistrationField::Company:
        return L"RegisteredOrganization";
    case RegistrationField::CdKey:
        return L"ProductKey";
    case RegistrationField::ProductId:
        return L"ProductId";
    }
    return {};
}

} // namespace penderlin
