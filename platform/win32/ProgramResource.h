#pragma once

#include "Check.h"

#include <windows.h>

#include <cstddef>
#include <span>

namespace penderlin::platform {

// The bytes of one of the program's own resources, which live as long as the program.
inline std::span<const std::byte> ProgramResource(int id, const wchar_t* type) {
    const HMODULE program = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), type);
    Require(found != nullptr, "a picture or dialog template is not in the program");
    return {static_cast<const std::byte*>(LockResource(LoadResource(program, found))),
            SizeofResource(program, found)};
}

} // namespace penderlin::platform
