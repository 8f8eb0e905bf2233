// File, registry and version-information readers of the help layer.
#include "shell/help/system_facts.h"

#include <vector>

namespace verlumo::hh {

bool IsExistingFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring ReadRegistryText(HKEY root, const wchar_t* key_path, const wchar_t* value_name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, key_path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
  std::wstring text;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key, value_name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    // One character more than the value holds: a stored value need not end in a null.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD capacity = size;
    if (RegQueryValueExW(key, value_name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &capacity) == ERROR_SUCCESS)
      text = buffer.data();
  }
  RegCloseKey(key);
  return text;
}

std::optional<FileVersion> ReadFileVersion(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<BYTE> information(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, information.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixed_size = 0;
  if (!VerQueryValueW(information.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixed_size) ||
      fixed == nullptr || fixed_size < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  return FileVersion{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                     HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
}

std::string VersionText(const FileVersion& version) {
  return std::to_string(version[0]) + "." + std::to_string(version[1]) + "." +
         std::to_string(version[2]) + "." + std::to_string(version[3]);
}

}  // namespace verlumo::hh
