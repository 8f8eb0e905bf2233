// Path arithmetic on Windows-style paths held as text; both separators are understood.
#pragma once

#include <string>

namespace verlumo {

// The last component of a path, extension included ("C:\Spiele\noname.vlm" -> "noname.vlm").
std::string FileNameOf(const std::string& path);

// Everything up to and including the last separator ("" when there is none).
std::string FolderOf(const std::string& path);

// Replaces the extension of the last component, or adds one when it has none:
// "abc" and "abc.txt" both become "abc.vlm" with extension ".vlm".
std::string ChangeExtension(const std::string& path, const std::string& extension);

}  // namespace verlumo
