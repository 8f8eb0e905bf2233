// Reading text values from the registry, the one way every part of the game does it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "shell/platform/registry_data.h"

namespace verlumo {

// The value `name` of an open key as stored, or nothing when there is no such value. A value
// that is not a text comes back marked so, without its data: nothing of the game reads one.
std::optional<RegistryData> QueryValue(HKEY key, const std::wstring& name);

// The text value `name` of an open key ("" names the key's default value), or nothing when
// there is no such value or it is not a text. REG_EXPAND_SZ counts as text and is taken as
// stored, without expanding. Registry data need not end in a NUL, nor even in a whole
// character, so only whole characters within the reported size are taken, up to the first NUL.
std::optional<std::wstring> QueryText(HKEY key, const std::wstring& name);

// The text value `name` of root\key_path, opened read-only; nothing when the key or the value
// is missing or not a text.
std::optional<std::wstring> ReadRegistryText(HKEY root, const std::wstring& key_path,
                                             const std::wstring& name);

}  // namespace verlumo
